#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The registry as the program used it on Windows: a root key, a key path ("section") and a value
// name, read and written with their types. The store is an INI file per root key in one folder
// (registry-hklm.ini for the local machine); a value is kept as its type and its data, the way
// a .reg file writes it: "dword:0a000105", "hex:05,00", "sz:text", "expand:%HOME%\x".
class CRegistry {
public:
    enum Root : quint32 {
        HKEY_CLASSES_ROOT = 0x80000000,
        HKEY_CURRENT_USER = 0x80000001,
        HKEY_LOCAL_MACHINE = 0x80000002,
        HKEY_USERS = 0x80000003,
    };
    enum Type {
        REG_SZ = 1,
        REG_EXPAND_SZ = 2,
        REG_BINARY = 3,
        REG_DWORD = 4,
        REG_DWORD_BIG_ENDIAN = 5,
        REG_MULTI_SZ = 7,
    };

    // What a failed operation raises: the source ("truvnet.cRegistry") and the text.
    struct Error {
        QString source;
        QString text;
    };

    // folder: where the INI files are; programName: the source of the errors.
    CRegistry(QString folder, QString programName);

    Root ClassKey = HKEY_LOCAL_MACHINE;
    QString SectionKey;
    QString ValueKey; // empty: the key's default value
    Type ValueType = REG_SZ;
    QVariant Default;

    QString Machine() const { return m_machine; }
    // A name of three characters or more is a remote machine, written with its leading "\\";
    // a shorter one means this machine.
    void setMachine(const QString &name);

    // The value, by its stored type: text (a list as texts joined by NUL), text with the
    // environment expanded, bytes, or a 32-bit integer; Default when it is not there.
    QVariant Value() const;
    bool setValue(const QVariant &value);
    QVariant ValueEx(Root root, const QString &section, const QString &key, Type type, const QVariant &fallback) const;

    bool KeyExists() const;
    bool CreateKey();
    bool DeleteKey();
    bool DeleteValue();
    QStringList EnumerateValues() const;
    QStringList EnumerateSections() const;

    // The failure of the last operation that failed.
    const Error &lastError() const { return m_error; }

private:
    QString storePath(Root root) const;
    bool fail(const QString &text);
    QString rootName() const;

    QString m_folder;
    QString m_programName;
    QString m_machine;
    Error m_error;
};
