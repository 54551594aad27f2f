#include "importexport.h"

#include "dialogs.h"
#include "editabletext.h"
#include "messages.h"
#include "textfile.h"

#include <QDir>

bool importProgramText(EditableText &text, Dialogs &dialogs)
{
    const QString path = dialogs.openFileName({}, {}, {});
    if (path.isEmpty())
        return false;
    const std::optional<QByteArray> bytes = TextFile::read(path);
    if (!bytes)
        return false;
    text.setAll(*bytes);
    return true;
}

void exportProgramText(const EditableText &text, Dialogs &dialogs)
{
    const QString path = dialogs.saveFileName({}, {}, {});
    if (path.isEmpty())
        return;
    const QByteArrayView bytes = text.bytes();
    QString error;
    if (TextFile::writeAtomically(path, QByteArray::fromRawData(bytes.data(), bytes.size()), &error))
        dialogs.message(EditorText::Exported);
    else
        dialogs.message(EditorText::ExportFailed + QDir::toNativeSeparators(path) + QLatin1Char('\n') + error, {},
                        Dialogs::Icon::Exclamation);
}
