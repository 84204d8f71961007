#include "equipment/TotalValue.h"

#include "archive/Record.h"
#include "equipment/Amounts.h"
#include "foundation/Text.h"

namespace TotalValue {

namespace {

constexpr LineColumn kLine[] = {
    {"Cod. ", "Codice", nullptr, 25},      {"  ", "Marca", nullptr, 30}, {"  Tel. ass. ", "TelAss", nullptr, 15},
    {"  Valore: € ", "Euro", nullptr, 12}, {"  ", "Note", nullptr, 0},
};

const LineFormat &format()
{
    static const LineFormat f(Layouts::equipment(), kLine);
    return f;
}

} // namespace

std::span<const LineColumn> valueLine() { return kLine; }

Outcome compute(const QString &archivePath)
{
    const RecordLayout &layout = Layouts::equipment();
    const int euro = layout.indexOf("Euro");
    Outcome outcome;
    ListLines::Collected collected =
        ListLines::collect(archivePath, layout, [&](qint64, const char *record) -> std::optional<QString> {
            const QString value = Record::decodeField(layout, record, euro, true);
            if (Text::trimBlanks(value).isEmpty())
                return std::nullopt;
            outcome.sum += Amounts::read(value).value_or(0.0);
            return format().build(record);
        });
    outcome.ok = collected.ok;
    outcome.lines = std::move(collected.lines);
    if (!outcome.ok)
        outcome.sum = 0;
    outcome.total = totalText(outcome.sum);
    return outcome;
}

QString totalText(double sum) { return QStringLiteral("€ ") + Amounts::normalise(Amounts::shortForm(sum)); }

QString printTitle(const QString &total)
{
    return QStringLiteral("Valore totale attrezzature: ") + Text::trimBlanks(total);
}

bool reread(const QString &archivePath, const ListLine &line, QByteArray *record)
{
    return ListLines::reread(
        archivePath, Layouts::equipment(), line, [](const char *r) { return format().build(r); }, record);
}

} // namespace TotalValue
