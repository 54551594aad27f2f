#pragma once

#include "archiverecord.h"
#include "programprint.h"
#include "programsaver.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class AccessPassword;
class ArchiveStore;
class Dialogs;
class ProgramFolder;
class QMdiArea;
class QMdiSubWindow;
class QRect;
class SettingsStore;
class frmFind;
class frmNotePad;
struct EditorSession;

// What the editor windows work with, owned by the program's session.
struct EditorContext {
    ArchiveStore &archive;
    const ProgramFolder &folder;
    const AccessPassword &password;
    SettingsStore &settings;
    Dialogs &dialogs;
    EditorSession &session;
};

// The editor windows inside the main window: opening archived programs into slots, saving,
// the close question and the window arrangement commands.
class EditorWorkspace : public QObject {
    Q_OBJECT
public:
    // Shows the archive browser; the chosen record, or nothing when the user chose none.
    using ProgramChooser = std::function<std::optional<ArchiveRecord>()>;

    EditorWorkspace(QMdiArea &area, EditorContext context, ProgramChooser chooser);

    // OpenArchivedProgram
    void openArchivedProgram();
    // Opens a record's program in a free slot; returns its window.
    frmNotePad *openProgram(const ArchiveRecord &record);
    // SaveEditorText for one window (made the active one first).
    SaveOutcome saveWindow(frmNotePad *window);
    void closeWindow(frmNotePad *window);
    frmNotePad *activeEditor() const;
    frmNotePad *editorInSlot(int slot) const;

    void cascade();
    void tile();
    void minimiseAll();
    void arrangeIcons();
    void showHelp();

    // Find and replace in the active editor window ("&Trova", "Trova &successivo", "&Rimpiazza").
    void openFindWindow();
    void findAgain();
    void replace();
    frmFind *findWindow() const;

    // ImportProgramText and ExportProgramText for a window.
    void importText(frmNotePad *window);
    void exportText(frmNotePad *window);
    // PrintProgram for a window: its selection, or its whole text, under its record's header.
    void printProgram(frmNotePad *window, PrintMode mode);
    // "A&ltezza carattere" for a window, "Alte&zza car. stampa mm." for the run.
    void askTextAreaFontSize(frmNotePad *window);
    void askPrintCharSize();
    // "Revisioni...": the revisions window of a window's program, modal.
    void showRevisions(frmNotePad *window);
    // "&Lista cicli": the archive list printing window, modal.
    void showListPrinting();
    // "&Immagini": the image manager for a window's program, while the main window stays hidden.
    void showPictures(frmNotePad *window);
    // The image manager is looked for in this folder (at first, the one that holds this program).
    void lookForPictureManagerIn(const QString &folder);
    bool pictureManagerFound() const { return !m_pictureManager.isEmpty(); }

    // Called by the editor windows.
    void markDirty(int slot);
    bool mayClose(frmNotePad *window);
    void unloaded(frmNotePad *window);

signals:
    void programOpened();
    // Emitted when the last editor window has closed: the main window hides its edit buttons.
    void lastEditorClosed();
    void exitRequested();
    // "&Trasmissione/ricezione": the terminal opens with this window's text and hands received
    // text back to it.
    void terminalRequested(frmNotePad *source);
    // "&Invio/ricezione non schedulata": the main window's own send/receive command.
    void sendReceiveRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepFillingTheArea(const QRect &before);
    void applyStoredFonts(frmNotePad *window);
    QMdiSubWindow *subWindowOf(frmNotePad *window) const;
    // True while the window is the open window of its slot.
    bool ownsItsSlot(const frmNotePad *window) const;
    void focusActiveText();

    QMdiArea &m_area;
    EditorContext m_context;
    ProgramChooser m_chooser;
    QPointer<frmFind> m_findWindow;
    QString m_pictureManager;
};
