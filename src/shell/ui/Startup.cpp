#include "shell/ui/Startup.h"

#include "foundation/ui/ButtonKeys.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

void prepare(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Cantilog"));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.cantilog.Cantilog"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/linux/it.cantilog.Cantilog.svg")));
    ButtonKeys::install(app);
    auto *qtItalian = new QTranslator(&app);
    if (qtItalian->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtItalian);
    else
        delete qtItalian;
}

} // namespace Startup
