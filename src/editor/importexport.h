#pragma once

#include <QString>

class Dialogs;
class EditableText;

// ImportProgramText once the user has chosen a file: the text becomes the file's bytes, as
// loaded; true when it did. A file that cannot be read leaves the text as it was.
bool importProgramFile(EditableText &text, const QString &path);
// ExportProgramText once the user has chosen a file: writes the text as it is, then says
// "Esportato", or why the file could not be written.
void exportProgramFile(const EditableText &text, const QString &path, Dialogs &dialogs);
