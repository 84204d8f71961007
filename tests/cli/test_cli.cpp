#include "CliRunner.h"
#include "TestFolder.h"

#include "archive/ArchiveFile.h"
#include "foundation/ProgramFolder.h"
#include "archive/Record.h"

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
    void concurrentAppendsLoseNothing();
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
        << "Annotazioni" << "  riga uno\r\nriga due  " << "  riga uno\r\nriga due  ";
    QTest::newRow("equipment trims") << "equipment" << QStringList{"equipment"} << "Attrezzature.pro"
        << "Codice" << "  GRU-01  " << "GRU-01";
    QTest::newRow("workers: accents and ?") << "workers" << QStringList{"workers"} << "Dipendenti.pro"
        << "Cognome" << QStringLiteral("Niccolò Ωmega") << QStringLiteral("Niccolò ?mega");
    QTest::newRow("cut to capacity") << "workers" << QStringList{"workers"} << "Dipendenti.pro"
        << "Sesso" << "MF" << "M";
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
    QJsonObject o = QJsonDocument::fromJson(cli(withFolder(folder, {"dump", "equipment"})).out.toUtf8()).array().at(0).toObject();
    QCOMPARE(o.value("Codice").toString(), QStringLiteral(" A1 "));
    QCOMPARE(o.value("Euro").toString(), QStringLiteral("123456789012345"));

    const RecordLayout &j = Layouts::journal();
    QByteArray page(j.recordSize(), '\0');
    page.replace(j.offset(1), 11, "01/02/2026X");
    page.replace(j.offset(2), 5, "Caf\xE9!");
    folder.write("Scuola.cnt", page);
    o = QJsonDocument::fromJson(cli(withFolder(folder, {"dump", "journal", "Scuola"})).out.toUtf8()).array().at(0).toObject();
    QCOMPARE(o.value("Data").toString(), QStringLiteral("01/02/2026X"));
    QCOMPARE(o.value("Committente").toString(), QStringLiteral("Café!"));
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

QTEST_MAIN(TestCli)
#include "test_cli.moc"
