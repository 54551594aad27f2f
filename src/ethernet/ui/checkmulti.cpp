#include "checkmulti.h"

#include "ethernettext.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

checkmulti::checkmulti(const MultiProgramCheck &check, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("checkmulti"));
    setWindowTitle(EthernetText::MultiProgramCaption);
    auto *frame = new QGroupBox(EthernetText::MemoryFrame, this);
    frame->setObjectName(QStringLiteral("Frame3"));
    MSFlexGrid1 = new QTableWidget(0, 3, frame);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setHorizontalHeaderLabels(
        {EthernetText::ProgramColumn, EthernetText::NewNumberColumn, EthernetText::CommentColumn});
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->setColumnWidth(2, 233); // 3500 twips
    (new QVBoxLayout(frame))->addWidget(MSFlexGrid1);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    Command2 = new QPushButton(EthernetText::ContinueButton, this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(EthernetText::StopButton, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    for (QPushButton *button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->hide();
        button->setEnabled(false);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    resize(520, 420);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, [this] { finish(false); });
    // Shut by its close box or Escape: no choice made, nothing is sent.
    connect(this, &QDialog::finished, &Timer1, &QTimer::stop);
    connect(Command1, &QPushButton::clicked, this, [this] { finish(true); });
    // The user has seen what is wrong and chooses to send all the same.
    connect(Command2, &QPushButton::clicked, this, [this] { finish(false); });

    fill(check);
    offerChoice(check);
}

void checkmulti::fill(const MultiProgramCheck &check)
{
    MSFlexGrid1->setRowCount(int(check.programs.size()));
    for (int row = 0; row < int(check.programs.size()); ++row) {
        const RenumberedProgram &program = check.programs.at(size_t(row));
        auto *state = new QTableWidgetItem(program.onCnc ? EthernetText::TakenOnCnc : EthernetText::NumberFree);
        state->setForeground(program.onCnc ? QColor(255, 0, 0) : QColor(0, 0, 255));
        MSFlexGrid1->setItem(row, 0, new QTableWidgetItem(program.oldNumber));
        MSFlexGrid1->setItem(row, 1, new QTableWidgetItem(program.newNumber));
        MSFlexGrid1->setItem(row, 2, state);
    }
    List1->addItems(check.problems);
}

void checkmulti::offerChoice(const MultiProgramCheck &check)
{
    if (check.clean()) {
        Timer1.start(CloseAfterMs);
        return;
    }
    Command1->show();
    Command1->setEnabled(true);
    if (!check.blocking) {
        Command2->show();
        Command2->setEnabled(true);
    }
}

void checkmulti::finish(bool stop)
{
    m_noninviare = stop;
    done(stop ? QDialog::Rejected : QDialog::Accepted);
}
