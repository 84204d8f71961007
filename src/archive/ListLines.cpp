#include "archive/ListLines.h"

#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "foundation/Text.h"

#include <algorithm>

LineFormat::LineFormat(const RecordLayout &layout, std::span<const LineColumn> columns) : m_layout(&layout)
{
    for (const LineColumn &c : columns) {
        const int field = layout.indexOf(QString::fromLatin1(c.field));
        const int joined = c.joined ? layout.indexOf(QString::fromLatin1(c.joined)) : -1;
        Q_ASSERT(field >= 0 && (!c.joined || joined >= 0));
        m_parts.append({QString::fromUtf8(c.before), field, joined, c.width});
    }
}

QString LineFormat::build(const char *record) const
{
    QString line;
    line.reserve(128);
    for (const Part &p : m_parts) {
        line += p.before;
        QString text = Text::trimBlanks(Record::decodeField(*m_layout, record, p.field, true));
        if (p.joined >= 0)
            text += QLatin1Char(' ') + Text::trimBlanks(Record::decodeField(*m_layout, record, p.joined, true));
        // A list item is one line: an inner line break or tab shows as a blank.
        text = Text::blankControls(text);
        line += p.width > 0 ? ListLines::padCut(text, p.width) : text;
    }
    return line;
}

namespace ListLines {

QString padCut(const QString &text, int width)
{
    return text.size() >= width ? text.left(width) : text + QString(width - text.size(), QLatin1Char(' '));
}

void sort(QList<ListLine> &lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const ListLine &a, const ListLine &b) { return Text::compareFolded(a.text, b.text) < 0; });
}

bool sameLine(const QString &a, const QString &b) { return Text::trimBlanks(a) == Text::trimBlanks(b); }

QString initialCountText() { return QStringLiteral("Il presente elenco contiene 0 schede."); }

QString countText(qsizetype items)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(items) + QStringLiteral(" schede.");
}

QString lowerAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return out;
}

int find(int count, const std::function<QString(int)> &itemText, int selected, const QString &typed,
         QString *remembered)
{
    if (count <= 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString t = lowerAscii(typed);
    const auto matches = [&](int row) { return !t.isEmpty() && lowerAscii(itemText(row)).contains(t); };
    const bool repeated = (t == *remembered);
    *remembered = t;
    int start = selected;
    if (!repeated) {
        if (matches(0))
            return 0;
        start = 0;
    }
    for (int step = 1; step <= count; ++step) {
        const int row = (start + step) % count;
        if (matches(row))
            return row;
    }
    return selected;
}

Collected collect(const QString &archivePath, const RecordLayout &layout, const Pick &pick)
{
    Collected collected;
    ArchiveFile file(archivePath, layout.recordSize());
    if (!file.open())
        return collected;
    collected.ok = file.scan([&](qint64 position, const char *record) {
        if (std::optional<QString> line = pick(position, record))
            collected.lines.append({std::move(*line), position});
        return true;
    });
    file.close();
    if (!collected.ok)
        collected.lines.clear();
    else
        sort(collected.lines);
    return collected;
}

bool reread(const QString &archivePath, const RecordLayout &layout, const ListLine &line,
            const std::function<QString(const char *record)> &build, QByteArray *record)
{
    ArchiveFile file(archivePath, layout.recordSize());
    if (line.position < 1 || !file.open() || !file.read(line.position, record))
        return false;
    file.close();
    return sameLine(build(record->constData()), line.text);
}

} // namespace ListLines
