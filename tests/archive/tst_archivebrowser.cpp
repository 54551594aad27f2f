#include "archivebrowser.h"
#include "archivestore.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace {

using Box = ArchiveBrowser::Box;
using Button = Dialogs::Button;

ArchiveRecord program(qint32 progr, const QString &cliente, const QString &disegno, const QString &descrizione,
                      const QString &memo = {}, const QString &macchina = {})
{
    return ArchiveRecord{progr, cliente, disegno, descrizione, memo, macchina};
}

// An archive of four programs, one of them without a customer, and a browser opened on it.
struct Browsing {
    TempProgramFolder temp;
    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    ScriptedDialogs dialogs;
    ArchiveChoice choice;
    ArchiveBrowser browser{*archive, temp.folder(), dialogs, choice};
    QList<std::optional<QString>> customerAnswers;
    int customerWindows = 0;

    explicit Browsing(bool withPrograms = true)
    {
        if (withPrograms) {
            add(program(1, QStringLiteral("ROSSI"), QStringLiteral("D-100"), QStringLiteral("FLANGIA"),
                        QStringLiteral("riga 1\r\nriga 2"), QStringLiteral("T1")));
            add(program(2, QStringLiteral("ROSSI"), QStringLiteral("D-200"), QStringLiteral("ALBERO")));
            add(program(3, QStringLiteral("BIANCHI"), QStringLiteral("X-1"), QStringLiteral("PERNO")));
            add(program(7, QString(), QStringLiteral("B-7"), QStringLiteral("BOCCOLA")));
        }
        browser.setCustomerChooser([this]() -> std::optional<QString> {
            ++customerWindows;
            return customerAnswers.isEmpty() ? std::nullopt : customerAnswers.takeFirst();
        });
        browser.load();
    }

    void add(const ArchiveRecord &record)
    {
        if (!archive->add(record))
            throw std::runtime_error("cannot add a program");
    }

    QList<qint32> listed() const
    {
        const auto &numbers = browser.programList()->numbers();
        return QList<qint32>(numbers.begin(), numbers.end());
    }

    QString line(int row) const
    {
        ArchiveListModel *list = browser.programList();
        return list->data(list->index(row)).toString();
    }

    void search(SearchType type, const QString &text)
    {
        browser.setSearchType(type);
        browser.setSearchText(text);
        browser.searchByText();
    }

    void fill(const QString &cliente, const QString &disegno, const QString &descrizione)
    {
        browser.setBoxText(Box::Customer, cliente);
        browser.setBoxText(Box::Drawing, disegno);
        browser.setBoxText(Box::Description, descrizione);
    }
};

ArchiveBrowser::Commands browsingAfterSave()
{
    ArchiveBrowser::Commands c;
    c.crea = c.clonare = c.cercaAgg = c.libero = c.clona = c.conferma = c.annulla = c.gestioneDnc = true;
    c.varia = c.elimina = c.ok = false;
    c.customerList = true;
    c.dataBoxes = false;
    return c;
}

} // namespace

class ArchiveBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void listLineLayout_data();
    void listLineLayout();
    void searchWithEmptyText_data();
    void searchWithEmptyText();
    void searchByNumber_data();
    void searchByNumber();
    void addingARequestedNumber();
    void modificationDateOfTheTextFile();
    void confirmAndCancel();
    void createWithOrWithoutCustomer_data();
    void createWithOrWithoutCustomer();
    void newRowKeepsTheNumberShown();
    void saveWithMissingData_data();
    void saveWithMissingData();
    void cloneAsNumber_data();
    void cloneAsNumber();
    void cloneNew();
    void cloneNewOnEmptyArchive();
    void changeIsKeptUntilSaved();
    void remove_data();
    void remove();
    void apostrophesInCustomerAndSearch();
};

