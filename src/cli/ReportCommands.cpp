#include "cli/Cli.h"
#include "cli/EquipmentCommands.h"

#include "archive/Archives.h"
#include "archive/Record.h"
#include "foundation/Formats.h"
#include "journal/JournalPrint.h"
#include "journal/JournalRtf.h"
#include "journal/TitlePage.h"
#include "report/ListSummary.h"
#include "report/ReportRenderer.h"

namespace Cli {

namespace {

QString pdfFailure(const QString &path)
{
    return QStringLiteral("Attenzione: il sistema non permette di scrivere il file PDF %1.").arg(path);
}

// A 1-based record position, or 0 when the text is not one.
qint64 positionOf(const QString &text)
{
    bool ok = false;
    const qint64 p = text.toLongLong(&ok);
    return ok && p > 0 ? p : 0;
}

int journalResult(JournalPrint::Result r, const QString &out, Io &io)
{
    switch (r) {
    case JournalPrint::Result::Done:
        return Success;
    case JournalPrint::Result::Empty:
        printMessage(io.err, JournalPrint::message(r));
        return ProgramWarning;
    case JournalPrint::Result::AccessFailed:
        printMessage(io.err, JournalPrint::message(r));
        return AccessFailure;
    case JournalPrint::Result::OutputFailed:
    case JournalPrint::Result::Cancelled:
        break;
    }
    printMessage(io.err, pdfFailure(out));
    return AccessFailure;
}

int writePdf(const Report::PreparedReport &report, const QString &out, Io &io)
{
    if (ReportRenderer::writePdf(report, out))
        return Success;
    printMessage(io.err, pdfFailure(out));
    return AccessFailure;
}

// pdf journal NAME POSITION OUT | pdf journal NAME all OUT
int pdfJournal(const QStringList &args, Io &io)
{
    if (args.size() != 3)
        return usage(io, QStringLiteral("pdf journal vuole NOME, POSIZIONE (o all) e il file PDF"));
    const bool all = args.at(1) == QLatin1String("all");
    const qint64 position = all ? 0 : positionOf(args.at(1));
    if (!all && position == 0)
        return usage(io, QStringLiteral("posizione non valida: ") + args.at(1));
    int status = Success;
    const QString archive = journalArchive(args.at(0), io, &status);
    if (archive.isEmpty())
        return status;
    const QString out = args.at(2);
    if (all)
        return journalResult(JournalPrint::writeJournalPdf(archive, out), out, io);
    return journalResult(JournalPrint::writePagePdf(archive, position, out), out, io);
}

// pdf title OUT
int pdfTitle(const QStringList &args, Io &io)
{
    if (args.size() != 1)
        return usage(io, QStringLiteral("pdf title vuole il file PDF"));
    return writePdf(TitlePage::prepared(TitlePage::load()), args.at(0), io);
}

// pdf list TITLE OUT, the lines on standard input
int pdfList(const QStringList &args, Io &io)
{
    if (args.size() != 2)
        return usage(io, QStringLiteral("pdf list vuole il titolo e il file PDF"));
    QStringList lines;
    QString input = io.in.readAll();
    if (input.endsWith(QLatin1Char('\n')))
        input.chop(1);
    if (!input.isEmpty())
        for (QString line : input.split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            lines << line;
        }
    return writePdf(ListSummary::prepared(args.at(0), lines, Formats::todayText()), args.at(1), io);
}

// The printed outputs; the worker card joins with one entry.
struct PdfKind {
    const char *kind;
    CommandFn run; // receives the arguments after the kind
};

constexpr PdfKind kPdfKinds[] = {
    {"journal", &pdfJournal},
    {"title", &pdfTitle},
    {"list", &pdfList},
    {"equipment", &pdfEquipment},
};

int pdfCommand(const QStringList &args, Io &io)
{
    for (const PdfKind &k : kPdfKinds)
        if (args.value(0) == QLatin1String(k.kind))
            return k.run(args.mid(1), io);
    return usage(io, QStringLiteral("stampa non valida: ") + args.value(0));
}

// rtf NAME POSITION
int rtfCommand(const QStringList &args, Io &io)
{
    if (args.size() != 2)
        return usage(io, QStringLiteral("rtf vuole il nome del Cantilog e la posizione della pagina"));
    const qint64 position = positionOf(args.at(1));
    if (position == 0)
        return usage(io, QStringLiteral("posizione non valida: ") + args.at(1));
    int status = Success;
    const QString archive = journalArchive(args.at(0), io, &status);
    if (archive.isEmpty())
        return status;
    const std::optional<Record> page = Record::read(archive, Layouts::journal(), position);
    if (!page) {
        printMessage(io.err, Archives::accessFailureMessage());
        return AccessFailure;
    }
    QString path;
    if (!JournalRtf::write(*page, &path)) {
        printMessage(io.err, JournalRtf::failureMessage());
        return AccessFailure;
    }
    io.out << path << '\n';
    io.out.flush();
    return Success;
}

const Registrar pdfRegistration{
    {"pdf", "pdf journal NAME POSITION|all OUT | pdf title OUT | pdf list TITLE OUT | pdf equipment POSITION OUT",
     &pdfCommand}};
const Registrar rtfRegistration{{"rtf", "rtf NAME POSITION", &rtfCommand}};

} // namespace
} // namespace Cli
