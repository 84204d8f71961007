#pragma once

#include "report/Report.h"

// The stored layouts of the printed outputs.
namespace ReportLayouts {
const Report::LayoutTable &journalPage(); // "Cantilog": one journal page, A4 portrait
const Report::LayoutTable &titlePage();   // "Frontespizio Cantilog": the journal's title page
const Report::LayoutTable &listSummary(); // "Riepilogo dati": title, list lines, print date

// The list summary's line pitch: Courier New 8 pt, 12.822 report units.
inline constexpr double kListLineUnits = 12.822;
// Space under the last list line: 10 report units.
inline constexpr double kListBandExtraUnits = 10.0;
}
