#include "support/CliRunner.h"
#include "support/Fixtures.h"
#include "support/TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/ListLines.h"
#include "archive/Record.h"
#include "archive/Search.h"
#include "cli/Cli.h"
#include "journal/JournalSearch.h"

#include <QtTest>

using Fields = Fixtures::Fields;
Q_DECLARE_METATYPE(Fields)

namespace {

QByteArray page(const Fields &fields) { return Fixtures::record(Layouts::journal(), fields); }

void writeJournal(const QString &path, const QList<Fields> &pages)
{
    QVERIFY(Fixtures::writeArchive(path, Layouts::journal(), pages));
}

// The filter texts in the order of the journal's filter table, from (record field, text) pairs.
QStringList filterTexts(const Fields &filters)
{
    const SearchDesign &d = JournalSearch::design();
    QStringList texts(int(d.filters.size()));
    for (const auto &[field, text] : filters) {
        bool found = false;
        for (int i = 0; i < int(d.filters.size()); ++i)
            if (field == QLatin1String(d.filters[i].field)) {
                texts[i] = text;
                found = true;
            }
        if (!found)
            qFatal("no filter on field %s", qPrintable(field));
    }
    return texts;
}

QList<qint64> positions(const QList<ListLine> &lines)
{
    QList<qint64> out;
    for (const ListLine &l : lines)
        out.append(l.position);
    return out;
}

// Pages of a small journal; each filter's field holds a word no other field of the journal holds.
const QList<Fields> &sampleJournal()
{
    static const QList<Fields> pages = {
        {{"Numero", "1"},
         {"Data", "02/01/2024"},
         {"Oggetto", "Scavo per Fondazione"},
         {"Meteo", "Sereno"},
         {"Natura", "argilla"},
         {"Totale", "5"},
         {"Annotazioni", "getto del magrone\nsoletta"},
         {"Operai", "Muratore Bianchi Luca, Escavatore"},
         {"Osservazioni", "verificare armature"},
         {"Direttore", "Ing. Rossi"},
         {"Responsabile", "Geom. Verdi"}},
        {{"Numero", "2"},
         {"Data", "01/03/2024"},
         {"Oggetto", "Muri in elevazione"},
         {"Meteo", "pioggia"},
         {"Natura", "ghiaia"},
         {"Totale", "12"},
         {"Annotazioni", "casseri"},
         {"Operai", "Carpentiere Neri Ugo"},
         {"Osservazioni", "nessuna"},
         {"Direttore", "Ing. Grossi"},
         {"Responsabile", "Geom. Verdi"}},
        {{"Numero", "3"},
         {"Data", "15/02/2024"},
         {"Oggetto", "CAFFÈ e fondazione "},
         {"Meteo", "nuvoloso"},
         {"Natura", "roccia"},
         {"Totale", "7"},
         {"Annotazioni", "perché sì"},
         {"Operai", "Gruista"},
         {"Osservazioni", "ok"},
         {"Direttore", "Arch. Bassi"},
         {"Responsabile", "Dott. Neri"}},
    };
    return pages;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void eachFilterReadsItsOwnField_data();
    void eachFilterReadsItsOwnField();
    void resultLine_data();
    void resultLine();
    void listOrder_data();
    void listOrder();
    void countTexts();
    void findInList_data();
    void findInList();
    void rereadTakesTheRecordAtItsPosition();
    void rereadRefusesAChangedRecord();
    void lineBreaksListOnOneLine_data();
    void lineBreaksListOnOneLine();
    void archiveFailure();
    void cliPrintsLinesThenCount();
    void cliRejectsBadFilters_data();
    void cliRejectsBadFilters();
    void cliAccessFailure();
};

void TestSearch::filters_data()
{
    QTest::addColumn<Fields>("filters");
    QTest::addColumn<QList<qint64>>("listed"); // positions, in list order

    // List order: 01/03 (page 2), 02/01 (page 1), 15/02 (page 3).
    QTest::newRow("none filled lists every page") << Fields{} << QList<qint64>{2, 1, 3};
    QTest::newRow("only blanks is not a filter")
        << Fields{{"Oggetto", "   "}, {"Meteo", " "}} << QList<qint64>{2, 1, 3};
    QTest::newRow("lower case finds a capital") << Fields{{"Oggetto", "fondazione"}} << QList<qint64>{1, 3};
    QTest::newRow("capitals find lower case") << Fields{{"Meteo", "PIOGGIA"}} << QList<qint64>{2};
    QTest::newRow("trailing blank is part of the key") << Fields{{"Oggetto", "Fondazione "}} << QList<qint64>{3};
    QTest::newRow("leading blank is part of the key") << Fields{{"Oggetto", " fondazione"}} << QList<qint64>{1, 3};
    QTest::newRow("leading blank needs a blank before") << Fields{{"Meteo", " sereno"}} << QList<qint64>{};
    QTest::newRow("inner blanks must match") << Fields{{"Oggetto", "per fond"}} << QList<qint64>{1};
    QTest::newRow("accented capital is not folded") << Fields{{"Annotazioni", "PERCHÉ"}} << QList<qint64>{};
    QTest::newRow("accented small finds itself") << Fields{{"Annotazioni", "perché"}} << QList<qint64>{3};
    QTest::newRow("accented small misses a capital") << Fields{{"Oggetto", "caffè"}} << QList<qint64>{};
    QTest::newRow("A-Z folded around an accent") << Fields{{"Oggetto", "cafFÈ"}} << QList<qint64>{3};
    QTest::newRow("anywhere in a multi-line field") << Fields{{"Annotazioni", "soletta"}} << QList<qint64>{1};
    QTest::newRow("two filters, both match")
        << Fields{{"Oggetto", "fondazione"}, {"Meteo", "seren"}} << QList<qint64>{1};
    QTest::newRow("two filters, one misses") << Fields{{"Oggetto", "muri"}, {"Meteo", "seren"}} << QList<qint64>{};
    QTest::newRow("same key in two pages") << Fields{{"Responsabile", "verdi"}} << QList<qint64>{2, 1};
    QTest::newRow("key longer than the field") << Fields{{"Totale", "12345678901"}} << QList<qint64>{};
    QTest::newRow("no page matches") << Fields{{"Direttore", "Zanetti"}} << QList<qint64>{};
}

void TestSearch::filters()
{
    QFETCH(Fields, filters);
    QFETCH(QList<qint64>, listed);
    TestFolder folder;
    const QString path = Archives::journalPath(QStringLiteral("prova"));
    writeJournal(path, sampleJournal());

    const Search search(JournalSearch::design());
    const Search::Outcome outcome = search.run(path, filterTexts(filters));
    QVERIFY(outcome.ok);
    QCOMPARE(positions(outcome.lines), listed);
    int filled = 0;
    for (const auto &f : filters)
        filled += Search::isFilled(f.second) ? 1 : 0;
    QCOMPARE(outcome.filled, filled);
}

void TestSearch::eachFilterReadsItsOwnField_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("field");
    const SearchDesign &d = JournalSearch::design();
    const QStringList controls = {"txtData",        "txtOggetto", "txtMeteo",        "txtNatura",    "txtTotale",
                                  "txtAnnotazioni", "txtOperai",  "txtOsservazioni", "txtDirettore", "txtResponsabile"};
    QCOMPARE(int(d.filters.size()), int(controls.size()));
    for (int i = 0; i < controls.size(); ++i) {
        QCOMPARE(QLatin1String(d.filters[i].control), controls.at(i)); // screen and Enter order
        QTest::newRow(d.filters[i].control) << controls.at(i) << controls.at(i).mid(3);
    }
}

