#include "ScreenFixtures.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace Fixtures {

bool hideAllWindows()
{
    const auto anyVisible = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); });
    };
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->hide();
    return QTest::qWaitFor([&] { return !anyVisible(); });
}

} // namespace Fixtures
