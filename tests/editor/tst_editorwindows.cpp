#include "editorfixture.h"
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
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

using Fixture = EditorFixture;

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
    void editorsFollowTheArea_data();
    void editorsFollowTheArea();
    void commandEntriesEnabled();
    void typedLettersInUpperCase();
    void sequenceNumbersOnEnter();
    void deleteAndSelectAll();
    void importMarksModifiedEvenWhenCancelled_data();
    void importMarksModifiedEvenWhenCancelled();
    void exportKeepsModifiedState();
    void textAreaFontSize_data();
    void textAreaFontSize();
    void storedFontsAppliedOnLoad();
    void printCharSizeAndListPrinting();
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

void EditorWindowsTest::editorsFollowTheArea_data()
{
    QTest::addColumn<QSize>("areaSize");
    QTest::newRow("frame maximised") << QSize(1300, 700);
    QTest::newRow("frame made small") << QSize(420, 260);
}

void EditorWindowsTest::editorsFollowTheArea()
{
    QFETCH(QSize, areaSize);
    Fixture f;
    QWidget *filling = f.open(1)->parentWidget();
    QWidget *placed = f.open(2)->parentWidget();
    QCOMPARE(placed->geometry(), f.area.viewport()->rect());
    const QRect userPlace(10, 10, 300, 200);
    placed->setGeometry(userPlace);
    f.area.resize(areaSize);
    QTRY_COMPARE(filling->geometry(), f.area.viewport()->rect());
    QCOMPARE(placed->geometry(), userPlace);
    // A window beyond the area's edge is reached with the scroll bars.
    placed->move(areaSize.width(), areaSize.height());
    QTRY_VERIFY(f.area.horizontalScrollBar()->isVisible() && f.area.verticalScrollBar()->isVisible());
    QTRY_COMPARE(filling->geometry(), f.area.viewport()->rect());
}

void EditorWindowsTest::commandEntriesEnabled()
{
    Fixture f;
    frmNotePad *window = f.open(1);
    for (const char *entry : {"intestazioni", "completa", "Commenti", "listacicli", "export", "import", "mnuEDelete",
                              "mnuESelectAll", "mnuSFind", "mnuSFindNext", "Rimpiazza", "Alto", "altst", "autoseq"})
        QVERIFY2(window->findChild<QAction *>(QString::fromLatin1(entry))->isEnabled(), entry);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuEDelete"))->shortcut(), QKeySequence(Qt::Key_Delete));
    QVERIFY(!window->findChild<QAction *>(QStringLiteral("autoseq"))->isChecked());
}

void EditorWindowsTest::typedLettersInUpperCase()
{
    Fixture f;
    frmNotePad *window = f.open(2);
    window->textArea()->setFocus();
    QTest::keyClicks(window->textArea(), QStringLiteral("g0 x1.5 (piano)"));
    QCOMPARE(window->textArea()->bytes(), QByteArray("G0 X1.5 (PIANO)"));
}

