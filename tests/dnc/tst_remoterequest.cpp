#include "dnctext.h"
#include "remoterequest.h"
#include "settingsstore.h"

#include <QTest>

// Which punched programs are requests, and for which number.
class RemoteRequestTest : public QObject {
    Q_OBJECT
private slots:
    void requestedNumber_data();
    void requestedNumber();
    void refusedSettings_data();
    void refusedSettings();
};

void RemoteRequestTest::requestedNumber_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("number"); // -1: no request
    QTest::newRow("RICHIESTA, tape marks and leader") << QByteArray("\0\0", 2) + "%\r\nO0001\r\n(RICHIESTA 42)\r\nM30\r\n%" << 42;
    QTest::newRow("REQ=O, lower case") << QByteArray("(req=o0042)\n") << 42;
    QTest::newRow("PRG= after the program number") << QByteArray("O1 (PRG=7)\nM30\n") << 7;
    QTest::newRow("first comment is another one") << QByteArray("(PEZZO A)\n(RICHIESTA 42)\n") << -1;
    QTest::newRow("comment not a request") << QByteArray("%\nO0001 (FLANGIA)\nM30\n%\n") << -1;
    QTest::newRow("more lines than requestLines")
        << QByteArray("(RICHIESTA 42)\nN1\nN2\nN3\nN4\nN5\n") << -1;
    QTest::newRow("number too long for the archive") << QByteArray("(RICHIESTA 12345678)\n") << -1;
    QTest::newRow("no comment") << QByteArray("RICHIESTA 42\n") << -1;
}

void RemoteRequestTest::requestedNumber()
{
    QFETCH(QByteArray, received);
    QFETCH(int, number);
    const auto settings = RemoteRequest::configured(SettingsStore());
    QCOMPARE(settings.index(), 0u);
    const std::optional<qint32> found = RemoteRequest::requestedNumber(received, std::get<0>(settings));
    QCOMPARE(found.value_or(-1), number);
}

void RemoteRequestTest::refusedSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("told");
    QTest::newRow("pattern without a group") << "request" << "RICHIESTA \\d+"
                                             << DncText::BadRequestPattern.arg(QStringLiteral("RICHIESTA \\d+"));
    QTest::newRow("pattern that does not compile") << "request" << "((" << DncText::BadRequestPattern.arg("((");
    QTest::newRow("no lines") << "requestLines" << "0" << DncText::BadRequestSetting.arg("requestLines", "0");
    QTest::newRow("negative delay") << "requestDelay" << "-1" << DncText::BadRequestSetting.arg("requestDelay", "-1");
}

void RemoteRequestTest::refusedSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, told);
    SettingsStore store;
    store.setValue(QStringLiteral("dnc"), key, value);
    const auto settings = RemoteRequest::configured(store);
    store.setValue(QStringLiteral("dnc"), key, QString());
    QCOMPARE(settings.index(), 1u);
    QCOMPARE(std::get<1>(settings), told);
}

QTEST_GUILESS_MAIN(RemoteRequestTest)
#include "tst_remoterequest.moc"
