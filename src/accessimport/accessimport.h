#pragma once

#include "accessconversion.h"
#include "accessreader.h"
#include "programfolder.h"

#include <functional>

class UndoableFiles;

// Brings an old shop's Access archive over to our files. Everything is first written into a
// staging folder beside the target (ImportStaging) and takes its place by renames only once
// every table and file was copied; on any failure everything this import made is removed again
// and the folders are as they were.
class AccessImport {
public:
    // stopRequested, asked between rows and files, ends the import as a failure
    // (AccessImportText::Interrupted): the user pressed Ctrl+C.
    explicit AccessImport(AccessReaderFactory openReader, std::function<bool()> stopRequested = {});

    // A new program folder in destination from an old one (source is that folder or its
    // truv.mdb): archive and catalogue converted, dati, imm and cncsett.dat copied byte for byte.
    // Refuses a destination that holds any of these files already.
    bool importInto(const QString &source, const ProgramFolder &destination, QString *error);
    // The folder's own Access archive and catalogue converted where they are; the Access files
    // stay beside them as truv-access.mdb and IMMAGINI-access.mdb.
    bool convertInPlace(const ProgramFolder &folder, QString *error);

    const ImportReport &report() const { return m_report; }

private:
    bool stopRequested() const { return m_stopRequested && m_stopRequested(); }
    bool convertFile(const AccessConversion &conversion, const QString &source, const QString &target,
                     UndoableFiles &files, QString *error);
    bool catalogToStaging(const QString &sourceCatalog, const QString &target, bool keepForeign,
                          UndoableFiles &files, bool *made, QString *error);
    void clearLeftovers(const QString &root);
    void endStaging(const QString &staging, UndoableFiles &files, bool done);

    AccessReaderFactory m_openReader;
    std::function<bool()> m_stopRequested;
    ImportReport m_report;
};
