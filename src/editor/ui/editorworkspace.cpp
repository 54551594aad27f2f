#include "editorworkspace.h"

#include "archivestore.h"
#include "dialogs.h"
#include "editorsession.h"
#include "editorsettings.h"
#include "form3.h"
#include "frmfind.h"
#include "frmnotepad.h"
#include "frmrevisioni.h"
#include "importexport.h"
#include "editortext.h"
#include "pageprinter.h"
#include "programfolder.h"
#include "programtext.h"
#include "programtextarea.h"
#include "revisionhistory.h"
#include "revisiontext.h"
#include "settingsstore.h"
#include "textfile.h"
#include "windowreturn.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QResizeEvent>
#include <QStandardPaths>

namespace {

// The question box takes the pointer from the window's title bar, and the title bar believes
// it gone until the pointer moves again: the next click on its close box would be lost (after
// Escape, say). Tell it where the pointer is.
void notePointerOver(QWidget *window)
{
    const QPoint global = QCursor::pos(window->screen());
    const QPoint local = window->mapFromGlobal(global);
    if (!window->rect().contains(local))
        return;
    QMouseEvent moved(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &moved);
}

} // namespace

EditorWorkspace::EditorWorkspace(QMdiArea &area, EditorContext context, ProgramChooser chooser)
    : m_area(area), m_context(context), m_chooser(std::move(chooser))
{
    lookForPictureManagerIn(QCoreApplication::applicationDirPath());
    // A window out of reach, in a small frame, can still be scrolled to.
    m_area.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area.viewport()->installEventFilter(this);
}

bool EditorWorkspace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area.viewport() && event->type() == QEvent::Resize)
        keepFillingTheArea(QRect(QPoint(0, 0), static_cast<QResizeEvent *>(event)->oldSize()));
    return QObject::eventFilter(watched, event);
}

void EditorWorkspace::keepFillingTheArea(const QRect &before)
{
    // A window that filled the area (as a new one does) follows it; one the user placed stays.
    const QRect now = m_area.viewport()->rect();
    for (QMdiSubWindow *sub : m_area.subWindowList()) {
        if (!sub->isMaximized() && !sub->isMinimized() && sub->geometry() == before)
            sub->setGeometry(now);
    }
}

void EditorWorkspace::openArchivedProgram()
{
    const std::optional<ArchiveRecord> record = m_chooser();
    if (record)
        openProgram(*record);
}

frmNotePad *EditorWorkspace::openProgram(const ArchiveRecord &record)
{
    EditorSlots &table = m_context.session.windows;
    const int slot = table.findFreeSlot();
    // A fresh window for every opening: a closed window is destroyed, so it can never answer
    // for the program that takes its slot later.
    const QMdiSubWindow *previous = m_area.activeSubWindow();
    const bool maximised = previous && previous->isMaximized();
    auto *window = new frmNotePad(*this, slot, table.state(slot).numbering);
    QMdiSubWindow *sub = m_area.addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    table.setWindow(slot, window);
    window->setWindowTitle(editorCaption(slot, record));
    applyStoredFonts(window);
    window->show();
    // Large enough to read the program: maximised like the window before it, else the whole area.
    if (maximised) {
        sub->showMaximized();
    } else {
        sub->setGeometry(m_area.viewport()->rect());
        sub->show();
    }
    m_area.setActiveSubWindow(sub);
    table.setProgram(slot, record.progr);

    const QString path = m_context.folder.programTextPath(record.progr);
    // A missing or unreadable file opens as an empty program; saving creates it.
    window->textArea()->setBytes(TextFile::read(path).value_or(QByteArray()));
    table.state(slot).dirty = false;
    emit programOpened();
    return window;
}

void EditorWorkspace::applyStoredFonts(frmNotePad *window)
{
    m_context.session.printCharSize = storedPrintCharSize(m_context.settings);
    const std::optional<TextAreaFont> font = storedTextAreaFont(m_context.settings);
    if (!font)
        return;
    QFont applied = window->textArea()->font();
    applied.setFamily(font->name);
    if (font->size > 0)
        applied.setPointSize(font->size);
    window->textArea()->setFont(applied);
}

QMdiSubWindow *EditorWorkspace::subWindowOf(frmNotePad *window) const
{
    return qobject_cast<QMdiSubWindow *>(window->parentWidget());
}

frmNotePad *EditorWorkspace::activeEditor() const
{
    QMdiSubWindow *active = m_area.activeSubWindow();
    return active ? qobject_cast<frmNotePad *>(active->widget()) : nullptr;
}

frmNotePad *EditorWorkspace::editorInSlot(int slot) const
{
    const EditorSlots &table = m_context.session.windows;
    if (!table.isValid(slot) || table.state(slot).deleted)
        return nullptr;
    return qobject_cast<frmNotePad *>(table.window(slot));
}

