#pragma once

#include "databaseaddress.h"

#include <QString>

class SettingsStore;

// The folder that holds the archive, the program texts, the pictures and the machine list.
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    // TRUV_HOME when set; else the executable's folder when it holds truv.mdb;
    // else the per-user data folder.
    static QString resolveRoot(const QString &truvHome, const QString &executableDir,
                               const QString &homeDir);
    // The folder as resolveRoot finds it, with the archive server of the settings, if any.
    static ProgramFolder fromEnvironment(const QString &executableDir);
    // The settings' archive/url (and archive/password); an empty address when not set.
    static DatabaseAddress configuredArchiveServer(const SettingsStore &settings);

    // "P" + seven zero-filled digits: the name of an archived program's text file.
    static QString programFileName(qint32 number);
    // "M" + seven digits + "N": the start of every picture file name of a program.
    static QString picturePrefix(qint32 number);

    // The names of the folder's files and subfolders, as the old program spelt them.
    static QString archiveFileName() { return QStringLiteral("truv.mdb"); }
    static QString catalogFileName() { return QStringLiteral("IMMAGINI.MDB"); }
    static QString machineFileName() { return QStringLiteral("cncsett.dat"); }
    static QString dataFolderName() { return QStringLiteral("dati"); }
    static QString pictureFolderName() { return QStringLiteral("imm"); }

    const QString &root() const { return m_root; }
    QString path(const QString &relative) const;
    QString archivePath() const { return path(archiveFileName()); }
    QString catalogPath() const { return path(catalogFileName()); }

    // With a server, the archive and the picture catalogue are tables of the server's database
    // and the files above are not used; program texts and pictures stay in this folder.
    void setArchiveServer(const DatabaseAddress &server) { m_server = server; }
    bool archiveOnServer() const { return m_server.isServer(); }
    DatabaseAddress archiveDatabase() const;
    DatabaseAddress catalogDatabase() const;
    QString machineFilePath() const { return path(machineFileName()); }
    QString dataDir() const { return path(dataFolderName()); }
    QString pictureDir() const { return path(pictureFolderName()); }
    QString programTextPath(qint32 number) const;

    // Creates dati and imm; an existing folder is no error.
    bool createWorkFolders() const;

private:
    QString m_root;
    DatabaseAddress m_server;
};
