#include "CliRunner.h"

#include <QProcess>

namespace CliRunner {

QString programPath() { return QStringLiteral(CANTILOG_CLI); }

Run program(const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.start(programPath(), args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace CliRunner
