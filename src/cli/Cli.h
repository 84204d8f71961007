#pragma once

#include <QStringList>
#include <QTextStream>

// cantilog-cli: commands over the same core functions as the screens.
namespace Cli {

enum Status { Success = 0, ProgramWarning = 1, UsageError = 2, AccessFailure = 3 };

struct Io {
    QTextStream &out;
    QTextStream &err;
    QTextStream &in;
};

using CommandFn = int (*)(const QStringList &args, Io &io);

struct Command {
    const char *name;
    const char *usage;
    CommandFn run;
};

// Writes a program message with every line break (CR LF, LF CR, CR, LF) as one LF.
void printMessage(QTextStream &stream, const QString &message);
int usage(Io &io, const QString &problem);

// The whole program: options, then one command.
int run(const QStringList &arguments, Io &io);

// Each command file registers its commands with a file-scope Registrar:
//   static const Cli::Registrar reg{{"dump", "dump journal NAME | ...", &dumpCommand}};
struct Registrar {
    explicit Registrar(const Command &command);
};

} // namespace Cli
