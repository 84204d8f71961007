#include "equipment/Spreadsheet.h"

#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <QSaveFile>

#include <cstring>

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

void appendEscaped(QByteArray &out, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    while (p < end) {
        const char *special = p;
        while (special < end && *special != '<' && *special != '>' && *special != '&')
            ++special;
        out.append(p, special - p);
        if (special == end)
            break;
        out += *special == '<' ? "&lt;" : *special == '>' ? "&gt;" : "&amp;";
        p = special + 1;
    }
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

bool write(const QString &path, const SheetDesign &design, const QList<QStringList> &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer;
    buffer.reserve(kFlushBytes + (64 << 10));
    const auto flush = [&] {
        const bool ok = file.write(buffer) == buffer.size();
        buffer.clear();
        return ok;
    };

    for (const char *line : kHead)
        appendLine(buffer, line);
    appendLine(buffer, "<x:Name>" + Text::toCp1252(QString::fromUtf8(design.worksheet)) + "</x:Name>");
    for (const char *line : kOptions)
        appendLine(buffer, line);
    for (const FileColumn &c : design.file)
        appendLine(buffer, "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(c.width)
                               + '>' + Text::toCp1252(QString::fromUtf8(c.header)) + "</td>");
    appendLine(buffer, "</tr>");

    for (const QStringList &row : rows) {
        appendLine(buffer, "<tr>");
        for (const FileColumn &c : design.file) {
            buffer += kCellOpen;
            appendEscaped(buffer, Text::toCp1252(Text::trimBlanks(row.value(c.gridColumn))));
            buffer += kCellClose;
        }
        appendLine(buffer, "</tr>");
        if (buffer.size() >= kFlushBytes && !flush())
            return false;
    }
    for (const char *line : kEnd)
        appendLine(buffer, line);
    return flush() && file.commit();
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
