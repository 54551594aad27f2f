#pragma once

#include "cregistry.h"
#include "linetest.h"
#include "machinestate.h"
#include "programfolder.h"

#include <QTimer>
#include <QWidget>

class Pinger;
class PortProbe;
class QLabel;
class QListWidget;
class QPushButton;
class QThread;

// The line test at start-up: every line checked once while the window stays painted, the result
// lines, then it closes by itself after two seconds, or waits for "Continua" when a line did not
// answer.
class testendpoint : public QWidget {
    Q_OBJECT
public:
    static constexpr int CloseAfterMs = 2000;

    testendpoint(MachineState &machines, ProgramFolder folder, CRegistry registry, Pinger &pinger, PortProbe &probe,
                 QWidget *parent = nullptr);
    ~testendpoint() override;

    // Shows the window and starts the test.
    void open();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showReport(const LineTestReport &report, const MachineState &tested);
    void fitLongestLines();

    MachineState &m_machines;
    ProgramFolder m_folder;
    CRegistry m_registry;
    Pinger &m_pinger;
    PortProbe &m_probe;
    QThread *m_test = nullptr;
    bool m_closed = false;
    QTimer Timer1;
    QLabel *Label1;
    QListWidget *List1;
    QListWidget *List2;
    QPushButton *Command1;
};
