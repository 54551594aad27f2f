// A program arriving from the CNC in blocks of any size: where it ends does not depend on how
// the library cuts it, and it ends at the closing "%", outside comments.
#include "cncupload.h"
#include "fuzzcheck.h"

namespace {

struct Reassembled {
    UploadedProgram::Step step = UploadedProgram::Step::More;
    QByteArray text;
};

Reassembled reassemble(const QByteArray &text, qsizetype limit, const std::uint8_t *cuts, std::size_t cutCount)
{
    UploadedProgram program(limit);
    Reassembled result;
    qsizetype at = 0;
    for (std::size_t i = 0; at < text.size(); ++i) {
        const qsizetype block = cutCount ? 1 + cuts[i % cutCount] : text.size();
        const qsizetype length = std::min(block, text.size() - at);
        result.step = program.append(text.constData() + at, long(length));
        at += length;
        if (result.step != UploadedProgram::Step::More)
            break;
    }
    result.text = program.text();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const qsizetype limit = 1 + input.twoBytes();
    std::size_t cutCount = 0;
    const char *cuts = input.take(input.byte() % 16, &cutCount);
    std::size_t length = 0;
    const char *rest = input.take(size, &length);
    const QByteArray text(rest, qsizetype(length));

    const Reassembled whole = reassemble(text, limit, nullptr, 0);
    const Reassembled cut = reassemble(text, limit, reinterpret_cast<const std::uint8_t *>(cuts), cutCount);
    FUZZ_CHECK(cut.step == whole.step);
    if (whole.step == UploadedProgram::Step::Complete) {
        FUZZ_CHECK(cut.text == whole.text && whole.text.size() <= limit);
        FUZZ_CHECK(text.startsWith(whole.text) && whole.text.endsWith('%'));
        // The leading "%" never ends the program by itself.
        FUZZ_CHECK(whole.text.trimmed() != "%");
        // The closing "%" stands outside a comment: the line before it closes every "(" it opens.
        const QByteArray lastLine = whole.text.mid(whole.text.lastIndexOf('\n') + 1);
        FUZZ_CHECK(lastLine.lastIndexOf('(') < lastLine.lastIndexOf(')') || !lastLine.contains('('));
    }
    if (whole.step == UploadedProgram::Step::More)
        FUZZ_CHECK(whole.text == text && text.size() <= limit);
    return 0;
}
