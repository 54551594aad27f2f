#pragma once

#include "editorworkspace.h"

#include <QMainWindow>

#include <memory>

class Dialogs;
class QAction;
class QMdiArea;
class QMdiSubWindow;
struct Session;

// Main window: the multiple-document frame from which every other window is reached.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    frmMDI(Session &session, Dialogs &dialogs, EditorWorkspace::ProgramChooser chooser, QWidget *parent = nullptr);
    ~frmMDI() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    EditorWorkspace &workspace() { return *m_workspace; }

signals:
    // "&Fine": the program ends at once, without asking the open windows.
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption);
    QAction *addTopCommand(const char *name, const QString &caption);
    QMenu *addTopMenu(const char *name, const QString &caption);
    void buildMenus();
    void buildToolbar();
    void showMenusOf(QMdiSubWindow *active);
    void setEditButtonsShown(bool shown);
    void openFromMenu();
    void openFromToolbar();
    void showCredits();
    void changePassword();

    Session &m_session;
    Dialogs &m_dialogs;
    QMdiArea *m_mdiArea;
    std::unique_ptr<EditorWorkspace> m_workspace;
    QList<QAction *> m_menuActions;
    QAction *m_reorganise = nullptr;
    QList<QAction *> m_editButtons;
};
