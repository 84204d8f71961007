// Journals of the program folder, the workers-and-machines entries, attachment copies and the
// two journal commands of cantilog-cli.
#include "archive/ArchiveFile.h"
#include "archive/Attachments.h"
#include "archive/Record.h"
#include "archive/RecordLayout.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"
#include "journal/HelpText.h"
#include "journal/Journals.h"
#include "journal/PageEntries.h"

#include "CliRunner.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

QStringList folderContents(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

const QString kAlreadyUsed =
    QStringLiteral("Attenzione: il nome del Cantilog indicato è già stato utilizzato in precedenza.\r\n\r\n"
                   "Inserire un nome diverso oppure, se si desidera visualizzare un Cantilog già creato, premere il "
                   "pulsante Compila Cantilog esistente.");
const QString kCreated =
    QStringLiteral("Il file di archivio relativo al nuovo Cantilog è stato creato con successo.\r\n\r\n"
                   "E' ora possibile visualizzarlo nell'elenco dei Cantilog esistenti.");
const QString kNameMissing =
    QStringLiteral("Attenzione: per creare il nuovo archivio è necessario indicare il nome del nuovo Cantilog.");

} // namespace

class TestJournal : public QObject {
    Q_OBJECT

private slots:
    void listKeepsOnlyTheFolderOwnJournalFiles();
    void listOrder_data();
    void listOrder();
    void countText();
    void nameShownInTheEditorDropsTheExtensionOnly_data();
    void nameShownInTheEditorDropsTheExtensionOnly();
    void discardedKeys_data();
    void discardedKeys();

    void createMakesAnEmptyFileWithoutSurroundingBlanks();
    void createRefusesAMissingName_data();
    void createRefusesAMissingName();
    void createRefusesANameAlreadyUsedInAnyCase_data();
    void createRefusesANameAlreadyUsedInAnyCase();
    void createRefusesUnsafeNames_data();
    void createRefusesUnsafeNames();
    void createAcceptsNamesWithDotsAndBars_data();
    void createAcceptsNamesWithDotsAndBars();
    void createReportsAFileTheSystemRefuses();

    void removeDeletesTheJournal();
    void removeOfAJournalAlreadyGoneSucceeds();
    void removeReportsAFileStillThere();

    void workerAndMachineEntries_data();
    void workerAndMachineEntries();
    void appendingTheSameEntryTwice();

    void annotationsAreCutAt3000BytesWithCrLfCountingTwo();

    void attachCopiesIntoANewFolder();
    void attachAsksBeforeReplacing_data();
    void attachAsksBeforeReplacing();
    void attachFailures_data();
    void attachFailures();
    void attachRefusesANameTheRecordCannotKeep_data();
    void attachRefusesANameTheRecordCannotKeep();
    void attachOpenTargetIsTheQuotedPath();
    void attachOpenEnabling_data();
    void attachOpenEnabling();

    void helpTopic();

    void cliJournalsPrintsTheChooserList();
    void cliCreateJournal_data();
    void cliCreateJournal();
    void cliUsage_data();
    void cliUsage();
};

void TestJournal::listKeepsOnlyTheFolderOwnJournalFiles()
{
    TestFolder folder;
    for (const char *name :
         {"Alfa.cnt", "beta.CNT", "Gamma.Cnt", "delta.cnt.bak", "epsilon.txt", "zetacnt", ".nascosto.cnt"})
        folder.write(QString::fromUtf8(name), "x");
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("cartella.cnt")));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("sotto")));
    folder.write(QStringLiteral("sotto/interno.cnt"), "x");

    QCOMPARE(Journals::list(), (QStringList{".nascosto.cnt", "Alfa.cnt", "beta.CNT", "Gamma.Cnt"}));
}

