#include "cregistry.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>
#include <QtEndian>

namespace {

// A key that exists without values of its own is kept by this marker.
const QString KeyMarker = QStringLiteral("(key)");
// The key's unnamed value.
const QString DefaultValueName = QStringLiteral("@");

struct StoredValue {
    CRegistry::Type type = CRegistry::REG_SZ;
    QString data;
};

StoredValue parse(const QString &stored)
{
    static const std::pair<const char *, CRegistry::Type> prefixes[] = {
        {"sz:", CRegistry::REG_SZ},           {"expand:", CRegistry::REG_EXPAND_SZ},
        {"hex:", CRegistry::REG_BINARY},      {"dword:", CRegistry::REG_DWORD},
        {"dword-be:", CRegistry::REG_DWORD_BIG_ENDIAN}, {"multi:", CRegistry::REG_MULTI_SZ},
    };
    for (const auto &[prefix, type] : prefixes) {
        if (stored.startsWith(QLatin1String(prefix)))
            return {type, stored.mid(qsizetype(qstrlen(prefix)))};
    }
    return {CRegistry::REG_SZ, stored}; // written by hand, without a type
}

QByteArray bytesOf(const QString &hex)
{
    return QByteArray::fromHex(hex.toLatin1().replace(',', QByteArray()));
}

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(','));
}

// %NAME% replaced by the environment's value, as Windows expands a stored path.
QString expanded(const QString &text)
{
    static const QRegularExpression reference(QStringLiteral("%([^%]+)%"));
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString result;
    qsizetype last = 0;
    for (QRegularExpressionMatch match : reference.globalMatch(text)) {
        result += text.mid(last, match.capturedStart() - last);
        result += environment.contains(match.captured(1)) ? environment.value(match.captured(1)) : match.captured();
        last = match.capturedEnd();
    }
    return result + text.mid(last);
}

QVariant decoded(const StoredValue &value)
{
    switch (value.type) {
    case CRegistry::REG_EXPAND_SZ:
        return expanded(value.data);
    case CRegistry::REG_BINARY:
        return bytesOf(value.data);
    case CRegistry::REG_DWORD:
    case CRegistry::REG_DWORD_BIG_ENDIAN: {
        // Kept as the four bytes in memory order; big-endian data reads them the other way.
        const QByteArray bytes = bytesOf(value.data).leftJustified(4, '\0', true);
        return value.type == CRegistry::REG_DWORD ? qFromLittleEndian<qint32>(bytes.constData())
                                                  : qFromBigEndian<qint32>(bytes.constData());
    }
    case CRegistry::REG_MULTI_SZ: {
        QStringList items;
        for (const QString &item : value.data.split(u','))
            items.append(QUrl::fromPercentEncoding(item.toLatin1()));
        return items.join(QChar(0));
    }
    case CRegistry::REG_SZ:
        break;
    }
    return value.data;
}

QString groupOf(const QString &section)
{
    QString group = section;
    group.replace(u'\\', u'/');
    return group;
}

} // namespace

CRegistry::CRegistry(QString folder, QString programName)
    : m_folder(std::move(folder)), m_programName(std::move(programName))
{
}

void CRegistry::setMachine(const QString &name)
{
    if (name.size() < 3)
        m_machine.clear();
    else
        m_machine = name.startsWith(QStringLiteral("\\\\")) ? name : QStringLiteral("\\\\") + name;
}

QString CRegistry::storePath(Root root) const
{
    const char *file = root == HKEY_CLASSES_ROOT ? "registry-hkcr.ini"
        : root == HKEY_CURRENT_USER              ? "registry-hkcu.ini"
        : root == HKEY_USERS                     ? "registry-hku.ini"
                                                 : "registry-hklm.ini";
    return QDir(m_folder).filePath(QString::fromLatin1(file));
}

QString CRegistry::rootName() const
{
    switch (ClassKey) {
    case HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_USERS: return QStringLiteral("HKEY_USERS");
    case HKEY_LOCAL_MACHINE: break;
    }
    return QStringLiteral("HKEY_LOCAL_MACHINE");
}

bool CRegistry::fail(const QString &text)
{
    m_error = {m_programName + QStringLiteral(".cRegistry"), text};
    return false;
}

