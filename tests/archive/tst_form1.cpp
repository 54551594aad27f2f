#include "archivestore.h"
#include "form1.h"
#include "frmcliente.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The browser window on an archive of three programs, shown and active.
struct Window {
    TempProgramFolder temp;
    std::unique_ptr<ArchiveStore> archive = prepared(temp);
    ScriptedDialogs dialogs;
    ArchiveChoice choice;
    Form1 form{*archive, temp.folder(), dialogs, choice};

    static std::unique_ptr<ArchiveStore> prepared(const TempProgramFolder &temp)
    {
        auto archive = temp.openArchive();
        archive->add({1, QStringLiteral("ROSSI"), QStringLiteral("D-100"), QStringLiteral("FLANGIA"), {}, {}});
        archive->add({2, QStringLiteral("ROSSI"), QStringLiteral("D-200"), QStringLiteral("ALBERO"), {}, {}});
        archive->add({3, QStringLiteral("BIANCHI"), QStringLiteral("X-1"), QStringLiteral("PERNO"), {}, {}});
        return archive;
    }

    Window()
    {
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            throw std::runtime_error("the browser did not become active");
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *widget = form.findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no control ") + name);
        return widget;
    }

    void click(const char *name) const { find<QPushButton>(name)->click(); }

    void chooseCustomer(const QString &name) const
    {
        QListWidget *customers = find<QListWidget>("DBList1");
        const auto items = customers->findItems(name, Qt::MatchExactly);
        QTest::mouseClick(customers->viewport(), Qt::LeftButton, {},
                          customers->visualItemRect(items.first()).center());
    }

    void clickProgram(int line) const
    {
        QListView *list = find<QListView>("List1");
        const QModelIndex index = list->model()->index(line, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    // Answers the customer choice window once it is open.
    void whenCustomerWindowOpens(std::function<void(Frmcliente &)> answer)
    {
        QTimer::singleShot(0, &form, [this, answer] {
            auto *window = form.findChild<Frmcliente *>(QStringLiteral("Frmcliente"));
            QVERIFY(window && window->isVisible());
            answer(*window);
        });
    }

    QStringList enabledButtons() const
    {
        QStringList names;
        for (const char *name : {"SSCommand7", "SSCommand3", "SSCommand9", "SSCommand6", "SSCommand8", "SSCommand11",
                                 "SSCommand13", "SSCommand4", "SSCommand1", "SSCommand2", "SSCommand12"}) {
            if (find<QPushButton>(name)->isEnabled())
                names.append(QString::fromLatin1(name));
        }
        return names;
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void keyFilters_data();
    void keyFilters();
    void searchesFromTheWindow();
    void createPutsTheFocus_data();
    void createPutsTheFocus();
    void buttonsFollowTheWork();
    void confirmHidesAndKeepsTheLists();
    void confirmWithoutSelectionStays();
    void closingWhileCreatingIsRefused();
    void helpAndDoubleClick();
};

void Form1Test::keyFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("number box: digits only") << QStringLiteral("Text6") << QStringLiteral("1a2 -3")
                                             << QStringLiteral("123") << 3;
    QTest::newRow("customer: no apostrophe") << QStringLiteral("Text1") << QStringLiteral("D'ANGELO")
                                             << QStringLiteral("DANGELO") << 1;
    QTest::newRow("drawing: no apostrophe") << QStringLiteral("Text2") << QStringLiteral("O'B")
                                            << QStringLiteral("OB") << 1;
    QTest::newRow("description: no apostrophe") << QStringLiteral("Text3") << QStringLiteral("l'albero")
                                                << QStringLiteral("lalbero") << 1;
    QTest::newRow("machine: no apostrophe, three characters") << QStringLiteral("Text7") << QStringLiteral("T'12")
                                                              << QStringLiteral("T12") << 1;
    QTest::newRow("search text takes it") << QStringLiteral("Text5") << QStringLiteral("O'B")
                                          << QStringLiteral("O'B") << 0;
}

void Form1Test::keyFilters()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    Window w;
    w.chooseCustomer(QStringLiteral("ROSSI"));
    w.clickProgram(0);
    w.click("SSCommand9"); // Varia opens the data boxes
    auto *edit = w.form.findChild<QLineEdit *>(box);
    QVERIFY(edit && edit->isEnabled());
    edit->clear();
    w.dialogs.clear();

    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, kept.right(1));