void ArchiveBrowserTest::listLineLayout_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("disegno");
    QTest::addColumn<QString>("descrizione");
    QTest::addColumn<QString>("line");
    const QString forty = QStringLiteral("ALBERO MOTORE CON CAVA PER LINGUETTA 8X7");
    QTest::newRow("5-character drawing, drawing first")
        << int(SearchType::Drawing) << QStringLiteral("D-100") << QStringLiteral("FLANGIA")
        << QStringLiteral("D-100") + QString(26, QLatin1Char(' ')) + QStringLiteral("FLANGIA");
    QTest::newRow("40-character description, description first")
        << int(SearchType::Description) << QStringLiteral("D-9") << forty
        << QStringLiteral("ALBERO MOTORE CON CAVA PER LING") + QStringLiteral("D-9");
    QTest::newRow("40-character description, drawing first")
        << int(SearchType::Drawing) << QStringLiteral("D-9") << forty
        << QStringLiteral("D-9") + QString(28, QLatin1Char(' ')) + forty;
    QTest::newRow("31-character drawing fills the column")
        << int(SearchType::Drawing) << QString(31, QLatin1Char('X')) << QStringLiteral("Y")
        << QString(31, QLatin1Char('X')) + QStringLiteral("Y");
    QTest::newRow("32-character drawing is cut")
        << int(SearchType::Drawing) << QString(31, QLatin1Char('X')) + QLatin1Char('Z') << QStringLiteral("Y")
        << QString(31, QLatin1Char('X')) + QStringLiteral("Y");
}

void ArchiveBrowserTest::listLineLayout()
{
    QFETCH(int, type);
    QFETCH(QString, disegno);
    QFETCH(QString, descrizione);
    QFETCH(QString, line);
    Browsing b(false);
    b.add(program(5, QStringLiteral("ROSSI"), disegno, descrizione));
    const bool byDrawing = SearchType(type) == SearchType::Drawing;
    b.search(SearchType(type), (byDrawing ? disegno : descrizione).left(3));
    QCOMPARE(b.listed(), QList<qint32>{5});
    QCOMPARE(b.line(0), line);
}

void ArchiveBrowserTest::searchWithEmptyText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Button>>("answers");
    QTest::addColumn<QList<qint32>>("listed");
    QTest::addColumn<bool>("asked");
    // Before the search the list holds ROSSI's programs.
    QTest::newRow("Yes lists every program") << QString() << QList<Button>{Button::Yes}
                                             << QList<qint32>{7, 1, 2, 3} << true;
    QTest::newRow("blanks only count as empty") << QStringLiteral("   ") << QList<Button>{Button::Yes}
                                                << QList<qint32>{7, 1, 2, 3} << true;
    QTest::newRow("No leaves the list") << QString() << QList<Button>{Button::No} << QList<qint32>{1, 2} << true;
    QTest::newRow("text is trimmed, not questioned") << QStringLiteral("  d-1 ") << QList<Button>{}
                                                     << QList<qint32>{1} << false;
}

void ArchiveBrowserTest::searchWithEmptyText()
{
    QFETCH(QString, typed);
    QFETCH(QList<Button>, answers);
    QFETCH(QList<qint32>, listed);
    QFETCH(bool, asked);
    Browsing b;
    b.browser.customerClicked(QStringLiteral("ROSSI"));
    b.dialogs.questionAnswers.append(answers);

    b.search(SearchType::Drawing, typed);

    QCOMPARE(b.listed(), listed);
    QCOMPARE(b.browser.searchText(), typed.trimmed());
    QVERIFY2(!b.browser.commands().customerList, "a text search leaves the customer list disabled");
    if (asked) {
        QCOMPARE(b.dialogs.shown.size(), 1);
        const ScriptedDialogs::Shown &question = b.dialogs.shown.first();
        QCOMPARE(question.text, QStringLiteral("Per limitare la ricerca inserire almeno un carattere. "));
        QCOMPARE(question.title, QStringLiteral("Continuo?"));
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    } else {
        QVERIFY(b.dialogs.shown.isEmpty());
    }
}

void ArchiveBrowserTest::searchByNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QList<qint32>>("listed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("exists") << QStringLiteral("2") << QStringLiteral("ROSSI") << QList<qint32>{1, 2} << 1
                            << QStringList{};
    QTest::newRow("blank customer is shown, never offered") << QStringLiteral(" 7 ") << QString()
                                                             << QList<qint32>{7} << 0 << QStringList{};
    QTest::newRow("absent, answered No") << QStringLiteral("12") << QString() << QList<qint32>{} << -1
                                         << QStringList{QStringLiteral("Progressivo:12 non trovato...\nAggiungo?")};
    QTest::newRow("letters") << QStringLiteral("12a") << QString() << QList<qint32>{} << -1 << QStringList{};
    QTest::newRow("zero") << QStringLiteral("0") << QString() << QList<qint32>{} << -1 << QStringList{};
    QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << QString() << QList<qint32>{} << -1
                                    << QStringList{};
}

