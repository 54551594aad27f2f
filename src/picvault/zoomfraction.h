#pragma once

#include <QSize>

#include <algorithm>

// The full-page window's zoom, a fraction: "+" adds to the numerator, "-" to the denominator.
struct ZoomFraction {
    int numerator = 1;
    int denominator = 1;

    void enlarge() { ++numerator; }
    void reduce() { ++denominator; }
    void reset() { numerator = denominator = 1; }
    // Bounded by the largest size a window may take.
    QSize applied(QSize size) const
    {
        const auto scaled = [this](int length) {
            return int(std::min<qint64>(qint64(length) * numerator / denominator, 16777215));
        };
        return QSize(scaled(size.width()), scaled(size.height()));
    }
};
