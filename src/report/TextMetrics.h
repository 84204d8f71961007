#pragma once

#include "report/Report.h"

#include <QFont>
#include <QFontMetricsF>

// Text measured for the report layout, in millimetres, on a fixed high resolution so that a
// layout is the same whatever device it is drawn on.
using Report::MemoStyle;

struct TextFont {
    QFont font; // for drawing: point size, no hinting
    QFontMetricsF metrics;
    double mmPerPixel = 0;
    double ascent = 0;      // mm
    double height = 0;      // mm, ascent + descent
    double lineSpacing = 0; // mm
};

namespace TextMetrics {
QFont fontFor(const MemoStyle &style);
const TextFont &font(const MemoStyle &style);
double width(const TextFont &font, const QString &text);
// The longest beginning of `text` whose width fits in `available` mm.
QString cut(const TextFont &font, const QString &text, double available);
// Breaks one paragraph at word boundaries (or anywhere in a word longer than the box);
// appends the lines and their widths.
void wrap(const TextFont &font, const QString &paragraph, double available, QStringList *lines, QList<double> *widths);
} // namespace TextMetrics
