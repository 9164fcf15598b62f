#pragma once

#include <QColor>
#include <QImage>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <map>

namespace tarvello::test {

// The contrast ratio of two colours, 1 (the same) to 21 (black on white); 3 is the least for shapes
// such as arrows to be told apart.
inline double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well the arrow of a scroll bar's first button stands out: the contrast of its most distant
// pixel against the button's most common colour, inside the button's edges (which take the frame's
// colour).
inline double arrowContrast(QScrollBar &bar)
{
    const QImage image = bar.grab().toImage();
    const int side = std::min(image.width(), image.height());
    constexpr int kEdge = 3;
    std::map<QRgb, int> counts;
    for (int y = kEdge; y < side - kEdge; ++y)
        for (int x = kEdge; x < side - kEdge; ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    const QRgb back = std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) {
                          return a.second < b.second;
                      })->first;
    double best = 1.0;
    for (const auto &[colour, count] : counts)
        best = std::max(best, contrast(colour, back));
    return best;
}

} // namespace tarvello::test
