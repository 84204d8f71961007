#include "ScriptedDialogs.h"
#include "StandInEditor.h"
#include "TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/ui/BrowseEdit.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

const QString kAccess =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

using EditorScreen = StandInEditor;

QByteArray recordWith(const RecordLayout &layout, int field, const QString &text)
{
    Record r(layout);
    r.setValue(field, text);
    return r.encode();
}

const RecordLayout *layoutNamed(const QString &name) { return Layouts::byArchiveName(name); }

} // namespace

class TestArchive : public QObject {
    Q_OBJECT
private slots:
    void programFolderLocation_data();
    void programFolderLocation();
    void installedFolderStartsWithTheStarterFiles();
    void layoutOffsets_data();
    void layoutOffsets();
    void cp1252_data();
    void cp1252();
    void trimBlanks_data();
    void trimBlanks();
    void messageLines_data();
    void messageLines();
    void storeConversions_data();
    void storeConversions();
    void readersStayInsideTheirField();
    void multiLineTextsKeepCrLf();

    void openRuleCreatesOnlyMissingFiles();
    void existingUnreadableArchiveIsNeverRecreated();
    void appendAfterIncompleteRecordStaysAligned();
    void overwriteChangesOneRecordOnly();
    void scanVisitsEveryWholeRecord();

    void browseOnEmptyArchive_data();
    void browseOnEmptyArchive();
    void browseAtTheEnds_data();
    void browseAtTheEnds();
    void newRecordGoesToFirstBothWays_data();
    void newRecordGoesToFirstBothWays();
    void saveAppendsThenOverwrites_data();
    void saveAppendsThenOverwrites();
    void duplicateKeepsFieldsAndClearsAttachments();
    void failuresShowTheAccessMessage_data();
    void failuresShowTheAccessMessage();
};

void TestArchive::layoutOffsets_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("offsets");
    QTest::newRow("journal") << "journal" << 12179
                             << QList<int>{0,    51,    62,    313,   564,   815,   1066,  1317,  1568, 4569,
                                           7570, 10571, 10622, 10673, 10924, 11175, 11426, 11677, 11928};
    QTest::newRow("equipment") << "equipment" << 3448
                               << QList<int>{0,    31,   82,   98,   149,  400,  451,  502,  553,  804,
                                             1055, 1066, 1117, 1168, 1199, 1210, 1214, 1265, 1386, 1437,
                                             1688, 1939, 1942, 2193, 2444, 2695, 2946, 3197};
    QTest::newRow("workers") << "workers" << 4043
                             << QList<int>{0,    51,   102,  119,  121,  132,  183,  186,  198,  249,  255,  306,  309,
                                           360,  611,  662,  713,  764,  815,  866,  917,  1168, 1219, 1247, 1298, 1349,
                                           1400, 1411, 1662, 1783, 2034, 2085, 2136, 2187, 2198, 2209, 2240, 2291, 2342,
                                           2393, 2404, 2415, 2419, 2435, 2486, 2537, 2788, 3039, 3290, 3541, 3792};
}

void TestArchive::layoutOffsets()
{
    QFETCH(QString, archive);
    QFETCH(int, size);
    QFETCH(QList<int>, offsets);
    const RecordLayout *layout = layoutNamed(archive);
    QVERIFY(layout);
    QCOMPARE(layout->recordSize(), size);
    QCOMPARE(layout->fieldCount(), offsets.size());
    for (int i = 0; i < offsets.size(); ++i)
        QCOMPARE(layout->offset(i), offsets.at(i));
}

void TestArchive::cp1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "Via Roma 1" << QByteArray("Via Roma 1");
    QTest::newRow("accents") << QStringLiteral("perché è già") << QByteArray("perch\xE9 \xE8 gi\xE0");
    QTest::newRow("euro and quotes") << QStringLiteral("€ “x” – …") << QByteArray("\x80 \x93x\x94 \x96 \x85");
    QTest::newRow("greek is ?") << QStringLiteral("αβ") << QByteArray("??");
    QTest::newRow("outside the BMP is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("undefined 0x81 round-trips") << QString(QChar(0x81)) << QByteArray("\x81");
}

void TestArchive::cp1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Text::toCp1252(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(Text::fromCp1252(bytes), text);
}

