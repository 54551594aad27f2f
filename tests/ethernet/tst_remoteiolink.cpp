#include "frmwinsock.h"
#include "remoteiolink.h"
#include "scripteddialogs.h"
#include "settingsstore.h"

#include <QPointer>

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>

namespace {

// A remote I/O device on 127.0.0.1: it takes the frames as they come and answers each one as
// the test says (nothing for an empty answer).
class FakeDevice : public QObject {
public:
    std::function<QByteArray(const QByteArray &frame, int index)> answer;
    QList<QByteArray> frames;

    FakeDevice()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_client = m_server.nextPendingConnection();
            connect(m_client, &QTcpSocket::readyRead, this, &FakeDevice::take);
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    void take()
    {
        m_buffer += m_client->readAll();
        for (;;) {
            // The first byte tells the frame: after-send 10 bytes, output 7, input poll 5.
            const int size = m_buffer.isEmpty() ? 0 : m_buffer.at(0) == 6 ? 10 : m_buffer.at(0) == 2 ? 7 : 5;
            if (size == 0 || m_buffer.size() < size)
                return;
            const QByteArray frame = m_buffer.left(size);
            m_buffer.remove(0, size);
            frames.append(frame);
            const QByteArray reply = answer ? answer(frame, int(frames.size() - 1)) : QByteArray();
            // Answers may come in pieces; the link must count across them.
            for (char byte : reply) {
                m_client->write(&byte, 1);
                m_client->flush();
            }
        }
    }

    QTcpServer m_server;
    QTcpSocket *m_client = nullptr;
    QByteArray m_buffer;
};

// Bounds short enough for a quick test, long enough for a busy machine.
const RemoteIoLink::Timing Quick{2000, 2000, 50};

} // namespace

class RemoteIoLinkTest : public QObject {
    Q_OBJECT
private slots:
    void afterSend_data();
    void afterSend();
    void outputSequence_data();
    void outputSequence();
    void windowTellsASilentDevice();
};

void RemoteIoLinkTest::afterSend_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("reply");
    QTest::addColumn<QString>("message"); // the start of it
    QTest::newRow("five bytes: the third is the reply") << QByteArray("\x09\x08\x2a\x07\x06", 5) << true << true << 42
                                                         << QString();
    QTest::newRow("a reply of 0") << QByteArray("\x01\x01\x00", 3) << true << true << 0 << QString();
    QTest::newRow("two bytes only: no reply") << QByteArray("\x01\x01", 2) << true << false << 999
                                              << QStringLiteral("Il dispositivo di rete 127.0.0.1 non ha risposto");
    QTest::newRow("silent device") << QByteArray() << true << false << 999
                                   << QStringLiteral("Il dispositivo di rete 127.0.0.1 non ha risposto");
    QTest::newRow("nothing listening") << QByteArray() << false << false << 999
                                       << QStringLiteral("Collegamento con il dispositivo di rete 127.0.0.1 non riuscito: ");
}

void RemoteIoLinkTest::afterSend()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, listening);
    auto device = std::make_unique<FakeDevice>();
    const quint16 port = device->port();
    device->answer = [answer](const QByteArray &, int) { return answer; };
    if (!listening)
        device.reset();
    RemoteIoLink link(port, Quick);
    QSignalSpy finished(&link, &RemoteIoLink::finished);
    link.notifyAfterSend(QStringLiteral("\t127.0.0.1 "));
    QVERIFY(finished.wait(5000));
    QTEST(finished.at(0).at(0).toBool(), "ok");
    QFETCH(QString, message);
    const QString said = finished.at(0).at(1).toString();
    QVERIFY2(message.isEmpty() ? said.isEmpty() : said.startsWith(message), qPrintable(said));
    QTEST(link.reply(), "reply");
    if (device)
        QCOMPARE(device->frames, QList<QByteArray>{RemoteIoFrames::afterSend()});
}

void RemoteIoLinkTest::outputSequence_data()
{
    QTest::addColumn<QByteArrayList>("pollAnswers"); // in turn; the last one repeats
    QTest::addColumn<bool>("forced");
    QTest::addColumn<int>("polls");
    // The first poll's last byte is 0: nothing yet; the second's is 7: the device signals.
    QTest::newRow("device signals at the second poll") << QByteArrayList{QByteArray(3, '\0'), QByteArray("\x00\x00\x07", 3)} << false << 2;
    QTest::newRow("Forza") << QByteArrayList{QByteArray(3, '\0')} << true << 1;
}

void RemoteIoLinkTest::outputSequence()
{
    QFETCH(QByteArrayList, pollAnswers);
    QFETCH(bool, forced);
    QFETCH(int, polls);
    FakeDevice device;
    RemoteIoLink link(device.port(), Quick);
    int pollsAnswered = 0;
    device.answer = [&](const QByteArray &frame, int) {
        // The outputs' replies are 0, so that only the polls' answers can signal.
        if (frame != RemoteIoFrames::inputPoll())
            return QByteArray(3, '\0');
        const QByteArray reply = pollAnswers.at(std::min<qsizetype>(pollsAnswered++, pollAnswers.size() - 1));
        if (forced && pollsAnswered == polls)
            link.force();
        return reply;
    };
    QSignalSpy finished(&link, &RemoteIoLink::finished);
    link.runOutputSequence(QStringLiteral("127.0.0.1"));
    QVERIFY(finished.wait(5000));
    QVERIFY2(finished.at(0).at(0).toBool(), qPrintable(finished.at(0).at(1).toString()));
    QList<QByteArray> expected{RemoteIoFrames::output(1, 0), RemoteIoFrames::output(2, 1)};
    for (int poll = 0; poll < polls; ++poll)
        expected.append(RemoteIoFrames::inputPoll());
    expected += QList<QByteArray>{RemoteIoFrames::output(1, 1), RemoteIoFrames::output(2, 0)};
    QTRY_COMPARE(device.frames, expected);
}

// The window after a serial send: a device that stays silent is told, and the window goes.
void RemoteIoLinkTest::windowTellsASilentDevice()
{
    FakeDevice device;
    SettingsStore settings;
    settings.setValue(QStringLiteral("remoteio"), QStringLiteral("port"), int(device.port()));
    settings.setValue(QStringLiteral("remoteio"), QStringLiteral("timeout"), 1);
    ScriptedDialogs dialogs;
    QPointer<Frmwinsock> window = new Frmwinsock(dialogs);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->notifyAfterSend(QStringLiteral("127.0.0.1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("In attesa di comando da remoto"));
    QTRY_VERIFY_WITH_TIMEOUT(!window, 3000);
    QCOMPARE(dialogs.texts(), QStringList{"Il dispositivo di rete 127.0.0.1 non ha risposto entro 1 secondi."});
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(device.frames, QList<QByteArray>{RemoteIoFrames::afterSend()});
}

QTEST_MAIN(RemoteIoLinkTest)
#include "tst_remoteiolink.moc"
