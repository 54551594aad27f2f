#include "textdiff.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace TextDiff {

namespace {

using Index = qsizetype;

// Identical leading and trailing lines are left out of the search, but as many of them as a
// hunk shows around a change stay in, as diff keeps them.
constexpr Index Horizon = 3;
constexpr Index Context = 3;

struct Side {
    std::vector<int> equivs; // a number per line of the searched region, equal for equal lines
    std::vector<char> changedStore;
    char *changed = nullptr; // changed[-1] and changed[size] are false
    std::vector<int> undiscarded;
    std::vector<Index> realIndex;

    Index size() const { return Index(equivs.size()); }
};

struct Partition {
    Index xmid;
    Index ymid;
    bool loMinimal;
    bool hiMinimal;
};

// The search for the shortest edit script, from both ends at once.
class Search {
public:
    Search(Side &a, Side &b) : m_a(a), m_b(b)
    {
        const Index n = Index(a.undiscarded.size());
        const Index m = Index(b.undiscarded.size());
        Index diagonals = n + m + 3;
        m_store.assign(size_t(2 * diagonals), 0);
        m_fd = m_store.data() + m + 1;
        m_bd = m_fd + diagonals;
        // Past this cost the search settles for a good split instead of the best one.
        Index tooExpensive = 1;
        for (; diagonals != 0; diagonals >>= 2)
            tooExpensive <<= 1;
        m_tooExpensive = std::max<Index>(4096, tooExpensive);
        m_x = a.undiscarded.data();
        m_y = b.undiscarded.data();
    }

    void compare(Index xoff, Index xlim, Index yoff, Index ylim, bool minimal)
    {
        while (xoff < xlim && yoff < ylim && m_x[xoff] == m_y[yoff]) {
            ++xoff;
            ++yoff;
        }
        while (xoff < xlim && yoff < ylim && m_x[xlim - 1] == m_y[ylim - 1]) {
            --xlim;
            --ylim;
        }
        if (xoff == xlim) {
            for (; yoff < ylim; ++yoff)
                m_b.changed[m_b.realIndex[size_t(yoff)]] = 1;
        } else if (yoff == ylim) {
            for (; xoff < xlim; ++xoff)
                m_a.changed[m_a.realIndex[size_t(xoff)]] = 1;
        } else {
            const Partition part = middle(xoff, xlim, yoff, ylim, minimal);
            compare(xoff, part.xmid, yoff, part.ymid, part.loMinimal);
            compare(part.xmid, xlim, part.ymid, ylim, part.hiMinimal);
        }
    }

private:
    Partition middle(Index xoff, Index xlim, Index yoff, Index ylim, bool minimal)
    {
        Index *const fd = m_fd;
        Index *const bd = m_bd;
        const Index dmin = xoff - ylim;
        const Index dmax = xlim - yoff;
        const Index fmid = xoff - yoff;
        const Index bmid = xlim - ylim;
        Index fmin = fmid, fmax = fmid;
        Index bmin = bmid, bmax = bmid;
        const bool odd = (fmid - bmid) & 1;
        fd[fmid] = xoff;
        bd[bmid] = xlim;
        for (Index cost = 1;; ++cost) {
            if (fmin > dmin)
                fd[--fmin - 1] = -1;
            else
                ++fmin;
            if (fmax < dmax)
                fd[++fmax + 1] = -1;
            else
                --fmax;
            for (Index d = fmax; d >= fmin; d -= 2) {
                const Index tlo = fd[d - 1];
                const Index thi = fd[d + 1];
                const Index x0 = tlo < thi ? thi : tlo + 1;
                Index x = x0;
                Index y = x0 - d;
                while (x < xlim && y < ylim && m_x[x] == m_y[y]) {
                    ++x;
                    ++y;
                }
                fd[d] = x;
                if (odd && bmin <= d && d <= bmax && bd[d] <= x)
                    return {x, y, true, true};
            }
            if (bmin > dmin)
                bd[--bmin - 1] = std::numeric_limits<Index>::max();
            else
                ++bmin;
            if (bmax < dmax)
                bd[++bmax + 1] = std::numeric_limits<Index>::max();
            else
                --bmax;
            for (Index d = bmax; d >= bmin; d -= 2) {
                const Index tlo = bd[d - 1];
                const Index thi = bd[d + 1];
                const Index x0 = tlo < thi ? tlo : thi - 1;
                Index x = x0;
                Index y = x0 - d;
                while (xoff < x && yoff < y && m_x[x - 1] == m_y[y - 1]) {
                    --x;
                    --y;
                }
                bd[d] = x;
                if (!odd && fmin <= d && d <= fmax && x <= fd[d])
                    return {x, y, true, true};
            }
            if (!minimal && cost >= m_tooExpensive)
                return bestSplit(xoff, xlim, yoff, ylim, fmin, fmax, bmin, bmax);
        }
    }

