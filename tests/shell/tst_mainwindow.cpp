#include "frmlogin.h"
#include "frmmdi.h"
#include "frmnotepad.h"
#include "picturebutton.h"
#include "programtextarea.h"
#include "screenfit.h"
#include "scripteddialogs.h"
#include "session.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QQueue>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture {
    TempProgramFolder temp;
    Session session{temp.folder()};
    ScriptedDialogs dialogs;
    int browserOpenings = 0;
    // The programs the browser hands over, in turn; program 7 when none is queued.
    QQueue<qint32> choices;
    std::unique_ptr<frmMDI> main;

    Fixture()
    {
        session.archive = temp.openArchive();
        for (const auto &[number, description] : {std::pair{5, "BOCCOLA"}, std::pair{7, "PERNO"}}) {
            ArchiveRecord record;
            record.progr = number;
            record.disegno = QStringLiteral("D%1").arg(number);
            record.descrizione = QString::fromLatin1(description);
            session.archive->add(record);
        }
        main = std::make_unique<frmMDI>(session, dialogs, [this] {
            ++browserOpenings;
            return session.archive->seek(choices.isEmpty() ? 7 : choices.dequeue());
        });
        main->show();
    }
    void clickToolbar(const char *name) const
    {
        PictureButton *target = button(name);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    QStringList menuNames() const
    {
        QStringList names;
        for (QAction *action : main->menuBar()->actions())
            names.append(action->menu() ? action->menu()->objectName() : action->objectName());
        return names;
    }
    PictureButton *button(const char *name) const
    {
        return main->findChild<PictureButton *>(QString::fromLatin1(name));
    }
};

void mouse(QWidget *target, QEvent::Type type, QPoint position, Qt::MouseButtons held)
{
    QMouseEvent event(type, position, target->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void editorMenuBarTakesOver_data();
    void editorMenuBarTakesOver();
    void closedWindowNeverAnswersForTheNextProgram_data();
    void closedWindowNeverAnswersForTheNextProgram();
    void apriDisablesReorganisationAndShowsEditButtons();
    void toolbarButtonDraggedOff();
    void archiveBrowserHandsOverTheChosenProgram();
    void communicationSettingsWindowKeptWhileOpen();
    void reorganisationEndsTheProgram();
    void printerFontSizeAndListPrintingCommands();
    void terminalFromMainWindowAndFromEditor();
    void windowsWhereTheUserCanSeeThem();
    void passwordWindow_data();
    void passwordWindow();
};

void MainWindowTest::editorMenuBarTakesOver_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("maximised");
    QTest::newRow("Chiudi") << false << false;
    QTest::newRow("close box") << true << false;
    QTest::newRow("close box, maximised") << true << true;
}