void TestArchive::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("blanks") << "  a b  "
                            << "a b";
    QTest::newRow("controls") << "\t\r\na\x01"
                              << "a";
    QTest::newRow("only blanks") << "   "
                                 << "";
    QTest::newRow("no-break space stays") << QStringLiteral("\u00A0a") << QStringLiteral("\u00A0a");
}

void TestArchive::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(Text::trimBlanks(text), trimmed);
}

void TestArchive::storeConversions_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored"); // the field's bytes up to its capacity + 1
    QTest::addColumn<QString>("loaded");
    QTest::newRow("journal keeps blanks") << "journal"
                                          << "Numero"
                                          << "  12 " << QByteArray("  12 \0", 6) << "  12 ";
    QTest::newRow("equipment trims") << "equipment"
                                     << "Codice"
                                     << "  A1 "
                                     << QByteArray("\x02"
                                                   "A1",
                                                   3)
                                     << "A1";
    QTest::newRow("workers trims") << "workers"
                                   << "Sesso"
                                   << " M " << QByteArray("\x01M", 2) << "M";
    QTest::newRow("cut to capacity (string)") << "workers"
                                              << "Sesso"
                                              << "MF" << QByteArray("\x01M", 2) << "M";
    QTest::newRow("full char array has no zero") << "journal"
                                                 << "Data"
                                                 << "01/02/20255" << QByteArray("01/02/2025\0", 11) << "01/02/2025";
    QTest::newRow("Si as stored") << "equipment"
                                  << "Effettuata" << QStringLiteral("Sì") << QByteArray("\x02S\xEC", 3)
                                  << QStringLiteral("Sì");
}

void TestArchive::storeConversions()
{
    QFETCH(QString, archive);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, loaded);
    const RecordLayout &layout = *layoutNamed(archive);
    const int i = layout.indexOf(field);
    const QByteArray bytes = recordWith(layout, i, typed);
    QCOMPARE(bytes.size(), layout.recordSize());
    QCOMPARE(bytes.mid(layout.offset(i), stored.size()), stored);
    QCOMPARE(Record::decodeField(layout, bytes.constData(), i), loaded);
}

void TestArchive::readersStayInsideTheirField()
{
    // A length byte larger than the capacity reads capacity characters; a char array with no zero
    // ends at its field's end, never running into the next field.
    const RecordLayout &eq = Layouts::equipment();
    QByteArray bytes(eq.recordSize(), 'x');
    bytes[0] = char(200); // Codice has capacity 30
    QCOMPARE(Record::decodeField(eq, bytes.constData(), 0, true), QString(30, QLatin1Char('x')));

    const RecordLayout &j = Layouts::journal();
    QByteArray page(j.recordSize(), 'y');
    QCOMPARE(Record::decodeField(j, page.constData(), 1), QString(11, QLatin1Char('y')));
}

void TestArchive::multiLineTextsKeepCrLf()
{
    // The 3000 characters of a long text count each CR LF as two.
    QString typed;
    for (int i = 0; i < 1000; ++i)
        typed += QStringLiteral("ab\n");
    const RecordLayout &j = Layouts::journal();
    const int field = j.indexOf(u"Annotazioni");
    const QByteArray bytes = recordWith(j, field, Text::toCrLf(typed));
    const QString stored = Record::decodeField(j, bytes.constData(), field);
    QCOMPARE(stored.size(), 3000);
    QVERIFY(stored.startsWith(QStringLiteral("ab\r\nab\r\n")));
    QCOMPARE(Text::fromCrLf(stored).left(6), QStringLiteral("ab\nab\n"));
}

void TestArchive::openRuleCreatesOnlyMissingFiles()
{
    TestFolder folder;
    ArchiveFile missing(folder.file("Nuovo.cnt"), 12179);
    QVERIFY(missing.open());
    qint64 n = -1;
    QVERIFY(missing.count(&n));
    QCOMPARE(n, 0);
    missing.close();
    QVERIFY(QFile::exists(folder.file("Nuovo.cnt")));

    folder.write("Pieno.pro", QByteArray(3448 * 2, 'a'));
    ArchiveFile existing(folder.file("Pieno.pro"), 3448);
    QVERIFY(existing.open());
    QVERIFY(existing.count(&n));
    QCOMPARE(n, 2);
}