    // The forward diagonal that got furthest or the backward one that got furthest back.
    Partition bestSplit(Index xoff, Index xlim, Index yoff, Index ylim, Index fmin, Index fmax, Index bmin,
                        Index bmax) const
    {
        Index fxybest = -1, fxbest = 0;
        for (Index d = fmax; d >= fmin; d -= 2) {
            Index x = std::min(m_fd[d], xlim);
            Index y = x - d;
            if (ylim < y) {
                x = ylim + d;
                y = ylim;
            }
            if (fxybest < x + y) {
                fxybest = x + y;
                fxbest = x;
            }
        }
        Index bxybest = std::numeric_limits<Index>::max(), bxbest = 0;
        for (Index d = bmax; d >= bmin; d -= 2) {
            Index x = std::max(xoff, m_bd[d]);
            Index y = x - d;
            if (y < yoff) {
                x = yoff + d;
                y = yoff;
            }
            if (x + y < bxybest) {
                bxybest = x + y;
                bxbest = x;
            }
        }
        if ((xlim + ylim) - bxybest < fxybest - (xoff + yoff))
            return {fxbest, fxybest - fxbest, true, false};
        return {bxbest, bxybest - bxbest, false, true};
    }

    Side &m_a;
    Side &m_b;
    std::vector<Index> m_store;
    Index *m_fd;
    Index *m_bd;
    Index m_tooExpensive;
    const int *m_x;
    const int *m_y;
};

// Lines with no match on the other side cannot be part of the common lines, and lines with very
// many matches mislead the search: both are set aside (and marked changed) in runs of such lines.
void discardConfusingLines(Side sides[2], int classes)
{
    std::vector<Index> counts[2] = {std::vector<Index>(size_t(classes), 0), std::vector<Index>(size_t(classes), 0)};
    for (int f = 0; f < 2; ++f) {
        for (int e : sides[f].equivs)
            ++counts[f][size_t(e)];
    }
    std::vector<char> discards[2];
    for (int f = 0; f < 2; ++f) {
        const Index end = sides[f].size();
        discards[f].assign(size_t(end), 0);
        const std::vector<Index> &other = counts[1 - f];
        Index many = 5;
        for (Index tem = end / 64; (tem = tem >> 2) > 0;)
            many *= 2;
        for (Index i = 0; i < end; ++i) {
            const Index matches = other[size_t(sides[f].equivs[size_t(i)])];
            if (matches == 0)
                discards[f][size_t(i)] = 1;
            else if (matches > many)
                discards[f][size_t(i)] = 2;
        }
    }
    for (int f = 0; f < 2; ++f) {
        const Index end = sides[f].size();
        char *d = discards[f].data();
        for (Index i = 0; i < end; ++i) {
            if (d[i] == 2) {
                d[i] = 0;
                continue;
            }
            if (d[i] == 0)
                continue;
            Index j = i;
            Index provisional = 0;
            for (; j < end && d[j] != 0; ++j) {
                if (d[j] == 2)
                    ++provisional;
            }
            while (j > i && d[j - 1] == 2) {
                d[--j] = 0;
                --provisional;
            }
            const Index length = j - i;
            if (provisional * 4 > length) {
                while (j > i) {
                    if (d[--j] == 2)
                        d[j] = 0;
                }
                continue;
            }
            Index minimum = 1;
            for (Index tem = length >> 2; 0 < (tem >>= 2);)
                minimum <<= 1;
            ++minimum;
            Index consec = 0;
            for (j = 0; j < length; ++j) {
                if (d[i + j] != 2)
                    consec = 0;
                else if (minimum == ++consec)
                    j -= consec;
                else if (minimum < consec)
                    d[i + j] = 0;
            }
            consec = 0;
            for (j = 0; j < length; ++j) {
                if (j >= 8 && d[i + j] == 1)
                    break;
                if (d[i + j] == 2) {
                    consec = 0;
                    d[i + j] = 0;
                } else if (d[i + j] == 0) {
                    consec = 0;
                } else {
                    ++consec;
                }
                if (consec == 3)
                    break;
            }
            i += length - 1;
            consec = 0;
            for (j = 0; j < length; ++j) {
                if (j >= 8 && d[i - j] == 1)
                    break;
                if (d[i - j] == 2) {
                    consec = 0;
                    d[i - j] = 0;
                } else if (d[i - j] == 0) {
                    consec = 0;
                } else {
                    ++consec;
                }
                if (consec == 3)
                    break;
            }
        }
    }
    for (int f = 0; f < 2; ++f) {
        Side &side = sides[f];
        for (Index i = 0; i < side.size(); ++i) {
            if (discards[f][size_t(i)] == 0) {
                side.undiscarded.push_back(side.equivs[size_t(i)]);
                side.realIndex.push_back(i);
            } else {
                side.changed[i] = 1;
            }
        }
    }
}

// Slides each run of changes as diff does: merged with neighbouring runs where the lines allow,
// else as far down as it goes, then back up to meet a run of the other side.
void shiftBoundaries(Side sides[2])
{
    for (int f = 0; f < 2; ++f) {
        char *changed = sides[f].changed;
        const char *otherChanged = sides[1 - f].changed;
        const int *equivs = sides[f].equivs.data();
        const Index end = sides[f].size();
        Index i = 0;
        Index j = 0;
        while (true) {
            while (i < end && !changed[i]) {
                while (otherChanged[j++])
                    continue;
                ++i;
            }
            if (i == end)
                break;
            Index start = i;
            while (changed[++i])
                continue;
            while (otherChanged[j])
                ++j;
            Index runLength;
            Index corresponding;
            do {
                runLength = i - start;
                while (start && equivs[start - 1] == equivs[i - 1]) {
                    changed[--start] = 1;
                    changed[--i] = 0;
                    while (changed[start - 1])
                        --start;
                    while (otherChanged[--j])
                        continue;
                }
                corresponding = otherChanged[j - 1] ? i : end;
                while (i != end && equivs[start] == equivs[i]) {
                    changed[start++] = 0;
                    changed[i++] = 1;
                    while (changed[i])
                        ++i;
                    while (otherChanged[++j])
                        corresponding = i;
                }
            } while (runLength != i - start);
            while (corresponding < i) {
                changed[--start] = 1;
                changed[--i] = 0;
                while (otherChanged[--j])
                    continue;
            }
        }
    }
}

void appendLine(QByteArray &out, char mark, QByteArrayView line)
{
    out.append(mark);
    out.append(line);
    if (!line.endsWith('\n'))
        out.append("\n\\ No newline at end of file\n");
}

void appendRange(QByteArray &out, Index first, Index count)
{
    // 1-based; an empty range names the line before it, as patch expects.
    if (count == 0) {
        out.append(QByteArray::number(first)).append(",0");
    } else {
        out.append(QByteArray::number(first + 1));
        if (count != 1)
            out.append(',').append(QByteArray::number(count));
    }
}

} // namespace

