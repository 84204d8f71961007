#include "journal/JournalPrint.h"

#include "archive/ArchiveFile.h"
#include "foundation/Text.h"
#include "report/ReportLayouts.h"
#include "report/ReportRenderer.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace JournalPrint {

namespace {

// Memos filled from the page field of the same name, after a fixed prefix.
struct FilledMemo {
    const char *memo;
    const char *field;
    const char *prefix;
};

constexpr FilledMemo kFilled[] = {
    {"txtNumero", "Numero", "CANTILOG N. "},
    {"txtOggetto", "Oggetto", "OGGETTO:  "},
    {"txtCommittente", "Committente", ""},
    {"txtImpresa", "Impresa", ""},
    {"txtDirettore", "Direttore", ""},
    {"txtResponsabile", "Responsabile", ""},
    {"txtData", "Data", ""},
    {"txtNatura", "Natura", ""},
    {"txtTotale", "Totale", ""},
    {"txtMeteo", "Meteo", ""},
    {"txtAnnotazioni", "Annotazioni", ""},
    {"txtOperai", "Operai", ""},
    {"txtOsservazioni", "Osservazioni", ""},
};

void setMemo(Report::Report &report, const char *name, const QString &text)
{
    if (Report::ReportObject *memo = report.findMemo(QString::fromLatin1(name)))
        memo->setText(text);
}

} // namespace

void fill(Report::Report &report, const Record &page, const QString &position)
{
    report.page().setOrientation(Report::Orientation::Portrait);
    setMemo(report, "txtPagina", QStringLiteral("Pag. ") + Text::trimBlanks(position));
    for (const FilledMemo &f : kFilled)
        setMemo(report, f.memo,
                QString::fromUtf8(f.prefix) + Text::trimBlanks(page.value(QString::fromLatin1(f.field))));
}

Report::PreparedReport prepared(const Record &page, const QString &position)
{
    Report::Report report(ReportLayouts::journalPage());
    fill(report, page, position);
    report.prepare();
    return report.prepared();
}

Result writePagePdf(const QString &archivePath, qint64 position, const QString &pdfPath)
{
    const RecordLayout &layout = Layouts::journal();
    ArchiveFile file(archivePath, layout.recordSize());
    QByteArray bytes;
    qint64 count = 0;
    if (!file.open() || !file.count(&count) || position < 1 || position > count
        || !file.read(position, &bytes))
        return Result::AccessFailed;
    file.close();
    const Record page = Record::decode(layout, bytes.constData());
    return ReportRenderer::writePdf(prepared(page, QString::number(position)), pdfPath)
               ? Result::Done
               : Result::OutputFailed;
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
        writer.setTitle(QString::fromUtf8(ReportLayouts::journalPage().reportName));
        writer.setCreator(QStringLiteral("Cantilog"));
        ReportRenderer::PagedOutput out(&writer);
        // One report, refilled for every page, as the print screen does.
        Report::Report report(ReportLayouts::journalPage());
        if (progress && !progress(0, total))
            return Result::Cancelled;
        read = file.scan([&](qint64 position, const char *bytes) {
            fill(report, Record::decode(layout, bytes), QString::number(position));
            report.prepare();
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

} // namespace JournalPrint
