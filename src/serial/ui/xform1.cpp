#include "xform1.h"

#include "configscrn.h"
#include "dialogs.h"
#include "focaslibrary.h"
#include "frmeth.h"
#include "frmwinsock.h"
#include "programfolder.h"
#include "programtextarea.h"
#include "qtserialport.h"
#include "serialtext.h"
#include "settingsstore.h"
#include "xform2.h"
#include "xform3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

namespace {

// Window measures of the old layout are in twips: 1440 to the inch.
int twips(const QWidget *widget, int value)
{
    return value * widget->logicalDpiX() / 1440;
}

} // namespace

xForm1::xForm1(MachineState &machines, const ProgramFolder &folder, Dialogs &dialogs,
               std::unique_ptr<SerialPort> port, QWidget *parent)
    : QMainWindow(parent), m_port(port ? std::move(port) : std::make_unique<QtSerialPort>()),
      m_machines(machines), m_folder(folder), m_dialogs(dialogs),
      m_terminal(machines, folder, *m_port, dialogs), m_closer(*m_port, dialogs), m_area(new QWidget(this)),
      term(new ProgramTextArea(m_area)), Label1(new QLabel(m_area)),
      Label2(new QLabel(SerialText::StatusCaption, m_area)), Line1(new QFrame(m_area)),
      List1(new QListWidget(m_area))
{
    setObjectName(QStringLiteral("xForm1"));
    setWindowTitle(SerialText::TerminalTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    m_area->setObjectName(QStringLiteral("terminalArea"));
    setCentralWidget(m_area);
    term->setObjectName(QStringLiteral("term"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    List1->setObjectName(QStringLiteral("List1"));
    List1->hide();

    // The program is shown, never typed into.
    term->setReadOnly(true);
    term->setKeyPressHandler([](QKeyEvent *) { return true; });
    m_area->installEventFilter(this);

    buildMenus();
    resize(720, 520);

    m_hooks.chooseMachine = [this] { chooseMachine(); };
    m_hooks.openEthernet = [this](int direzione, const QString &nomecnc) { return openEthernet(direzione, nomecnc); };
    m_hooks.notifyNetworkPort = [this](const QString &address) {
        auto *window = new Frmwinsock(m_dialogs, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->notifyAfterSend(address);
    };
    m_terminal.setHooks(m_hooks);
    // The hourglass while a file is read or written, not over the file dialog.
    m_terminal.setBusyIndicator([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });

    for (SerialTransfer *transfer : {static_cast<SerialTransfer *>(&m_terminal.sender()),
                                     static_cast<SerialTransfer *>(&m_terminal.receiver())}) {
        connect(transfer, &SerialTransfer::terminalTextChanged, this, &xForm1::setText);
        connect(transfer, &SerialTransfer::activeChanged, this, &xForm1::whenTransferActive);
        connect(transfer, &SerialTransfer::progressChanged, this,
                [this, transfer] { whenProgressChanged(*transfer); });
    }
    // A received text is no longer the program the terminal opened with.
    connect(&m_terminal.receiver(), &SerialReceive::receptionStarted, this,
            [this] { setTextSource({}, std::nullopt); });
    connect(&m_terminal.portEvents(), &PortEventHandler::statusShown, Label1, &QLabel::setText);
    connect(&m_closer, &PortExitCloser::finished, this, [this](bool closed) {
        if (closed)
            leave();
    });
}

xForm1::~xForm1()
{
    delete m_progress;
    delete m_ethernet;
}

QAction *xForm1::addEntry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void xForm1::buildMenus()
{
    MFile = menuBar()->addMenu(SerialText::TransferMenu);
    MFile->setObjectName(QStringLiteral("MFile"));
    MSendText = addEntry(MFile, "MSendText", SerialText::SendCommand);
    MSendText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    Bar2 = MFile->addSeparator();
    Bar2->setObjectName(QStringLiteral("Bar2"));
    MReceiveText = addEntry(MFile, "MReceiveText", SerialText::ReceiveCommand);
    MReceiveText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    file = MFile->addSeparator();
    file->setObjectName(QStringLiteral("file"));
    carica = addEntry(MFile, "carica", SerialText::LoadCommand);
    Salva = addEntry(MFile, "Salva", SerialText::SaveCommand);

    MPort = menuBar()->addMenu(SerialText::PortMenu);
    MPort->setObjectName(QStringLiteral("MPort"));
    MSettings = addEntry(MPort, "MSettings", SerialText::SettingsCommand);

    MFileExit = menuBar()->addAction(SerialText::ExitCommand);
    MFileExit->setObjectName(QStringLiteral("MFileExit"));
    hlp = menuBar()->addAction(SerialText::HelpCommand);
    hlp->setObjectName(QStringLiteral("hlp"));

    connect(MSendText, &QAction::triggered, this, [this] { m_terminal.send(text()); });
    connect(MReceiveText, &QAction::triggered, this, [this] { m_terminal.receiver().start(); });
    connect(carica, &QAction::triggered, this, &xForm1::load);
    connect(Salva, &QAction::triggered, this, &xForm1::save);
    connect(MSettings, &QAction::triggered, this, &xForm1::showSettings);
    connect(MFileExit, &QAction::triggered, this, &QWidget::close);
    connect(hlp, &QAction::triggered, this, [this] { m_dialogs.showHelp(SerialText::TerminalHelp); });
}

void xForm1::openFor(const QByteArray &text, HandBack handBack, bool allowLoadSave)
{
    const MachineList list = m_terminal.open(std::move(handBack), allowLoadSave);
    List1->clear();
    for (const MachineListEntry &entry : list.entries) {
        auto *item = new QListWidgetItem(ShownMachineName(entry.name), List1);
        item->setData(Qt::UserRole, entry.recordIndex);
    }
    carica->setEnabled(allowLoadSave);
    Salva->setEnabled(allowLoadSave);
    setText(text);
    show();
    raise();
    activateWindow();
}

QByteArray xForm1::text() const
{
    return term->bytes();
}

void xForm1::setText(const QByteArray &text)
{
    term->setReadOnly(false);
    term->setBytes(text);
    term->setReadOnly(true);
}

void xForm1::setMachineChooser(std::function<void()> chooser)
{
    m_hooks.chooseMachine = std::move(chooser);
    m_terminal.setHooks(m_hooks);
}

void xForm1::setEthernetOpener(std::function<bool(int, const QString &)> opener)
{
    m_hooks.openEthernet = std::move(opener);
    m_terminal.setHooks(m_hooks);
}

void xForm1::setNetworkPortNotifier(std::function<void(const QString &)> notifier)
{
    m_hooks.notifyNetworkPort = std::move(notifier);
    m_terminal.setHooks(m_hooks);
}

void xForm1::setTransferJournal(TransferJournal *journal)
{
    m_journal = journal;
    m_terminal.setTransferJournal(journal);
}

void xForm1::setTextSource(const QString &fileName, std::optional<qint32> archiveProgram)
{
    m_sourceFile = fileName;
    m_sourceProgram = archiveProgram;
    m_terminal.setTextSource(fileName, archiveProgram);
}

void xForm1::chooseMachine()
{
    xForm3 choice(m_machines, m_folder, *m_port, m_terminal.flags(), m_dialogs, this);
    choice.exec();
}

bool xForm1::openEthernet(int direzione, const QString &nomecnc)
{
    // One Ethernet window at a time, on the library that the settings name now.
    delete m_ethernet;
    m_ethernet = new frmeth(std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore())),
                            m_dialogs, this);
    m_ethernet->setAttribute(Qt::WA_DeleteOnClose);
    // A reception names no machine: the caption shows the name given last.
    if (direzione == 0)
        m_lastCncName = nomecnc;
    m_ethernet->nomecnc(m_lastCncName);
    m_ethernet->setTransferJournal(m_journal);
    m_ethernet->setTextSource(m_sourceFile, m_sourceProgram);
    m_ethernet->setHandBack(m_folder.path(QStringLiteral("tmp.txt")), [this](const QByteArray &received) {
        term->setBytes(received);
    });
    m_ethernet->open(direzione, m_machines.currentRecord().settings, term->bytes());
    return true;
}

void xForm1::whenTransferActive(bool active)
{
    // One transfer at a time; the progress dialog ends it.
    for (QAction *action : {MSendText, MReceiveText, MSettings, MFileExit})
        action->setEnabled(!active);
    carica->setEnabled(!active && m_terminal.loadSaveEnabled());
    Salva->setEnabled(!active && m_terminal.loadSaveEnabled());
}

void xForm1::whenProgressChanged(SerialTransfer &transfer)
{
    const bool shown = transfer.progress().shown;
    if (shown && !m_progress) {
        m_progress = new xForm2(transfer, m_machines, m_terminal.flags(), this);
        m_progress->show();
    } else if (!shown && m_progress) {
        // Its own "Termina" may be what ends the transfer.
        m_progress->hide();
        m_progress->deleteLater();
        m_progress.clear();
    }
}

void xForm1::load()
{
    if (const std::optional<QByteArray> bytes = m_terminal.load()) {
        setText(*bytes);
        setTextSource({}, std::nullopt);
    }
}

void xForm1::save()
{
    m_terminal.save(text());
}

void xForm1::showSettings()
{
    if (!m_settings) {
        m_settings = new ConfigScrn(m_machines, m_folder, m_dialogs, this);
        m_settings->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void xForm1::closeEvent(QCloseEvent *event)
{
    if (m_leaving) {
        event->accept();
        return;
    }
    event->ignore();
    if (m_closer.isWaiting())
        return;
    // Closing by the frame ends a transfer and offers to keep received data, like the menu.
    if (SerialTransfer *transfer = m_terminal.activeTransfer())
        transfer->terminate();
    if (!m_terminal.keepReceivedData(text()))
        return;
    if (m_closer.start() == PortExitCloser::Start::Waiting)
        return;
    m_leaving = true;
    emit closedToMainWindow();
    event->accept();
}

void xForm1::leave()
{
    m_leaving = true;
    emit closedToMainWindow();
    close();
}

bool xForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        placeControls();
    return QMainWindow::eventFilter(watched, event);
}

void xForm1::placeControls()
{
    // The text area follows the window: 15 twips under the separator, 100 twips narrower and
    // 1000 twips shorter than the inner area.
    const int width = m_area->width();
    const int height = m_area->height();
    const int labelTop = twips(this, 60);
    const int labelHeight = Label2->sizeHint().height();
    Label2->setGeometry(twips(this, 120), labelTop, Label2->sizeHint().width(), labelHeight);
    Label1->setGeometry(Label2->geometry().right() + twips(this, 60), labelTop,
                        std::max(0, width - Label2->geometry().right() - twips(this, 180)), labelHeight);
    const int lineTop = labelTop + labelHeight + twips(this, 60);
    Line1->setGeometry(0, lineTop, width, 2);
    term->setGeometry(twips(this, 50), lineTop + 2 + twips(this, 15), std::max(0, width - twips(this, 100)),
                      std::max(0, height - twips(this, 1000)));
}
