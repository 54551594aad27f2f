#include "startupsequence.h"

#include "accessconversionoffer.h"
#include "dialogs.h"
#include "frmmdi.h"
#include "frmsplash.h"
#include "linetestjob.h"
#include "newarchiveoffer.h"
#include "shelltext.h"
#include "session.h"
#include "startupload.h"
#include "testendpoint.h"
#include "version.h"

#include <QTextStream>

StartupSequence::StartupSequence(Session &session, Dialogs &dialogs, Pinger &pinger, PortProbe &probe,
                                 AccessReaderFactory openAccess)
    : m_session(session), m_dialogs(dialogs), m_pinger(pinger), m_probe(probe), m_openAccess(std::move(openAccess))
{
}

StartupSequence::~StartupSequence() = default;

void StartupSequence::start()
{
    m_splash = new frmSplash(frmSplash::Mode::Startup);
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_splash, &frmSplash::closed, this, &StartupSequence::loadAndTestLines, Qt::QueuedConnection);
    m_splash->show();
}

void StartupSequence::loadAndTestLines()
{
    // Declined, the missing archive fails to open below as it always did.
    if (offerNewArchive(m_session.folder, m_dialogs) == NewArchiveOutcome::Failed) {
        emit finished(1);
        return;
    }
    // Declined, the Access file fails to open below as it always did.
    if (offerAccessConversion(m_session.folder, m_dialogs, m_openAccess) == AccessOfferOutcome::Failed) {
        emit finished(1);
        return;
    }
    QString error;
    if (!loadSession(m_session, &error)) {
        // Also where a user without a working display, or a script, can read it.
        QTextStream(stderr) << error << Qt::endl;
        m_dialogs.message(error, {}, Dialogs::Icon::Critical);
        emit finished(1);
        return;
    }
    m_mainWindow = std::make_unique<frmMDI>(m_session, m_dialogs);
    connect(m_mainWindow.get(), &frmMDI::endRequested, this, &StartupSequence::finished);
    m_lineTestJob = std::make_unique<LineTestJob>(m_session.machines, m_session.folder,
                                                  CRegistry(m_session.folder.root(), QStringLiteral("truvnet")),
                                                  m_pinger, m_probe);
    m_lineTest = new testendpoint(*m_lineTestJob);
    m_lineTest->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_lineTest, &testendpoint::closed, this, &StartupSequence::showMainWindow, Qt::QueuedConnection);
    m_lineTest->open();
}

void StartupSequence::showMainWindow()
{
    m_session.editor.search.direction = SearchState::Down;
    m_mainWindow->setWindowTitle(ShellText::MainCaptionWithRelease + QStringLiteral(TRUV_VERSION));
    m_mainWindow->show();
    emit mainWindowShown();
}
