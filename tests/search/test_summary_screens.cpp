// The summary screen base: the lines its rule lists, find, print, and the double-click that
// reloads the one record a line was built from.
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/ui/SummaryScreen.h"
#include "foundation/Text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <array>

namespace {

using Fields = Fixtures::Fields;

constexpr std::array kLine = std::to_array<LineColumn>({
    {"Cod. ", "Codice", nullptr, 10},
    {"  ", "Marca", nullptr, 0},
});
const SummaryDesign kDesign{&Layouts::equipment(), kLine, "Riepilogo di prova"};

// Stands in for a summary: lists the equipment whose revision is not done ("No"), reloads into
// nothing but a record of what it was handed; `total` shows the extra area under the list.
class StandInSummary : public SummaryScreen {
public:
    explicit StandInSummary(int extraHeight = 0) : SummaryScreen(nullptr, " Riepilogo di prova", kDesign, extraHeight)
    {
        if (extraHeight > 0) {
            lblTotale = new QLabel(QStringLiteral("0,00"), extraArea());
            lblTotale->setObjectName(QStringLiteral("lblTotale"));
        }
    }

    QLabel *lblTotale = nullptr;
    QList<qint64> reloaded;
    QList<QByteArray> records;

protected:
    QString archivePath() const override { return Archives::equipmentPath(); }
    ListLines::Collected collectLines() override
    {
        const RecordLayout &layout = Layouts::equipment();
        const int done = layout.indexOf(u"Effettuata");
        return summary().collect(archivePath(), [&](const char *record) {
            return Text::trimBlanks(Record::decodeField(layout, record, done)) == QLatin1String("No");
        });
    }
    void reloadAction(qint64 position, const QByteArray &record) override
    {
        reloaded.append(position);
        records.append(record);
    }
    QString printTitle() const override
    {
        return lblTotale ? SummaryScreen::printTitle() + QStringLiteral(": ") + lblTotale->text()
                         : SummaryScreen::printTitle();
    }
};

const QList<Fields> kItems = {
    {{"Codice", "b2"}, {"Marca", "Bosch"}, {"Effettuata", "No"}},
    {{"Codice", "A1"}, {"Marca", "Hilti"}, {"Effettuata", "No"}},
    {{"Codice", "z9"}, {"Marca", "Fatto"}, {"Effettuata", "Sì"}},
    {{"Codice", "a3"}, {"Marca", "Makita"}, {"Effettuata", "No "}},
    {{"Codice", "A1"}, {"Marca", "Hilti"}, {"Effettuata", "No"}, {"Note", "seconda"}},
};

QString line(const QString &code, const QString &make) { return "Cod. " + code.leftJustified(10) + "  " + make; }

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

class TestSummaryScreens : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showingListsTheRuleInListOrder();
    void findOnAnEmptyList();
    void doubleClickReloadsThatRecordAlone_data();
    void doubleClickReloadsThatRecordAlone();
    void changedArchiveClosesWithoutReloading();
    void doubleClickWithoutSelectionOnlyCloses();
    void printsTheTitleAndTheLines();
    void extraAreaUnderTheList();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestSummaryScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    QVERIFY(Fixtures::writeArchive(Archives::equipmentPath(), Layouts::equipment(), kItems));
}

void TestSummaryScreens::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    m_dialogs.reset();
    m_folder.reset();
}

void TestSummaryScreens::showingListsTheRuleInListOrder()
{
    StandInSummary screen;
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Riepilogo di prova"));
    QCOMPARE(screen.size(), SummaryScreen::kClient);
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    ResultList *list = screen.panRiepilogo;
    QCOMPARE(itemTexts(list->lstRecords),
             (QStringList{line("A1", "Hilti"), line("A1", "Hilti"), line("a3", "Makita"), line("b2", "Bosch")}));
    QCOMPARE(list->lines().at(0).position, 2);
    QCOMPARE(list->lines().at(1).position, 5);
    QCOMPARE(QApplication::focusWidget(), list->txtTrova);
    for (const char *name :
         {"lblRigo01", "lblRigo02", "txtTrova", "btnTrova", "lstRecords", "lblRigo03", "btnChiudi", "btnStampa"})
        QVERIFY2(screen.findChild<QWidget *>(QLatin1String(name)), name);
    QVERIFY(!screen.findChild<QWidget *>(QStringLiteral("panAvvio"))); // no filter panel
    // Shown again, the list is built again from the archive as it now stands.
    screen.close();
    QCOMPARE(list->lstRecords->count(), 0);
    QVERIFY(Fixtures::writeArchive(Archives::equipmentPath(), Layouts::equipment(), {kItems.at(0)}));
    screen.show();
    QCOMPARE(itemTexts(list->lstRecords), QStringList{line("b2", "Bosch")});
}