void MainWindowTest::editorMenuBarTakesOver()
{
    QFETCH(bool, closeBox);
    QFETCH(bool, maximised);
    Fixture f;
    // With an active frame, as under a window manager, the area reports activation changes.
    QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
    const QStringList own = {QStringLiteral("Apri"), QStringLiteral("listacicli"), QStringLiteral("cfcomm"),
                             QStringLiteral("ENDLAV"), QStringLiteral("Crediti"), QStringLiteral("Utilita")};
    QCOMPARE(f.menuNames(), own);
    f.main->findChild<QAction *>(QStringLiteral("Apri"))->trigger();
    const QStringList editorMenus = {QStringLiteral("mnuFile"),   QStringLiteral("mnuEdit"),
                                     QStringLiteral("Trasmiss"),  QStringLiteral("mnuSearch"),
                                     QStringLiteral("mnuOptions"), QStringLiteral("mnuWindow"),
                                     QStringLiteral("hlp")};
    QCOMPARE(f.menuNames(), editorMenus);
    frmNotePad *editor = f.main->workspace().activeEditor();
    auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
    if (maximised)
        sub->showMaximized();
    // A box over the frame takes the activation away for a moment: the editor's menus stay.
    QWidget box;
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(f.menuNames(), editorMenus);
    box.close();
    f.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get()));

    if (closeBox)
        sub->close();
    else
        editor->findChild<QAction *>(QStringLiteral("mnuFClose"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(f.menuNames(), own);
}

void MainWindowTest::closedWindowNeverAnswersForTheNextProgram_data()
{
    QTest::addColumn<bool>("fromToolbar");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("program7After");
    const QByteArray edited("XO0007\r\n");
    const QByteArray original("O0007\r\n");
    QTest::newRow("menu, Yes") << false << int(Dialogs::Button::Yes) << edited;
    QTest::newRow("menu, No") << false << int(Dialogs::Button::No) << original;
    QTest::newRow("tool bar, Yes") << true << int(Dialogs::Button::Yes) << edited;
    QTest::newRow("tool bar, No") << true << int(Dialogs::Button::No) << original;
}

void MainWindowTest::closedWindowNeverAnswersForTheNextProgram()
{
    QFETCH(bool, fromToolbar);
    QFETCH(int, answer);
    QFETCH(QByteArray, program7After);
    Fixture f;
    f.temp.writeProgramText(5, "O0005\r\n");
    f.temp.writeProgramText(7, "O0007\r\n");
    auto open = [&](qint32 number) {
        f.choices.enqueue(number);
        if (fromToolbar)
            f.clickToolbar("imgFileNewButton");
        else
            f.main->findChild<QAction *>(QStringLiteral("Apri"))->trigger();
        return f.main->workspace().activeEditor();
    };
    open(5)->findChild<QAction *>(QStringLiteral("mnuFClose"))->trigger();
    frmNotePad *second = open(7);
    QCOMPARE(second->slot(), 1);
    QTest::keyClicks(second->textArea(), QStringLiteral("X"));

    f.dialogs.questionAnswers.enqueue(Dialogs::Button(answer));
    f.main->close();
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("Il testo in [1# ::D7:PERNO] è stato modificato.\n\rSalvare le modifiche?")});
    QCOMPARE(*TextFile::read(f.temp.folder().programTextPath(7)), program7After);
    QCOMPARE(*TextFile::read(f.temp.folder().programTextPath(5)), QByteArray("O0005\r\n"));
    QVERIFY(!f.main->isVisible());
}

void MainWindowTest::apriDisablesReorganisationAndShowsEditButtons()
{
    Fixture f;
    QVERIFY(!f.button("imgCutButton")->isVisibleTo(f.main.get()));
    QVERIFY(f.main->findChild<QAction *>(QStringLiteral("reorga"))->isEnabled());
    f.main->findChild<QAction *>(QStringLiteral("Apri"))->trigger();
    QCOMPARE(f.browserOpenings, 1);
    QVERIFY(!f.main->findChild<QAction *>(QStringLiteral("reorga"))->isEnabled());
    // The tool bar lays its widgets out, and shows them, on the next pass of the event loop.
    for (const char *name : {"imgCutButton", "imgCopyButton", "imgPasteButton"})
        QTRY_VERIFY(f.button(name)->isVisibleTo(f.main.get()));
    f.main->workspace().activeEditor()->findChild<QAction *>(QStringLiteral("mnuFClose"))->trigger();
    QTRY_VERIFY(!f.button("imgCutButton")->isVisibleTo(f.main.get()));
    QVERIFY(!f.main->findChild<QAction *>(QStringLiteral("reorga"))->isEnabled());
}

