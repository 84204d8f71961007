#pragma once

#include "report/Report.h"

class QWidget;

// A prepared report sent to the printer (after the printer dialog) or shown in the preview.
namespace ReportOutput {
// Shows the printer dialog; prints the pages when the user confirms it, nothing otherwise.
bool print(QWidget *parent, const Report::PreparedReport &report);
// The modal, maximised preview at 100 %, from which the pages can be printed too.
void preview(QWidget *parent, const Report::PreparedReport &report);
} // namespace ReportOutput
