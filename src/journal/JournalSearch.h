#pragma once

#include "archive/Search.h"

// The page search of a works journal: its ten filters, its result line and its printed title.
namespace JournalSearch {
const SearchDesign &design();
}
