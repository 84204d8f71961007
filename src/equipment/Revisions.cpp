#include "equipment/Revisions.h"

#include "archive/Record.h"
#include "equipment/EquipmentSearch.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"

namespace Revisions {

namespace {

constexpr SummaryDesign kSummaries[] = {
    {Summary::DueOrOverdue, "TfrmScadenze", " Riepilogo revisioni in scadenza o scadute",
     "Riepilogo revisioni in scadenza o scadute", true, false},
    {Summary::Overdue, "TfrmScadute", " Riepilogo revisioni scadute", "Riepilogo revisioni scadute", false, true},
};

const LineFormat &itemLine()
{
    static const LineFormat format(Layouts::equipment(), EquipmentSearch::itemLine());
    return format;
}

struct Fields {
    int revisionDate, noticeDays, done;
};

const Fields &fields()
{
    static const Fields f{Layouts::equipment().indexOf("DataSca"), Layouts::equipment().indexOf("Preavviso"),
                          Layouts::equipment().indexOf("Effettuata")};
    return f;
}

} // namespace

const SummaryDesign &design(Summary summary)
{
    for (const SummaryDesign &d : kSummaries)
        if (d.summary == summary)
            return d;
    Q_UNREACHABLE();
}

std::optional<bool> isListed(Summary summary, const QString &revisionDate, const QString &noticeDays,
                             const QString &done, const QDate &today)
{
    const SummaryDesign &d = design(summary);
    const std::optional<QDate> read = Formats::readDate(revisionDate);
    if (!read)
        return std::nullopt;
    QDate due = *read;
    if (d.countsNotice) {
        bool ok = false;
        const int days = Text::trimBlanks(noticeDays).toInt(&ok);
        if (!ok)
            return std::nullopt;
        due = due.addDays(-days);
    }
    const bool reached = d.strictlyPast ? today > due : due <= today;
    return reached && Text::trimBlanks(done) == QLatin1String("No");
}

ListLines::Pick pick(Summary summary, const QDate &today)
{
    return [summary, today](qint64, const char *record) -> std::optional<QString> {
        const RecordLayout &layout = Layouts::equipment();
        const Fields &f = fields();
        const std::optional<bool> listed =
            isListed(summary, Record::decodeField(layout, record, f.revisionDate, true),
                     design(summary).countsNotice ? Record::decodeField(layout, record, f.noticeDays, true) : QString(),
                     Record::decodeField(layout, record, f.done, true), today);
        if (!listed.value_or(false))
            return std::nullopt;
        return itemLine().build(record);
    };
}

ListLines::Collected collect(const QString &archivePath, Summary summary, const QDate &today)
{
    return ListLines::collect(archivePath, Layouts::equipment(), pick(summary, today));
}

bool reread(const QString &archivePath, const ListLine &line, QByteArray *record)
{
    return ListLines::reread(
        archivePath, Layouts::equipment(), line, [](const char *r) { return itemLine().build(r); }, record);
}

} // namespace Revisions
