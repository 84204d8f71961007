#pragma once

#include "report/Report.h"

// The stored layouts of the journal's printed sheets.
namespace JournalLayouts {
const Report::LayoutTable &journalPage(); // "Cantilog": one journal page, A4 portrait
const Report::LayoutTable &titlePage();   // "Frontespizio Cantilog": the journal's title page
} // namespace JournalLayouts