void TestSearch::eachFilterReadsItsOwnField()
{
    QFETCH(QString, control);
    QFETCH(QString, field);
    TestFolder folder;
    const QString path = Archives::journalPath(QStringLiteral("campi"));
    // Page 1 holds the key in the filter's own field; page 2 holds it in every other field.
    Fields own, others;
    for (int i = 0; i < Layouts::journal().fieldCount(); ++i) {
        const QString name = Layouts::journal().fieldName(i);
        (name == field ? own : others).append({name, QStringLiteral("Qz")});
    }
    writeJournal(path, {own, others});

    const SearchDesign &d = JournalSearch::design();
    QStringList texts(int(d.filters.size()));
    for (int i = 0; i < int(d.filters.size()); ++i)
        if (control == QLatin1String(d.filters[i].control))
            texts[i] = QStringLiteral("qZ");
    const Search::Outcome outcome = Search(d).run(path, texts);
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.filled, 1);
    QCOMPARE(positions(outcome.lines), QList<qint64>{1});
}

void TestSearch::resultLine_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("line");

    QTest::newRow("padded columns")
        << Fields{{"Data", "02/01/2024"}, {"Direttore", "Ing. Rossi"}, {"Totale", "5"}, {"Oggetto", "Scavo"}}
        << QStringLiteral(
               "02/01/2024  Direttore: Ing. Rossi                      Operai n. 5           Oggetto: Scavo");
    QTest::newRow("blanks removed, long columns cut, object in full")
        << Fields{{"Data", "  1/3/2024 "},
                  {"Direttore", "Ing. Bartolomeo Massimiliano Rossi"},
                  {"Totale", "dodici operai oggi"},
                  {"Oggetto", " Muri  di un oggetto molto lungo  "}}
        << QStringLiteral("1/3/2024    Direttore: Ing. Bartolomeo Massimiliano R  Operai n. dodici ope"
                          "  Oggetto: Muri  di un oggetto molto lungo");
    QTest::newRow("empty page")
        << Fields{}
        << QStringLiteral("            Direttore:                                 Operai n.             Oggetto: ");
    QTest::newRow("accents kept")
        << Fields{{"Data", "03/03/2024"}, {"Direttore", "Niccolò"}, {"Totale", "3"}, {"Oggetto", "Città €"}}
        << QStringLiteral(
               "03/03/2024  Direttore: Niccolò                         Operai n. 3           Oggetto: Città €");
}

