// A program on its way to a machine (cleaning, line ends) and one arriving from it.
#include "fuzzcheck.h"
#include "seriallink.h"
#include "transfertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    // Any 16-bit value may stand in cncsett.dat.
    const int lineEnd = std::int16_t(input.twoBytes());
    std::size_t length = 0;
    const char *rest = input.take(size, &length);
    const QByteArray text(rest, qsizetype(length));

    const QByteArray cleaned = CleanProgramText(text);
    FUZZ_CHECK(cleaned.isEmpty() || cleaned.endsWith("\r\n"));
    for (const QByteArray &line : cleaned.split('\n')) {
        if (line.isEmpty())
            continue;  // after the last line end
        FUZZ_CHECK(line.endsWith('\r') && line.size() > 1);
        const QByteArray body = line.chopped(1);
        FUZZ_CHECK(!body.contains('\r') && !body.contains('%'));
        FUZZ_CHECK(!body.startsWith(' ') && !body.endsWith(' '));
    }
    FUZZ_CHECK(CleanProgramText(cleaned) == cleaned);

    const QByteArray received = FilterReceivedText(text);
    for (const char c : received)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 || c == '\n');
    FUZZ_CHECK(received.count('\n') == text.count('\n'));
    FUZZ_CHECK(FilterReceivedText(received) == received);

    const QByteArray encoded = EncodeLineEnds(text, lineEnd);
    switch (lineEnd) {
    case 0: {
        FUZZ_CHECK(encoded.size() == text.size() + text.count('\n'));
        QByteArray back = encoded;
        // Taking away the CR put before each LF gives the text back.
        FUZZ_CHECK(back.replace("\r\n", "\n") == text);
        break;
    }
    case 2:
        FUZZ_CHECK(encoded.size() == text.size() && !encoded.contains('\n'));
        break;
    default:
        FUZZ_CHECK(encoded == text);
    }
    return 0;
}
