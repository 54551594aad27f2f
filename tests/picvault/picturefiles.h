#pragma once

#include "picturestore.h"
#include "tempprogramfolder.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSqlQuery>

#include <stdexcept>

// A picture of the given size in one colour, encoded in format ("PNG", "JPG", "BMP", "TIFF").
inline QByteArray pictureBytes(QSize size, const char *format = "PNG", QColor colour = Qt::darkGreen)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error("cannot encode a test picture");
    return bytes;
}

// A program folder with an open catalogue, and pictures to choose from in its folder "scelte".
struct PictureFixture {
    TempProgramFolder temp;
    PictureStore store{temp.folder()};

    // Given a server, the catalogue is a table of a new database there.
    explicit PictureFixture(PostgresServer *server = nullptr) : temp(TempProgramFolder::Content::Initialised, server)
    {
        if (!store.open())
            throw std::runtime_error(store.lastError().toStdString());
    }
    // A file the user could choose, returned as its full path.
    QString chosen(const QString &name, const QByteArray &bytes = pictureBytes(QSize(40, 30))) const
    {
        temp.writeFile(QStringLiteral("scelte/") + name, bytes);
        return temp.path(QStringLiteral("scelte/") + name);
    }
    // Adds a picture the way "Carica" does; its number, or 0 when it was not added.
    qint32 add(qint32 program, const QString &description = QStringLiteral("staffaggio"),
               const QString &name = QStringLiteral("foto.png"))
    {
        const PictureStore::Outcome outcome = store.add(program, chosen(name), description, {});
        return outcome.status == PictureStore::Status::Done ? outcome.np : 0;
    }
    QList<qint32> numbers(qint32 program)
    {
        QList<qint32> result;
        const QList<PictureRow> rows = store.picturesOf(program).value();
        for (const PictureRow &row : rows)
            result.append(row.np);
        return result;
    }
    QStringList files() const
    {
        return QDir(temp.folder().pictureDir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    // A row written straight into the catalogue, as another program could have left it.
    void insertRow(qint32 program, qint32 np, const QString &type) const
    {
        SqlConnection connection;
        if (!connection.openExisting(temp.folder().catalogDatabase()))
            throw std::runtime_error("catalogue");
        QSqlQuery query(connection.database());
        query.prepare(QStringLiteral("INSERT INTO immagini VALUES (?, ?, ?, 'altro', NULL)"));
        query.addBindValue(program);
        query.addBindValue(np);
        query.addBindValue(type);
        if (!query.exec())
            throw std::runtime_error("insert");
    }
};
