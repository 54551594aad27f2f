#pragma once

#include "transferloglist.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// "Registro trasferimenti": the transfer log, newest first, filtered by machine, program, days
// and result; a double-click shows a whole row, "Esporta" writes the rows listed as CSV.
class frmRegistro : public QDialog {
    Q_OBJECT
public:
    // folder: where the export's chooser starts.
    frmRegistro(const TransferLogStore &store, Dialogs &dialogs, QString folder, QWidget *parent = nullptr);

    TransferLogList &rows() { return m_rows; }
    // "Cerca": lists with the filter fields.
    void listRows();

private:
    TransferFilterFields fields() const;
    void showRow(const QModelIndex &index);

    Dialogs &m_dialogs;
    const QString m_folder;
    TransferLogList m_rows;

    QLineEdit *txtMacchina;
    QLineEdit *txtProgramma;
    QCheckBox *chkDal;
    QDateEdit *datDal;
    QCheckBox *chkAl;
    QDateEdit *datAl;
    QComboBox *cboEsito;
    QPushButton *cmdCerca;
    QTableView *grdRegistro;
    QLabel *lblRighe;
    QPushButton *cmdEsporta;
    QPushButton *cmdChiudi;
};
