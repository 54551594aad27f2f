#pragma once

#include "searchstate.h"

class Dialogs;
class EditableText;

// Find and replace in an editor's text with the run's search state; the find window only
// collects the settings.
class Finder {
public:
    Finder(SearchState &state, Dialogs &dialogs) : m_state(state), m_dialogs(dialogs) {}

    // What the find window shows when it opens.
    struct WindowFields {
        QString findText;
        QString replaceText;
        bool matchCase = false;
        int direction = SearchState::Down;
    };
    // A selected text becomes the search text; otherwise the last search and replacement are shown.
    WindowFields open(const QByteArray &selected);
    void setDirection(int direction) { m_state.direction = direction; }
    void setMatchCase(bool matchCase) { m_state.matchCase = matchCase; }
    // "&Trova": the replacement is kept in upper case; then the search runs in text, when there is one.
    void accept(const QString &findText, const QString &replaceText, EditableText *text);
    // "&Annulla": the texts are kept as typed and nothing is searched.
    void cancel(const QString &findText, const QString &replaceText, bool matchCase);

    // FindNext: selects the next occurrence or says it is not there.
    void findNext(EditableText &text);
    // "Trova &successivo": false when there is nothing to search for yet, and the find window must open.
    bool findAgain(EditableText &text);
    // "&Rimpiazza": replaces the selection and searches again.
    void replace(EditableText &text);

private:
    SearchState &m_state;
    Dialogs &m_dialogs;
};
