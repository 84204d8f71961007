#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/ui/BrowseEdit.h"
#include "archive/ui/ResultList.h"
#include "journal/ui/Giornale.h"
#include "journal/ui/TrovaGiornale.h"
#include "shell/ui/Screens.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Fields = Fixtures::Fields;

QByteArray page(const Fields &fields) { return Fixtures::record(Layouts::journal(), fields); }

void writeJournal(const QString &path, const QList<Fields> &pages)
{
    QVERIFY(Fixtures::writeArchive(path, Layouts::journal(), pages));
}

// Stands in for the page editor: its hidden lblFile, one control per page field and the
// browse/edit protocol, registered as "frmGiornale".
class PageEditor : public QWidget {
public:
    explicit PageEditor(const QString &archive)
    {
        setObjectName(QStringLiteral("frmGiornale"));
        lblFile = new QLabel(archive, this);
        lblFile->setObjectName(QStringLiteral("lblFile"));
        lblPosizione = new QLabel(this);
        lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
        for (int i = 0; i < Layouts::journal().fieldCount(); ++i) {
            const QString name = Layouts::journal().fieldName(i);
            if (!name.startsWith(u"File") && !name.startsWith(u"Desc")) // the protocol's own slots
                (new QLineEdit(this))->setObjectName(QStringLiteral("txt") + name);
        }
        EditorRules rules;
        rules.layout = &Layouts::journal();
        rules.archivePath = [this] { return lblFile->text(); };
        browse = new BrowseEdit(this, lblPosizione, rules);
        Screens::add(this);
    }
    ~PageEditor() override { Screens::remove(this); }
    QString field(const char *name) const
    {
        if (auto *label = findChild<QLabel *>(QLatin1String(name)))
            return label->text();
        return findChild<QLineEdit *>(QLatin1String(name))->text();
    }

    QLabel *lblFile;
    QLabel *lblPosizione;
    BrowseEdit *browse;
};

const QList<Fields> kPages = {
    {{"Numero", "1"},
     {"Data", "02/01/2024"},
     {"Direttore", "Rossi"},
     {"Totale", "4"},
     {"Oggetto", "Muri"},
     {"Meteo", "primo"},
     {"File01", "a.pdf"},
     {"Desc01", "verbale"}},
    {{"Numero", "2"},
     {"Data", "01/03/2024"},
     {"Direttore", "Bianchi"},
     {"Totale", "9"},
     {"Oggetto", "Scavo Fondazione"},
     {"Meteo", "secondo"}},
    {{"Numero", "3"},
     {"Data", "02/01/2024"},
     {"Direttore", "Rossi"},
     {"Totale", "4"},
     {"Oggetto", "Muri"},
     {"Meteo", "terzo"}},
};

QStringList itemTexts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void doubleClickRow(QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestSearchScreens : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnTheFilterPanel();
    void enterWalksTheFiltersInACircle();
    void searchShowsTheSortedLinesAndTheirCount();
    void waitLabelOnMouseDownAndHiddenOnClose();
    void accessFailureStaysOnTheFilters();
    void findSteppingThroughTheList();
    void findOnAnEmptyList();
    void showingForgetsTheFindText();
    void doubleClickLoadsThatPageWithItsPosition_data();
    void doubleClickLoadsThatPageWithItsPosition();
    void doubleClickWithoutSelectionOnlyCloses();
    void otherModeWordLoadsNothing();
    void changedPageIsNotLoaded();
    void listKeepsTheSearchOrder();
    void openedFromTheEditorRunsModally();
    void pageEditorSearchThenSaveOverwritesThatPage();
    void printsTheListInListOrder();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<PageEditor> m_editor;
    QString m_path;
};

void TestSearchScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_path = Archives::journalPath(QStringLiteral("cantiere"));
    writeJournal(m_path, kPages);
    m_editor = std::make_unique<PageEditor>(m_path);
}

void TestSearchScreens::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    m_editor.reset();
    m_dialogs.reset();
    m_folder.reset();
}

void TestSearchScreens::startsOnTheFilterPanel()
{
    TfrmTrovaGiornale screen;
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Trova pagine Cantilog"));
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QVERIFY(screen.panAvvio->isVisible());
    QVERIFY(!screen.panContainer->isVisible());
    QVERIFY(!screen.lblAttendere->isVisible());
    QCOMPARE(screen.lblTrovate->text(), QStringLiteral("Il presente elenco contiene 0 schede."));
    QCOMPARE(screen.filters.size(), 10);
    QCOMPARE(screen.filterLabels.at(0)->text(), QStringLiteral("Data (gg/mm/aaaa):"));
    QCOMPARE(screen.filterLabels.at(9)->text(), QStringLiteral("Responsabile del Procedimento:"));
    QCOMPARE(screen.filters.at(5)->objectName(), QStringLiteral("txtAnnotazioni"));
    QVERIFY(screen.findChild<QWidget *>(QStringLiteral("effAnnotazioni")));
    QCOMPARE(QApplication::focusWidget(), screen.filters.at(0));
    QCOMPARE(screen.btnCerca->text(), QStringLiteral("Cerca"));
    QCOMPARE(screen.btnAnnulla->text(), QStringLiteral("Chiudi"));
    QCOMPARE(screen.panContainer->btnStampa->text(), QStringLiteral("Stampa"));
}

