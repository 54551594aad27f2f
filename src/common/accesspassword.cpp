#include "accesspassword.h"

#include "dialogs.h"
#include "settingsstore.h"

namespace {
const QString kSection = QStringLiteral("password");
const QString kKey = QStringLiteral("password");
} // namespace

AccessPassword AccessPassword::load(const SettingsStore &settings)
{
    return AccessPassword(settings.text(kSection, kKey));
}

bool AccessPassword::check(Dialogs &dialogs) const
{
    if (m_stored.isEmpty())
        return true;
    const QString answer =
        dialogs.inputText(tr("Parola chiave"), tr("Inserimento Password"), {}, true).value_or(QString()).toUpper();
    if (answer.trimmed() == m_stored.trimmed())
        return true;
    dialogs.message(tr("Password errata!"), tr("Errore !"));
    return false;
}

void AccessPassword::replace(const QString &newPassword, SettingsStore &settings)
{
    m_stored = newPassword.toUpper();
    settings.setValue(kSection, kKey, m_stored);
}
