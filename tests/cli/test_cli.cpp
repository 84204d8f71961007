#include "CliRunner.h"
#include "Fixtures.h"
#include "TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "equipment/EquipmentSheet.h"
#include "foundation/ProgramFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

using CliRunner::Run;

Run cli(const QStringList &args, const QByteArray &input = QByteArray()) { return CliRunner::program(args, input); }

QStringList withFolder(const TestFolder &folder, const QStringList &args)
{
    return QStringList{"--folder", folder.path()} + args;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void appendThenDumpRoundTrips_data();
    void appendThenDumpRoundTrips();
    void dumpReadsForeignRecordsExactly();
    void usageErrors_data();
    void usageErrors();
    void journalCommandsNeedAnExistingJournal_data();
    void journalCommandsNeedAnExistingJournal();
    void concurrentAppendsLoseNothing();
    void equipmentLists_data();
    void equipmentLists();
    void equipmentExportAndCard();
    void workerCommands_data();
    void workerCommands();
    void workerExportAndCard();
};

void TestCli::appendThenDumpRoundTrips_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("dumped");
    QTest::newRow("journal keeps blanks and CR LF") << "journal" << QStringList{"journal", "Ponte"} << "Ponte.cnt"
                                                    << "Annotazioni"
                                                    << "  riga uno\r\nriga due  "
                                                    << "  riga uno\r\nriga due  ";
    QTest::newRow("equipment trims") << "equipment" << QStringList{"equipment"} << "Attrezzature.pro"
                                     << "Codice"
                                     << "  GRU-01  "
                                     << "GRU-01";
    QTest::newRow("workers: accents and ?")
        << "workers" << QStringList{"workers"} << "Dipendenti.pro"
        << "Cognome" << QStringLiteral("Niccolò Ωmega") << QStringLiteral("Niccolò ?mega");
    QTest::newRow("cut to capacity") << "workers" << QStringList{"workers"} << "Dipendenti.pro"
                                     << "Sesso"
                                     << "MF"
                                     << "M";
}

void TestCli::appendThenDumpRoundTrips()
{
    QFETCH(QString, archive);
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    QFETCH(QString, field);
    QFETCH(QString, given);
    QFETCH(QString, dumped);
    TestFolder folder;
    if (archive == QLatin1String("journal")) // appending never creates a journal
        QCOMPARE(cli(withFolder(folder, {"create-journal", args.at(1)})).status, 0);
    QJsonObject object{{field, given}};
    const QByteArray input = QJsonDocument(QJsonArray{object, QJsonObject{}}).toJson();
    const Run appended = cli(withFolder(folder, QStringList{"append"} + args), input);
    QCOMPARE(appended.status, 0);
    QCOMPARE(appended.out, QStringLiteral("1\n2\n"));

    const RecordLayout &layout = *Layouts::byArchiveName(archive);
    const QByteArray bytes = folder.read(file);
    QCOMPARE(bytes.size(), 2 * layout.recordSize());
    Record expected(layout);
    expected.setValue(field, given);
    QCOMPARE(bytes.left(layout.recordSize()), expected.encode()); // byte-exact against the layout
    QCOMPARE(bytes.mid(layout.recordSize()), QByteArray(layout.recordSize(), '\0'));

    const Run dump = cli(withFolder(folder, QStringList{"dump"} + args));
    QCOMPARE(dump.status, 0);
    const QJsonArray records = QJsonDocument::fromJson(dump.out.toUtf8()).array();
    QCOMPARE(records.size(), 2);
    const QJsonObject first = records.at(0).toObject();
    QCOMPARE(first.value("position").toInt(), 1);
    QCOMPARE(first.size(), layout.fieldCount() + 1);
    QCOMPARE(first.value(field).toString(), dumped);
    QCOMPARE(records.at(1).toObject().value("position").toInt(), 2);
}