void TestSearch::resultLine()
{
    QFETCH(Fields, fields);
    QFETCH(QString, line);
    const Search search(JournalSearch::design());
    QCOMPARE(search.lineFormat().build(page(fields).constData()), line);
}

void TestSearch::listOrder_data()
{
    QTest::addColumn<QStringList>("dates"); // the pages' dates, in archive order
    QTest::addColumn<QList<qint64>>("listed");

    QTest::newRow("day of the month first") << QStringList{"02/01/2024", "01/03/2024"} << QList<qint64>{2, 1};
    QTest::newRow("letters without regard to case") << QStringList{"b2", "A1", "a3"} << QList<qint64>{2, 3, 1};
    QTest::newRow("other characters by code") << QStringList{"_x", "ax", "Zx", "[x"} << QList<qint64>{2, 3, 4, 1};
    QTest::newRow("accented letter after every A-Z") << QStringList{"èa", "za", "Ea"} << QList<qint64>{3, 2, 1};
    QTest::newRow("equal lines keep archive order")
        << QStringList{"x", "a", "x", "X", "a"} << QList<qint64>{2, 5, 1, 3, 4};
    QTest::newRow("digits before letters") << QStringList{"a", "9", "A"} << QList<qint64>{2, 1, 3};
}

void TestSearch::listOrder()
{
    QFETCH(QStringList, dates);
    QFETCH(QList<qint64>, listed);
    TestFolder folder;
    const QString path = Archives::journalPath(QStringLiteral("ordine"));
    QList<Fields> pages;
    for (const QString &d : dates)
        pages.append({{"Data", d}, {"Oggetto", QStringLiteral("lavori")}});
    writeJournal(path, pages);
    const Search::Outcome outcome = Search(JournalSearch::design()).run(path, filterTexts({}));
    QVERIFY(outcome.ok);
    QCOMPARE(positions(outcome.lines), listed);
}

void TestSearch::countTexts()
{
    QCOMPARE(ListLines::initialCountText(), QStringLiteral("Il presente elenco contiene 0 schede."));
    QCOMPARE(ListLines::countText(0), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QCOMPARE(ListLines::countText(10000), QStringLiteral("Il presente riepilogo contiene 10000 schede."));
}

void TestSearch::findInList_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");       // before the first click
    QTest::addColumn<QStringList>("clicks"); // the find text of each click
    QTest::addColumn<QList<int>>("rows");    // the selection after each click

    const QStringList items = {"Alfa rossi", "beta", "Gamma ROSSI", "delta", "rossini"};
    QTest::newRow("repeated text cycles and wraps")
        << items << -1 << QStringList{"rossi", "rossi", "rossi", "rossi"} << QList<int>{0, 2, 4, 0};
    QTest::newRow("new text starts from the top")
        << items << 3 << QStringList{"rossi", "rossi", "ross"} << QList<int>{0, 2, 0};
    QTest::newRow("the same text in other capitals is a repeat")
        << items << -1 << QStringList{"rossi", "ROSSI", "Rossi"} << QList<int>{0, 2, 4};
    QTest::newRow("new text not in row 0 searches from the top")
        << items << 4 << QStringList{"delta", "delta"} << QList<int>{3, 3};
    QTest::newRow("a different text after a cycle")
        << items << -1 << QStringList{"rossi", "rossi", "gamma", "rossi"} << QList<int>{0, 2, 2, 0};
    QTest::newRow("no match keeps the selection") << items << 3 << QStringList{"omega", "omega"} << QList<int>{3, 3};
    QTest::newRow("no selection becomes row 0 even without a match")
        << items << -1 << QStringList{"omega"} << QList<int>{0};
    QTest::newRow("empty text matches nothing") << items << 2 << QStringList{"", ""} << QList<int>{2, 2};
    QTest::newRow("only the selected row matches: it is found last")
        << items << -1 << QStringList{"beta", "beta", "beta"} << QList<int>{1, 1, 1};
    QTest::newRow("accented capitals are not folded")
        << QStringList{"CAFFÈ", "caffè"} << -1 << QStringList{"caffè", "caffè"} << QList<int>{1, 1};
    QTest::newRow("blanks are part of the text")
        << QStringList{"ab", "a b"} << -1 << QStringList{"a b"} << QList<int>{1};
}

