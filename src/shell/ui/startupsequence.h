#pragma once

#include "accessreader.h"
#include "mdbreader.h"

#include <QObject>
#include <QPointer>

#include <memory>

class Dialogs;
class frmMDI;
#include "frmsplash.h"
struct Session;

// The way into the program: information window, then the main window's load, then the
// main window. A load that fails shows the database's message and ends the program. An old
// Access archive in the folder is offered for conversion first.
class StartupSequence : public QObject {
    Q_OBJECT
public:
    StartupSequence(Session &session, Dialogs &dialogs, AccessReaderFactory openAccess = MdbReader::open);
    ~StartupSequence() override;

    void start();
    frmMDI *mainWindow() const { return m_mainWindow.get(); }
    frmSplash *informationWindow() const { return m_splash; }

signals:
    void mainWindowShown();
    // The program must end with this status.
    void finished(int exitCode);

private:
    void loadAndShowMainWindow();

    Session &m_session;
    Dialogs &m_dialogs;
    AccessReaderFactory m_openAccess;
    QPointer<frmSplash> m_splash;
    std::unique_ptr<frmMDI> m_mainWindow;
};
