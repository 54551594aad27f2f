#pragma once

#include "textareatext.h"
#include "textcommands.h"

#include <QList>
#include <QWidget>

class EditorWorkspace;
class ProgramTextArea;
class QAction;
class QKeyEvent;
class QMenu;

// Editor window: one archived program in a child window of the main window.
class frmNotePad : public QWidget {
    Q_OBJECT
public:
    frmNotePad(EditorWorkspace &workspace, int slot, SequenceNumbering numbering = SequenceNumbering(),
               QWidget *parent = nullptr);

    int slot() const { return m_slot; }
    ProgramTextArea *textArea() const { return m_text; }
    EditableText &editableText() { return m_editable; }
    const SequenceNumbering &numbering() const { return m_numbering; }
    // The top-level entries of this window's menu bar, shown by the main window while it is active.
    const QList<QAction *> &menuActions() const { return m_menuActions; }

    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();
    // "&Elimina" and "&Seleziona tutto"
    void deleteSelection();
    void selectAllText();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QMenu *addMenu(const char *name, const QString &caption);
    QAction *addEntry(QMenu *menu, const char *name, const QString &caption, bool enabled = true);
    void buildMenus();
    void fillFontMenu(QMenu *fonts);
    // Typed letters in upper case; after an Enter, the next sequence number when switched on.
    bool typeKey(QKeyEvent *event);

    EditorWorkspace &m_workspace;
    const int m_slot;
    ProgramTextArea *m_text;
    TextAreaText m_editable;
    SequenceNumbering m_numbering;
    bool m_retyping = false;
    QList<QAction *> m_menuActions;
};
