#include "frmmdi.h"

#include "frmsplash.h"
#include "messages.h"

#include <QMdiArea>
#include <QMenuBar>

frmMDI::frmMDI(Session &session, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(ShellText::MainCaption);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(0x1f, 0x4e, 0x79));
    setCentralWidget(m_mdiArea);
    resize(900, 640);

    QMenuBar *bar = menuBar();
    // Commands whose windows are not part of this build yet stay visibly disabled.
    addCommand(bar, "Apri", QStringLiteral("&Ricerca programmi C.N."))->setEnabled(false);
    addCommand(bar, "listacicli", QStringLiteral("&Stampa lista cicli"))->setEnabled(false);

    QMenu *parameters = bar->addMenu(QStringLiteral("&Parametri"));
    parameters->setObjectName(QStringLiteral("cfcomm"));
    addCommand(parameters, "prcomm", QStringLiteral("Parametri di &comunicazione"))->setEnabled(false);
    addCommand(parameters, "altchrzz", QStringLiteral("&Altezza carattere di stampa"))->setEnabled(false);

    connect(addCommand(bar, "ENDLAV", QStringLiteral("&Fine")), &QAction::triggered, this, &frmMDI::endRequested);
    connect(addCommand(bar, "Crediti", QStringLiteral("&Crediti")), &QAction::triggered, this, &frmMDI::showCredits);

    QMenu *tools = bar->addMenu(QStringLiteral("&Utilità"));
    tools->setObjectName(QStringLiteral("Utilita"));
    addCommand(tools, "reorga", QStringLiteral("Ri&organizza database"))->setEnabled(false);
    addCommand(tools, "inviaric", QStringLiteral("&Invia/ricevi dati al C.N. "))->setEnabled(false);
    tools->addSeparator();
    addCommand(tools, "passwor", QStringLiteral("Gestione password"))->setEnabled(false);
}

QAction *frmMDI::addCommand(QMenuBar *bar, const char *name, const QString &caption)
{
    QAction *action = bar->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *frmMDI::addCommand(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void frmMDI::showCredits()
{
    auto *credits = new frmSplash(frmSplash::Mode::Credits, this);
    credits->setAttribute(Qt::WA_DeleteOnClose);
    credits->show();
}