void TestArchive::existingUnreadableArchiveIsNeverRecreated()
{
    // A name that exists but cannot be opened for writing (here a folder, which even root cannot
    // open so) is a failure: the open rule never replaces what is there.
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Dipendenti.pro")));
    QDir(folder.file("Dipendenti.pro")).mkdir(QStringLiteral("dentro"));
    ArchiveFile file(Archives::workersPath(), 4043);
    QVERIFY(!file.open());
    QVERIFY(QFileInfo(folder.file("Dipendenti.pro")).isDir());
    QVERIFY(QFileInfo::exists(folder.file("Dipendenti.pro/dentro")));
}

void TestArchive::appendAfterIncompleteRecordStaysAligned()
{
    TestFolder folder;
    const int R = Layouts::equipment().recordSize();
    folder.write("Attrezzature.pro", QByteArray(R, 'a') + QByteArray(100, 'b')); // a torn write
    ArchiveFile file(Archives::equipmentPath(), R);
    QVERIFY(file.open());
    const QByteArray record = recordWith(Layouts::equipment(), 0, QStringLiteral("NUOVO"));
    QCOMPARE(file.append(record), 2);
    file.close();
    const QByteArray all = folder.read("Attrezzature.pro");
    QCOMPARE(all.size(), 2 * R);
    QCOMPARE(all.mid(R), record);
}

void TestArchive::overwriteChangesOneRecordOnly()
{
    TestFolder folder;
    const int R = Layouts::journal().recordSize();
    ArchiveFile file(folder.file("J.cnt"), R);
    QVERIFY(file.open());
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(file.append(recordWith(Layouts::journal(), 0, QString::number(i))), i);
    QVERIFY(file.write(7, recordWith(Layouts::journal(), 0, QStringLiteral("sette"))));
    qint64 n = 0;
    QVERIFY(file.count(&n));
    QCOMPARE(n, 9);
    QByteArray bytes;
    QVERIFY(file.read(7, &bytes));
    QCOMPARE(Record::decodeField(Layouts::journal(), bytes.constData(), 0), QStringLiteral("sette"));
    QVERIFY(file.read(8, &bytes));
    QCOMPARE(Record::decodeField(Layouts::journal(), bytes.constData(), 0), QStringLiteral("8"));
    QVERIFY(!file.read(10, &bytes));
    QVERIFY(!file.isOpen()); // a failure leaves nothing open
}

void TestArchive::scanVisitsEveryWholeRecord()
{
    TestFolder folder;
    const int R = Layouts::workers().recordSize();
    QByteArray content;
    for (int i = 1; i <= 7; ++i)
        content += recordWith(Layouts::workers(), 0, QString::number(i));
    folder.write("Dipendenti.pro", content + QByteArray(10, 'z'));
    ArchiveFile file(Archives::workersPath(), R);
    QVERIFY(file.open());
    QStringList seen;
    QVERIFY(file.scan(
        [&](qint64 p, const char *rec) {
            seen << QString::number(p) + QLatin1Char(':') + Record::decodeField(Layouts::workers(), rec, 0);
            return true;
        },
        3)); // blocks of 3 records: the last block is partial
    QCOMPARE(seen, QStringList({"1:1", "2:2", "3:3", "4:4", "5:5", "6:6", "7:7"}));
}

// ---- the browse/edit protocol, on each of the three layouts ----

namespace {
void addLayoutRows()
{
    QTest::addColumn<QString>("archive");
    QTest::newRow("journal") << "journal";
    QTest::newRow("equipment") << "equipment";
    QTest::newRow("workers") << "workers";
}

QString pathFor(const QString &archive)
{
    if (archive == QLatin1String("journal"))
        return Archives::journalPath(QStringLiteral("Cantiere"));
    return archive == QLatin1String("equipment") ? Archives::equipmentPath() : Archives::workersPath();
}

void appendRecords(const QString &archive, int count)
{
    const RecordLayout &layout = *layoutNamed(archive);
    ArchiveFile file(pathFor(archive), layout.recordSize());
    QVERIFY(file.open());
    for (int i = 1; i <= count; ++i)
        QVERIFY(file.append(recordWith(layout, 0, QStringLiteral("R%1").arg(i))) == i);
}
} // namespace

void TestArchive::browseOnEmptyArchive_data() { addLayoutRows(); }

