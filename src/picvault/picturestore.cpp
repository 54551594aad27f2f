#include "picturestore.h"

#include "picturecatalog.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <limits>

namespace {

QVariant nullWhenEmpty(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

} // namespace

PictureStore::PictureStore(ProgramFolder folder) : m_folder(std::move(folder)) {}

bool PictureStore::open()
{
    if (!m_connection.openExisting(m_folder.catalogDatabase())) {
        m_error = m_connection.errorText();
        return false;
    }
    return true;
}

PictureStore::Outcome PictureStore::catalogueFailed(const QString &error)
{
    m_error = error;
    return {Status::CatalogueFailed, 0, {}, error};
}

PictureStore::Outcome PictureStore::rolledBack(QSqlDatabase &db, const QString &error)
{
    db.rollback();
    return catalogueFailed(error);
}

std::optional<QList<PictureRow>> PictureStore::picturesOf(qint32 program)
{
    m_error.clear();
    QSqlQuery query(m_connection.database());
    query.prepare(QStringLiteral("SELECT np, tipo, descrizionebreve, desclunga FROM immagini "
                                 "WHERE progressivo = ? ORDER BY np"));
    query.addBindValue(program);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return std::nullopt;
    }
    QList<PictureRow> rows;
    while (query.next()) {
        PictureRow row;
        row.program = program;
        row.np = query.value(0).toInt();
        row.type = query.value(1).toString();
        row.shortDescription = query.value(2).toString();
        row.longDescription = query.value(3).toString();
        row.path = PictureCatalog::filePath(m_folder, program, row.np, row.type);
        rows.append(row);
    }
    return rows;
}

std::optional<PictureRow> PictureStore::find(qint32 program, qint32 np)
{
    const std::optional<QList<PictureRow>> rows = picturesOf(program);
    if (!rows)
        return std::nullopt;
    for (const PictureRow &row : *rows) {
        if (row.np == np)
            return row;
    }
    return std::nullopt;
}

PictureStore::Outcome PictureStore::add(qint32 program, const QString &sourcePath, const QString &shortDescription,
                                        const QString &longDescription)
{
    // Another PC adding a picture to the same program at the same moment takes the same number;
    // the unique index refuses the second row before its file is written, and it is numbered again.
    constexpr int Attempts = 100;
    // Read before the catalogue is locked, and once however often the number is chosen again.
    QString error;
    const std::optional<QByteArray> bytes = TextFile::read(sourcePath, &error);
    if (!bytes)
        return {Status::FileFailed, 0, sourcePath, error};
    const QString type = PictureCatalog::typeOf(sourcePath);
    Outcome outcome;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        bool numberTaken = false;
        outcome = addOnce(program, *bytes, type, shortDescription, longDescription, &numberTaken);
        if (!numberTaken)
            break;
    }
    return outcome;
}

PictureStore::Outcome PictureStore::addOnce(qint32 program, const QByteArray &bytes, const QString &type,
                                            const QString &shortDescription, const QString &longDescription,
                                            bool *numberTaken)
{
    QSqlDatabase db = m_connection.database();
    QSqlQuery query(db);
    if (!query.exec(m_connection.dialect().beginReadThenWrite()))
        return catalogueFailed(query.lastError().text());
    query.prepare(QStringLiteral("SELECT MAX(np) FROM immagini WHERE progressivo = ?"));
    query.addBindValue(program);
    if (!query.exec() || !query.next())
        return rolledBack(db, query.lastError().text());
    const qint64 highest = query.value(0).isNull() ? 0 : query.value(0).toLongLong();
    query.finish();
    // The numbers are never reused below the highest, so they could run out: stop cleanly.
    if (highest >= std::numeric_limits<qint32>::max()) {
        db.rollback();
        return {Status::Full, 0, {}, {}};
    }
    const qint32 np = qint32(highest + 1);
    query.prepare(QStringLiteral("INSERT INTO immagini (progressivo, np, tipo, descrizionebreve, desclunga) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(program);
    query.addBindValue(np);
    query.addBindValue(type);
    query.addBindValue(shortDescription);
    query.addBindValue(nullWhenEmpty(longDescription));
    if (!query.exec()) {
        *numberTaken = m_connection.dialect().isUniqueViolation(query.lastError());
        return rolledBack(db, query.lastError().text());
    }
    // The row is kept only once its file is in place.
    const QString target = PictureCatalog::filePath(m_folder, program, np, type);
    QString error;
    QDir().mkpath(m_folder.pictureDir());
    if (!TextFile::writeAtomically(target, bytes, &error)) {
        db.rollback();
        return {Status::FileFailed, np, target, error};
    }
    if (!db.commit()) {
        QFile::remove(target);
        return rolledBack(db, db.lastError().text());
    }
    return {Status::Done, np, target, {}};
}

PictureStore::Outcome PictureStore::change(qint32 program, qint32 np, const QString &shortDescription,
                                           const QString &longDescription)
{
    if (!find(program, np))
        return m_error.isEmpty() ? Outcome{Status::Missing, np, {}, {}} : catalogueFailed(m_error);
    QSqlQuery query(m_connection.database());
    query.prepare(QStringLiteral("UPDATE immagini SET descrizionebreve = ?, desclunga = ? "
                                 "WHERE progressivo = ? AND np = ?"));
    query.addBindValue(shortDescription);
    query.addBindValue(nullWhenEmpty(longDescription));
    query.addBindValue(program);
    query.addBindValue(np);
    if (!query.exec())
        return catalogueFailed(query.lastError().text());
    return {Status::Done, np, {}, {}};
}

PictureStore::Outcome PictureStore::remove(qint32 program, qint32 np)
{
    const std::optional<PictureRow> row = find(program, np);
    if (!row)
        return m_error.isEmpty() ? Outcome{Status::Missing, np, {}, {}} : catalogueFailed(m_error);
    QSqlDatabase db = m_connection.database();
    if (!db.transaction())
        return catalogueFailed(db.lastError().text());
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM immagini WHERE progressivo = ? AND np = ?"));
    query.addBindValue(program);
    query.addBindValue(np);
    if (!query.exec())
        return rolledBack(db, query.lastError().text());
    // A file already gone is no reason to keep the row; one that stays keeps it.
    QFile file(row->path);
    if (file.exists() && !file.remove()) {
        db.rollback();
        return {Status::FileFailed, np, row->path, file.errorString()};
    }
    if (!db.commit())
        return rolledBack(db, db.lastError().text());
    return {Status::Done, np, row->path, {}};
}