void TestSearchScreens::enterWalksTheFiltersInACircle()
{
    TfrmTrovaGiornale screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(QApplication::focusWidget(), screen.filters.at(i));
        QTest::keyClick(screen.filters.at(i), Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), screen.filters.at(0));
}

void TestSearchScreens::searchShowsTheSortedLinesAndTheirCount()
{
    TfrmTrovaGiornale screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    screen.filters.at(1)->setText(QStringLiteral("mur"));   // Oggetto
    screen.filters.at(8)->setText(QStringLiteral("ROSSI")); // Direttore
    screen.filters.at(3)->setText(QStringLiteral("   "));   // Natura: blanks only
    screen.btnCercaClick();
    QVERIFY(!screen.panAvvio->isVisible());
    QVERIFY(screen.panContainer->isVisible());
    QCOMPARE(screen.lblConta->text(), QStringLiteral("2"));
    QCOMPARE(screen.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
    const QString line = QStringLiteral("02/01/2024  Direttore: ") + QStringLiteral("Rossi").leftJustified(30) +
        QStringLiteral("  Operai n. ") + QStringLiteral("4").leftJustified(10) + QStringLiteral("  Oggetto: Muri");
    QCOMPARE(itemTexts(screen.panContainer->lstRecords), (QStringList{line, line}));
    QCOMPARE(QApplication::focusWidget(), screen.panContainer->txtTrova);
    QCOMPARE(m_dialogs->messages(), QStringList());
}

void TestSearchScreens::waitLabelOnMouseDownAndHiddenOnClose()
{
    TfrmTrovaGiornale screen;
    screen.show();
    QTest::mousePress(screen.btnCerca, Qt::LeftButton);
    QVERIFY(screen.lblAttendere->isVisible());
    QTest::mouseRelease(screen.btnCerca, Qt::LeftButton); // the click runs the search
    QVERIFY(screen.panContainer->isVisible());
    QCOMPARE(screen.panContainer->lstRecords->count(), 3);
    screen.panContainer->btnChiudiClick();
    QVERIFY(!screen.isVisible());
    QVERIFY(screen.lblAttendere->isHidden());
    QCOMPARE(screen.panContainer->lstRecords->count(), 0);
    QVERIFY(screen.panContainer->lines().isEmpty());
}

void TestSearchScreens::accessFailureStaysOnTheFilters()
{
    QFile::remove(m_path);
    QVERIFY(QDir().mkpath(m_path)); // a folder where the journal should be
    TfrmTrovaGiornale screen;
    screen.show();
    QTest::mousePress(screen.btnCerca, Qt::LeftButton);
    QTest::mouseRelease(screen.btnCerca, Qt::LeftButton);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(),
             QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                            "programma."));
    QVERIFY(screen.panAvvio->isVisible());
    QVERIFY(!screen.panContainer->isVisible());
    QVERIFY(!screen.lblAttendere->isVisible());
}

void TestSearchScreens::findSteppingThroughTheList()
{
    TfrmTrovaGiornale screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    screen.btnCercaClick();
    ResultList *list = screen.panContainer;
    // Rows: 01/03 Bianchi (page 2), 02/01 Rossi (page 1), 02/01 Rossi (page 3).
    list->txtTrova->setText(QStringLiteral("rossi"));
    QList<int> rows;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(list->btnTrova, Qt::LeftButton);
        rows.append(list->lstRecords->currentRow());
    }
    QCOMPARE(rows, (QList<int>{1, 2, 1, 2}));
    list->txtTrova->setText(QStringLiteral("BIANCHI"));
    QTest::mouseClick(list->btnTrova, Qt::LeftButton);
    QCOMPARE(list->lstRecords->currentRow(), 0);
    QCOMPARE(list->rememberedFind(), QStringLiteral("bianchi"));
    QCOMPARE(m_dialogs->messages(), QStringList());

    // Enter in the find field moves the focus to "Trova"; a second Enter presses it.
    list->txtTrova->setText(QStringLiteral("rossi"));
    list->txtTrova->setFocus();
    QTest::keyClick(list->txtTrova, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), list->btnTrova);
    QCOMPARE(list->lstRecords->currentRow(), 0);
    QTest::keyClick(list->btnTrova, Qt::Key_Return);
    QCOMPARE(list->lstRecords->currentRow(), 1);
    QCOMPARE(QApplication::focusWidget(), list->btnTrova);
}

