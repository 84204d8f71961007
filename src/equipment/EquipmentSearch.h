#pragma once

#include "archive/ListLines.h"
#include "archive/Search.h"

#include <span>

// The equipment search: its ten filters, its result line and its printed title. The revision
// summaries list the same line.
namespace EquipmentSearch {
const SearchDesign &design();
std::span<const LineColumn> itemLine();
} // namespace EquipmentSearch
