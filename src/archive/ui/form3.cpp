#include "form3.h"

#include "dialogs.h"
#include "archivetext.h"
#include "pageprinter.h"
#include "programlistprint.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kHelpContext = 103;

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Form3::Form3(ArchiveStore &archive, int &printCharSize, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_archive(archive), m_printCharSize(printCharSize), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ArchiveText::ListPrintCaption);
    setModal(true);

    auto *customerLabel = new QLabel(ArchiveText::ListCustomerLabel, this);
    Text1 = named(new QLineEdit(this), "Text1");
    customerLabel->setBuddy(Text1);

    auto *orderFrame = new QGroupBox(ArchiveText::ListOrderFrame, this);
    auto *orderLayout = new QVBoxLayout(orderFrame);
    auto *orders = new QButtonGroup(this);
    const QString captions[3] = {ArchiveText::ListByCustomerDrawing, ArchiveText::ListByCustomerDescription,
                                 ArchiveText::ListByDrawingCustomer};
    for (int index = 0; index < 3; ++index) {
        SSOption1[index] = new QRadioButton(captions[index], orderFrame);
        SSOption1[index]->setObjectName(QStringLiteral("SSOption1_%1").arg(index));
        orders->addButton(SSOption1[index], index);
        orderLayout->addWidget(SSOption1[index]);
    }
    SSOption1[0]->setChecked(true);

    Command1 = named(new QPushButton(ArchiveText::ListPrintButton, this), "Command1");
    Command2 = named(new QPushButton(ArchiveText::ListCancelButton, this), "Command2");
    Command3 = named(new QPushButton(ArchiveText::HelpButton, this), "Command3");
    Command1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(customerLabel);
    layout->addWidget(Text1);
    layout->addWidget(orderFrame);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form3::print);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command3, &QPushButton::clicked, this, [this] { m_dialogs.showHelp(kHelpContext); });
}

ArchiveStore::ListOrder Form3::order() const
{
    if (SSOption1[1]->isChecked())
        return ArchiveStore::ListOrder::CustomerDescription;
    if (SSOption1[2]->isChecked())
        return ArchiveStore::ListOrder::DrawingCustomer;
    return ArchiveStore::ListOrder::CustomerDrawing;
}

void Form3::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!m_dialogs.setUpPrinter(printer))
        return;
    // The raised size stays for the rest of the run.
    m_printCharSize = std::max(m_printCharSize, ProgramListPrint::MinimumCharSize);
    PagePrinter pages(printer, m_printCharSize);
    const ProgramListPrint::Listing listing = ProgramListPrint::compose(
        m_archive.printedList(order(), ProgramListPrint::customerPattern(Text1->text())),
        QDateTime::currentDateTime(), pages.metrics());
    if (listing.empty)
        m_dialogs.message(ArchiveText::NothingPrinted);
    if (!pages.print(listing.pages))
        m_dialogs.message(ArchiveText::PrintFailed, {}, Dialogs::Icon::Exclamation);
    accept();
}
