#include "editorfixture.h"
#include "frmfind.h"
#include "programtextarea.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QByteArray kProgram = "N10 G01 X5\r\nN20 G01 Y7\r\nN30 g01 Z1\r\n";

struct FindFixture : EditorFixture {
    frmNotePad *editor;

    FindFixture()
    {
        temp.writeProgramText(1, kProgram);
        editor = open(1);
    }
    frmFind *openFind()
    {
        trigger(editor, "mnuSFind");
        return workspace.findWindow();
    }
    template <typename T>
    static T *control(frmFind *window, const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    int selectionStart() const { return editor->textArea()->selectionStart(); }
    int selectionLength() const { return editor->textArea()->selectionLength(); }
};

} // namespace

class FrmFindTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheSelectionOrTheLastSearch();
    void findButtonFollowsTheSearchText();
    void trovaSearchesTheActiveEditor();
    void annullaKeepsTextsAsTyped();
    void optionsTakeEffectAtOnce();
    void findNextWithoutSearchTextOpensTheWindow();
    void findNextRepeatsInTheActiveEditor();
    void replaceAndFindAgain();
};

void FrmFindTest::opensWithTheSelectionOrTheLastSearch()
{
    FindFixture f;
    f.session.search.findText = QStringLiteral("X5");
    f.session.search.replaceText = QStringLiteral("X6");
    f.session.search.matchCase = true;
    f.session.search.direction = 1;

    f.editor->textArea()->setSelection(4, 3);
    frmFind *window = f.openFind();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Trova"));
    QCOMPARE(FindFixture::control<QLineEdit>(window, "Text1")->text(), QStringLiteral("G01"));
    QCOMPARE(FindFixture::control<QLineEdit>(window, "Text2")->text(), QString());
    QVERIFY(FindFixture::control<QCheckBox>(window, "chkCase")->isChecked());
    QVERIFY(FindFixture::control<QRadioButton>(window, "optDirection_1")->isChecked());
    QCOMPARE(FindFixture::control<QRadioButton>(window, "optDirection_0")->text(), QStringLiteral("&Su"));
    QCOMPARE(FindFixture::control<QRadioButton>(window, "optDirection_1")->text(), QStringLiteral("&Giù"));
    QVERIFY(f.session.search.firstTime);
    FindFixture::control<QPushButton>(window, "cmdcancel")->click();
    QTRY_VERIFY(!f.workspace.findWindow());

    f.editor->textArea()->setSelection(0, 0);
    window = f.openFind();
    QCOMPARE(FindFixture::control<QLineEdit>(window, "Text1")->text(), QStringLiteral("G01"));
    QCOMPARE(FindFixture::control<QLineEdit>(window, "Text2")->text(), QString());
    f.session.search.findText = QStringLiteral("X5");
    f.session.search.replaceText = QStringLiteral("X6");
    f.session.search.direction = 0;
    window = f.openFind();
    QCOMPARE(FindFixture::control<QLineEdit>(window, "Text1")->text(), QStringLiteral("X5"));
    QCOMPARE(FindFixture::control<QLineEdit>(window, "Text2")->text(), QStringLiteral("X6"));
    QVERIFY(FindFixture::control<QRadioButton>(window, "optDirection_0")->isChecked());
}

void FrmFindTest::findButtonFollowsTheSearchText()
{
    FindFixture f;
    frmFind *window = f.openFind();
    auto *text1 = FindFixture::control<QLineEdit>(window, "Text1");
    auto *cmdFind = FindFixture::control<QPushButton>(window, "cmdFind");
    QCOMPARE(text1->text(), QString());
    QVERIFY(!cmdFind->isEnabled());
    QTest::keyClicks(text1, QStringLiteral("G"));
    QVERIFY(cmdFind->isEnabled());
    QTest::keyClick(text1, Qt::Key_Backspace);
    QVERIFY(!cmdFind->isEnabled());
}

