#include "form1.h"

#include "dialogs.h"
#include "formaint.h"
#include "frmcliente.h"
#include "archivetext.h"
#include "commandbutton.h"
#include "screenfit.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <initializer_list>
#include <utility>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void showText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

// Notes are kept with CR LF line ends, as the archive has always held them.
QString memoForDisplay(const QString &memo)
{
    QString text = memo;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString memoForArchive(const QString &text)
{
    QString memo = text;
    return memo.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

Form1::Form1(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs, ArchiveChoice &choice,
             QWidget *parent)
    : QDialog(parent), m_browser(archive, folder, dialogs, choice), m_dialogs(dialogs), m_archive(archive),
      m_folder(folder)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ArchiveText::BrowserCaption);
    buildControls();
    connectControls();
    m_browser.setCustomerChooser([this]() -> std::optional<QString> {
        Frmcliente window(m_archive, m_dialogs, this);
        window.exec();
        return window.chosenCustomer();
    });
    connect(&m_browser, &ArchiveBrowser::changed, this, &Form1::showState);
    m_browser.load();
    showState();
}

void Form1::buildControls()
{
    auto *customerFrame = new QGroupBox(ArchiveText::CustomerFrame, this);
    DBList1 = named(new QListWidget(customerFrame), "DBList1");
    (new QVBoxLayout(customerFrame))->addWidget(DBList1);

    auto *customerSearchFrame = new QGroupBox(ArchiveText::CustomerSearchFrame, this);
    Command2 = commandButton(ArchiveText::SearchButton, "Command2", customerSearchFrame);
    (new QVBoxLayout(customerSearchFrame))->addWidget(Command2);

    auto *searchTypeFrame = new QGroupBox(ArchiveText::SearchTypeFrame, this);
    SSOption1[0] = named(new QRadioButton(ArchiveText::ByDrawingOption, searchTypeFrame), "SSOption1_0");
    SSOption1[1] = named(new QRadioButton(ArchiveText::ByDescriptionOption, searchTypeFrame), "SSOption1_1");
    auto *searchTypeLayout = new QHBoxLayout(searchTypeFrame);
    searchTypeLayout->addWidget(SSOption1[0]);
    searchTypeLayout->addWidget(SSOption1[1]);
    auto *options = new QButtonGroup(this);
    options->addButton(SSOption1[0], 0);
    options->addButton(SSOption1[1], 1);
    SSOption1[0]->setChecked(true);

    auto *textSearchFrame = new QGroupBox(ArchiveText::TextSearchFrame, this);
    Text5 = named(new QLineEdit(textSearchFrame), "Text5");
    Command1 = commandButton(ArchiveText::SearchButton, "Command1", textSearchFrame);
    auto *textSearchLayout = new QHBoxLayout(textSearchFrame);
    textSearchLayout->addWidget(Text5, 1);
    textSearchLayout->addWidget(Command1);

    List1 = named(new QListView(this), "List1");
    List1->setModel(m_browser.programList());
    // A million lines list at once: one height for all, lines read only when shown.
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The program list is what the window is for: room for a dozen lines at least.
    List1->setMinimumHeight(QFontMetrics(List1->font()).lineSpacing() * 12 + 2 * List1->frameWidth());

    auto *dataFrame = new QGroupBox(ArchiveText::DataFrame, this);
    Text1 = named(new QLineEdit(dataFrame), "Text1");
    Text2 = named(new QLineEdit(dataFrame), "Text2");
    Text3 = named(new QLineEdit(dataFrame), "Text3");
    Text4 = named(new QPlainTextEdit(dataFrame), "Text4");
    Text4->setMaximumHeight(QFontMetrics(Text4->font()).lineSpacing() * 6);
    Text7 = named(new QLineEdit(dataFrame), "Text7");
    Text7->setMaxLength(3);
    Label4 = named(new QLabel(dataFrame), "Label4");
    Label6 = named(new QLabel(dataFrame), "Label6");
    auto *dataLayout = new QGridLayout(dataFrame);
    dataLayout->addWidget(new QLabel(ArchiveText::CustomerLabel, dataFrame), 0, 0);
    dataLayout->addWidget(Text1, 0, 1);
    dataLayout->addWidget(Label4, 0, 2);
    dataLayout->addWidget(new QLabel(ArchiveText::DrawingLabel, dataFrame), 1, 0);
    dataLayout->addWidget(Text2, 1, 1);
    dataLayout->addWidget(new QLabel(ArchiveText::ModifiedLabel, dataFrame), 1, 2);
    dataLayout->addWidget(new QLabel(ArchiveText::DescriptionLabel, dataFrame), 2, 0);
    dataLayout->addWidget(Text3, 2, 1);
    dataLayout->addWidget(Label6, 2, 2);
    dataLayout->addWidget(new QLabel(ArchiveText::MachineLabel, dataFrame), 3, 0);
    dataLayout->addWidget(Text7, 3, 1);
    dataLayout->addWidget(Text4, 4, 0, 1, 3);
    dataLayout->setColumnStretch(1, 1);

    SSCommand7 = commandButton(ArchiveText::CreateButton, "SSCommand7", this);
    SSCommand3 = commandButton(ArchiveText::CloneNewButton, "SSCommand3", this);
    SSCommand9 = commandButton(ArchiveText::ChangeButton, "SSCommand9", this);
    SSCommand6 = commandButton(ArchiveText::DeleteButton, "SSCommand6", this);
    SSCommand8 = commandButton(ArchiveText::SaveButton, "SSCommand8", this);
    auto *recordCommands = new QVBoxLayout;
    for (QPushButton *b : {SSCommand7, SSCommand3, SSCommand9, SSCommand6, SSCommand8})
        recordCommands->addWidget(b);
    recordCommands->addStretch();

    auto *numberFrame = new QGroupBox(ArchiveText::NumberFrame, this);
    Text6 = named(new QLineEdit(numberFrame), "Text6");
    SSCommand11 = commandButton(ArchiveText::FindOrAddButton, "SSCommand11", numberFrame);
    SSCommand13 = commandButton(ArchiveText::FreeNumberButton, "SSCommand13", numberFrame);
    SSCommand4 = commandButton(ArchiveText::CloneAsButton, "SSCommand4", numberFrame);
    auto *numberLayout = new QGridLayout(numberFrame);
    numberLayout->addWidget(Text6, 0, 0, 1, 3);
    numberLayout->addWidget(SSCommand11, 1, 0);
    numberLayout->addWidget(SSCommand13, 1, 1);
    numberLayout->addWidget(SSCommand4, 1, 2);

    auto *confirmFrame = new QGroupBox(ArchiveText::ConfirmFrame, this);
    SSCommand1 = commandButton(ArchiveText::ConfirmButton, "SSCommand1", confirmFrame);
    SSCommand2 = commandButton(ArchiveText::CancelButton, "SSCommand2", confirmFrame);
    auto *confirmLayout = new QHBoxLayout(confirmFrame);
    confirmLayout->addWidget(SSCommand1);
    confirmLayout->addWidget(SSCommand2);

    SSCommand12 = commandButton(ArchiveText::ReceivedFilesButton, "SSCommand12", this);
    SSCommand10 = commandButton(ArchiveText::HelpButton, "SSCommand10", this);
    auto *others = new QHBoxLayout;
    others->addWidget(SSCommand12);
    others->addWidget(SSCommand10);

    auto *right = new QVBoxLayout;
    right->addWidget(numberFrame);
    right->addWidget(confirmFrame);
    right->addLayout(others);
    right->addStretch();

    auto *searchColumn = new QVBoxLayout;
    searchColumn->addWidget(customerSearchFrame);
    searchColumn->addWidget(searchTypeFrame);
    searchColumn->addWidget(textSearchFrame);
    searchColumn->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(customerFrame, 1);
    top->addLayout(searchColumn, 2);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(dataFrame, 3);
    bottom->addLayout(recordCommands);
    bottom->addLayout(right, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(List1, 1);
    layout->addLayout(bottom);

    for (QLineEdit *box : {Text6, Text1, Text2, Text3, Text7})
        box->installEventFilter(this);
}

void Form1::connectControls()
{
    using Box = ArchiveBrowser::Box;
    auto click = [this](QPushButton *b, void (ArchiveBrowser::*command)()) {
        connect(b, &QPushButton::clicked, this, [this, command] { act([this, command] { (m_browser.*command)(); }); });
    };
    click(Command2, &ArchiveBrowser::searchCustomer);
    click(Command1, &ArchiveBrowser::searchByText);
    click(SSCommand7, &ArchiveBrowser::create);
    click(SSCommand3, &ArchiveBrowser::cloneNew);
    click(SSCommand9, &ArchiveBrowser::change);
    click(SSCommand6, &ArchiveBrowser::remove);
    click(SSCommand8, &ArchiveBrowser::save);
    click(SSCommand11, &ArchiveBrowser::findOrAdd);
    click(SSCommand13, &ArchiveBrowser::proposeFreeNumber);
    click(SSCommand4, &ArchiveBrowser::cloneAs);
    click(SSCommand10, &ArchiveBrowser::help);
    connect(SSCommand1, &QPushButton::clicked, this, &Form1::confirm);
    connect(SSCommand2, &QPushButton::clicked, this, &Form1::reject);
    connect(SSCommand12, &QPushButton::clicked, this, &Form1::openReceivedFiles);

    for (int index : {0, 1}) {
        connect(SSOption1[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked && !m_syncing)
                act([this, index] { m_browser.setSearchType(index == 0 ? SearchType::Drawing : SearchType::Description); });
        });
    }
    connect(DBList1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = DBList1->selectedItems();
        if (!m_syncing && !selected.isEmpty())
            act([this, customer = selected.first()->text()] { m_browser.customerClicked(customer); });
    });
    // Selection, not the current line: a list that gets the focus by Tab chooses nothing.
    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = List1->selectionModel()->selectedIndexes();
        if (!m_syncing && !selected.isEmpty())
            act([this, line = selected.first().row()] { m_browser.programClicked(line); });
    });
    // A click on the line that is already selected (after "OK", say) changes no selection but
    // is a click all the same.
    connect(List1, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (!m_syncing && List1->selectionModel()->isSelected(index))
            act([this, line = index.row()] { m_browser.programClicked(line); });
    });
    connect(List1, &QListView::doubleClicked, this, [this] { m_browser.programDoubleClicked(); });

    connect(Text5, &QLineEdit::textEdited, this, [this](const QString &text) { m_browser.setSearchText(text); });
    connect(Text6, &QLineEdit::textEdited, this, [this](const QString &text) { m_browser.setNumberText(text); });
    const std::pair<QLineEdit *, Box> boxes[] = {
        {Text1, Box::Customer}, {Text2, Box::Drawing}, {Text3, Box::Description}, {Text7, Box::Machine}};
    for (const auto &[edit, box] : boxes)
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString &text) { m_browser.setBoxText(box, text); });
    connect(Text4, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_syncing)
            m_browser.setBoxText(Box::Memo, memoForArchive(Text4->toPlainText()));
    });
}