void TestSearchScreens::findOnAnEmptyList()
{
    TfrmTrovaGiornale screen;
    screen.show();
    screen.filters.at(2)->setText(QStringLiteral("grandine"));
    screen.btnCercaClick();
    QCOMPARE(screen.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    screen.panContainer->txtTrova->setText(QStringLiteral("x"));
    screen.panContainer->btnTrovaClick();
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestSearchScreens::showingForgetsTheFindText()
{
    TfrmTrovaGiornale screen;
    screen.show();
    screen.btnCercaClick();
    screen.panContainer->txtTrova->setText(QStringLiteral("rossi"));
    screen.panContainer->btnTrovaClick();
    screen.panContainer->btnTrovaClick();
    QCOMPARE(screen.panContainer->lstRecords->currentRow(), 2);
    screen.hide();
    screen.show();
    QCOMPARE(screen.panContainer->rememberedFind(), QString());
    QCOMPARE(screen.panContainer->txtTrova->text(), QString());
    QCOMPARE(screen.panContainer->lstRecords->currentRow(), 0);
    screen.panContainer->txtTrova->setText(QStringLiteral("rossi"));
    screen.panContainer->btnTrovaClick();
    QCOMPARE(screen.panContainer->lstRecords->currentRow(), 1); // a new text again
}

void TestSearchScreens::doubleClickLoadsThatPageWithItsPosition_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("meteo");
    QTest::newRow("the only line of its kind") << 0 << "2"
                                               << "secondo";
    QTest::newRow("first of two equal lines") << 1 << "1"
                                              << "primo";
    QTest::newRow("second of two equal lines") << 2 << "3"
                                               << "terzo";
}

void TestSearchScreens::doubleClickLoadsThatPageWithItsPosition()
{
    QFETCH(int, row);
    QFETCH(QString, position);
    QFETCH(QString, meteo);
    TfrmTrovaGiornale screen;
    screen.setModeWord(QStringLiteral("giornale"));
    screen.show();
    screen.btnCercaClick();
    doubleClickRow(screen.panContainer->lstRecords, row);
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_editor->lblPosizione->text(), position);
    QCOMPARE(m_editor->field("txtMeteo"), meteo);
    QCOMPARE(m_editor->field("txtNumero"), position); // each sample page holds its position as number
    // The attachment slots come with the page.
    QCOMPARE(m_editor->field("lblFile01"), row == 1 ? QStringLiteral("a.pdf") : QString());
    QCOMPARE(m_editor->field("lblDesc01"), row == 1 ? QStringLiteral("verbale") : QString());
    QCOMPARE(m_dialogs->messages(), QStringList());
}

void TestSearchScreens::doubleClickWithoutSelectionOnlyCloses()
{
    TfrmTrovaGiornale screen;
    screen.setModeWord(QStringLiteral("giornale"));
    screen.show();
    screen.btnCercaClick();
    screen.panContainer->lstRecords->setCurrentRow(-1);
    screen.panContainer->lstRecordsDblClick();
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_editor->lblPosizione->text(), QString());
    QCOMPARE(m_editor->field("txtMeteo"), QString());
}

void TestSearchScreens::otherModeWordLoadsNothing()
{
    TfrmTrovaGiornale screen;
    screen.setModeWord(QStringLiteral("attrezzature"));
    screen.show();
    screen.btnCercaClick();
    doubleClickRow(screen.panContainer->lstRecords, 0);
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_editor->lblPosizione->text(), QString());
    QCOMPARE(m_editor->field("txtMeteo"), QString());
}

void TestSearchScreens::changedPageIsNotLoaded()
{
    TfrmTrovaGiornale screen;
    screen.setModeWord(QStringLiteral("giornale"));
    screen.show();
    screen.btnCercaClick();
    ArchiveFile file(m_path, Layouts::journal().recordSize());
    QVERIFY(file.open());
    QVERIFY(file.write(2, page({{"Data", "09/09/2024"}, {"Meteo", "cambiata"}})));
    file.close();
    doubleClickRow(screen.panContainer->lstRecords, 0); // the line of page 2 as it was
    QVERIFY(!screen.isVisible());
    QCOMPARE(m_editor->lblPosizione->text(), QString());
    QCOMPARE(m_editor->field("txtMeteo"), QString());
}

