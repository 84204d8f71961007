#include "cli/EquipmentCommands.h"

#include "archive/Archives.h"
#include "equipment/EquipmentCard.h"
#include "equipment/EquipmentSheet.h"
#include "equipment/Revisions.h"
#include "equipment/TotalValue.h"
#include "foundation/Formats.h"

namespace Cli {

namespace {

int accessFailure(Io &io)
{
    printMessage(io.err, Archives::accessFailureMessage());
    return AccessFailure;
}

int printLines(const QList<ListLine> &lines, Io &io)
{
    for (const ListLine &line : lines)
        io.out << line.text << '\n';
    io.out.flush();
    return Success;
}

// The summaries of due dates; the contract summary joins with one entry.
struct SummaryKind {
    const char *kind;
    ListLines::Collected (*collect)();
};

constexpr SummaryKind kSummaries[] = {
    {"revisions",
     [] { return Revisions::collect(Archives::equipmentPath(), Revisions::Summary::DueOrOverdue, Formats::today()); }},
    {"overdue",
     [] { return Revisions::collect(Archives::equipmentPath(), Revisions::Summary::Overdue, Formats::today()); }},
};

int summaryCommand(const QStringList &args, Io &io)
{
    if (args.size() != 1)
        return usage(io, QStringLiteral("summary vuole il riepilogo"));
    for (const SummaryKind &s : kSummaries)
        if (args.at(0) == QLatin1String(s.kind)) {
            const ListLines::Collected collected = s.collect();
            return collected.ok ? printLines(collected.lines, io) : accessFailure(io);
        }
    return usage(io, QStringLiteral("riepilogo non valido: ") + args.at(0));
}

int totalCommand(const QStringList &args, Io &io)
{
    if (!args.isEmpty())
        return usage(io, QStringLiteral("total non vuole argomenti"));
    const TotalValue::Outcome outcome = TotalValue::compute(Archives::equipmentPath());
    if (!outcome.ok)
        return accessFailure(io);
    printLines(outcome.lines, io);
    io.out << outcome.total << '\n';
    io.out.flush();
    return Success;
}

// The registries' spreadsheet files; the workers registry joins with one entry.
struct ExportKind {
    const char *kind;
    const SheetDesign &(*design)();
    QString (*archive)();
};

constexpr ExportKind kExports[] = {
    {"equipment", &EquipmentSheet::design, &Archives::equipmentPath},
};

int exportCommand(const QStringList &args, Io &io)
{
    if (args.size() != 1)
        return usage(io, QStringLiteral("export vuole l'archivio"));
    for (const ExportKind &e : kExports) {
        if (args.at(0) != QLatin1String(e.kind))
            continue;
        const SheetDesign &design = e.design();
        const QString path = Spreadsheet::path(design);
        switch (Spreadsheet::exportArchive(e.archive(), design, path)) {
        case Spreadsheet::ExportResult::Done:
            break;
        case Spreadsheet::ExportResult::AccessFailed:
            return accessFailure(io);
        case Spreadsheet::ExportResult::WriteFailed:
            printMessage(io.err, Spreadsheet::failureMessage());
            return AccessFailure;
        }
        io.out << path << '\n';
        io.out.flush();
        return Success;
    }
    return usage(io, QStringLiteral("archivio non valido: ") + args.at(0));
}

const Registrar summaryRegistration{{"summary", "summary revisions | summary overdue", &summaryCommand}};
const Registrar totalRegistration{{"total", "total", &totalCommand}};
const Registrar exportRegistration{{"export", "export equipment", &exportCommand}};

} // namespace

int pdfEquipment(const QStringList &args, Io &io)
{
    if (args.size() != 2)
        return usage(io, QStringLiteral("pdf equipment vuole la posizione e il file PDF"));
    bool ok = false;
    const qint64 position = args.at(0).toLongLong(&ok);
    if (!ok || position < 1)
        return usage(io, QStringLiteral("posizione non valida: ") + args.at(0));
    switch (EquipmentCard::writePdf(Archives::equipmentPath(), position, args.at(1))) {
    case EquipmentCard::Result::Done:
        return Success;
    case EquipmentCard::Result::AccessFailed:
        return accessFailure(io);
    case EquipmentCard::Result::OutputFailed:
        break;
    }
    printMessage(io.err,
                 QStringLiteral("Attenzione: il sistema non permette di scrivere il file PDF %1.").arg(args.at(1)));
    return AccessFailure;
}

} // namespace Cli
