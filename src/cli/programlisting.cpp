#include "programlisting.h"

#include "commandrun.h"
#include "archivestore.h"
#include "commandlinetext.h"

#include <QTextStream>

#include <algorithm>
#include <QCoreApplication>

namespace {

// A value on one line of its own column: tabs and line breaks inside it become blanks.
QString field(QString value)
{
    for (QChar &c : value) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return value;
}

} // namespace

int listPrograms(const ProgramFolder &folder, const QStringList &options, QTextStream &out, QTextStream &err)
{
    const QStringList known{QStringLiteral("--customer"), QStringLiteral("--drawing"), QStringLiteral("--description"),
                            QStringLiteral("--number")};
    if (!(options.isEmpty() || (options.size() == 2 && known.contains(options.first())))) {
        err << CommandLineText::Usage;
        return 2;
    }
    const QString option = options.value(0);
    const QString value = options.value(1);
    bool numeric = false;
    const qint32 number = value.trimmed().toInt(&numeric);
    if (option == u"--number" && (!numeric || number < 1)) {
        err << CommandLineText::Usage;
        return 2;
    }

    QString error;
    const std::unique_ptr<ArchiveStore> archive = ArchiveStore::open(folder.archiveDatabase(), &error);
    if (!archive) {
        err << error << Qt::endl;
        return 1;
    }
    std::vector<ArchiveRecord> found;
    if (option == u"--number") {
        const std::optional<ArchiveRecord> record = archive->seek(number);
        if (!record || record->disegno.isNull()) {
            err << (archive->lastError().isEmpty() ? CommandLineText::ProgramNotArchived.arg(number) : archive->lastError())
                << Qt::endl;
            return 1;
        }
        found.push_back(*record);
    } else {
        using Field = ArchiveStore::SearchField;
        const Field searched = option == u"--customer" ? Field::Customer
            : option == u"--description"               ? Field::Description
                                                       : Field::Drawing;
        found = archive->findRecords(searched, value);
        if (!archive->lastError().isEmpty()) {
            err << archive->lastError() << Qt::endl;
            return 1;
        }
        if (options.isEmpty())
            std::sort(found.begin(), found.end(), [](const ArchiveRecord &a, const ArchiveRecord &b) { return a.progr < b.progr; });
    }
    for (const ArchiveRecord &record : found) {
        out << record.progr << '\t' << field(record.cliente) << '\t' << field(record.disegno) << '\t'
            << field(record.descrizione) << '\t' << field(record.macchina) << '\n';
    }
    out.flush();
    return 0;
}

int programsCommand(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    CommandFolder run;
    if (!run.announce())
        return 1;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return listPrograms(run.folder(), app.arguments().mid(2), out, err);
}
