#pragma once

#include <QStringList>
#include <QTextStream>

#include <functional>

struct SearchDesign;

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
// Writes one list line with each control character as a blank, so that it stays one line.
void printListLine(QTextStream &stream, const QString &line);

// The archive of the existing journal `name`, or empty after the refusal was written: a name that
// create-journal refuses (status 1, its warning) or a journal without archive (status 3). Nothing
// is ever created.
QString journalArchive(const QString &name, Io &io, int *status);

// The search of a search screen over `archivePath` with the filters given as --FIELD=TEXT
// (FIELD the record field of one of the design's filters): the result lines in list order,
// then the count line. `archivePath` is asked once the filters are known to be sound; it gives
// empty after writing a refusal, with the exit status in its argument.
using ArchivePathFn = std::function<QString(int *status)>;
int runSearch(const SearchDesign &design, const ArchivePathFn &archivePath, const QStringList &filters, Io &io);

// The whole program: options, then one command.
int run(const QStringList &arguments, Io &io);

// Each command file registers its commands with a file-scope Registrar:
//   static const Cli::Registrar reg{{"dump", "dump journal NAME | ...", &dumpCommand}};
// A name of two words ("summary contracts") is a command of its own, chosen before the
// one-word command of its first word; it receives the arguments after its second word.
struct Registrar {
    explicit Registrar(const Command &command);
};

} // namespace Cli