void Form1::act(const std::function<void()> &action)
{
    m_syncing = true;
    action();
    m_syncing = false;
    // Also puts back a list selection that the logic ignored.
    showState();
}

void Form1::confirm()
{
    act([this] {
        if (m_browser.confirm()) {
            emit programConfirmed();
            accept();
        }
    });
}

void Form1::openReceivedFiles()
{
    if (!m_browser.commands().gestioneDnc)
        return;
    Formaint window(m_archive, m_folder, m_dialogs, this);
    window.setTransferJournal(m_journal);
    window.exec();
    if (const auto number = window.newProgram())
        act([this, number = *number] { m_browser.createReceived(number); });
}

void Form1::reject()
{
    bool close = false;
    act([this, &close] { close = m_browser.cancel(); });
    if (close)
        QDialog::reject();
}

QWidget *Form1::boxWidget(ArchiveBrowser::Box box) const
{
    switch (box) {
    case ArchiveBrowser::Box::Customer: return Text1;
    case ArchiveBrowser::Box::Drawing: return Text2;
    case ArchiveBrowser::Box::Description: return Text3;
    case ArchiveBrowser::Box::Memo: return Text4;
    case ArchiveBrowser::Box::Machine: return Text7;
    }
    return Text1;
}

void Form1::showState()
{
    const bool wasSyncing = std::exchange(m_syncing, true);
    const ArchiveBrowser::Commands &c = m_browser.commands();
    SSCommand7->setEnabled(c.crea);
    SSCommand3->setEnabled(c.clonare);
    SSCommand9->setEnabled(c.varia);
    SSCommand6->setEnabled(c.elimina);
    SSCommand8->setEnabled(c.ok);
    SSCommand11->setEnabled(c.cercaAgg);
    SSCommand13->setEnabled(c.libero);
    SSCommand4->setEnabled(c.clona);
    SSCommand1->setEnabled(c.conferma);
    SSCommand2->setEnabled(c.annulla);
    SSCommand12->setEnabled(c.gestioneDnc);
    DBList1->setEnabled(c.customerList);
    for (QWidget *box : std::initializer_list<QWidget *>{Text1, Text2, Text3, Text4, Text7})
        box->setEnabled(c.dataBoxes);

    const ArchiveRecord &boxes = m_browser.boxes();
    showText(Text1, boxes.cliente);
    showText(Text2, boxes.disegno);
    showText(Text3, boxes.descrizione);
    showText(Text7, boxes.macchina);
    if (memoForArchive(Text4->toPlainText()) != boxes.memo)
        Text4->setPlainText(memoForDisplay(boxes.memo));
    Label4->setText(m_browser.numberLabel());
    Label4->setVisible(m_browser.numberLabelVisible());
    Label6->setText(m_browser.modifiedText());
    showText(Text5, m_browser.searchText());
    showText(Text6, m_browser.numberText());
    SSOption1[m_browser.searchType() == SearchType::Drawing ? 0 : 1]->setChecked(true);

    QStringList shownCustomers;
    for (int row = 0; row < DBList1->count(); ++row)
        shownCustomers.append(DBList1->item(row)->text());
    if (shownCustomers != m_browser.customers()) {
        DBList1->clear();
        DBList1->addItems(m_browser.customers());
    }
    const int customerRow = int(m_browser.customers().indexOf(m_browser.selectedCustomer()));
    if (customerRow < 0)
        DBList1->clearSelection();
    else if (DBList1->currentRow() != customerRow || !DBList1->item(customerRow)->isSelected())
        DBList1->setCurrentRow(customerRow);

    const int line = m_browser.selectedLine();
    const QModelIndexList selected = List1->selectionModel()->selectedIndexes();
    const int shownLine = selected.isEmpty() ? -1 : selected.first().row();
    if (line != shownLine) {
        if (line < 0) {
            List1->selectionModel()->clear();
        } else {
            const QModelIndex index = m_browser.programList()->index(line);
            List1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            List1->scrollTo(index);
        }
    }

    if (const auto box = m_browser.takeFocusRequest())
        boxWidget(*box)->setFocus();
    m_syncing = wasSyncing;
}

void Form1::showEvent(QShowEvent *event)
{
    // Top left of the screen, across its whole width, wherever the main window is.
    if (const QScreen *s = screen()) {
        const QRect available = s->availableGeometry();
        const QMargins frame = ScreenFit::frameMargins(this);
        move(available.topLeft());
        resize(available.width() - frame.left() - frame.right(), height());
        ScreenFit::fit(this);
    }
    QDialog::showEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed.size() == 1) {
            const bool refused = watched == Text6 ? ArchiveBrowser::numberBoxRefuses(typed.front())
                                                  : ArchiveBrowser::dataBoxRefuses(typed.front());
            if (refused) {
                m_dialogs.beep();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
