#include "accessdate.h"
#include "accessimport.h"
#include "accessimporttext.h"
#include "archivestore.h"
#include "fakeaccessreader.h"
#include "mdbreader.h"
#include "picturecatalog.h"
#include "sqlconnection.h"
#include "tempprogramfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cmath>

namespace {

QString fixture(const QString &name)
{
    return QDir(QStringLiteral(ACCESS_FIXTURES)).filePath(name);
}

// Fixtures are read-only: tests work on copies. size > 0 keeps only the first bytes (a damaged file).
void copyFixture(const QString &name, const QString &target, qint64 size = 0)
{
    QFile source(fixture(name));
    QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(fixture(name)));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile copy(target);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(size > 0 ? source.read(size) : source.readAll());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every row of a query, its values joined by " | ".
QStringList queryRows(const QString &databasePath, const QString &sql)
{
    SqlConnection connection;
    if (!connection.openExisting(databasePath))
        return {QStringLiteral("<cannot open %1>").arg(databasePath)};
    QStringList rows;
    QSqlQuery query(connection.database());
    if (!query.exec(sql))
        return {QStringLiteral("<%1>").arg(sql)};
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values.append(query.value(i).toString());
        rows.append(values.join(QStringLiteral(" | ")));
    }
    return rows;
}

// Every file and folder below root with its bytes: what a failed import must leave unchanged.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(QDir(root).relativeFilePath(path), it.fileInfo().isDir() ? QByteArray("<dir>") : readFile(path));
    }
    return entries;
}

AccessColumn column(const char *name, ColumnKind kind = ColumnKind::Text)
{
    return {QString::fromUtf8(name), kind};
}

// An old archive with the shop's own spelling of the field names, an extra field and a table of its own.
FakeAccessFile oldArchive()
{
    FakeAccessFile file;
    FakeAccessFile::Table cicli;
    cicli.table = {QStringLiteral("CICLI"),
                   {column("PROGR", ColumnKind::Integer), column("CLIENTE"), column("DISEGNO"), column("DESCRIZIONE"),
                    column("Memo"), column("MACCHINA"), column("testo"), column("OPERATORE")},
                   3};
    cicli.rows = {
        {qint64(42), QStringLiteral("Müller & Söhne"), QStringLiteral("DIS-001"), QStringLiteral("Flangia Ø 40"),
         QStringLiteral("prima riga\r\nseconda riga"), QStringLiteral("T1"), QVariant(), QStringLiteral("Rossi")},
        {qint64(43), QVariant(), QString(""), QStringLiteral("albero"), QVariant(), QVariant(),
         QStringLiteral("vecchio testo"), QVariant()},
        {qint64(7), QStringLiteral("ACME"), QStringLiteral("D7"), QStringLiteral("perno"), QString(""), QString(""),
         QString(""), QString("")},
    };
    FakeAccessFile::Table customers;
    customers.table = {QStringLiteral("Clienti"), {column("nome"), column("sconto", ColumnKind::Real)}, 1};
    customers.rows = {{QStringLiteral("Bianchi"), 12.5}};
    file.tables = {cicli, customers};
    return file;
}

FakeAccessFile oldCatalog()
{
    FakeAccessFile file;
    FakeAccessFile::Table pictures;
    pictures.table = {QStringLiteral("immagini"),
                      {column("progressivo", ColumnKind::Integer), column("np", ColumnKind::Integer), column("tipo"),
                       column("descrizionebreve"), column("desclunga")},
                      2};
    pictures.rows = {
        {qint64(42), qint64(1), QStringLiteral(".jpg"), QStringLiteral("vista frontale"), QVariant()},
        {qint64(42), qint64(2), QStringLiteral(".bmp"), QStringLiteral("quota è"), QStringLiteral("lunga\nnota")},
    };
    file.tables = {pictures};
    return file;
}

// An old program folder whose Access files the fake reader serves.
void writeOldFolder(const QString &root)
{
    writeFile(QDir(root).filePath(QStringLiteral("truv.mdb")), jetHeader());
    writeFile(QDir(root).filePath(QStringLiteral("IMMAGINI.MDB")), jetHeader());
}

