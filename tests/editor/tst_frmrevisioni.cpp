#include "archivestore.h"
#include "frmrevisioni.h"
#include "revisedtext.h"
#include "revisionhistory.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "testrecords.h"
#include "textfile.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

// The revisions window on program 42, saved twice: revision 1 "A B C", revision 2 "A X C", current "A X C D".
class FrmRevisioniTest : public QObject {
    Q_OBJECT
private slots:
    void listDifferencesAndRestore();
    void damagedRevisionNamedNotShown();
};

namespace {

struct Fixture {
    TempProgramFolder temp;
    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    ScriptedDialogs dialogs;
    int restoredCalls = 0;

    Fixture()
    {
        archive->add(archiveRecord(42, QStringLiteral("ROSSI")));
        temp.writeProgramText(42, "A\r\nB\r\nC\r\n");
        for (const QByteArray &text : {QByteArray("A\r\nX\r\nC\r\n"), QByteArray("A\r\nX\r\nC\r\nD\r\n")})
            replaceProgramText(*archive, temp.folder(), 42, text, RevisionOrigin::Editor);
    }
};

QStringList row(const QTableWidget *list, int r)
{
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c)
        cells << list->item(r, c)->text();
    return cells;
}

} // namespace

void FrmRevisioniTest::listDifferencesAndRestore()
{
    Fixture f;
    RevisionHistory history(*f.archive, f.temp.folder(), 42);
    frmRevisioni window(history, f.dialogs, [] { return true; }, [&f] { ++f.restoredCalls; });
    window.show();
    auto *list = window.findChild<QTableWidget *>(QStringLiteral("Lista"));
    QCOMPARE(list->rowCount(), 2);
    // Lines added and removed against the next text, counted after the window shows.
    QTRY_COMPARE(list->item(1, 5)->text(), QStringLiteral("1"));
    QCOMPARE(row(list, 0).mid(3), (QStringList{"editor", "9", "1", "0"}));
    QCOMPARE(row(list, 1).mid(3), (QStringList{"editor", "9", "1", "1"}));

    // Revision 1 against the current text: B changed into X, D added.
    list->selectRow(1);
    auto *view = window.findChild<QTableView *>(QStringLiteral("Differenze"));
    QAbstractItemModel *model = view->model();
    QCOMPARE(model->rowCount(), 4);
    const QStringList expected[] = {{"1", "A", "1", "A"}, {"2", "B", "2", "X"}, {"3", "C", "3", "C"}, {"", "", "4", "D"}};
    for (int r = 0; r < 4; ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << model->index(r, c).data().toString();
        QCOMPARE(cells, expected[r]);
    }
    QVERIFY(!model->index(0, 1).data(Qt::BackgroundRole).isValid());
    QVERIFY(model->index(1, 1).data(Qt::BackgroundRole).isValid());
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Riepilogo"))->text(), QStringLiteral("2 righe aggiunte, 1 eliminate"));
    // Against revision 2 instead.
    window.findChild<QComboBox *>(QStringLiteral("Confronto"))->setCurrentIndex(1);
    QCOMPARE(model->rowCount(), 3);

    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Ripristina")), Qt::LeftButton);
    QCOMPARE(f.dialogs.texts(), (QStringList{"Ripristinare la revisione 1 come testo attuale?\nIl testo attuale diventa una revisione.",
                                             "Revisione 1 ripristinata."}));
    QCOMPARE(f.restoredCalls, 1);
    QCOMPARE(*TextFile::read(f.temp.folder().programTextPath(42)), QByteArray("A\r\nB\r\nC\r\n"));
    QCOMPARE(list->rowCount(), 3);
    QCOMPARE(list->item(0, 3)->text(), QStringLiteral("ripristino"));
}

void FrmRevisioniTest::damagedRevisionNamedNotShown()
{
    Fixture f;
    QSqlQuery query(f.archive->database());
    QVERIFY(query.exec(QStringLiteral("UPDATE revisioni SET sha256 = '00' WHERE revisione = 2")));
    RevisionHistory history(*f.archive, f.temp.folder(), 42);
    frmRevisioni window(history, f.dialogs, [] { return true; }, [] {});
    window.show();
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Riepilogo"))->text(),
             QStringLiteral("La revisione 2 del programma 42 è danneggiata (l'impronta SHA-256 non corrisponde): non viene usata."));
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("Ripristina"))->isEnabled());
    QCOMPARE(window.findChild<QTableView *>(QStringLiteral("Differenze"))->model()->rowCount(), 0);
    QTRY_COMPARE(window.findChild<QTableWidget *>(QStringLiteral("Lista"))->item(1, 5)->text(), QStringLiteral("?"));
}

QTEST_MAIN(FrmRevisioniTest)
#include "tst_frmrevisioni.moc"
