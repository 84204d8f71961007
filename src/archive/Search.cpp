#include "archive/Search.h"

#include "archive/Record.h"
#include "foundation/Text.h"

Search::Search(const SearchDesign &design) : m_design(&design), m_line(*design.layout, design.line)
{
    for (const SearchFilter &f : design.filters) {
        const int field = design.layout->indexOf(QString::fromLatin1(f.field));
        Q_ASSERT(field >= 0);
        m_fields.append(field);
    }
}

bool Search::isFilled(const QString &text) { return !Text::trimBlanks(text).isEmpty(); }

Search::Outcome Search::run(const QString &archivePath, const QStringList &texts) const
{
    struct Active {
        int field;
        QString text;
    };
    QList<Active> active;
    for (int i = 0; i < m_fields.size(); ++i)
        if (isFilled(texts.value(i)))
            active.append({m_fields.at(i), texts.at(i)});

    Outcome outcome;
    outcome.filled = int(active.size());
    const RecordLayout &layout = *m_design->layout;
    ListLines::Collected collected =
        ListLines::collect(archivePath, layout, [&](qint64, const char *record) -> std::optional<QString> {
            for (const Active &a : active)
                if (!Text::containsFolded(Record::decodeField(layout, record, a.field, true), a.text))
                    return std::nullopt;
            return m_line.build(record);
        });
    outcome.ok = collected.ok;
    outcome.lines = std::move(collected.lines);
    return outcome;
}

bool Search::reread(const QString &archivePath, const ListLine &line, QByteArray *record) const
{
    return ListLines::reread(
        archivePath, *m_design->layout, line, [this](const char *r) { return m_line.build(r); }, record);
}
