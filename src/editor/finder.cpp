#include "finder.h"

#include "dialogs.h"
#include "editabletext.h"
#include "editortext.h"
#include "textsearch.h"

Finder::WindowFields Finder::open(const QByteArray &selected)
{
    m_state.firstTime = true;
    WindowFields fields;
    if (!selected.isEmpty()) {
        fields.findText = QString::fromLatin1(selected);
    } else {
        fields.findText = m_state.findText;
        fields.replaceText = m_state.replaceText;
    }
    fields.matchCase = m_state.matchCase;
    fields.direction = m_state.direction;
    return fields;
}

void Finder::accept(const QString &findText, const QString &replaceText, EditableText *text)
{
    m_state.findText = findText;
    m_state.replaceText = TextSearch::upperCased(replaceText);
    if (text)
        findNext(*text);
}

void Finder::cancel(const QString &findText, const QString &replaceText, bool matchCase)
{
    m_state.findText = findText;
    m_state.replaceText = replaceText;
    m_state.matchCase = matchCase;
}

void Finder::findNext(EditableText &text)
{
    const int start = text.selectionStart();
    const QByteArray needle = m_state.findText.toLatin1();
    qsizetype found = -1;
    if (!needle.isEmpty()) {
        if (m_state.direction == SearchState::Down) {
            // A selection that the last search left is skipped, so a repeat finds the next one.
            const int offset = (start == m_state.lastFoundPos && !m_state.firstTime) ? 1 : 0;
            found = TextSearch::findForward(text.bytes(), needle, start + offset, m_state.matchCase);
        } else {
            // Upwards, the nearest occurrence that begins before the caret, however the caret got there.
            found = TextSearch::findBackward(text.bytes(), needle, start - 1, m_state.matchCase);
        }
    }
    if (found >= 0)
        text.setSelection(int(found), int(needle.size()));
    else
        m_dialogs.message(EditorText::NotFound.toString() + QLatin1Char('"') + m_state.findText + QLatin1Char('"'));
    m_state.lastFoundPos = text.selectionStart();
    m_state.firstTime = false;
}

bool Finder::findAgain(EditableText &text)
{
    if (m_state.findText.isEmpty())
        return false;
    findNext(text);
    return true;
}

void Finder::replace(EditableText &text)
{
    if (m_state.replaceText.isEmpty())
        return;
    if (text.selectionLength() > 0) {
        text.replaceSelection(m_state.replaceText.toLatin1());
        // The caret one character before the end of the replacement, where the next search begins.
        text.setSelection(text.selectionStart() - 1, 0);
    }
    findNext(text);
}