SaveOutcome EditorWorkspace::saveWindow(frmNotePad *window)
{
    // A window that no longer holds its slot must never write the slot's new program.
    if (!ownsItsSlot(window))
        return SaveOutcome::NotSaved;
    m_area.setActiveSubWindow(subWindowOf(window));
    const int slot = window->slot();
    if (!mayWriteProgramText(m_context.password, m_context.dialogs))
        return SaveOutcome::PasswordRefused;
    // The hourglass comes after the password box, while the file is written.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SaveOutcome outcome = writeProgramText(window->textArea()->bytes(), m_context.session.windows.program(slot),
                                                 m_context.archive, m_context.folder, m_context.dialogs);
    QApplication::restoreOverrideCursor();
    if (outcome == SaveOutcome::Saved)
        m_context.session.windows.state(slot).dirty = false;
    return outcome;
}

void EditorWorkspace::closeWindow(frmNotePad *window)
{
    if (QMdiSubWindow *sub = subWindowOf(window))
        sub->close();
}

void EditorWorkspace::markDirty(int slot)
{
    EditorSlots &table = m_context.session.windows;
    if (table.isValid(slot))
        table.state(slot).dirty = true;
}

bool EditorWorkspace::ownsItsSlot(const frmNotePad *window) const
{
    const EditorSlots &table = m_context.session.windows;
    const int slot = window->slot();
    return table.isValid(slot) && !table.state(slot).deleted && table.window(slot) == window;
}

bool EditorWorkspace::mayClose(frmNotePad *window)
{
    const EditorSlots &table = m_context.session.windows;
    const int slot = window->slot();
    if (!ownsItsSlot(window))
        return true;
    QMdiSubWindow *sub = subWindowOf(window);
    sub->show();
    m_area.setActiveSubWindow(sub);
    if (!table.state(slot).dirty)
        return true;

    const QString caption = window->windowTitle();
    const Dialogs::Button answer = m_context.dialogs.question(
        tr("Il testo in [%1] è stato modificato.\n\rSalvare le modifiche?").arg(caption),
        Dialogs::Buttons::YesNoCancel, m_area.window()->windowTitle(), Dialogs::Icon::Exclamation);
    notePointerOver(sub);
    switch (answer) {
    case Dialogs::Button::Yes:
        // A text that could not be written keeps its window, so nothing typed is lost.
        return caption.isEmpty() || saveWindow(window) == SaveOutcome::Saved;
    case Dialogs::Button::No:
        return true;
    default:
        return false;
    }
}

void EditorWorkspace::unloaded(frmNotePad *window)
{
    EditorSlots &table = m_context.session.windows;
    if (!ownsItsSlot(window))
        return;
    const int slot = window->slot();
    table.state(slot).deleted = true;
    table.state(slot).numbering = window->numbering();
    table.setWindow(slot, nullptr);
    if (!table.anyEditorOpen())
        emit lastEditorClosed();
}

void EditorWorkspace::cascade()
{
    m_area.cascadeSubWindows();
}

void EditorWorkspace::tile()
{
    m_area.tileSubWindows();
}

void EditorWorkspace::minimiseAll()
{
    const EditorSlots &table = m_context.session.windows;
    for (int slot = 1; slot <= table.lastSlot(); ++slot) {
        if (frmNotePad *window = editorInSlot(slot))
            subWindowOf(window)->showMinimized();
    }
}

void EditorWorkspace::arrangeIcons()
{
    // Minimising again lets the area lay the icons out along its bottom edge.
    for (QMdiSubWindow *sub : m_area.subWindowList()) {
        if (sub->isVisible() && sub->isMinimized())
            sub->showMinimized();
    }
}

void EditorWorkspace::showHelp()
{
    m_context.dialogs.showHelp(105);
}

void EditorWorkspace::focusActiveText()
{
    if (frmNotePad *editor = activeEditor())
        editor->textArea()->setFocus();
}

void EditorWorkspace::openFindWindow()
{
    frmNotePad *editor = activeEditor();
    if (!m_findWindow) {
        m_findWindow = new frmFind(
            m_context.session.search, m_context.dialogs,
            [this]() -> EditableText * {
                frmNotePad *active = activeEditor();
                return active ? &active->editableText() : nullptr;
            },
            [this] { focusActiveText(); }, m_area.window());
    }
    m_findWindow->start(editor ? editor->textArea()->selectedBytes() : QByteArray());
    m_findWindow->show();
    m_findWindow->raise();
    m_findWindow->activateWindow();
}

frmFind *EditorWorkspace::findWindow() const
{
    return m_findWindow;
}

void EditorWorkspace::findAgain()
{
    frmNotePad *editor = activeEditor();
    if (!editor)
        return;
    Finder finder(m_context.session.search, m_context.dialogs);
    if (!finder.findAgain(editor->editableText()))
        openFindWindow();
}

void EditorWorkspace::replace()
{
    frmNotePad *editor = activeEditor();
    if (!editor)
        return;
    editor->textArea()->setFocus();
    Finder(m_context.session.search, m_context.dialogs).replace(editor->editableText());
}