void TestSearch::findInList()
{
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, rows);
    QString remembered;
    const auto text = [&](int row) { return items.at(row); };
    for (int i = 0; i < clicks.size(); ++i) {
        selected = ListLines::find(int(items.size()), text, selected, clicks.at(i), &remembered);
        QCOMPARE(selected, rows.at(i));
        QCOMPARE(remembered, ListLines::lowerAscii(clicks.at(i)));
    }
    QString none;
    QCOMPARE(ListLines::find(0, text, -1, QStringLiteral("x"), &none), -1);
}

void TestSearch::rereadTakesTheRecordAtItsPosition()
{
    TestFolder folder;
    const QString path = Archives::journalPath(QStringLiteral("doppie"));
    const Fields same = {{"Data", "01/01/2024"}, {"Direttore", "Rossi"}, {"Oggetto", "Muri"}};
    writeJournal(path,
                 {same + Fields{{"Meteo", "primo"}}, {{"Data", "05/05/2024"}}, same + Fields{{"Meteo", "terzo"}}});
    const Search search(JournalSearch::design());
    const Search::Outcome outcome = search.run(path, filterTexts({{"Oggetto", "muri"}}));
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.lines.size(), 2);
    QCOMPARE(outcome.lines.at(0).text, outcome.lines.at(1).text);
    QCOMPARE(positions(outcome.lines), (QList<qint64>{1, 3}));

    const int meteo = Layouts::journal().indexOf(u"Meteo");
    for (const auto &[row, expected] : {std::pair{0, "primo"}, std::pair{1, "terzo"}}) {
        QByteArray record;
        QVERIFY(search.reread(path, outcome.lines.at(row), &record));
        QCOMPARE(Record::decodeField(Layouts::journal(), record.constData(), meteo), QString::fromLatin1(expected));
    }
}

void TestSearch::rereadRefusesAChangedRecord()
{
    TestFolder folder;
    const QString path = Archives::journalPath(QStringLiteral("cambiata"));
    writeJournal(path, {{{"Data", "01/01/2024"}, {"Oggetto", "Muri"}}, {{"Data", "02/01/2024"}}});
    const Search search(JournalSearch::design());
    const Search::Outcome outcome = search.run(path, filterTexts({}));
    QCOMPARE(outcome.lines.size(), 2);
    const ListLine first = outcome.lines.at(0);

    QByteArray record;
    ListLine beyond = first;
    beyond.position = 3;
    QVERIFY(!search.reread(path, beyond, &record));
    ListLine none = first;
    none.position = 0;
    QVERIFY(!search.reread(path, none, &record));

    // Another copy of the program overwrote page 1 since the search.
    ArchiveFile file(path, Layouts::journal().recordSize());
    QVERIFY(file.open());
    QVERIFY(file.write(1, page({{"Data", "09/09/2024"}, {"Oggetto", "Tetto"}})));
    file.close();
    QVERIFY(!search.reread(path, first, &record));
    QVERIFY(search.reread(path, outcome.lines.at(1), &record));
}

void TestSearch::lineBreaksListOnOneLine_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown"); // as the same line shows it
    QTest::newRow("CR LF in the object") << "Oggetto"
                                         << "Muri\r\nnord"
                                         << "Muri  nord";
    QTest::newRow("LF in a padded column") << "Direttore"
                                           << "Ing.\nRossi"
                                           << "Ing. Rossi";
    QTest::newRow("tab and CR") << "Oggetto"
                                << "a\tb\rc"
                                << "a b c";
    QTest::newRow("undefined code page bytes") << "Oggetto" << QStringLiteral("a\u0081b\u009Dc") << "a b c";
}

