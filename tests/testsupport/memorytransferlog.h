#pragma once

#include "transferlog.h"

#include <QStringList>

#include <vector>

// A transfer log in memory, for the code that records; failing makes every write fail.
class MemoryTransferLog : public TransferLog {
public:
    std::vector<TransferEntry> rows;
    bool failing = false;

    std::optional<qint64> begin(const TransferEntry &entry) override
    {
        if (failing)
            return std::nullopt;
        rows.push_back(entry);
        rows.back().id = qint64(rows.size());
        return rows.back().id;
    }
    bool finish(const TransferEntry &entry) override
    {
        if (failing)
            return false;
        if (entry.id <= 0 || entry.id > qint64(rows.size()))
            return begin(entry).has_value();
        rows.at(size_t(entry.id - 1)) = entry;
        return true;
    }
    QString lastError() const override { return failing ? QStringLiteral("disco pieno") : QString(); }

    // Each row as "operation machine CNC-number bytes result: message".
    QStringList summary() const
    {
        QStringList lines;
        for (const TransferEntry &entry : rows) {
            QString line = QStringList{operationWord(entry.operation), entry.machine,
                                       entry.cncProgram ? QString::number(*entry.cncProgram) : QStringLiteral("-"),
                                       QString::number(entry.bytes), resultWord(entry.result)}
                               .join(u' ');
            if (!entry.message.isEmpty())
                line += QStringLiteral(": ") + entry.message;
            lines.append(line);
        }
        return lines;
    }
};