void TestJournal::listOrder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("letters folded") << QStringList{"zeta.cnt", "Beta.cnt", "alfa.cnt", "GAMMA.cnt"}
                                    << QStringList{"alfa.cnt", "Beta.cnt", "GAMMA.cnt", "zeta.cnt"};
    // Folded letters are capitals, so "[" and "_" (after "Z") follow every letter, and the
    // digits (before "A") precede them; accented letters go by their code, after everything.
    QTest::newRow("other characters by code")
        << QStringList{"_x.cnt", "[a].cnt", "Zulu.cnt", "2024.cnt", "Ábaco.cnt", "abaco.cnt", "a b.cnt"}
        << QStringList{"2024.cnt", "a b.cnt", "abaco.cnt", "Zulu.cnt", "[a].cnt", "_x.cnt", "Ábaco.cnt"};
    QTest::newRow("prefix first") << QStringList{"Cantiere2.cnt", "Cantiere.cnt", "cantiere 2.cnt"}
                                  << QStringList{"cantiere 2.cnt", "Cantiere.cnt", "Cantiere2.cnt"};
    QTest::newRow("names equal but for case, by code")
        << QStringList{"roma.cnt", "ROMA.cnt", "Roma.cnt"} << QStringList{"ROMA.cnt", "Roma.cnt", "roma.cnt"};
}

void TestJournal::listOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    TestFolder folder;
    for (const QString &f : files)
        folder.write(f, QByteArray());
    QCOMPARE(Journals::list(), expected);
}

void TestJournal::countText()
{
    QCOMPARE(Journals::initialCountText(), QStringLiteral("Sono stati creati 0 Cantilog."));
    QCOMPARE(Journals::countText(1), QStringLiteral("Sono stati creati 1 Cantilog."));
    QCOMPARE(Journals::countText(12), QStringLiteral("Sono stati creati 12 Cantilog."));
}

void TestJournal::nameShownInTheEditorDropsTheExtensionOnly_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Cantiere.cnt"
                           << "Cantiere";
    QTest::newRow("dots kept") << "Via Roma v1.2.cnt"
                               << "Via Roma v1.2";
    QTest::newRow("capital extension") << "Ponte.CNT"
                                       << "Ponte";
    QTest::newRow("extension only") << ".cnt"
                                    << "";
}

void TestJournal::nameShownInTheEditorDropsTheExtensionOnly()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QCOMPARE(Journals::nameOfItem(item), name);
}

void TestJournal::discardedKeys_data()
{
    QTest::addColumn<QString>("characters");
    QTest::addColumn<bool>("discarded");
    QTest::newRow("file system's reserved") << "\"*/:<>?\\" << true;
    QTest::newRow("degree, cedilla, tilde") << QStringLiteral("°ÇçÑñ") << true;
    QTest::newRow("bar and others") << QStringLiteral("|aZ09 .-_àèé'") << false;
}

void TestJournal::discardedKeys()
{
    QFETCH(QString, characters);
    QFETCH(bool, discarded);
    for (const QChar c : characters)
        QVERIFY2(Journals::isDiscardedKey(c) == discarded, qPrintable(QString(c)));
}

void TestJournal::createMakesAnEmptyFileWithoutSurroundingBlanks()
{
    TestFolder folder;
    const Journals::Result r = Journals::create(QStringLiteral("  Via Roma 12\t "));
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Done));
    QCOMPARE(r.message, kCreated);
    QCOMPARE(r.path, folder.file(QStringLiteral("Via Roma 12.cnt")));
    QCOMPARE(folderContents(folder.path()), QStringList{"Via Roma 12.cnt"});
    QCOMPARE(QFileInfo(r.path).size(), 0);
    QCOMPARE(Journals::list(), QStringList{"Via Roma 12.cnt"});
}

void TestJournal::createRefusesAMissingName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("controls and blanks") << " \t\r\n ";
}

void TestJournal::createRefusesAMissingName()
{
    QFETCH(QString, typed);
    TestFolder folder;
    const Journals::Result r = Journals::create(typed);
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Warning));
    QCOMPARE(r.message, kNameMissing);
    QVERIFY(folderContents(folder.path()).isEmpty());
}

