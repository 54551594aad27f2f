#pragma once

#include "programfolder.h"
#include "receivedprogramfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files the programs that truvnet listen receives in dati, under the names the received-files
// window reads: OUT + the archive number written after "YYY" in the text, NEW + a suffix for
// any other program, ERR + a suffix for a reception that a line error ended, the error's text
// at its top. A file is written whole under its name and never over another one: an OUT name
// still waiting gives NEW, a suffix taken gives the next. When dati refuses it (full disk),
// it goes to the rescue folders of truvnet receive.
class DncFiler {
public:
    DncFiler(const ProgramFolder &folder, ReceivedProgramFile rescue = ReceivedProgramFile());

    struct Filed {
        QString path;        // where it went; empty when nowhere
        QString name;        // its name in dati
        qint64 bytes = 0;
        QString note;        // why a marked program is not OUT, or the line error
        QStringList messages; // failures to write, and where it went instead
    };
    // raw: what arrived, unfiltered; lineError: empty unless a line error ended the reception.
    Filed file(const QByteArray &raw, const QString &lineError = {});

private:
    // Whether dati holds the name, its prefix in any case.
    bool taken(const QString &name) const;
    Filed write(const QString &name, const QByteArray &bytes);
    // The text under the first free name of a kind (NEW, ERR), its suffixes taken in turn.
    Filed writeNumbered(QString (*name)(qint32 suffix), qint32 &next, const QByteArray &text, const QString &note);
    qint32 takeSuffix(qint32 &next);

    QString m_dataDir;
    ReceivedProgramFile m_rescue;
    qint32 m_nextNew = 1;
    qint32 m_nextErr = 1;
};
