#include "fakeserialport.h"
#include "porteventhandler.h"
#include "scripteddialogs.h"

#include <QSignalSpy>
#include <QTest>

class PortEventHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void statusLine_data();
    void statusLine();
    void errorPrompt_data();
    void errorPrompt();
    void oneErrorPromptAtATime();
};

void PortEventHandlerTest::statusLine_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("status");
    QTest::newRow("CTS") << int(SerialPort::EvCts) << QStringLiteral("Rilevata modifica in CTS");
    QTest::newRow("DSR") << int(SerialPort::EvDsr) << QStringLiteral("Rilevata modifica in DSR");
    QTest::newRow("CD") << int(SerialPort::EvCd) << QStringLiteral("Rilevata modifica CD");
    QTest::newRow("ring") << int(SerialPort::EvRing) << QStringLiteral("Il telefono sta suonando");
    QTest::newRow("end of file") << int(SerialPort::EvEof) << QStringLiteral("Rilevata fine del file");
    QTest::newRow("break") << int(SerialPort::EventBreak) << QStringLiteral("Ricevuto segnale di interruzione");
    QTest::newRow("framing") << int(SerialPort::EventFrame) << QStringLiteral("Errore di frame");
    QTest::newRow("parity") << int(SerialPort::EventRxParity) << QStringLiteral("Errore di parità");
    QTest::newRow("data received") << int(SerialPort::EvReceive) << QString();
    QTest::newRow("CD time-out") << int(SerialPort::EventCdTimeout) << QString();
    QTest::newRow("transmit buffer full") << int(SerialPort::EventTxFull) << QString();
    QTest::newRow("unknown") << 4711 << QString();
}

void PortEventHandlerTest::statusLine()
{
    QFETCH(int, code);
    QFETCH(QString, status);
    FakeSerialPort port;
    port.setPortOpen(true);
    port.receive("X");
    ScriptedDialogs dialogs;
    PortEventHandler handler(port, dialogs);
    QSignalSpy shown(&handler, &PortEventHandler::statusShown);
    port.raiseEvent(qint16(code));
    QCOMPARE(shown.size(), status.isEmpty() ? 0 : 1);
    if (!status.isEmpty())
        QCOMPARE(shown.first().first().toString(), status);
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(port.portOpen());
    // Arrivals are left to the transfer that collects them.
    QCOMPARE(port.inBufferCount(), 1);
}

void PortEventHandlerTest::errorPrompt_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    QTest::addColumn<Dialogs::Button>("answer");
    QTest::newRow("CTS time-out, OK") << int(SerialPort::EventCtsTimeout) << QStringLiteral("Timeout CTS")
                                      << Dialogs::Button::Ok;
    QTest::newRow("DSR time-out, Cancel") << int(SerialPort::EventDsrTimeout) << QStringLiteral("Timeout DSR")
                                          << Dialogs::Button::Cancel;
    QTest::newRow("overrun, OK") << int(SerialPort::EventOverrun) << QStringLiteral("Errore di overrun")
                                 << Dialogs::Button::Ok;
    QTest::newRow("overrun, Cancel") << int(SerialPort::EventOverrun) << QStringLiteral("Errore di overrun")
                                     << Dialogs::Button::Cancel;
    QTest::newRow("receive overflow, Cancel") << int(SerialPort::EventRxOver)
                                              << QStringLiteral("Overflow del buffer di ricezione")
                                              << Dialogs::Button::Cancel;
}

void PortEventHandlerTest::errorPrompt()
{
    QFETCH(int, code);
    QFETCH(QString, error);
    QFETCH(Dialogs::Button, answer);
    FakeSerialPort port;
    port.setPortOpen(true);
    ScriptedDialogs dialogs;
    dialogs.questionAnswers.enqueue(answer);
    PortEventHandler handler(port, dialogs);
    QSignalSpy shown(&handler, &PortEventHandler::statusShown);
    port.raiseEvent(qint16(code));
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown.at(0).kind, ScriptedDialogs::Kind::Beep);
    const ScriptedDialogs::Shown &question = dialogs.shown.at(1);
    QCOMPARE(question.kind, ScriptedDialogs::Kind::Question);
    QCOMPARE(question.text, error);
    QCOMPARE(question.title, QStringLiteral("Scegliere Annulla per terminare, OK per ignorare."));
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(port.portOpen(), answer == Dialogs::Button::Ok);
    QVERIFY(shown.isEmpty());
}

void PortEventHandlerTest::oneErrorPromptAtATime()
{
    FakeSerialPort port;
    port.setPortOpen(true);
    ScriptedDialogs dialogs;
    dialogs.questionAnswers << Dialogs::Button::Ok << Dialogs::Button::Ok;
    PortEventHandler handler(port, dialogs);
    // The line reports again while the first prompt is up.
    int reports = 0;
    dialogs.onShown = [&](const ScriptedDialogs::Shown &shown) {
        if (shown.kind == ScriptedDialogs::Kind::Question && reports++ == 0)
            port.raiseEvent(SerialPort::EventOverrun);
    };
    port.raiseEvent(SerialPort::EventOverrun);
    QCOMPARE(dialogs.texts().count(QStringLiteral("Errore di overrun")), 1);
    port.raiseEvent(SerialPort::EventOverrun);
    QCOMPARE(dialogs.texts().count(QStringLiteral("Errore di overrun")), 2);
}

QTEST_GUILESS_MAIN(PortEventHandlerTest)
#include "tst_porteventhandler.moc"