void EditorWindowsTest::sequenceNumbersOnEnter()
{
    Fixture f;
    frmNotePad *window = f.open(2);
    QAction *autoseq = window->findChild<QAction *>(QStringLiteral("autoseq"));
    autoseq->trigger();
    QVERIFY(autoseq->isChecked());
    QTest::keyClicks(window->textArea(), QStringLiteral("o1"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(window->textArea(), Qt::Key_Return);
    QCOMPARE(window->textArea()->bytes(), QByteArray("O1\r\nN10\r\nN20\r\nN30"));

    autoseq->trigger();
    QVERIFY(!autoseq->isChecked());
    QTest::keyClick(window->textArea(), Qt::Key_Return);
    autoseq->trigger();
    QTest::keyClick(window->textArea(), Qt::Key_Enter);
    QCOMPARE(window->textArea()->bytes(), QByteArray("O1\r\nN10\r\nN20\r\nN30\r\n\r\nN40"));

    // The counter goes with the slot: a program opened in it later continues the numbers.
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::No);
    f.workspace.closeWindow(window);
    frmNotePad *again = f.open(1);
    QCOMPARE(again->slot(), 1);
    QVERIFY(again->findChild<QAction *>(QStringLiteral("autoseq"))->isChecked());
    again->textArea()->setCursorPosition(2, 0);
    QTest::keyClick(again->textArea(), Qt::Key_Return);
    QCOMPARE(again->textArea()->bytes(), QByteArray("O0001\r\nG00 X0\r\n\r\nN50"));
}

void EditorWindowsTest::deleteAndSelectAll()
{
    Fixture f;
    frmNotePad *window = f.open(1);
    window->textArea()->setSelection(5, 0);
    Fixture::trigger(window, "mnuEDelete");
    QCOMPARE(window->textArea()->bytes(), QByteArray("O0001G00 X0\r\n"));
    window->textArea()->setSelection(13, 0);
    Fixture::trigger(window, "mnuEDelete");
    QCOMPARE(window->textArea()->bytes(), QByteArray("O0001G00 X0\r\n"));
    Fixture::trigger(window, "mnuESelectAll");
    QCOMPARE(window->textArea()->selectionStart(), 0);
    QCOMPARE(window->textArea()->selectionLength(), 13);
    Fixture::trigger(window, "mnuEDelete");
    QCOMPARE(window->textArea()->byteLength(), 0);
}

void EditorWindowsTest::importMarksModifiedEvenWhenCancelled_data()
{
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("file chosen") << true << QByteArray("O7\nM30");
    QTest::newRow("cancelled") << false << QByteArray("O0001\r\nG00 X0\r\n");
}

void EditorWindowsTest::importMarksModifiedEvenWhenCancelled()
{
    QFETCH(bool, chooseFile);
    QFETCH(QByteArray, text);
    Fixture f;
    f.temp.writeFile(QStringLiteral("other.nc"), "O7\nM30");
    frmNotePad *window = f.open(1);
    f.dialogs.fileAnswers.enqueue(chooseFile ? f.temp.path(QStringLiteral("other.nc")) : QString());
    Fixture::trigger(window, "import");
    QCOMPARE(f.dialogs.shown[0].kind, ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(window->textArea()->bytes(), text);
    QVERIFY(f.session.windows.state(1).dirty);

    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    Fixture::trigger(window, "mnuFClose");
    QCOMPARE(f.dialogs.shown.last().kind, ScriptedDialogs::Kind::Question);
    // Saved through the archive with CR LF line ends.
    QCOMPARE(*TextFile::read(f.temp.folder().programTextPath(1)),
             chooseFile ? QByteArray("O7\r\nM30\r\n") : QByteArray("O0001\r\nG00 X0\r\n"));
}

void EditorWindowsTest::exportKeepsModifiedState()
{
    Fixture f;
    frmNotePad *window = f.open(1);
    f.dialogs.fileAnswers.enqueue(QString());
    Fixture::trigger(window, "export");
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, ScriptedDialogs::Kind::SaveFile);
    f.dialogs.fileAnswers.enqueue(f.temp.path(QStringLiteral("out.nc")));
    Fixture::trigger(window, "export");
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Esportato")});
    QCOMPARE(*TextFile::read(f.temp.path(QStringLiteral("out.nc"))), QByteArray("O0001\r\nG00 X0\r\n"));
    QVERIFY(!f.session.windows.state(1).dirty);
}

void EditorWindowsTest::textAreaFontSize_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("size"); // 0: refused, the font stays
    QTest::newRow("31 refused") << QStringLiteral("31") << 0;
    QTest::newRow("8 applied") << QStringLiteral("8") << 8;
}

void EditorWindowsTest::textAreaFontSize()
{
    QFETCH(QString, answer);
    QFETCH(int, size);
    Fixture f;
    frmNotePad *window = f.open(1);
    const QFont before = window->textArea()->font();
    f.dialogs.inputAnswers.enqueue(answer);
    Fixture::trigger(window, "Alto");
    const QString section = QStringLiteral("character");
    if (size == 0) {
        QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Valori non compresi tra 8 e 30")});
        QCOMPARE(window->textArea()->font(), before);
        QCOMPARE(f.settings.text(section, QStringLiteral("nome")), QString());
        return;
    }
    QCOMPARE(window->textArea()->font().pointSize(), size);
    // The text itself is drawn in the new size, not only the widget's font.
    QCOMPARE(int(window->textArea()->SendScintilla(QsciScintilla::SCI_STYLEGETSIZE, 0UL)), size);
    QCOMPARE(f.settings.text(section, QStringLiteral("nome")), before.family());
    QCOMPARE(f.settings.text(section, QStringLiteral("size")), QString::number(size));
}

void EditorWindowsTest::storedFontsAppliedOnLoad()
{
    Fixture f;
    const QString section = QStringLiteral("character");
    f.settings.setValue(section, QStringLiteral("nome"), QStringLiteral("DejaVu Serif"));
    f.settings.setValue(section, QStringLiteral("size"), QStringLiteral("14"));
    f.settings.setValue(section, QStringLiteral("printsize"), QStringLiteral("12"));
    frmNotePad *window = f.open(1);
    QCOMPARE(window->textArea()->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(window->textArea()->font().pointSize(), 14);
    QCOMPARE(f.session.printCharSize, 12);
}

void EditorWindowsTest::printCharSizeAndListPrinting()
{
    Fixture f;
    frmNotePad *window = f.open(1);
    f.dialogs.inputAnswers.enqueue(QStringLiteral("8"));
    Fixture::trigger(window, "altst");
    QCOMPARE(f.session.printCharSize, 8);

    // The list window is modal; it is closed as soon as it shows.
    QString listCaption;
    QTimer::singleShot(0, &f.area, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        listCaption = modal->windowTitle();
        modal->close();
    });
    Fixture::trigger(window, "listacicli");
    QCOMPARE(listCaption, QStringLiteral("Stampa lista dei cicli"));
}

QTEST_MAIN(EditorWindowsTest)
#include "tst_editorwindows.moc"