std::vector<QByteArrayView> splitLines(QByteArrayView text)
{
    std::vector<QByteArrayView> lines;
    lines.reserve(size_t(text.count('\n') + 1));
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        lines.push_back(text.sliced(start, next - start));
        start = next;
    }
    return lines;
}

std::vector<Change> changes(const std::vector<QByteArrayView> &oldLines, const std::vector<QByteArrayView> &newLines)
{
    const Index n = Index(oldLines.size());
    const Index m = Index(newLines.size());
    Index prefix = 0;
    while (prefix < n && prefix < m && oldLines[size_t(prefix)] == newLines[size_t(prefix)])
        ++prefix;
    Index suffix = 0;
    while (suffix < n - prefix && suffix < m - prefix
           && oldLines[size_t(n - 1 - suffix)] == newLines[size_t(m - 1 - suffix)])
        ++suffix;
    const Index lo = std::max<Index>(0, prefix - Horizon);
    const Index keptSuffix = std::max<Index>(0, suffix - Horizon);
    const std::vector<QByteArrayView> *texts[2] = {&oldLines, &newLines};
    const Index his[2] = {n - keptSuffix, m - keptSuffix};

    Side sides[2];
    std::unordered_map<std::string_view, int> classes;
    classes.reserve(size_t(his[0] + his[1] - 2 * lo));
    for (int f = 0; f < 2; ++f) {
        Side &side = sides[f];
        side.equivs.reserve(size_t(his[f] - lo));
        for (Index i = lo; i < his[f]; ++i) {
            const QByteArrayView line = (*texts[f])[size_t(i)];
            const auto found = classes.try_emplace(std::string_view(line.data(), size_t(line.size())),
                                                   int(classes.size()));
            side.equivs.push_back(found.first->second);
        }
        side.changedStore.assign(size_t(side.size() + 2), 0);
        side.changed = side.changedStore.data() + 1;
    }
    discardConfusingLines(sides, int(classes.size()));
    {
        Search search(sides[0], sides[1]);
        search.compare(0, Index(sides[0].undiscarded.size()), 0, Index(sides[1].undiscarded.size()), false);
    }
    shiftBoundaries(sides);

    std::vector<Change> result;
    Index i0 = 0, i1 = 0;
    const Index len0 = sides[0].size(), len1 = sides[1].size();
    while (i0 < len0 || i1 < len1) {
        if (sides[0].changed[i0] || sides[1].changed[i1]) {
            const Index line0 = i0, line1 = i1;
            while (sides[0].changed[i0])
                ++i0;
            while (sides[1].changed[i1])
                ++i1;
            result.push_back({lo + line0, i0 - line0, lo + line1, i1 - line1});
        }
        ++i0;
        ++i1;
    }
    return result;
}

