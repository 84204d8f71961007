#include "app/Formats.h"
#include "app/ui/Screen.h"
#include "app/ui/Screens.h"
#include "archive/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantilog"));
    QApplication::setApplicationDisplayName(QStringLiteral("Cantilog"));

    QCommandLineParser parser;
    QCommandLineOption folder(QStringLiteral("folder"), QStringLiteral("Cartella del programma."),
                              QStringLiteral("DIR"));
    parser.addOption(folder);
    parser.addHelpOption();
    parser.process(app);
    ProgramFolder::set(parser.isSet(folder) ? parser.value(folder) : QApplication::applicationDirPath());
    Formats::apply();

    QWidget *mainForm = Screens::createAll();
    if (qobject_cast<AreaScreen *>(mainForm))
        mainForm->showMaximized();
    else
        mainForm->show();
    return app.exec();
}
