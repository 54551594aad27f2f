#include "pictureediting.h"
#include "picturefiles.h"
#include "picturereader.h"
#include "scripteddialogs.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// What the user was shown, one entry per box: "beep", "message:<text>" or "question:<text>".
QStringList shownTo(const ScriptedDialogs &dialogs)
{
    QStringList shown;
    for (const ScriptedDialogs::Shown &box : dialogs.shown) {
        switch (box.kind) {
        case ScriptedDialogs::Kind::Beep: shown << QStringLiteral("beep"); break;
        case ScriptedDialogs::Kind::Question: shown << QStringLiteral("question:") + box.text; break;
        default: shown << QStringLiteral("message:") + box.text; break;
        }
    }
    return shown;
}

} // namespace

class PictureEditingTest : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void chooserOffersWhatIsRead_data();
    void chooserOffersWhatIsRead();
};

void PictureEditingTest::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("previewed"); // "chosen", "gone" (a file deleted since) or ""
    QTest::addColumn<QString>("shortDescription");
    QTest::addColumn<qint32>("np");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QStringList>("shown"); // each compared as the start of what was shown
    QTest::addColumn<QList<qint32>>("numbers");

    const QList<qint32> both{1, 2};
    QTest::newRow("add without a picture") << "add" << "" << "x" << 0 << false << false << QStringList{"beep"} << both;
    QTest::newRow("add without short description")
        << "add" << "chosen" << "" << 0 << false << false << QStringList{"message:Manca la descrizione breve"} << both;
    QTest::newRow("add") << "add" << "chosen" << "x" << 0 << false << true << QStringList{"message:Aggiunto..."}
                         << QList<qint32>{1, 2, 3};
    QTest::newRow("add a file gone since the preview")
        << "add" << "gone" << "x" << 0 << false << false
        << QStringList{"message:L'immagine non è stata aggiunta:\n"} << both;
    QTest::newRow("change without a picture") << "change" << "" << "x" << 2 << false << false << QStringList{"beep"}
                                              << both;
    QTest::newRow("change without short description")
        << "change" << "chosen" << "" << 2 << false << false << QStringList{"message:Manca la descrizione breve"}
        << both;
    QTest::newRow("change") << "change" << "chosen" << "x" << 2 << false << true << QStringList{} << both;
    QTest::newRow("change a row removed behind the window")
        << "change" << "chosen" << "x" << 5 << false << false
        << QStringList{"message:Incongruenza tra database ed immagini"} << both;
    QTest::newRow("delete, answered No") << "delete" << "" << "" << 2 << false << false
                                         << QStringList{"question:Elimino immagine?"} << both;
    QTest::newRow("delete") << "delete" << "" << "" << 2 << true << true << QStringList{"question:Elimino immagine?"}
                            << QList<qint32>{1};
    QTest::newRow("delete a file that cannot go")
        << "delete" << "stuck" << "" << 2 << true << false
        << QStringList{"question:Elimino immagine?", "message:L'immagine non è stata eliminata:\n"} << both;
    QTest::newRow("open a row removed behind the window")
        << "open" << "" << "" << 5 << false << false << QStringList{"message:Incongruenza tra database ed immagini"}
        << both;
    QTest::newRow("open") << "open" << "" << "" << 2 << false << true << QStringList{} << both;
}

void PictureEditingTest::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, previewed);
    QFETCH(QString, shortDescription);
    QFETCH(qint32, np);
    QFETCH(bool, answerYes);
    QFETCH(bool, done);
    QFETCH(QStringList, shown);
    QFETCH(QList<qint32>, numbers);
    PictureFixture f;
    f.add(42);
    f.add(42);
    QString path;
    if (previewed == QLatin1String("chosen") || previewed == QLatin1String("gone"))
        path = f.chosen(QStringLiteral("nuova.jpg"));
    if (previewed == QLatin1String("gone"))
        QVERIFY(QFile::remove(path));
    if (previewed == QLatin1String("stuck")) {
        QVERIFY(QFile::remove(f.store.find(42, 2)->path));
        f.temp.writeFile(QStringLiteral("imm/M0000042N0002.png/inside"), "x");
    }
    ScriptedDialogs dialogs;
    dialogs.questionAnswers.enqueue(answerYes ? Dialogs::Button::Yes : Dialogs::Button::No);
    PictureEditing editing(f.store, dialogs, 42);

    bool result = false;
    if (command == QLatin1String("add"))
        result = editing.add(path, shortDescription, QStringLiteral("lunga")).has_value();
    else if (command == QLatin1String("change"))
        result = editing.change(np, path, shortDescription, QStringLiteral("lunga"));
    else if (command == QLatin1String("delete"))
        result = editing.remove(np);
    else
        result = editing.open(np).has_value();

    QCOMPARE(result, done);
    const QStringList actual = shownTo(dialogs);
    QCOMPARE(actual.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i)
        QVERIFY2(actual[i].startsWith(shown[i]), qPrintable(actual[i]));
    QCOMPARE(f.numbers(42), numbers);
    if (command == QLatin1String("change"))
        QCOMPARE(f.store.find(42, 2)->shortDescription, done ? shortDescription : QStringLiteral("staffaggio"));
}

void PictureEditingTest::chooserOffersWhatIsRead_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : {"foto.png", "pezzo.jpeg", "PEZZO.JPG", "schizzo.bmp", "disegno.tif", "DISEGNO.TIFF"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void PictureEditingTest::chooserOffersWhatIsRead()
{
    QFETCH(QString, file);
    // "Immagini (*.png *.PNG ...)": the chooser shows the name, the patterns pick the files.
    const QString filter = pictureChooserFilter();
    QVERIFY2(filter.startsWith(QStringLiteral("Immagini (")) && filter.endsWith(u')'), qPrintable(filter));
    const QStringList patterns = filter.section(u'(', 1).chopped(1).split(u' ');
    QVERIFY2(std::any_of(patterns.begin(), patterns.end(),
                         [&file](const QString &pattern) {
                             return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
                                 .match(file)
                                 .hasMatch();
                         }),
             qPrintable(filter));
}

QTEST_GUILESS_MAIN(PictureEditingTest)
#include "tst_pictureediting.moc"
