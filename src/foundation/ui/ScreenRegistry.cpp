#include "foundation/ui/ScreenRegistry.h"

#include <QHash>

namespace {

QHash<QString, QWidget *> &registry()
{
    static QHash<QString, QWidget *> screens;
    return screens;
}

} // namespace

namespace Screens {

QWidget *find(const QString &globalName) { return registry().value(globalName); }

void add(QWidget *instance) { registry().insert(instance->objectName(), instance); }

void remove(QWidget *instance)
{
    const QString name = instance->objectName();
    if (registry().value(name) == instance)
        registry().remove(name);
}

} // namespace Screens