void TestJournal::createRefusesANameAlreadyUsedInAnyCase_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("typed");
    QTest::newRow("same") << "Cantiere.cnt"
                          << "Cantiere";
    QTest::newRow("other capitals") << "Cantiere.cnt"
                                    << " CANTIERE ";
    QTest::newRow("capital extension") << "cantiere.CNT"
                                       << "Cantiere";
    QTest::newRow("accented letters") << QStringLiteral("Città.cnt") << QStringLiteral("CITTÀ");
    QTest::newRow("a folder of that name") << "Scuola.cnt/"
                                           << "scuola";
}

void TestJournal::createRefusesANameAlreadyUsedInAnyCase()
{
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    TestFolder folder;
    if (existing.endsWith(u'/'))
        QVERIFY(QDir(folder.path()).mkpath(existing));
    else
        folder.write(existing, "pagine");
    const QStringList before = folderContents(folder.path());

    const Journals::Result r = Journals::create(typed);
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Warning));
    QCOMPARE(r.message, kAlreadyUsed);
    QCOMPARE(folderContents(folder.path()), before);
    if (!existing.endsWith(u'/'))
        QCOMPARE(folder.read(existing), QByteArray("pagine"));
}

void TestJournal::createRefusesUnsafeNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("slash") << "../fuori";
    QTest::newRow("inner slash") << "a/b";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("tab inside") << "a\tb";
    QTest::newRow("line break inside") << "a\r\nb";
    QTest::newRow("delete character") << QStringLiteral("a\u007Fb");
    QTest::newRow("C1 control") << QStringLiteral("a\u0085b");
    QTest::newRow("one dot") << ".";
    QTest::newRow("two dots") << "..";
    QTest::newRow("dots with blanks around") << "  ...  ";
}

void TestJournal::createRefusesUnsafeNames()
{
    QFETCH(QString, typed);
    // The program folder inside a private parent, so that nothing else writes beside it.
    QTemporaryDir parent;
    const QString program = parent.filePath(QStringLiteral("Programma"));
    QVERIFY(QDir().mkpath(program));
    ProgramFolder::set(program);

    const Journals::Result r = Journals::create(typed);
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Warning));
    QVERIFY(r.message.startsWith(QStringLiteral("Attenzione: il nome del Cantilog indicato non è valido.")));
    QVERIFY(folderContents(program).isEmpty());
    QCOMPARE(folderContents(parent.path()), QStringList{"Programma"});
}

void TestJournal::createAcceptsNamesWithDotsAndBars_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("item");
    QTest::newRow("bar") << "Lotto|2"
                         << "Lotto|2.cnt";
    QTest::newRow("dots inside") << "Via Roma v1.2"
                                 << "Via Roma v1.2.cnt";
    QTest::newRow("leading dot") << ".Lotto"
                                 << ".Lotto.cnt";
    QTest::newRow("accents") << QStringLiteral("Città è") << QStringLiteral("Città è.cnt");
}

void TestJournal::createAcceptsNamesWithDotsAndBars()
{
    QFETCH(QString, typed);
    QFETCH(QString, item);
    TestFolder folder;
    const Journals::Result r = Journals::create(typed);
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Done));
    QCOMPARE(Journals::list(), QStringList{item});
    QCOMPARE(Journals::nameOfItem(item), Text::trimBlanks(typed));
}

void TestJournal::createReportsAFileTheSystemRefuses()
{
    TestFolder folder;
    // 250 accented letters are 500 bytes on this file system, beyond any file name's limit.
    const Journals::Result r = Journals::create(QString(250, QChar(u'à')));
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Error));
    QVERIFY(!r.message.isEmpty());
    QVERIFY(folderContents(folder.path()).isEmpty());
}

void TestJournal::removeDeletesTheJournal()
{
    TestFolder folder;
    folder.write(QStringLiteral("Uno.cnt"), QByteArray(12179, 'a'));
    folder.write(QStringLiteral("Due.cnt"), QByteArray());
    const Journals::Result r = Journals::remove(QStringLiteral("Uno.cnt"));
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Done));
    QCOMPARE(r.message, QStringLiteral("Il Cantilog è stato eliminato con successo."));
    QCOMPARE(Journals::list(), QStringList{"Due.cnt"});
}

void TestJournal::removeOfAJournalAlreadyGoneSucceeds()
{
    TestFolder folder;
    const Journals::Result r = Journals::remove(QStringLiteral("Sparito.cnt"));
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Done));
}