void MainWindowTest::toolbarButtonDraggedOff()
{
    Fixture f;
    PictureButton *button = f.button("imgFileNewButton");
    QVERIFY(f.main->findChild<QLabel *>(QStringLiteral("imgFileNewButtonUp")));
    QVERIFY(f.main->findChild<QLabel *>(QStringLiteral("imgFileNewButtonDn")));
    const QPoint inside(5, 5);
    const QPoint outside(button->width() + 3, 5);
    mouse(button, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    QVERIFY(button->showsPressedImage());
    mouse(button, QEvent::MouseMove, outside, Qt::LeftButton);
    QVERIFY(!button->showsPressedImage());
    mouse(button, QEvent::MouseMove, QPoint(0, 5), Qt::LeftButton); // x = 0 counts as outside
    QVERIFY(!button->showsPressedImage());
    mouse(button, QEvent::MouseMove, inside, Qt::LeftButton);
    QVERIFY(button->showsPressedImage());
    mouse(button, QEvent::MouseMove, outside, Qt::LeftButton);
    mouse(button, QEvent::MouseButtonRelease, outside, Qt::NoButton);
    QCOMPARE(f.browserOpenings, 0);
    mouse(button, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    mouse(button, QEvent::MouseButtonRelease, inside, Qt::NoButton);
    QVERIFY(!button->showsPressedImage());
    QCOMPARE(f.browserOpenings, 1);
    // The tool-bar button opens without touching the reorganisation command.
    QVERIFY(f.main->findChild<QAction *>(QStringLiteral("reorga"))->isEnabled());
}

void MainWindowTest::archiveBrowserHandsOverTheChosenProgram()
{
    TempProgramFolder temp;
    Session session(temp.folder());
    session.archive = temp.openArchive();
    ArchiveRecord record;
    record.progr = 12;
    record.cliente = QStringLiteral("ROSSI");
    record.disegno = QStringLiteral("D12");
    record.descrizione = QStringLiteral("BOCCOLA");
    QVERIFY(session.archive->add(record));
    temp.writeProgramText(12, "O0012\r\n");
    ScriptedDialogs dialogs;
    frmMDI main(session, dialogs);
    main.show();

    // The browser is modal: work it from inside its own event loop.
    QTimer::singleShot(0, &main, [&main] {
        auto *browser = main.findChild<QDialog *>(QStringLiteral("Form1"));
        QVERIFY(browser && browser->isVisible());
        QTest::keyClicks(browser->findChild<QLineEdit *>(QStringLiteral("Text6")), QStringLiteral("12"));
        QTest::mouseClick(browser->findChild<QPushButton *>(QStringLiteral("SSCommand11")), Qt::LeftButton);
        QTest::mouseClick(browser->findChild<QPushButton *>(QStringLiteral("SSCommand1")), Qt::LeftButton);
    });
    main.findChild<QAction *>(QStringLiteral("Apri"))->trigger();

    QVERIFY(session.archiveChoice.programChosen);
    frmNotePad *editor = main.workspace().activeEditor();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("1# :ROSSI:D12:BOCCOLA"));
    QVERIFY(!main.findChild<QDialog *>(QStringLiteral("Form1"))->isVisible());
    QVERIFY(dialogs.shown.isEmpty());

    // "Annulla e ritorna" opens nothing.
    QTimer::singleShot(0, &main, [&main] {
        auto *browser = main.findChild<QDialog *>(QStringLiteral("Form1"));
        QTest::mouseClick(browser->findChild<QPushButton *>(QStringLiteral("SSCommand2")), Qt::LeftButton);
    });
    main.workspace().openArchivedProgram();
    QVERIFY(!session.archiveChoice.programChosen);
    QCOMPARE(session.editor.windows.lastSlot(), 1);
}

void MainWindowTest::communicationSettingsWindowKeptWhileOpen()
{
    Fixture f;
    QAction *command = f.main->findChild<QAction *>(QStringLiteral("prcomm"));
    command->trigger();
    QWidget *settings = f.main->findChild<QWidget *>(QStringLiteral("ConfigScrn"));
    QVERIFY(settings && settings->isVisible());
    QCOMPARE(settings->windowTitle(), QStringLiteral("Impostazioni di comunicazione"));
    command->trigger();
    QCOMPARE(f.main->findChildren<QWidget *>(QStringLiteral("ConfigScrn")).size(), 1);
    QCOMPARE(f.main->findChild<QWidget *>(QStringLiteral("ConfigScrn")), settings);
}

void MainWindowTest::reorganisationEndsTheProgram()
{
    Fixture f;
    QSignalSpy end(f.main.get(), &frmMDI::endRequested);
    f.main->findChild<QAction *>(QStringLiteral("reorga"))->trigger();
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Termine riorganizzazione-il programma termina")});
    QCOMPARE(end.size(), 1);
    QCOMPARE(end.at(0).at(0).toInt(), 0);
    QVERIFY(QFile::exists(f.temp.path(QStringLiteral("miodb.mdb"))));
    QVERIFY(f.temp.openArchive()->contains(7));
}

void MainWindowTest::printerFontSizeAndListPrintingCommands()
{
    Fixture f;
    f.dialogs.inputAnswers.enqueue(QStringLiteral("12"));
    f.main->findChild<QAction *>(QStringLiteral("altchrzz"))->trigger();
    QCOMPARE(f.dialogs.shown.first().text, QStringLiteral("Altezza carattere stampante in mm."));
    QCOMPARE(f.session.editor.printCharSize, 12);
    QCOMPARE(f.session.settings.text(QStringLiteral("character"), QStringLiteral("printsize")), QStringLiteral("12"));

    QTimer::singleShot(0, f.main.get(), [&f] {
        auto *list = f.main->findChild<QDialog *>(QStringLiteral("Form3"));
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->windowTitle(), QStringLiteral("Stampa lista dei cicli"));
        list->reject();
    });
    f.main->findChild<QAction *>(QStringLiteral("listacicli"))->trigger();
}

