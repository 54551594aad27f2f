#pragma once

#include <QDialog>

class AccessPassword;
class Dialogs;
class QLineEdit;
class QPushButton;
class SettingsStore;

// Password window: sets or changes the access password that guards saving.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    frmLogin(AccessPassword &password, SettingsStore &settings, Dialogs &dialogs, QWidget *parent = nullptr);

private:
    void confirm();

    AccessPassword &m_password;
    SettingsStore &m_settings;
    Dialogs &m_dialogs;
    QLineEdit *m_first;
    QLineEdit *m_second;
};