void TestCli::dumpReadsForeignRecordsExactly()
{
    // Records written by another program: blanks kept in the dump, an oversized length byte
    // read as the capacity, a char array without its zero read to the field's end.
    TestFolder folder;
    const RecordLayout &eq = Layouts::equipment();
    QByteArray rec(eq.recordSize(), '\0');
    rec[0] = 4;
    rec.replace(1, 4, " A1 ");
    rec[eq.offset(2)] = char(99); // Euro, capacity 15
    rec.replace(eq.offset(2) + 1, 16, "1234567890123456");
    folder.write("Attrezzature.pro", rec);
    QJsonObject o =
        QJsonDocument::fromJson(cli(withFolder(folder, {"dump", "equipment"})).out.toUtf8()).array().at(0).toObject();
    QCOMPARE(o.value("Codice").toString(), QStringLiteral(" A1 "));
    QCOMPARE(o.value("Euro").toString(), QStringLiteral("123456789012345"));

    const RecordLayout &j = Layouts::journal();
    QByteArray page(j.recordSize(), '\0');
    page.replace(j.offset(1), 11, "01/02/2026X");
    page.replace(j.offset(2), 5, "Caf\xE9!");
    folder.write("Scuola.cnt", page);
    o = QJsonDocument::fromJson(cli(withFolder(folder, {"dump", "journal", "Scuola"})).out.toUtf8())
            .array()
            .at(0)
            .toObject();
    QCOMPARE(o.value("Data").toString(), QStringLiteral("01/02/2026X"));
    QCOMPARE(o.value("Committente").toString(), QStringLiteral("Café!"));
}

void TestCli::journalCommandsNeedAnExistingJournal_data()
{
    QTest::addColumn<QStringList>("args"); // NAME stands for the journal
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    const QList<QPair<const char *, QStringList>> commands = {
        {"dump", {"dump", "journal", "NAME"}},
        {"search", {"search", "journal", "NAME", "--Oggetto=x"}},
        {"append", {"append", "journal", "NAME"}},
        {"rtf", {"rtf", "NAME", "1"}},
        {"pdf page", {"pdf", "journal", "NAME", "1", "out.pdf"}},
        {"pdf all", {"pdf", "journal", "NAME", "all", "out.pdf"}},
    };
    // A missing journal is a file that cannot be accessed; a name the creation refuses is its warning.
    const QList<QPair<QString, int>> names = {
        {"Typo", 3}, {"../fuori", 1}, {"sotto/fuori", 1}, {"..", 1}, {"a\nb", 1}, {"a\tb", 1}, {" ", 1},
    };
    for (const auto &[command, args] : commands)
        for (const auto &[name, status] : names)
            QTest::addRow("%s, \"%s\"", command, qPrintable(QString(name).replace('\n', "\\n").replace('\t', "\\t")))
                << args << name << status;
}

