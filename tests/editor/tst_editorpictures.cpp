#include "editorfixture.h"

#include <QFile>
#include <QTest>

namespace {

// A stand-in for picvault: it writes its arguments beside itself and ends once told to.
const QByteArray kFakeManager = "#!/bin/sh\n"
                                "echo \"$@\" > \"$0.args\"\n"
                                "while [ ! -e \"$0.end\" ]; do sleep 0.02; done\n";

struct PicturesFixture : EditorFixture {
    QString manager = temp.path(QStringLiteral("bin/picvault"));

    explicit PicturesFixture(const QByteArray &script = kFakeManager)
    {
        archive->add(editorRecord(42));
        if (!script.isEmpty()) {
            temp.writeFile(QStringLiteral("bin/picvault"), script);
            QFile::setPermissions(manager, QFile::permissions(manager) | QFile::ExeOwner);
        }
        workspace.lookForPictureManagerIn(temp.path(QStringLiteral("bin")));
    }
    QByteArray arguments() const
    {
        QFile file(manager + QStringLiteral(".args"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void endManager() const { temp.writeFile(QStringLiteral("bin/picvault.end"), {}); }
};

} // namespace

class EditorPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void entryEnabledWhenManagerFound_data();
    void entryEnabledWhenManagerFound();
    void managerRunsWhileMainWindowHidden();
    void recordMissing_data();
    void recordMissing();
    void managerThatCannotStart();
};

void EditorPicturesTest::entryEnabledWhenManagerFound_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("beside the program") << kFakeManager << true << true;
    QTest::newRow("missing") << QByteArray() << false << false;
    QTest::newRow("not a program") << kFakeManager << false << false;
}

void EditorPicturesTest::entryEnabledWhenManagerFound()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, executable);
    QFETCH(bool, enabled);
    PicturesFixture f(script);
    if (!script.isEmpty() && !executable) {
        QFile::setPermissions(f.manager, QFile::ReadOwner | QFile::WriteOwner);
        f.workspace.lookForPictureManagerIn(f.temp.path(QStringLiteral("bin")));
    }
    frmNotePad *editor = f.open(1);
    QCOMPARE(editor->findChild<QAction *>(QStringLiteral("showimm"))->isEnabled(), enabled);
}

void EditorPicturesTest::managerRunsWhileMainWindowHidden()
{
    PicturesFixture f;
    frmNotePad *editor = f.open(42);
    f.area.move(130, 90);
    const QRect placement = f.area.geometry();

    EditorFixture::trigger(editor, "showimm");

    QVERIFY(!f.area.isVisible());
    QTRY_COMPARE(f.arguments(), QByteArray("42\n"));
    QVERIFY(!f.area.isVisible());
    f.endManager();
    QTRY_VERIFY(f.area.isVisible());
    QCOMPARE(f.area.geometry(), placement);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void EditorPicturesTest::recordMissing_data()
{
    QTest::addColumn<bool>("beforeStart");
    QTest::newRow("before the start: nothing runs") << true;
    QTest::newRow("after the end") << false;
}

void EditorPicturesTest::recordMissing()
{
    QFETCH(bool, beforeStart);
    PicturesFixture f;
    frmNotePad *editor = f.open(42);
    if (beforeStart)
        f.archive->remove(42);

    EditorFixture::trigger(editor, "showimm");

    if (beforeStart) {
        QVERIFY(f.area.isVisible());
        QCOMPARE(f.dialogs.messageTexts(), QStringList{"Errore fase P"});
        return;
    }
    QTRY_COMPARE(f.arguments(), QByteArray("42\n"));
    QVERIFY(f.dialogs.shown.isEmpty());
    f.archive->remove(42);
    f.endManager();
    QTRY_VERIFY(f.area.isVisible());
    QCOMPARE(f.dialogs.messageTexts(), QStringList{"Errore fase P"});
}

void EditorPicturesTest::managerThatCannotStart()
{
    PicturesFixture f("#!/nonexistent/interpreter\n");
    frmNotePad *editor = f.open(42);

    EditorFixture::trigger(editor, "showimm");

    QTRY_VERIFY(f.area.isVisible());
    QTRY_COMPARE(f.dialogs.messageTexts().size(), 1);
    QVERIFY2(f.dialogs.messageTexts()[0].startsWith(QStringLiteral("Impossibile avviare picvault:\n")),
             qPrintable(f.dialogs.messageTexts()[0]));
}

QTEST_MAIN(EditorPicturesTest)
#include "tst_editorpictures.moc"