enum Failure { ArchiveExists, CatalogExists, MachinesExist, ProgramExists, PictureExists, ArchiveBreaks,
               CatalogBreaks, RowRefused, DamagedTable, DamagedFile, DataIsAFile, Stopped };

const QString kFakeProgramText = QStringLiteral("%\r\nO0042\r\nG0 X1\r\n%\r\n");

} // namespace

class AccessImportTest : public QObject {
    Q_OBJECT
private slots:
    void everyTableOfTheFixturesCopied_data();
    void everyTableOfTheFixturesCopied();
    void datesBeforeAndAfter1900_data();
    void datesBeforeAndAfter1900();
    void valuesAndTypesOfTheFixtures_data();
    void valuesAndTypesOfTheFixtures();
    void ourTablesKeepEveryColumnAndNull_data();
    void ourTablesKeepEveryColumnAndNull();
    void programFilesCopiedByteForByte_data();
    void programFilesCopiedByteForByte();
    void failedImportLeavesTheFolderAsItWas_data();
    void failedImportLeavesTheFolderAsItWas();
    void conversionInPlaceKeepsTheAccessFiles_data();
    void conversionInPlaceKeepsTheAccessFiles();
    void commandLine_data();
    void commandLine();
};

void AccessImportTest::everyTableOfTheFixturesCopied_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("Jet 3") << "jet3-project.mdb" << "MSP_PROJECTS" << 1 << 74;
    QTest::newRow("Jet 4") << "jet4-project.mdb" << "MSP_PROJECTS" << 1 << 74;
    QTest::newRow("Jet 4 Unicode, table named Table") << "jet4-unicode.mdb" << "Table" << 8 << 2;
}

void AccessImportTest::everyTableOfTheFixturesCopied()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(int, rows);
    QFETCH(int, columns);
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder target(TempProgramFolder::Content::Empty);
    copyFixture(file, source.path(QStringLiteral("truv.mdb")));
    copyFixture(file, source.path(QStringLiteral("IMMAGINI.MDB")));

    AccessImport import(MdbReader::open);
    QString error;
    QVERIFY2(import.importInto(source.folder().root(), target.folder(), &error), qPrintable(error));

    const QString counts = QStringLiteral("righe lette %1, scritte %1").arg(rows);
    QCOMPARE(import.report().summaryLines(),
             QStringList({QStringLiteral("truv.mdb, tabella %1: %2").arg(table, counts),
                          QStringLiteral("IMMAGINI.MDB, tabella %1: %2").arg(table, counts)}));
    QCOMPARE(import.report().warnings,
             QStringList({AccessImportText::MissingOurTable.arg(QStringLiteral("truv.mdb"), QStringLiteral("cicli")),
                          AccessImportText::MissingOurTable.arg(QStringLiteral("IMMAGINI.MDB"),
                                                                QStringLiteral("immagini"))}));
    for (const QString &path : {target.folder().archivePath(), target.folder().catalogPath()}) {
        QCOMPARE(queryRows(path, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)),
                 QStringList(QString::number(rows)));
        QCOMPARE(queryRows(path, QStringLiteral("SELECT count(*) FROM pragma_table_info('%1')").arg(table)),
                 QStringList(QString::number(columns)));
    }
    // Our empty tables, with the indexes the program searches by.
    QCOMPARE(queryRows(target.folder().archivePath(),
                       QStringLiteral("SELECT count(*) FROM cicli UNION ALL SELECT group_concat(name, ' ') FROM "
                                      "(SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'cicli' "
                                      "ORDER BY name)")),
             QStringList({QStringLiteral("0"), QStringLiteral("cicli_cliente cicli_descrizione cicli_disegno indice")}));
    QCOMPARE(queryRows(target.folder().catalogPath(),
                       QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'immagini'")),
             QStringList(QStringLiteral("Indice")));
    QVERIFY(target.openArchive()->isEmpty());
}

