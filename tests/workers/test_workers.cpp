#include "support/Fixtures.h"
#include "support/TestFolder.h"

#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/Search.h"
#include "foundation/Formats.h"
#include "report/Report.h"
#include "workers/ContractSummary.h"
#include "workers/WorkerCard.h"
#include "workers/WorkerRecord.h"
#include "workers/WorkerSearch.h"
#include "workers/WorkerSheet.h"

#include <QtTest>

using Fields = Fixtures::Fields;
Q_DECLARE_METATYPE(Fields)

namespace {

QByteArray worker(const Fields &fields) { return Fixtures::record(Layouts::workers(), fields); }

void writeWorkers(const QList<Fields> &records)
{
    QVERIFY(Fixtures::writeArchive(Archives::workersPath(), Layouts::workers(), records));
}

QStringList texts(const QList<ListLine> &lines)
{
    QStringList out;
    for (const ListLine &l : lines)
        out << l.text;
    return out;
}

// The filter texts of the worker search in table order, from (record field, text) pairs.
QStringList filterTexts(const Fields &filters)
{
    const SearchDesign &d = WorkerSearch::design();
    QStringList out(int(d.filters.size()));
    for (const auto &[field, text] : filters)
        for (int i = 0; i < int(d.filters.size()); ++i)
            if (field == QLatin1String(d.filters[i].field))
                out[i] = text;
    return out;
}

// Editor texts of a record that passes Save, with some fields replaced.
Record editorTexts(const Fields &changes)
{
    Record r = WorkerRecord::blank(QDate(2024, 6, 10));
    r.setValue("Cognome", "Rossi");
    r.setValue("Nome", "Mario");
    r.setValue("Codice", "Muratore");
    for (const auto &[field, text] : changes)
        r.setValue(field, text);
    return r;
}

QByteArray cell(const QByteArray &text) { return "<td style=\"text-align: left;\">" + text + "</td>\r\n"; }

} // namespace

class TestWorkers : public QObject {
    Q_OBJECT

private slots:
    void readDate_data();
    void readDate();
    void saveChecks_data();
    void saveChecks();
    void saveDateMessagesCarryTheTypedText();
    void everyFilterMatchesItsOwnField();
    void searchFoldsOnlyAsciiAndKeepsBlanks_data();
    void searchFoldsOnlyAsciiAndKeepsBlanks();
    void searchLineColumns();
    void contractRule_data();
    void contractRule();
    void contractSummarySkipsUnreadableRecords();
    void contractLineColumns();
    void blankRecordIsDueTheDayItIsSaved();
    void sheetFileByteForByte();
    void emptyRegistryExportsTenEmptyRows();
    void cardLayoutPlacesTheRows();
    void cardFillsTheEditorTexts();
};

void TestWorkers::readDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::newRow("dd/mm/yyyy") << "05/03/2024" << QDate(2024, 3, 5);
    QTest::newRow("one-digit day and month") << "5/3/2024" << QDate(2024, 3, 5);
    QTest::newRow("blanks at both ends") << " 29/02/2024\t" << QDate(2024, 2, 29);
    QTest::newRow("last day of the calendar") << "31/12/9999" << QDate(9999, 12, 31);
    QTest::newRow("31 February") << "31/02/2024" << QDate();
    QTest::newRow("29 February of a common year") << "29/02/2023" << QDate();
    QTest::newRow("31 April") << "31/04/2024" << QDate();
    QTest::newRow("day 0") << "00/01/2024" << QDate();
    QTest::newRow("month 13") << "01/13/2024" << QDate();
    QTest::newRow("year 0") << "01/01/0000" << QDate();
    QTest::newRow("two-digit year") << "01/01/24" << QDate();
    QTest::newRow("five-digit year") << "01/01/20245" << QDate();
    QTest::newRow("three-digit day") << "001/01/2024" << QDate();
    QTest::newRow("other separator") << "01-01-2024" << QDate();
    QTest::newRow("missing month") << "01//2024" << QDate();
    QTest::newRow("missing year") << "01/01/" << QDate();
    QTest::newRow("trailing text") << "01/01/2024x" << QDate();
    QTest::newRow("inner blank") << "01/ 1/2024" << QDate();
    QTest::newRow("sign") << "+1/01/2024" << QDate();
    QTest::newRow("non-ASCII digit") << QStringLiteral("0\u0661/01/2024") << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestWorkers::readDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> read = Formats::readDate(text);
    QCOMPARE(read.has_value(), date.isValid());
    if (read)
        QCOMPARE(*read, date);
}

