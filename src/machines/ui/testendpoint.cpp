#include "testendpoint.h"

#include "commandbutton.h"
#include "machinetext.h"
#include "screenfit.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QThread>

testendpoint::testendpoint(MachineState &machines, ProgramFolder folder, CRegistry registry, Pinger &pinger,
                           PortProbe &probe, QWidget *parent)
    : QWidget(parent, Qt::Window), m_machines(machines), m_folder(std::move(folder)), m_registry(std::move(registry)),
      m_pinger(pinger), m_probe(probe)
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

testendpoint::~testendpoint()
{
    // A test under way ends within its time-outs; it only touches its own copies.
    if (m_test)
        m_test->wait();
}

void testendpoint::open()
{
    show();
    // The test works on a copy, so that nothing else sees the tables half filled.
    auto tested = std::make_shared<MachineState>(m_machines);
    auto report = std::make_shared<LineTestReport>();
    m_test = QThread::create([this, tested, report] {
        *report = runLineTest(*tested, m_folder, m_registry, m_pinger, m_probe);
    });
    connect(m_test, &QThread::finished, this, [this, tested, report] { showReport(*report, *tested); });
    m_test->start();
}

void testendpoint::showReport(const LineTestReport &report, const MachineState &tested)
{
    m_test->deleteLater();
    m_test = nullptr;
    // The machine table is read again by every window that lists machines; only the network
    // serial ports are this test's to hand on.
    m_machines.netPorts = tested.netPorts;
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
