#include "cli/Cli.h"

#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <QDate>
#include <QList>

#include <algorithm>

namespace Cli {

namespace {

QList<Command> &commands()
{
    static QList<Command> list;
    return list;
}

} // namespace

void printMessage(QTextStream &stream, const QString &message)
{
    stream << Text::messageLines(message) << '\n';
    stream.flush();
}

void printListLine(QTextStream &stream, const QString &line) { stream << Text::blankControls(line) << '\n'; }

int usage(Io &io, const QString &problem)
{
    io.err << "cantilog-cli: " << problem << '\n'
           << "uso: cantilog-cli [--folder DIR] [--today DD/MM/YYYY] COMANDO [ARGOMENTI...]\n";
    for (const Command &c : commands())
        io.err << "  " << c.usage << '\n';
    io.err.flush();
    return UsageError;
}

Registrar::Registrar(const Command &command)
{
    auto &list = commands();
    auto at = std::lower_bound(list.begin(), list.end(), command,
                               [](const Command &a, const Command &b) { return qstrcmp(a.name, b.name) < 0; });
    list.insert(at, command);
}

int run(const QStringList &arguments, Io &io)
{
    QStringList args = arguments;
    QString folderOption;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option != QLatin1String("--folder") && option != QLatin1String("--today"))
            return usage(io, QStringLiteral("opzione sconosciuta: ") + option);
        if (args.isEmpty())
            return usage(io, QStringLiteral("manca il valore di ") + option);
        const QString value = args.takeFirst();
        if (option == QLatin1String("--folder")) {
            folderOption = value;
        } else {
            const std::optional<QDate> today = Formats::readDate(value);
            if (!today)
                return usage(io, QStringLiteral("data non valida: ") + value);
            Formats::setToday(*today);
        }
    }
    if (args.isEmpty())
        return usage(io, QStringLiteral("manca il comando"));
    // Without --folder, a folder already chosen by a program that runs the commands stays.
    if (!folderOption.isEmpty() || !ProgramFolder::isSet()) {
        const ProgramFolder::Location location = ProgramFolder::locateForProcess(folderOption);
        if (!ProgramFolder::prepare(location)) {
            printMessage(io.err, ProgramFolder::cannotPrepareMessage(location));
            return AccessFailure;
        }
    }
    const QString name = args.takeFirst();
    if (!args.isEmpty()) {
        const QString twoWords = name + QLatin1Char(' ') + args.first();
        for (const Command &c : commands())
            if (twoWords == QLatin1String(c.name))
                return c.run(args.mid(1), io);
    }
    for (const Command &c : commands())
        if (name == QLatin1String(c.name))
            return c.run(args, io);
    return usage(io, QStringLiteral("comando sconosciuto: ") + name);
}

} // namespace Cli