void TestWorkers::saveChecks_data()
{
    QTest::addColumn<Fields>("changes");
    QTest::addColumn<QString>("focus"); // empty: Save passes; "-": the focus stays
    QTest::addColumn<QString>("begins");
    QTest::addColumn<int>("kind");
    const int warning = WorkerRecord::SaveFailure::Warning;
    const int plain = WorkerRecord::SaveFailure::PlainMessage;
    const QString missing = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");

    // Each row breaks every check from its own on, so that only the order picks the message.
    QTest::newRow("all blank: surname first") << Fields{{"Cognome", " "},   {"Nome", ""},     {"Codice", ""},
                                                        {"Decorrenza", ""}, {"Scadenza", ""}, {"Preavviso", ""}}
                                              << "txtCognome" << missing + "il cognome del lavoratore." << warning;
    QTest::newRow("first name") << Fields{{"Nome", "\t"}, {"Codice", ""}, {"Decorrenza", ""}, {"Preavviso", ""}}
                                << "txtNome" << missing + "il nome del lavoratore." << warning;
    QTest::newRow("job") << Fields{{"Codice", ""}, {"Decorrenza", ""}, {"Preavviso", ""}} << "txtCodice"
                         << missing + "la mansione del lavoratore." << warning;
    QTest::newRow("start date empty before expiry not a date")
        << Fields{{"Decorrenza", "  "}, {"Scadenza", "xx"}, {"Preavviso", ""}} << "txtDecorrenza"
        << missing + "la data di decorrenza del contratto di assunzione." << warning;
    QTest::newRow("expiry empty before start not a date")
        << Fields{{"Decorrenza", "31/02/2024"}, {"Scadenza", ""}, {"Preavviso", ""}} << "txtScadenza"
        << missing + "la data di scadenza del contratto di assunzione." << warning;
    QTest::newRow("start not a date before expiry")
        << Fields{{"Decorrenza", "31/02/2024"}, {"Scadenza", "32/01/2024"}, {"Preavviso", ""}} << "txtDecorrenza"
        << "Attenzione: la data di decorrenza del contratto 31/02/2024 non esiste." << plain;
    QTest::newRow("expiry not a date before the notice days")
        << Fields{{"Scadenza", "1.1.2025"}, {"Preavviso", ""}} << "txtScadenza"
        << "Attenzione: la data di scadenza del contratto 1.1.2025 non esiste." << plain;
    QTest::newRow("start after expiry before the notice days")
        << Fields{{"Decorrenza", "01/03/2024"}, {"Scadenza", "28/02/2024"}, {"Preavviso", ""}} << "-"
        << "Attenzione: la data di scadenza del contratto (28/02/2024) non può essere anteriore a quella di "
           "decorrenza (01/03/2024)."
        << plain;
    QTest::newRow("notice days") << Fields{{"Preavviso", " "}} << "txtPreavviso"
                                 << "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."
                                 << warning;
    QTest::newRow("equal dates pass") << Fields{{"Decorrenza", "15/07/2024"}, {"Scadenza", "15/07/2024"}} << ""
                                      << "" << 0;
    QTest::newRow("one-digit dates, a day apart") << Fields{{"Decorrenza", "9/7/2024"}, {"Scadenza", "10/7/2024"}} << ""
                                                  << "" << 0;
    QTest::newRow("blank record with the three names") << Fields{} << ""
                                                       << "" << 0;
}

