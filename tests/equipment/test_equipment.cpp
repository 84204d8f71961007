#include "support/TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "equipment/Amounts.h"
#include "equipment/EquipmentCard.h"
#include "equipment/EquipmentSearch.h"
#include "equipment/EquipmentSheet.h"
#include "equipment/Revisions.h"
#include "equipment/Spreadsheet.h"
#include "equipment/TotalValue.h"
#include "foundation/Formats.h"
#include "report/Pictures.h"

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

QStringList texts(const QList<ListLine> &lines)
{
    QStringList out;
    for (const ListLine &l : lines)
        out << l.text;
    return out;
}

QByteArray cell(const QByteArray &text) { return "<td style=\"text-align: left;\">" + text + "</td>"; }

} // namespace

Q_DECLARE_METATYPE(QList<Fields>)

class TestEquipment : public QObject {
    Q_OBJECT

private slots:
    void sheetFileByteForByte();
    void equipmentSheetColumns();
    void emptyInventoryExportsTheInitialRows();
    void failedSheetWriteLeavesNothing();
    void sheetRewriteReplacesTheFile();
    void archiveExportEqualsGridExport_data();
    void archiveExportEqualsGridExport();

    void amountNormalisation_data();
    void amountNormalisation();
    void amountKeys_data();
    void amountKeys();

    void searchDesign();

    void revisionInclusion_data();
    void revisionInclusion();
    void revisionSummariesSkipUnreadableRecords();
    void revisionLines();

    void totals_data();
    void totals();
    void totalOfManyRecordsAndLines();

    void cardLayoutAndFill();
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
    QCOMPARE(rows,
             (QList<QStringList>{{"1", "A<1>", QStringLiteral("Bosch & figli caffè ?")},
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
        {{"Codice", "GRU-01"},
         {"Euro", "1250,00"},
         {"Effettuata", QStringLiteral("Sì")},
         {"Note", "ultima"},
         {"Preavviso", "30"},
         {"File01", "foto.jpg"}},
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
    QCOMPARE(lines.at(36),
             "<td style=\"text-align: left; font-weight: bold;\" width=300>Modalit\xE0 di utilizzo</td>\r");
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

void TestEquipment::archiveExportEqualsGridExport_data()
{
    QTest::addColumn<QList<Fields>>("records");
    QTest::newRow("empty archive") << QList<Fields>{};
    QTest::newRow("escapes, accents, blanks") << QList<Fields>{
        {{"Codice", "  A<1>  "}, {"Marca", "Bosch & figli"}, {"Note", QStringLiteral(" caffè Ω € ")}},
        {{"Codice", "B2"}, {"Effettuata", QStringLiteral("Sì")}, {"Note", "a\r\nb"}, {"Euro", "12,50"}},
        {}};
}

void TestEquipment::archiveExportEqualsGridExport()
{
    QFETCH(QList<Fields>, records);
    TestFolder folder;
    writeInventory(records);
    for (const SheetDesign *design : {&EquipmentSheet::design(), &kSmallSheet}) {
        QList<QStringList> rows;
        QVERIFY(Spreadsheet::gridRows(Archives::equipmentPath(), *design, &rows));
        QVERIFY(Spreadsheet::write(folder.file("griglia.xls"), *design, Spreadsheet::shownRows(rows, *design)));
        QCOMPARE(Spreadsheet::exportArchive(Archives::equipmentPath(), *design, folder.file("archivio.xls")),
                 Spreadsheet::ExportResult::Done);
        QCOMPARE(folder.read("archivio.xls"), folder.read("griglia.xls"));
    }
    QVERIFY(QDir(folder.path()).mkdir("cartella.xls"));
    QCOMPARE(
        Spreadsheet::exportArchive(Archives::equipmentPath(), EquipmentSheet::design(), folder.file("cartella.xls")),
        Spreadsheet::ExportResult::WriteFailed);
    QVERIFY(QFileInfo(folder.file("cartella.xls")).isDir());
}

void TestEquipment::amountNormalisation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("blanks") << "   "
                            << "0,00";
    QTest::newRow("whole") << "12"
                           << "12,00";
    QTest::newRow("one decimal") << "12,5"
                                 << "12,50";
    QTest::newRow("leading comma") << ",5"
                                   << "0,50";
    QTest::newRow("leading zeros") << "0012"
                                   << "12,00";
    QTest::newRow("two decimals stay") << "12,10"
                                       << "12,10";
    QTest::newRow("three decimals stay") << "12,345"
                                         << "12,345";
    QTest::newRow("rounded to four") << "12,34567"
                                     << "12,3457";
    QTest::newRow("half up") << "0,00005"
                             << "0,0001";
    QTest::newRow("below half") << "0,00004"
                                << "0,00";
    QTest::newRow("two commas") << "1,2,3"
                                << "0,00";
    QTest::newRow("trailing comma") << "12,"
                                    << "12,00";
    QTest::newRow("comma alone") << ","
                                 << "0,00";
    QTest::newRow("blanks around") << " 7,1 "
                                   << "7,10";
    QTest::newRow("letters") << "12a"
                             << "0,00";
    QTest::newRow("point") << "12.5"
                           << "0,00";
    QTest::newRow("fifteen digits") << "123456789012345"
                                    << "123456789012345,00";
}

void TestEquipment::amountNormalisation()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(Amounts::normalise(typed), left);
    // Leaving the field again changes nothing.
    QCOMPARE(Amounts::normalise(left), left);
}

void TestEquipment::amountKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("amount");
    QTest::addColumn<bool>("days");
    QTest::newRow("digit") << int(Qt::Key_7) << "7" << true << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << "," << true << false;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << true << true;
    QTest::newRow("delete") << int(Qt::Key_Delete) << "" << true << true;
    QTest::newRow("left") << int(Qt::Key_Left) << "" << true << true;
    QTest::newRow("right") << int(Qt::Key_Right) << "" << true << true;
    QTest::newRow("letter") << int(Qt::Key_A) << "a" << false << false;
    QTest::newRow("point") << int(Qt::Key_Period) << "." << false << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << false << false;
    QTest::newRow("space") << int(Qt::Key_Space) << " " << false << false;
    QTest::newRow("home") << int(Qt::Key_Home) << "" << false << false;
    QTest::newRow("superscript two") << int(Qt::Key_twosuperior) << QStringLiteral("²") << false << false;
}

void TestEquipment::amountKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, amount);
    QFETCH(bool, days);
    QCOMPARE(Amounts::amountKeyAccepted(key, text), amount);
    QCOMPARE(Amounts::digitKeyAccepted(key, text), days);
}