// Every control character of a listed field is one blank: the item is one row of the list and
// one line of the cli's output, and choosing it still finds its record.
void TestSearch::lineBreaksListOnOneLine()
{
    QFETCH(QString, field);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    TestFolder folder;
    const QString path = Archives::journalPath(QStringLiteral("righe"));
    const Fields other = {{"Data", "01/01/2024"}, {"Direttore", "Verdi"}, {"Oggetto", "Tetto"}};
    const auto pageWith = [&](const QString &value) {
        Fields f = {{"Data", "02/01/2024"}, {"Direttore", "Bianchi"}, {"Oggetto", "Scavo"}};
        for (auto &[name, text] : f)
            if (name == field)
                text = value;
        return f;
    };
    const Fields listed = pageWith(stored);
    writeJournal(path, {other, listed});
    const Search search(JournalSearch::design());
    const Search::Outcome outcome = search.run(path, filterTexts({}));
    QCOMPARE(outcome.lines.size(), 2);
    const ListLine line = outcome.lines.at(1);
    QCOMPARE(line.position, 2);
    QCOMPARE(line.text, search.lineFormat().build(page(pageWith(shown)).constData()));
    QByteArray record;
    QVERIFY(search.reread(path, line, &record));
    QCOMPARE(record, page(listed));

    const CliRunner::Run r = CliRunner::inProcess({"search", "journal", "righe"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out.split(QLatin1Char('\n')),
             (QStringList{outcome.lines.at(0).text, line.text, ListLines::countText(2), QString()}));
}

void TestSearch::archiveFailure()
{
    TestFolder folder;
    const Search::Outcome outcome =
        Search(JournalSearch::design()).run(folder.file(QStringLiteral("manca/x.cnt")), filterTexts({}));
    QVERIFY(!outcome.ok);
    QVERIFY(outcome.lines.isEmpty());
}

void TestSearch::cliPrintsLinesThenCount()
{
    TestFolder folder;
    writeJournal(Archives::journalPath(QStringLiteral("prova")), sampleJournal());
    const Search search(JournalSearch::design());

    CliRunner::Run r =
        CliRunner::inProcess({"search", "journal", "prova", "--Oggetto=fondazione", "--Responsabile=ver"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    const QString page1 = search.lineFormat().build(page(sampleJournal().at(0)).constData());
    QCOMPARE(r.out, page1 + "\nIl presente riepilogo contiene 1 schede.\n");

    r = CliRunner::inProcess({"search", "journal", "prova", "--Oggetto=Fondazione "});
    QCOMPARE(r.out.split('\n').size(), 3);
    QVERIFY(r.out.startsWith("15/02/2024"));

    r = CliRunner::inProcess({"search", "journal", "prova"});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split('\n');
    QCOMPARE(lines.size(), 5); // three pages, the count, the final line end
    QVERIFY(lines.at(0).startsWith("01/03/2024") && lines.at(1).startsWith("02/01/2024") &&
            lines.at(2).startsWith("15/02/2024"));
    QCOMPARE(lines.at(3), QStringLiteral("Il presente riepilogo contiene 3 schede."));

    r = CliRunner::inProcess({"search", "journal", "prova", "--Meteo=zzz"});
    QCOMPARE(r.out, QStringLiteral("Il presente riepilogo contiene 0 schede.\n"));
}

void TestSearch::cliRejectsBadFilters_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no journal") << QStringList{"search", "journal"};
    QTest::newRow("filter instead of a name") << QStringList{"search", "journal", "--Meteo=x"};
    QTest::newRow("unknown archive") << QStringList{"search", "garage", "x"};
    QTest::newRow("not a filter field") << QStringList{"search", "journal", "prova", "--Numero=1"};
    QTest::newRow("no equals sign") << QStringList{"search", "journal", "prova", "--Meteo"};
    QTest::newRow("not an option") << QStringList{"search", "journal", "prova", "Meteo=x"};
    QTest::newRow("same filter twice") << QStringList{"search", "journal", "prova", "--Meteo=a", "--Meteo=b"};
}

void TestSearch::cliRejectsBadFilters()
{
    QFETCH(QStringList, args);
    TestFolder folder;
    const CliRunner::Run r = CliRunner::inProcess(args);
    QCOMPARE(r.status, int(Cli::UsageError));
    QCOMPARE(r.out, QString());
    QVERIFY(!r.err.isEmpty());
}

void TestSearch::cliAccessFailure()
{
    TestFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("chiuso.cnt")))); // a folder, not a journal
    const CliRunner::Run r = CliRunner::inProcess({"search", "journal", "chiuso"});
    QCOMPARE(r.status, int(Cli::AccessFailure));
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err,
             QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\n"
                            "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                            "installazione del programma.\n"));
}

QTEST_MAIN(TestSearch)
#include "test_search.moc"
