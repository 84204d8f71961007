#include "CliRunner.h"

#include "cli/Cli.h"

#include <QTextStream>

namespace CliRunner {

Run inProcess(const QStringList &args, const QString &input)
{
    Run r;
    QString in = input;
    QTextStream out(&r.out), err(&r.err), stdIn(&in);
    Cli::Io io{out, err, stdIn};
    r.status = Cli::run(args, io);
    out.flush();
    err.flush();
    return r;
}

} // namespace CliRunner