void TestWorkers::saveChecks()
{
    QFETCH(Fields, changes);
    QFETCH(QString, focus);
    QFETCH(QString, begins);
    QFETCH(int, kind);
    const std::optional<WorkerRecord::SaveFailure> failure = WorkerRecord::checkSave(editorTexts(changes));
    QCOMPARE(failure.has_value(), !focus.isEmpty());
    if (!failure)
        return;
    QVERIFY2(failure->message.startsWith(begins), qPrintable(failure->message));
    QCOMPARE(int(failure->kind), kind);
    QCOMPARE(failure->focus ? QString::fromLatin1(failure->focus) : QStringLiteral("-"), focus);
}

void TestWorkers::saveDateMessagesCarryTheTypedText()
{
    // The whole message: the text without its blanks, the LF CR LF CR break, the second sentence.
    std::optional<WorkerRecord::SaveFailure> f =
        WorkerRecord::checkSave(editorTexts({{"Decorrenza", "  31/02/2024 "}}));
    QVERIFY(f);
    QCOMPARE(f->message,
             QStringLiteral("Attenzione: la data di decorrenza del contratto 31/02/2024 non esiste.\n\r\n\r"
                            "Per poter salvare la scheda è necessario indicare una data valida nel "
                            "formato gg/mm/aaaa."));
    // A typed text holding a placeholder is shown as typed.
    f = WorkerRecord::checkSave(editorTexts({{"Scadenza", "%2 %1"}}));
    QVERIFY(f);
    QVERIFY(f->message.startsWith(QStringLiteral("Attenzione: la data di scadenza del contratto %2 %1 non esiste.")));

    f = WorkerRecord::checkSave(editorTexts({{"Decorrenza", " 2/3/2024"}, {"Scadenza", "01/03/2024 "}}));
    QVERIFY(f);
    QCOMPARE(f->message,
             QStringLiteral("Attenzione: la data di scadenza del contratto (01/03/2024) non può essere "
                            "anteriore a quella di decorrenza (2/3/2024).\n\r\n\rPer poter salvare la "
                            "scheda è necessario indicare un intervallo di tempo valido."));
}

void TestWorkers::everyFilterMatchesItsOwnField()
{
    // Record k holds the word "marca<k>" in the field of filter k only; filtering on filter k
    // lists that record alone.
    TestFolder folder;
    const SearchDesign &design = WorkerSearch::design();
    QCOMPARE(design.filters.size(), std::size_t(10));
    QList<Fields> records;
    for (std::size_t k = 0; k < design.filters.size(); ++k) {
        QVERIFY(Layouts::workers().indexOf(design.filters[k].field) >= 0);
        records.append({{"Cognome", QStringLiteral("Persona%1").arg(k)},
                        {QString::fromLatin1(design.filters[k].field), QStringLiteral("x MARCA%1 y").arg(k)}});
    }
    writeWorkers(records);
    const Search search(design);
    for (std::size_t k = 0; k < design.filters.size(); ++k) {
        QStringList filters(int(design.filters.size()));
        filters[int(k)] = QStringLiteral("marca%1").arg(k);
        const Search::Outcome out = search.run(Archives::workersPath(), filters);
        QVERIFY(out.ok);
        QCOMPARE(out.lines.size(), 1);
        QCOMPARE(out.lines.first().position, qint64(k + 1));
    }
    QCOMPARE(search.run(Archives::workersPath(), QStringList(10)).lines.size(), records.size());
}