void MainWindowTest::terminalFromMainWindowAndFromEditor()
{
    Fixture f;
    f.temp.writeProgramText(7, "O0007\r\nM30\r\n");
    auto action = [](QWidget *window, const char *name) {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    };

    action(f.main.get(), "inviaric")->trigger();
    QVERIFY(!f.main->isVisible());
    QMainWindow *fromMain = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("xForm1") && top->isVisible())
            fromMain = qobject_cast<QMainWindow *>(top);
    }
    QVERIFY(fromMain);
    QCOMPARE(fromMain->windowTitle(), QStringLiteral("Terminale di comunicazione TRUV"));
    QVERIFY(action(fromMain, "carica")->isEnabled());
    QVERIFY(action(fromMain, "Salva")->isEnabled());
    QCOMPARE(fromMain->findChild<ProgramTextArea *>(QStringLiteral("term"))->byteLength(), 0);
    action(fromMain, "MFileExit")->trigger();
    QTRY_VERIFY(f.main->isVisible());

    action(f.main.get(), "Apri")->trigger();
    frmNotePad *editor = f.main->workspace().activeEditor();
    action(editor, "Trasmiss")->trigger();
    QVERIFY(!f.main->isVisible());
    QMainWindow *fromEditor = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("xForm1") && top->isVisible())
            fromEditor = qobject_cast<QMainWindow *>(top);
    }
    QVERIFY(fromEditor);
    QVERIFY(!action(fromEditor, "carica")->isEnabled());
    QVERIFY(!action(fromEditor, "Salva")->isEnabled());
    QCOMPARE(fromEditor->findChild<ProgramTextArea *>(QStringLiteral("term"))->bytes(),
             QByteArray("O0007\r\nM30\r\n"));
    action(fromEditor, "MFileExit")->trigger();
    QTRY_VERIFY(f.main->isVisible());
    QVERIFY(!f.session.editor.windows.state(editor->slot()).dirty);
}

