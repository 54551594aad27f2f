#pragma once

#include <QString>
#include <QVariant>

// Per-user settings addressed by section and key under the application "TRUV".
// On Linux the file is $XDG_CONFIG_HOME/TRUV/TRUV.conf.
class SettingsStore {
public:
    QVariant value(const QString &section, const QString &key, const QVariant &fallback = {}) const;
    QString text(const QString &section, const QString &key, const QString &fallback = {}) const;
    void setValue(const QString &section, const QString &key, const QVariant &value);
};