void TestWorkers::searchFoldsOnlyAsciiAndKeepsBlanks_data()
{
    QTest::addColumn<Fields>("filters");
    QTest::addColumn<QStringList>("surnames");
    QTest::newRow("no filter: every worker by surname")
        << Fields{} << QStringList{"Bianchi", "Grossi", "rossi", "Rossini"};
    QTest::newRow("ross: Rossi, Grossi, Rossini")
        << Fields{{"Cognome", "ROSS"}} << QStringList{"Grossi", "rossi", "Rossini"};
    QTest::newRow("trailing blank is part of the key") << Fields{{"Cognome", "ross "}} << QStringList{};
    QTest::newRow("two filters: both must match")
        << Fields{{"Familiari", "lun"}, {"Codice", "autista"}} << QStringList{"Rossini"};
    QTest::newRow("blank filter is ignored")
        << Fields{{"Note", "   "}, {"Codice", "Autista"}} << QStringList{"Bianchi", "Rossini"};
    QTest::newRow("accented capital is not folded") << Fields{{"Note", QStringLiteral("È")}} << QStringList{};
}

void TestWorkers::searchFoldsOnlyAsciiAndKeepsBlanks()
{
    QFETCH(Fields, filters);
    QFETCH(QStringList, surnames);
    TestFolder folder;
    writeWorkers({
        {{"Cognome", "rossi"}, {"Nome", "Mario"}, {"Codice", "Muratore"}, {"Familiari", "lunedì"}},
        {{"Cognome", "Grossi"}, {"Codice", "Carpentiere"}, {"Note", QStringLiteral("è bravo")}},
        {{"Cognome", "Rossini"}, {"Codice", "Autista"}, {"Familiari", "Lun-Ven"}},
        {{"Cognome", "Bianchi"}, {"Codice", "autista di gru"}},
    });
    const Search::Outcome out = Search(WorkerSearch::design()).run(Archives::workersPath(), filterTexts(filters));
    QVERIFY(out.ok);
    QStringList listed;
    for (const ListLine &l : out.lines)
        listed << l.text.section(QLatin1Char(' '), 0, 0);
    QCOMPARE(listed, surnames);
}

void TestWorkers::searchLineColumns()
{
    TestFolder folder;
    writeWorkers({
        {{"Cognome", "Abbondanzieri Castelfranchi"},
         {"Nome", "Massimiliano"},
         {"CodFisc", "RSSMRA80A01H501U"},
         {"Codice", "Operatore macchine movimento terra"},
         {"Recapito", "333 1234567 ore pasti"},
         {"Note", "  patente C  "}},
        {{"Cognome", "Neri"}},
    });
    const Search::Outcome out = Search(WorkerSearch::design()).run(Archives::workersPath(), QStringList(10));
    QCOMPARE(
        texts(out.lines),
        (QStringList{
            "Abbondanzieri Castelfranchi   C.F. RSSMRA80A01H501U  Mans. Operatore macchine movim  Tel. 333 1234567 or"
            "  Note: patente C",
            QStringLiteral("Neri ").leftJustified(28) + "  C.F. " + QString(16, ' ') + "  Mans. " + QString(24, ' ') +
                "  Tel. " + QString(14, ' ') + "  Note: ",
        }));
    QCOMPARE(out.lines.first().text.indexOf("C.F."), 30); // "C.F." after 28 characters and two blanks
}

void TestWorkers::contractRule_data()
{
    QTest::addColumn<QString>("expiry");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("listed");
    // Today is 10/06/2024.
    QTest::newRow("notice starts today") << "20/06/2024"
                                         << "10" << true;
    QTest::newRow("notice starts tomorrow") << "20/06/2024"
                                            << "9" << false;
    QTest::newRow("notice started yesterday") << "20/06/2024"
                                              << "11" << true;
    QTest::newRow("expires today, no notice") << "10/06/2024"
                                              << "0" << true;
    QTest::newRow("expires tomorrow, no notice") << "11/06/2024"
                                                 << "0" << false;
    QTest::newRow("expired a year ago") << "10/06/2023"
                                        << "0" << true;
    QTest::newRow("across the year, a day short") << "10/06/2025"
                                                  << "364" << false;
    QTest::newRow("across the year, exactly") << "10/06/2025"
                                              << "365" << true;
    QTest::newRow("one-digit date as Save accepts it") << "1/7/2024"
                                                       << "21" << true;
    QTest::newRow("expiry that is no day") << "31/02/2024"
                                           << "0" << false;
    QTest::newRow("expiry not a date") << "presto"
                                       << "0" << false;
    QTest::newRow("notice not a number") << "01/01/2020"
                                         << "tre" << false;
    QTest::newRow("notice empty") << "01/01/2020"
                                  << "" << false;
    QTest::newRow("negative notice") << "01/01/2020"
                                     << "-1" << false;
}

