#pragma once

#include "archive/Record.h"
#include "archive/SheetFill.h"
#include "report/Report.h"

#include <QDate>
#include <QTime>

#include <span>

// The worker card: one A4 sheet listing the worker's data, one labelled row per value, filled
// from the editor's texts as they stand (saved or not).
namespace WorkerCard {

// One row of the card: its box, its caption and the memo that gets the value, which is the
// field's text trimmed, or two fields each trimmed and joined by one blank.
struct Row {
    const char *box;
    const char *captionMemo;
    const char *caption; // UTF-8
    const char *valueMemo;
    const char *field;
    const char *joined; // nullptr, or the second field
};
std::span<const Row> rows();

const Report::LayoutTable &layout(); // "Scheda Lavoratore"

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss"
QString footText(const QDate &date, const QTime &time);

// Sets the page to portrait and every value memo and the foot line from `worker`.
void fill(Report::Report &report, const Record &worker, const QDate &date, const QTime &time);
// The card laid out now, for today (Formats::today()) and the current time.
Report::PreparedReport prepared(const Record &worker);

using Result = SheetFill::PdfResult;
// The card of the stored worker at `position` (1-based) as a PDF file.
Result writePdf(const QString &archivePath, qint64 position, const QString &pdfPath);

} // namespace WorkerCard
