#pragma once

#include <QByteArray>

class QIODevice;

#include <optional>

// A revision's text as the archive keeps it: compressed, with the SHA-256 of the text. Both are
// taken side by side, since on a large program each is a good part of a save's wait.
struct PackedText {
    QByteArray compressed; // empty when the text could not be compressed
    QByteArray digest;     // hex
};
PackedText packText(const QByteArray &text);

// The text back, when the data holds a whole compressed text of that size; nullopt otherwise.
std::optional<QByteArray> unpackText(const QByteArray &compressed, qint64 size);

// The SHA-256 of a text, in hex.
QByteArray textDigest(const QByteArray &text);
// The same of what a device holds from where it stands, read a piece at a time; empty when it
// cannot be read to its end.
QByteArray fileDigest(QIODevice &file);
