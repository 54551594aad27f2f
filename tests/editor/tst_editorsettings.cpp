#include "editorsession.h"
#include "editorsettings.h"
#include "scripteddialogs.h"
#include "settingsstore.h"

#include <QSettings>
#include <QTest>

class EditorSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void textAreaFontSize_data();
    void textAreaFontSize();
    void printCharSize_data();
    void printCharSize();
    void storedValues_data();
    void storedValues();
};

void EditorSettingsTest::init()
{
    QSettings(QStringLiteral("TRUV"), QStringLiteral("TRUV")).clear();
}

void EditorSettingsTest::textAreaFontSize_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("size"); // 0: refused with the message
    QTest::newRow("7") << std::optional<QString>("7") << 0;
    QTest::newRow("8") << std::optional<QString>("8") << 8;
    QTest::newRow("30") << std::optional<QString>("30") << 30;
    QTest::newRow("31") << std::optional<QString>("31") << 0;
    QTest::newRow("leading number") << std::optional<QString>(" 12pt") << 12;
    QTest::newRow("empty") << std::optional<QString>("") << 0;
    QTest::newRow("cancelled") << std::optional<QString>() << 0;
    QTest::newRow("too large for 16 bits") << std::optional<QString>("99999") << 0;
    QTest::newRow("negative") << std::optional<QString>("-12") << 0;
}

void EditorSettingsTest::textAreaFontSize()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, size);
    ScriptedDialogs dialogs;
    dialogs.inputAnswers.enqueue(answer);
    const std::optional<int> result = askTextAreaFontSize(dialogs);
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Altezza carattere"));
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Altezza carattere"));
    QCOMPARE(dialogs.inputInitials, QStringList{QString()});
    QCOMPARE(result.value_or(0), size);
    QCOMPARE(dialogs.messageTexts(),
             size ? QStringList() : QStringList{QStringLiteral("Valori non compresi tra 8 e 30")});
}

void EditorSettingsTest::printCharSize_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("kept");
    QTest::addColumn<bool>("refused");
    QTest::newRow("2") << std::optional<QString>("2") << 11 << true;
    QTest::newRow("3") << std::optional<QString>("3") << 3 << false;
    QTest::newRow("15") << std::optional<QString>("15") << 15 << false;
    QTest::newRow("16") << std::optional<QString>("16") << 11 << true;
    QTest::newRow("not a number") << std::optional<QString>("A") << 11 << true;
    QTest::newRow("empty: nothing changes") << std::optional<QString>("") << 11 << false;
    QTest::newRow("cancelled: nothing changes") << std::optional<QString>() << 11 << false;
}

void EditorSettingsTest::printCharSize()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, kept);
    QFETCH(bool, refused);
    SettingsStore settings;
    settings.setValue(QStringLiteral("character"), QStringLiteral("printsize"), QStringLiteral("11"));
    EditorSession session;
    session.printCharSize = 11;
    ScriptedDialogs dialogs;
    dialogs.inputAnswers.enqueue(answer);
    askPrintCharSize(settings, session, dialogs);
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Altezza carattere stampante in mm."));
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Scelta dimensioni carattere stampante"));
    QCOMPARE(dialogs.inputInitials, QStringList{QStringLiteral("11")});
    QCOMPARE(dialogs.messageTexts(), refused ? QStringList{QStringLiteral("Altezza >2 e < 16!")} : QStringList());
    QCOMPARE(session.printCharSize, kept);
    QCOMPARE(settings.text(QStringLiteral("character"), QStringLiteral("printsize")), QString::number(kept));
    QCOMPARE(storedPrintCharSize(settings), kept);
}

void EditorSettingsTest::storedValues_data()
{
    QTest::addColumn<QString>("printsize"); // null: absent
    QTest::addColumn<int>("printCharSize");
    QTest::newRow("absent") << QString() << 10;
    QTest::newRow("12") << QStringLiteral("12") << 12;
    QTest::newRow("0 is no font size") << QStringLiteral("0") << 10;
    QTest::newRow("garbage") << QStringLiteral("abc") << 10;
}

void EditorSettingsTest::storedValues()
{
    QFETCH(QString, printsize);
    QFETCH(int, printCharSize);
    SettingsStore settings;
    if (!printsize.isNull())
        settings.setValue(QStringLiteral("character"), QStringLiteral("printsize"), printsize);
    QCOMPARE(storedPrintCharSize(settings), printCharSize);
    QVERIFY(!storedTextAreaFont(settings));
    storeTextAreaFont(settings, TextAreaFont{QStringLiteral("DejaVu Sans Mono"), 14});
    QCOMPARE(settings.text(QStringLiteral("character"), QStringLiteral("nome")), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(settings.text(QStringLiteral("character"), QStringLiteral("size")), QStringLiteral("14"));
    QCOMPARE(storedTextAreaFont(settings)->size, 14);
}

QTEST_GUILESS_MAIN(EditorSettingsTest)
#include "tst_editorsettings.moc"
