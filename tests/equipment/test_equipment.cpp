#include "support/TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "equipment/EquipmentSheet.h"
#include "equipment/Spreadsheet.h"

#include <QDir>
#include <QtTest>

namespace {

using Fields = QList<QPair<QString, QString>>;

QByteArray equipmentRecord(const Fields &fields)
{
    Record r(Layouts::equipment());
    for (const auto &[name, text] : fields)
        r.setValue(name, text);
    return r.encode();
}

void writeInventory(const QList<Fields> &records)
{
    const QString path = Archives::equipmentPath();
    QFile::remove(path);
    ArchiveFile file(path, Layouts::equipment().recordSize());
    QVERIFY(file.open());
    for (const Fields &fields : records)
        QVERIFY(file.append(equipmentRecord(fields)) > 0);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

// A small sheet over two fields, so that a whole file can be written out in the test.
constexpr GridColumn kSmallGrid[] = {
    {"colNum", "N.", 60, nullptr, nullptr},
    {"colCodice", "Codice", 200, "Codice", nullptr},
    {"colMarca", "Marca e note", 250, "Marca", "Note"},
};
constexpr FileColumn kSmallFile[] = {
    {"Marca e note", 300, 2},
    {"Codice è", 250, 1},
};
const SheetDesign kSmallSheet{&Layouts::equipment(), "Prova.xls", "Foglio più", kSmallGrid, kSmallFile};

const QList<QByteArray> kHeadLines = {
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
};
const QList<QByteArray> kOptionLines = {
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
const QList<QByteArray> kEndLines = {"</table>", "</body>", "</html>"};

QByteArray cell(const QByteArray &text) { return "<td style=\"text-align: left;\">" + text + "</td>"; }

} // namespace

class TestEquipment : public QObject {
    Q_OBJECT

private slots:
    void sheetFileByteForByte();
    void equipmentSheetColumns();
    void emptyInventoryExportsTheInitialRows();
    void failedSheetWriteLeavesNothing();
    void sheetRewriteReplacesTheFile();
};

void TestEquipment::sheetFileByteForByte()
{
    TestFolder folder;
    writeInventory({
        {{"Codice", "  A<1>  "}, {"Marca", "Bosch & figli"}, {"Note", " caffè Ω "}},
        {{"Codice", "B2"}, {"Marca", ""}, {"Note", "\"virgolette\" 'apici'"}},
    });
    QList<QStringList> rows;
    QVERIFY(Spreadsheet::gridRows(Archives::equipmentPath(), kSmallSheet, &rows));
    QCOMPARE(rows, (QList<QStringList>{{"1", "A<1>", QStringLiteral("Bosch & figli caffè ?")},
                                       {"2", "B2", " \"virgolette\" 'apici'"}}));

    const QString path = Spreadsheet::path(kSmallSheet);
    QCOMPARE(path, folder.file("Prova.xls"));
    QVERIFY(Spreadsheet::write(path, kSmallSheet, rows));

    QList<QByteArray> lines = kHeadLines;
    lines << "<x:Name>Foglio pi\xF9</x:Name>";
    lines += kOptionLines;
    lines << "<td style=\"text-align: left; font-weight: bold;\" width=300>Marca e note</td>"
          << "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice \xE8</td>"
          << "</tr>";
    lines << "<tr>" << cell("Bosch &amp; figli caff\xE8 ?") << cell("A&lt;1&gt;") << "</tr>";
    lines << "<tr>" << cell("\"virgolette\" 'apici'") << cell("B2") << "</tr>";
    lines += kEndLines;
    QCOMPARE(readAll(path), crlfLines(lines));
}

void TestEquipment::equipmentSheetColumns()
{
    TestFolder folder;
    writeInventory({
        {{"Codice", "GRU-01"}, {"Euro", "1250,00"}, {"Effettuata", QStringLiteral("Sì")}, {"Note", "ultima"},
         {"Preavviso", "30"}, {"File01", "foto.jpg"}},
        {{"Codice", "BET-02"}, {"Effettuata", "No"}},
        {{"Codice", "TRA-03"}},
    });
    const SheetDesign &design = EquipmentSheet::design();
    QCOMPARE(Spreadsheet::path(design), folder.file("Attrezzature.xls"));
    QList<QStringList> rows;
    QVERIFY(Spreadsheet::gridRows(Archives::equipmentPath(), design, &rows));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).size(), 22);
    QCOMPARE(rows.at(0).at(0), "1");
    QCOMPARE(rows.at(2).at(0), "3");
    QVERIFY(Spreadsheet::write(Spreadsheet::path(design), design, Spreadsheet::shownRows(rows, design)));