void TestWorkers::contractRule()
{
    QFETCH(QString, expiry);
    QFETCH(QString, notice);
    QFETCH(bool, listed);
    const QByteArray record = worker({{"Cognome", "Rossi"}, {"Scadenza", expiry}, {"Preavviso", notice}});
    const std::optional<QString> line = ContractSummary::pick(record.constData(), QDate(2024, 6, 10));
    QCOMPARE(line.has_value(), listed);
    if (line)
        QCOMPARE(*line, ContractSummary::lineFormat().build(record.constData()));
}

void TestWorkers::contractSummarySkipsUnreadableRecords()
{
    TestFolder folder;
    writeWorkers({
        {{"Cognome", "Verdi"}, {"Scadenza", "01/06/2024"}, {"Preavviso", "0"}},
        {{"Cognome", "Aldo"}, {"Scadenza", "31/02/2024"}, {"Preavviso", "0"}},
        {{"Cognome", "Bruno"}, {"Scadenza", "01/06/2024"}, {"Preavviso", "x"}},
        {{"Cognome", "Neri"}, {"Scadenza", "20/06/2024"}, {"Preavviso", "10"}},
        {{"Cognome", "Gialli"}, {"Scadenza", "30/06/2024"}, {"Preavviso", "5"}},
    });
    const ListLines::Collected list = ContractSummary::build(Archives::workersPath(), QDate(2024, 6, 10));
    QVERIFY(list.ok);
    QCOMPARE(list.lines.size(), 2);
    QVERIFY(list.lines.at(0).text.startsWith("Neri "));
    QCOMPARE(list.lines.at(0).position, 4);
    QVERIFY(list.lines.at(1).text.startsWith("Verdi "));
    QCOMPARE(list.lines.at(1).position, 1);

    QByteArray record;
    QVERIFY(ContractSummary::reread(Archives::workersPath(), list.lines.at(0), &record));
    QCOMPARE(Record::decode(Layouts::workers(), record.constData()).value("Cognome"), "Neri");

    // An empty archive gives an empty list.
    QVERIFY(Fixtures::writeArchive(Archives::workersPath(), Layouts::workers(), {}));
    const ListLines::Collected empty = ContractSummary::build(Archives::workersPath(), QDate(2024, 6, 10));
    QVERIFY(empty.ok && empty.lines.isEmpty());
}

void TestWorkers::contractLineColumns()
{
    const QByteArray full = worker({{"Cognome", "Abbondanzieri Castelfranchi"},
                                    {"Nome", "Massimiliano"},
                                    {"Recapito", "333 1234567 ore pasti"},
                                    {"Scadenza", "01/06/2024"},
                                    {"Totale", "1234567890,1234"},
                                    {"Rata", "1000,00"},
                                    {"Acquisto", " Tempo determinato "}});
    QCOMPARE(ContractSummary::lineFormat().build(full.constData()),
             QStringLiteral("Abbondanzieri Castelfranchi Ma  Tel. 333 1234567   Scad. 01/06/2024  Tot. € "
                            "1234567890,1  Rata: € 1000,00       Tipo: Tempo determinato"));
    const QString empty = ContractSummary::lineFormat().build(worker({{"Cognome", "Neri"}}).constData());
    QVERIFY(empty.endsWith(QStringLiteral("  Tipo: ")));
    QCOMPARE(empty.size(), 30 + 7 + 12 + 8 + 10 + 9 + 12 + 10 + 12 + 8);
}