void TestArchive::browseOnEmptyArchive()
{
    QFETCH(QString, archive);
    TestFolder folder;
    ScriptedDialogs dialogs;
    EditorScreen screen(*layoutNamed(archive), pathFor(archive), MessageKind::Error);

    screen.browse->cmdPrimo();
    screen.browse->cmdUltimo();
    screen.lblPosizione->setText(QStringLiteral("3"));
    screen.browse->cmdAvanti();
    QCOMPARE(screen.position(), QString()); // Next also empties the position
    screen.browse->cmdIndietro();
    screen.lblPosizione->setText(QStringLiteral("1"));
    screen.browse->cmdIndietro(); // from "1": nothing, not even on an empty archive
    QCOMPARE(dialogs.messages(), QStringList({kEmpty, kEmpty, kEmpty, kEmpty}));
    QCOMPARE(dialogs.texts("information").size(), 4);
    QVERIFY(QFile::exists(pathFor(archive))); // the open rule created it
}

void TestArchive::browseAtTheEnds_data() { addLayoutRows(); }

void TestArchive::browseAtTheEnds()
{
    QFETCH(QString, archive);
    TestFolder folder;
    appendRecords(archive, 3);
    ScriptedDialogs dialogs;
    EditorScreen screen(*layoutNamed(archive), pathFor(archive), MessageKind::Error);

    screen.browse->cmdUltimo();
    QCOMPARE(screen.position(), QStringLiteral("3"));
    QCOMPARE(screen.get(screen.first), QStringLiteral("R3"));
    screen.browse->cmdAvanti();
    QCOMPARE(screen.position(), QStringLiteral("3"));
    screen.browse->cmdIndietro();
    QCOMPARE(screen.get(screen.first), QStringLiteral("R2"));
    screen.browse->cmdPrimo();
    QCOMPARE(screen.position(), QStringLiteral("1"));
    screen.browse->cmdIndietro();
    QCOMPARE(screen.position(), QStringLiteral("1"));
    QCOMPARE(screen.get(screen.first), QStringLiteral("R1"));
    screen.browse->cmdAvanti();
    QCOMPARE(screen.get(screen.first), QStringLiteral("R2"));
    QVERIFY(dialogs.messages().isEmpty());
}

void TestArchive::newRecordGoesToFirstBothWays_data()
{
    QTest::addColumn<bool>("forward");
    QTest::newRow("next") << true;
    QTest::newRow("previous") << false;
}

void TestArchive::newRecordGoesToFirstBothWays()
{
    QFETCH(bool, forward);
    TestFolder folder;
    appendRecords("workers", 4);
    ScriptedDialogs dialogs;
    EditorScreen screen(Layouts::workers(), Archives::workersPath(), MessageKind::Error);
    screen.browse->cmdUltimo();
    screen.browse->cmdNuovo();
    QCOMPARE(screen.position(), QString());
    forward ? screen.browse->cmdAvanti() : screen.browse->cmdIndietro();
    QCOMPARE(screen.position(), QStringLiteral("1"));
    QCOMPARE(screen.get("Cognome"), QStringLiteral("R1"));
}

void TestArchive::saveAppendsThenOverwrites_data() { addLayoutRows(); }

void TestArchive::saveAppendsThenOverwrites()
{
    QFETCH(QString, archive);
    TestFolder folder;
    const RecordLayout &layout = *layoutNamed(archive);
    ScriptedDialogs dialogs;
    EditorScreen screen(layout, pathFor(archive), MessageKind::Error);

    // Into a missing archive: created, position 1.
    screen.fillFirst(QStringLiteral("  primo  "));
    screen.browse->cmdSalva();
    QCOMPARE(screen.position(), QStringLiteral("1"));
    QCOMPARE(dialogs.lastMessage(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QCOMPARE(screen.get(screen.first), QStringLiteral("  primo  ")); // the screen keeps what was typed

    screen.browse->cmdNuovo();
    screen.fillFirst(QStringLiteral("secondo"));
    screen.browse->cmdSalva();
    QCOMPARE(screen.position(), QStringLiteral("2"));

    screen.browse->cmdPrimo();
    screen.fillFirst(QStringLiteral("primo bis"));
    screen.browse->cmdSalva();
    QCOMPARE(screen.position(), QStringLiteral("1"));
    QCOMPARE(dialogs.lastMessage(),
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));

    QFile file(pathFor(archive));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 2 * layout.recordSize());
    QCOMPARE(Record::decodeField(layout, bytes.constData(), 0), QStringLiteral("primo bis"));
    QCOMPARE(Record::decodeField(layout, bytes.constData() + layout.recordSize(), 0), QStringLiteral("secondo"));
}