void TestEquipment::searchDesign()
{
    TestFolder folder;
    const SearchDesign &design = EquipmentSearch::design();
    QCOMPARE(design.filters.size(), std::size_t(10));
    for (const SearchFilter &f : design.filters) {
        QVERIFY(Layouts::equipment().indexOf(QLatin1String(f.field)) >= 0);
        QCOMPARE(QLatin1String(f.control), QLatin1String("txt") + QLatin1String(f.field));
    }
    QCOMPARE(design.filters.front().label, "Codice attrezzatura:");
    QCOMPARE(design.filters.back().field, "Note");
    QCOMPARE(design.printTitle, "Riepilogo attrezzature in inventario");

    writeInventory({
        {{"Codice", "T2"},
         {"Ditta", "Edil Forniture"},
         {"Marca", "Hilti"},
         {"DataSca", "01/02/2025"},
         {"TelAss", "0612345"},
         {"Note", "in cantiere"}},
        {{"Codice", "X9"}, {"Ditta", "Altro fornitore"}},
        {{"Codice", "t1"}, {"Ditta", "EDIL FORNITURE srl"}},
    });
    QStringList filters(10);
    filters[6] = "edil forn";
    const Search::Outcome found = Search(design).run(Archives::equipmentPath(), filters);
    QVERIFY(found.ok);
    QCOMPARE(texts(found.lines),
             (QStringList{"Cod. t1                         " + QString(30, ' ') + "  Scad.             Tel. ass. " +
                              QString(15, ' ') + " Note: ",
                          "Cod. T2                         Hilti                           Scad. 01/02/2025  "
                          "Tel. ass. 0612345         Note: in cantiere"}));
    QCOMPARE(found.lines.at(1).position, 1);
}