void EditorWorkspace::importText(frmNotePad *window)
{
    // The platform's dialog title and folder; every file may be chosen.
    const QString path = m_context.dialogs.openFileName({}, {}, {});
    if (!path.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        importProgramFile(window->editableText(), path);
        QApplication::restoreOverrideCursor();
    }
    // Modified even when the user chose no file.
    markDirty(window->slot());
}

void EditorWorkspace::exportText(frmNotePad *window)
{
    const QString path = m_context.dialogs.saveFileName({}, {}, {});
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    exportProgramFile(window->editableText(), path, m_context.dialogs);
    QApplication::restoreOverrideCursor();
}

void EditorWorkspace::printProgram(frmNotePad *window, PrintMode mode)
{
    QPrinter printer(QPrinter::HighResolution);
    const EditableText &text = window->editableText();
    if (text.selectionLength() > 0)
        printer.setPrintRange(QPrinter::Selection);
    if (!m_context.dialogs.setUpPrinter(printer))
        return;
    const qint32 number = m_context.session.windows.program(window->slot());
    const std::optional<ArchiveRecord> record = m_context.archive.seek(number);
    if (!record)
        m_context.dialogs.message(EditorText::RecordNotFound);
    PagePrinter pages(printer, m_context.session.printCharSize);
    const QByteArrayView printed =
        text.selectionLength() > 0 ? text.bytes().sliced(text.selectionStart(), text.selectionLength()) : text.bytes();
    PageComposer composer(pages.metrics());
    composer.addLines(programPrintLines(mode, number, record, printed, QDateTime::currentDateTime()));
    if (!pages.print(composer.pages()))
        m_context.dialogs.message(EditorText::PrintFailed, {}, Dialogs::Icon::Exclamation);
}

void EditorWorkspace::askTextAreaFontSize(frmNotePad *window)
{
    const std::optional<int> size = ::askTextAreaFontSize(m_context.dialogs);
    if (!size)
        return;
    QFont font = window->textArea()->font();
    font.setPointSize(*size);
    window->textArea()->setFont(font);
    storeTextAreaFont(m_context.settings, TextAreaFont{font.family(), font.pointSize()});
}

void EditorWorkspace::askPrintCharSize()
{
    ::askPrintCharSize(m_context.settings, m_context.session, m_context.dialogs);
}

void EditorWorkspace::showListPrinting()
{
    Form3 list(m_context.archive, m_context.session.printCharSize, m_context.dialogs, m_area.window());
    list.exec();
}

void EditorWorkspace::showRevisions(frmNotePad *window)
{
    if (!ownsItsSlot(window))
        return;
    const int slot = window->slot();
    RevisionHistory history(m_context.archive, m_context.folder, m_context.session.windows.program(slot));
    QPointer<frmNotePad> target = window;
    // Unsaved changes in the window would be lost under the restored text: asked first.
    auto mayRestore = [this, target, slot] {
        return !target || !ownsItsSlot(target) || !m_context.session.windows.state(slot).dirty
            || m_context.dialogs.question(RevisionText::WindowModified, Dialogs::Buttons::YesNo) == Dialogs::Button::Yes;
    };
    auto restored = [this, target, slot, &history] {
        if (!target || !ownsItsSlot(target))
            return;
        target->textArea()->setBytes(history.text(RevisionHistory::Current).value_or(QByteArray()));
        m_context.session.windows.state(slot).dirty = false;
    };
    frmRevisioni revisions(history, m_context.dialogs, mayRestore, restored, m_area.window());
    revisions.exec();
}

void EditorWorkspace::lookForPictureManagerIn(const QString &folder)
{
    m_pictureManager = QStandardPaths::findExecutable(QStringLiteral("picvault"), {folder});
}

void EditorWorkspace::showPictures(frmNotePad *window)
{
    const qint32 number = m_context.session.windows.program(window->slot());
    // Without its record the program may be gone from the archive: no pictures for it.
    if (!m_context.archive.seek(number)) {
        m_context.dialogs.message(EditorText::RecordNotFound);
        return;
    }
    QWidget *main = m_area.window();
    auto *run = new QProcess(this);
    const auto comeBack = [this, run, main, number, placement = main->saveGeometry()] {
        run->deleteLater();
        showWhereItWas(*main, placement);
        if (!m_context.archive.seek(number))
            m_context.dialogs.message(EditorText::RecordNotFound);
    };
    connect(run, &QProcess::finished, this, comeBack);
    connect(run, &QProcess::errorOccurred, this, [this, run, comeBack](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        comeBack();
        m_context.dialogs.message(EditorText::PictureManagerNotStarted.arg(run->errorString()), {},
                                  Dialogs::Icon::Exclamation);
    });
    main->hide();
    run->start(m_pictureManager, {QString::number(number)});
}