void AccessImportTest::valuesAndTypesOfTheFixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("declared");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariant>("value");

    const QString author = QStringLiteral(
        "Jon Iles this is a a vawesrasoih aksdkl fas dlkjflkasjd flkjaslkdjflkajlksj dfl lkasjdf lkjaskldfj lkas dlk "
        "lkjsjdfkl; aslkdf lkasjkldjf lka skldf lka sdkjfl;kasjd falksjdfljaslkdjf laskjdfk jalskjd flkj "
        "aslkdjflkjkjasljdflkjas jf;lkasjd fjkas dasdf asd fasdf asdf asdmhf lksaiyudfoi jasodfj902384jsdf9 aw90se "
        "fisajldkfj lkasj dlkfslkd jflksjadf as");
    for (const char *file : {"jet3-project.mdb", "jet4-project.mdb"}) {
        const auto row = [&](const char *name, const char *field) -> QTestData & {
            return QTest::addRow("%s %s", file, name) << QString::fromLatin1(file) << "MSP_PROJECTS"
                                                      << QString::fromLatin1(field) << "1";
        };
        row("long integer", "PROJ_OPT_MINUTES_PER_WEEK") << "INTEGER" << "integer" << QVariant(2400);
        row("integer", "PROJ_OPT_DAYS_PER_MONTH") << "INTEGER" << "integer" << QVariant(20);
        row("boolean true", "PROJ_OPT_CALC_ACT_COSTS") << "INTEGER" << "integer" << QVariant(1);
        row("boolean false", "PROJ_OPT_MULT_CRITICAL_PATHS") << "INTEGER" << "integer" << QVariant(0);
        row("double", "PROJ_OPT_DEF_OVT_RATE") << "REAL" << "real" << QVariant(0.0);
        row("pound sign", "PROJ_OPT_CURRENCY_SYMBOL") << "TEXT" << "text" << QVariant(QStringLiteral("£"));
        row("backslashes", "PROJ_DATA_SOURCE") << "TEXT" << "text" << QVariant(QStringLiteral("Z:\\temp\\Project1.mpd"));
        row("memo", "PROJ_PROP_AUTHOR") << "TEXT" << "text" << QVariant(author);
        row("date", "PROJ_LAST_SAVED") << "TEXT" << "text" << QVariant(QStringLiteral("2006-02-03 22:11:00"));
        row("date with seconds", "PROJ_CREATION_DATE_EX") << "TEXT" << "text"
                                                          << QVariant(QStringLiteral("2006-02-03 22:11:05"));
        row("NULL memo", "PROJ_PROP_CATEGORY") << "TEXT" << "null" << QVariant();
        row("NULL text", "PROJ_VERSION") << "TEXT" << "null" << QVariant();
        row("NULL long integer", "PROJ_TYPE") << "INTEGER" << "null" << QVariant();
        row("NULL date", "PROJ_INFO_STATUS_DATE") << "TEXT" << "null" << QVariant();
        // The OLE field's bytes: an embedded Word document of 22970 bytes.
        row("OLE", "RESERVED_BINARY_DATA") << "BLOB" << "blob" << QVariant(22970);
    }

    QString everyCodePoint;
    for (char16_t c = 1; c <= 0xff; ++c)
        everyCodePoint.append(QChar(c));
    const QList<QPair<int, QString>> unicode = {
        {2, QStringLiteral("ääkkösiä")},
        {3, QStringLiteral("Мир")},
        // Polytonic accents (oxia), not the monotonic ones that look the same.
        {4, QString::fromUtf16(u"\u03F0\u03B1\u1F76 \u03C4\u1F79\u03C4' \u1F10\u03B3\u1F7C \u039A\u1F7B\u03F0\u03BB\u03C9\u03C0\u03B1")},
        {5, QStringLiteral("漢字仮名交じり文")},
        {6, QString::fromUtf16(u"3L9\u001d52\u0002_AB(\u00a5\u0005!!V")},
        {7, QStringLiteral("ümlaut")},
        {8, everyCodePoint},
    };
    for (const auto &[id, text] : unicode) {
        QTest::addRow("Unicode text %d", id) << "jet4-unicode.mdb" << "Table" << "Unicode"
                                             << QStringLiteral("ID = %1").arg(id) << "TEXT" << "text" << QVariant(text);
    }
}

