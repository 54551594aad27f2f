#include "frmmdi.h"

#include "configscrn.h"
#include "dialogs.h"
#include "form1.h"
#include "frmlogin.h"
#include "frmnotepad.h"
#include "frmregistro.h"
#include "frmsplash.h"
#include "programtextarea.h"
#include "shelltext.h"
#include "picturebutton.h"
#include "reorganisation.h"
#include "session.h"
#include "toolbarpictures.h"
#include "transferlogtext.h"
#include "windowreturn.h"
#include "xform1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

frmMDI::frmMDI(Session &session, Dialogs &dialogs, EditorWorkspace::ProgramChooser chooser, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(ShellText::MainCaption);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(0x1f, 0x4e, 0x79));
    setCentralWidget(m_mdiArea);
    resize(900, 640);

    m_workspace = std::make_unique<EditorWorkspace>(
        *m_mdiArea,
        EditorContext{*session.archive, session.folder, session.accessPassword, session.settings, dialogs,
                      session.editor},
        chooser ? std::move(chooser) : [this] { return chooseInBrowser(); });
    connect(m_workspace.get(), &EditorWorkspace::programOpened, this, [this] { setEditButtonsShown(true); });
    connect(m_workspace.get(), &EditorWorkspace::lastEditorClosed, this, [this] {
        setEditButtonsShown(false);
        showMenusOf(nullptr);
    });
    connect(m_workspace.get(), &EditorWorkspace::exitRequested, this, &QWidget::close);
    connect(m_workspace.get(), &EditorWorkspace::terminalRequested, this, &frmMDI::openTerminal);
    connect(m_workspace.get(), &EditorWorkspace::sendReceiveRequested, this, [this] { openTerminal(nullptr); });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::showMenusOf);

    // A log that cannot be written is told once, and the transfers go on.
    m_session.transfers.setNotice(
        [&dialogs](const QString &text) { dialogs.message(text, {}, Dialogs::Icon::Exclamation); });

    buildMenus();
    buildToolbar();
    showMenusOf(nullptr);
}

frmMDI::~frmMDI()
{
    // Closing the children while the frame goes away must not swap menus on a half-destroyed frame.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QMenu *frmMDI::addTopMenu(const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(QString::fromLatin1(name));
    m_menuActions.append(menu->menuAction());
    return menu;
}

QAction *frmMDI::addTopCommand(const char *name, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    m_menuActions.append(action);
    return action;
}

QAction *frmMDI::addCommand(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void frmMDI::buildMenus()
{
    // Commands whose windows are not part of this build yet stay visibly disabled.
    connect(addTopCommand("Apri", tr("&Ricerca programmi C.N.")), &QAction::triggered, this,
            &frmMDI::openFromMenu);
    connect(addTopCommand("listacicli", tr("&Stampa lista cicli")), &QAction::triggered,
            m_workspace.get(), &EditorWorkspace::showListPrinting);

    QMenu *parameters = addTopMenu("cfcomm", tr("&Parametri"));
    connect(addCommand(parameters, "prcomm", tr("Parametri di &comunicazione")), &QAction::triggered,
            this, &frmMDI::showCommunicationSettings);
    connect(addCommand(parameters, "altchrzz", tr("&Altezza carattere di stampa")), &QAction::triggered,
            m_workspace.get(), &EditorWorkspace::askPrintCharSize);

    connect(addTopCommand("ENDLAV", tr("&Fine")), &QAction::triggered, this, [this] { emit endRequested(0); });
    connect(addTopCommand("Crediti", tr("&Crediti")), &QAction::triggered, this, &frmMDI::showCredits);

    QMenu *tools = addTopMenu("Utilita", tr("&Utilità"));
    m_reorganise = addCommand(tools, "reorga", tr("Ri&organizza database"));
    connect(m_reorganise, &QAction::triggered, this, &frmMDI::reorganise);
    connect(addCommand(tools, "inviaric", tr("&Invia/ricevi dati al C.N. ")), &QAction::triggered, this,
            [this] { openTerminal(nullptr); });
    connect(addCommand(tools, "registro", TransferLogText::MenuCommand), &QAction::triggered, this,
            &frmMDI::showTransferLog);
    tools->addSeparator();
    connect(addCommand(tools, "passwor", tr("Gestione password")), &QAction::triggered, this,
            &frmMDI::changePassword);
}

void frmMDI::buildToolbar()
{
    auto *toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("picToolbar"));
    toolbar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, toolbar);

    struct Button {
        const char *name;
        ToolbarPicture picture;
        std::function<void()> command;
    };
    const Button buttons[] = {
        {"imgFileNewButton", ToolbarPicture::NewDocument, [this] { openFromToolbar(); }},
        {"imgCutButton", ToolbarPicture::Cut,
         [this] { if (frmNotePad *editor = m_workspace->activeEditor()) editor->cutToClipboard(); }},
        {"imgCopyButton", ToolbarPicture::Copy,
         [this] { if (frmNotePad *editor = m_workspace->activeEditor()) editor->copyToClipboard(); }},
        {"imgPasteButton", ToolbarPicture::Paste,
         [this] { if (frmNotePad *editor = m_workspace->activeEditor()) editor->pasteFromClipboard(); }},
    };
    for (const Button &entry : buttons) {
        const QString name = QString::fromLatin1(entry.name);
        const QPixmap released = toolbarPicture(entry.picture, false);
        const QPixmap pressed = toolbarPicture(entry.picture, true);
        // The hidden holders of the two pictures.
        for (const auto &[suffix, pixmap] : {std::pair{QStringLiteral("Up"), released},
                                             std::pair{QStringLiteral("Dn"), pressed}}) {
            auto *holder = new QLabel(this);
            holder->setObjectName(name + suffix);
            holder->setPixmap(pixmap);
            holder->hide();
        }
        auto *button = new PictureButton(released, pressed, toolbar);
        button->setObjectName(name);
        QAction *place = toolbar->addWidget(button);
        connect(button, &PictureButton::clicked, this, entry.command);
        if (entry.picture != ToolbarPicture::NewDocument)
            m_editButtons.append(place);
    }
    setEditButtonsShown(false);
}