void TestEquipment::revisionInclusion_data()
{
    QTest::addColumn<int>("summary");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("done");
    QTest::addColumn<bool>("listed");
    // Today is 10/06/2024.
    const int due = int(Revisions::Summary::DueOrOverdue), over = int(Revisions::Summary::Overdue);
    QTest::newRow("due: notice reaches today") << due << "20/06/2024"
                                               << "10"
                                               << "No" << true;
    QTest::newRow("over: notice does not count") << over << "20/06/2024"
                                                 << "10"
                                                 << "No" << false;
    QTest::newRow("due: one notice day short") << due << "20/06/2024"
                                               << "9"
                                               << "No" << false;
    QTest::newRow("due: today, no notice") << due << "10/06/2024"
                                           << "0"
                                           << "No" << true;
    QTest::newRow("over: today is not past") << over << "10/06/2024"
                                             << "0"
                                             << "No" << false;
    QTest::newRow("due: yesterday") << due << "09/06/2024"
                                    << "0"
                                    << "No" << true;
    QTest::newRow("over: yesterday") << over << "09/06/2024"
                                     << "0"
                                     << "No" << true;
    QTest::newRow("due: tomorrow") << due << "11/06/2024"
                                   << "0"
                                   << "No" << false;
    QTest::newRow("due: done long ago") << due << "01/01/2000"
                                        << "0" << QStringLiteral("Sì") << false;
    QTest::newRow("over: done long ago") << over << "01/01/2000"
                                         << "0" << QStringLiteral("Sì") << false;
    QTest::newRow("due: flag with blanks") << due << "01/01/2000"
                                           << "0"
                                           << " No " << true;
    QTest::newRow("due: no flag stored") << due << "01/01/2000"
                                         << "0"
                                         << "" << false;
    QTest::newRow("due: across the year") << due << "05/01/2025"
                                          << "240"
                                          << "No" << true;
    QTest::newRow("due: large notice") << due << "31/12/2026"
                                       << "999"
                                       << "No" << true;
}

void TestEquipment::revisionInclusion()
{
    QFETCH(int, summary);
    QFETCH(QString, date);
    QFETCH(QString, notice);
    QFETCH(QString, done);
    QFETCH(bool, listed);
    const QDate today(2024, 6, 10);
    const auto kind = Revisions::Summary(summary);
    QCOMPARE(Revisions::isListed(kind, date, notice, done, today), std::optional<bool>(listed));

    // The same rule decides the stored record's place in the collected list.
    TestFolder folder;
    writeInventory({{{"Codice", "X"}, {"DataSca", date}, {"Preavviso", notice}, {"Effettuata", done}}});
    const ListLines::Collected collected = Revisions::collect(Archives::equipmentPath(), kind, today);
    QVERIFY(collected.ok);
    QCOMPARE(collected.lines.size(), listed ? 1 : 0);
}

void TestEquipment::revisionSummariesSkipUnreadableRecords()
{
    TestFolder folder;
    const QDate today(2024, 6, 10);
    writeInventory({
        {{"Codice", "b2"}, {"DataSca", "01/06/2024"}, {"Preavviso", "0"}, {"Effettuata", "No"}},
        {{"Codice", "BAD-DATE"}, {"DataSca", "31/02/2024"}, {"Preavviso", "0"}, {"Effettuata", "No"}},
        {{"Codice", "BAD-NOTICE"}, {"DataSca", "01/06/2024"}, {"Preavviso", "x"}, {"Effettuata", "No"}},
        {{"Codice", "A1"}, {"DataSca", "01/06/2024"}, {"Preavviso", "0"}, {"Effettuata", "No"}},
        {{"Codice", "a3"}, {"DataSca", "20/06/2024"}, {"Preavviso", "15"}, {"Effettuata", "No"}},
    });
    QCOMPARE(Revisions::isListed(Revisions::Summary::DueOrOverdue, "01/06/2024", "x", "No", today), std::nullopt);
    QCOMPARE(Revisions::isListed(Revisions::Summary::Overdue, "1/6/24", "0", "No", today), std::nullopt);
    QCOMPARE(Revisions::isListed(Revisions::Summary::Overdue, "1/6/2024", "0", "No", today), std::optional<bool>(true));

    const auto codes = [](const ListLines::Collected &c) {
        QStringList out;
        for (const ListLine &l : c.lines)
            out << l.text.mid(5, 25).trimmed();
        return out;
    };
    const ListLines::Collected due =
        Revisions::collect(Archives::equipmentPath(), Revisions::Summary::DueOrOverdue, today);
    QVERIFY(due.ok);
    QCOMPARE(codes(due), (QStringList{"A1", "a3", "b2"}));
    // The overdue summary does not read the notice days.
    const ListLines::Collected over = Revisions::collect(Archives::equipmentPath(), Revisions::Summary::Overdue, today);
    QCOMPARE(codes(over), (QStringList{"A1", "b2", "BAD-NOTICE"}));
    QCOMPARE(over.lines.at(2).position, 3);

    QByteArray record;
    QVERIFY(Revisions::reread(Archives::equipmentPath(), over.lines.at(2), &record));
    QCOMPARE(Record::decode(Layouts::equipment(), record.constData()).value("Codice"), "BAD-NOTICE");
}

