#include "textcommands.h"

#include "editabletext.h"
#include "textsearch.h"

#include <limits>

QByteArray SequenceNumbering::afterEnter()
{
    if (!m_on || m_counter > std::numeric_limits<qint32>::max() - Step)
        return {};
    m_counter += Step;
    return 'N' + QByteArray::number(m_counter);
}

QString typedText(const QString &typed)
{
    return TextSearch::upperCased(typed);
}

void deleteForward(EditableText &text)
{
    const QByteArrayView bytes = text.bytes();
    const int start = text.selectionStart();
    if (start >= bytes.size())
        return;
    if (text.selectionLength() == 0) {
        // Only a real CR LF pair goes as one: a lone CR must not take the next character with it.
        const bool pair = bytes[start] == '\r' && start + 1 < bytes.size() && bytes[start + 1] == '\n';
        text.setSelection(start, pair ? 2 : 1);
    }
    text.replaceSelection({});
}

void selectAll(EditableText &text)
{
    text.setSelection(0, int(text.bytes().size()));
}
