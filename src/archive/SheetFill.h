#pragma once

#include "archive/Record.h"
#include "report/Report.h"

#include <QDate>
#include <QList>
#include <QTime>

#include <span>

// How a sheet report (a card, a journal page) takes its values from one record.
namespace SheetFill {

// One memo and where its text comes from: the record field with blanks removed at both ends,
// after a fixed prefix, or a function of the whole record (for values joined from several fields).
struct Row {
    const char *memo;
    const char *field;       // nullptr when `value` gives the text
    const char *prefix = ""; // UTF-8
    QString (*value)(const Record &) = nullptr;
};

// The foot line of a printed card: "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString printedAt(const QDate &day, const QTime &time);

enum class PdfResult { Done, AccessFailed, OutputFailed };
// The card of the stored record at `position` (1-based), laid out by `prepared`, as a PDF file.
PdfResult writeRecordPdf(const QString &archivePath, const RecordLayout &layout, qint64 position,
                         Report::PreparedReport (*prepared)(const Record &), const QString &pdfPath);

// The memo texts the rows give for `record`, in table order.
QList<Report::MemoText> texts(std::span<const Row> rows, const Record &record);

} // namespace SheetFill
