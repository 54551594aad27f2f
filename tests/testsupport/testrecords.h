#pragma once

#include "archiverecord.h"

// An archive row with the fields that lists and searches show.
inline ArchiveRecord archiveRecord(qint32 progr, const QString &cliente, const QString &disegno = QStringLiteral("D"),
                                   const QString &descrizione = QStringLiteral("descr"))
{
    ArchiveRecord record;
    record.progr = progr;
    record.cliente = cliente;
    record.disegno = disegno;
    record.descrizione = descrizione;
    return record;
}
