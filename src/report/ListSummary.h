#pragma once

#include "report/Report.h"

#include <QStringList>

// The list summary report shared by the list and summary screens: a title, the list lines
// as they stand, and the print date under the last line.
namespace ListSummary {
void fill(Report::Report &report, const QString &title, const QStringList &lines);
// A list summary report laid out for the title and lines.
Report::PreparedReport prepared(const QString &title, const QStringList &lines);
}
