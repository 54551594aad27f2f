#include "caricaform.h"
#include "frmfulpg.h"
#include "iconcontainer.h"
#include "iconform.h"
#include "pdftext.h"
#include "pictureediting.h"
#include "picturefiles.h"
#include "pictureview.h"
#include "scripteddialogs.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The image manager on program 42, whose pictures are added before the container opens.
struct Manager {
    PictureFixture f;
    ScriptedDialogs dialogs;
    PictureEditing editing{f.store, dialogs, 42};
    Iconcontainer container{f.store, editing, dialogs, 42};

    void open()
    {
        container.show();
        container.refresh();
    }
    QStringList captions() const
    {
        QStringList captions;
        for (const Iconform *thumbnail : container.thumbnails())
            captions << thumbnail->windowTitle();
        return captions;
    }
    // Runs answer on the modal window that the next step opens, and closes it if answer did not.
    static void whenModalOpens(std::function<void(QWidget *)> answer)
    {
        auto *poll = new QTimer;
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, [poll, answer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            poll->stop();
            poll->deleteLater();
            answer(modal);
            if (modal->isVisible())
                modal->close();
        });
        poll->start();
    }
};

template <typename T = QPushButton>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class PicvaultWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndEmptyProgram();
    void thumbnailsWrap_data();
    void thumbnailsWrap();
    void unreadablePictures_data();
    void unreadablePictures();
    void thumbnailDecodedSmall_data();
    void thumbnailDecodedSmall();
    void detailsWindowRules_data();
    void detailsWindowRules();
    void addedPictureShownLastAfterExit();
    void changedCaptionShownAfterRefreshOnly();
    void zoom_data();
    void zoom();
    void printsPictureAndCaption_data();
    void printsPictureAndCaption();
    void onlyTheNamedFileIsAdded_data();
    void onlyTheNamedFileIsAdded();
    void withoutNumberEndsAtOnce_data();
    void withoutNumberEndsAtOnce();
};

void PicvaultWindowsTest::captionAndEmptyProgram()
{
    Manager m;
    m.f.add(7);
    m.open();
    QCOMPARE(m.container.windowTitle(), QStringLiteral("Ver. " TRUV_VERSION "          Immagini ciclo: 42"));
    QVERIFY(m.container.thumbnails().isEmpty());
    QCOMPARE(m.container.mdiArea()->subWindowList().size(), 0);
    QVERIFY(m.dialogs.shown.isEmpty());
}

void PicvaultWindowsTest::thumbnailsWrap_data()
{
    // Thumbnails are 141 x 200 pixels; rows are 100 twips (7 pixels at 96 dpi) apart.
    QTest::addColumn<int>("areaWidth");
    QTest::addColumn<QList<QPoint>>("places");
    QTest::newRow("one row") << 800 << QList<QPoint>{{0, 0}, {141, 0}, {282, 0}, {423, 0}, {564, 0}};
    QTest::newRow("three fit exactly") << 423 << QList<QPoint>{{0, 0}, {141, 0}, {282, 0}, {0, 207}, {141, 207}};
    QTest::newRow("one pixel short of three")
        << 422 << QList<QPoint>{{0, 0}, {141, 0}, {0, 207}, {141, 207}, {0, 414}};
    QTest::newRow("narrower than two") << 281 << QList<QPoint>{{0, 0}, {0, 207}, {0, 414}, {0, 621}, {0, 828}};
}

void PicvaultWindowsTest::thumbnailsWrap()
{
    QFETCH(int, areaWidth);
    QFETCH(QList<QPoint>, places);
    Manager m;
    for (int i = 0; i < 5; ++i)
        m.f.add(42);
    m.container.resize(900, 700);
    m.container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m.container));
    const int frame = m.container.width() - m.container.mdiArea()->viewport()->width();
    m.container.resize(areaWidth + frame, 700);
    QTRY_COMPARE(m.container.mdiArea()->viewport()->width(), areaWidth);
    m.container.refresh();

    QList<QPoint> shown;
    for (const Iconform *thumbnail : m.container.thumbnails()) {
        shown << thumbnail->parentWidget()->pos();
        QCOMPARE(thumbnail->parentWidget()->size(), QSize(141, 200));
    }
    QCOMPARE(shown, places);
}

void PicvaultWindowsTest::unreadablePictures_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::newRow("truncated JPEG") << pictureBytes(QSize(64, 48), "JPG").left(200);
    QTest::newRow("text named .png") << QByteArray("G00 X0 Y0\r\n");
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("file missing") << QByteArray();
}