void AccessImportTest::valuesAndTypesOfTheFixtures()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, where);
    QFETCH(QString, declared);
    QFETCH(QString, stored);
    QFETCH(QVariant, value);
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder target(TempProgramFolder::Content::Empty);
    copyFixture(file, source.path(QStringLiteral("truv.mdb")));
    AccessImport import(MdbReader::open);
    QString error;
    QVERIFY2(import.importInto(source.path(QStringLiteral("truv.mdb")), target.folder(), &error), qPrintable(error));

    SqlConnection connection;
    QVERIFY(connection.openExisting(target.folder().archivePath()));
    QSqlQuery query(connection.database());
    QVERIFY(query.exec(QStringLiteral("SELECT type FROM pragma_table_info('%1') WHERE name = '%2'").arg(table, field)));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), declared);
    QVERIFY(query.exec(QStringLiteral("SELECT typeof(\"%2\"), \"%2\", length(\"%2\") FROM \"%1\" WHERE %3")
                           .arg(table, field, where)));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), stored);
    if (stored == QStringLiteral("blob"))
        QCOMPARE(query.value(2).toInt(), value.toInt());
    else if (stored == QStringLiteral("null"))
        QVERIFY(query.value(1).isNull());
    else
        QCOMPARE(query.value(1).toString(), value.toString());
}

void AccessImportTest::datesBeforeAndAfter1900_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("text");
    QTest::newRow("day zero") << 0.0 << "1899-12-30 00:00:00";
    QTest::newRow("before day zero: the fraction is still the time") << -1.25 << "1899-12-29 06:00:00";
    QTest::newRow("a working day") << 38751.0 + 8.0 / 24 << "2006-02-03 08:00:00";
    QTest::newRow("a hair before midnight rounds to the next day") << 2.9999999999 << "1900-01-02 00:00:00";
    QTest::newRow("not a date") << std::nan("") << "";
    QTest::newRow("beyond the year 9999") << 3.5e6 << "";
}

void AccessImportTest::datesBeforeAndAfter1900()
{
    QFETCH(double, days);
    QFETCH(QString, text);
    QCOMPARE(accessDateText(days), text);
}

void AccessImportTest::ourTablesKeepEveryColumnAndNull_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("cicli rows, NULL apart from empty text")
        << "truv.mdb"
        << "SELECT quote(progr), quote(cliente), quote(disegno), quote(descrizione), quote(memo), quote(macchina), "
           "quote(testo), quote(operatore) FROM cicli ORDER BY progr"
        << QStringList{QStringLiteral("7 | 'ACME' | 'D7' | 'perno' | '' | '' | '' | ''"),
                       QStringLiteral("42 | 'Müller & Söhne' | 'DIS-001' | 'Flangia Ø 40' | 'prima riga\r\nseconda "
                                      "riga' | 'T1' | NULL | 'Rossi'"),
                       QStringLiteral("43 | NULL | '' | 'albero' | NULL | NULL | 'vecchio testo' | NULL")};
    QTest::newRow("cicli: our columns and the shop's own one")
        << "truv.mdb" << "SELECT name || ' ' || type FROM pragma_table_info('cicli')"
        << QStringList{QStringLiteral("progr INTEGER"),   QStringLiteral("cliente TEXT"),
                       QStringLiteral("disegno TEXT"),    QStringLiteral("descrizione TEXT"),
                       QStringLiteral("memo TEXT"),       QStringLiteral("macchina VARCHAR(3)"),
                       QStringLiteral("testo TEXT"),      QStringLiteral("OPERATORE TEXT")};
    QTest::newRow("cicli: our indexes")
        << "truv.mdb" << "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'cicli' ORDER BY name"
        << QStringList{QStringLiteral("cicli_cliente"), QStringLiteral("cicli_descrizione"),
                       QStringLiteral("cicli_disegno"), QStringLiteral("indice")};
    QTest::newRow("another table of the archive") << "truv.mdb" << "SELECT nome, sconto FROM Clienti"
                                                  << QStringList{QStringLiteral("Bianchi | 12.5")};
    QTest::newRow("immagini rows")
        << "IMMAGINI.MDB"
        << "SELECT quote(progressivo), quote(np), quote(tipo), quote(descrizionebreve), quote(desclunga) "
           "FROM immagini ORDER BY np"
        << QStringList{QStringLiteral("42 | 1 | '.jpg' | 'vista frontale' | NULL"),
                       QStringLiteral("42 | 2 | '.bmp' | 'quota è' | 'lunga\nnota'")};
    QTest::newRow("immagini: our index") << "IMMAGINI.MDB"
                                         << "SELECT name FROM sqlite_master WHERE type = 'index'"
                                         << QStringList{QStringLiteral("Indice")};
}

