#include "archive/SheetFill.h"

#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "report/ReportRenderer.h"

namespace SheetFill {

QList<Report::MemoText> texts(std::span<const Row> rows, const Record &record)
{
    QList<Report::MemoText> out;
    out.reserve(qsizetype(rows.size()));
    for (const Row &row : rows) {
        const QString value = row.value ? row.value(record) : Text::trimBlanks(record.value(QLatin1String(row.field)));
        out.append({QString::fromLatin1(row.memo), QString::fromUtf8(row.prefix) + value});
    }
    return out;
}

QString printedAt(const QDate &day, const QTime &time)
{
    return QStringLiteral("Stampa eseguita in data ") + Formats::dateText(day) + QStringLiteral(" alle ore ") +
        time.toString(QStringLiteral("HH:mm:ss"));
}

PdfResult writeRecordPdf(const QString &archivePath, const RecordLayout &layout, qint64 position,
                         Report::PreparedReport (*prepared)(const Record &), const QString &pdfPath)
{
    const std::optional<Record> record = Record::read(archivePath, layout, position);
    if (!record)
        return PdfResult::AccessFailed;
    return ReportRenderer::writePdf(prepared(*record), pdfPath) ? PdfResult::Done : PdfResult::OutputFailed;
}

} // namespace SheetFill