void PicvaultWindowsTest::unreadablePictures()
{
    QFETCH(QByteArray, bytes);
    Manager m;
    m.f.add(42, QStringLiteral("prima"));
    m.f.add(42, QStringLiteral("guasta"));
    m.f.add(42, QStringLiteral("terza"));
    const QString damaged = m.f.store.find(42, 2)->path;
    QVERIFY(QFile::remove(damaged));
    if (!bytes.isNull())
        m.f.temp.writeFile(QStringLiteral("imm/M0000042N0002.png"), bytes);

    m.open();

    QCOMPARE(m.captions(), (QStringList{"prima", "guasta", "terza"}));
    const QList<Iconform *> thumbnails = m.container.thumbnails();
    QVERIFY(thumbnails[0]->picture()->hasPicture());
    QVERIFY(!thumbnails[1]->picture()->hasPicture());
    QVERIFY(!thumbnails[1]->picture()->placeholderText().isEmpty());
    QVERIFY(thumbnails[2]->picture()->hasPicture());
    QVERIFY(!thumbnails[1]->grab().isNull());
    // Its full page opens on the placeholder, and printing it only beeps.
    frmfulpg page(m.dialogs, damaged, QStringLiteral("guasta"));
    page.show();
    QVERIFY(!page.picture()->hasPicture());
    child(&page, "Command3")->click();
    QCOMPARE(m.dialogs.shown.size(), 1);
    QCOMPARE(m.dialogs.shown[0].kind, ScriptedDialogs::Kind::Beep);
}

void PicvaultWindowsTest::thumbnailDecodedSmall_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("JPEG") << "grande.jpg" << QByteArray("JPG");
    QTest::newRow("TIFF") << "grande.tif" << QByteArray("TIFF");
    QTest::newRow("BMP") << "grande.bmp" << QByteArray("BMP");
    QTest::newRow("PNG") << "grande.png" << QByteArray("PNG");
}

void PicvaultWindowsTest::thumbnailDecodedSmall()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    Manager m;
    QVERIFY(m.f.store.add(42, m.f.chosen(name, pictureBytes(QSize(1600, 1200), format.constData())),
                          QStringLiteral("grande"), {})
                .status == PictureStore::Status::Done);
    m.open();
    const PictureView *view = m.container.thumbnails().value(0)->picture();
    QVERIFY2(view->hasPicture(), qPrintable(view->placeholderText()));
    QCOMPARE(view->pictureSize(), QSize(1600, 1200));
    QCOMPARE(view->image().size(), QSize(141, 105));
}

void PicvaultWindowsTest::detailsWindowRules_data()
{
    QTest::addColumn<qint32>("np"); // 0: adding
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("storeButton");
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<QString>("shortDescription");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("adding") << 0 << "Aggiunte d'immagine" << "Carica" << false << "" << QStringList{};
    QTest::newRow("changing") << 1 << "Variazioni all'immagine" << "Varia" << true << "staffaggio" << QStringList{};
    QTest::newRow("changing a row removed behind the window")
        << 5 << "Variazioni all'immagine" << "Varia" << false << ""
        << QStringList{"Incongruenza tra database ed immagini"};
}

void PicvaultWindowsTest::detailsWindowRules()
{
    QFETCH(qint32, np);
    QFETCH(QString, caption);
    QFETCH(QString, storeButton);
    QFETCH(bool, deleteEnabled);
    QFETCH(QString, shortDescription);
    QFETCH(QStringList, messages);
    PictureFixture f;
    f.add(42);
    ScriptedDialogs dialogs;
    PictureEditing editing(f.store, dialogs, 42);
    caricaform details(editing, dialogs);
    if (np == 0)
        details.openToAdd();
    else
        details.openToChange(0, np, f.store.find(42, 1)->path);
    details.show();

    QCOMPARE(details.windowTitle(), caption);
    QCOMPARE(child(&details, "Command2")->text(), storeButton);
    QCOMPARE(child(&details, "Command5")->isEnabled(), deleteEnabled);
    QCOMPARE(child<QLineEdit>(&details, "Text3")->text(), shortDescription);
    QCOMPARE(dialogs.messageTexts(), messages);
    QCOMPARE(child<QLineEdit>(&details, "Text1")->text().isEmpty(), np == 0);
    QCOMPARE(child<PictureView>(&details, "Picbuf1")->hasPicture(), np != 0);
    // "Anteprima" starts disabled even with a path, then follows whether Text1 holds one.
    QPushButton *preview = child(&details, "Command4");
    QVERIFY(!preview->isEnabled());
    QLineEdit *path = child<QLineEdit>(&details, "Text1");
    QTest::keyClicks(path, "x");
    QVERIFY(preview->isEnabled());
    path->clear();
    QVERIFY(!preview->isEnabled());
    // The chooser offers the picture files, and a cancelled choice changes nothing.
    dialogs.fileAnswers.enqueue(QString());
    child(&details, "Command1")->click();
    QCOMPARE(path->text(), QString());
}

