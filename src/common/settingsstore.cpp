#include "settingsstore.h"

#include <QSettings>

namespace {
QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

QVariant SettingsStore::value(const QString &section, const QString &key, const QVariant &fallback) const
{
    return QSettings(QStringLiteral("TRUV"), QStringLiteral("TRUV")).value(keyPath(section, key), fallback);
}

QString SettingsStore::text(const QString &section, const QString &key, const QString &fallback) const
{
    return value(section, key, fallback).toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QVariant &value)
{
    QSettings settings(QStringLiteral("TRUV"), QStringLiteral("TRUV"));
    settings.setValue(keyPath(section, key), value);
    settings.sync();
}
