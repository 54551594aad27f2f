#pragma once

#include <QCoreApplication>
#include <QString>

class Dialogs;
class SettingsStore;

// The optional password that guards saving program texts. It is stored in upper case.
class AccessPassword {
    Q_DECLARE_TR_FUNCTIONS(AccessPassword)

public:
    AccessPassword() = default;
    explicit AccessPassword(QString stored) : m_stored(std::move(stored)) {}
    static AccessPassword load(const SettingsStore &settings);

    const QString &value() const { return m_stored; }

    // CheckAccessPassword: true when the user may go on. With a password set, asks for it;
    // a wrong answer is told to the user.
    bool check(Dialogs &dialogs) const;
    // Replaces the password for this run and in the settings store, in upper case.
    void replace(const QString &newPassword, SettingsStore &settings);

private:
    QString m_stored;
};
