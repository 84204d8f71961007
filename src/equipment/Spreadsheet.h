#pragma once

#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// One column of an export grid: its control name ("colNum"), header, width, and content:
// the record field (trimmed), or two fields joined by one blank (each trimmed first), or the
// 1-based row number when `field` is nullptr.
struct GridColumn {
    const char *name;
    const char *header; // UTF-8
    int width;
    const char *field;
    const char *joined; // nullptr, or the second field
};

// One column of the file: its header, its width in the file, and the grid column it takes.
struct FileColumn {
    const char *header; // UTF-8
    int width;
    int gridColumn;
};

struct SheetDesign {
    const RecordLayout *layout;
    const char *fileName;  // "Attrezzature.xls", in the program folder
    const char *worksheet; // UTF-8 worksheet name
    std::span<const GridColumn> grid;
    std::span<const FileColumn> file;
};

// The spreadsheet file of the registries: an HTML table with an office XML block, which
// spreadsheet programs open as a worksheet of text cells.
namespace Spreadsheet {

// The export grid starts with this many empty rows and keeps them for an empty archive.
inline constexpr int kInitialGridRows = 10;

// The grid rows of the whole archive in archive order, one cell text per grid column.
// False when the archive cannot be read; `rows` then holds the rows read until then.
bool gridRows(const QString &archivePath, const SheetDesign &design, QList<QStringList> *rows);

// The rows the export grid shows when it opens: the archive's rows, or the initial empty rows
// when there are none.
QList<QStringList> shownRows(const QList<QStringList> &archiveRows, const SheetDesign &design);

// Writes the file as the format says from the grid rows (Windows-1252, CR LF, "<" ">" "&"
// escaped), to a temporary file in the same folder renamed over the target; false on failure
// (nothing half-written is left).
bool write(const QString &path, const SheetDesign &design, const QList<QStringList> &rows);

// The program folder + the design's file name.
QString path(const SheetDesign &design);

QString confirmMessage();
QString doneMessage();
QString failureMessage();

} // namespace Spreadsheet