void TestJournal::removeReportsAFileStillThere()
{
    TestFolder folder;
    // A folder with contents is an entry that a file deletion leaves in place.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Bloccato.cnt")));
    folder.write(QStringLiteral("Bloccato.cnt/dentro"), "x");
    const Journals::Result r = Journals::remove(QStringLiteral("Bloccato.cnt"));
    QCOMPARE(int(r.outcome), int(Journals::Outcome::Error));
    QVERIFY(r.message.startsWith(QStringLiteral("Attenzione: il sistema non permette di eliminare")));
    QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("Bloccato.cnt"))));
}

void TestJournal::workerAndMachineEntries_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    const QString worker =
        PageEntries::workerEntry(QStringLiteral(" Muratore "), QStringLiteral("Rossi  "), QStringLiteral("\tMario"));
    QTest::newRow("worker into empty") << "" << worker << "Muratore Rossi Mario";
    QTest::newRow("worker into blanks") << "  \r\n " << worker << "Muratore Rossi Mario";
    QTest::newRow("worker after text") << "Gru a torre" << worker << "Gru a torre, Muratore Rossi Mario";
    QTest::newRow("text blanks removed") << "  Gru a torre \r\n" << worker << "Gru a torre, Muratore Rossi Mario";
    QTest::newRow("inner line breaks kept") << "Gru\r\nBetoniera" << worker << "Gru\r\nBetoniera, Muratore Rossi Mario";
    QTest::newRow("machine") << "Muratore Rossi Mario"
                             << PageEntries::machineEntry(QStringLiteral("  Escavatore 20 t "))
                             << "Muratore Rossi Mario, Escavatore 20 t";
    QTest::newRow("worker without a job") << "" << PageEntries::workerEntry("", "Bianchi", "Anna") << " Bianchi Anna";
}

void TestJournal::workerAndMachineEntries()
{
    QFETCH(QString, field);
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QCOMPARE(PageEntries::appended(field, entry), expected);
}

void TestJournal::appendingTheSameEntryTwice()
{
    const QString entry = PageEntries::workerEntry("Carpentiere", "Verdi", "Luca");
    const QString twice = PageEntries::appended(PageEntries::appended(QString(), entry), entry);
    QCOMPARE(twice, QStringLiteral("Carpentiere Verdi Luca, Carpentiere Verdi Luca"));
}

void TestJournal::annotationsAreCutAt3000BytesWithCrLfCountingTwo()
{
    const RecordLayout &layout = Layouts::journal();
    const int field = layout.indexOf(u"Annotazioni");
    QString line = QString(98, QChar(u'x'));
    QString text;
    while (text.size() < 3500)
        text += line + QStringLiteral("\r\n"); // 100 bytes per line
    Record page(layout);
    page.setValue(field, text);
    const QByteArray bytes = page.encode();
    const Record back = Record::decode(layout, bytes.constData());
    QCOMPARE(back.value(field), text.left(3000));
    QCOMPARE(back.value(field).count(QStringLiteral("\r\n")), 30);
    // The field is full: no terminating zero inside it, the next field starts right after.
    QCOMPARE(bytes.at(layout.offset(field) + 2999), '\n');
    QCOMPARE(bytes.at(layout.offset(field) + 3000), '\0');
}

void TestJournal::attachCopiesIntoANewFolder()
{
    TestFolder folder;
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(QStringLiteral("Verbale consegna.pdf"));
    {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("%PDF verbale");
    }
    bool asked = false;
    const Attachments::Result r = Attachments::attach(source, [&] {
        asked = true;
        return true;
    });
    QCOMPARE(int(r.outcome), int(Attachments::Outcome::Copied));
    QCOMPARE(r.name, QStringLiteral("Verbale consegna.pdf"));
    QVERIFY(!asked);
    QCOMPARE(folder.read(QStringLiteral("Documenti_Allegati/Verbale consegna.pdf")), QByteArray("%PDF verbale"));
    QCOMPARE(Attachments::folder(), folder.path() + QStringLiteral("Documenti_Allegati/"));
}

