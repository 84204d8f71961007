#pragma once

#include "archive/ListLines.h"

#include <QString>

#include <span>

// The inventory's total value: one line per item with a value, and the sum of the values.
namespace TotalValue {

inline constexpr const char *kCaption = " Calcolo valore totale attrezzature";

struct Outcome {
    bool ok = false;       // false when the archive could not be read
    QList<ListLine> lines; // in list order
    double sum = 0;        // a value that cannot be read counts as 0
    QString total;         // the text of the total label
};

std::span<const LineColumn> valueLine();

Outcome compute(const QString &archivePath);

// "€ " and the sum as an amount: rounded half up to four decimals, at least two decimals.
QString totalText(double sum);
// The printed list's title: "Valore totale attrezzature: " and the total label's text, trimmed.
QString printTitle(const QString &total);

bool reread(const QString &archivePath, const ListLine &line, QByteArray *record);

} // namespace TotalValue
