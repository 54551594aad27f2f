// Find, replace, delete and sequence numbers run in any order over any program text.
#include "dialogs.h"
#include "editabletext.h"
#include "finder.h"
#include "fuzzcheck.h"
#include "textcommands.h"
#include "textsearch.h"

#include <limits>

namespace {

// A program text that checks every selection the commands make.
class CheckedText : public EditableText {
public:
    explicit CheckedText(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QByteArrayView bytes() const override { return m_bytes; }
    int selectionStart() const override { return m_start; }
    int selectionLength() const override { return m_length; }
    void setSelection(int start, int length) override
    {
        FUZZ_CHECK(start >= 0 && length >= 0 && start + length <= m_bytes.size());
        m_start = start;
        m_length = length;
    }
    void replaceSelection(const QByteArray &bytes) override
    {
        m_bytes.replace(m_start, m_length, bytes);
        m_start += int(bytes.size());
        m_length = 0;
    }
    void setAll(const QByteArray &bytes) override
    {
        m_bytes = bytes;
        m_start = m_length = 0;
    }

private:
    QByteArray m_bytes;
    int m_start = 0;
    int m_length = 0;
};

class CountingDialogs : public Dialogs {
public:
    int messages = 0;
    void message(const QString &, const QString &, Icon) override { ++messages; }
    Button question(const QString &, Buttons, const QString &, Icon) override { return Button::Cancel; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &, bool) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    bool setUpPrinter(QPrinter &) override { return false; }
    void showHelp(int) override {}
    void beep() override {}
};

QString latin1(FuzzInput &input)
{
    std::size_t length = 0;
    const char *bytes = input.take(input.byte() % 12, &length);
    return QString::fromLatin1(bytes, qsizetype(length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    std::size_t length = 0;
    const char *start = input.take(input.twoBytes() % 512, &length);
    CheckedText text(QByteArray(start, qsizetype(length)));
    SearchState state;
    CountingDialogs dialogs;
    Finder finder(state, dialogs);
    SequenceNumbering numbering(std::numeric_limits<qint32>::max() - qint32(input.twoBytes()));

    for (int step = 0; step < 64 && !input.empty(); ++step) {
        const int messagesBefore = dialogs.messages;
        bool searched = false;
        switch (input.byte() % 9) {
        case 0: {
            finder.open(text.selectedBytes());
            finder.setDirection(input.byte() & 1 ? SearchState::Down : SearchState::Up);
            finder.setMatchCase(input.byte() & 1);
            const QString find = latin1(input);
            finder.accept(find, latin1(input), &text);
            searched = true;
            break;
        }
        case 1: searched = finder.findAgain(text); break;
        case 2:
            finder.replace(text);
            searched = !state.replaceText.isEmpty();
            break;
        case 3: deleteForward(text); break;
        case 4: selectAll(text); break;
        case 5: {
            const int size = int(text.bytes().size());
            const int at = size ? input.twoBytes() % (size + 1) : 0;
            text.setSelection(at, input.byte() % (size - at + 1));
            break;
        }
        case 6: numbering.toggle(); break;
        case 7: {
            const qint32 before = numbering.counter();
            const QByteArray typed = numbering.afterEnter();
            if (typed.isEmpty()) {
                FUZZ_CHECK(numbering.counter() == before);
            } else {
                FUZZ_CHECK(numbering.counter() == before + SequenceNumbering::Step);
                FUZZ_CHECK(typed == 'N' + QByteArray::number(numbering.counter()));
            }
            text.replaceSelection(typed);
            break;
        }
        case 8: text.replaceSelection(latin1(input).toLatin1()); break;
        }
        if (searched && dialogs.messages == messagesBefore) {
            // Found: the selection is the search text.
            const QByteArray needle = state.findText.toLatin1();
            const QByteArray selected = text.selectedBytes();
            FUZZ_CHECK(state.matchCase ? selected == needle
                                       : TextSearch::upperCased(selected) == TextSearch::upperCased(needle));
        }
    }
    return 0;
}
