#include "programprint.h"

#include <QTest>

namespace {

const QDateTime kNow(QDate(2024, 3, 7), QTime(14, 5));

ArchiveRecord rossi(const QString &memo = {})
{
    ArchiveRecord r;
    r.progr = 42;
    r.cliente = QStringLiteral("ROSSI");
    r.disegno = QStringLiteral("471");
    r.descrizione = QStringLiteral("FLANGIA");
    r.memo = memo;
    return r;
}

const QStringList kFields{QStringLiteral("Cliente    : ROSSI"), QStringLiteral("Disegno    : 471"),
                          QStringLiteral("Descrizione: FLANGIA")};

QStringList header(const QStringList &fields = kFields)
{
    return QStringList{QStringLiteral("07/03/24    14:05"), QStringLiteral("Progressivo: 0000042")} + fields;
}

} // namespace

class ProgramPrintTest : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void headerFields_data();
    void headerFields();
};

void ProgramPrintTest::lines_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("printed");
    const QByteArray program = "%\r\nO0042 (FLANGIA)\r\nG00 X0\r\n(FINE)\r\nM30\r\n";
    QTest::newRow("header only") << 0 << program << header() + QStringList{QString()};
    QTest::newRow("complete, final CR LF adds no line")
        << 1 << program
        << header() + QStringList{QString(), "Testo del ciclo:", "%", "O0042 (FLANGIA)", "G00 X0", "(FINE)", "M30"};
    QTest::newRow("complete, last line without line end")
        << 1 << QByteArray("G00 X0\r\nM30") << header() + QStringList{QString(), "Testo del ciclo:", "G00 X0", "M30"};
    QTest::newRow("complete, empty lines and LF-only ends")
        << 1 << QByteArray("A\n\r\nB\n") << header() + QStringList{QString(), "Testo del ciclo:", "A", "", "B"};
    QTest::newRow("complete, empty text") << 1 << QByteArray() << header() + QStringList{QString(), "Testo del ciclo:"};
    QTest::newRow("comments only")
        << 2 << program << header() + QStringList{QString(), "Testo del ciclo:", "O0042 (FLANGIA)", "(FINE)"};
    QTest::newRow("comments: last line without line end needs its bracket too")
        << 2 << QByteArray("(A)\r\nM30") << header() + QStringList{QString(), "Testo del ciclo:", "(A)"};
    QTest::newRow("comments: last comment without line end")
        << 2 << QByteArray("M30\r\n(B)") << header() + QStringList{QString(), "Testo del ciclo:", "(B)"};
    QTest::newRow("8-bit characters")
        << 1 << QByteArray("(\xb0 \xe8)") << header() + QStringList{QString(), "Testo del ciclo:", QStringLiteral("(° è)")};
}

void ProgramPrintTest::lines()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, printed);
    QCOMPARE(programPrintLines(PrintMode(mode), 42, rossi(), text, kNow), printed);
}

void ProgramPrintTest::headerFields_data()
{
    QTest::addColumn<std::optional<ArchiveRecord>>("record");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("memo of two lines")
        << std::optional(rossi(QStringLiteral("SGROSSARE\r\nPOI FINIRE")))
        << header() + QStringList{"Memo       : ", "SGROSSARE", "POI FINIRE", QString()};
    ArchiveRecord nulls = rossi();
    nulls.cliente = QString();
    nulls.descrizione = QString();
    QTest::newRow("fields without value print as empty lines")
        << std::optional(nulls)
        << header({QString(), QStringLiteral("Disegno    : 471"), QString()}) + QStringList{QString()};
    ArchiveRecord empties = rossi();
    empties.cliente = QStringLiteral("");
    QTest::newRow("empty field keeps its label")
        << std::optional(empties)
        << header({QStringLiteral("Cliente    : "), kFields[1], kFields[2]}) + QStringList{QString()};
    QTest::newRow("no record: the window's number and empty fields")
        << std::optional<ArchiveRecord>()
        << header({QStringLiteral("Cliente    : "), QStringLiteral("Disegno    : "), QStringLiteral("Descrizione: ")})
               + QStringList{QString()};
}

void ProgramPrintTest::headerFields()
{
    QFETCH(std::optional<ArchiveRecord>, record);
    QFETCH(QStringList, printed);
    QCOMPARE(programPrintLines(PrintMode::Header, 42, record, QByteArray("G00\r\n"), kNow), printed);
}

QTEST_GUILESS_MAIN(ProgramPrintTest)
#include "tst_programprint.moc"
