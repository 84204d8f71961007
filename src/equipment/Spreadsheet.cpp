#include "equipment/Spreadsheet.h"

#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <QSaveFile>

#include <algorithm>

namespace Spreadsheet {

namespace {

constexpr const char *kHead[] = {
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
};

constexpr const char *kOptions[] = {
    "<x:WorksheetOptions>",
    "<x:Selected/>",
    "<x:Panes>",
    "<x:Pane>",
    "<x:Number>1</x:Number>",
    "<x:ActiveRow>3</x:ActiveRow>",
    "</x:Pane>",
    "</x:Panes>",
    "<x:ProtectContents>False</x:ProtectContents>",
    "<x:ProtectObjects>False</x:ProtectObjects>",
    "<x:ProtectScenarios>False</x:ProtectScenarios>",
    "</x:WorksheetOptions>",
    "</x:ExcelWorksheet>",
    "</x:ExcelWorksheets>",
    "</x:ExcelWorkbook>",
    "</xml><![endif]-->",
    "</head>",
    "<body>",
    "<table x:str>",
    "<tr>",
};

constexpr const char *kEnd[] = {"</table>", "</body>", "</html>"};

constexpr char kCrLf[] = "\r\n";
constexpr char kCellOpen[] = "<td style=\"text-align: left;\">";
constexpr char kCellClose[] = "</td>\r\n";
constexpr qsizetype kFlushBytes = 1 << 20;

bool isSpecial(char c) { return c == '<' || c == '>' || c == '&'; }

// Writes "<", ">" and "&" from `start` on as entities.
void escapeFrom(QByteArray &out, qsizetype start);

// Appends the cell text trimmed, in Windows-1252, with "<", ">" and "&" as entities.
void appendCell(QByteArray &out, const QString &text)
{
    QStringView view(text);
    qsizetype begin = 0, end = view.size();
    while (begin < end && view[begin].unicode() <= 32)
        ++begin;
    while (end > begin && view[end - 1].unicode() <= 32)
        --end;
    const qsizetype start = out.size();
    Text::appendCp1252(out, view.sliced(begin, end - begin));
    escapeFrom(out, start);
}

void appendLine(QByteArray &out, const QByteArray &text)
{
    out += text;
    out += kCrLf;
}

} // namespace

bool gridRows(const QString &archivePath, const SheetDesign &design, QList<QStringList> *rows)
{
    const RecordLayout &layout = *design.layout;
    struct Source {
        int field;  // -1: the row number
        int joined; // -1: none
    };
    QList<Source> sources;
    for (const GridColumn &c : design.grid) {
        const int field = c.field ? layout.indexOf(QLatin1String(c.field)) : -1;
        const int joined = c.joined ? layout.indexOf(QLatin1String(c.joined)) : -1;
        Q_ASSERT((!c.field || field >= 0) && (!c.joined || joined >= 0));
        sources.append({field, joined});
    }
    const auto fieldText = [&](const char *record, int field) {
        return Text::trimBlanks(Record::decodeField(layout, record, field, true));
    };

    ArchiveFile file(archivePath, layout.recordSize());
    if (!file.open())
        return false;
    const bool read = file.scan([&](qint64 position, const char *record) {
        QStringList row;
        row.reserve(sources.size());
        for (const Source &s : sources) {
            if (s.field < 0)
                row.append(QString::number(position));
            else if (s.joined < 0)
                row.append(fieldText(record, s.field));
            else
                row.append(fieldText(record, s.field) + QLatin1Char(' ') + fieldText(record, s.joined));
        }
        rows->append(std::move(row));
        return true;
    });
    file.close();
    return read;
}

QList<QStringList> shownRows(const QList<QStringList> &archiveRows, const SheetDesign &design)
{
    if (!archiveRows.isEmpty())
        return archiveRows;
    return QList<QStringList>(kInitialGridRows, QStringList(int(design.grid.size())));
}

namespace {

// Writes the lines of the format: the head and header row, then one row at a time, then the end;
// the file replaces the target only when complete.
class SheetWriter {
public:
    SheetWriter(const QString &path, const SheetDesign &design) : m_file(path), m_design(design) {}

    bool begin()
    {
        if (!m_file.open(QIODevice::WriteOnly))
            return false;
        m_buffer.reserve(kFlushBytes + (64 << 10));
        for (const char *line : kHead)
            appendLine(m_buffer, line);
        appendLine(m_buffer, "<x:Name>" + Text::toCp1252(QString::fromUtf8(m_design.worksheet)) + "</x:Name>");
        for (const char *line : kOptions)
            appendLine(m_buffer, line);
        for (const FileColumn &c : m_design.file)
            appendLine(m_buffer,
                       "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(c.width) + '>' +
                           Text::toCp1252(QString::fromUtf8(c.header)) + "</td>");
        appendLine(m_buffer, "</tr>");
        return true;
    }

