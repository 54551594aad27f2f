#pragma once

#include "accessconversion.h"
#include "accessreader.h"
#include "programfolder.h"

// Brings an old shop's Access archive over to our files. The converted archive and catalogue are
// written under temporary names and take their real names only when every table was copied;
// on any failure everything this import made is removed again and the folders are as they were.
class AccessImport {
public:
    explicit AccessImport(AccessReaderFactory openReader);

    // A new program folder in destination from an old one (source is that folder or its
    // truv.mdb): archive and catalogue converted, dati, imm and cncsett.dat copied byte for byte.
    // Refuses a destination that holds any of these files already.
    bool importInto(const QString &source, const ProgramFolder &destination, QString *error);
    // The folder's own Access archive and catalogue converted where they are; the Access files
    // stay beside them as truv-access.mdb and IMMAGINI-access.mdb.
    bool convertInPlace(const ProgramFolder &folder, QString *error);

    const ImportReport &report() const { return m_report; }

private:
    AccessReaderFactory m_openReader;
    ImportReport m_report;
};