void ArchiveBrowserTest::searchByNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, customer);
    QFETCH(QList<qint32>, listed);
    QFETCH(int, selected);
    QFETCH(QStringList, shown);
    Browsing b;
    b.dialogs.questionAnswers.enqueue(Button::No);
    b.browser.setNumberText(typed);

    b.browser.findOrAdd();

    QCOMPARE(b.dialogs.texts(), shown);
    QCOMPARE(b.browser.selectedCustomer(), customer);
    QCOMPARE(b.listed(), listed);
    QCOMPARE(b.browser.selectedLine(), selected);
    QVERIFY(!b.browser.editInProgress());
    QCOMPARE(b.browser.createMode(), ArchiveBrowser::CreateMode::Automatic);
    if (!shown.isEmpty())
        QCOMPARE(b.dialogs.shown.first().title, QStringLiteral("Risultato ricerca"));
    if (selected >= 0) {
        const qint32 number = typed.trimmed().toInt();
        QCOMPARE(b.browser.boxes(), *b.archive->seek(number));
        QCOMPARE(b.browser.numberLabel(), QString::number(number));
        QVERIFY(b.browser.numberLabelVisible());
        QVERIFY(b.browser.commands().conferma && b.browser.commands().varia && b.browser.commands().elimina);
    }
}

void ArchiveBrowserTest::addingARequestedNumber()
{
    Browsing b;
    b.dialogs.questionAnswers.enqueue(Button::Yes);
    b.customerAnswers.append(QStringLiteral("VERDI"));
    b.browser.setNumberText(QStringLiteral("12"));

    b.browser.findOrAdd();

    QCOMPARE(b.customerWindows, 1);
    QVERIFY(b.browser.editInProgress());
    QCOMPARE(b.browser.requestedNumber(), 12);
    QCOMPARE(b.browser.numberLabel(), QStringLiteral("12"));
    QCOMPARE(b.browser.boxes().cliente, QStringLiteral("VERDI"));
    b.fill(QStringLiteral("VERDI"), QStringLiteral("V-12"), QStringLiteral("MOZZO"));
    b.browser.save();
    QCOMPARE(*b.archive->seek(12), program(12, QStringLiteral("VERDI"), QStringLiteral("V-12"), QStringLiteral("MOZZO")));
    QCOMPARE(b.browser.selectedCustomer(), QStringLiteral("VERDI"));
    QCOMPARE(b.listed(), QList<qint32>{12});
    QCOMPARE(b.browser.selectedLine(), 0);

    // The requested number served that row: the next "Crea" numbers automatically.
    b.customerAnswers.append(QStringLiteral("VERDI"));
    b.browser.create();
    QCOMPARE(b.browser.numberLabel(), QStringLiteral("13"));
    QCOMPARE(b.browser.numberText(), QStringLiteral("13"));
    QVERIFY(b.dialogs.messageTexts().isEmpty());
}

void ArchiveBrowserTest::modificationDateOfTheTextFile()
{
    Browsing b;
    b.temp.writeProgramText(2, "O0002\r\nM30\r\n");
    QFile file(b.temp.folder().programTextPath(2));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2023, 3, 9), QTime(7, 5, 4)), QFileDevice::FileModificationTime));
    file.close();
    b.browser.customerClicked(QStringLiteral("ROSSI"));

    b.browser.programClicked(1);
    QCOMPARE(b.browser.modifiedText(), QStringLiteral("09/03/2023 07:05:04"));
    b.browser.programClicked(0);
    QCOMPARE(b.browser.modifiedText(), QString());
}

void ArchiveBrowserTest::confirmAndCancel()
{
    Browsing b;
    b.search(SearchType::Drawing, QStringLiteral("D"));
    QVERIFY(!b.browser.confirm());
    QCOMPARE(b.dialogs.shown.size(), 1);
    QCOMPARE(b.dialogs.shown.first().text, QStringLiteral("Non selezionato nessun programma"));
    QCOMPARE(b.dialogs.shown.first().title, QStringLiteral("Selezione del ciclo"));
    QCOMPARE(b.dialogs.shown.first().icon, Dialogs::Icon::Information);
    QVERIFY(!b.choice.programChosen);

    b.browser.programClicked(1);
    QVERIFY(b.browser.confirm());
    QVERIFY(b.choice.programChosen);
    QCOMPARE(b.choice.chosenRecord, b.archive->seek(2));

    QVERIFY(b.browser.cancel());
    QVERIFY(!b.choice.programChosen);
    QVERIFY(!b.choice.chosenRecord);
}