void frmMDI::setEditButtonsShown(bool shown)
{
    // A tool bar shows and hides its widgets through the actions that place them.
    for (QAction *place : std::as_const(m_editButtons)) {
        place->setVisible(shown);
        place->setEnabled(shown);
    }
}

void frmMDI::showMenusOf(QMdiSubWindow *active)
{
    // The active editor window's menu bar takes the place of the main window's. The area also
    // reports no active window when the frame merely loses the focus: while an editor is open,
    // its menus stay.
    auto *editor = active ? qobject_cast<frmNotePad *>(active->widget()) : nullptr;
    if (!editor && m_session.editor.windows.anyEditorOpen())
        return;
    const QList<QAction *> &wanted = editor ? editor->menuActions() : m_menuActions;
    if (menuBar()->actions() == wanted)
        return;
    menuBar()->clear();
    menuBar()->addActions(wanted);
}

void frmMDI::openFromMenu()
{
    m_session.editor.windows.reset();
    m_workspace->openArchivedProgram();
    m_reorganise->setEnabled(false);
}

void frmMDI::openFromToolbar()
{
    m_workspace->openArchivedProgram();
}

std::optional<ArchiveRecord> frmMDI::chooseInBrowser()
{
    if (!m_browser) {
        // One browser for the run: it keeps its lists between openings.
        // The edit buttons appear when the chosen program opens (EditorWorkspace::programOpened).
        m_browser = new Form1(*m_session.archive, m_session.folder, m_dialogs, m_session.archiveChoice, this);
        m_browser->setTransferJournal(&m_session.transfers);
    }
    m_session.archiveChoice.programChosen = false;
    m_browser->exec();
    if (!m_session.archiveChoice.programChosen)
        return std::nullopt;
    return m_session.archiveChoice.chosenRecord;
}

void frmMDI::showCommunicationSettings()
{
    // A window still open keeps its changes; a new opening reads the machine file again.
    if (!m_settingsWindow || !m_settingsWindow->isVisible()) {
        delete m_settingsWindow;
        m_settingsWindow = new ConfigScrn(m_session.machines, m_session.folder, m_dialogs, this);
        m_settingsWindow->setWindowFlag(Qt::Window);
    }
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void frmMDI::showTransferLog()
{
    if (!m_session.transferLog)
        return;
    frmRegistro window(*m_session.transferLog, m_dialogs, m_session.folder.root(), this);
    window.exec();
}

void frmMDI::reorganise()
{
    // revisions/keep: how many revisions of each program the reorganisation keeps; 0 or none, all.
    const int keep = m_session.settings.value(QStringLiteral("revisions"), QStringLiteral("keep"), 0).toInt();
    // The log lives on the archive that the reorganisation closes.
    m_session.transfers.setLog(nullptr);
    m_session.transferLog.reset();
    const ReorganisationResult result =
        reorganiseArchive(m_session.archive, m_session.folder, m_session.archiveUsers, keep);
    m_dialogs.message(result.message());
    const bool done = result.stage == ReorganisationResult::Stage::Done
        || result.stage == ReorganisationResult::Stage::ServerMaintained;
    emit endRequested(done ? 0 : 1);
}

void frmMDI::openTerminal(frmNotePad *source)
{
    auto *terminal = new xForm1(m_session.machines, m_session.folder, m_dialogs);
    terminal->setTransferJournal(&m_session.transfers);
    // Shown again before the terminal is gone, so the program never runs without a window.
    connect(terminal, &xForm1::closedToMainWindow, this,
            [this, placement = saveGeometry()] { showWhereItWas(*this, placement); });
    hide();
    if (!source) {
        terminal->openFromMainWindow();
        return;
    }
    // Received text goes back into the editor window that opened the terminal, if it is still open.
    const qint32 program = m_session.editor.windows.program(source->slot());
    terminal->setTextSource(ProgramFolder::programFileName(program), program);
    QPointer<frmNotePad> target = source;
    terminal->openFor(source->textArea()->bytes(), [target](const QByteArray &received) {
        if (target)
            target->textArea()->setBytes(received);
    }, false);
}

void frmMDI::showCredits()
{
    auto *credits = new frmSplash(frmSplash::Mode::Credits, this);
    credits->setAttribute(Qt::WA_DeleteOnClose);
    credits->show();
}

void frmMDI::changePassword()
{
    frmLogin login(m_session.accessPassword, m_session.settings, m_dialogs, this);
    login.exec();
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    // Every editor window asks its own question; one that stays open keeps the frame open.
    m_mdiArea->closeAllSubWindows();
    for (QMdiSubWindow *sub : m_mdiArea->subWindowList()) {
        if (sub->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
