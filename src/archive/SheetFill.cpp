#include "archive/SheetFill.h"

#include "foundation/Formats.h"

#include "foundation/Text.h"

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

} // namespace SheetFill
