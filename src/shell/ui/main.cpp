#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/Screen.h"
#include "shell/ui/Screens.h"
#include "shell/ui/Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    Startup::prepare(app);

    QCommandLineParser parser;
    QCommandLineOption folder(QStringLiteral("folder"), QStringLiteral("Cartella del programma."),
                              QStringLiteral("DIR"));
    parser.addOption(folder);
    parser.addHelpOption();
    parser.process(app);
    const ProgramFolder::Location location = ProgramFolder::locateForProcess(parser.value(folder));
    if (!ProgramFolder::prepare(location)) {
        Dialogs::instance().message(nullptr, MessageKind::Error, ProgramFolder::cannotPrepareMessage(location));
        return 1;
    }
    Formats::apply();

    QWidget *mainForm = Screens::createAll();
    if (qobject_cast<AreaScreen *>(mainForm))
        mainForm->showMaximized();
    else
        mainForm->show();
    // For the start-up benchmark: report when the first screen is up, then leave.
    if (qEnvironmentVariableIsSet("CANTILOG_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("first screen shown after %.1f ms from main()\n", sinceMain.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    return app.exec();
}
