#include "journal/JournalPrint.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/SheetFill.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "journal/JournalLayouts.h"
#include "report/ReportRenderer.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace JournalPrint {

namespace {

constexpr SheetFill::Row kFilled[] = {
    {"txtNumero", "Numero", "CANTILOG N. "},
    {"txtOggetto", "Oggetto", "OGGETTO:  "},
    {"txtCommittente", "Committente"},
    {"txtImpresa", "Impresa"},
    {"txtDirettore", "Direttore"},
    {"txtResponsabile", "Responsabile"},
    {"txtData", "Data"},
    {"txtNatura", "Natura"},
    {"txtTotale", "Totale"},
    {"txtMeteo", "Meteo"},
    {"txtAnnotazioni", "Annotazioni"},
    {"txtOperai", "Operai"},
    {"txtOsservazioni", "Osservazioni"},
};

} // namespace

void fill(Report::Report &report, const Record &page, const QString &position)
{
    report.page().setOrientation(Report::Orientation::Portrait);
    QList<Report::MemoText> texts = SheetFill::texts(kFilled, page);
    texts.append({QStringLiteral("txtPagina"), QStringLiteral("Pag. ") + Text::trimBlanks(position)});
    Report::setTexts(report, texts);
}

Report::PreparedReport prepared(const Record &page, const QString &position)
{
    Report::Report report(JournalLayouts::journalPage());
    fill(report, page, position);
    report.prepare(Formats::todayText());
    return report.prepared();
}

Result writePagePdf(const QString &archivePath, qint64 position, const QString &pdfPath)
{
    const std::optional<Record> page = Record::read(archivePath, Layouts::journal(), position);
    if (!page)
        return Result::AccessFailed;
    return ReportRenderer::writePdf(prepared(*page, QString::number(position)), pdfPath) ? Result::Done
                                                                                         : Result::OutputFailed;
}

Result checkPages(const QString &archivePath)
{
    ArchiveFile file(archivePath, Layouts::journal().recordSize());
    qint64 total = 0;
    if (!file.open() || !file.count(&total))
        return Result::AccessFailed;
    return total == 0 ? Result::Empty : Result::Done;
}

Result writeJournalPdf(const QString &archivePath, const QString &pdfPath, const Progress &progress)
{
    const RecordLayout &layout = Layouts::journal();
    ArchiveFile file(archivePath, layout.recordSize());
    qint64 total = 0;
    if (!file.open() || !file.count(&total))
        return Result::AccessFailed;
    if (total == 0)
        return Result::Empty;

    // Written aside and renamed over the old file only when complete.
    QSaveFile saved(pdfPath);
    if (!saved.open(QIODevice::WriteOnly))
        return Result::OutputFailed;
    bool outputFailed = false, cancelled = false, read = false;
    {
        QPdfWriter writer(&saved);
        ReportRenderer::prepareArchivalPdf(writer, QString::fromUtf8(JournalLayouts::journalPage().reportName));
        ReportRenderer::PagedOutput out(&writer);
        // One report, refilled for every page, as the print screen does.
        const QString printDate = Formats::todayText();
        Report::Report report(JournalLayouts::journalPage());
        if (progress && !progress(0, total))
            return Result::Cancelled;
        read = file.scan([&](qint64 position, const char *bytes) {
            fill(report, Record::decode(layout, bytes), QString::number(position));
            report.prepare(printDate);
            if (!out.add(report.prepared())) {
                outputFailed = true;
                return false;
            }
            if (progress && !progress(position, total)) {
                cancelled = true;
                return false;
            }
            return true;
        });
        file.close();
        if (!out.finish())
            outputFailed = true;
    }
    if (cancelled)
        return Result::Cancelled;
    if (outputFailed)
        return Result::OutputFailed;
    if (!read)
        return Result::AccessFailed;
    return saved.commit() ? Result::Done : Result::OutputFailed;
}

QString message(Result result)
{
    switch (result) {
    case Result::Empty:
        return QStringLiteral("Attenzione: il Cantilog non contiene nessuna pagina.");
    case Result::AccessFailed:
        return Archives::accessFailureMessage();
    case Result::OutputFailed:
        return QStringLiteral("Attenzione: il sistema non permette di creare il file PDF.\r\n\r\n"
                              "Accertarsi che il documento non sia già aperto.");
    case Result::Done:
    case Result::Cancelled:
        break;
    }
    return QString();
}

} // namespace JournalPrint
