#pragma once

#include "cli/Cli.h"

namespace Cli {
// pdf equipment POSITION OUT (the arguments after "equipment")
int pdfEquipment(const QStringList &args, Io &io);
} // namespace Cli
