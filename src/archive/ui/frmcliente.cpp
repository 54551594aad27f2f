#include "frmcliente.h"

#include "archivetext.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Frmcliente::Frmcliente(const ArchiveStore &archive, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_choice(archive, dialogs), DBList1(new QListWidget(this)), Text1(new QLineEdit(this)),
      Command2(new QPushButton(ArchiveText::ChooseButton, this))
{
    setObjectName(QStringLiteral("Frmcliente"));
    setWindowTitle(ArchiveText::CustomerChoiceCaption);
    DBList1->setObjectName(QStringLiteral("DBList1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBList1);
    layout->addWidget(Text1);
    layout->addWidget(Command2);
    resize(360, 420);

    m_choice.load();
    DBList1->addItems(m_choice.customers());

    connect(DBList1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_choice.customerClicked(DBList1->row(item));
        Text1->setText(m_choice.text());
    });
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &text) { m_choice.setText(text); });
    connect(Command2, &QPushButton::clicked, this, &Frmcliente::choose);
}

void Frmcliente::choose()
{
    m_chosen = m_choice.choose();
    if (m_chosen)
        accept();
}