void AccessImportTest::ourTablesKeepEveryColumnAndNull()
{
    QFETCH(QString, file);
    QFETCH(QString, sql);
    QFETCH(QStringList, expected);
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder target(TempProgramFolder::Content::Empty);
    writeOldFolder(source.folder().root());
    AccessImport import(FakeAccessReader::factory(
        {{QStringLiteral("truv.mdb"), oldArchive()}, {QStringLiteral("IMMAGINI.MDB"), oldCatalog()}}));
    QString error;
    QVERIFY2(import.importInto(source.folder().root(), target.folder(), &error), qPrintable(error));
    QVERIFY(import.report().warnings.isEmpty());
    QVERIFY(import.report().countsMatch());

    // The start-up load keeps every row: an empty drawing number is not a missing one.
    auto archive = target.openArchive();
    QCOMPARE(archive->seek(42)->cliente, QStringLiteral("Müller & Söhne"));
    QVERIFY(archive->contains(43));
    archive.reset();
    QCOMPARE(queryRows(target.path(file), sql), expected);
}

void AccessImportTest::programFilesCopiedByteForByte_data()
{
    QTest::addColumn<QString>("dati");
    QTest::addColumn<QString>("imm");
    QTest::addColumn<QString>("machines");
    QTest::newRow("names as we write them") << "dati" << "imm" << "cncsett.dat";
    QTest::newRow("names as Windows left them") << "DATI" << "Imm" << "CNCSETT.DAT";
}

void AccessImportTest::programFilesCopiedByteForByte()
{
    QFETCH(QString, dati);
    QFETCH(QString, imm);
    QFETCH(QString, machines);
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    const QByteArray program = kFakeProgramText.toLatin1() + everyByte + "\r\n";
    const QByteArray picture = QByteArray("\xff\xd8\xff\xe0", 4) + everyByte;
    const QByteArray machineFile = " 1 \r\n\"TORNIO è\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n";

    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder target(TempProgramFolder::Content::Empty);
    writeOldFolder(source.folder().root());
    writeFile(source.path(dati + QStringLiteral("/P0000042")), program);
    writeFile(source.path(imm + QStringLiteral("/M0000042N0001.jpg")), picture);
    writeFile(source.path(machines), machineFile);
    AccessImport import(FakeAccessReader::factory(
        {{QStringLiteral("truv.mdb"), oldArchive()}, {QStringLiteral("IMMAGINI.MDB"), oldCatalog()}}));
    QString error;
    QVERIFY2(import.importInto(source.folder().root(), target.folder(), &error), qPrintable(error));

    QCOMPARE(readFile(target.folder().programTextPath(42)), program);
    QCOMPARE(readFile(target.path(QStringLiteral("imm/M0000042N0001.jpg"))), picture);
    QCOMPARE(readFile(target.folder().machineFilePath()), machineFile);
    QCOMPARE(snapshot(target.folder().root()).keys(),
             QStringList({QStringLiteral("IMMAGINI.MDB"), QStringLiteral("cncsett.dat"), QStringLiteral("dati"),
                          QStringLiteral("dati/P0000042"), QStringLiteral("imm"),
                          QStringLiteral("imm/M0000042N0001.jpg"), QStringLiteral("truv.mdb")}));
}

