#pragma once

#include "programfolder.h"
#include "sqlconnection.h"

#include <QList>
#include <QString>

#include <optional>

// One picture of an archived program: its catalogue row and the path of its file.
struct PictureRow {
    qint32 program = 0;
    qint32 np = 0;
    QString type;
    QString shortDescription;
    QString longDescription;
    QString path;
};

// The picture catalogue IMMAGINI.MDB (table immagini) and the picture files in imm, as the
// image manager changes them. Rows and files change together: no row is left pointing at a
// file that is not there, and no file is lost while its row stays.
class PictureStore {
public:
    enum class Status { Done, Missing, FileFailed, CatalogueFailed, Full };
    struct Outcome {
        Status status = Status::Done;
        qint32 np = 0;
        QString path;  // the file concerned, for FileFailed
        QString error; // the system's or the database's own text
    };

    explicit PictureStore(ProgramFolder folder);

    // Opens the catalogue delivered with the program; it is never created here.
    bool open();
    QString lastError() const { return m_error; }
    const ProgramFolder &folder() const { return m_folder; }

    // The program's pictures in np order; nullopt when the catalogue fails.
    std::optional<QList<PictureRow>> picturesOf(qint32 program);
    // One picture; nullopt when there is no such row or the catalogue fails (lastError is then set).
    std::optional<PictureRow> find(qint32 program, qint32 np);

    // Numbered after the program's highest picture; the chosen file is copied byte for byte.
    Outcome add(qint32 program, const QString &sourcePath, const QString &shortDescription,
                const QString &longDescription);
    // Only the descriptions change; the file stays as it is.
    Outcome change(qint32 program, qint32 np, const QString &shortDescription, const QString &longDescription);
    // The row and its file; a file that cannot be deleted keeps its row.
    Outcome remove(qint32 program, qint32 np);

private:
    Outcome addOnce(qint32 program, const QByteArray &bytes, const QString &type, const QString &shortDescription,
                    const QString &longDescription, bool *numberTaken);
    Outcome catalogueFailed(const QString &error);
    Outcome rolledBack(QSqlDatabase &db, const QString &error);

    ProgramFolder m_folder;
    SqlConnection m_connection;
    QString m_error;
};
