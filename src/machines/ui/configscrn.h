#pragma once

#include "machinesettings.h"

#include <QWidget>

#include <array>
#include <functional>

class Dialogs;
class ProgramFolder;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct MachineState;

// Communication settings window: adds, renames and edits the machines of cncsett.dat.
class ConfigScrn : public QWidget {
    Q_OBJECT
public:
    ConfigScrn(MachineState &machines, const ProgramFolder &folder, Dialogs &dialogs, QWidget *parent = nullptr);


protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRadioButton *addOption(QButtonGroup *group, const char *name, const QString &caption,
                            std::function<void()> onClick);
    void showList();
    void showForm();
    void whenDone(bool done);

    MachineSettingsEditor m_editor;
    Dialogs &m_dialogs;
    bool m_showing = false;

    QListWidget *List1 = nullptr;
    QRadioButton *Baud3 = nullptr, *Baud6 = nullptr, *Baud12 = nullptr, *Baud24 = nullptr, *Baud48 = nullptr,
                 *Baud96 = nullptr, *Baud192 = nullptr, *Baud384 = nullptr;
    QRadioButton *Data7 = nullptr, *Data8 = nullptr;
    QRadioButton *Stop1 = nullptr, *Stop2 = nullptr;
    QRadioButton *NoParity = nullptr, *OddParity = nullptr, *EvenParity = nullptr;
    std::array<QRadioButton *, 17> ComPort{};  // indices 1..16
    QRadioButton *NoFlow = nullptr, *XonFlow = nullptr, *RTSFlow = nullptr, *BothFlow = nullptr;
    std::array<QRadioButton *, 3> CRLF{};
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *OKButton = nullptr, *Newbutton = nullptr, *Command4 = nullptr, *Command1 = nullptr,
                *Command2 = nullptr, *Command3 = nullptr;
    QButtonGroup *m_baudGroup = nullptr, *m_dataGroup = nullptr, *m_stopGroup = nullptr, *m_parityGroup = nullptr,
                 *m_portGroup = nullptr, *m_flowGroup = nullptr, *m_lineEndGroup = nullptr;
};