QVariant CRegistry::Value() const
{
    return ValueEx(ClassKey, SectionKey, ValueKey, ValueType, Default);
}

QVariant CRegistry::ValueEx(Root root, const QString &section, const QString &key, Type, const QVariant &fallback) const
{
    // Another machine's registry is not within reach: as a value that is not there.
    if (!m_machine.isEmpty())
        return fallback;
    QSettings store(storePath(root), QSettings::IniFormat);
    store.beginGroup(groupOf(section));
    const QVariant stored = store.value(key.isEmpty() ? DefaultValueName : key);
    if (!stored.isValid())
        return fallback;
    // An unquoted "hex:05,00" written by hand reads as a list.
    const QString text = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(u',') : stored.toString();
    return decoded(parse(text));
}

bool CRegistry::setValue(const QVariant &value)
{
    const QString where = QStringLiteral("Failed to set registry value Key: '%1',Section: '%2',Key: '%3'")
                              .arg(rootName(), SectionKey, ValueKey);
    if (!m_machine.isEmpty() || SectionKey.isEmpty())
        return fail(where);
    QString stored;
    switch (ValueType) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        static const QRegularExpression reference(QStringLiteral("%.+%"));
        const QString text = value.toString();
        stored = (reference.match(text).hasMatch() ? QStringLiteral("expand:") : QStringLiteral("sz:")) + text;
        break;
    }
    case REG_BINARY:
        stored = QStringLiteral("hex:") + hexOf(value.toByteArray());
        break;
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
        bool ok = false;
        const qint32 number = value.toInt(&ok);
        if (!ok)
            return fail(where);
        char bytes[4];
        qToLittleEndian(number, bytes);
        stored = (ValueType == REG_DWORD ? QStringLiteral("dword:") : QStringLiteral("dword-be:"))
            + hexOf(QByteArray(bytes, 4)).remove(u',');
        break;
    }
    case REG_MULTI_SZ:
        return fail(where);
    }
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.beginGroup(groupOf(SectionKey));
    store.remove(KeyMarker);
    store.setValue(ValueKey.isEmpty() ? DefaultValueName : ValueKey, stored);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError || fail(where);
}

bool CRegistry::KeyExists() const
{
    if (!m_machine.isEmpty() || SectionKey.isEmpty())
        return false;
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.beginGroup(groupOf(SectionKey));
    return !store.childKeys().isEmpty() || !store.childGroups().isEmpty();
}

bool CRegistry::CreateKey()
{
    const QString where = QStringLiteral("Failed to create registry Key: '%1',Section: '%2'").arg(rootName(), SectionKey);
    if (!m_machine.isEmpty() || SectionKey.isEmpty())
        return fail(where);
    if (KeyExists())
        return true;
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.setValue(groupOf(SectionKey) + u'/' + KeyMarker, 1);
    store.sync();
    return store.status() == QSettings::NoError || fail(where);
}

bool CRegistry::DeleteKey()
{
    if (!KeyExists())
        return fail(QStringLiteral("Failed to open key '%1' for delete access").arg(SectionKey));
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.remove(groupOf(SectionKey));
    store.sync();
    return store.status() == QSettings::NoError
        || fail(QStringLiteral("Failed to delete registry Key: '%1',Section: '%2'").arg(rootName(), SectionKey));
}

bool CRegistry::DeleteValue()
{
    const QString where = QStringLiteral("Failed to delete registry Key: '%1',Section: '%2',Key: '%3'")
                              .arg(rootName(), SectionKey, ValueKey);
    if (!m_machine.isEmpty())
        return fail(where);
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.beginGroup(groupOf(SectionKey));
    const QString name = ValueKey.isEmpty() ? DefaultValueName : ValueKey;
    if (!store.contains(name))
        return fail(where);
    store.remove(name);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError || fail(where);
}

QStringList CRegistry::EnumerateValues() const
{
    if (!m_machine.isEmpty())
        return {};
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.beginGroup(groupOf(SectionKey));
    QStringList names = store.childKeys();
    names.removeAll(KeyMarker);
    return names;
}

QStringList CRegistry::EnumerateSections() const
{
    if (!m_machine.isEmpty())
        return {};
    QSettings store(storePath(ClassKey), QSettings::IniFormat);
    store.beginGroup(groupOf(SectionKey));
    return store.childGroups();
}
