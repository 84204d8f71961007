#include "foundation/Formats.h"

#include <QCoreApplication>

// Every test process runs with the formats the program sets once at start-up.
static void applyProcessFormats() { Formats::apply(); }
Q_COREAPP_STARTUP_FUNCTION(applyProcessFormats)
