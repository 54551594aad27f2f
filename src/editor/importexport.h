#pragma once

class Dialogs;
class EditableText;

// ImportProgramText: replaces the text with a file the user chooses; true when it did. A file
// that cannot be read leaves the text as it was.
bool importProgramText(EditableText &text, Dialogs &dialogs);
// ExportProgramText: writes the text, as it is, to a file the user chooses; "Esportato" once
// written, a message saying why when it could not be.
void exportProgramText(const EditableText &text, Dialogs &dialogs);