void TestCli::journalCommandsNeedAnExistingJournal()
{
    QFETCH(QStringList, args);
    QFETCH(QString, name);
    QFETCH(int, status);
    TestFolder outer;
    QVERIFY(QDir(outer.path()).mkdir("programma"));
    QVERIFY(QDir(outer.path()).mkdir("sotto"));
    const QString program = outer.file("programma");
    args.replace(args.indexOf("NAME"), name);
    for (QString &arg : args)
        if (arg == QLatin1String("out.pdf"))
            arg = outer.file("out.pdf");
    const Run r = cli(QStringList{"--folder", program} + args, "[{}]");
    QCOMPARE(r.status, status);
    QVERIFY(r.out.isEmpty());
    if (status == 3)
        QVERIFY2(r.err.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(r.err));
    else
        QVERIFY2(r.err.startsWith(QLatin1String("Attenzione: ")), qPrintable(r.err));
    // Nothing created, neither in the program folder nor beside it.
    QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(outer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"programma", "sotto"}));
    QCOMPARE(QDir(outer.file("sotto")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::newRow("no command") << QStringList{} << QByteArray() << 2;
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << QByteArray() << 2;
    QTest::newRow("unknown option") << QStringList{"--colour", "dump", "workers"} << QByteArray() << 2;
    QTest::newRow("missing journal name") << QStringList{"dump", "journal"} << QByteArray() << 2;
    QTest::newRow("bad today") << QStringList{"--today", "31/02/2026", "dump", "workers"} << QByteArray() << 2;
    QTest::newRow("unknown summary") << QStringList{"summary", "contratti"} << QByteArray() << 2;
    QTest::newRow("export without archive") << QStringList{"export"} << QByteArray() << 2;
    QTest::newRow("total with argument") << QStringList{"total", "x"} << QByteArray() << 2;
    QTest::newRow("card position not a number") << QStringList{"pdf", "equipment", "uno", "x.pdf"} << QByteArray() << 2;
    QTest::newRow("unknown equipment filter") << QStringList{"search", "equipment", "--Euro=1"} << QByteArray() << 2;
    QTest::newRow("input not an array") << QStringList{"append", "workers"} << QByteArray("{}") << 2;
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    TestFolder folder;
    const Run r = cli(withFolder(folder, args), input);
    QCOMPARE(r.status, status);
    QVERIFY(!r.err.isEmpty());
    QVERIFY(!QFile::exists(folder.file("Dipendenti.pro")));
}

void TestCli::concurrentAppendsLoseNothing()
{
    TestFolder folder;
    QJsonArray a, b;
    for (int i = 0; i < 300; ++i) {
        a.append(QJsonObject{{"Cognome", QStringLiteral("A%1").arg(i)}});
        b.append(QJsonObject{{"Cognome", QStringLiteral("B%1").arg(i)}});
    }
    QProcess first, second;
    const QStringList args = withFolder(folder, {"append", "workers"});
    first.start(CliRunner::programPath(), args);
    second.start(CliRunner::programPath(), args);
    QVERIFY(first.waitForStarted() && second.waitForStarted());
    first.write(QJsonDocument(a).toJson());
    second.write(QJsonDocument(b).toJson());
    first.closeWriteChannel();
    second.closeWriteChannel();
    QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    const QByteArray bytes = folder.read("Dipendenti.pro");
    const int R = Layouts::workers().recordSize();
    QCOMPARE(bytes.size(), 600 * R);
    QSet<QString> names;
    for (int p = 0; p < 600; ++p)
        names.insert(Record::decodeField(Layouts::workers(), bytes.constData() + p * R, 0));
    QCOMPARE(names.size(), 600);
    // Each process printed its own positions, and together they cover 1..600 once.
    QSet<int> positions;
    for (QProcess *proc : {&first, &second})
        for (const QByteArray &line : proc->readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                positions.insert(line.toInt());
    QCOMPARE(positions.size(), 600);
    QCOMPARE(*std::min_element(positions.begin(), positions.end()), 1);
    QCOMPARE(*std::max_element(positions.begin(), positions.end()), 600);
}

namespace {

// A small inventory: today is 10/06/2024 for the summaries.
const QJsonArray &inventory()
{
    static const QJsonArray items = {
        QJsonObject{{"Codice", "b2"},
                    {"Marca", "Bosch"},
                    {"Euro", "1250,00"},
                    {"DataSca", "20/06/2024"},
                    {"Preavviso", "10"},
                    {"Effettuata", "No"},
                    {"Ditta", "Edil Forniture"},
                    {"Note", "a\r\nb"}},
        QJsonObject{{"Codice", "A1"},
                    {"Marca", "Hilti"},
                    {"Euro", "12,50"},
                    {"DataSca", "09/06/2024"},
                    {"Preavviso", "0"},
                    {"Effettuata", "No"},
                    {"TelAss", "06 123"}},
        QJsonObject{{"Codice", "a3"},
                    {"Euro", "0,125"},
                    {"DataSca", "01/01/2020"},
                    {"Preavviso", "0"},
                    {"Effettuata", QStringLiteral("Sì")},
                    {"Ditta", "EDIL sud"}},
        QJsonObject{{"Codice", "c4"}, {"Euro", "1,2,3"}, {"DataSca", "non letta"}, {"Effettuata", "No"}},
    };
    return items;
}

QString line(const QString &code, const QString &make, const QString &due, const QString &tel, const QString &note)
{
    return "Cod. " + code.leftJustified(25) + "  " + make.leftJustified(30) + "  Scad. " + due.leftJustified(10) +
        "  Tel. ass. " + tel.leftJustified(15) + " Note: " + note;
}

QString valueLine(const QString &code, const QString &make, const QString &tel, const QString &value,
                  const QString &note)
{
    return "Cod. " + code.leftJustified(25) + "  " + make.leftJustified(30) + "  Tel. ass. " + tel.leftJustified(15) +
        QStringLiteral("  Valore: € ") + value.leftJustified(12) + "  " + note;
}

// Three workers appended through the command line itself.
void appendWorkers(const TestFolder &folder)
{
    const QByteArray input = R"([
        {"Cognome": "Rossi", "Nome": "Mario", "Codice": "Autista", "Familiari": "lun-ven",
         "Scadenza": "20/06/2024", "Preavviso": "10", "Note": "riga uno\nriga due"},
        {"Cognome": "Grossi", "Nome": "Anna", "Codice": "Muratore", "Scadenza": "31/02/2024", "Preavviso": "0"},
        {"Cognome": "Bianchi", "Nome": "Luca", "Codice": "autista", "Scadenza": "1/6/2024", "Preavviso": "0",
         "Acquisto": "Stagionale"}
    ])";
    QCOMPARE(cli(withFolder(folder, {"append", "workers"}), input).out, QStringLiteral("1\n2\n3\n"));
}

} // namespace

