#pragma once

#include "archiverecord.h"
#include "programfolder.h"

#include <QTemporaryDir>

#include <memory>

class ArchiveStore;
class PostgresServer;

// A program folder in a temporary directory, removed with the object. When asked, it holds
// the empty delivered files (truv.mdb, IMMAGINI.MDB, cncsett.dat, dati, imm). Given a server,
// its archive and picture catalogue are tables of a new database of that server instead.
class TempProgramFolder {
public:
    enum class Content { Empty, Initialised };

    explicit TempProgramFolder(Content content = Content::Initialised, PostgresServer *server = nullptr);

    const ProgramFolder &folder() const { return m_folder; }
    QString path(const QString &relative) const { return m_folder.path(relative); }

    // Opens the archive, runs the start-up load on it and returns it; fails the test if it cannot.
    std::unique_ptr<ArchiveStore> openArchive() const;
    void writeProgramText(qint32 number, const QByteArray &bytes) const;
    void writeFile(const QString &relative, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};
