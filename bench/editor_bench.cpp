// Editor benchmark: open and save a 30 MB, 650,000-line program through an editor window,
// beside a plain read and a plain write of the same bytes in the same run; then find-next in
// the window's text (a hit near the end and a miss, case kept and case blind) beside memmem
// over the same bytes.
#include "benchsupport.h"
#include "accesspassword.h"
#include "archivestore.h"
#include "dialogs.h"
#include "editorsession.h"
#include "editorworkspace.h"
#include "finder.h"
#include "frmnotepad.h"
#include "programfoldersetup.h"
#include "programtextarea.h"
#include "settingsstore.h"
#include "textfile.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kLines = 650'000;

// No user is there to answer: every question says Yes, nothing is shown.
class SilentDialogs : public Dialogs {
public:
    bool quiet = false;
    int messages = 0;
    void message(const QString &text, const QString &, Icon) override
    {
        ++messages;
        if (!quiet)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    Button question(const QString &, Buttons, const QString &, Icon) override { return Button::Yes; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &, bool) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    bool setUpPrinter(QPrinter &) override { return false; }
    void showHelp(int) override {}
    void beep() override {}
};

QByteArray makeProgram()
{
    QByteArray text;
    text.reserve(kLines * 48);
    text.append("%\r\nO1234 (PIASTRA GRANDE - SPIANATURA)\r\n");
    for (int i = 1; i <= kLines - 2; ++i) {
        text.append(QByteArrayLiteral("N") + QByteArray::number(i * 10)
                    + QByteArrayLiteral(" G01 X") + QByteArray::number((i * 37) % 100000 / 100.0, 'f', 3)
                    + QByteArrayLiteral(" Y") + QByteArray::number((i * 53) % 80000 / 100.0, 'f', 3)
                    + QByteArrayLiteral(" Z-1.500 F1200\r\n"));
    }
    return text;
}

double milliseconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Find-next from the start of the text as "&Trova" runs it; false when the result is not the expected one.
bool benchFindNext(const char *label, const QByteArray &needle, bool matchCase, qsizetype expected,
                   frmNotePad *window, SilentDialogs &dialogs)
{
    SearchState state;
    state.findText = QString::fromLatin1(needle);
    state.matchCase = matchCase;
    Finder finder(state, dialogs);
    EditableText &text = window->editableText();
    qsizetype found = -1;
    const int messagesBefore = dialogs.messages;
    const double find = Bench::bestMs(7, [&] {
        text.setSelection(0, 0);
        state.firstTime = true;
        finder.findNext(text);
        found = text.selectionLength() > 0 ? text.selectionStart() : -1;
    });
    const QByteArrayView bytes = text.bytes();
    const QByteArray exact = matchCase ? needle : needle.toUpper();
    // A volatile result: memmem is a pure function, and the compiler drops the calls of the
    // runs whose result the next run overwrites, which made the shortest run an empty one.
    const void *volatile hit = nullptr;
    const double plain =
        Bench::bestMs(7, [&] { hit = memmem(bytes.data(), size_t(bytes.size()), exact.constData(), size_t(exact.size())); });
    const qsizetype plainFound = hit ? static_cast<const char *>(hit) - bytes.data() : -1;
    std::printf("find-next %-26s %7.2f ms   memmem %6.2f ms   ratio %5.2f\n", label, find, plain, find / plain);
    const bool missReported = expected >= 0 || dialogs.messages > messagesBefore;
    if (found != expected || plainFound != expected || !missReported) {
        std::fprintf(stderr, "%s: found %lld, memmem %lld, expected %lld\n", label, static_cast<long long>(found),
                     static_cast<long long>(plainFound), static_cast<long long>(expected));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    initialiseProgramFolder(folder);
    auto archive = ArchiveStore::open(folder.archivePath());
    archive->prepareForUse();
    ArchiveRecord record;
    record.progr = 42;
    record.cliente = QStringLiteral("OFFICINE ROSSI");
    record.disegno = QStringLiteral("12-4410-A");
    record.descrizione = QStringLiteral("PIASTRA GRANDE");
    archive->add(record);

    double plainRead = 0;
    double plainWrite = 0;
    qsizetype programSize = 0;
    QByteArray programDigest;
    {
        // The generated text and its plain copies are gone before the editor opens the file.
        const QByteArray program = makeProgram();
        programSize = program.size();
        programDigest = QCryptographicHash::hash(program, QCryptographicHash::Sha1);
        TextFile::writeAtomically(folder.programTextPath(42), program);
        std::printf("program: %.1f MB, %lld lines\n", program.size() / 1e6,
                    static_cast<long long>(program.count('\n')));
        QElapsedTimer timer;
        timer.start();
        QFile plain(folder.programTextPath(42));
        plain.open(QIODevice::ReadOnly);
        const QByteArray readBack = plain.readAll();
        plain.close();
        plainRead = milliseconds(timer);
        timer.restart();
        TextFile::writeAtomically(folder.path(QStringLiteral("plain-copy")), readBack);
        plainWrite = milliseconds(timer);
    }
    const long startMegabytes = Bench::peakMegabytes();

    SilentDialogs dialogs;
    AccessPassword password;
    SettingsStore settings;
    EditorSession session;
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    EditorWorkspace workspace(area, EditorContext{*archive, folder, password, settings, dialogs, session},
                              [] { return std::optional<ArchiveRecord>(); });
    QElapsedTimer timer;
    timer.start();
    frmNotePad *window = workspace.openProgram(*archive->seek(42));
    window->textArea()->repaint();
    QApplication::processEvents();
    const double open = milliseconds(timer);
    const long openMegabytes = Bench::peakMegabytes();
    if (window->textArea()->byteLength() != programSize) {
        std::fprintf(stderr, "loaded %d bytes of %lld\n", window->textArea()->byteLength(),
                     static_cast<long long>(programSize));
        return 1;
    }

    timer.restart();
    if (workspace.saveWindow(window) != SaveOutcome::Saved)
        return 1;
    const double save = milliseconds(timer);
    if (QCryptographicHash::hash(*TextFile::read(folder.programTextPath(42)), QCryptographicHash::Sha1)
        != programDigest) {
        std::fprintf(stderr, "saved text differs\n");
        return 1;
    }

    // The hit is the last numbered line but ten; the miss runs through the whole text.
    const QByteArray lastLines = QByteArray("N") + QByteArray::number((kLines - 12) * 10) + " G01";
    const qsizetype hitAt = QByteArrayView(window->editableText().bytes()).lastIndexOf(lastLines);
    dialogs.quiet = true;
    const bool found = benchFindNext("hit near the end, case", lastLines, true, hitAt, window, dialogs)
                       && benchFindNext("hit near the end, no case", lastLines.toLower(), false, hitAt, window, dialogs)
                       && benchFindNext("miss, case", "N7000000 G01", true, -1, window, dialogs)
                       && benchFindNext("miss, no case", "n7000000 g01", false, -1, window, dialogs);
    dialogs.quiet = false;
    if (!found)
        return 1;

    std::printf("open into the editor   %8.1f ms   plain read  %7.1f ms   ratio %6.1f\n", open, plainRead,
                open / plainRead);
    std::printf("save through the editor %7.1f ms   plain write %7.1f ms   ratio %6.1f\n", save, plainWrite,
                save / plainWrite);
    std::printf("peak memory: %ld MB before opening, %ld MB after opening, %ld MB at the end\n", startMegabytes,
                openMegabytes, Bench::peakMegabytes());
    return 0;
}
