#include "cli/Cli.h"

#include <QGuiApplication>

#include <cstdio>

namespace {
// Standard error carries the program's own messages only, not the toolkit's diagnostics.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietHandler);
    // Reports are rendered off-screen: no display is ever needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr), in(stdin);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    in.setEncoding(QStringConverter::Utf8);
    Cli::Io io{out, err, in};
    const int status = Cli::run(app.arguments().mid(1), io);
    out.flush();
    err.flush();
    return status;
}