void FrmFindTest::trovaSearchesTheActiveEditor()
{
    FindFixture f;
    frmFind *window = f.openFind();
    QTest::keyClicks(FindFixture::control<QLineEdit>(window, "Text1"), QStringLiteral("g01"));
    // Typed letters outside ASCII cannot be sent as keys.
    FindFixture::control<QLineEdit>(window, "Text2")->setText(QStringLiteral("g00 \u00e8"));
    FindFixture::control<QPushButton>(window, "cmdFind")->click();
    QTRY_VERIFY(!f.workspace.findWindow());
    QCOMPARE(f.selectionStart(), 4);
    QCOMPARE(f.selectionLength(), 3);
    QCOMPARE(f.session.search.findText, QStringLiteral("g01"));
    QCOMPARE(f.session.search.replaceText, QStringLiteral("G00 \u00c8"));
    QCOMPARE(f.session.search.lastFoundPos, 4);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void FrmFindTest::annullaKeepsTextsAsTyped()
{
    FindFixture f;
    frmFind *window = f.openFind();
    QTest::keyClicks(FindFixture::control<QLineEdit>(window, "Text1"), QStringLiteral("g01"));
    QTest::keyClicks(FindFixture::control<QLineEdit>(window, "Text2"), QStringLiteral("g00"));
    FindFixture::control<QPushButton>(window, "cmdcancel")->click();
    QTRY_VERIFY(!f.workspace.findWindow());
    QCOMPARE(f.session.search.findText, QStringLiteral("g01"));
    QCOMPARE(f.session.search.replaceText, QStringLiteral("g00"));
    QCOMPARE(f.selectionStart(), 0);
    QCOMPARE(f.selectionLength(), 0);
}

void FrmFindTest::optionsTakeEffectAtOnce()
{
    FindFixture f;
    frmFind *window = f.openFind();
    FindFixture::control<QRadioButton>(window, "optDirection_0")->click();
    QCOMPARE(f.session.search.direction, 0);
    FindFixture::control<QCheckBox>(window, "chkCase")->click();
    QVERIFY(f.session.search.matchCase);
    FindFixture::control<QRadioButton>(window, "optDirection_1")->click();
    QCOMPARE(f.session.search.direction, 1);

    // Case kept: only the lower-case occurrence is found.
    QTest::keyClicks(FindFixture::control<QLineEdit>(window, "Text1"), QStringLiteral("g01"));
    FindFixture::control<QPushButton>(window, "cmdFind")->click();
    QCOMPARE(f.selectionStart(), 28);
}

void FrmFindTest::findNextWithoutSearchTextOpensTheWindow()
{
    FindFixture f;
    FindFixture::trigger(f.editor, "mnuSFindNext");
    QVERIFY(f.workspace.findWindow() && f.workspace.findWindow()->isVisible());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void FrmFindTest::findNextRepeatsInTheActiveEditor()
{
    FindFixture f;
    f.session.search.findText = QStringLiteral("G01");
    FindFixture::trigger(f.editor, "mnuSFindNext");
    FindFixture::trigger(f.editor, "mnuSFindNext");
    QCOMPARE(f.selectionStart(), 16);

    // The same search goes on in another window, from its own caret.
    f.temp.writeProgramText(2, "G01 G01");
    frmNotePad *other = f.open(2);
    FindFixture::trigger(f.editor, "mnuSFindNext");
    QCOMPARE(other->textArea()->selectionStart(), 0);
    QCOMPARE(f.selectionStart(), 16);

    f.session.search.findText = QStringLiteral("M30");
    FindFixture::trigger(other, "mnuSFindNext");
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Non trovato: \"M30\"")});
    QCOMPARE(other->textArea()->selectionStart(), 0);
    QCOMPARE(other->textArea()->selectionLength(), 3);
}

void FrmFindTest::replaceAndFindAgain()
{
    FindFixture f;
    f.session.search.findText = QStringLiteral("G01");
    f.session.search.replaceText = QStringLiteral("G00");
    FindFixture::trigger(f.editor, "mnuSFindNext");
    FindFixture::trigger(f.editor, "Rimpiazza");
    QCOMPARE(f.editor->textArea()->bytes(), QByteArray("N10 G00 X5\r\nN20 G01 Y7\r\nN30 g01 Z1\r\n"));
    QCOMPARE(f.selectionStart(), 16);
    QVERIFY(f.session.windows.state(1).dirty);

    f.session.search.replaceText.clear();
    FindFixture::trigger(f.editor, "Rimpiazza");
    QCOMPARE(f.selectionStart(), 16);
    QCOMPARE(f.editor->textArea()->bytes(), QByteArray("N10 G00 X5\r\nN20 G01 Y7\r\nN30 g01 Z1\r\n"));
}

QTEST_MAIN(FrmFindTest)
#include "tst_frmfind.moc"
