#include "cli/Cli.h"

#include "checks/Checks.h"

#include <iterator>

namespace Cli {

namespace {

struct CheckTool {
    const char *name;
    Checks::Outcome (*check)(const QString &entry);
};

constexpr CheckTool kTools[] = {
    {"vat", &Checks::vatNumber},
    {"cf", &Checks::fiscalCode},
    {"card", &Checks::paymentCard},
    {"iban", &Checks::iban},
};

int checkCommand(const QStringList &args, Io &io)
{
    if (args.size() != 2)
        return usage(io, QStringLiteral("check richiede il tipo e il valore"));
    for (const CheckTool &tool : kTools) {
        if (args.at(0) != QLatin1String(tool.name))
            continue;
        const Checks::Outcome outcome = tool.check(args.at(1));
        switch (outcome.kind) {
        case Checks::Outcome::None:
            return Success;
        case Checks::Outcome::Information:
            printMessage(io.out, outcome.text);
            return Success;
        case Checks::Outcome::Warning:
            printMessage(io.err, outcome.text);
            return ProgramWarning;
        }
    }
    return usage(io, QStringLiteral("controllo sconosciuto: ") + args.at(0));
}

const Registrar reg{{"check", "check vat|cf|card|iban VALORE", &checkCommand}};

} // namespace

} // namespace Cli
