#include "frmwinsock.h"

#include "commandbutton.h"
#include "dialogs.h"
#include "ethernettext.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QPushButton>

Frmwinsock::Frmwinsock(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs),
      m_link(RemoteIoLink::configuredPort(), RemoteIoLink::configuredTiming())
{
    setObjectName(QStringLiteral("Frmwinsock"));
    setWindowTitle(EthernetText::RemoteWaitCaption);
    Command1 = commandButton(EthernetText::ForceButton, "Command1", this);
    (new QVBoxLayout(this))->addWidget(Command1);
    resize(320, 90);
    connect(Command1, &QPushButton::clicked, &m_link, &RemoteIoLink::force);
    connect(&m_link, &RemoteIoLink::finished, this, [this](bool, const QString &message) {
        if (!message.isEmpty())
            m_dialogs.message(message, {}, Dialogs::Icon::Exclamation);
        close();
    });
}

void Frmwinsock::notifyAfterSend(const QString &address)
{
    show();
    m_link.notifyAfterSend(address);
}

void Frmwinsock::closeEvent(QCloseEvent *event)
{
    m_link.stop();
    QWidget::closeEvent(event);
}