void TestWorkers::blankRecordIsDueTheDayItIsSaved()
{
    // The dates that a new record proposes pass Save and list the worker the same day.
    const QDate today(2024, 2, 29);
    Record r = WorkerRecord::blank(today);
    r.setValue("Cognome", "Rossi");
    r.setValue("Nome", "Ada");
    r.setValue("Codice", "Muratore");
    QVERIFY(!WorkerRecord::checkSave(r));
    const QByteArray stored = r.encode();
    QVERIFY(ContractSummary::pick(stored.constData(), today));
    QVERIFY(!ContractSummary::pick(stored.constData(), today.addDays(-1)));
}

void TestWorkers::sheetFileByteForByte()
{
    TestFolder folder;
    writeWorkers({
        {{"Cognome", " Rossi "},
         {"Nome", " Mario"},
         {"CodFisc", "RSSMRA80A01H501U"},
         {"Note", "<a> & b"},
         {"Familiari", QStringLiteral("lunedì")},
         {"Carta", "4111111111111111"},
         {"Scadenza", "31/12/2030"},
         {"Totale", "1500,00"},
         {"Codice", "Muratore"}},
        {{"Cognome", "Neri"}, {"Iban", "IT60X0542811101000000123456"}},
    });
    const SheetDesign &design = WorkerSheet::design();
    const QString path = Spreadsheet::path(design);
    QCOMPARE(path, folder.file("Personale_Interno.xls"));
    QCOMPARE(WorkerSheet::exportArchive(Archives::workersPath(), path), WorkerSheet::Result::Done);

    QByteArray expected =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">\r\n"
        "<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
        "<!--[if gte mso 9]><xml>\r\n<x:ExcelWorkbook>\r\n<x:ExcelWorksheets>\r\n<x:ExcelWorksheet>\r\n"
        "<x:Name>Personale Interno</x:Name>\r\n"
        "<x:WorksheetOptions>\r\n<x:Selected/>\r\n<x:Panes>\r\n<x:Pane>\r\n<x:Number>1</x:Number>\r\n"
        "<x:ActiveRow>3</x:ActiveRow>\r\n</x:Pane>\r\n</x:Panes>\r\n<x:ProtectContents>False</x:ProtectContents>\r\n"
        "<x:ProtectObjects>False</x:ProtectObjects>\r\n<x:ProtectScenarios>False</x:ProtectScenarios>\r\n"
        "</x:WorksheetOptions>\r\n</x:ExcelWorksheet>\r\n</x:ExcelWorksheets>\r\n</x:ExcelWorkbook>\r\n"
        "</xml><![endif]-->\r\n</head>\r\n<body>\r\n<table x:str>\r\n<tr>\r\n";
    const QList<QPair<QByteArray, int>> headers = {
        {"Cognome e nome", 250},
        {"Codice fiscale", 200},
        {"Data di nascita", 200},
        {"Comune / Stato estero di nascita", 250},
        {"Partita IVA", 200},
        {"Indirizzo di residenza", 250},
        {"Comune di residenza", 250},
        {"Recapito preferenziale", 250},
        {"Tel. casa", 200},
        {"Tel. cellulare", 200},
        {"E-mail", 250},
        {"Categoria", 250},
        {"Qualifica principale", 250},
        {"Giorni e orari disponibilit\xE0", 300},
        {"IBAN", 300},
        {"Intestatario C/C", 250},
        {"Modalit\xE0 di pagamento", 250},
        {"Equipaggiamento assegnato", 300},
        {"Tipo documento", 250},
        {"Numero documento", 250},
        {"Ente rilascio", 250},
        {"Data rilascio", 200},
        {"Data scadenza", 200},
        {"Mansione", 250},
        {"Note", 300},
    };
    for (const auto &[header, width] : headers)
        expected += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" +
            header + "</td>\r\n";
    expected += "</tr>\r\n";
    // Columns: name, fiscal code, 12 empty up to the availability, then 9 empty, job, notes.
    expected += "<tr>\r\n" + cell("Rossi Mario") + cell("RSSMRA80A01H501U");
    for (int i = 0; i < 11; ++i)
        expected += cell("");
    expected += cell("luned\xEC");
    for (int i = 0; i < 9; ++i)
        expected += cell("");
    expected += cell("Muratore") + cell("&lt;a&gt; &amp; b") + "</tr>\r\n";
    // A worker without a first name: the surname alone.
    expected += "<tr>\r\n" + cell("Neri");
    for (int i = 0; i < 13; ++i)
        expected += cell("");
    expected += cell("IT60X0542811101000000123456");
    for (int i = 0; i < 10; ++i)
        expected += cell("");
    expected += "</tr>\r\n</table>\r\n</body>\r\n</html>\r\n";
    QCOMPARE(Fixtures::readFile(path), expected);

    // The grid keeps the row number and the blank after a surname alone.
    QList<QStringList> rows;
    QVERIFY(Spreadsheet::gridRows(Archives::workersPath(), design, &rows));
    QCOMPARE(rows.at(1).mid(0, 2), (QStringList{"2", "Neri "}));
    QCOMPARE(design.grid[15].width, 250); // IBAN: 250 in the grid, 300 in the file
}