void AccessImportTest::failedImportLeavesTheFolderAsItWas_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("expected"); // <T>: the target folder, <S>: the source archive, <O>: its folder
    QTest::newRow("archive there") << int(ArchiveExists) << AccessImportText::AlreadyExists.arg("<T>/truv.mdb");
    QTest::newRow("catalogue there") << int(CatalogExists) << AccessImportText::AlreadyExists.arg("<T>/IMMAGINI.MDB");
    QTest::newRow("machine list there") << int(MachinesExist) << AccessImportText::AlreadyExists.arg("<T>/cncsett.dat");
    QTest::newRow("a program text there") << int(ProgramExists)
                                          << AccessImportText::AlreadyExists.arg("<T>/dati/P0000042");
    // The program texts are in place by then, and go back.
    QTest::newRow("a picture there") << int(PictureExists)
                                     << AccessImportText::AlreadyExists.arg("<T>/imm/M0000042N0001.jpg");
    QTest::newRow("old dati a file") << int(DataIsAFile) << AccessImportText::NotAFolder.arg("<O>/DATI");
    QTest::newRow("stopped by the user") << int(Stopped) << QString(AccessImportText::Interrupted);
    QTest::newRow("archive unreadable halfway") << int(ArchiveBreaks) << FakeAccessReader::BrokenMessage;
    QTest::newRow("catalogue unreadable halfway") << int(CatalogBreaks) << FakeAccessReader::BrokenMessage;
    QTest::newRow("two programs with one number")
        << int(RowRefused) << QStringLiteral("Tabella CICLI, riga 2: non scritta: UNIQUE constraint failed: "
                                             "cicli.progr Unable to fetch row");
    QTest::newRow("Access table cut short")
        << int(DamagedTable)
        << AccessImportText::Damaged.arg("<S>", AccessImportText::DamageMappedPage.arg("MSP_PROJECTS").arg(60).arg(32));
    QTest::newRow("Access file cut short")
        << int(DamagedFile) << AccessImportText::Damaged.arg("<S>", AccessImportText::DamagePageOutside.arg(2).arg(1));
}

