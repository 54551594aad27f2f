// Import of old Access archives: the test files through libmdb, and a synthetic 100,000-row cicli
// through the fake reader, each against a baseline measured in the same run (a plain file copy of
// the Access file; the same rows inserted straight into a new archive). Each figure is the best of
// a few runs, as the machine is shared.
#include "benchsupport.h"
#include "accessimport.h"
#include "archivestore.h"
#include "fakeaccessreader.h"
#include "mdbreader.h"
#include "sqlconnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr qint64 kSyntheticRows = 100000;
constexpr int kRuns = 5;

QVariantList syntheticRow(qint64 i)
{
    return {i + 1,
            QStringLiteral("CLIENTE %1").arg(i % 500),
            QStringLiteral("DIS-%1").arg(i, 7, 10, QLatin1Char('0')),
            QStringLiteral("Flangia à %1").arg(i),
            QStringLiteral("nota riga 1\r\nnota riga 2"),
            QStringLiteral("T1"),
            QVariant()};
}

FakeAccessFile syntheticArchive()
{
    FakeAccessFile file;
    FakeAccessFile::Table cicli;
    cicli.table.name = QStringLiteral("cicli");
    cicli.table.columns = {{QStringLiteral("progr"), ColumnKind::Integer}, {QStringLiteral("cliente"), ColumnKind::Text},
                           {QStringLiteral("disegno"), ColumnKind::Text},  {QStringLiteral("descrizione"), ColumnKind::Text},
                           {QStringLiteral("memo"), ColumnKind::Text},     {QStringLiteral("macchina"), ColumnKind::Text},
                           {QStringLiteral("testo"), ColumnKind::Text}};
    cicli.table.declaredRows = kSyntheticRows;
    cicli.generatedRows = kSyntheticRows;
    cicli.generate = syntheticRow;
    file.tables = {cicli};
    return file;
}

double straightInsertMs(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    ArchiveStore::createEmpty(path);
    SqlConnection connection;
    connection.openExisting(path);
    QSqlDatabase db = connection.database();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO cicli (progr, cliente, disegno, descrizione, memo, macchina, testo) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (qint64 i = 0; i < kSyntheticRows; ++i) {
        const QVariantList row = syntheticRow(i);
        for (int c = 0; c < row.size(); ++c)
            insert.bindValue(c, row.at(c));
        insert.exec();
    }
    db.commit();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QDir fixtures(QStringLiteral(ACCESS_FIXTURES));
    bool allDone = true;
    for (const QString &name : {QStringLiteral("jet3-project.mdb"), QStringLiteral("jet4-project.mdb"),
                                QStringLiteral("jet4-unicode.mdb")}) {
        const double copyMs = Bench::shortestMs(kRuns, [&] {
            QTemporaryDir work;
            QElapsedTimer timer;
            timer.start();
            QFile::copy(fixtures.filePath(name), QDir(work.path()).filePath(QStringLiteral("copia.mdb")));
            return timer.nsecsElapsed() / 1e6;
        });
        QString error;
        const double importMs = Bench::shortestMs(kRuns, [&] {
            QTemporaryDir work;
            QElapsedTimer timer;
            timer.start();
            AccessImport import(MdbReader::open);
            allDone = import.importInto(fixtures.filePath(name), ProgramFolder(QDir(work.path()).filePath("nuova")),
                                        &error) && allDone;
            return timer.nsecsElapsed() / 1e6;
        });
        out << name << ": importato in " << importMs << " ms; copia del file " << copyMs << " ms; rapporto "
            << importMs / copyMs << (error.isEmpty() ? QString() : QStringLiteral(" (") + error + QLatin1Char(')'))
            << '\n';
    }

    const double baselineMs = Bench::shortestMs(kRuns, [] {
        QTemporaryDir work;
        return straightInsertMs(QDir(work.path()).filePath(QStringLiteral("diretto.mdb")));
    });
    QTemporaryDir source;
    QFile header(QDir(source.path()).filePath(QStringLiteral("truv.mdb")));
    header.open(QIODevice::WriteOnly);
    header.write(jetHeader());
    header.close();
    QString error;
    const double importMs = Bench::shortestMs(kRuns, [&] {
        QTemporaryDir work;
        QElapsedTimer timer;
        timer.start();
        AccessImport import(FakeAccessReader::factory({{QStringLiteral("truv.mdb"), syntheticArchive()}}));
        allDone = import.importInto(source.path(), ProgramFolder(QDir(work.path()).filePath("nuova")), &error)
            && allDone;
        return timer.nsecsElapsed() / 1e6;
    });
    out << kSyntheticRows << " righe di cicli (lettore finto): importate in " << importMs << " ms ("
        << qint64(kSyntheticRows * 1000 / importMs) << " righe/s); inserimento diretto " << baselineMs
        << " ms; rapporto " << importMs / baselineMs << (error.isEmpty() ? QString() : QStringLiteral(" (") + error + QLatin1Char(')'))
        << '\n';
    return allDone ? 0 : 1;
}