void PicvaultWindowsTest::addedPictureShownLastAfterExit()
{
    Manager m;
    m.f.add(42, QStringLiteral("prima"));
    m.f.add(42, QStringLiteral("seconda"));
    m.open();
    const QString chosen = m.f.chosen(QStringLiteral("nuova.bmp"), pictureBytes(QSize(30, 60), "BMP"));
    m.dialogs.fileAnswers.enqueue(chosen);
    Manager::whenModalOpens([](QWidget *details) {
        child(details, "Command1")->click();
        child(details, "Command4")->click();
        QTest::keyClicks(child<QLineEdit>(details, "Text3"), "nuova");
        child(details, "Command2")->click();
        // Still open for a further picture; the thumbnails change only on "Esci".
        QVERIFY(details->isVisible());
        child(details, "Command3")->click();
    });
    m.container.findChild<QAction *>(QStringLiteral("carica"))->trigger();

    QCOMPARE(m.dialogs.messageTexts(), QStringList{"Aggiunto..."});
    QCOMPARE(m.captions(), (QStringList{"prima", "seconda", "nuova"}));
    QCOMPARE(QFileInfo(m.container.thumbnails().last()->picture()->fileName()).fileName(),
             QStringLiteral("M0000042N0003.bmp"));
}

void PicvaultWindowsTest::changedCaptionShownAfterRefreshOnly()
{
    Manager m;
    m.f.add(42, QStringLiteral("vecchia"));
    m.open();
    Iconform *thumbnail = m.container.thumbnails().first();
    bool closed = false;
    Manager::whenModalOpens([&closed](QWidget *details) {
        QLineEdit *text = child<QLineEdit>(details, "Text3");
        text->clear();
        QTest::keyClicks(text, "nuova");
        child(details, "Command2")->click();
        closed = !details->isVisible();
    });
    QTest::mouseClick(thumbnail->picture(), Qt::LeftButton);
    QTRY_VERIFY(closed);

    QCOMPARE(m.f.store.find(42, 1)->shortDescription, QStringLiteral("nuova"));
    QCOMPARE(m.captions(), QStringList{"vecchia"});
    m.container.refresh();
    QCOMPARE(m.captions(), QStringList{"nuova"});
}

void PicvaultWindowsTest::zoom_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QSize>("shown"); // of a 40 x 30 picture
    QTest::newRow("= + + -") << QStringList{"=", "+", "+", "-"} << 3 << 2 << QSize(60, 45);
    QTest::newRow("then = again") << QStringList{"+", "+", "-", "="} << 1 << 1 << QSize(40, 30);
    QTest::newRow("- -") << QStringList{"-", "-"} << 1 << 3 << QSize(13, 10);
}

void PicvaultWindowsTest::zoom()
{
    QFETCH(QStringList, buttons);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(QSize, shown);
    Manager m;
    m.f.add(42, QStringLiteral("staffa"));
    m.open();
    bool checked = false;
    Manager::whenModalOpens([&](QWidget *page) {
        QCOMPARE(page->objectName(), QStringLiteral("frmfulpg"));
        QCOMPARE(page->windowTitle(), QStringLiteral("staffa"));
        QVERIFY(page->windowState() & Qt::WindowMaximized);
        const QStringList captions{"+", "=", "-"};
        for (const QString &button : buttons)
            child(page, qPrintable(QStringLiteral("Command1_%1").arg(captions.indexOf(button))))->click();
        const auto *full = static_cast<frmfulpg *>(page);
        QCOMPARE(full->zoom().numerator, numerator);
        QCOMPARE(full->zoom().denominator, denominator);
        QCOMPARE(full->picture()->size(), shown);
        child(page, "Command2")->click();
        checked = true;
    });
    QTest::mouseClick(m.container.thumbnails().first()->picture(), Qt::RightButton);
    QTRY_VERIFY(checked);
}

void PicvaultWindowsTest::printsPictureAndCaption_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as on the screen") << QSize(96, 48);
    // Printed at screen size it would run off the page and take the caption with it.
    QTest::newRow("larger than the page") << QSize(3000, 2000);
}

