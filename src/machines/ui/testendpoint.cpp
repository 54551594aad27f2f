#include "testendpoint.h"

#include "commandbutton.h"
#include "linetestjob.h"
#include "machinetext.h"
#include "screenfit.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

testendpoint::testendpoint(LineTestJob &job, QWidget *parent) : QWidget(parent, Qt::Window), m_job(job)
{
    setObjectName(QStringLiteral("testendpoint"));
    setWindowTitle(MachineText::LineTestTitle);
    Label1 = new QLabel(MachineText::LineTestRunning, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    Command1 = commandButton(MachineText::LineTestContinue, "Command1", this);
    Command1->setEnabled(false);
    auto *lists = new QHBoxLayout;
    lists->addWidget(List1, 3);
    lists->addWidget(List2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(560, 320);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void testendpoint::open()
{
    show();
    connect(&m_job, &LineTestJob::finished, this, &testendpoint::showReport);
    m_job.start();
}

void testendpoint::showReport(const LineTestReport &report)
{
    if (m_closed)
        return;
    for (const MachineListEntry &entry : report.list.entries)
        List2->addItem(ShownMachineName(entry.name));
    List1->addItems(report.lines);
    fitLongestLines();
    Label1->setText(MachineText::LineTestDone);
    if (report.failed)
        Command1->setEnabled(true);
    else
        Timer1.start(CloseAfterMs);
}

void testendpoint::fitLongestLines()
{
    // Machine names are read whole: each list as wide as its longest line, the window wider if
    // need be (and still on the screen).
    for (QListWidget *list : {List1, List2}) {
        const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar);
    }
    layout()->activate();
    ScreenFit::fit(this);
}

void testendpoint::closeEvent(QCloseEvent *event)
{
    Timer1.stop();
    QWidget::closeEvent(event);
    if (!m_closed) {
        m_closed = true;
        emit closed();
    }
}
