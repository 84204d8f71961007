#pragma once

#include "archive/Record.h"
#include "report/Report.h"

#include <functional>

// The journal page report: one A4 sheet per page, filled from the page as it stands.
namespace JournalPrint {

// Fills the report from `page` (the editor's fields, multi-line texts with CR LF) and the
// page's position text (empty for a page not saved yet). Every value is taken trimmed.
void fill(Report::Report &report, const Record &page, const QString &position);
Report::PreparedReport prepared(const Record &page, const QString &position);

enum class Result { Done, Empty, AccessFailed, OutputFailed, Cancelled };
// The program's message for a result that has one (empty for Done and Cancelled).
QString message(Result result);

// One stored page (1-based position) as a PDF file.
Result writePagePdf(const QString &archivePath, qint64 position, const QString &pdfPath);

// Every page of the journal in archive order, one sheet each, in one PDF file; nothing is
// written for a journal without pages (Empty). `progress`
// is told the pages done out of the total and returns false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;
// Whether writeJournalPdf has pages to write: Done, Empty or AccessFailed.
Result checkPages(const QString &archivePath);
Result writeJournalPdf(const QString &archivePath, const QString &pdfPath, const Progress &progress = {});

} // namespace JournalPrint