    QCOMPARE(edit->text(), kept);
    QCOMPARE(w.dialogs.shown.size(), beeps);
    for (const ScriptedDialogs::Shown &shown : w.dialogs.shown)
        QCOMPARE(shown.kind, ScriptedDialogs::Kind::Beep);
}

void Form1Test::searchesFromTheWindow()
{
    Window w;
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Ricerca programmi C.N."));
    QVERIFY(w.find<QRadioButton>("SSOption1_0")->isChecked());
    QListView *list = w.find<QListView>("List1");
    auto lineAt = [list](int row) { return list->model()->index(row, 0).data().toString(); };
    w.chooseCustomer(QStringLiteral("ROSSI"));
    QCOMPARE(lineAt(0), QStringLiteral("D-100") + QString(26, QLatin1Char(' ')) + QStringLiteral("FLANGIA"));

    QTest::keyClicks(w.find("Text5"), QStringLiteral("  x- "));
    w.click("Command1");
    QCOMPARE(w.find<QLineEdit>("Text5")->text(), QStringLiteral("x-"));
    QVERIFY(!w.find("DBList1")->isEnabled());
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(lineAt(0), QStringLiteral("X-1") + QString(28, QLatin1Char(' ')) + QStringLiteral("PERNO"));

    // The other option lists the selected customer again, description first.
    w.find<QRadioButton>("SSOption1_1")->click();
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(lineAt(0), QStringLiteral("FLANGIA") + QString(24, QLatin1Char(' ')) + QStringLiteral("D-100"));

    QTest::keyClicks(w.find("Text6"), QStringLiteral("3"));
    w.click("SSCommand11");
    QCOMPARE(w.find<QListWidget>("DBList1")->currentItem()->text(), QStringLiteral("BIANCHI"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->selectionModel()->selectedIndexes().first().row(), 0);
    QCOMPARE(w.find<QLineEdit>("Text3")->text(), QStringLiteral("PERNO"));
    QVERIFY(w.dialogs.shown.isEmpty());
}

void Form1Test::createPutsTheFocus_data()
{
    QTest::addColumn<QString>("customer"); // typed in the customer window; empty: closed without a choice
    QTest::addColumn<QString>("focus");
    QTest::newRow("customer chosen") << QStringLiteral("VERDI") << QStringLiteral("Text2");
    QTest::newRow("no customer") << QString() << QStringLiteral("Text1");
}

void Form1Test::createPutsTheFocus()
{
    QFETCH(QString, customer);
    QFETCH(QString, focus);
    Window w;
    w.whenCustomerWindowOpens([customer](Frmcliente &window) {
        if (customer.isEmpty()) {
            window.reject();
            return;
        }
        QTest::keyClicks(window.findChild<QLineEdit *>(QStringLiteral("Text1")), customer);
        window.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });

    w.click("SSCommand7");

    QCOMPARE(w.find<QLineEdit>("Text1")->text(), customer);
    QCOMPARE(w.find<QLabel>("Label4")->text(), QStringLiteral("4"));
    QCOMPARE(w.find<QLineEdit>("Text6")->text(), QStringLiteral("4"));
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text7"})
        QVERIFY2(w.find(box)->isEnabled(), box);
    QWidget *expected = w.find(focus.toLatin1().constData());
    QCOMPARE(w.form.focusWidget(), expected);
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QCOMPARE(QApplication::focusWidget(), expected);
}

void Form1Test::buttonsFollowTheWork()
{
    Window w;
    QCOMPARE(w.enabledButtons(), (QStringList{"SSCommand7", "SSCommand3", "SSCommand11", "SSCommand13",
                                              "SSCommand4", "SSCommand1", "SSCommand2", "SSCommand12"}));
    QVERIFY(!w.find("Text1")->isEnabled());

    w.chooseCustomer(QStringLiteral("ROSSI"));
    QCOMPARE(w.enabledButtons(), (QStringList{"SSCommand7", "SSCommand3", "SSCommand11", "SSCommand13",
                                              "SSCommand4", "SSCommand2", "SSCommand12"}));

    w.clickProgram(1);
    QCOMPARE(w.find<QLineEdit>("Text2")->text(), QStringLiteral("D-200"));
    QCOMPARE(w.find<QLabel>("Label4")->text(), QStringLiteral("2"));
    QVERIFY(w.find("Label4")->isVisible());
    QCOMPARE(w.enabledButtons(), (QStringList{"SSCommand7", "SSCommand3", "SSCommand9", "SSCommand6", "SSCommand11",
                                              "SSCommand13", "SSCommand4", "SSCommand1", "SSCommand2", "SSCommand12"}));

    w.click("SSCommand9");
    QCOMPARE(w.enabledButtons(), (QStringList{"SSCommand9", "SSCommand6", "SSCommand8"}));
    QCOMPARE(w.find<QLineEdit>("Text6")->text(), QStringLiteral("2"));
    QTRY_COMPARE(QApplication::focusWidget(), w.find("Text1"));
    QTest::keyClicks(w.find("Text3"), QStringLiteral(" LUNGO"));
    QTest::keyClicks(w.find<QPlainTextEdit>("Text4"), QStringLiteral("staffa"));

    w.click("SSCommand8");
    QCOMPARE(w.archive->seek(2)->descrizione, QStringLiteral("ALBERO LUNGO"));
    QCOMPARE(w.archive->seek(2)->memo, QStringLiteral("staffa"));
    QCOMPARE(w.enabledButtons(), (QStringList{"SSCommand7", "SSCommand3", "SSCommand11", "SSCommand13",
                                              "SSCommand4", "SSCommand1", "SSCommand2", "SSCommand12"}));
    QVERIFY(!w.find("Text3")->isEnabled());
    QVERIFY(!w.find("Label4")->isVisible());
    QCOMPARE(w.find<QListView>("List1")->currentIndex().row(), 1);
    // The saved line stays selected; a click on it counts.
    w.clickProgram(1);
    QCOMPARE(w.enabledButtons(), (QStringList{"SSCommand7", "SSCommand3", "SSCommand9", "SSCommand6", "SSCommand11",
                                              "SSCommand13", "SSCommand4", "SSCommand1", "SSCommand2", "SSCommand12"}));
}

void Form1Test::confirmHidesAndKeepsTheLists()
{
    Window w;
    QSignalSpy confirmed(&w.form, &Form1::programConfirmed);
    w.chooseCustomer(QStringLiteral("ROSSI"));
    w.clickProgram(0);

    w.click("SSCommand1");

    QVERIFY(w.form.isHidden());
    QCOMPARE(w.form.result(), int(QDialog::Accepted));
    QCOMPARE(confirmed.size(), 1);
    QVERIFY(w.choice.programChosen);
    QCOMPARE(w.choice.chosenRecord->progr, 1);

    w.form.show();
    QListView *list = w.find<QListView>("List1");
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(list->selectionModel()->selectedIndexes().first().row(), 0);
    QCOMPARE(w.find<QListWidget>("DBList1")->currentItem()->text(), QStringLiteral("ROSSI"));

    w.click("SSCommand2");
    QVERIFY(w.form.isHidden());
    QCOMPARE(w.form.result(), int(QDialog::Rejected));
    QVERIFY(!w.choice.programChosen);
    QCOMPARE(confirmed.size(), 1);
}

void Form1Test::confirmWithoutSelectionStays()
{
    Window w;
    w.click("SSCommand1");
    QVERIFY(w.form.isVisible());
    QCOMPARE(w.dialogs.messageTexts(), QStringList{QStringLiteral("Non selezionato nessun programma")});
    QVERIFY(!w.choice.programChosen);
}

void Form1Test::closingWhileCreatingIsRefused()
{
    Window w;
    w.click("SSCommand3"); // "Clonare" needs no customer window
    QVERIFY(w.find("SSCommand8")->isEnabled());

    QTest::keyClick(&w.form, Qt::Key_Escape);
    w.form.close();

    QVERIFY(w.form.isVisible());
    QVERIFY(w.form.browser().editInProgress());
}

void Form1Test::helpAndDoubleClick()
{
    Window w;
    w.click("SSCommand10");
    w.chooseCustomer(QStringLiteral("ROSSI"));
    QListView *list = w.find<QListView>("List1");
    const QPoint line = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);

    QCOMPARE(w.dialogs.shown.size(), 2);
    QCOMPARE(w.dialogs.shown.at(0).kind, ScriptedDialogs::Kind::Help);
    QCOMPARE(w.dialogs.shown.at(0).helpContext, 102);
    QCOMPARE(w.dialogs.shown.at(1).kind, ScriptedDialogs::Kind::Beep);
    QVERIFY2(!w.choice.programChosen, "a double click chooses nothing");
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