void TestWorkers::emptyRegistryExportsTenEmptyRows()
{
    TestFolder folder;
    const QString path = Spreadsheet::path(WorkerSheet::design());
    QCOMPARE(WorkerSheet::exportArchive(Archives::workersPath(), path), WorkerSheet::Result::Done);
    const QByteArray file = Fixtures::readFile(path);
    QCOMPARE(file.count("\r\n"), 54 + 10 * 27 + 3);
    QCOMPARE(file.count(cell("")), 10 * 25);
    QVERIFY(QFile::exists(Archives::workersPath())); // created empty
    // An archive that cannot be opened is no export: the old file stays.
    QVERIFY(QFile::remove(Archives::workersPath()));
    QVERIFY(QDir(folder.path()).mkdir("Dipendenti.pro"));
    QCOMPARE(WorkerSheet::exportArchive(Archives::workersPath(), path), WorkerSheet::Result::AccessFailed);
    QCOMPARE(Fixtures::readFile(path), file);
}

void TestWorkers::cardLayoutPlacesTheRows()
{
    Report::Report report(WorkerCard::layout());
    QCOMPARE(report.name(), "Scheda Lavoratore");
    WorkerCard::fill(report, WorkerRecord::blank(QDate(2024, 6, 10)), QDate(2024, 6, 10), QTime(14, 5, 9));
    report.prepare(QStringLiteral("10/06/2024"));
    const Report::PreparedReport &p = report.prepared();
    QCOMPARE(p.pages.size(), 1);
    QCOMPARE(p.pages[0].paper, QSizeF(210.0, 297.0));
    QCOMPARE(p.pages[0].objects.size(), 5 + 3 * 41);
    // Positions from the paper's corner: the 10 mm margins, then the layout's own.
    const auto rectOf = [&](const char *name) {
        const Report::DrawnObject *d = p.find(QString::fromLatin1(name));
        return d ? d->rect : QRectF();
    };
    const auto near = [](const QRectF &a, const QRectF &b) {
        return qAbs(a.left() - b.left()) < 1e-6 && qAbs(a.top() - b.top()) < 1e-6 &&
            qAbs(a.width() - b.width()) < 1e-6 && qAbs(a.height() - b.height()) < 1e-6;
    };
    QVERIFY(near(rectOf("Shape1"), QRectF(11.0, 11.0, 188.0, 5.8)));
    QVERIFY(near(rectOf("Line2"), QRectF(52.0, 17.0, 0, 204.6)));
    QVERIFY(near(rectOf("txtCalce"), QRectF(12.0, 228.0, 185.8, 4.2)));
    QVERIFY(near(rectOf("Shape2"), QRectF(11.0, 17.0, 188.0, 4.6))); // row 1
    QVERIFY(near(rectOf("Memo1"), QRectF(12.0, 17.5, 37.8, 3.5)));
    QVERIFY(near(rectOf("txtIstruttore"), QRectF(54.0, 17.5, 144.0, 3.5)));
    QVERIFY(near(rectOf("Shape43"), QRectF(11.0, 217.0, 188.0, 4.6))); // row 41 ends at 211.6 + 10
    QVERIFY(near(rectOf("txtRata"), QRectF(54.0, 217.5, 144.0, 3.5)));
    // The filled boxes lie under their memos; each row's caption reads as the card says.
    QCOMPARE(p.pages[0].objects.at(0).name, "Shape1");
    QCOMPARE(p.pages[0].objects.at(1).name, "titArcataSup");
    QCOMPARE(p.find(u"Shape1")->fill, QColor(0xB0, 0xC4, 0xDE));
    QCOMPARE(p.find(u"Shape23")->fill, QColor(0xFF, 0xD7, 0x00));
    QCOMPARE(p.find(u"Memo41")->lines, QStringList{QStringLiteral("Importo rata: €")});
    QCOMPARE(p.find(u"txtCalce")->lines, QStringList{"Stampa eseguita in data 10/06/2024 alle ore 14:05:09"});
}

