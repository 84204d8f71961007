#include "cli/Cli.h"

#include "journal/Journals.h"

namespace Cli {

QString journalArchive(const QString &name, Io &io, int *status)
{
    const Journals::Result r = Journals::existing(name);
    if (r.outcome == Journals::Outcome::Done)
        return r.path;
    printMessage(io.err, r.message);
    *status = r.outcome == Journals::Outcome::Warning ? ProgramWarning : AccessFailure;
    return QString();
}

namespace {

int journalsCommand(const QStringList &args, Io &io)
{
    if (!args.isEmpty())
        return usage(io, QStringLiteral("journals non vuole argomenti"));
    for (const QString &item : Journals::list())
        io.out << item << '\n';
    io.out.flush();
    return Success;
}

int createJournalCommand(const QStringList &args, Io &io)
{
    if (args.size() != 1)
        return usage(io, QStringLiteral("create-journal vuole il nome del nuovo Cantilog"));
    const Journals::Result r = Journals::create(args.first());
    switch (r.outcome) {
    case Journals::Outcome::Done:
        printMessage(io.out, r.message);
        return Success;
    case Journals::Outcome::Warning:
        printMessage(io.err, r.message);
        return ProgramWarning;
    case Journals::Outcome::Error:
        printMessage(io.err, r.message);
        return AccessFailure;
    }
    return AccessFailure;
}

const Registrar journalsRegistration{{"journals", "journals", &journalsCommand}};
const Registrar createRegistration{{"create-journal", "create-journal NAME", &createJournalCommand}};

} // namespace
} // namespace Cli