void TestEquipment::revisionLines()
{
    TestFolder folder;
    writeInventory({
        {{"Codice", QString(30, 'C')},
         {"Marca", "  Caterpillar 320 escavatore cingolato grande  "},
         {"DataSca", "01/01/2024"},
         {"TelAss", "+39 06 1234567890"},
         {"Effettuata", "No"},
         {"Note", "prima riga\r\nseconda\triga"}},
        {{"Codice", "Z"}, {"DataSca", "01/01/2024"}, {"Effettuata", "No"}},
    });
    const ListLines::Collected c =
        Revisions::collect(Archives::equipmentPath(), Revisions::Summary::Overdue, QDate(2024, 6, 10));
    QCOMPARE(texts(c.lines),
             (QStringList{"Cod. " + QString(25, 'C') +
                              "  Caterpillar 320 escavatore cin  Scad. 01/01/2024  "
                              "Tel. ass. +39 06 12345678 Note: prima riga  seconda riga",
                          "Cod. Z" + QString(24, ' ') + "  " + QString(30, ' ') + "  Scad. 01/01/2024  Tel. ass. " +
                              QString(15, ' ') + " Note: "}));
    QCOMPARE(Revisions::design(Revisions::Summary::DueOrOverdue).caption, " Riepilogo revisioni in scadenza o scadute");
    QCOMPARE(Revisions::design(Revisions::Summary::Overdue).printTitle, "Riepilogo revisioni scadute");
}

void TestEquipment::totals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("total");
    QTest::newRow("empty archive") << QStringList{} << 0 << QStringLiteral("€ 0,00");
    QTest::newRow("two values") << QStringList{"1250,00", "12,50"} << 2 << QStringLiteral("€ 1262,50");
    QTest::newRow("binary remainders") << QStringList{"0,10", "0,20"} << 2 << QStringLiteral("€ 0,30");
    QTest::newRow("three values") << QStringList{"1000,00", "250,50", "0,50"} << 3 << QStringLiteral("€ 1251,00");
    QTest::newRow("four decimals kept") << QStringList{"0,125", "0,0005"} << 2 << QStringLiteral("€ 0,1255");
    QTest::newRow("blank value left out") << QStringList{"10,00", "   ", "5,00"} << 2 << QStringLiteral("€ 15,00");
    QTest::newRow("unreadable value counts 0")
        << QStringList{"10,00", "1,2,3", "5,00"} << 3 << QStringLiteral("€ 15,00");
    QTest::newRow("only unreadable") << QStringList{"abc"} << 1 << QStringLiteral("€ 0,00");
}

void TestEquipment::totals()
{
    QFETCH(QStringList, values);
    QFETCH(int, lines);
    QFETCH(QString, total);
    TestFolder folder;
    QList<Fields> records;
    for (int i = 0; i < values.size(); ++i)
        records.append({{"Codice", QString::number(i)}, {"Euro", values.at(i)}});
    writeInventory(records);
    const TotalValue::Outcome outcome = TotalValue::compute(Archives::equipmentPath());
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.lines.size(), lines);
    QCOMPARE(outcome.total, total);
    QCOMPARE(TotalValue::printTitle(" " + outcome.total + " "), "Valore totale attrezzature: " + total);
}

