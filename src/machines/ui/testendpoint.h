#pragma once

#include "linetest.h"

#include <QTimer>
#include <QWidget>

class LineTestJob;
class QLabel;
class QListWidget;
class QPushButton;

// The line test at start-up: every line checked once while the window stays painted, the result
// lines, then it closes by itself after two seconds, or waits for "Continua" when a line did not
// answer. The test itself is the job's, which outlives the window.
class testendpoint : public QWidget {
    Q_OBJECT
public:
    static constexpr int CloseAfterMs = 2000;

    explicit testendpoint(LineTestJob &job, QWidget *parent = nullptr);

    // Shows the window and starts the test.
    void open();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showReport(const LineTestReport &report);
    void fitLongestLines();

    LineTestJob &m_job;
    bool m_closed = false;
    QTimer Timer1;
    QLabel *Label1;
    QListWidget *List1;
    QListWidget *List2;
    QPushButton *Command1;
};