    const QList<QByteArray> lines = readAll(folder.file("Attrezzature.xls")).split('\n');
    QCOMPARE(lines.size(), 123); // 122 lines and the empty text after the last line break
    QVERIFY(lines.last().isEmpty());
    for (int i = 0; i < 122; ++i)
        QVERIFY2(lines.at(i).endsWith('\r') && lines.at(i).count('\r') == 1, lines.at(i).constData());
    QCOMPARE(lines.at(7), "<x:Name>Inventario Attrezzature</x:Name>\r");
    QCOMPARE(lines.at(28), "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice attrezzatura</td>\r");
    QCOMPARE(lines.at(36), "<td style=\"text-align: left; font-weight: bold;\" width=300>Modalit\xE0 di utilizzo</td>\r");
    QCOMPARE(lines.at(48), "<td style=\"text-align: left; font-weight: bold;\" width=300>Note</td>\r");
    QCOMPARE(lines.at(49), "</tr>\r");
    // The first row: no row number, the value as stored, the flag in Windows-1252, notes last.
    QCOMPARE(lines.at(50), "<tr>\r");
    QCOMPARE(lines.at(51), cell("GRU-01") + "\r");
    QCOMPARE(lines.at(53), cell("1250,00") + "\r");
    QCOMPARE(lines.at(70), cell("S\xEC") + "\r");
    QCOMPARE(lines.at(71), cell("ultima") + "\r");
    QCOMPARE(lines.at(72), "</tr>\r");
    QCOMPARE(lines.at(94), cell("") + "\r"); // the second record's empty notes
    QCOMPARE(lines.at(95), "</tr>\r");
    QCOMPARE(lines.at(96), "<tr>\r");
    QCOMPARE(lines.at(97), cell("TRA-03") + "\r");
    QCOMPARE(lines.at(121), "</html>\r");
    QVERIFY(!readAll(folder.file("Attrezzature.xls")).contains("foto.jpg"));
    QVERIFY(!readAll(folder.file("Attrezzature.xls")).contains(">30<"));
}

void TestEquipment::emptyInventoryExportsTheInitialRows()
{
    TestFolder folder;
    const SheetDesign &design = EquipmentSheet::design();
    QList<QStringList> rows;
    QVERIFY(Spreadsheet::gridRows(Archives::equipmentPath(), design, &rows)); // created empty
    QVERIFY(rows.isEmpty());
    QVERIFY(QFile::exists(Archives::equipmentPath()));
    const QList<QStringList> shown = Spreadsheet::shownRows(rows, design);
    QCOMPARE(shown.size(), Spreadsheet::kInitialGridRows);
    QVERIFY(Spreadsheet::write(Spreadsheet::path(design), design, shown));
    const QByteArray file = readAll(Spreadsheet::path(design));
    QCOMPARE(file.count("\r\n"), 50 + 10 * 23 + 3);
    QCOMPARE(file.count(cell("") + "\r\n"), 10 * 21);
}

void TestEquipment::failedSheetWriteLeavesNothing()
{
    TestFolder folder;
    const SheetDesign &design = EquipmentSheet::design();
    // A target that cannot be replaced by a file.
    QVERIFY(QDir(folder.path()).mkdir("Attrezzature.xls"));
    QVERIFY(!Spreadsheet::write(Spreadsheet::path(design), design, {{"1", "X"}}));
    QVERIFY(QFileInfo(Spreadsheet::path(design)).isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    // A folder that does not exist.
    QVERIFY(!Spreadsheet::write(folder.file("manca/Attrezzature.xls"), design, {{"1", "X"}}));
    QVERIFY(!QFileInfo::exists(folder.file("manca")));
    QCOMPARE(Spreadsheet::failureMessage(),
             QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                            "Accertarsi che il file di Excel non sia già aperto."));
}

void TestEquipment::sheetRewriteReplacesTheFile()
{
    TestFolder folder;
    const SheetDesign &design = EquipmentSheet::design();
    folder.write("Attrezzature.xls", QByteArray(100000, 'x'));
    QStringList row(22);
    row[1] = "UNO";
    QVERIFY(Spreadsheet::write(Spreadsheet::path(design), design, {row}));
    const QByteArray first = readAll(Spreadsheet::path(design));
    QVERIFY(first.startsWith("<html"));
    QVERIFY(first.contains(cell("UNO")));
    row[1] = "DUE";
    QVERIFY(Spreadsheet::write(Spreadsheet::path(design), design, {row}));
    const QByteArray second = readAll(Spreadsheet::path(design));
    QCOMPARE(second.size(), first.size());
    QVERIFY(second.contains(cell("DUE")) && !second.contains("UNO"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Attrezzature.xls"});
}

QTEST_GUILESS_MAIN(TestEquipment)
#include "test_equipment.moc"
