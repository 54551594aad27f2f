#include "xform3.h"

#include "machinetext.h"
#include "transferflags.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

xForm3::xForm3(MachineState &machines, const ProgramFolder &folder, SerialPort &port, TransferFlags &flags,
               Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_choice(machines, folder, port, flags, dialogs), m_flags(flags),
      List1(new QListWidget(this)), Command1(new QPushButton(MachineText::ChoiceOk, this)),
      Command2(new QPushButton(MachineText::ChoiceCancel, this))
{
    setObjectName(QStringLiteral("xForm3"));
    setWindowTitle(MachineText::ChoiceTitle);
    setModal(true);
    List1->setObjectName(QStringLiteral("List1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setDefault(true);

    QPalette palette = List1->palette();
    palette.setColor(QPalette::Text, QColor(0, 128, 0));
    List1->setPalette(palette);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    resize(260, 300);

    const MachineList list = m_choice.open();
    for (const MachineListEntry &entry : list.entries) {
        auto *item = new QListWidgetItem(ShownMachineName(entry.name), List1);
        item->setData(Qt::UserRole, entry.recordIndex);
    }
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = List1->selectedItems();
        if (!selected.isEmpty())
            m_choice.select(List1->row(selected.first()));
    });
    if (list.selection >= 0)
        List1->setCurrentRow(list.selection);

    connect(Command1, &QPushButton::clicked, this, &xForm3::confirm);
    connect(Command2, &QPushButton::clicked, this, &xForm3::reject);
}

void xForm3::confirm()
{
    m_choice.confirm();
    if (m_flags.transferCancelled)
        QDialog::reject();
    else
        accept();
}

void xForm3::reject()
{
    m_choice.cancel();
    QDialog::reject();
}
