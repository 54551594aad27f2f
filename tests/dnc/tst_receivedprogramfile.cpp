#include "dnctext.h"
#include "receivedprogramfile.h"
#include "serialtext.h"
#include "textfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// A received program that cannot go where asked goes to the first fallback folder that takes it.

class ReceivedProgramFileTest : public QObject {
    Q_OBJECT
private slots:
    void whereTheProgramGoes_data();
    void whereTheProgramGoes();
};

void ReceivedProgramFileTest::whereTheProgramGoes_data()
{
    // Folders below the temporary one; a folder that is a file cannot be made.
    QTest::addColumn<QStringList>("refused");  // paths whose writes fail with "No space left on device"
    QTest::addColumn<QString>("wentTo");       // "" nowhere, else the folder
    QTest::addColumn<QStringList>("messages"); // %1 the file asked for, %2 state, %3 tmp; * the time stamp
    QTest::newRow("written where asked") << QStringList{} << QStringLiteral("out") << QStringList{};
    const QString full = QStringLiteral("No space left on device");
    QTest::newRow("disk full: the state folder")
        << QStringList{QStringLiteral("out")} << QStringLiteral("state")
        << QStringList{SerialText::SaveFailed.arg(QStringLiteral("%1"), full),
                       DncText::ReceivedSavedIn.arg(QStringLiteral("%2/O1.nc.*"))};
    QTest::newRow("state folder full too: the temporary folder")
        << QStringList{QStringLiteral("out"), QStringLiteral("state")} << QStringLiteral("tmp")
        << QStringList{SerialText::SaveFailed.arg(QStringLiteral("%1"), full),
                       SerialText::SaveFailed.arg(QStringLiteral("%2/O1.nc.*"), full),
                       DncText::ReceivedSavedIn.arg(QStringLiteral("%3/O1.nc.*"))};
    QTest::newRow("no folder takes it")
        << QStringList{QStringLiteral("out"), QStringLiteral("blocked"), QStringLiteral("tmp")} << QString()
        << QStringList{SerialText::SaveFailed.arg(QStringLiteral("%1"), full),
                       SerialText::SaveFailed.arg(QStringLiteral("%2/O1.nc.*"), DncText::NoFolder),
                       SerialText::SaveFailed.arg(QStringLiteral("%3/O1.nc.*"), full),
                       DncText::ReceivedNotSaved};
}

void ReceivedProgramFileTest::whereTheProgramGoes()
{
    QFETCH(QStringList, refused);
    QFETCH(QString, wentTo);
    QFETCH(QStringList, messages);
    QTemporaryDir temp;
    const QDir root(temp.path());
    QVERIFY(root.mkpath(QStringLiteral("out")));
    QVERIFY(TextFile::writeAtomically(root.filePath(QStringLiteral("blocker")), "a file"));
    const bool blocked = refused.removeAll(QStringLiteral("blocked")) > 0;
    const QString state = root.filePath(blocked ? QStringLiteral("blocker/truv") : QStringLiteral("state/truv"));
    const QString tmp = root.filePath(QStringLiteral("tmp"));
    const QString asked = root.filePath(QStringLiteral("out/O1.nc"));
    QStringList writes;
    ReceivedProgramFile file({state, tmp}, [&](const QString &path, const QByteArray &bytes, QString *error) {
        writes.append(path);
        for (const QString &folder : refused) {
            if (path.startsWith(root.filePath(folder) + u'/')) {
                *error = QStringLiteral("No space left on device");
                return false;
            }
        }
        return TextFile::writeAtomically(path, bytes, error);
    });

    const ReceivedProgramFile::Outcome outcome = file.write(asked, "O1\nM30\n");
    QCOMPARE(outcome.messages.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const QString expected = QString(messages.at(i))
                                     .replace(QStringLiteral("%1"), asked)
                                     .replace(QStringLiteral("%2"), state)
                                     .replace(QStringLiteral("%3"), tmp);
        const QString pattern = QRegularExpression::escape(expected)
                                    .replace(QStringLiteral("\\*"), QStringLiteral("\\d{8}-\\d{6}"));
        QVERIFY2(QRegularExpression(u'^' + pattern + u'$').match(outcome.messages.at(i)).hasMatch(),
                 qPrintable(outcome.messages.at(i)));
    }
    if (wentTo.isEmpty()) {
        QCOMPARE(outcome.path, QString());
        return;
    }
    const QString folder = wentTo == u"out" ? root.filePath(QStringLiteral("out"))
                           : wentTo == u"state" ? state
                                                : tmp;
    QCOMPARE(QFileInfo(outcome.path).absolutePath(), folder);
    QCOMPARE(writes.last(), outcome.path);
    QCOMPARE(TextFile::read(outcome.path).value_or(QByteArray()), QByteArray("O1\nM30\n"));
}

QTEST_GUILESS_MAIN(ReceivedProgramFileTest)
#include "tst_receivedprogramfile.moc"
