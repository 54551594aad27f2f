#pragma once

#include <QByteArray>

// What a machine punches onto the line, cut into programs: a program ends at a "%" that
// follows some of its text (the "%" before the text opens the tape), or at the line's idle time.
namespace PunchedPrograms {

// How far what arrived has been looked through, so that each arrival is looked at once.
struct Scan {
    qsizetype scanned = 0;
    bool text = false; // program text came before
};
// Just after the "%" that closes the first program of what arrived; -1 while none has.
qsizetype end(const QByteArray &received, Scan &scan);
// Whether there is any program text, not only leader, line ends and tape marks.
bool holdsText(const QByteArray &received);
// The text that is filed: control characters gone, the leader before the first printable
// character gone, and every line ended by CR LF as the archive's texts are.
QByteArray fileText(const QByteArray &received);

} // namespace PunchedPrograms