void MainWindowTest::windowsWhereTheUserCanSeeThem()
{
    ScreenFit screenFit;
    qApp->installEventFilter(&screenFit);
    TempProgramFolder temp;
    Session session(temp.folder());
    session.archive = temp.openArchive();
    ArchiveRecord record;
    record.progr = 12;
    record.disegno = record.descrizione = QStringLiteral("D12");
    QVERIFY(session.archive->add(record));
    ScriptedDialogs dialogs;
    frmMDI main(session, dialogs);
    main.move(200, 150);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QRect screen = main.screen()->availableGeometry();
    auto inside = [&screen](const QWidget *window) {
        return window && window->isVisible() && screen.contains(window->frameGeometry());
    };
    QVERIFY(inside(&main));

    // The browser: top left, the screen's full width.
    QTimer::singleShot(0, &main, [&] {
        auto *browser = main.findChild<QDialog *>(QStringLiteral("Form1"));
        QVERIFY(inside(browser));
        QCOMPARE(browser->frameGeometry().topLeft(), screen.topLeft());
        QVERIFY(browser->frameGeometry().width() >= screen.width() - 2 * 8);
        QTest::keyClicks(browser->findChild<QLineEdit *>(QStringLiteral("Text6")), QStringLiteral("12"));
        QTest::mouseClick(browser->findChild<QPushButton *>(QStringLiteral("SSCommand11")), Qt::LeftButton);
        QTest::mouseClick(browser->findChild<QPushButton *>(QStringLiteral("SSCommand1")), Qt::LeftButton);
    });
    main.findChild<QAction *>(QStringLiteral("Apri"))->trigger();
    // The editor window fills the area, and the next one follows a maximised one.
    QMdiSubWindow *editor = main.mdiArea()->activeSubWindow();
    QCOMPARE(editor->geometry(), main.mdiArea()->viewport()->rect());
    editor->showMaximized();
    main.workspace().openProgram(record);
    QVERIFY(main.mdiArea()->activeSubWindow() != editor);
    QVERIFY(main.mdiArea()->activeSubWindow()->isMaximized());

    main.findChild<QAction *>(QStringLiteral("prcomm"))->trigger();
    QVERIFY(inside(main.findChild<QWidget *>(QStringLiteral("ConfigScrn"))));

    // Back from the terminal where it was.
    const QRect placed = main.geometry();
    main.findChild<QAction *>(QStringLiteral("inviaric"))->trigger();
    QWidget *terminal = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("xForm1") && top->isVisible())
            terminal = top;
    }
    QVERIFY(inside(terminal));
    terminal->findChild<QAction *>(QStringLiteral("MFileExit"))->trigger();
    QTRY_VERIFY(main.isVisible());
    QCOMPARE(main.geometry(), placed);
}

void MainWindowTest::passwordWindow_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("currentTyped"); // answer to "Parola chiave"; empty: not asked
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("closed");
    QTest::newRow("no password yet") << QString() << QStringLiteral("nuova") << QStringLiteral("nuova") << QString()
                                     << QStringList{} << QStringLiteral("NUOVA") << true;
    QTest::newRow("entries differ") << QString() << QStringLiteral("uno") << QStringLiteral("due") << QString()
                                    << QStringList{QStringLiteral("Password non valida. Riprovare")} << QString()
                                    << false;
    QTest::newRow("current given in other case") << QStringLiteral("VECCHIA") << QStringLiteral("nuova")
                                                 << QStringLiteral("nuova") << QStringLiteral(" vecchia")
                                                 << QStringList{} << QStringLiteral("NUOVA") << true;
    QTest::newRow("current wrong") << QStringLiteral("VECCHIA") << QStringLiteral("nuova") << QStringLiteral("nuova")
                                   << QStringLiteral("vecchi") << QStringList{QStringLiteral("Password errata!")}
                                   << QStringLiteral("VECCHIA") << false;
    QTest::newRow("empty removes protection") << QStringLiteral("VECCHIA") << QString() << QString()
                                              << QStringLiteral("VECCHIA") << QStringList{} << QString() << true;
}

void MainWindowTest::passwordWindow()
{
    QFETCH(QString, stored);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, currentTyped);
    QFETCH(QStringList, messages);
    QFETCH(QString, storedAfter);
    QFETCH(bool, closed);
    Fixture f;
    f.session.accessPassword = AccessPassword(stored);
    f.session.settings.setValue(QStringLiteral("password"), QStringLiteral("password"), stored);
    if (!currentTyped.isEmpty())
        f.dialogs.inputAnswers.enqueue(currentTyped);
    frmLogin login(f.session.accessPassword, f.session.settings, f.dialogs);
    login.show();
    QCOMPARE(login.windowTitle(), QStringLiteral("Nuova password"));
    QTest::keyClicks(login.findChild<QLineEdit *>(QStringLiteral("txtUserName")), first);
    QTest::keyClicks(login.findChild<QLineEdit *>(QStringLiteral("txtPassword")), second);
    QTest::mouseClick(login.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);

    QCOMPARE(f.dialogs.messageTexts(), messages);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.session.accessPassword.value(), storedAfter);
    QCOMPARE(f.session.settings.text(QStringLiteral("password"), QStringLiteral("password")), storedAfter);
    QCOMPARE(login.isVisible(), !closed);
    if (first != second) {
        QCOMPARE(f.dialogs.shown.first().title, QStringLiteral("Accesso"));
        QCOMPARE(login.focusWidget(), login.findChild<QLineEdit *>(QStringLiteral("txtUserName")));
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