void TestJournal::attachAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("yes replaces") << true << int(Attachments::Outcome::Copied) << QByteArray("nuovo");
    QTest::newRow("no keeps the folder's file")
        << false << int(Attachments::Outcome::KeptExisting) << QByteArray("vecchio");
}

void TestJournal::attachAsksBeforeReplacing()
{
    QFETCH(bool, answer);
    QFETCH(int, outcome);
    QFETCH(QByteArray, content);
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Documenti_Allegati")));
    folder.write(QStringLiteral("Documenti_Allegati/foto.jpg"), "vecchio");
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(QStringLiteral("foto.jpg"));
    {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("nuovo");
    }
    int questions = 0;
    const Attachments::Result r = Attachments::attach(source, [&] {
        ++questions;
        return answer;
    });
    QCOMPARE(questions, 1);
    QCOMPARE(int(r.outcome), outcome);
    QCOMPARE(r.name, QStringLiteral("foto.jpg"));
    QCOMPARE(folder.read(QStringLiteral("Documenti_Allegati/foto.jpg")), content);
}

void TestJournal::attachFailures_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("attachments folder is a file") << "file";
    QTest::newRow("destination is a folder") << "folder";
    QTest::newRow("source missing") << "source";
}

void TestJournal::attachFailures()
{
    QFETCH(QString, obstacle);
    TestFolder folder;
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(QStringLiteral("relazione.txt"));
    if (obstacle != QLatin1String("source")) {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("testo");
    }
    if (obstacle == QLatin1String("file"))
        folder.write(QStringLiteral("Documenti_Allegati"), "occupato");
    if (obstacle == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Documenti_Allegati/relazione.txt")));

    const Attachments::Result r = Attachments::attach(source, [] { return true; });
    QCOMPARE(int(r.outcome), int(Attachments::Outcome::Failed));
    QVERIFY(!QFileInfo(folder.file(QStringLiteral("Documenti_Allegati/relazione.txt"))).isFile());
    QVERIFY(!Attachments::copyFailureMessage().isEmpty());
}

void TestJournal::attachRefusesANameTheRecordCannotKeep_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("storable");
    QTest::newRow("Windows-1252 letters and signs") << QStringLiteral("Perizia è già pronta – 5€.pdf") << true;
    QTest::newRow("250 characters") << QString(246, u'a') + QStringLiteral(".pdf") << true;
    QTest::newRow("251 characters") << QString(247, u'a') + QStringLiteral(".pdf") << false;
    QTest::newRow("Greek letter") << QStringLiteral("Relazione Ω.pdf") << false;
    QTest::newRow("outside the BMP") << QStringLiteral("Foto \U0001F4F7.jpg") << false;
}

void TestJournal::attachRefusesANameTheRecordCannotKeep()
{
    QFETCH(QString, name);
    QFETCH(bool, storable);
    TestFolder folder;
    QTemporaryDir elsewhere;
    const QString source = elsewhere.filePath(name);
    QFile f(source);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("documento");
    f.close();

    QCOMPARE(Attachments::nameIsStorable(name), storable);
    const Attachments::Result r = Attachments::attach(source, [] { return true; });
    QCOMPARE(r.name, name);
    QCOMPARE(int(r.outcome), int(storable ? Attachments::Outcome::Copied : Attachments::Outcome::NameNotStorable));
    QCOMPARE(QFileInfo(folder.file(QStringLiteral("Documenti_Allegati/") + name)).isFile(), storable);
}

void TestJournal::attachOpenTargetIsTheQuotedPath()
{
    QTemporaryDir base;
    const QString withBlanks = base.filePath(QStringLiteral("Programmi Cantilog"));
    QVERIFY(QDir().mkpath(withBlanks));
    ProgramFolder::set(withBlanks);
    QCOMPARE(Attachments::openTarget(QStringLiteral("  pianta piano terra.dwg ")),
             QLatin1Char('"') + withBlanks + QStringLiteral("/Documenti_Allegati/pianta piano terra.dwg\""));
}

