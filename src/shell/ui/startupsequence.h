#pragma once

#include "accessreader.h"
#include "mdbreader.h"

#include <QObject>
#include <QPointer>

#include <memory>

#include "frmsplash.h"
#include "testendpoint.h"

class Dialogs;
class frmMDI;
class LineTestJob;
class Pinger;
class PortProbe;
struct Session;

// The way into the program: information window, then the main window's load, then the line
// test, then the main window. A load that fails shows the database's message and ends the
// program. A folder without an archive is offered a new one first, an old Access archive in the
// folder its conversion.
class StartupSequence : public QObject {
    Q_OBJECT
public:
    // pinger and probe: how the line test reaches the lines.
    StartupSequence(Session &session, Dialogs &dialogs, Pinger &pinger, PortProbe &probe,
                    AccessReaderFactory openAccess = MdbReader::open);
    ~StartupSequence() override;

    void start();
    frmMDI *mainWindow() const { return m_mainWindow.get(); }
    frmSplash *informationWindow() const { return m_splash; }
    testendpoint *lineTestWindow() const { return m_lineTest; }

signals:
    void mainWindowShown();
    // The program must end with this status.
    void finished(int exitCode);

private:
    void loadAndTestLines();
    void showMainWindow();

    Session &m_session;
    Dialogs &m_dialogs;
    Pinger &m_pinger;
    PortProbe &m_probe;
    AccessReaderFactory m_openAccess;
    QPointer<frmSplash> m_splash;
    // Lives as long as the run, so that a test outlasting its window still hands on its result.
    std::unique_ptr<LineTestJob> m_lineTestJob;
    QPointer<testendpoint> m_lineTest;
    std::unique_ptr<frmMDI> m_mainWindow;
};