Counts count(const std::vector<Change> &found)
{
    Counts counts;
    for (const Change &change : found) {
        counts.added += change.newCount;
        counts.removed += change.oldCount;
    }
    return counts;
}

QByteArray unified(QByteArrayView oldText, QByteArrayView newText, const QByteArray &oldLabel,
                   const QByteArray &newLabel)
{
    const std::vector<QByteArrayView> a = splitLines(oldText);
    const std::vector<QByteArrayView> b = splitLines(newText);
    const std::vector<Change> found = changes(a, b);
    QByteArray out;
    if (found.empty())
        return out;
    out.append("--- ").append(oldLabel).append('\n');
    out.append("+++ ").append(newLabel).append('\n');
    for (size_t first = 0; first < found.size();) {
        // A hunk takes the following changes while fewer than 2 * Context + 1 lines lie between.
        size_t last = first;
        while (last + 1 < found.size()
               && found[last + 1].oldStart - (found[last].oldStart + found[last].oldCount) < 2 * Context + 1)
            ++last;
        const Index start0 = std::max<Index>(0, found[first].oldStart - Context);
        const Index start1 = std::max<Index>(0, found[first].newStart - Context);
        const Index end0 = std::min<Index>(Index(a.size()), found[last].oldStart + found[last].oldCount + Context);
        const Index end1 = std::min<Index>(Index(b.size()), found[last].newStart + found[last].newCount + Context);
        out.append("@@ -");
        appendRange(out, start0, end0 - start0);
        out.append(" +");
        appendRange(out, start1, end1 - start1);
        out.append(" @@\n");
        Index line0 = start0;
        for (size_t c = first; c <= last; ++c) {
            const Change &change = found[c];
            for (; line0 < change.oldStart; ++line0)
                appendLine(out, ' ', a[size_t(line0)]);
            for (Index k = 0; k < change.oldCount; ++k)
                appendLine(out, '-', a[size_t(change.oldStart + k)]);
            for (Index k = 0; k < change.newCount; ++k)
                appendLine(out, '+', b[size_t(change.newStart + k)]);
            line0 = change.oldStart + change.oldCount;
        }
        for (; line0 < end0; ++line0)
            appendLine(out, ' ', a[size_t(line0)]);
        first = last + 1;
    }
    return out;
}

} // namespace TextDiff
