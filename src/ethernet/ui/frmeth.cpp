#include "frmeth.h"

#include "cncaddress.h"
#include "checkmulti.h"
#include "cncresults.h"
#include "dialogs.h"
#include "ethernetreceive.h"
#include "ethernetsend.h"
#include "ethernettext.h"
#include "numerictext.h"
#include "settingsstore.h"
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

namespace {

constexpr long ConnectTimeoutSeconds = 10;
constexpr int CloseAfterConnectFailureMs = 10;

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

frmeth::frmeth(std::shared_ptr<CncLibrary> library, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_dialogs(dialogs),
      m_worker(std::move(library)),
      m_uploadLimits(configuredUploadLimits(SettingsStore()))
{
    setObjectName(QStringLiteral("frmeth"));
    setWindowTitle(EthernetText::WindowCaption);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &QWidget::close);
    buildControls();
}

frmeth::~frmeth()
{
    // Deleted without closing, the window's rows are still interrupted.
    m_log.abandon();
}

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
    MSFlexGrid1->setHorizontalHeaderLabels(
        {EthernetText::ProgramColumn, EthernetText::CommentColumn, EthernetText::SizeColumn});
    MSFlexGrid1->setColumnWidth(1, 233); // 3500 twips
    // An enlarged window gives its width to the comments.
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
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
    // Nothing to ask of a CNC before the connection exists.
    enableCommands(false);

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

void frmeth::enableCommands(bool enabled)
{
    for (QPushButton *button : {Command1, Command3, Command4, Command5})
        button->setEnabled(enabled);
}

bool frmeth::esiste(const QString &number) const
{
    const std::optional<long> wanted = typedProgramNumber(number.trimmed());
    for (int row = 0; wanted && row < MSFlexGrid1->rowCount(); ++row) {
        const QTableWidgetItem *item = MSFlexGrid1->item(row, 0);
        if (item && typedProgramNumber(item->text()) == wanted)
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
    m_termText = termText;
    Label2->setText(direzione == 0 ? EthernetText::Destination : EthernetText::Source);
    Command1->setText(direzione == 0 ? EthernetText::SendButton : EthernetText::ReceiveButton);
    show();
    QString error;
    const std::optional<CncAddress> address = parseCncAddress(settings, &error);
    if (!address) {
        m_dialogs.message(error);
        return;
    }
    Label1->setText(EthernetText::Connecting);
    m_worker.connect(address->host.toLatin1(), address->port, ConnectTimeoutSeconds,
                     [this, direzione, termText](short result) {
                         if (result != EW_OK)
                             return fail(result, CloseAfterConnectFailureMs);
                         auto info = std::make_shared<ODBSYS>();
                         m_worker.run(
                             [info](CncLibrary &library, unsigned short handle, const TransferStop &) {
                                 return library.cnc_sysinfo(handle, info.get());
                             },
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
    enableCommands(true);
    Command5->setEnabled(cncSeries(info) > 29);
    Label1->setText(EthernetText::Connected);
    const QString model = QString::fromLatin1(info.cnc_type, 2) + u' ' + QString::fromLatin1(info.mt_type, 2);
    const QString gap(10, u' ');
    setWindowTitle(windowTitle() + gap + model + gap + EthernetText::CncLabel + m_machineName);
    List1->clear();
    if (direzione == 0)
        List1->addItems(linesToSend(termText));
    refresh();
}

void frmeth::readActivePrograms(std::function<void(const QString &, const QString &)> then)
{
    auto numbers = std::make_shared<ODBPRO>();
    m_worker.run([numbers](CncLibrary &library, unsigned short handle,
                           const TransferStop &) { return library.cnc_rdprgnum(handle, numbers.get()); },
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
        listDirectory(then);
    });
}

void frmeth::listDirectory(std::function<void()> then)
{
    // The whole reading loop is one job for the library's thread; the grid is filled once.
    auto directory = std::make_shared<CncDirectory>();
    m_worker.run(
        [directory](CncLibrary &library, unsigned short handle, const TransferStop &) {
            *directory = readCncDirectory(library, handle);
            return directory->result;
        },
        [this, directory, then](short result) {
            showDirectory(*directory);
            if (result != EW_OK)
                m_dialogs.message(directoryFailure(*directory));
            Command3->setEnabled(true);
            if (then)
                then();
        });
}

void frmeth::showDirectory(const CncDirectory &directory)
{
    // An empty CNC leaves one empty row.
    if (directory.programs.empty())
        return;
    // A stretched column is measured again for every item set: once at the end is enough.
    QHeaderView *header = MSFlexGrid1->horizontalHeader();
    header->setSectionResizeMode(1, QHeaderView::Interactive);
    MSFlexGrid1->setRowCount(int(directory.programs.size()));
    for (int row = 0; row < int(directory.programs.size()); ++row) {
        const CncProgramEntry &program = directory.programs.at(size_t(row));
        MSFlexGrid1->setItem(row, 0, new QTableWidgetItem(programNumberText(program.number)));
        MSFlexGrid1->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(program.comment)));
        MSFlexGrid1->setItem(row, 2, new QTableWidgetItem(programSizeText(program.size)));
    }
    header->setSectionResizeMode(1, QHeaderView::Stretch);
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
    const std::variant<SendPlan, QString> plan = planSend(listLines(), Text1->text());
    if (const QString *refused = std::get_if<QString>(&plan)) {
        m_dialogs.message(*refused);
        return false;
    }
    const SendPlan &send = std::get<SendPlan>(plan);
    Text1->setText(send.destination);
    const MultiProgramCheck check = renumberPrograms(send.lines, send.destination, [this](long number) {
        return esiste(programNumberText(number));
    });
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
    auto outcome = std::make_shared<SendOutcome>();
    m_transferring = true;
    const CncOperationLog::Row row = m_log.beginDownload(m_termText, Text1->text());
    m_worker.run(
        [outcome, lines = listLines(), destination = Text1->text()](CncLibrary &library, unsigned short handle,
                                                                     const TransferStop &stop) {
            *outcome = downloadChecked(library, handle, lines, destination, stop);
            return outcome->download.result;
        },
        [this, outcome, row](short) {
            m_log.downloadEnded(row, *outcome);
            m_transferring = false;
            Command1->setEnabled(true);
            sendEnded(*outcome);
        });
    return true;
}

void frmeth::sendEnded(const SendOutcome &outcome)
{
    for (const QString &message : outcome.messages)
        m_dialogs.message(message);
    // Nothing to see after a refusal or a start that failed; a connection that is gone would
    // only repeat its message for every read of the refresh.
    const CncDownload &download = outcome.download;
    if (download.started && download.result != EW_DATA && download.result != EW_SOCKET)
        refresh();
}

void frmeth::receiveProgram()
{
    Text1->setText(Text1->text().trimmed());
    const std::variant<long, QString> source = sourceProgram(Text1->text());
    if (const QString *refused = std::get_if<QString>(&source))
        return m_dialogs.message(*refused);
    Command1->setEnabled(false);
    auto received = std::make_shared<ReceivedProgram>();
    m_transferring = true;
    const CncOperationLog::Row row = m_log.beginUpload(std::get<long>(source));
    m_worker.run(
        [received, number = std::get<long>(source), limits = m_uploadLimits](
            CncLibrary &library, unsigned short handle, const TransferStop &stop) {
            *received = ::receiveProgram(library, handle, number, limits, stop);
            return short(EW_OK);
        },
        [this, received, row](short) {
            m_log.uploadEnded(row, *received);
            m_transferring = false;
            Command1->setEnabled(true);
            // What arrived of a program that did not arrive whole is dropped.
            if (!received->failure.isEmpty())
                return m_dialogs.message(received->failure);
            uploadEnded(received->lines);
        });
}

void frmeth::uploadEnded(const QStringList &lines)
{
    if (List1->count() > 0
        && m_dialogs.question(EthernetText::ClearReceived, Dialogs::Buttons::YesNo, EthernetText::HasDataTitle)
               == Dialogs::Button::Yes)
        List1->clear();
    List1->addItems(lines);
    m_received = true;
}

void frmeth::leave()
{
    if (!mayClose())
        return;
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

bool frmeth::mayClose()
{
    if (m_closeAgreed || !m_transferring)
        return true;
    if (m_dialogs.question(EthernetText::AskStopTransfer, Dialogs::Buttons::YesNo) != Dialogs::Button::Yes)
        return false;
    m_dialogs.message(m_direzione == 0 ? EthernetText::DownloadStopped : EthernetText::UploadStopped);
    m_closeAgreed = true;
    return true;
}

void frmeth::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    Timer1.stop();
    // The transfer under way ends on the CNC at its next step and the handle goes back after the
    // call in flight; the window waits for neither.
    m_worker.abandon();
    m_log.abandon();
    m_transferring = false;
    QWidget::closeEvent(event);
    emit closed();
}
