#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Program texts, machine lists and transfer data are 8-bit bytes. Converting with Latin-1
// keeps every byte through a round trip to QString and back.
namespace TextFile {

inline QString toText(const QByteArray &bytes) { return QString::fromLatin1(bytes); }
inline QByteArray toBytes(const QString &text) { return text.toLatin1(); }

// The whole file, or nothing with the reason in *error.
std::optional<QByteArray> read(const QString &path, QString *error = nullptr);

// Writes into a temporary file beside the target, flushes it to disk and renames it over the
// target, so a crash or a full disk leaves the old file intact.
bool writeAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

enum class NewFileResult { Written, Exists, Failed };
// Writes a file that must not exist yet, as writeAtomically does, but never replaces one: an
// existing name (even one that appears meanwhile) gives Exists and leaves it untouched.
NewFileResult writeNew(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace TextFile
