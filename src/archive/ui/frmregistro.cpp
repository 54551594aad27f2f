#include "frmregistro.h"

#include "dialogs.h"
#include "transferlogtext.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QDateEdit *dayField(const char *name, QWidget *parent)
{
    auto *field = named(new QDateEdit(QDate::currentDate(), parent), name);
    field->setCalendarPopup(true);
    field->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    field->setEnabled(false);
    return field;
}

} // namespace

frmRegistro::frmRegistro(const TransferLogStore &store, Dialogs &dialogs, QString folder, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_folder(std::move(folder)), m_rows(store, dialogs),
      txtMacchina(named(new QLineEdit(this), "txtMacchina")),
      txtProgramma(named(new QLineEdit(this), "txtProgramma")),
      chkDal(named(new QCheckBox(TransferLogText::SinceLabel, this), "chkDal")), datDal(dayField("datDal", this)),
      chkAl(named(new QCheckBox(TransferLogText::UntilLabel, this), "chkAl")), datAl(dayField("datAl", this)),
      cboEsito(named(new QComboBox(this), "cboEsito")),
      cmdCerca(named(new QPushButton(TransferLogText::ListButton, this), "cmdCerca")),
      grdRegistro(named(new QTableView(this), "grdRegistro")), lblRighe(named(new QLabel(this), "lblRighe")),
      cmdEsporta(named(new QPushButton(TransferLogText::ExportButton, this), "cmdEsporta")),
      cmdChiudi(named(new QPushButton(TransferLogText::CloseButton, this), "cmdChiudi"))
{
    setObjectName(QStringLiteral("frmRegistro"));
    setWindowTitle(TransferLogText::WindowTitle);
    cboEsito->addItem(TransferLogText::AnyResult);
    for (TransferResult result : {TransferResult::Succeeded, TransferResult::Failed, TransferResult::Interrupted,
                                  TransferResult::InProgress})
        cboEsito->addItem(resultShown(result), int(result));
    grdRegistro->setModel(&m_rows);
    grdRegistro->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRegistro->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRegistro->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRegistro->verticalHeader()->hide();
    grdRegistro->horizontalHeader()->setStretchLastSection(true);

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(TransferLogText::MachineLabel, this));
    filters->addWidget(txtMacchina);
    filters->addWidget(new QLabel(TransferLogText::ProgramLabel, this));
    filters->addWidget(txtProgramma);
    for (QWidget *widget : std::initializer_list<QWidget *>{chkDal, datDal, chkAl, datAl})
        filters->addWidget(widget);
    filters->addWidget(new QLabel(TransferLogText::ResultLabel, this));
    filters->addWidget(cboEsito);
    filters->addWidget(cmdCerca);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblRighe, 1);
    buttons->addWidget(cmdEsporta);
    buttons->addWidget(cmdChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(grdRegistro, 1);
    layout->addLayout(buttons);
    resize(980, 560);

    connect(chkDal, &QCheckBox::toggled, datDal, &QWidget::setEnabled);
    connect(chkAl, &QCheckBox::toggled, datAl, &QWidget::setEnabled);
    connect(cmdCerca, &QPushButton::clicked, this, &frmRegistro::listRows);
    connect(txtMacchina, &QLineEdit::returnPressed, this, &frmRegistro::listRows);
    connect(txtProgramma, &QLineEdit::returnPressed, this, &frmRegistro::listRows);
    connect(grdRegistro, &QTableView::doubleClicked, this, &frmRegistro::showRow);
    connect(cmdEsporta, &QPushButton::clicked, this, [this] { m_rows.exportCsv(m_folder); });
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);
    cmdCerca->setDefault(true);
    listRows();
}

TransferFilterFields frmRegistro::fields() const
{
    TransferFilterFields fields;
    fields.machine = txtMacchina->text();
    fields.program = txtProgramma->text();
    if (chkDal->isChecked())
        fields.since = datDal->date();
    if (chkAl->isChecked())
        fields.until = datAl->date();
    if (const QVariant result = cboEsito->currentData(); result.isValid())
        fields.result = TransferResult(result.toInt());
    return fields;
}

void frmRegistro::listRows()
{
    m_rows.list(fields());
    lblRighe->setText(TransferLogText::RowCount.arg(m_rows.matched()));
    grdRegistro->resizeColumnsToContents();
}

void frmRegistro::showRow(const QModelIndex &index)
{
    if (index.isValid())
        m_dialogs.message(m_rows.details(index.row()), TransferLogText::WindowTitle);
}
