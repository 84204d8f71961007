#include "workers/ContractSummary.h"

#include "archive/Record.h"
#include "foundation/Formats.h"
#include "workers/WorkerRecord.h"

namespace {

constexpr LineColumn kLine[] = {
    {"", "Cognome", "Nome", 30},          {"  Tel. ", "Recapito", nullptr, 12}, {"  Scad. ", "Scadenza", nullptr, 10},
    {"  Tot. € ", "Totale", nullptr, 12}, {"  Rata: € ", "Rata", nullptr, 12},  {"  Tipo: ", "Acquisto", nullptr, 0},
};

} // namespace

namespace ContractSummary {

const char *printTitle() { return "Riepilogo contratti in scadenza o scaduti"; }

bool isDue(const QDate &expiry, int noticeDays, const QDate &today) { return expiry.addDays(-noticeDays) <= today; }

const SummaryDesign &design()
{
    static const SummaryDesign summary{&Layouts::workers(), kLine, printTitle()};
    return summary;
}

const LineFormat &lineFormat()
{
    static const LineFormat format(Layouts::workers(), kLine);
    return format;
}

std::optional<QString> pick(const char *record, const QDate &today)
{
    static const int expiryField = Layouts::workers().indexOf("Scadenza");
    static const int noticeField = Layouts::workers().indexOf("Preavviso");
    const std::optional<QDate> expiry = Formats::readDate(Record::decodeField(Layouts::workers(), record, expiryField));
    const std::optional<int> notice =
        WorkerRecord::readNoticeDays(Record::decodeField(Layouts::workers(), record, noticeField));
    if (!expiry || !notice || !isDue(*expiry, *notice, today))
        return std::nullopt;
    return lineFormat().build(record);
}

ListLines::Collected build(const QString &archivePath, const QDate &today)
{
    return ListLines::collect(archivePath, Layouts::workers(),
                              [&today](qint64, const char *record) { return pick(record, today); });
}

bool reread(const QString &archivePath, const ListLine &line, QByteArray *record)
{
    return ListLines::reread(
        archivePath, Layouts::workers(), line, [](const char *r) { return lineFormat().build(r); }, record);
}

} // namespace ContractSummary
