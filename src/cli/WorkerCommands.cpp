#include "cli/Cli.h"

#include "archive/Archives.h"
#include "foundation/Formats.h"
#include "workers/ContractSummary.h"
#include "workers/WorkerCard.h"
#include "workers/WorkerSearch.h"
#include "workers/WorkerSheet.h"

namespace Cli {

namespace {

// search workers [--FIELD=TEXT]...
int searchWorkers(const QStringList &args, Io &io)
{
    return runSearch(
        WorkerSearch::design(), [](int *) { return Archives::workersPath(); }, args, io);
}

// summary contracts
int summaryContracts(const QStringList &args, Io &io)
{
    if (!args.isEmpty())
        return usage(io, QStringLiteral("summary contracts non vuole argomenti"));
    const ListLines::Collected list = ContractSummary::build(Archives::workersPath(), Formats::today());
    if (!list.ok) {
        printMessage(io.err, Archives::accessFailureMessage());
        return AccessFailure;
    }
    for (const ListLine &line : list.lines)
        printListLine(io.out, line.text);
    io.out.flush();
    return Success;
}

// export workers
int exportWorkers(const QStringList &args, Io &io)
{
    if (!args.isEmpty())
        return usage(io, QStringLiteral("export workers non vuole argomenti"));
    const QString path = Spreadsheet::path(WorkerSheet::design());
    switch (WorkerSheet::exportArchive(Archives::workersPath(), path)) {
    case WorkerSheet::Result::Done:
        io.out << path << '\n';
        io.out.flush();
        return Success;
    case WorkerSheet::Result::AccessFailed:
        printMessage(io.err, Archives::accessFailureMessage());
        return AccessFailure;
    case WorkerSheet::Result::WriteFailed:
        break;
    }
    printMessage(io.err, Spreadsheet::failureMessage());
    return AccessFailure;
}

// pdf worker POSITION OUT
int pdfWorker(const QStringList &args, Io &io)
{
    if (args.size() != 2)
        return usage(io, QStringLiteral("pdf worker vuole la posizione della scheda e il file PDF"));
    bool ok = false;
    const qint64 position = args.at(0).toLongLong(&ok);
    if (!ok || position < 1)
        return usage(io, QStringLiteral("posizione non valida: ") + args.at(0));
    switch (WorkerCard::writePdf(Archives::workersPath(), position, args.at(1))) {
    case WorkerCard::Result::Done:
        return Success;
    case WorkerCard::Result::AccessFailed:
        printMessage(io.err, Archives::accessFailureMessage());
        return AccessFailure;
    case WorkerCard::Result::OutputFailed:
        break;
    }
    printMessage(io.err,
                 QStringLiteral("Attenzione: il sistema non permette di scrivere il file PDF %1.").arg(args.at(1)));
    return AccessFailure;
}

const Registrar searchRegistration{{"search workers", "search workers [--CAMPO=TESTO]...", &searchWorkers}};
const Registrar summaryRegistration{{"summary contracts", "summary contracts", &summaryContracts}};
const Registrar exportRegistration{{"export workers", "export workers", &exportWorkers}};
const Registrar pdfRegistration{{"pdf worker", "pdf worker POSIZIONE OUT", &pdfWorker}};

} // namespace
} // namespace Cli