void TestArchive::duplicateKeepsFieldsAndClearsAttachments()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    EditorScreen screen(Layouts::journal(), pathFor("journal"), MessageKind::Plain);
    screen.browse->cmdDuplica();
    QCOMPARE(dialogs.lastKind(), QStringLiteral("warning"));
    QCOMPARE(dialogs.lastMessage(),
             QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                            "soltanto dopo che questa è stata inserita in archivio."));

    screen.fillFirst(QStringLiteral("N. 4"));
    screen.set("File01", QStringLiteral("foto.jpg"));
    screen.set("Desc01", QStringLiteral("Foto"));
    screen.browse->cmdSalva();
    screen.browse->cmdDuplica();
    QCOMPARE(screen.position(), QString());
    QCOMPARE(screen.get("Numero"), QStringLiteral("N. 4"));
    QCOMPARE(screen.get("File01"), QString());
    QCOMPARE(screen.get("Desc01"), QString());
    QCOMPARE(dialogs.lastKind(), QStringLiteral("information"));
    screen.browse->cmdSalva();
    QCOMPARE(screen.position(), QStringLiteral("2"));
    QVERIFY(screen.browse->load(1));
    QCOMPARE(screen.get("File01"), QStringLiteral("foto.jpg")); // the source is unchanged
}

void TestArchive::failuresShowTheAccessMessage_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("saveFailureKind");
    QTest::addColumn<QString>("kind");
    QTest::newRow("not a number, journal") << "x" << int(MessageKind::Plain) << "plain";
    QTest::newRow("not a number, registry") << "x" << int(MessageKind::Error) << "error";
}

void TestArchive::failuresShowTheAccessMessage()
{
    QFETCH(QString, position);
    QFETCH(int, saveFailureKind);
    QFETCH(QString, kind);
    TestFolder folder;
    appendRecords("journal", 2);
    ScriptedDialogs dialogs;
    EditorScreen screen(Layouts::journal(), pathFor("journal"), MessageKind(saveFailureKind));
    screen.fillFirst(QStringLiteral("x"));
    screen.lblPosizione->setText(position);
    screen.browse->cmdSalva();
    QCOMPARE(dialogs.lastKind(), kind);
    QCOMPARE(dialogs.lastMessage(), kAccess);
    screen.browse->cmdAvanti();
    QCOMPARE(dialogs.lastKind(), QStringLiteral("error"));
    QCOMPARE(dialogs.lastMessage(), kAccess);
    QCOMPARE(QFile(pathFor("journal")).size(), 2 * 12179); // nothing written
}

// A message shows each of its line breaks as one: the LF CR pairs of some messages too.
void TestArchive::messageLines_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("LF CR LF CR") << QStringLiteral("a\n\r\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("CR LF CR LF") << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("one line") << QStringLiteral("a b") << QStringLiteral("a b");
}

void TestArchive::messageLines()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(Text::messageLines(message), shown);
}

namespace {
// An installation prefix (usr/bin beside usr/share/cantilog with its password store), a bin/
// folder of another prefix without one, and a folder holding a copy run from its own folder.
struct InstallTree {
    TestFolder root;
    InstallTree()
    {
        QDir(root.path()).mkpath(QStringLiteral("usr/bin"));
        QDir(root.path()).mkpath(QStringLiteral("usr/share/cantilog"));
        QDir(root.path()).mkpath(QStringLiteral("opt/bin"));
        QDir(root.path()).mkpath(QStringLiteral("chiavetta"));
        root.write(QStringLiteral("usr/share/cantilog/unins000.dll"), "[Accesso]\nValore=00\n");
        root.write(QStringLiteral("usr/share/cantilog/Guida.pdf"), "%PDF guida");
    }
    QString at(const QString &relative) const { return relative.isEmpty() ? QString() : root.file(relative); }
};
} // namespace

