#pragma once

#include "archive/Search.h"

// The worker search: its ten filters, its result line and its printed title.
namespace WorkerSearch {
const SearchDesign &design();
}
