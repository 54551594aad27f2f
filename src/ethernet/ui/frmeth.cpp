#include "frmeth.h"

#include "busyretry.h"
#include "cncaddress.h"
#include "checkmulti.h"
#include "cncresults.h"
#include "dialogs.h"
#include "ethernettext.h"
#include "numerictext.h"
#include "textfile.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>

namespace {

constexpr long ConnectTimeoutSeconds = 10;
constexpr int CloseAfterConnectFailureMs = 10;
constexpr int CloseAfterRefusedDeleteMs = 20;

// The CNC series number at the start of the CNC type ("31", " 0"); 0 when there is none.
int cncSeries(const ODBSYS &info)
{
    return int(leadingNumber(QString::fromLatin1(info.cnc_type, 2)));
}

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmeth::frmeth(CncLibrary &library, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_library(library), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmeth"));
    setWindowTitle(EthernetText::WindowCaption);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &QWidget::close);
    buildControls();
}

frmeth::~frmeth() = default;

void frmeth::buildControls()
{
    auto *connection = named(new QGroupBox(EthernetText::ConnectionFrame, this), "Frame1");
    Label1 = named(new QLabel(connection), "Label1");
    (new QVBoxLayout(connection))->addWidget(Label1);
    auto *active = named(new QGroupBox(EthernetText::ActiveProgramFrame, this), "Frame2");
    Label5 = named(new QLabel(active), "Label5");
    (new QVBoxLayout(active))->addWidget(Label5);

    auto *memory = named(new QGroupBox(EthernetText::MemoryFrame, this), "Frame3");
    MSFlexGrid1 = named(new QTableWidget(1, 3, memory), "MSFlexGrid1");
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->setColumnWidth(1, 233); // 3500 twips
    Command3 = named(new QPushButton(EthernetText::RefreshButton, memory), "Command3");
    Command4 = named(new QPushButton(EthernetText::DeleteButton, memory), "Command4");
    Command5 = named(new QPushButton(EthernetText::RenameButton, memory), "Command5");
    auto *memoryLayout = new QVBoxLayout(memory);
    memoryLayout->addWidget(MSFlexGrid1);
    auto *commands = new QHBoxLayout;
    for (QPushButton *button : {Command3, Command4, Command5})
        commands->addWidget(button);
    memoryLayout->addLayout(commands);

    Label2 = named(new QLabel(this), "Label2");
    Text1 = named(new QLineEdit(this), "Text1");
    auto *label3 = named(new QLabel(EthernetText::NewNameLabel, this), "Label3");
    auto *label4 = named(new QLabel(EthernetText::ForRenameLabel, this), "Label4");
    Text2 = named(new QLineEdit(this), "Text2");
    List1 = named(new QListWidget(this), "List1");
    List1->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    Command1 = named(new QPushButton(EthernetText::SendButton, this), "Command1");
    Command2 = named(new QPushButton(EthernetText::ExitButton, this), "Command2");

    auto *numbers = new QHBoxLayout;
    for (QWidget *widget : std::initializer_list<QWidget *>{Label2, Text1, label3, label4, Text2})
        numbers->addWidget(widget);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *top = new QHBoxLayout;
    top->addWidget(connection);
    top->addWidget(active);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(memory, 1);
    layout->addLayout(numbers);
    layout->addWidget(List1, 1);
    layout->addLayout(buttons);
    resize(640, 560);

    connect(Command3, &QPushButton::clicked, this, [this] { refresh(); });
    connect(Command4, &QPushButton::clicked, this, &frmeth::deleteProgram);
    connect(Command5, &QPushButton::clicked, this, &frmeth::renameProgram);
    connect(Command2, &QPushButton::clicked, this, &frmeth::leave);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (m_direzione == 1)
            receiveProgram();
        else
            sendProgram();
    });
    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this](int row) {
        if (const QTableWidgetItem *number = MSFlexGrid1->item(row, 0))
            Text1->setText(number->text());
    });
}

bool frmeth::esiste(const QString &number) const
{
    const QString wanted = number.trimmed();
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row) {
        const QTableWidgetItem *item = MSFlexGrid1->item(row, 0);
        if (item && item->text() == wanted)
            return true;
    }
    return false;
}