void TestArchive::programFolderLocation_data()
{
    QTest::addColumn<QString>("executableDir");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("installed");
    QTest::newRow("own folder") << QStringLiteral("chiavetta") << QStringLiteral("") << QStringLiteral("")
                                << QStringLiteral("chiavetta") << false;
    QTest::newRow("own folder, --folder") << QStringLiteral("chiavetta") << QStringLiteral("dati") << QStringLiteral("")
                                          << QStringLiteral("dati") << false;
    QTest::newRow("own folder ignores the variable") << QStringLiteral("chiavetta") << QStringLiteral("")
                                                     << QStringLiteral("rete") << QStringLiteral("chiavetta") << false;
    QTest::newRow("bin/ without an installation") << QStringLiteral("opt/bin") << QStringLiteral("")
                                                  << QStringLiteral("rete") << QStringLiteral("opt/bin") << false;
    QTest::newRow("installed: home") << QStringLiteral("usr/bin") << QStringLiteral("") << QStringLiteral("")
                                     << QStringLiteral("casa/Cantilog") << true;
    QTest::newRow("installed: variable") << QStringLiteral("usr/bin") << QStringLiteral("") << QStringLiteral("rete")
                                         << QStringLiteral("rete") << true;
    QTest::newRow("installed: --folder first") << QStringLiteral("usr/bin") << QStringLiteral("dati")
                                               << QStringLiteral("rete") << QStringLiteral("dati") << true;
}

void TestArchive::programFolderLocation()
{
    QFETCH(QString, executableDir);
    QFETCH(QString, option);
    QFETCH(QString, environment);
    QFETCH(QString, expected);
    QFETCH(bool, installed);
    const InstallTree tree;
    const ProgramFolder::Location location = ProgramFolder::locate(
        tree.at(executableDir), tree.at(option), tree.at(environment), tree.at(QStringLiteral("casa")));
    QCOMPARE(QDir::cleanPath(location.folder), QDir::cleanPath(tree.at(expected)));
    QCOMPARE(location.starterFiles, installed ? tree.at(QStringLiteral("usr/share/cantilog/")) : QString());
}

void TestArchive::installedFolderStartsWithTheStarterFiles()
{
    const InstallTree tree;
    const QString bin = tree.at(QStringLiteral("usr/bin"));
    const QString home = tree.at(QStringLiteral("casa"));
    ProgramFolder::Location location = ProgramFolder::locate(bin, QString(), QString(), home);
    QVERIFY(ProgramFolder::prepare(location));
    QCOMPARE(ProgramFolder::path(), home + QStringLiteral("/Cantilog/"));
    QCOMPARE(tree.root.read(QStringLiteral("casa/Cantilog/unins000.dll")), QByteArray("[Accesso]\nValore=00\n"));
    QCOMPARE(tree.root.read(QStringLiteral("casa/Cantilog/Guida.pdf")), QByteArray("%PDF guida"));
    QVERIFY(QFileInfo(ProgramFolder::attachmentsFolder()).isDir());

    // A folder in use keeps its own files: only what it lacks is added.
    tree.root.write(QStringLiteral("casa/Cantilog/unins000.dll"), "[Accesso]\nValore=4A4B\n");
    QFile::remove(tree.at(QStringLiteral("casa/Cantilog/Guida.pdf")));
    QVERIFY(ProgramFolder::prepare(location));
    QCOMPARE(tree.root.read(QStringLiteral("casa/Cantilog/unins000.dll")), QByteArray("[Accesso]\nValore=4A4B\n"));
    QCOMPARE(tree.root.read(QStringLiteral("casa/Cantilog/Guida.pdf")), QByteArray("%PDF guida"));

    // A copy run from its own folder creates nothing.
    location =
        ProgramFolder::locate(tree.at(QStringLiteral("chiavetta")), tree.at(QStringLiteral("nuova")), QString(), home);
    QVERIFY(ProgramFolder::prepare(location));
    QVERIFY(!QFileInfo::exists(tree.at(QStringLiteral("nuova"))));

    // A folder that cannot be made is reported.
    tree.root.write(QStringLiteral("file"), "x");
    location = ProgramFolder::locate(bin, tree.at(QStringLiteral("file/sotto")), QString(), home);
    QVERIFY(!ProgramFolder::prepare(location));
}

QTEST_MAIN(TestArchive)
#include "test_archive.moc"
