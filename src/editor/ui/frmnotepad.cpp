#include "frmnotepad.h"

#include "editorworkspace.h"
#include "programtextarea.h"
#include "revisiontext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QVBoxLayout>

frmNotePad::frmNotePad(EditorWorkspace &workspace, int slot, SequenceNumbering numbering, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_slot(slot), m_text(new ProgramTextArea(this)), m_editable(*m_text),
      m_numbering(numbering)
{
    setObjectName(QStringLiteral("frmNotePad"));
    setWindowTitle(tr("Senza titolo"));
    setProperty("tag", QString::number(slot));
    m_text->setObjectName(QStringLiteral("Text1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(640, 420);
    buildMenus();
    connect(m_text, &ProgramTextArea::textChanged, this, [this] { m_workspace.markDirty(m_slot); });
    m_text->setKeyPressHandler([this](QKeyEvent *event) { return typeKey(event); });
}

bool frmNotePad::typeKey(QKeyEvent *event)
{
    if (m_retyping)
        return false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = typedText(event->text());
    if (typed == event->text() && !(enter && m_numbering.isOn()))
        return false;
    {
        // The key goes to the text area again, now in upper case, and is inserted as usual.
        const QScopedValueRollback retyping(m_retyping, true);
        QKeyEvent retyped(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                          ushort(event->count()));
        QCoreApplication::sendEvent(m_text, &retyped);
    }
    if (enter) {
        const QByteArray number = m_numbering.afterEnter();
        if (!number.isEmpty())
            m_text->replaceSelectionWith(number);
    }
    return true;
}

QMenu *frmNotePad::addMenu(const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(QString::fromLatin1(name));
    m_menuActions.append(menu->menuAction());
    return menu;
}

QAction *frmNotePad::addEntry(QMenu *menu, const char *name, const QString &caption, bool enabled)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

void frmNotePad::buildMenus()
{
    QMenu *file = addMenu("mnuFile", tr("&File"));
    connect(addEntry(file, "mnuFOpen", tr("&Apri...")), &QAction::triggered, &m_workspace,
            &EditorWorkspace::openArchivedProgram);
    connect(addEntry(file, "salva", tr("Sal&va")), &QAction::triggered, this,
            [this] { m_workspace.saveWindow(this); });
    connect(addEntry(file, "mnuFClose", tr("&Chiudi")), &QAction::triggered, this,
            [this] { m_workspace.closeWindow(this); });
    connect(addEntry(file, "revisioni", RevisionText::MenuEntry), &QAction::triggered, this,
            [this] { m_workspace.showRevisions(this); });
    file->addSeparator();
    QMenu *print = file->addMenu(tr("&Stampa ciclo"));
    print->setObjectName(QStringLiteral("Stampaw"));
    const std::pair<const char *, QString> printEntries[] = {{"intestazioni", tr("Stampa &intestazioni")},
                                                             {"completa", tr("Stam&pa Completa")},
                                                             {"Commenti", tr("Stampa &Commenti")}};
    for (int mode = 0; mode < 3; ++mode) {
        connect(addEntry(print, printEntries[mode].first, printEntries[mode].second), &QAction::triggered, this,
                [this, mode] { m_workspace.printProgram(this, PrintMode(mode)); });
    }
    connect(addEntry(file, "listacicli", tr("&Lista cicli")), &QAction::triggered, &m_workspace,
            &EditorWorkspace::showListPrinting);
    // Disabled when there is no image manager beside this program.
    connect(addEntry(file, "showimm", tr("&Immagini"), m_workspace.pictureManagerFound()),
            &QAction::triggered, this, [this] { m_workspace.showPictures(this); });
    file->addSeparator();
    connect(addEntry(file, "export", tr("&Esporta")), &QAction::triggered, this,
            [this] { m_workspace.exportText(this); });
    connect(addEntry(file, "import", tr("&Importa")), &QAction::triggered, this,
            [this] { m_workspace.importText(this); });
    connect(addEntry(file, "invior", tr("&Invio/ricezione non schedulata")), &QAction::triggered,
            &m_workspace, &EditorWorkspace::sendReceiveRequested);
    file->addSeparator();
    QAction *exit = addEntry(file, "mnuFExit", tr("Esci"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exit, &QAction::triggered, &m_workspace, &EditorWorkspace::exitRequested);

    QMenu *edit = addMenu("mnuEdit", tr("&Modifica"));
    connect(addEntry(edit, "mnuECut", tr("&Taglia")), &QAction::triggered, this,
            &frmNotePad::cutToClipboard);
    connect(addEntry(edit, "mnuECopy", tr("&Copia")), &QAction::triggered, this,
            &frmNotePad::copyToClipboard);
    connect(addEntry(edit, "mnuEPaste", tr("&Incolla")), &QAction::triggered, this,
            &frmNotePad::pasteFromClipboard);
    QAction *remove = addEntry(edit, "mnuEDelete", tr("&Elimina"));
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    connect(remove, &QAction::triggered, this, &frmNotePad::deleteSelection);
    edit->addSeparator();
    connect(addEntry(edit, "mnuESelectAll", tr("&Seleziona tutto")), &QAction::triggered, this,
            &frmNotePad::selectAllText);

    auto *transfer = new QAction(tr("&Trasmissione/ricezione"), this);
    transfer->setObjectName(QStringLiteral("Trasmiss"));
    connect(transfer, &QAction::triggered, this, [this] { emit m_workspace.terminalRequested(this); });
    m_menuActions.append(transfer);

    QMenu *search = addMenu("mnuSearch", tr("&Cerca"));
    connect(addEntry(search, "mnuSFind", tr("&Trova")), &QAction::triggered, &m_workspace,
            &EditorWorkspace::openFindWindow);
    QAction *findNext = addEntry(search, "mnuSFindNext", tr("Trova &successivo"));
    findNext->setShortcut(QKeySequence(Qt::Key_F3));
    connect(findNext, &QAction::triggered, &m_workspace, &EditorWorkspace::findAgain);
    QAction *replace = addEntry(search, "Rimpiazza", tr("&Rimpiazza"));
    replace->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(replace, &QAction::triggered, &m_workspace, &EditorWorkspace::replace);

    QMenu *options = addMenu("mnuOptions", tr("&Opzioni"));
    QMenu *fonts = options->addMenu(tr("&Carattere"));
    fonts->setObjectName(QStringLiteral("mnuFont"));
    fillFontMenu(fonts);
    connect(addEntry(options, "Alto", tr("A&ltezza carattere")), &QAction::triggered, this,
            [this] { m_workspace.askTextAreaFontSize(this); });
    connect(addEntry(options, "altst", tr("Alte&zza car. stampa mm.")), &QAction::triggered,
            &m_workspace, &EditorWorkspace::askPrintCharSize);
    QAction *autoseq = addEntry(options, "autoseq", tr("&Sequenza automatica"));
    autoseq->setCheckable(true);
    autoseq->setChecked(m_numbering.isOn());
    connect(autoseq, &QAction::triggered, this, [this, autoseq] {
        m_numbering.toggle();
        autoseq->setChecked(m_numbering.isOn());
    });

    QMenu *windows = addMenu("mnuWindow", tr("Fi&nestra"));
    connect(addEntry(windows, "mnuWCascade", tr("&Sovrapponi")), &QAction::triggered, &m_workspace,
            &EditorWorkspace::cascade);
    connect(addEntry(windows, "mnuWTile", tr("&Affianca")), &QAction::triggered, &m_workspace,
            &EditorWorkspace::tile);
    connect(addEntry(windows, "riduci", tr("&Iconizza")), &QAction::triggered, &m_workspace,
            &EditorWorkspace::minimiseAll);
    connect(addEntry(windows, "mnuWArrange", tr("&Disponi icone")), &QAction::triggered,
            &m_workspace, &EditorWorkspace::arrangeIcons);

    auto *help = new QAction(QStringLiteral("&?"), this);
    help->setObjectName(QStringLiteral("hlp"));
    connect(help, &QAction::triggered, &m_workspace, [this] { m_workspace.showHelp(); });
    m_menuActions.append(help);
}

void frmNotePad::fillFontMenu(QMenu *fonts)
{
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        QAction *entry = fonts->addAction(family);
        entry->setObjectName(QStringLiteral("mnuFontName"));
        connect(entry, &QAction::triggered, this, [this, family] {
            QFont font = m_text->font();
            font.setFamily(family);
            m_text->setFont(font);
        });
    }
}

void frmNotePad::copyToClipboard()
{
    QApplication::clipboard()->setText(QString::fromLatin1(m_text->selectedBytes()));
}

void frmNotePad::cutToClipboard()
{
    copyToClipboard();
    if (m_text->selectionLength() > 0)
        m_text->replaceSelectionWith({});
}

void frmNotePad::pasteFromClipboard()
{
    m_text->replaceSelectionWith(QApplication::clipboard()->text().toLatin1());
}

void frmNotePad::deleteSelection()
{
    deleteForward(m_editable);
}

void frmNotePad::selectAllText()
{
    selectAll(m_editable);
}

void frmNotePad::closeEvent(QCloseEvent *event)
{
    if (!m_workspace.mayClose(this)) {
        event->ignore();
        return;
    }
    event->accept();
    m_workspace.unloaded(this);
}