void frmeth::setHandBack(const QString &workFile, std::function<void(const QByteArray &)> handBack)
{
    m_workFile = workFile;
    m_handBack = std::move(handBack);
}

void frmeth::open(int direzione, const QString &settings, const QByteArray &termText)
{
    m_direzione = direzione;
    show();
    QString error;
    const std::optional<CncAddress> address = parseCncAddress(settings, &error);
    if (!address) {
        m_dialogs.message(error);
        return;
    }
    Label1->setText(EthernetText::Connecting);
    auto handle = std::make_shared<unsigned short>(0);
    m_calls.run(
        [this, host = address->host.toLatin1(), port = address->port, handle] {
            return m_library.cnc_allclibhndl3(host.constData(), port, ConnectTimeoutSeconds, handle.get());
        },
        [this, handle, direzione, termText](short result) {
            m_handle = *handle;
            if (result != EW_OK)
                return fail(result, CloseAfterConnectFailureMs);
            auto info = std::make_shared<ODBSYS>();
            m_calls.run([this, info] { return m_library.cnc_sysinfo(m_handle, info.get()); },
                        [this, info, direzione, termText](short read) {
                            if (read != EW_OK)
                                return fail(read, CloseAfterConnectFailureMs);
                            connected(*info, direzione, termText);
                        });
        });
}

void frmeth::fail(short result, int closeAfterMs)
{
    m_dialogs.message(testoerrore(result));
    Timer1.start(closeAfterMs);
}

void frmeth::connected(const ODBSYS &info, int direzione, const QByteArray &termText)
{
    Command5->setEnabled(cncSeries(info) > 29);
    Label1->setText(EthernetText::Connected);
    const QString model = QString::fromLatin1(info.cnc_type, 2) + u' ' + QString::fromLatin1(info.mt_type, 2);
    const QString gap(10, u' ');
    setWindowTitle(windowTitle() + gap + model + gap + EthernetText::CncLabel + m_machineName);
    List1->clear();
    if (direzione == 0) {
        List1->addItems(linesToSend(termText));
        Label2->setText(EthernetText::Destination);
        Command1->setText(EthernetText::SendButton);
    } else {
        Label2->setText(EthernetText::Source);
        Command1->setText(EthernetText::ReceiveButton);
    }
    refresh();
}

void frmeth::readActivePrograms(std::function<void(const QString &, const QString &)> then)
{
    auto numbers = std::make_shared<ODBPRO>();
    m_calls.run([this, numbers] { return m_library.cnc_rdprgnum(m_handle, numbers.get()); },
                [this, numbers, then](short result) {
                    if (result != EW_OK) {
                        m_dialogs.message(testoerrore(result));
                        return then({}, {});
                    }
                    then(programNumberText(numbers->mdata), programNumberText(numbers->data));
                });
}

void frmeth::refresh(std::function<void()> then)
{
    Command3->setEnabled(false);
    readActivePrograms([this, then](const QString &main, const QString &) {
        Label5->setText(main);
        MSFlexGrid1->clearContents();
        MSFlexGrid1->setRowCount(1);
        MSFlexGrid1->setHorizontalHeaderLabels({QString(), QString(), QString()});
        listDirectory(then);
    });
}

void frmeth::listDirectory(std::function<void()> then)
{
    // The whole reading loop is one job for the library's thread; the grid is filled once.
    auto directory = std::make_shared<CncDirectory>();
    m_calls.run(
        [this, directory] {
            *directory = readCncDirectory(m_library, m_handle);
            return directory->result;
        },
        [this, directory, then](short result) {
            showDirectory(*directory);
            if (result != EW_OK)
                m_dialogs.message(testoerrore(result));
            Command3->setEnabled(true);
            if (then)
                then();
        });
}