void AccessImportTest::failedImportLeavesTheFolderAsItWas()
{
    QFETCH(int, failure);
    QFETCH(QString, expected);
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder target(TempProgramFolder::Content::Empty);
    writeOldFolder(source.folder().root());
    writeFile(source.path(QStringLiteral("dati/P0000042")), kFakeProgramText.toLatin1());
    writeFile(source.path(QStringLiteral("dati/P0000043")), kFakeProgramText.toLatin1());
    writeFile(source.path(QStringLiteral("cncsett.dat")), " 0 \r\n");
    // What the target holds already and must keep.
    writeFile(target.path(QStringLiteral("note.txt")), "appunti");
    writeFile(target.path(QStringLiteral("dati/P0000099")), "altro programma");
    FakeAccessFile archive = oldArchive();
    FakeAccessFile catalog = oldCatalog();
    AccessReaderFactory openReader;
    switch (Failure(failure)) {
    case ArchiveExists:
        writeFile(target.path(QStringLiteral("truv.mdb")), "non è nostro");
        break;
    case CatalogExists:
        writeFile(target.path(QStringLiteral("IMMAGINI.MDB")), "non è nostro");
        break;
    case MachinesExist:
        writeFile(target.path(QStringLiteral("cncsett.dat")), " 0 \r\n");
        break;
    case ProgramExists:
        writeFile(target.path(QStringLiteral("dati/P0000042")), "il mio");
        break;
    case PictureExists:
        writeFile(source.path(QStringLiteral("imm/M0000042N0001.jpg")), "foto");
        writeFile(target.path(QStringLiteral("imm/M0000042N0001.jpg")), "la mia foto");
        break;
    case DataIsAFile:
        QVERIFY(QDir(source.path(QStringLiteral("dati"))).removeRecursively());
        writeFile(source.path(QStringLiteral("DATI")), "non una cartella");
        break;
    case Stopped:
        break;
    case ArchiveBreaks:
        archive.failAfterRows = 2;
        break;
    case CatalogBreaks:
        catalog.failAfterRows = 1;
        break;
    case RowRefused:
        archive.tables[0].rows[1][0] = qint64(42);
        break;
    case DamagedTable:
        copyFixture(QStringLiteral("jet4-project.mdb"), source.path(QStringLiteral("truv.mdb")), 131072);
        openReader = MdbReader::open;
        break;
    case DamagedFile:
        copyFixture(QStringLiteral("jet4-project.mdb"), source.path(QStringLiteral("truv.mdb")), 4096);
        openReader = MdbReader::open;
        break;
    }
    if (!openReader)
        openReader = FakeAccessReader::factory({{QStringLiteral("truv.mdb"), archive},
                                                {QStringLiteral("IMMAGINI.MDB"), catalog}});
    const QMap<QString, QByteArray> before = snapshot(target.folder().root());

    // Asked before every row and file: the user stops the import at the third time of asking.
    int asked = 0;
    AccessImport import(openReader, [&] { return failure == Stopped && ++asked > 2; });
    QString error;
    QVERIFY(!import.importInto(source.folder().root(), target.folder(), &error));
    expected.replace(QStringLiteral("<T>"), target.folder().root());
    expected.replace(QStringLiteral("<O>"), source.folder().root());
    expected.replace(QStringLiteral("<S>"), source.path(QStringLiteral("truv.mdb")));
    QCOMPARE(error, expected);
    QCOMPARE(snapshot(target.folder().root()), before);
}

void AccessImportTest::conversionInPlaceKeepsTheAccessFiles_data()
{
    QTest::addColumn<QString>("catalog"); // Access, missing, ours
    QTest::addColumn<bool>("breaks");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("Access catalogue") << "Access" << false
                                      << QStringList{QStringLiteral("IMMAGINI-access.mdb"),
                                                     QStringLiteral("IMMAGINI.MDB"),
                                                     QStringLiteral("truv-access.mdb"), QStringLiteral("truv.mdb")};
    QTest::newRow("no catalogue") << "missing" << false
                                  << QStringList{QStringLiteral("IMMAGINI.MDB"), QStringLiteral("truv-access.mdb"),
                                                 QStringLiteral("truv.mdb")};
    QTest::newRow("catalogue already ours") << "ours" << false
                                            << QStringList{QStringLiteral("IMMAGINI.MDB"),
                                                           QStringLiteral("truv-access.mdb"),
                                                           QStringLiteral("truv.mdb")};
    QTest::newRow("catalogue unreadable halfway") << "Access" << true
                                                  << QStringList{QStringLiteral("IMMAGINI.MDB"),
                                                                 QStringLiteral("truv.mdb")};
}