void TestSummaryScreens::findOnAnEmptyList()
{
    QVERIFY(Fixtures::writeArchive(Archives::equipmentPath(), Layouts::equipment(), {kItems.at(2)}));
    StandInSummary screen;
    screen.show();
    QCOMPARE(screen.panRiepilogo->lstRecords->count(), 0);
    screen.panRiepilogo->txtTrova->setText(QStringLiteral("x"));
    screen.panRiepilogo->btnTrovaClick();
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void TestSummaryScreens::doubleClickReloadsThatRecordAlone_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QString>("note");
    QTest::newRow("first of two identical lines") << 0 << qint64(2) << QString();
    QTest::newRow("second of two identical lines") << 1 << qint64(5) << QStringLiteral("seconda");
    QTest::newRow("a line of its own") << 3 << qint64(1) << QString();
}

void TestSummaryScreens::doubleClickReloadsThatRecordAlone()
{
    QFETCH(int, row);
    QFETCH(qint64, position);
    QFETCH(QString, note);
    StandInSummary screen;
    screen.show();
    doubleClickRow(screen.panRiepilogo->lstRecords, row);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.reloaded, QList<qint64>{position});
    const Record record = Record::decode(Layouts::equipment(), screen.records.at(0).constData());
    QCOMPARE(record.value(u"Note"), note);
    QCOMPARE(m_dialogs->messages(), QStringList());
}

void TestSummaryScreens::changedArchiveClosesWithoutReloading()
{
    StandInSummary screen;
    screen.show();
    ArchiveFile file(Archives::equipmentPath(), Layouts::equipment().recordSize());
    QVERIFY(file.open());
    QVERIFY(file.write(2, Fixtures::record(Layouts::equipment(), {{"Codice", "C7"}, {"Effettuata", "No"}})));
    file.close();
    doubleClickRow(screen.panRiepilogo->lstRecords, 0); // the line of record 2 as it was
    QVERIFY(!screen.isVisible());
    QVERIFY(screen.reloaded.isEmpty());
    QCOMPARE(m_dialogs->messages(), QStringList());
}

void TestSummaryScreens::doubleClickWithoutSelectionOnlyCloses()
{
    QVERIFY(Fixtures::writeArchive(Archives::equipmentPath(), Layouts::equipment(), {}));
    StandInSummary screen;
    screen.show();
    QTest::mouseDClick(screen.panRiepilogo->lstRecords->viewport(), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    QVERIFY(screen.reloaded.isEmpty());
}

void TestSummaryScreens::printsTheTitleAndTheLines()
{
    StandInSummary screen;
    screen.show();
    m_dialogs->printAnswers.enqueue(true);
    QTest::mouseClick(screen.panRiepilogo->btnStampa, Qt::LeftButton);
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    QVERIFY(screen.isVisible());
    const Report::PreparedReport report = screen.panRiepilogo->listReport();
    QCOMPARE(report.find(u"txtTitolo")->lines, QStringList{"Riepilogo di prova"});
    QCOMPARE(report.find(u"txtRiepilogo")->lines, itemTexts(screen.panRiepilogo->lstRecords));
}

void TestSummaryScreens::extraAreaUnderTheList()
{
    StandInSummary screen(30);
    QCOMPARE(screen.size(), QSize(862, 590));
    screen.show();
    QCOMPARE(screen.lblTotale->mapTo(&screen, QPoint(0, 0)).y(), 560);
    QVERIFY(screen.lblTotale->isVisible());
    screen.lblTotale->setText(QStringLiteral("€ 12,50"));
    const Report::PreparedReport report = screen.panRiepilogo->listReport();
    QCOMPARE(report.find(u"txtTitolo")->lines, QStringList{QStringLiteral("Riepilogo di prova: € 12,50")});
}

QTEST_MAIN(TestSummaryScreens)
#include "test_summary_screens.moc"