void frmeth::showDirectory(const CncDirectory &directory)
{
    // The header comes with the first program; an empty CNC leaves one empty row.
    if (directory.programs.empty())
        return;
    MSFlexGrid1->setHorizontalHeaderLabels(
        {EthernetText::ProgramColumn, EthernetText::CommentColumn, EthernetText::SizeColumn});
    MSFlexGrid1->setRowCount(int(directory.programs.size()));
    for (int row = 0; row < int(directory.programs.size()); ++row) {
        const CncProgramEntry &program = directory.programs.at(size_t(row));
        MSFlexGrid1->setItem(row, 0, new QTableWidgetItem(programNumberText(program.number)));
        MSFlexGrid1->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(program.comment)));
        MSFlexGrid1->setItem(row, 2, new QTableWidgetItem(programSizeText(program.size)));
    }
}

std::optional<long> frmeth::checkedProgramInText1()
{
    Text1->setText(Text1->text().trimmed());
    if (Text1->text().isEmpty()) {
        m_dialogs.message(EthernetText::NothingSelected);
        return std::nullopt;
    }
    const std::optional<long> number = typedProgramNumber(Text1->text());
    if (!number) {
        m_dialogs.message(EthernetText::InvalidNumber);
        return std::nullopt;
    }
    if (!esiste(Text1->text())) {
        m_dialogs.message(EthernetText::NotInCnc);
        return std::nullopt;
    }
    return number;
}

void frmeth::deleteProgram()
{
    const std::optional<long> number = checkedProgramInText1();
    if (!number)
        return;
    readActivePrograms([this, number = *number](const QString &main, const QString &running) {
        const QString program = Text1->text();
        if (program == main)
            return m_dialogs.message(EthernetText::SelectedOnCnc, EthernetText::ActiveTitle);
        if (program == running)
            return m_dialogs.message(EthernetText::RunningOnCnc, EthernetText::ActiveTitle);
        if (m_dialogs.question(EthernetText::AskDelete + u'\r' + program, Dialogs::Buttons::YesNo,
                               EthernetText::DeleteTitle)
            != Dialogs::Button::Yes)
            return;
        m_calls.run([this, number] { return m_library.cnc_delete(m_handle, short(number)); },
                    [this](short result) {
                        if (result != EW_OK)
                            return fail(result, CloseAfterRefusedDeleteMs);
                        refresh();
                    });
    });
}

void frmeth::renameProgram()
{
    const std::optional<long> number = checkedProgramInText1();
    if (!number)
        return;
    readActivePrograms([this, oldNumber = *number](const QString &main, const QString &running) {
        const QString program = Text1->text();
        if (program == main)
            return m_dialogs.message(EthernetText::SelectedOnCnc, EthernetText::ActiveTitle);
        if (program == running)
            return m_dialogs.message(EthernetText::SubprogramSelected, EthernetText::ActiveTitle);
        Text2->setText(Text2->text().trimmed());
        if (Text2->text().isEmpty())
            return m_dialogs.message(EthernetText::NothingSelected);
        const std::optional<long> newNumber = typedProgramNumber(Text2->text());
        if (!newNumber)
            return m_dialogs.message(EthernetText::InvalidNumber);
        if (esiste(Text2->text()))
            return m_dialogs.message(EthernetText::AlreadyInCnc);
        if (m_dialogs.question(EthernetText::AskRename + u'\r' + program, Dialogs::Buttons::YesNo,
                               EthernetText::DeleteTitle)
            != Dialogs::Button::Yes)
            return;
        m_calls.run([this, oldNumber, newNumber = *newNumber] {
            return m_library.cnc_renameprog(m_handle, oldNumber, newNumber);
        }, [this](short result) {
            if (result != EW_OK)
                return m_dialogs.message(testoerrore(result));
            refresh();
        });
    });
}

void frmeth::sendProgram()
{
    // One send at a time; the directory is read again first so that the checks see the CNC as
    // it is now.
    Command1->setEnabled(false);
    refresh([this] {
        if (!checkAndSend())
            Command1->setEnabled(true);
    });
}

QStringList frmeth::listLines() const
{
    QStringList lines;
    for (int row = 0; row < List1->count(); ++row)
        lines.append(List1->item(row)->text());
    return lines;
}

