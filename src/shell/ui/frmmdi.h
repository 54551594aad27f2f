#pragma once

#include "editorworkspace.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class ConfigScrn;
class Dialogs;
class Form1;
class frmNotePad;
class QAction;
class QMdiArea;
class QMdiSubWindow;
struct Session;

// Main window: the multiple-document frame from which every other window is reached.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    // Without a chooser, programs are chosen in the archive browser.
    frmMDI(Session &session, Dialogs &dialogs, EditorWorkspace::ProgramChooser chooser = {},
           QWidget *parent = nullptr);
    ~frmMDI() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    EditorWorkspace &workspace() { return *m_workspace; }

signals:
    // "&Fine" and the end of a reorganisation: the program ends at once with this status,
    // without asking the open windows.
    void endRequested(int exitCode);

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
    void showCommunicationSettings();
    void reorganise();
    void showTransferLog();
    // The communication terminal, fed from an editor window or, without one, empty.
    void openTerminal(frmNotePad *source);
    std::optional<ArchiveRecord> chooseInBrowser();

    Session &m_session;
    Dialogs &m_dialogs;
    QMdiArea *m_mdiArea;
    std::unique_ptr<EditorWorkspace> m_workspace;
    QList<QAction *> m_menuActions;
    QAction *m_reorganise = nullptr;
    Form1 *m_browser = nullptr;
    QPointer<ConfigScrn> m_settingsWindow;
    QList<QAction *> m_editButtons;
};
