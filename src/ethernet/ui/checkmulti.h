#pragma once

#include "multiprogram.h"

#include <QDialog>
#include <QTimer>

class QListWidget;
class QPushButton;
class QTableWidget;

// The check of the programs about to be sent: their new numbers, whether the CNC already holds
// them, the calls that cannot be followed. Nothing to ask: it closes by itself and the send goes
// on; otherwise the user chooses.
class checkmulti : public QDialog {
    Q_OBJECT
public:
    static constexpr int CloseAfterMs = 2000;

    explicit checkmulti(const MultiProgramCheck &check, QWidget *parent = nullptr);

    // The send stops: "Non Continuare", or the window closed by its close box.
    bool noninviare() const { return m_noninviare; }

private:
    void fill(const MultiProgramCheck &check);
    void offerChoice(const MultiProgramCheck &check);
    void finish(bool stop);

    bool m_noninviare = true;
    QTimer Timer1;
    QTableWidget *MSFlexGrid1;
    QListWidget *List1;
    QPushButton *Command2;
    QPushButton *Command1;
};