bool frmeth::checkAndSend()
{
    const QStringList lines = listLines();
    if (!hasPartProgramForm(lines)) {
        m_dialogs.message(EthernetText::BadPartProgram);
        return false;
    }
    const std::optional<QString> destination = downloadDestination(Text1->text(), lines.first());
    if (!destination) {
        m_dialogs.message(EthernetText::InvalidNumber);
        return false;
    }
    Text1->setText(*destination);

    const MultiProgramCheck check =
        renumberPrograms(lines, *destination, [this](const QString &number) { return esiste(number); });
    // The renumbering stays in the list even when the user then stops the send.
    List1->clear();
    List1->addItems(check.lines);
    auto *window = new checkmulti(check, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this, [this, window] {
        m_noninviare = window->noninviare();
        if (m_noninviare || !sendChecked())
            Command1->setEnabled(true);
    });
    window->open();
    return true;
}

bool frmeth::sendChecked()
{
    // An existing program is never overwritten: the user deletes or renames it first.
    if (esiste(Text1->text())) {
        m_dialogs.message(EthernetText::ExistsOnCnc);
        return false;
    }
    const QByteArray text = downloadText(listLines(), Text1->text());
    auto download = std::make_shared<CncDownload>();
    m_calls.run(
        [this, download, text] {
            *download = downloadProgram(m_library, m_handle, text, BusyRetry::LimitMs, [this](int milliseconds) {
                return pauseUnlessClosing(milliseconds);
            });
            return download->result;
        },
        [this, download](short) {
            Command1->setEnabled(true);
            sendEnded(*download);
        });
    return true;
}

bool frmeth::pauseUnlessClosing(int milliseconds) const
{
    QThread::msleep(ulong(milliseconds));
    return !m_closing;
}

void frmeth::sendEnded(const CncDownload &download)
{
    for (const QString &message : downloadMessages(download))
        m_dialogs.message(message);
    // Nothing to see after a refusal or a start that failed; a connection that is gone would
    // only repeat its message for every read of the refresh.
    if (download.started && download.result != EW_DATA && download.result != EW_SOCKET)
        refresh();
}

void frmeth::receiveProgram()
{
    Text1->setText(Text1->text().trimmed());
    if (Text1->text().isEmpty())
        return m_dialogs.message(EthernetText::NoPartProgram);
    const std::optional<long> number = typedProgramNumber(Text1->text());
    if (!number)
        return m_dialogs.message(EthernetText::InvalidNumber);
    Command1->setEnabled(false);
    auto upload = std::make_shared<CncUpload>();
    m_calls.run(
        [this, upload, number = *number] {
            // A busy CNC is asked again after a pause, unless the window is closing meanwhile.
            *upload = uploadProgram(m_library, m_handle, number, BusyRetry::LimitMs, [this](int milliseconds) {
                return pauseUnlessClosing(milliseconds);
            });
            return upload->result;
        },
        [this, upload](short result) {
            Command1->setEnabled(true);
            if (result == EW_OK)
                return uploadEnded(upload->text);
            // What arrived is not a whole program: it is dropped.
            m_dialogs.message(uploadFailure(result));
        });
}

void frmeth::uploadEnded(const QByteArray &text)
{
    const std::optional<QStringList> lines = uploadedLines(text);
    if (!lines)
        return m_dialogs.message(EthernetText::NotFramed);
    if (List1->count() > 0
        && m_dialogs.question(EthernetText::ClearReceived, Dialogs::Buttons::YesNo, EthernetText::HasDataTitle)
               == Dialogs::Button::Yes)
        List1->clear();
    List1->addItems(*lines);
    m_received = true;
}

void frmeth::leave()
{
    if (m_received && m_handBack) {
        const QByteArray text = terminalText(listLines());
        QString error;
        // The working file is a copy; the terminal gets the lines even when it cannot be written.
        if (!m_workFile.isEmpty() && !TextFile::writeAtomically(m_workFile, text, &error))
            m_dialogs.message(EthernetText::WorkFileNotWritten.arg(m_workFile, error), {}, Dialogs::Icon::Exclamation);
        m_handBack(text);
    }
    close();
}

void frmeth::closeEvent(QCloseEvent *event)
{
    Timer1.stop();
    m_closing = true;
    // The handle goes back on every close, after whatever call is still under way.
    m_calls.run([this] { return m_library.cnc_freelibhndl(m_handle); }, [](short) {});
    m_calls.waitForCalls();
    QWidget::closeEvent(event);
    emit closed();
}