    // `cell(buffer, gridColumn)` appends the text of one cell, escaped.
    template <typename Cell>
    bool row(const Cell &cell)
    {
        appendLine(m_buffer, "<tr>");
        for (const FileColumn &c : m_design.file) {
            m_buffer += kCellOpen;
            cell(m_buffer, c.gridColumn);
            m_buffer += kCellClose;
        }
        appendLine(m_buffer, "</tr>");
        return m_buffer.size() < kFlushBytes || flush();
    }

    bool finish()
    {
        for (const char *line : kEnd)
            appendLine(m_buffer, line);
        return flush() && m_file.commit();
    }

private:
    bool flush()
    {
        const bool ok = m_file.write(m_buffer) == m_buffer.size();
        m_buffer.resize(0); // keeps the allocation for the next rows
        return ok;
    }

    QSaveFile m_file;
    const SheetDesign &m_design;
    QByteArray m_buffer;
};

void escapeFrom(QByteArray &out, qsizetype start)
{
    const char *first = std::find_if(out.constData() + start, out.constData() + out.size(), isSpecial);
    if (first == out.constData() + out.size())
        return;
    const QByteArray tail = out.sliced(first - out.constData());
    out.truncate(first - out.constData());
    for (char c : tail)
        out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : QByteArrayView(&c, 1);
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}

// The stored Windows-1252 bytes of a field, as the archive string's length says.
QByteArrayView storedBytes(const RecordLayout &layout, const char *record, int field)
{
    const char *at = record + layout.offset(field);
    Q_ASSERT(layout.form() == TextForm::LengthPrefixed);
    return QByteArrayView(at + 1, qMin(int(static_cast<unsigned char>(at[0])), layout.field(field).capacity));
}

} // namespace

bool write(const QString &path, const SheetDesign &design, const QList<QStringList> &rows)
{
    SheetWriter writer(path, design);
    if (!writer.begin())
        return false;
    for (const QStringList &row : rows)
        if (!writer.row([&](QByteArray &out, int column) { appendCell(out, row.value(column)); }))
            return false;
    return writer.finish();
}

ExportResult exportArchive(const QString &archivePath, const SheetDesign &design, const QString &path)
{
    const RecordLayout &layout = *design.layout;
    QList<QPair<int, int>> sources; // field (-1: row number) and joined field (-1: none) of each grid column
    for (const GridColumn &c : design.grid)
        sources.append({c.field ? layout.indexOf(QLatin1String(c.field)) : -1,
                        c.joined ? layout.indexOf(QLatin1String(c.joined)) : -1});

    ArchiveFile archive(archivePath, layout.recordSize());
    qint64 records = 0;
    if (!archive.open() || !archive.count(&records))
        return ExportResult::AccessFailed;
    SheetWriter writer(path, design);
    if (!writer.begin())
        return ExportResult::WriteFailed;
    if (records == 0) {
        for (int i = 0; i < kInitialGridRows; ++i)
            if (!writer.row([](QByteArray &, int) {}))
                return ExportResult::WriteFailed;
        return writer.finish() ? ExportResult::Done : ExportResult::WriteFailed;
    }
    // The stored bytes are Windows-1252 already: cells are taken from them without decoding.
    bool written = true;
    const bool read = archive.scan([&](qint64 position, const char *record) {
        written = writer.row([&](QByteArray &out, int column) {
            const auto [field, joined] = sources.value(column, {-2, -1});
            const qsizetype start = out.size();
            if (field == -1) {
                out += QByteArray::number(position);
            } else if (field >= 0 && joined < 0) {
                out += trimmed(storedBytes(layout, record, field));
            } else if (field >= 0) {
                QByteArray both = trimmed(storedBytes(layout, record, field)).toByteArray();
                both += ' ';
                both += trimmed(storedBytes(layout, record, joined));
                out += trimmed(both);
            }
            escapeFrom(out, start);
        });
        return written;
    });
    archive.close();
    if (!read)
        return ExportResult::AccessFailed;
    return written && writer.finish() ? ExportResult::Done : ExportResult::WriteFailed;
}

QString path(const SheetDesign &design) { return ProgramFolder::file(QString::fromUtf8(design.fileName)); }

QString confirmMessage()
{
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString doneMessage()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
                          "di Excel?");
}

QString failureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto.");
}

} // namespace Spreadsheet