void TestJournal::attachOpenEnabling_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("name") << "a.pdf" << true;
    QTest::newRow("name with blanks") << " a.pdf " << true;
}

void TestJournal::attachOpenEnabling()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QCOMPARE(Attachments::canOpen(name), enabled);
}

void TestJournal::helpTopic()
{
    QCOMPARE(JournalHelp::title(), QStringLiteral("Gestione Cantilog."));
    const QString text = JournalHelp::text();
    QVERIFY(text.startsWith(QStringLiteral(
        "L'ambiente per la gestione dei Cantilog si compone di due applicazioni: la prima consente di creare "
        "un nuovo Cantilog, mentre la seconda è progettata per compilare un Cantilog esistente.\r\n\r\n")));
    QVERIFY(!text.contains(QStringLiteral("\r\n\r\n\r\n")));
    QVERIFY(!text.endsWith(u'\n'));
}

void TestJournal::cliJournalsPrintsTheChooserList()
{
    TestFolder folder;
    for (const char *name : {"zeta.cnt", "Alfa.CNT", "beta.cnt", "note.txt"})
        folder.write(QString::fromLatin1(name), QByteArray());
    const CliRunner::Run r =
        CliRunner::inProcess({QStringLiteral("--folder"), folder.path(), QStringLiteral("journals")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("Alfa.CNT\nbeta.cnt\nzeta.cnt\n"));
    QVERIFY(r.err.isEmpty());

    QTemporaryDir empty;
    const CliRunner::Run none =
        CliRunner::inProcess({QStringLiteral("--folder"), empty.path(), QStringLiteral("journals")});
    QCOMPARE(none.status, 0);
    QVERIFY(none.out.isEmpty());
}

void TestJournal::cliCreateJournal_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("journals");
    const QString created = QStringLiteral("Il file di archivio relativo al nuovo Cantilog è stato creato con "
                                           "successo.\n\nE' ora possibile visualizzarlo nell'elenco dei "
                                           "Cantilog esistenti.\n");
    const QString used = QStringLiteral("Attenzione: il nome del Cantilog indicato è già stato utilizzato in "
                                        "precedenza.\n\nInserire un nome diverso oppure, se si desidera "
                                        "visualizzare un Cantilog già creato, premere il pulsante Compila "
                                        "Cantilog esistente.\n");
    QTest::newRow("new") << ""
                         << " Scuola media " << 0 << created << "" << QStringList{"Scuola media.cnt"};
    QTest::newRow("used in other capitals") << "scuola MEDIA.Cnt"
                                            << "Scuola media" << 1 << "" << used << QStringList{"scuola MEDIA.Cnt"};
    QTest::newRow("missing name") << ""
                                  << "  " << 1 << "" << kNameMissing + u'\n' << QStringList{};
    QTest::newRow("separator") << ""
                               << "a/b" << 1 << ""
                               << "" << QStringList{};
}

void TestJournal::cliCreateJournal()
{
    QFETCH(QString, existing);
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, journals);
    TestFolder folder;
    if (!existing.isEmpty())
        folder.write(existing, QByteArray());
    const CliRunner::Run r =
        CliRunner::inProcess({QStringLiteral("--folder"), folder.path(), QStringLiteral("create-journal"), name});
    QCOMPARE(r.status, status);
    QCOMPARE(r.out, out);
    if (err.isEmpty())
        QCOMPARE(r.err.isEmpty(), status == 0);
    else
        QCOMPARE(r.err, err);
    QCOMPARE(Journals::list(), journals);
}

void TestJournal::cliUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("create without name") << QStringList{"create-journal"};
    QTest::newRow("create with two names") << QStringList{"create-journal", "a", "b"};
    QTest::newRow("journals with argument") << QStringList{"journals", "x"};
}

void TestJournal::cliUsage()
{
    QFETCH(QStringList, args);
    TestFolder folder;
    const CliRunner::Run r = CliRunner::inProcess(QStringList{QStringLiteral("--folder"), folder.path()} + args);
    QCOMPARE(r.status, 2);
    QVERIFY(folderContents(folder.path()).isEmpty());
}

QTEST_MAIN(TestJournal)
#include "test_journal.moc"
