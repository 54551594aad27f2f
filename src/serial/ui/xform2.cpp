#include "xform2.h"

#include "machinestate.h"
#include "serialtext.h"
#include "serialtransfer.h"
#include "transferflags.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

xForm2::xForm2(SerialTransfer &transfer, const MachineState &machines, const TransferFlags &flags, QWidget *parent)
    : QDialog(parent), m_transfer(transfer), m_machines(machines), m_flags(flags), Label1(new QLabel(this)),
      Label2(new QLabel(QStringLiteral("0"), this)), ProgressBar1(new QProgressBar(this)),
      Command1(new QPushButton(SerialText::Terminate, this)), Command2(new QPushButton(SerialText::Continue, this))
{
    setObjectName(QStringLiteral("xForm2"));
    setModal(false);
    // In front of every window while the transfer runs, without moving.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    ProgressBar1->setTextVisible(false);
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    resize(360, 150);

    connect(Command1, &QPushButton::clicked, this, [this] { m_transfer.terminate(); });
    connect(Command2, &QPushButton::clicked, this, [this] { m_transfer.continueWithoutConsent(); });
    connect(&m_transfer, &SerialTransfer::progressChanged, this, &xForm2::showProgress);
    showProgress();
}

void xForm2::reject()
{
}

void xForm2::showEvent(QShowEvent *event)
{
    setWindowTitle(SerialText::ProgressTitle.arg(m_machines.currentMachine).arg(m_machines.currentRecord().comPort));
    QDialog::showEvent(event);
}

void xForm2::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && !m_flags.transferCancelled)
        raise();
}

void xForm2::showProgress()
{
    const TransferProgress &progress = m_transfer.progress();
    Label1->setText(progress.message);
    Label2->setText(progress.count);
    ProgressBar1->setVisible(progress.barVisible);
    ProgressBar1->setMaximum(std::max(progress.barMaximum, 1));
    ProgressBar1->setValue(std::min(progress.barValue, ProgressBar1->maximum()));
    Command2->setVisible(progress.continueShown);
    Command2->setEnabled(progress.continueShown);
}
