#pragma once

#include "equipment/Spreadsheet.h"

// The workers registry's export: its grid, the columns of "Personale_Interno.xls" and the
// worksheet name.
namespace WorkerSheet {
const SheetDesign &design();

// The export as the screen makes it with its grid filled from the archive: the grid rows read
// (the initial empty rows for an empty archive), then the file written.
enum class Result { Done, AccessFailed, WriteFailed };
Result exportArchive(const QString &archivePath, const QString &filePath);
} // namespace WorkerSheet
