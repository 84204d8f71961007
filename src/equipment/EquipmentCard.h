#pragma once

#include "archive/Record.h"
#include "archive/SheetFill.h"
#include "report/Report.h"

#include <QDate>
#include <QString>
#include <QTime>

// The equipment card: one A4 sheet with the item's values under their captions.
namespace EquipmentCard {

const Report::LayoutTable &layout(); // "Scheda informativa"

// One caption row of the card: its caption and the record field printed beside it (nullptr for
// a row printed empty).
struct CardRow {
    const char *caption; // UTF-8
    const char *field;
};
std::span<const CardRow> rows(); // 24 rows, "titCampo01"/"txtCampo01" first

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss"
QString footer(const QDate &day, const QTime &time);

// Fills the card from `equipment` (the editor's values, stored or not), every value trimmed.
void fill(Report::Report &report, const Record &equipment, const QString &footerText);
// The card laid out for the record, printed today at the current time.
Report::PreparedReport prepared(const Record &equipment);

using Result = SheetFill::PdfResult;
// The stored record at `position` (1-based), loaded as the editor loads it, as a PDF file.
Result writePdf(const QString &archivePath, qint64 position, const QString &pdfPath);

} // namespace EquipmentCard
