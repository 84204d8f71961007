#pragma once

#include "report/Report.h"

#include <QStringList>

// The list summary report shared by the list and summary screens: a title, the list lines
// as they stand, and the print date under the last line.
namespace ListSummary {

const Report::LayoutTable &layout(); // "Riepilogo dati", A4 landscape, three bands

// The line pitch of the list: Courier New 8 pt, 12.822 report units.
inline constexpr double kLineUnits = 12.822;
// Space under the last list line: 10 report units.
inline constexpr double kBandExtraUnits = 10.0;

void fill(Report::Report &report, const QString &title, const QStringList &lines);
// A list summary report laid out for the title and lines, printed on `printDate`.
Report::PreparedReport prepared(const QString &title, const QStringList &lines, const QString &printDate);

} // namespace ListSummary
