#include "archive/Search.h"

#include "archive/ArchiveFile.h"
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
    ArchiveFile file(archivePath, layout.recordSize());
    if (!file.open())
        return outcome;
    outcome.ok = file.scan([&](qint64 position, const char *record) {
        for (const Active &a : active)
            if (!Text::containsFolded(Record::decodeField(layout, record, a.field, true), a.text))
                return true;
        outcome.lines.append({m_line.build(record), position});
        return true;
    });
    file.close();
    if (!outcome.ok) {
        outcome.lines.clear();
        return outcome;
    }
    ListLines::sort(outcome.lines);
    return outcome;
}

bool Search::reread(const QString &archivePath, const ListLine &line, QByteArray *record) const
{
    ArchiveFile file(archivePath, m_design->layout->recordSize());
    if (line.position < 1 || !file.open() || !file.read(line.position, record))
        return false;
    file.close();
    return ListLines::sameLine(m_line.build(record->constData()), line.text);
}
