#include "foundation/ui/ButtonKeys.h"

#include <QApplication>

// Every test process of screens runs with the button behaviour the program installs at start-up.
static void installButtonKeys()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        ButtonKeys::install(*app);
}
Q_COREAPP_STARTUP_FUNCTION(installButtonKeys)