void ArchiveBrowserTest::createWithOrWithoutCustomer_data()
{
    QTest::addColumn<QList<std::optional<QString>>>("answers"); // one per "Crea"
    QTest::addColumn<QString>("customer");
    QTest::addColumn<int>("focus");
    QTest::newRow("customer chosen") << QList<std::optional<QString>>{QStringLiteral("ROSSI")}
                                     << QStringLiteral("ROSSI") << int(Box::Drawing);
    QTest::newRow("window closed, none before") << QList<std::optional<QString>>{std::nullopt} << QString()
                                                << int(Box::Customer);
    QTest::newRow("window closed keeps the previous customer")
        << QList<std::optional<QString>>{QStringLiteral("BIANCHI"), std::nullopt} << QStringLiteral("BIANCHI")
        << int(Box::Drawing);
}

void ArchiveBrowserTest::createWithOrWithoutCustomer()
{
    QFETCH(QList<std::optional<QString>>, answers);
    QFETCH(QString, customer);
    QFETCH(int, focus);
    Browsing b;
    b.customerAnswers = answers;
    for (int i = 0; i < answers.size(); ++i) {
        if (i > 0) {
            b.fill(QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X"));
            b.browser.save();
        }
        b.browser.create();
    }

    QCOMPARE(b.browser.chosenCustomer(), customer);
    QCOMPARE(b.browser.boxes().cliente, customer);
    QCOMPARE(b.browser.boxes().disegno, QString());
    QCOMPARE(b.browser.takeFocusRequest(), std::optional<Box>(Box(focus)));
    QVERIFY(b.browser.editInProgress());
    ArchiveBrowser::Commands creating;
    creating.crea = creating.clonare = creating.varia = creating.elimina = creating.cercaAgg = false;
    creating.libero = creating.clona = creating.conferma = creating.annulla = creating.gestioneDnc = false;
    creating.ok = true;
    creating.dataBoxes = true;
    QCOMPARE(b.browser.commands(), creating);

    // Searches and the lists ignore the user meanwhile.
    const QList<qint32> before = b.listed();
    b.browser.customerClicked(QStringLiteral("BIANCHI"));
    b.search(SearchType::Description, QStringLiteral("P"));
    QCOMPARE(b.listed(), before);
}

void ArchiveBrowserTest::newRowKeepsTheNumberShown()
{
    Browsing b;
    b.customerAnswers.append(QStringLiteral("ROSSI"));
    b.browser.create();
    QCOMPARE(b.browser.numberText(), QStringLiteral("8"));
    QCOMPARE(b.browser.numberLabel(), QStringLiteral("8"));
    QVERIFY(b.browser.numberLabelVisible());

    // Nothing else may take the shown number before "OK".
    QVERIFY(!b.archive->add(program(8, QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X"))));
    QCOMPARE(b.archive->lowestFreeNumber(), 4);

    b.fill(QStringLiteral("ROSSI"), QStringLiteral("D-300"), QStringLiteral("PIASTRA"));
    b.browser.setBoxText(Box::Memo, QStringLiteral("a\r\nb"));
    b.browser.setBoxText(Box::Machine, QStringLiteral("T2"));
    b.browser.save();

    QCOMPARE(*b.archive->seek(8), program(8, QStringLiteral("ROSSI"), QStringLiteral("D-300"), QStringLiteral("PIASTRA"),
                                          QStringLiteral("a\r\nb"), QStringLiteral("T2")));
    QCOMPARE(b.listed(), (QList<qint32>{1, 2, 8}));
    QCOMPARE(b.browser.selectedLine(), 2);
    QCOMPARE(b.browser.commands(), browsingAfterSave());
    QVERIFY(!b.browser.numberLabelVisible());
}

void ArchiveBrowserTest::saveWithMissingData_data()
{
    QTest::addColumn<QString>("cliente");
    QTest::addColumn<QString>("disegno");
    QTest::addColumn<QString>("descrizione");
    QTest::newRow("no customer") << QString() << QStringLiteral("D") << QStringLiteral("E");
    QTest::newRow("no drawing number") << QStringLiteral("C") << QString() << QStringLiteral("E");
    QTest::newRow("no description") << QStringLiteral("C") << QStringLiteral("D") << QString();
}

void ArchiveBrowserTest::saveWithMissingData()
{
    QFETCH(QString, cliente);
    QFETCH(QString, disegno);
    QFETCH(QString, descrizione);
    Browsing b;
    b.customerAnswers.append(QStringLiteral("ROSSI"));
    b.browser.create();
    (void)b.browser.takeFocusRequest();
    const ArchiveBrowser::Commands creating = b.browser.commands();
    b.fill(cliente, disegno, descrizione);

    b.browser.save();

    QCOMPARE(b.dialogs.messageTexts(), QStringList{QStringLiteral("Completare i dati...")});
    QCOMPARE(b.dialogs.shown.first().title, QString());
    QCOMPARE(b.browser.takeFocusRequest(), std::optional<Box>(Box::Customer));
    QVERIFY(b.browser.editInProgress());
    QCOMPARE(b.browser.commands(), creating);
    QCOMPARE(b.archive->searchByDrawing(QString()).size(), size_t(4));

    b.fill(QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"));
    b.browser.save();
    QVERIFY(!b.browser.editInProgress());
    QCOMPARE(b.archive->seek(8)->disegno, QStringLiteral("D"));
}

void ArchiveBrowserTest::cloneAsNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("creating");
    QTest::newRow("existing number") << QStringLiteral("3") << QStringList{QStringLiteral("Progressivo esistente")}
                                     << false;
    QTest::newRow("new number, Yes")
        << QStringLiteral("20") << QStringList{QStringLiteral("Progressivo:20 non trovato...\nAggiungo?")} << true;
    QTest::newRow("not a number") << QStringLiteral("2x") << QStringList{} << false;
}

void ArchiveBrowserTest::cloneAsNumber()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(bool, creating);
    Browsing b;
    b.browser.customerClicked(QStringLiteral("ROSSI"));
    b.browser.programClicked(0);
    const ArchiveBrowser::Commands before = b.browser.commands();
    b.dialogs.questionAnswers.enqueue(Button::Yes);
    b.customerAnswers.append(QStringLiteral("VERDI"));
    b.browser.setNumberText(typed);

    b.browser.cloneAs();

    QCOMPARE(b.dialogs.texts(), shown);
    QCOMPARE(b.browser.editInProgress(), creating);
    if (!creating) {
        QCOMPARE(b.browser.commands(), before);
        QCOMPARE(b.browser.boxes(), *b.archive->seek(1));
        return;
    }
    ArchiveRecord expected = *b.archive->seek(1);
    expected.progr = 20;
    QCOMPARE(b.browser.boxes(), expected);
    b.browser.save();
    QCOMPARE(*b.archive->seek(20), expected);
}

void ArchiveBrowserTest::cloneNew()
{
    Browsing b;
    b.browser.customerClicked(QStringLiteral("ROSSI"));
    b.browser.programClicked(0);

    b.browser.cloneNew();

    QCOMPARE(b.customerWindows, 0);
    ArchiveRecord expected = *b.archive->seek(1);
    expected.progr = 8;
    QCOMPARE(b.browser.boxes(), expected);
    QCOMPARE(b.browser.numberText(), QStringLiteral("8"));
    QCOMPARE(b.browser.takeFocusRequest(), std::optional<Box>(Box::Customer));
    QVERIFY(b.browser.editInProgress());
}

void ArchiveBrowserTest::cloneNewOnEmptyArchive()
{
    Browsing b(false);
    const ArchiveBrowser::Commands before = b.browser.commands();

    b.browser.cloneNew();

    QCOMPARE(b.dialogs.shown.size(), 1);
    QCOMPARE(b.dialogs.shown.first().text, QStringLiteral("Nessun programma selezionato"));
    QCOMPARE(b.dialogs.shown.first().title, QStringLiteral("Non selezionato"));
    QVERIFY(!b.browser.editInProgress());
    QCOMPARE(b.browser.commands(), before);
    QVERIFY(b.archive->isEmpty());
}

void ArchiveBrowserTest::changeIsKeptUntilSaved()
{
    Browsing b;
    b.browser.customerClicked(QStringLiteral("ROSSI"));
    b.browser.programClicked(0);
    b.browser.change();
    QVERIFY(!b.browser.editInProgress());
    QCOMPARE(b.browser.numberText(), QStringLiteral("1"));
    QCOMPARE(b.browser.takeFocusRequest(), std::optional<Box>(Box::Customer));
    b.browser.setBoxText(Box::Description, QStringLiteral("FLANGIA CIECA"));

    // A click elsewhere must neither drop the change nor write it into another row.
    b.browser.programClicked(1);
    QCOMPARE(b.browser.selectedLine(), 0);
    b.browser.save();

    QCOMPARE(b.archive->seek(1)->descrizione, QStringLiteral("FLANGIA CIECA"));
    QCOMPARE(b.archive->seek(1)->memo, QStringLiteral("riga 1\r\nriga 2"));
    QCOMPARE(b.archive->seek(2)->descrizione, QStringLiteral("ALBERO"));
    QCOMPARE(b.browser.selectedLine(), 0);
    QCOMPARE(b.browser.commands(), browsingAfterSave());
}

void ArchiveBrowserTest::remove_data()
{
    QTest::addColumn<bool>("textFile");
    QTest::addColumn<Button>("answer");
    QTest::newRow("text file missing") << false << Button::Yes;
    QTest::newRow("with text file") << true << Button::Yes;
    QTest::newRow("answered No") << true << Button::No;
}

void ArchiveBrowserTest::remove()
{
    QFETCH(bool, textFile);
    QFETCH(Button, answer);
    Browsing b;
    if (textFile)
        b.temp.writeProgramText(2, "O0002\r\n");
    b.temp.writeFile(QStringLiteral("imm/M0000002N0001.jpg"), "picture");
    {
        SqlConnection catalogue;
        QVERIFY(catalogue.openExisting(b.temp.folder().catalogPath()));
        QVERIFY(QSqlQuery(catalogue.database())
                    .exec(QStringLiteral("INSERT INTO immagini VALUES (2, 1, '.jpg', 'a', NULL)")));
    }
    b.browser.customerClicked(QStringLiteral("ROSSI"));
    b.browser.programClicked(1);
    const ArchiveBrowser::Commands before = b.browser.commands();
    b.dialogs.questionAnswers.enqueue(answer);

    b.browser.remove();

    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Desiderate eliminare il ciclo?")});
    QCOMPARE(b.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    const bool removed = answer == Button::Yes;
    QCOMPARE(b.archive->contains(2), !removed);
    QCOMPARE(QFile::exists(b.temp.folder().programTextPath(2)), textFile && !removed);
    QCOMPARE(QFile::exists(b.temp.path(QStringLiteral("imm/M0000002N0001.jpg"))), !removed);
    SqlConnection catalogue;
    QVERIFY(catalogue.openExisting(b.temp.folder().catalogPath()));
    QSqlQuery rows(catalogue.database());
    QVERIFY(rows.exec(QStringLiteral("SELECT COUNT(*) FROM immagini WHERE progressivo = 2")));
    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toInt(), removed ? 0 : 1);
    if (!removed) {
        QCOMPARE(b.browser.commands(), before);
        QCOMPARE(b.browser.selectedLine(), 1);
        return;
    }
    QVERIFY(b.archive->contains(1));
    QCOMPARE(b.listed(), QList<qint32>{});
    QCOMPARE(b.browser.numberText(), QString());
    QVERIFY(!b.browser.numberLabelVisible());
    QVERIFY(!b.browser.commands().varia && !b.browser.commands().elimina && !b.browser.commands().ok);
}

void ArchiveBrowserTest::apostrophesInCustomerAndSearch()
{
    Browsing b;
    b.customerAnswers.append(QStringLiteral("D'ANGELO"));
    b.browser.create();
    b.fill(QStringLiteral("D'ANGELO"), QStringLiteral("O'BRIEN 1"), QStringLiteral("CORPO"));
    b.browser.save();
    QVERIFY(b.dialogs.shown.isEmpty());
    QVERIFY(b.browser.customers().contains(QStringLiteral("D'ANGELO")));
    QCOMPARE(b.browser.selectedCustomer(), QStringLiteral("D'ANGELO"));

    b.browser.customerClicked(QStringLiteral("ROSSI"));
    b.browser.customerClicked(QStringLiteral("D'ANGELO"));
    QCOMPARE(b.listed(), QList<qint32>{8});
    b.search(SearchType::Drawing, QStringLiteral("O'B"));
    QCOMPARE(b.listed(), QList<qint32>{8});
}

QTEST_GUILESS_MAIN(ArchiveBrowserTest)
#include "tst_archivebrowser.moc"
