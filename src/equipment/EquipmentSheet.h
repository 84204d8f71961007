#pragma once

#include "equipment/Spreadsheet.h"

// The inventory's export: its grid, the columns of "Attrezzature.xls" and the worksheet name.
namespace EquipmentSheet {
const SheetDesign &design();
}
