#include "accesspassword.h"
#include "archivestore.h"
#include "editorsession.h"
#include "editorworkspace.h"
#include "frmnotepad.h"
#include "programtextarea.h"
#include "scripteddialogs.h"
#include "settingsstore.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>

namespace {

ArchiveRecord record(qint32 progr, const QString &cliente = QStringLiteral("ROSSI"))
{
    ArchiveRecord r;
    r.progr = progr;
    r.cliente = cliente;
    r.disegno = QStringLiteral("471");
    r.descrizione = QStringLiteral("FLANGIA");
    return r;
}

// An editor workspace in a frame, over a temporary program folder holding programs 1 and 2.
struct Fixture {
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

    Fixture()
    {
        archive->add(record(1));
        archive->add(record(2, QString()));
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
};

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QApplication::clipboard()->clear(); }
    void browserClosedWithoutChoiceOpensNothing();
    void openLoadsTextNotModified();
    void missingFileOpensEmptyAndSaveCreatesIt();
    void closedSlotReusedWithoutGrowth();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void lastWindowClosedHidesEditButtons();
    void cutWithNothingSelected();
    void iconizzaMinimisesOpenWindows();
};

void EditorWindowsTest::browserClosedWithoutChoiceOpensNothing()
{
    Fixture f;
    f.workspace.openArchivedProgram();
    QCOMPARE(f.area.subWindowList().size(), 0);
    QCOMPARE(f.session.windows.lastSlot(), 0);
}

void EditorWindowsTest::openLoadsTextNotModified()
{
    Fixture f;
    frmNotePad *window = f.open(1);
    QVERIFY(window);
    QCOMPARE(window->slot(), 1);
    QCOMPARE(window->property("tag").toString(), QStringLiteral("1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("1# :ROSSI:471:FLANGIA"));
    QCOMPARE(window->textArea()->bytes(), QByteArray("O0001\r\nG00 X0\r\n"));
    QCOMPARE(f.session.windows.program(1), 1);
    QVERIFY(!f.session.windows.state(1).dirty);
    QTest::keyClicks(window->textArea(), QStringLiteral("X"));
    QVERIFY(f.session.windows.state(1).dirty);
}

void EditorWindowsTest::missingFileOpensEmptyAndSaveCreatesIt()
{
    Fixture f;
    frmNotePad *window = f.open(2);
    QCOMPARE(window->windowTitle(), QStringLiteral("1# ::471:FLANGIA"));
    QCOMPARE(window->textArea()->byteLength(), 0);
    QVERIFY(!f.session.windows.state(1).dirty);
    window->textArea()->setBytes("O0002\nM30");
    QVERIFY(f.session.windows.state(1).dirty);
    window->findChild<QAction *>(QStringLiteral("salva"))->trigger();
    QCOMPARE(*TextFile::read(f.temp.folder().programTextPath(2)), QByteArray("O0002\r\nM30\r\n"));
    QVERIFY(!f.session.windows.state(1).dirty);
}

void EditorWindowsTest::closedSlotReusedWithoutGrowth()
{
    Fixture f;
    frmNotePad *first = f.open(1);
    f.workspace.closeWindow(first);
    QVERIFY(f.session.windows.state(1).deleted);
    frmNotePad *second = f.open(2);
    QCOMPARE(second->slot(), 1);
    QCOMPARE(f.session.windows.lastSlot(), 1);
    QCOMPARE(f.session.windows.program(1), 2);
    QCOMPARE(f.open(1)->slot(), 2);
}

void EditorWindowsTest::closeQuestionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("typedPassword"); // empty: no password set
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("No closes without writing") << int(Dialogs::Button::No) << QString() << true
                                               << QByteArray("O0001\r\nG00 X0\r\n");
    QTest::newRow("Cancel keeps the window") << int(Dialogs::Button::Cancel) << QString() << false
                                             << QByteArray("O0001\r\nG00 X0\r\n");
    QTest::newRow("Yes saves and closes") << int(Dialogs::Button::Yes) << QString() << true
                                          << QByteArray("ZO0001\r\nG00 X0\r\n");
    QTest::newRow("Yes, password refused, stays open") << int(Dialogs::Button::Yes) << QStringLiteral("wrong")
                                                       << false << QByteArray("O0001\r\nG00 X0\r\n");
}

void EditorWindowsTest::closeQuestionAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, typedPassword);
    QFETCH(bool, closed);
    QFETCH(QByteArray, file);
    Fixture f;
    if (!typedPassword.isEmpty()) {
        f.password = AccessPassword(QStringLiteral("SEGRETO"));
        f.dialogs.inputAnswers.enqueue(typedPassword);
    }
    frmNotePad *window = f.open(1);
    window->textArea()->setCursorPosition(0, 0);
    QTest::keyClicks(window->textArea(), QStringLiteral("Z"));
    f.dialogs.questionAnswers.enqueue(Dialogs::Button(answer));

    window->findChild<QAction *>(QStringLiteral("mnuFClose"))->trigger();

    const ScriptedDialogs::Shown &question = f.dialogs.shown.first();
    QCOMPARE(question.text, QStringLiteral("Il testo in [1# :ROSSI:471:FLANGIA] è stato modificato.\n\r"
                                           "Salvare le modifiche?"));
    QCOMPARE(question.title, QStringLiteral("Gestione programmi C.N. Rel 1.0.0"));
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(question.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(f.session.windows.state(1).deleted, closed);
    QCOMPARE(*TextFile::read(f.temp.folder().programTextPath(1)), file);
}

void EditorWindowsTest::lastWindowClosedHidesEditButtons()
{
    Fixture f;
    QSignalSpy lastClosed(&f.workspace, &EditorWorkspace::lastEditorClosed);
    frmNotePad *first = f.open(1);
    frmNotePad *second = f.open(2);
    f.workspace.closeWindow(first);
    QCOMPARE(lastClosed.size(), 0);
    f.workspace.closeWindow(second);
    QCOMPARE(lastClosed.size(), 1);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void EditorWindowsTest::cutWithNothingSelected()
{
    Fixture f;
    frmNotePad *window = f.open(1);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    window->cutToClipboard();
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QCOMPARE(window->textArea()->bytes(), QByteArray("O0001\r\nG00 X0\r\n"));
    window->textArea()->setSelection(0, 5);
    window->cutToClipboard();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("O0001"));
    window->textArea()->setSelection(2, 0);
    window->pasteFromClipboard();
    QCOMPARE(window->textArea()->bytes(), QByteArray("\r\nO0001G00 X0\r\n"));
}

void EditorWindowsTest::iconizzaMinimisesOpenWindows()
{
    Fixture f;
    frmNotePad *a = f.open(1);
    frmNotePad *b = f.open(2);
    frmNotePad *c = f.open(1);
    f.workspace.closeWindow(b);
    a->findChild<QAction *>(QStringLiteral("riduci"))->trigger();
    QVERIFY(a->parentWidget()->isMinimized());
    QVERIFY(c->parentWidget()->isMinimized());
    QVERIFY(!b->parentWidget()->isVisible());
}

QTEST_MAIN(EditorWindowsTest)
#include "tst_editorwindows.moc"