void PicvaultWindowsTest::printsPictureAndCaption()
{
    QFETCH(QSize, size);
    PictureFixture f;
    const QString path = f.chosen(QStringLiteral("staffa.png"), pictureBytes(size));
    ScriptedDialogs dialogs;
    const QString pdf = f.temp.path(QStringLiteral("stampa.pdf"));
    dialogs.printerAnswers.enqueue(true);
    dialogs.printerChoice = [&pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    frmfulpg page(dialogs, path, QStringLiteral("Vista lato A, morsa 2"));
    child(&page, "Command3")->click();

    QVERIFY(dialogs.messageTexts().isEmpty());
    const QList<QStringList> pages = pdfPages(pdf, 12);
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages[0].join(QLatin1Char('\n')).contains(QStringLiteral("Vista lato A, morsa 2")),
             qPrintable(pages[0].join(QLatin1Char('|'))));
    // The picture itself, with all its pixels.
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3); // two header lines and one picture
    const QStringList columns = lines[2].simplified().split(QLatin1Char(' '));
    QCOMPARE(columns.mid(3, 2), (QStringList{QString::number(size.width()), QString::number(size.height())}));
}

void PicvaultWindowsTest::onlyTheNamedFileIsAdded_data()
{
    QTest::addColumn<QString>("previewed"); // the file shown with "Anteprima"
    QTest::addColumn<QString>("typed");     // then typed over it in the path box; empty: none
    QTest::addColumn<QString>("shown");     // "beep", or the start of the message
    QTest::addColumn<QString>("added");     // the file added; empty: none
    QTest::newRow("not a picture") << "O0042.jpg" << "" << "beep" << "";
    QTest::newRow("missing file typed after a preview")
        << "verde.png" << "manca.png" << "L'immagine non è stata aggiunta:\n%1\n" << "";
    QTest::newRow("other picture typed after a preview") << "verde.png" << "rossa.png" << "Aggiunto..." << "rossa.png";
}

void PicvaultWindowsTest::onlyTheNamedFileIsAdded()
{
    QFETCH(QString, previewed);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, added);
    PictureFixture f;
    const QMap<QString, QByteArray> files{{"O0042.jpg", "G00 X0\r\n"},
                                          {"verde.png", pictureBytes(QSize(40, 30))},
                                          {"rossa.png", pictureBytes(QSize(40, 30), "PNG", Qt::red)}};
    for (auto file = files.begin(); file != files.end(); ++file)
        f.chosen(file.key(), file.value());
    ScriptedDialogs dialogs;
    PictureEditing editing(f.store, dialogs, 42);
    caricaform details(editing, dialogs);
    details.openToAdd();
    details.show();
    auto *path = child<QLineEdit>(&details, "Text1");
    QTest::keyClicks(path, f.temp.path(QStringLiteral("scelte/") + previewed));
    child(&details, "Command4")->click();
    const QString typedPath = f.temp.path(QStringLiteral("scelte/") + typed);
    if (!typed.isEmpty()) {
        path->clear();
        QTest::keyClicks(path, typedPath);
    }
    QTest::keyClicks(child<QLineEdit>(&details, "Text3"), "nuova");
    child(&details, "Command2")->click();

    QCOMPARE(dialogs.shown.size(), 1);
    if (shown == u"beep") {
        QCOMPARE(dialogs.shown[0].kind, ScriptedDialogs::Kind::Beep);
    } else {
        const QString expected = QString(shown).replace(QStringLiteral("%1"), typedPath);
        const QString &text = dialogs.shown[0].text;
        // A refusal ends with the system's reason, whatever its words.
        QVERIFY2(expected.endsWith(u'\n') ? text.startsWith(expected) && text.size() > expected.size() : text == expected,
                 qPrintable(text));
    }
    QCOMPARE(f.numbers(42), added.isEmpty() ? QList<qint32>() : QList<qint32>{1});
    if (!added.isEmpty()) {
        QFile stored(QDir(f.temp.folder().pictureDir()).filePath(f.files().value(0)));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), files[added]);
    }
}

void PicvaultWindowsTest::withoutNumberEndsAtOnce_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("0") << QStringList{"0"};
    QTest::newRow("not a number") << QStringList{"ciclo"};
    QTest::newRow("negative") << QStringList{"-42"};
}

void PicvaultWindowsTest::withoutNumberEndsAtOnce()
{
    QFETCH(QStringList, arguments);
    // A program folder without a catalogue: opening one would stop at its message.
    QTemporaryDir home;
    QProcess picvault;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRUV_HOME"), home.path());
    picvault.setProcessEnvironment(environment);
    picvault.start(QStringLiteral(PICVAULT), arguments);
    QVERIFY(picvault.waitForFinished(30000));
    QCOMPARE(picvault.exitStatus(), QProcess::NormalExit);
    QCOMPARE(picvault.exitCode(), 0);
}

QTEST_MAIN(PicvaultWindowsTest)
#include "tst_picvaultwindows.moc"