void TestEquipment::totalOfManyRecordsAndLines()
{
    TestFolder folder;
    QList<Fields> records;
    for (int i = 0; i < 1000; ++i)
        records.append({{"Codice", QStringLiteral("C%1").arg(999 - i, 3, 10, QLatin1Char('0'))}, {"Euro", "0,10"}});
    records.append({{"Codice", QString(30, 'L')},
                    {"Marca", "Liebherr"},
                    {"TelAss", "333"},
                    {"Euro", "1234567,8912345"},
                    {"Note", "gru a torre"}});
    writeInventory(records);
    const TotalValue::Outcome outcome = TotalValue::compute(Archives::equipmentPath());
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.lines.size(), 1001);
    QCOMPARE(outcome.total, QStringLiteral("€ 1234667,8912")); // the whole value counts, not the line's
    QCOMPARE(outcome.lines.first().text.left(8), "Cod. C00");
    QCOMPARE(outcome.lines.first().position, 1000);
    QCOMPARE(outcome.lines.last().text,
             "Cod. " + QString(25, 'L') + "  Liebherr" + QString(22, ' ') + "  Tel. ass. 333" + QString(12, ' ') +
                 QStringLiteral("  Valore: € 1234567,8912  gru a torre"));
    QByteArray record;
    QVERIFY(TotalValue::reread(Archives::equipmentPath(), outcome.lines.last(), &record));
    QCOMPARE(Record::decode(Layouts::equipment(), record.constData()).value("Marca"), "Liebherr");
}

void TestEquipment::cardLayoutAndFill()
{
    Record item(Layouts::equipment());
    item.setValue("Codice", "  GRU-01 ");
    item.setValue("Euro", "0,00");
    item.setValue("Descrizione", QStringLiteral("Gru a torre più alta"));
    item.setValue("Note", "ultima riga");
    item.setValue("Preavviso", "30");
    item.setValue("Effettuata", QStringLiteral("Sì"));

    Report::Report report(EquipmentCard::layout());
    QCOMPARE(report.name(), "Scheda informativa");
    report.page().setOrientation(Report::Orientation::Landscape);
    EquipmentCard::fill(report, item, EquipmentCard::footer(QDate(2024, 6, 10), QTime(14, 5, 9)));
    QCOMPARE(report.page().orientation, Report::Orientation::Portrait);
    report.prepare(QStringLiteral("10/12/2026"));
    const Report::PreparedReport &card = report.prepared();
    QCOMPARE(card.pages.size(), 1);
    QCOMPARE(card.pages.first().paper, QSizeF(210, 297));

    const auto placed = [&](const char *name) {
        const Report::DrawnObject *d = card.find(QString::fromLatin1(name));
        if (!d)
            qFatal("%s not drawn", name);
        return d;
    };
    // Positions from the printable area's corner, 10 mm in from the paper's.
    QCOMPARE(placed("txtTitolo")->rect, QRectF(33.0, 13.0, 165.0, 9.0));
    QCOMPARE(placed("titCampo01")->rect, QRectF(13.0, 34.0, 52.0, 6.0));
    QCOMPARE(placed("txtCampo24")->rect, QRectF(70.0, 264.0, 128.0, 6.0));
    QCOMPARE(placed("txtCalce")->rect, QRectF(13.0, 279.0, 185.0, 6.0));
    QCOMPARE(placed("linSepara02")->rect.top(), 275.0);
    QVERIFY(!placed("imgLogo")->picture.isNull());
    QCOMPARE(placed("titCampo03")->memo.fill, QColor(0x00, 0x80, 0x80));
    QCOMPARE(placed("txtTitolo")->memo.fill, QColor(0xFF, 0x8C, 0x00));

    QCOMPARE(placed("txtTitolo")->lines, QStringList{"SCHEDA ATTREZZATURA"});
    QCOMPARE(placed("titCampo01")->lines, QStringList{"Codice attrezzatura:"});
    QCOMPARE(placed("txtCampo01")->lines, QStringList{"GRU-01"});
    QCOMPARE(placed("txtCampo03")->lines, QStringList{"0,00"});
    QCOMPARE(placed("titCampo09")->lines, QStringList{QStringLiteral("Modalità di utilizzo:")});
    QCOMPARE(placed("txtCampo05")->lines, QStringList{QStringLiteral("Gru a torre più alta")});
    QCOMPARE(placed("titCampo20")->lines, QStringList{"Note:"});
    QCOMPARE(placed("txtCampo20")->lines, QStringList{"ultima riga"});
    for (const char *empty : {"titCampo21", "txtCampo21", "titCampo24", "txtCampo24", "txtCampo02"})
        QVERIFY2(placed(empty)->lines.isEmpty(), empty);
    QCOMPARE(placed("txtCalce")->lines, QStringList{"Stampa eseguita in data 10/06/2024 alle ore 14:05:09"});
    // Neither the notice days nor the flag are printed.
    for (const Report::DrawnObject &d : card.drawn())
        QVERIFY(!d.lines.contains("30") && !d.lines.contains(QStringLiteral("Sì")));
}

QTEST_MAIN(TestEquipment)
#include "test_equipment.moc"
