#include "cli/Cli.h"

#include "archive/Archives.h"
#include "archive/Search.h"
#include "equipment/EquipmentSearch.h"
#include "journal/JournalSearch.h"

namespace Cli {

int runSearch(const SearchDesign &design, const ArchivePathFn &archivePath, const QStringList &filters, Io &io)
{
    QStringList texts(int(design.filters.size()));
    QList<bool> given(int(design.filters.size()), false);
    for (const QString &arg : filters) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (!arg.startsWith(QLatin1String("--")) || eq < 0)
            return usage(io, QStringLiteral("filtro non valido: ") + arg);
        const QString field = arg.mid(2, eq - 2);
        int index = -1;
        for (int i = 0; i < int(design.filters.size()); ++i)
            if (field == QLatin1String(design.filters[i].field))
                index = i;
        if (index < 0)
            return usage(io, QStringLiteral("campo di ricerca sconosciuto: ") + field);
        if (given[index])
            return usage(io, QStringLiteral("filtro ripetuto: ") + field);
        given[index] = true;
        texts[index] = arg.mid(eq + 1);
    }

    int status = Success;
    const QString archive = archivePath(&status);
    if (archive.isEmpty())
        return status;
    const Search search(design);
    const Search::Outcome outcome = search.run(archive, texts);
    if (!outcome.ok) {
        printMessage(io.err, Archives::accessFailureMessage());
        return AccessFailure;
    }
    for (const ListLine &line : outcome.lines)
        printListLine(io.out, line.text);
    io.out << ListLines::countText(outcome.lines.size()) << '\n';
    io.out.flush();
    return Success;
}

namespace {

QString equipmentArchive(const QString &, Io &, int *) { return Archives::equipmentPath(); }

// The searchable archives: the workers search joins with one entry.
struct SearchTarget {
    const char *kind;
    bool takesName; // the journal is named on the command line
    const SearchDesign &(*design)();
    QString (*path)(const QString &name, Io &io, int *status); // empty after a refusal
};

constexpr SearchTarget kTargets[] = {
    {"journal", true, &JournalSearch::design, &journalArchive},
    {"equipment", false, &EquipmentSearch::design, &equipmentArchive},
};

int searchCommand(const QStringList &args, Io &io)
{
    const SearchTarget *target = nullptr;
    for (const SearchTarget &t : kTargets)
        if (args.value(0) == QLatin1String(t.kind))
            target = &t;
    if (!target)
        return usage(io, QStringLiteral("archivio non valido"));
    int next = 1;
    QString name;
    if (target->takesName) {
        if (args.size() < 2 || args.at(1).startsWith(QLatin1String("--")))
            return usage(io, QStringLiteral("manca il nome del Cantilog"));
        name = args.at(1);
        next = 2;
    }
    const auto archive = [&](int *status) { return target->path(name, io, status); };
    return runSearch(target->design(), archive, args.mid(next), io);
}

const Registrar searchRegistration{
    {"search", "search journal NAME [--CAMPO=TESTO]... | search equipment [--CAMPO=TESTO]...", &searchCommand}};

} // namespace
} // namespace Cli