void TestCli::equipmentLists_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("lines");
    const QString b2 = line("b2", "Bosch", "20/06/2024", "", "a  b");
    const QString a1 = line("A1", "Hilti", "09/06/2024", "06 123", "");
    const QString a3 = line("a3", "", "01/01/2020", "", "");
    QTest::newRow("search by supplier") << QStringList{"search", "equipment", "--Ditta=edil"}
                                        << QStringList{a3, b2, "Il presente riepilogo contiene 2 schede."};
    QTest::newRow("search, no filter") << QStringList{"search", "equipment"}
                                       << QStringList{a1, a3, b2, line("c4", "", "non letta", "", ""),
                                                      "Il presente riepilogo contiene 4 schede."};
    QTest::newRow("due or overdue") << QStringList{"--today", "10/06/2024", "summary", "revisions"}
                                    << QStringList{a1, b2};
    QTest::newRow("overdue") << QStringList{"--today", "10/06/2024", "summary", "overdue"} << QStringList{a1};
    QTest::newRow("overdue a day later") << QStringList{"--today", "21/06/2024", "summary", "overdue"}
                                         << QStringList{a1, b2};
    QTest::newRow("total") << QStringList{"total"}
                           << QStringList{valueLine("A1", "Hilti", "06 123", "12,50", ""),
                                          valueLine("a3", "", "", "0,125", ""),
                                          valueLine("b2", "Bosch", "", "1250,00", "a  b"),
                                          valueLine("c4", "", "", "1,2,3", ""), QStringLiteral("€ 1262,625")};
}

void TestCli::equipmentLists()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, lines);
    TestFolder folder;
    QCOMPARE(cli(withFolder(folder, {"append", "equipment"}), QJsonDocument(inventory()).toJson()).status, 0);
    const Run r = cli(withFolder(folder, args));
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, lines.join('\n') + '\n');
}