void AccessImportTest::conversionInPlaceKeepsTheAccessFiles()
{
    QFETCH(QString, catalog);
    QFETCH(bool, breaks);
    QFETCH(QStringList, files);
    TempProgramFolder folder(TempProgramFolder::Content::Empty);
    const QByteArray accessArchive = jetHeader() + "archivio";
    const QByteArray accessCatalog = jetHeader() + "catalogo";
    writeFile(folder.folder().archivePath(), accessArchive);
    if (catalog == QStringLiteral("Access"))
        writeFile(folder.folder().catalogPath(), accessCatalog);
    if (catalog == QStringLiteral("ours"))
        QVERIFY(PictureCatalog::createEmpty(folder.folder().catalogPath()));
    const QMap<QString, QByteArray> before = snapshot(folder.folder().root());
    FakeAccessFile fakeCatalog = oldCatalog();
    if (breaks)
        fakeCatalog.failAfterRows = 1;

    AccessImport import(FakeAccessReader::factory(
        {{QStringLiteral("truv.mdb"), oldArchive()}, {QStringLiteral("IMMAGINI.MDB"), fakeCatalog}}));
    QString error;
    QCOMPARE(import.convertInPlace(folder.folder(), &error), !breaks);
    QCOMPARE(snapshot(folder.folder().root()).keys(), files);
    if (breaks) {
        QCOMPARE(error, FakeAccessReader::BrokenMessage);
        QCOMPARE(snapshot(folder.folder().root()), before);
        return;
    }
    QCOMPARE(readFile(folder.path(QStringLiteral("truv-access.mdb"))), accessArchive);
    QVERIFY(folder.openArchive()->contains(42));
    const QStringList pictures = queryRows(folder.folder().catalogPath(), QStringLiteral("SELECT count(*) FROM immagini"));
    QCOMPARE(pictures, QStringList(catalog == QStringLiteral("Access") ? QStringLiteral("2") : QStringLiteral("0")));
    if (catalog == QStringLiteral("Access"))
        QCOMPARE(readFile(folder.path(QStringLiteral("IMMAGINI-access.mdb"))), accessCatalog);
    if (catalog == QStringLiteral("ours"))
        QCOMPARE(snapshot(folder.folder().root()).value(QStringLiteral("IMMAGINI.MDB")),
                 before.value(QStringLiteral("IMMAGINI.MDB")));
}

void AccessImportTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments"); // <S> the old folder, <T> the program folder
    QTest::addColumn<bool>("targetHasArchive");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    const QString summary = QStringLiteral("truv.mdb, tabella Table: righe lette 8, scritte 8\n");
    QTest::newRow("into a new folder") << QStringList{QStringLiteral("<S>"), QStringLiteral("<T>/nuova")} << false << 0
                                       << summary;
    QTest::newRow("into the program folder") << QStringList{QStringLiteral("<S>/truv.mdb")} << false << 0 << summary;
    QTest::newRow("archive there already") << QStringList{QStringLiteral("<S>")} << true << 1 << QString();
    QTest::newRow("no source") << QStringList{} << false << 2 << QString();
    QTest::newRow("one word too many") << QStringList{QStringLiteral("<S>"), QStringLiteral("<T>"), QStringLiteral("x")}
                                       << false << 2 << QString();
}

void AccessImportTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, targetHasArchive);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder home(TempProgramFolder::Content::Empty);
    copyFixture(QStringLiteral("jet4-unicode.mdb"), source.path(QStringLiteral("truv.mdb")));
    if (targetHasArchive)
        writeFile(home.folder().archivePath(), "già qui");
    for (QString &argument : arguments) {
        argument.replace(QStringLiteral("<S>"), source.folder().root());
        argument.replace(QStringLiteral("<T>"), home.folder().root());
    }

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), home.folder().root());
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET_PATH), QStringList{QStringLiteral("import-access")} + arguments);
    QVERIFY(truvnet.waitForFinished(60000));
    const QString err = QString::fromUtf8(truvnet.readAllStandardError());
    QCOMPARE(truvnet.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(truvnet.readAllStandardOutput()), out);
    if (exitCode == 0) {
        QVERIFY2(err.contains(AccessImportText::MissingOurTable.arg(QStringLiteral("truv.mdb"), QStringLiteral("cicli"))),
                 qPrintable(err));
        const QString target = arguments.size() == 2 ? arguments.at(1) : home.folder().root();
        QCOMPARE(queryRows(ProgramFolder(target).archivePath(), QStringLiteral("SELECT count(*) FROM \"Table\"")),
                 QStringList(QStringLiteral("8")));
    } else if (exitCode == 1) {
        QCOMPARE(err, AccessImportText::AlreadyExists.arg(home.folder().archivePath()) + QLatin1Char('\n'));
    }
}

QTEST_GUILESS_MAIN(AccessImportTest)
#include "tst_accessimport.moc"
