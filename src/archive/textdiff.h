#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// Line differences between two texts, found the way GNU diff finds them (Myers' O(ND) search
// from both ends in linear space, lines hashed to numbers, lines that cannot match set aside
// first, runs of changes slid to where diff puts them), so that the unified output is the one
// `diff -u` prints. Memory grows with the number of lines, never with their square.
namespace TextDiff {

// A text's lines, each with its "\n"; the last one may have none.
std::vector<QByteArrayView> splitLines(QByteArrayView text);

// One run of changed lines: count lines at oldStart removed, count lines at newStart added
// (0-based).
struct Change {
    qsizetype oldStart = 0;
    qsizetype oldCount = 0;
    qsizetype newStart = 0;
    qsizetype newCount = 0;
};

std::vector<Change> changes(const std::vector<QByteArrayView> &oldLines, const std::vector<QByteArrayView> &newLines);

// Lines added and removed, as a summary of the changes.
struct Counts {
    qsizetype added = 0;
    qsizetype removed = 0;
};
Counts count(const std::vector<Change> &changes);

// The unified diff with three lines of context, headed by the two labels; empty when the texts
// are equal.
QByteArray unified(QByteArrayView oldText, QByteArrayView newText, const QByteArray &oldLabel,
                   const QByteArray &newLabel);

} // namespace TextDiff
