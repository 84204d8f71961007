#include "cli/Cli.h"

#include "journal/Journals.h"

namespace Cli {
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
