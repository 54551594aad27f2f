#include "databaseaddress.h"

DatabaseAddress DatabaseAddress::file(const QString &path)
{
    DatabaseAddress address;
    address.m_path = path;
    return address;
}

DatabaseAddress DatabaseAddress::server(const QString &url, const QString &password)
{
    DatabaseAddress address;
    address.m_urlText = url;
    address.m_url = QUrl(url, QUrl::StrictMode);
    address.m_password = password;
    return address;
}

DatabaseAddress DatabaseAddress::onDatabase(const QString &databaseName) const
{
    DatabaseAddress copy = *this;
    copy.m_url.setPath(QLatin1Char('/') + databaseName);
    copy.m_urlText = copy.m_url.toString();
    return copy;
}

QString DatabaseAddress::password() const
{
    return m_password.isEmpty() ? m_url.password() : m_password;
}

QString DatabaseAddress::databaseName() const
{
    return m_url.path().mid(1);
}

bool DatabaseAddress::isServerUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres"))
        && !url.host().isEmpty() && url.path().size() > 1;
}

QString DatabaseAddress::describe() const
{
    if (!isServer())
        return m_path;
    return m_url.isValid() ? m_url.toString(QUrl::RemovePassword) : m_urlText;
}
