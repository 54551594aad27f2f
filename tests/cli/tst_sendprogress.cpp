#include "consoleoutput.h"
#include "sendprogress.h"

#include <QBuffer>
#include <QLocale>
#include <QTest>

// What a long send shows on standard error, on a terminal and into a log.
class SendProgressTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("it_IT"))); }
    void shown_data();
    void shown();
};

void SendProgressTest::shown_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QString>("written");
    // 11,520 characters a second at 115200 baud: 1,000,000 characters take 86.8 s.
    const QString at30 = QStringLiteral("345.600 di 1.000.000 caratteri, 11.520 caratteri/s, 0:00:57 alla fine");
    const QString at90 = QStringLiteral("1.000.000 di 1.000.000 caratteri, 11.111 caratteri/s, 0:00:00 alla fine");
    QTest::newRow("log: one line a minute, then the count")
        << false << QStringLiteral("%1\n1.000.000\n").arg(QStringLiteral("691.200 di 1.000.000 caratteri, 11.520 caratteri/s, 0:00:27 alla fine"));
    QTest::newRow("terminal: rewritten in place, the count covers the longest")
        << true << QStringLiteral("\r%1\r%2\r%3\n").arg(at30, at90, QStringLiteral("1.000.000").leftJustified(at90.size()));
}

void SendProgressTest::shown()
{
    QFETCH(bool, terminal);
    QFETCH(QString, written);
    QBuffer device;
    QVERIFY(device.open(QIODevice::WriteOnly));
    ConsoleOutput output(device, terminal);
    qint64 now = 0;
    SendProgress progress(output, [&now] { return now; });
    // Sampled during a send at a steady pace (a log at 0, 30 and 60 s; a terminal at 0 and
    // 30 s and at the end, 90 s), then its end.
    const QList<std::pair<qint64, qint64>> samples = terminal
        ? QList<std::pair<qint64, qint64>>{{0, 0}, {30, 345600}, {90, 1000000}}
        : QList<std::pair<qint64, qint64>>{{0, 0}, {30, 345600}, {60, 691200}};
    for (const auto &[seconds, sent] : samples) {
        now = seconds * 1000;
        progress.update(sent, 1000000);
    }
    progress.end(1000000);
    output.endCount();
    QCOMPARE(QString::fromUtf8(device.data()), written);
}

QTEST_GUILESS_MAIN(SendProgressTest)
#include "tst_sendprogress.moc"
