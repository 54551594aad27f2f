#pragma once

#include "accesspassword.h"
#include "archivestore.h"
#include "editorsession.h"
#include "editorworkspace.h"
#include "frmnotepad.h"
#include "scripteddialogs.h"
#include "settingsstore.h"
#include "tempprogramfolder.h"

#include <QAction>
#include <QMdiArea>
#include <QSettings>

#include <optional>
#include <utility>

inline ArchiveRecord editorRecord(qint32 progr, const QString &cliente = QStringLiteral("ROSSI"))
{
    ArchiveRecord r;
    r.progr = progr;
    r.cliente = cliente;
    r.disegno = QStringLiteral("471");
    r.descrizione = QStringLiteral("FLANGIA");
    return r;
}

// An editor workspace in a frame, over a temporary program folder holding programs 1 and 2,
// with the settings of a first run.
struct EditorFixture {
    TempProgramFolder temp;
    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    AccessPassword password;
    SettingsStore settings;
    ScriptedDialogs dialogs;
    EditorSession session;
    QMdiArea area;
    std::optional<ArchiveRecord> nextChoice;
    EditorWorkspace workspace{area, EditorContext{*archive, temp.folder(), password, settings, dialogs, session},
                              [this] { return std::exchange(nextChoice, std::nullopt); }};

    EditorFixture()
    {
        QSettings(QStringLiteral("TRUV"), QStringLiteral("TRUV")).clear();
        archive->add(editorRecord(1));
        archive->add(editorRecord(2, QString()));
        temp.writeProgramText(1, "O0001\r\nG00 X0\r\n");
        area.window()->setWindowTitle(QStringLiteral("Gestione programmi C.N. Rel 1.0.0"));
        area.resize(800, 600);
        area.show();
    }
    frmNotePad *open(qint32 progr)
    {
        nextChoice = *archive->seek(progr);
        workspace.openArchivedProgram();
        return workspace.activeEditor();
    }
    static void trigger(frmNotePad *window, const char *entry)
    {
        window->findChild<QAction *>(QString::fromLatin1(entry))->trigger();
    }
};
