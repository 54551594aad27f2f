#pragma once

#include <QString>

// One archived part program ("ciclo"): a row of table cicli. Its text lives in dati/P + number.
struct ArchiveRecord {
    qint32 progr = 0;
    QString cliente;
    QString disegno;
    QString descrizione;
    QString memo;
    QString macchina;

    bool operator==(const ArchiveRecord &) const = default;
};