void TestCli::equipmentExportAndCard()
{
    TestFolder folder;
    QCOMPARE(cli(withFolder(folder, {"append", "equipment"}), QJsonDocument(inventory()).toJson()).status, 0);

    // The same file as the export screen writes from its grid.
    const SheetDesign &design = EquipmentSheet::design();
    QList<QStringList> rows;
    QVERIFY(Spreadsheet::gridRows(folder.file("Attrezzature.pro"), design, &rows));
    QVERIFY(Spreadsheet::write(folder.file("atteso.xls"), design, Spreadsheet::shownRows(rows, design)));
    const Run exported = cli(withFolder(folder, {"export", "equipment"}));
    QCOMPARE(exported.status, 0);
    QCOMPARE(exported.out, folder.file("Attrezzature.xls") + '\n');
    QCOMPARE(folder.read("Attrezzature.xls"), folder.read("atteso.xls"));
    QVERIFY(folder.read("Attrezzature.xls").contains("<td style=\"text-align: left;\">S\xEC</td>\r\n"));

    // A file in the way that cannot be replaced.
    QVERIFY(QFile::remove(folder.file("Attrezzature.xls")));
    QVERIFY(QDir(folder.path()).mkdir("Attrezzature.xls"));
    const Run refused = cli(withFolder(folder, {"export", "equipment"}));
    QCOMPARE(refused.status, 3);
    QCOMPARE(refused.err,
             QStringLiteral("Attenzione: il sistema non permette di esportare i "
                            "dati.\n\nAccertarsi che il file di Excel non sia già aperto.\n"));
    QVERIFY(refused.out.isEmpty());

    const QString pdf = folder.file("scheda.pdf");
    const Run card = cli(withFolder(folder, {"pdf", "equipment", "2", pdf}));
    QCOMPARE(card.status, 0);
    const QByteArray bytes = Fixtures::readFile(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(Fixtures::countPdfPages(bytes), 1);

    const Run missing = cli(withFolder(folder, {"pdf", "equipment", "5", folder.file("no.pdf")}));
    QCOMPARE(missing.status, 3);
    QVERIFY(missing.err.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
    QVERIFY(!QFile::exists(folder.file("no.pdf")));
}

void TestCli::workerCommands_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("firstWords"); // of each output line
    QTest::newRow("search, no filter") << QStringList{"search", "workers"} << 0
                                       << QStringList{"Bianchi", "Grossi", "Rossi", "Il"};
    QTest::newRow("search, two filters") << QStringList{"search", "workers", "--Codice=AUTISTA", "--Familiari=lun"} << 0
                                         << QStringList{"Rossi", "Il"};
    QTest::newRow("search, blank kept in the key")
        << QStringList{"search", "workers", "--Cognome=ross "} << 0 << QStringList{"Il"};
    QTest::newRow("search, unknown field") << QStringList{"search", "workers", "--Sesso=M"} << 2 << QStringList{};
    QTest::newRow("contracts on 10/06/2024")
        << QStringList{"--today", "10/06/2024", "summary", "contracts"} << 0 << QStringList{"Bianchi", "Rossi"};
    QTest::newRow("contracts on 09/06/2024")
        << QStringList{"--today", "9/6/2024", "summary", "contracts"} << 0 << QStringList{"Bianchi"};
    QTest::newRow("contracts, extra argument") << QStringList{"summary", "contracts", "x"} << 2 << QStringList{};
    QTest::newRow("card of no record") << QStringList{"pdf", "worker", "4", "out.pdf"} << 3 << QStringList{};
    QTest::newRow("card, bad position") << QStringList{"pdf", "worker", "0", "out.pdf"} << 2 << QStringList{};
}

void TestCli::workerCommands()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QStringList, firstWords);
    TestFolder folder;
    appendWorkers(folder);
    const Run run = cli(withFolder(folder, args));
    QCOMPARE(run.status, status);
    if (status != 0) {
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
        return;
    }
    QStringList words;
    for (const QString &line : run.out.split('\n', Qt::SkipEmptyParts))
        words << line.section(' ', 0, 0);
    QCOMPARE(words, firstWords);
    // The note's line break is a blank in the listed line: one worker, one line.
    if (args.contains("search") && words.contains("Rossi"))
        QVERIFY(run.out.contains("Note: riga uno riga due\n"));
}

void TestCli::workerExportAndCard()
{
    TestFolder folder;
    appendWorkers(folder);
    const Run exported = cli(withFolder(folder, {"export", "workers"}));
    QCOMPARE(exported.status, 0);
    QCOMPARE(exported.out, folder.file("Personale_Interno.xls").toUtf8() + "\n");
    const QByteArray sheet = folder.read("Personale_Interno.xls");
    QCOMPARE(sheet.count("\r\n"), 54 + 3 * 27 + 3);
    QVERIFY(sheet.contains("<td style=\"text-align: left;\">Bianchi Luca</td>\r\n"));
    QVERIFY(!sheet.contains("Stagionale")); // contract data never reach the file

    const Run card = cli(withFolder(folder, {"pdf", "worker", "3", folder.file("scheda.pdf")}));
    QCOMPARE(card.status, 0);
    QCOMPARE(Fixtures::countPdfPages(folder.read("scheda.pdf")), 1);
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