void TestWorkers::cardFillsTheEditorTexts()
{
    Report::Report report(WorkerCard::layout());
    Record w = WorkerRecord::blank(QDate(2024, 6, 10));
    w.setValue("Cognome", " Rossi ");
    w.setValue("Nome", "Mario ");
    w.setValue("ComuneNasc", "Roma");
    w.setValue("Preavviso", "45");
    w.setValue("Note", QString(400, QLatin1Char('n')) + " fine");
    report.page().setOrientation(Report::Orientation::Landscape);
    WorkerCard::fill(report, w, QDate(2024, 6, 10), QTime(9, 0, 0));
    QCOMPARE(report.page().orientation, Report::Orientation::Portrait);
    const auto memo = [&](const char *name) { return report.findMemo(QString::fromLatin1(name))->text(); };
    QCOMPARE(memo("txtIstruttore"), "Rossi Mario");
    QCOMPARE(memo("txtComuneNasc"), "Roma "); // no province: a blank after the municipality
    QCOMPARE(memo("txtComuneRes"), " ");      // neither: a single blank
    QCOMPARE(memo("txtDecorrenza"), "10/06/2024");
    QCOMPARE(memo("txtScadenza"), "10/06/2024");
    QCOMPARE(memo("txtTotale"), "0,00");
    QCOMPARE(memo("txtRata"), "0,00");
    QCOMPARE(memo("txtCodFisc"), "");
    // Every value memo comes from one field or two; the notice days are printed nowhere.
    for (const WorkerCard::Row &row : WorkerCard::rows()) {
        QVERIFY(Layouts::workers().indexOf(row.field) >= 0);
        QVERIFY(QLatin1String(row.field) != QLatin1String("Preavviso"));
    }
    report.prepare(QStringLiteral("10/06/2024"));
    const Report::DrawnObject *notes = report.prepared().find(u"txtNote");
    QVERIFY(notes);
    QCOMPARE(notes->lines.size(), 1); // cut at the box's edge, never wrapped
    QVERIFY(notes->lines.first().startsWith("nnnn") && !notes->lines.first().contains("fine"));
    for (const Report::DrawnObject &d : report.prepared().drawn())
        QVERIFY2(!d.lines.contains("45"), qPrintable(d.name));
}

QTEST_MAIN(TestWorkers)
#include "test_workers.moc"