void TestSearchScreens::listKeepsTheSearchOrder()
{
    QList<Fields> pages;
    const QStringList dates = {"_x", "b", "ax", "Zx", "[x", "B", "10/01/2024", "èa"};
    for (const QString &d : dates)
        pages.append({{"Data", d}});
    writeJournal(m_path, pages);
    TfrmTrovaGiornale screen;
    screen.show();
    screen.btnCercaClick();
    QStringList firstColumn;
    for (const QString &t : itemTexts(screen.panContainer->lstRecords))
        firstColumn.append(t.left(10).trimmed());
    QCOMPARE(firstColumn, (QStringList{"10/01/2024", "ax", "b", "B", "Zx", "[x", "_x", "èa"}));
    QList<qint64> positions;
    for (const ListLine &l : screen.panContainer->lines())
        positions.append(l.position);
    QCOMPARE(positions, (QList<qint64>{7, 3, 2, 6, 4, 5, 1, 8}));
}

void TestSearchScreens::openedFromTheEditorRunsModally()
{
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmTrovaGiornale *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->modeWord(), QStringLiteral("giornale"));
        screen->filters.at(1)->setText(QStringLiteral("fondazione"));
        screen->btnCercaClick();
        QCOMPARE(screen->panContainer->lstRecords->count(), 1);
        doubleClickRow(screen->panContainer->lstRecords, 0);
    });
    TfrmTrovaGiornale::open(m_editor.get());
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{QStringLiteral("TfrmTrovaGiornale")});
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_editor->field("txtOggetto"), QStringLiteral("Scavo Fondazione"));
    QVERIFY(!m_editor->findChild<TfrmTrovaGiornale *>()); // destroyed after use
}

void TestSearchScreens::pageEditorSearchThenSaveOverwritesThatPage()
{
    const Fields journal = {{"Numero", "7"},     {"Committente", "Comune"}, {"Impresa", "Edil"}, {"Direttore", "Rossi"},
                            {"Oggetto", "Muri"}, {"Data", "02/01/2024"},    {"Totale", "4"}};
    writeJournal(m_path,
                 {journal + Fields{{"Meteo", "primo"}},
                  journal + Fields{{"Meteo", "secondo"}},
                  {{"Data", "03/03/2024"}, {"Oggetto", "Tetto"}}});
    TfrmGiornale editor;
    editor.setObjectName(QStringLiteral("frmGiornale"));
    Screens::add(&editor);
    editor.lblFile->setText(m_path);

    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmTrovaGiornale *>(dialog);
        QVERIFY(screen);
        screen->filters.at(1)->setText(QStringLiteral("muri"));
        screen->btnCercaClick();
        QCOMPARE(screen->panContainer->lstRecords->count(), 2);
        doubleClickRow(screen->panContainer->lstRecords, 0); // the first of the two equal lines
    });
    editor.cmdTrovaClick();
    Screens::remove(&editor);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{QStringLiteral("TfrmTrovaGiornale")});
    QCOMPARE(editor.lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(editor.txtMeteo->text(), QStringLiteral("primo"));

    editor.txtMeteo->setText(QStringLiteral("corretto"));
    editor.cmdSalva->click();
    ArchiveFile file(m_path, Layouts::journal().recordSize());
    QVERIFY(file.open());
    qint64 count = 0;
    QVERIFY(file.count(&count));
    QCOMPARE(count, 3);
    const int meteo = Layouts::journal().indexOf(u"Meteo");
    QByteArray bytes;
    QVERIFY(file.read(1, &bytes));
    QCOMPARE(Record::decodeField(Layouts::journal(), bytes.constData(), meteo), QStringLiteral("corretto"));
    QVERIFY(file.read(2, &bytes));
    QCOMPARE(Record::decodeField(Layouts::journal(), bytes.constData(), meteo), QStringLiteral("secondo"));
}

void TestSearchScreens::printsTheListInListOrder()
{
    TfrmTrovaGiornale screen;
    screen.show();
    screen.btnCercaClick();
    const Report::PreparedReport report = screen.panContainer->listReport();
    QCOMPARE(report.name, QStringLiteral("Riepilogo dati"));
    const Report::DrawnObject *title = report.find(u"txtTitolo");
    const Report::DrawnObject *lines = report.find(u"txtRiepilogo");
    QVERIFY(title && lines);
    QCOMPARE(title->lines, QStringList{QStringLiteral("Riepilogo pagine Cantilog")});
    QCOMPARE(lines->lines, itemTexts(screen.panContainer->lstRecords));

    m_dialogs->printAnswers.enqueue(false);
    m_dialogs->printAnswers.enqueue(true);
    QTest::mouseClick(screen.panContainer->btnStampa, Qt::LeftButton); // cancelled
    QTest::mouseClick(screen.panContainer->btnStampa, Qt::LeftButton);
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 2);
    QCOMPARE(m_dialogs->messages(), QStringList());
    QVERIFY(screen.isVisible());
}

QTEST_MAIN(TestSearchScreens)
#include "test_search_screens.moc"
