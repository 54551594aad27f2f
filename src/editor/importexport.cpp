#include "importexport.h"

#include "dialogs.h"
#include "editabletext.h"
#include "editortext.h"
#include "textfile.h"

#include <QDir>

bool importProgramFile(EditableText &text, const QString &path)
{
    const std::optional<QByteArray> bytes = TextFile::read(path);
    if (!bytes)
        return false;
    text.setAll(*bytes);
    return true;
}

void exportProgramFile(const EditableText &text, const QString &path, Dialogs &dialogs)
{
    const QByteArrayView bytes = text.bytes();
    QString error;
    if (TextFile::writeAtomically(path, QByteArray::fromRawData(bytes.data(), bytes.size()), &error))
        dialogs.message(EditorText::Exported);
    else
        dialogs.message(EditorText::ExportFailed.toString() + QDir::toNativeSeparators(path) + QLatin1Char('\n')
                            + error,
                        {}, Dialogs::Icon::Exclamation);
}
