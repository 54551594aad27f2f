#include "archivestore.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "textfile.h"
#include "transferloglist.h"

#include <QTest>

// The rows of the window "Registro trasferimenti" on an archive with three transfers.
class TransferLogListTest : public QObject {
    Q_OBJECT
private slots:
    void filters_data();
    void filters();
    void exportWritesTheRowsListed();
    void readsPageByPage_data();
    void readsPageByPage();
};

namespace {

struct Logged {
    TempProgramFolder temp{TempProgramFolder::Content::Initialised};
    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    TransferLogStore store{*archive};
    ScriptedDialogs dialogs;
    TransferLogList list{store, dialogs};

    Logged()
    {
        TransferJournal journal(&store, [](const QString &text) { QFAIL(qPrintable(text)); });
        const auto add = [&journal](const QString &machine, qint32 program, TransferResult result) {
            TransferEntry entry;
            entry.machine = machine;
            entry.archiveProgram = program;
            entry.fileName = ProgramFolder::programFileName(program);
            journal.record(entry, result, result == TransferResult::Failed ? QStringLiteral("linea, persa") : QString());
        };
        add(QStringLiteral("TORNIO"), 42, TransferResult::Succeeded);
        add(QStringLiteral("FRESA"), 42, TransferResult::Failed);
        add(QStringLiteral("TORNIO"), 7, TransferResult::Interrupted);
    }
    QStringList files() const
    {
        QStringList names;
        for (int row = 0; row < list.rowCount(); ++row)
            names.append(list.data(list.index(row, 6)).toString());
        return names;
    }
};

} // namespace

void TransferLogListTest::filters_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("sinceDays"); // from today; 99: none
    QTest::addColumn<int>("result"); // -1: any
    QTest::addColumn<QStringList>("files"); // newest first; empty with a message when refused
    QTest::addColumn<QString>("told");
    const QString p42 = QStringLiteral("P0000042");
    const QString p7 = QStringLiteral("P0000007");
    QTest::newRow("all, newest first") << "" << "" << 99 << -1 << QStringList{p7, p42, p42} << "";
    QTest::newRow("machine, any case") << " tornio" << "" << 99 << -1 << QStringList{p7, p42} << "";
    QTest::newRow("program") << "" << "42" << 99 << -1 << QStringList{p42, p42} << "";
    QTest::newRow("failed") << "" << "" << 99 << int(TransferResult::Failed) << QStringList{p42} << "";
    QTest::newRow("since today") << "" << "" << 0 << -1 << QStringList{p7, p42, p42} << "";
    QTest::newRow("since tomorrow") << "" << "" << 1 << -1 << QStringList{} << "";
    QTest::newRow("not a number") << "" << "4x" << 99 << -1 << QStringList{}
                                  << "Numero di programma non valido: 4x";
}

void TransferLogListTest::filters()
{
    QFETCH(QString, machine);
    QFETCH(QString, program);
    QFETCH(int, sinceDays);
    QFETCH(int, result);
    QFETCH(QString, told);
    Logged l;
    TransferFilterFields fields{machine, program, {}, {}, {}};
    if (sinceDays != 99)
        fields.since = QDate::currentDate().addDays(sinceDays);
    if (result >= 0)
        fields.result = TransferResult(result);
    QCOMPARE(l.list.list(fields), told.isEmpty());
    QTEST(l.files(), "files");
    QCOMPARE(l.dialogs.texts(), told.isEmpty() ? QStringList{} : QStringList{told});
}

void TransferLogListTest::exportWritesTheRowsListed()
{
    Logged l;
    QVERIFY(l.list.list({QStringLiteral("FRESA"), {}, {}, {}, {}}));
    QVERIFY(l.list.details(0).contains(QStringLiteral("Messaggio: linea, persa")));
    const QString path = l.temp.path(QStringLiteral("registro.csv"));
    l.dialogs.fileAnswers.enqueue(path);
    QVERIFY(l.list.exportCsv(l.temp.folder().root()));
    const QList<QByteArray> lines = TextFile::read(path).value_or(QByteArray()).split('\n');
    QCOMPARE(lines.size(), 3); // header, one row, the last line's end
    QVERIFY(lines.at(0).startsWith("Inizio,Fine,Chi,Macchina"));
    QVERIFY(lines.at(1).contains(",FRESA,"));
    QVERIFY(lines.at(1).endsWith(",fallito,\"linea, persa\"\r"));
    // Cancelled, nothing is written and nothing said.
    l.dialogs.fileAnswers.enqueue(QString());
    QVERIFY(!l.list.exportCsv(l.temp.folder().root()));
    QCOMPARE(l.dialogs.texts().filter(QStringLiteral("Registro esportato in")).size(), 1);
}

void TransferLogListTest::readsPageByPage_data()
{
    QTest::addColumn<int>("extraRows"); // beside the three, all begun in the same second
    QTest::newRow("one page") << 0;
    QTest::newRow("a page exactly") << TransferLogList::PageRows - 3;
    QTest::newRow("pages of equal times") << 2 * TransferLogList::PageRows + 17;
}

void TransferLogListTest::readsPageByPage()
{
    QFETCH(int, extraRows);
    Logged l;
    TransferEntry entry;
    entry.started = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);
    entry.machine = QStringLiteral("PUNZONATRICE");
    QStringList expected{ProgramFolder::programFileName(7), ProgramFolder::programFileName(42),
                         ProgramFolder::programFileName(42)};
    QVERIFY(l.archive->database().transaction());
    for (int i = 0; i < extraRows; ++i) {
        entry.fileName = QStringLiteral("F%1").arg(i);
        QVERIFY(l.store.begin(entry));
        expected.insert(3, entry.fileName);
    }
    QVERIFY(l.archive->database().commit());
    const int total = int(expected.size());

    QVERIFY(l.list.list({}));
    QCOMPARE(l.list.matched(), qint64(total));
    QCOMPARE(l.list.rowCount(), std::min(total, int(TransferLogList::PageRows)));
    while (l.list.canFetchMore({}))
        l.list.fetchMore({});
    // Every row once, newest first; equal times in the order they were written, newest first.
    QCOMPARE(l.files(), expected);

    // The export holds every row matched, not only those read.
    QVERIFY(l.list.list({}));
    const QString path = l.temp.path(QStringLiteral("tutto.csv"));
    l.dialogs.fileAnswers.enqueue(path);
    QVERIFY(l.list.exportCsv(l.temp.folder().root()));
    QCOMPARE(TextFile::read(path).value_or(QByteArray()).count('\n'), qsizetype(total + 1));
}

QTEST_GUILESS_MAIN(TransferLogListTest)
#include "tst_transferloglist.moc"
