#include "fakeserialport.h"
#include "scripteddialogs.h"
#include "seriallink.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct Fixture {
    Fixture()
    {
        closer.setClock([this] { return now; });
        closer.setPollInterval(std::chrono::milliseconds(1));
        port.drains = false;
        port.setPortOpen(true);
        port.calls.clear();
    }
    qint64 now = 1000;
    FakeSerialPort port;
    ScriptedDialogs dialogs;
    PortExitCloser closer{port, dialogs};
    QSignalSpy finished{&closer, &PortExitCloser::finished};
};

} // namespace

class PortExitCloserTest : public QObject {
    Q_OBJECT
private slots:
    void nothingToWaitFor();
    void queueDrainingClosesWithoutAsking();
    void askedOnlyAfterTenSeconds();
    void answers_data();
    void answers();
};

void PortExitCloserTest::nothingToWaitFor()
{
    Fixture f;
    QCOMPARE(f.closer.start(), PortExitCloser::Start::Closed);
    QVERIFY(!f.port.portOpen());
    QCOMPARE(f.port.calls, QStringList{"PortOpen=false"});

    QCOMPARE(f.closer.start(), PortExitCloser::Start::Closed);
    QCOMPARE(f.port.calls, QStringList{"PortOpen=false"});
    QVERIFY(f.finished.isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void PortExitCloserTest::queueDrainingClosesWithoutAsking()
{
    Fixture f;
    f.port.output(QByteArray(50, 'X'));
    QCOMPARE(f.closer.start(), PortExitCloser::Start::Waiting);
    QVERIFY(f.port.portOpen());
    f.now += 9000;
    f.port.drainNow();
    QTRY_COMPARE(f.finished.size(), 1);
    QCOMPARE(f.finished.first().first().toBool(), true);
    QVERIFY(!f.port.portOpen());
    QCOMPARE(f.port.sent, QByteArray(50, 'X'));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void PortExitCloserTest::askedOnlyAfterTenSeconds()
{
    Fixture f;
    f.port.output(QByteArray(50, 'X'));
    f.closer.start();
    f.now += 9999;
    // Many polls go by just before the deadline without a question.
    const int reads = f.port.outBufferCountReads;
    QTRY_VERIFY(f.port.outBufferCountReads > reads + 20);
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(f.closer.isWaiting());
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Abort);
    f.now += 1;
    QTRY_COMPARE(f.dialogs.shown.size(), 1);
    const ScriptedDialogs::Shown &question = f.dialogs.shown.first();
    QCOMPARE(question.kind, ScriptedDialogs::Kind::Question);
    QCOMPARE(question.text, QStringLiteral("Data cannot be sent"));
    QCOMPARE(question.title, QString());
    QCOMPARE(question.buttons, Dialogs::Buttons::AbortRetryIgnore);
    QCOMPARE(question.icon, Dialogs::Icon::Question);
}

void PortExitCloserTest::answers_data()
{
    QTest::addColumn<QList<Dialogs::Button>>("answers");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Abort keeps the port open") << QList<Dialogs::Button>{Dialogs::Button::Abort} << false;
    QTest::newRow("Ignore closes") << QList<Dialogs::Button>{Dialogs::Button::Ignore} << true;
    QTest::newRow("Retry waits again, then Abort")
        << QList<Dialogs::Button>{Dialogs::Button::Retry, Dialogs::Button::Abort} << false;
    QTest::newRow("Retry twice, then Ignore")
        << QList<Dialogs::Button>{Dialogs::Button::Retry, Dialogs::Button::Retry, Dialogs::Button::Ignore} << true;
}

void PortExitCloserTest::answers()
{
    QFETCH(QList<Dialogs::Button>, answers);
    QFETCH(bool, closed);
    Fixture f;
    f.port.output(QByteArray(50, 'X'));
    QCOMPARE(f.closer.start(), PortExitCloser::Start::Waiting);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        f.dialogs.questionAnswers.enqueue(answers.at(i));
        f.now += 10000;
        QTRY_COMPARE(f.dialogs.shown.size(), i + 1);
        if (answers.at(i) == Dialogs::Button::Retry) {
            // A fresh deadline: nothing more is asked until ten more seconds have passed.
            QVERIFY(f.closer.isWaiting());
            QVERIFY(f.finished.isEmpty());
        }
    }
    QTRY_COMPARE(f.finished.size(), 1);
    QCOMPARE(f.finished.first().first().toBool(), closed);
    QCOMPARE(f.port.portOpen(), !closed);
    QCOMPARE(f.port.outBufferCount(), closed ? 0 : 50);
    QVERIFY(!f.closer.isWaiting());
    QCOMPARE(f.dialogs.unexpected, 0);
    QVERIFY(f.port.sent.isEmpty());
}

QTEST_GUILESS_MAIN(PortExitCloserTest)
#include "tst_portexitcloser.moc"
