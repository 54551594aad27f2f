#include "consoledialogs.h"
#include "consoleoutput.h"

#include <QBuffer>
#include <QTest>

// What a transfer subcommand writes on standard error, on a terminal and into a log.

namespace {

// A step of a run: a count at a moment (milliseconds), a line, or the end of the count.
struct Step {
    enum Kind { Count, Line, End } kind;
    QString text;
    qint64 at = 0;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class ConsoleOutputTest : public QObject {
    Q_OBJECT
private slots:
    void countsAndLines_data();
    void countsAndLines();
    void questionsStopWhatAsked_data();
    void questionsStopWhatAsked();
};

void ConsoleOutputTest::countsAndLines_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QByteArray>("written");
    const QList<Step> shortSend{{Step::Line, QStringLiteral("Trasmissione del ciclo in corso")},
                                {Step::Count, QStringLiteral("180"), 0},
                                {Step::Count, QStringLiteral("360"), 10},
                                {Step::Count, QStringLiteral("400"), 20},
                                {Step::Count, QStringLiteral("400"), 30},
                                {Step::End, {}}};
    QTest::newRow("terminal: rewritten in place")
        << true << shortSend << QByteArray("Trasmissione del ciclo in corso\n\r180\r360\r400\n");
    QTest::newRow("log: the last count only") << false << shortSend
                                              << QByteArray("Trasmissione del ciclo in corso\n400\n");

    const QList<Step> longSend{{Step::Count, QStringLiteral("180"), 0},
                               {Step::Count, QStringLiteral("1.800"), 4999},
                               {Step::Count, QStringLiteral("1.980"), 5000},
                               {Step::Count, QStringLiteral("3.600"), 9000},
                               {Step::Count, QStringLiteral("3.780"), 10001},
                               {Step::End, {}}};
    QTest::newRow("log: a count every five seconds, the last always")
        << false << longSend << QByteArray("1.980\n3.780\n");

    const QList<Step> interrupted{{Step::Count, QStringLiteral("5"), 0},
                                  {Step::Line, QStringLiteral("Errore di overrun")},
                                  {Step::Count, QStringLiteral("8"), 1},
                                  {Step::End, {}}};
    QTest::newRow("terminal: a message keeps the count's line")
        << true << interrupted << QByteArray("\r5\nErrore di overrun\n\r8\n");
    QTest::newRow("log: a message before the count") << false << interrupted
                                                     << QByteArray("Errore di overrun\n8\n");
    QTest::newRow("log: the last count already written")
        << false << QList<Step>{{Step::Count, QStringLiteral("1"), 0}, {Step::Count, QStringLiteral("2"), 6000},
                                {Step::End, {}}}
        << QByteArray("2\n");
}

void ConsoleOutputTest::countsAndLines()
{
    QFETCH(bool, terminal);
    QFETCH(QList<Step>, steps);
    QFETCH(QByteArray, written);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ConsoleOutput output(buffer, terminal);
    qint64 now = 0;
    output.setClock([&now] { return now; });
    for (const Step &step : steps) {
        now = step.at ? step.at : now;
        switch (step.kind) {
        case Step::Count: output.count(step.text); break;
        case Step::Line: output.line(step.text); break;
        case Step::End: output.endCount(); break;
        }
    }
    QCOMPARE(buffer.data(), written);
}

void ConsoleOutputTest::questionsStopWhatAsked_data()
{
    QTest::addColumn<Dialogs::Buttons>("buttons");
    QTest::addColumn<Dialogs::Button>("answer");
    QTest::newRow("OK/Cancel") << Dialogs::Buttons::OkCancel << Dialogs::Button::Cancel;
    QTest::newRow("Yes/No") << Dialogs::Buttons::YesNo << Dialogs::Button::No;
    QTest::newRow("Yes/No/Cancel") << Dialogs::Buttons::YesNoCancel << Dialogs::Button::Cancel;
    QTest::newRow("Abort/Retry/Ignore") << Dialogs::Buttons::AbortRetryIgnore << Dialogs::Button::Abort;
    QTest::newRow("OK") << Dialogs::Buttons::Ok << Dialogs::Button::Ok;
}

void ConsoleOutputTest::questionsStopWhatAsked()
{
    QFETCH(Dialogs::Buttons, buttons);
    QFETCH(Dialogs::Button, answer);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ConsoleOutput output(buffer, true);
    ConsoleDialogs dialogs(output);
    QStringList asked;
    dialogs.onQuestion = [&asked](const QString &text) { asked.append(text); };
    dialogs.beep();
    Dialogs &asking = dialogs;
    QCOMPARE(asking.question(QStringLiteral("Errore di overrun"), buttons,
                              QStringLiteral("Scegliere Annulla per terminare, OK per ignorare.")),
             answer);
    QCOMPARE(asked, QStringList{QStringLiteral("Errore di overrun")});
    QCOMPARE(buffer.data(), QByteArray("\aErrore di overrun\n"));
}

QTEST_GUILESS_MAIN(ConsoleOutputTest)
#include "tst_consoleoutput.moc"
