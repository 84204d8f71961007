// The report engine and the printed outputs: layouts read back from what was drawn, band
// splitting, wrapping and cutting, clipping and fill in pixels, the journal page RTF document,
// the title-page settings file, the whole-journal PDF and their cantilog-cli commands.
#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "archive/RecordLayout.h"
#include "archive/SheetFill.h"
#include "foundation/Formats.h"
#include "foundation/IniFile.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"
#include "journal/JournalLayouts.h"
#include "journal/JournalPrint.h"
#include "journal/JournalRtf.h"
#include "journal/TitlePage.h"
#include "report/ListSummary.h"
#include "report/Report.h"
#include "report/ReportRenderer.h"

#include "CliRunner.h"
#include "Fixtures.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace Report;

namespace {

constexpr double kTolerance = 0.01; // mm
const QString kPrintDate = QStringLiteral("01/03/2026");

bool near(double a, double b, double tolerance = kTolerance) { return qAbs(a - b) <= tolerance; }

Record journalPage(const QHash<QString, QString> &values)
{
    Record r(Layouts::journal());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        r.setValue(it.key(), it.value());
    return r;
}

Record fullPage()
{
    return journalPage({{"Numero", "12/2026"},
                        {"Data", "10/12/2026"},
                        {"Committente", "  Comune di Pisa  "},
                        {"Impresa", "Edilizia Rossi S.r.l."},
                        {"Oggetto", "Scuola elementare"},
                        {"Meteo", "Sereno"},
                        {"Natura", "Argilla"},
                        {"Totale", "5"},
                        {"Annotazioni", "Scavo lato nord.\r\nGetto del magrone.\r\n"},
                        {"Operai", "Muratore Rossi Mario"},
                        {"Osservazioni", "Nessuna"},
                        {"Direttore", "Ing. Bianchi"},
                        {"Responsabile", "Arch. Verdi"}});
}

void appendPages(const QString &path, const QList<Record> &pages)
{
    ArchiveFile file(path, Layouts::journal().recordSize());
    QVERIFY(file.open());
    for (const Record &r : pages)
        QVERIFY(file.append(r.encode()) > 0);
}

QColor pixelAtMm(const QImage &image, double xMm, double yMm, double dpi)
{
    return image.pixelColor(int(xMm * dpi / 25.4), int(yMm * dpi / 25.4));
}

// The lines of every drawn object of that name, page after page.
QStringList drawnLines(const PreparedReport &prepared, const QString &name)
{
    QStringList lines;
    for (const DrawnObject &d : prepared.drawn())
        if (d.name == name)
            lines += d.lines;
    return lines;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void init() { Formats::setToday(QDate(2026, 3, 1)); }
    void cleanup() { Formats::setToday(QDate()); }

    // ---- layouts ----
    void sheetLayouts_data();
    void sheetLayouts();
    void drawingOrderIsStoredOrder();
    void listLayoutPositions();
    void orientation();
    void memoTextOperations();
    void singleLineTextIsCentredInItsBox();
    void alignment();

    // ---- band report ----
    void longListSplitsAcrossPages();
    void emptyList();
    void listLineIsCutNotWrapped();
    void dateExpression();

    // ---- wrapping and clipping ----
    void wrapInsideBoxAndClipAtBottom();
    void singleLineCutAtRightEdge_data();
    void singleLineCutAtRightEdge();
    void clippingInPixels();
    void fillInPixels();

    // ---- journal page fill ----
    void journalPageFill();
    void fillTableGivesTrimmedFieldsPrefixesAndJoinedValues();
    void recordReadAtPosition();
    void unsavedPageHasNoNumber();

    // ---- title page ----
    void titlePageFill();
    void titlePageSettingsRoundTrip();
    void titlePageValuesStayOnTheirLine_data();
    void titlePageValuesStayOnTheirLine();
    void titlePageSettingsWrittenElsewhere();
    void titlePageSettingsMissing();
    void titlePageSettingsKeepOtherContent();

    // ---- RTF ----
    void rtfEmptyPage();
    void rtfValues_data();
    void rtfValues();
    void rtfReplacesOldFileAndLeavesNoTemporary();
    void rtfFailureKeepsOldDocument();

    // ---- PDF ----
    void journalPdf();
    void journalPdfProgressAndCancel();
    void journalPdfEmptyAndMissing();

    // ---- cantilog-cli ----
    void cliPdf();
    void cliPdfUsage_data();
    void cliPdfUsage();
    void cliRtf();
    void pdfsAreArchival_data();
    void pdfsAreArchival();
};

// Positions and sizes of the stored layouts, as the drawn objects report them.
void TestReport::sheetLayouts_data()
{
    QTest::addColumn<int>("layout"); // 0 journal page, 1 title page
    QTest::newRow("journal page") << 0;
    QTest::newRow("title page") << 1;
}

// Prepare places every object of a sheet where its layout row says, from the printable area's
// corner, with its kind; lines keep no thickness and pictures are loaded.
void TestReport::sheetLayouts()
{
    QFETCH(int, layout);
    const LayoutTable &table = layout == 0 ? JournalLayouts::journalPage() : JournalLayouts::titlePage();
    const PreparedReport prepared = layout == 0 ? JournalPrint::prepared(fullPage(), QStringLiteral("3"))
                                                : TitlePage::prepared(QStringList(9, QStringLiteral("x")));
    QCOMPARE(prepared.pages.size(), 1);
    QCOMPARE(prepared.pages[0].paper, QSizeF(210.0, 297.0));
    QCOMPARE(prepared.pages[0].objects.size(), qsizetype(table.objects.size()));
    for (const ObjectRow &row : table.objects) {
        const QString name = QString::fromLatin1(row.name);
        const DrawnObject *d = prepared.find(name);
        QVERIFY2(d, row.name);
        const double width = row.kind == RowKind::VerticalLine ? 0 : row.width;
        const double height = row.kind == RowKind::HorizontalLine ? 0 : row.height;
        const QRectF expected(row.left + table.marginLeft, row.top + table.marginTop, width, height);
        QVERIFY2(near(d->rect.left(), expected.left()) && near(d->rect.top(), expected.top()) &&
                     near(d->rect.width(), expected.width()) && near(d->rect.height(), expected.height()),
                 row.name);
        const bool line = row.kind == RowKind::HorizontalLine || row.kind == RowKind::VerticalLine;
        QCOMPARE(d->kind == ObjectKind::Line, line);
        QCOMPARE(d->vertical, row.kind == RowKind::VerticalLine);
        QCOMPARE(d->kind == ObjectKind::Memo, row.kind == RowKind::Memo);
        if (row.kind == RowKind::Picture)
            QVERIFY2(!d->picture.isNull(), row.name);
        // Every text line drawn starts inside its box.
        for (const QPointF &o : d->origins)
            QVERIFY(d->rect.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance).contains(o));
    }
    // A few places as the page shows them, so that the table itself is checked too.
    const DrawnObject *first = prepared.find(layout == 0 ? u"txtAnnotazioni" : u"imgLogo");
    QVERIFY(first);
    QCOMPARE(first->rect.topLeft(), layout == 0 ? QPointF(12.0, 68.0) : QPointF(40.6, 65.0));
}

void TestReport::drawingOrderIsStoredOrder()
{
    const PreparedReport prepared = JournalPrint::prepared(fullPage(), QString());
    const auto &table = JournalLayouts::journalPage().objects;
    QCOMPARE(prepared.pages[0].objects.size(), qsizetype(table.size()));
    for (size_t i = 0; i < table.size(); ++i)
        QCOMPARE(prepared.pages[0].objects[qsizetype(i)].name, QString::fromLatin1(table[i].name));
    // The beige long boxes come after the blue title bars they sit under.
    const auto index = [&](const char *n) {
        for (qsizetype i = 0; i < prepared.pages[0].objects.size(); ++i)
            if (prepared.pages[0].objects[i].name == QLatin1String(n))
                return i;
        return qsizetype(-1);
    };
    QVERIFY(index("Shape2") < index("Shape3"));
    QVERIFY(index("Shape3") < index("txtAnnotazioni"));
}

void TestReport::listLayoutPositions()
{
    const PreparedReport p = ListSummary::prepared(QStringLiteral("Riepilogo pagine Cantilog"),
                                                   {QStringLiteral("uno"), QStringLiteral("due")}, kPrintDate);
    QCOMPARE(p.name, QStringLiteral("Riepilogo dati"));
    QCOMPARE(p.pages.size(), 1);
    QCOMPARE(p.pages[0].paper, QSizeF(297.0, 210.0));
    QCOMPARE(p.pages[0].orientation, Orientation::Landscape);
    const DrawnObject *title = p.find(u"txtTitolo");
    const DrawnObject *list = p.find(u"txtRiepilogo");
    const DrawnObject *footer = p.find(u"txtPagina");
    QVERIFY(title && list && footer);
    // 10 mm margins; the bands stack from the top margin.
    QVERIFY(near(title->rect.left(), 12.0) && near(title->rect.top(), 11.0));
    QVERIFY(near(title->rect.width(), 273.0) && near(title->rect.height(), 5.0));
    QVERIFY(near(list->rect.left(), 13.0) && near(list->rect.top(), 18.0));
    const double listHeight = mmFromUnits(2 * ListSummary::kLineUnits);
    QVERIFY(near(list->rect.height(), listHeight));
    QVERIFY(near(footer->rect.left(), 13.0));
    QVERIFY(near(footer->rect.top(), 18.0 + listHeight + mmFromUnits(10) + 2.0));
    QCOMPARE(list->lines, QStringList({"uno", "due"}));
    QCOMPARE(title->lines, QStringList({"Riepilogo pagine Cantilog"}));
    // Lines follow one another at the Courier New 8 pt pitch.
    QVERIFY(near(list->origins[1].y() - list->origins[0].y(), 3.392, 0.001));
}

void TestReport::orientation()
{
    Report::Report r(JournalLayouts::journalPage());
    QCOMPARE(r.page().paper, QSizeF(210.0, 297.0));
    r.page().setOrientation(Orientation::Portrait);
    QCOMPARE(r.page().paper, QSizeF(210.0, 297.0));
    r.page().setOrientation(Orientation::Landscape);
    QCOMPARE(r.page().paper, QSizeF(297.0, 210.0));
    r.page().setOrientation(Orientation::Landscape);
    QCOMPARE(r.page().paper, QSizeF(297.0, 210.0));
    Report::Report list(ListSummary::layout());
    QCOMPARE(list.page().paper, QSizeF(297.0, 210.0));
    QCOMPARE(list.page().printable(), QRectF(10, 10, 277, 190));
}

void TestReport::memoTextOperations()
{
    Report::Report r(JournalLayouts::journalPage());
    QVERIFY(!r.findMemo(u"Shape2")); // a shape, not a memo
    QVERIFY(!r.findMemo(u"txtNessuno"));
    ReportObject *m = r.findMemo(u"txtOperai");
    QVERIFY(m);
    m->setText(QStringLiteral("uno\r\ndue\ntre\rquattro"));
    QCOMPARE(m->lines, QStringList({"uno", "due", "tre", "quattro"}));
    m->setText(QString());
    QVERIFY(m->lines.isEmpty());
    m->appendLine(QStringLiteral("a"));
    m->appendLine(QStringLiteral("b"));
    QCOMPARE(m->text(), QStringLiteral("a\nb"));
    m->clearLines();
    QVERIFY(m->lines.isEmpty());
    m->setHeightUnits(96);
    QVERIFY(near(m->rect.height(), 25.4));
    QVERIFY(near(m->heightUnits(), 96));
    QVERIFY(!r.findBand(u"MasterData"));
    Report::Report list(ListSummary::layout());
    Band *band = list.findBand(u"MasterData");
    QVERIFY(band && band->canSplit);
    band->setHeightUnits(10);
    QVERIFY(near(band->height, 2.6458, 0.001));
    // Design texts stay until the program sets its own.
    Report::Report fresh(JournalLayouts::journalPage());
    QCOMPARE(fresh.findMemo(u"txtData")->text(), QStringLiteral("GG/MM/AAAA"));
}

void TestReport::singleLineTextIsCentredInItsBox()
{
    const PreparedReport p = JournalPrint::prepared(fullPage(), QStringLiteral("1"));
    for (const char *name : {"txtNumero", "txtCommittente", "txtData", "Memo3"}) {
        const DrawnObject *d = p.find(QString::fromLatin1(name));
        QVERIFY(d);
        QCOMPARE(d->lines.size(), 1);
        // The baseline lies below the box's middle and above its bottom.
        const double baseline = d->origins[0].y();
        QVERIFY2(baseline > d->rect.center().y() && baseline < d->rect.bottom(), name);
    }
    // A top-aligned box starts its first line near the top.
    const DrawnObject *notes = p.find(u"txtAnnotazioni");
    QVERIFY(notes->origins[0].y() < notes->rect.top() + 3.5);
}

void TestReport::alignment()
{
    const PreparedReport p = JournalPrint::prepared(fullPage(), QStringLiteral("17"));
    const DrawnObject *page = p.find(u"txtPagina");   // right
    const DrawnObject *numero = p.find(u"txtNumero"); // left
    const DrawnObject *memo1 = p.find(u"Memo1");      // centre
    QCOMPARE(page->lines, QStringList{"Pag. 17"});
    QVERIFY(page->origins[0].x() > page->rect.left() + 5); // pushed to the right edge
    QVERIFY(near(numero->origins[0].x(), numero->rect.left() + mmFromUnits(2)));
    const double leftGap = memo1->origins[0].x() - memo1->rect.left();
    QVERIFY(leftGap > 10 && leftGap < memo1->rect.width() / 2);
}

void TestReport::longListSplitsAcrossPages()
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("Riga %1").arg(i, 3, 10, QLatin1Char('0'));
    const PreparedReport p = ListSummary::prepared(QStringLiteral("Titolo"), lines, kPrintDate);
    QVERIFY(p.pages.size() >= 3);
    QCOMPARE(drawnLines(p, QStringLiteral("txtRiepilogo")), lines); // none lost, none repeated
    int titles = 0, footers = 0;
    for (const DrawnObject &d : p.drawn()) {
        if (d.name == u"txtTitolo") {
            ++titles;
            QCOMPARE(d.page, 1);
        }
        if (d.name == u"txtPagina") {
            ++footers;
            QCOMPARE(d.page, int(p.pages.size()));
        }
        for (const QPointF &o : d.origins)
            QVERIFY(o.y() <= 200.0); // above the bottom margin
    }
    QCOMPARE(titles, 1);
    QCOMPARE(footers, 1);
    // Continuation pages start at the top margin; the footer follows the band's end.
    double lastBaseline = 0;
    for (const PreparedPage &page : p.pages) {
        for (const DrawnObject &d : page.objects)
            if (d.name == u"txtRiepilogo") {
                QVERIFY(d.rect.top() >= 10.0 - kTolerance);
                QVERIFY(d.rect.bottom() <= 200.0 + kTolerance);
                lastBaseline = d.origins.last().y();
            }
    }
    const DrawnObject &last = p.pages.last().objects.last();
    QCOMPARE(last.name, QStringLiteral("txtPagina"));
    QVERIFY(last.rect.top() > lastBaseline);
    QVERIFY(last.rect.top() < lastBaseline + 3.392 + mmFromUnits(10) + 2.0 + kTolerance);
    // A page holds as many lines as fit: the first page's last line is close to the margin.
    const DrawnObject *first = p.find(u"txtRiepilogo");
    QVERIFY(first->origins.last().y() > 200.0 - 3.392 * 2);
}

void TestReport::emptyList()
{
    const PreparedReport p =
        ListSummary::prepared(QStringLiteral("Riepilogo attrezzature in inventario"), {}, kPrintDate);
    QCOMPARE(p.pages.size(), 1);
    QVERIFY(drawnLines(p, QStringLiteral("txtRiepilogo")).isEmpty());
    const DrawnObject *footer = p.find(u"txtPagina");
    QVERIFY(footer);
    // Title band 8 mm, then a 10-unit band holding no text, then the footer.
    QVERIFY(near(footer->rect.top(), 10.0 + 8.0 + mmFromUnits(10) + 2.0));
    QCOMPARE(footer->lines, QStringList{"Stampa eseguita in data 01/03/2026"});
    QCOMPARE(p.find(u"txtTitolo")->lines, QStringList{"Riepilogo attrezzature in inventario"});
}

void TestReport::listLineIsCutNotWrapped()
{
    const QString longLine = QString(400, QLatin1Char('X'));
    const PreparedReport p = ListSummary::prepared(QStringLiteral("T"), {longLine, QStringLiteral("dopo")}, kPrintDate);
    const QStringList drawn = drawnLines(p, QStringLiteral("txtRiepilogo"));
    QCOMPARE(drawn.size(), 2);
    QVERIFY(drawn[0].size() < longLine.size());
    QVERIFY(longLine.startsWith(drawn[0]));
    // Courier New 8 pt: 1.693 mm a character; the box holds 273 mm less its inner margins.
    QVERIFY(drawn[0].size() >= 158 && drawn[0].size() <= 161);
    QCOMPARE(drawn[1], QStringLiteral("dopo"));
}

void TestReport::dateExpression()
{
    // The date is the caller's, whatever the day the report is prepared.
    const PreparedReport p = ListSummary::prepared(QStringLiteral("T"), {}, QStringLiteral("31/01/2027"));
    QCOMPARE(p.find(u"txtPagina")->lines, QStringList{"Stampa eseguita in data 31/01/2027"});
    QCOMPARE(evaluate(QStringLiteral("[DATE] e [ALTRO]"), QStringLiteral("31/01/2027")),
             QStringLiteral("31/01/2027 e [ALTRO]"));
    // The journal page's memos do not evaluate expressions.
    Record page = fullPage();
    page.setValue(u"Osservazioni", QStringLiteral("[DATE]"));
    const Report::PreparedReport report = JournalPrint::prepared(page, QString());
    QCOMPARE(report.find(u"txtOsservazioni")->lines, QStringList{"[DATE]"});
}

void TestReport::wrapInsideBoxAndClipAtBottom()
{
    Record page = fullPage();
    QString words;
    for (int i = 0; i < 60; ++i)
        words += QStringLiteral("calcestruzzo armato ");
    QStringList many;
    for (int i = 1; i <= 100; ++i)
        many << QStringLiteral("riga %1").arg(i);
    page.setValue(u"Annotazioni", words);
    page.setValue(u"Osservazioni", many.join(QStringLiteral("\r\n")));
    const PreparedReport p = JournalPrint::prepared(page, QString());

    const DrawnObject *notes = p.find(u"txtAnnotazioni");
    QVERIFY(notes->lines.size() > 3);
    QCOMPARE(notes->lines.join(QLatin1Char(' ')).simplified(), words.simplified()); // wrapped, nothing lost
    for (const QString &l : notes->lines)
        QVERIFY(l.startsWith(QLatin1String("calcestruzzo")) || l.startsWith(QLatin1String("armato")));

    const DrawnObject *obs = p.find(u"txtOsservazioni");
    QVERIFY(obs->lines.size() > 10 && obs->lines.size() < 100); // clipped at the box's bottom
    QCOMPARE(obs->lines, many.mid(0, obs->lines.size()));
    QCOMPARE(obs->rect.height(), 59.0); // the box never grows
    for (const QPointF &o : obs->origins)
        QVERIFY(o.y() <= obs->rect.bottom());
    // Wrap on: an unbroken word longer than the box is broken, not lost.
    page.setValue(u"Operai", QString(300, QLatin1Char('M')));
    const Report::PreparedReport report = JournalPrint::prepared(page, QString());
    const DrawnObject *workers = report.find(u"txtOperai");
    QVERIFY(workers->lines.size() >= 2);
    QCOMPARE(workers->lines.join(QString()), QString(300, QLatin1Char('M')));
}

void TestReport::singleLineCutAtRightEdge_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("client") << "Committente";
    QTest::newRow("weather") << "Meteo";
    QTest::newRow("director") << "Direttore";
}

void TestReport::singleLineCutAtRightEdge()
{
    QFETCH(QString, field);
    Record page = fullPage();
    const QString value = QString(250, QLatin1Char('W'));
    page.setValue(field, value);
    const Report::PreparedReport report = JournalPrint::prepared(page, QString());
    const DrawnObject *d = report.find(QStringLiteral("txt") + field);
    QCOMPARE(d->lines.size(), 1); // wrap off: one line, cut
    QVERIFY(d->lines[0].size() < value.size());
    QVERIFY(!d->lines[0].isEmpty());
}

// Text never paints outside its box: a cut value leaves the blue band beside it untouched.
void TestReport::clippingInPixels()
{
    constexpr double dpi = 300;
    Record page = fullPage();
    page.setValue(u"Committente", QString(250, QLatin1Char('W')));
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    page.setValue(u"Annotazioni", many.join(QStringLiteral("\r\n")));
    const QImage image = ReportRenderer::toImage(JournalPrint::prepared(page, QString()).pages[0], dpi);
    const QColor blue(0x64, 0x95, 0xED), beige(0xF5, 0xF5, 0xDC);
    // txtCommittente ends at 198.0 mm; Shape6 goes on to 199.0 mm.
    bool whiteInside = false;
    for (double y = 20.2; y < 23.6; y += 0.1) {
        QCOMPARE(pixelAtMm(image, 198.5, y, dpi), blue);
        if (pixelAtMm(image, 150.0, y, dpi).lightness() > 200)
            whiteInside = true;
    }
    QVERIFY(whiteInside); // the text itself is there
    // txtAnnotazioni ends at 127.0 mm; the beige Shape2 below it shows no ink.
    for (double x = 12.5; x < 60; x += 0.2)
        QCOMPARE(pixelAtMm(image, x, 127.4, dpi), beige);
}

void TestReport::fillInPixels()
{
    constexpr double dpi = 150;
    const QImage journal = ReportRenderer::toImage(JournalPrint::prepared(fullPage(), QString()).pages[0], dpi);
    QCOMPARE(pixelAtMm(journal, 190.0, 120.0, dpi), QColor(0xF5, 0xF5, 0xDC)); // beige box
    QCOMPARE(pixelAtMm(journal, 190.0, 27.0, dpi), QColor(0x64, 0x95, 0xED));  // blue header
    QCOMPARE(pixelAtMm(journal, 100.0, 5.0, dpi), QColor(Qt::white));          // paper
    const QImage list =
        ReportRenderer::toImage(ListSummary::prepared(QStringLiteral("T"), {}, kPrintDate).pages[0], dpi);
    QCOMPARE(pixelAtMm(list, 20.0, 13.5, dpi), QColor(0x70, 0x80, 0x90)); // slate grey title
    QCOMPARE(pixelAtMm(list, 20.0, 40.0, dpi), QColor(Qt::white));
}

void TestReport::journalPageFill()
{
    const PreparedReport p = JournalPrint::prepared(fullPage(), QStringLiteral(" 3 "));
    QCOMPARE(p.name, QStringLiteral("Cantilog"));
    QCOMPARE(p.find(u"txtNumero")->lines, QStringList{"CANTILOG N. 12/2026"});
    QCOMPARE(p.find(u"txtPagina")->lines, QStringList{"Pag. 3"});
    QCOMPARE(p.find(u"txtOggetto")->lines, QStringList{"OGGETTO:  Scuola elementare"});
    QCOMPARE(p.find(u"txtCommittente")->lines, QStringList{"Comune di Pisa"}); // trimmed
    QCOMPARE(p.find(u"txtTotale")->lines, QStringList{"5"});
    QCOMPARE(p.find(u"txtAnnotazioni")->lines, QStringList({"Scavo lato nord.", "Getto del magrone."}));
    QCOMPARE(p.find(u"titCommittente")->lines, QStringList{"COMMITTENTE:"});
    QCOMPARE(p.find(u"Memo8")->lines, QStringList{"IL RESPONSABILE DEL PROCEDIMENTO:"});
}

namespace {
QString bothNames(const Record &r)
{
    return Text::trimBlanks(r.value(u"Cognome")) + QLatin1Char(' ') + Text::trimBlanks(r.value(u"Nome"));
}
constexpr SheetFill::Row kCardRows[] = {
    {"txtIstruttore", nullptr, "", &bothNames},
    {"txtComuneRes", "ComuneRes", "Comune di "},
    {"txtCap", "Cap"},
};
} // namespace

void TestReport::fillTableGivesTrimmedFieldsPrefixesAndJoinedValues()
{
    Record worker(Layouts::workers());
    worker.setValue(u"Cognome", QStringLiteral(" Rossi "));
    worker.setValue(u"Nome", QStringLiteral("Anna  "));
    worker.setValue(u"ComuneRes", QStringLiteral("  Lucca"));
    const QList<MemoText> texts = SheetFill::texts(kCardRows, worker);
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[0].memo, QStringLiteral("txtIstruttore"));
    QCOMPARE(texts[0].text, QStringLiteral("Rossi Anna"));
    QCOMPARE(texts[1].text, QStringLiteral("Comune di Lucca"));
    QCOMPARE(texts[2].text, QString());
    // Set into a report: each named memo takes its text; a name without a memo is passed over.
    Report::Report r(JournalLayouts::journalPage());
    setTexts(r,
             {{QStringLiteral("txtMeteo"), QStringLiteral("Sole\nVento")},
              {QStringLiteral("Shape2"), QStringLiteral("x")},
              {QStringLiteral("txtNessuno"), QStringLiteral("x")}});
    QCOMPARE(r.findMemo(u"txtMeteo")->lines, QStringList({"Sole", "Vento"}));
}

void TestReport::recordReadAtPosition()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Cantiere.cnt"));
    appendPages(path, {fullPage(), journalPage({{"Numero", "2/2026"}})});
    const std::optional<Record> second = Record::read(path, Layouts::journal(), 2);
    QVERIFY(second);
    QCOMPARE(second->value(u"Numero"), QStringLiteral("2/2026"));
    QVERIFY(!Record::read(path, Layouts::journal(), 3));
    QVERIFY(!Record::read(path, Layouts::journal(), 0));
    QVERIFY(!Record::read(folder.file(QStringLiteral("nessuna/Cantiere.cnt")), Layouts::journal(), 1));
}

void TestReport::unsavedPageHasNoNumber()
{
    const PreparedReport p = JournalPrint::prepared(Record(Layouts::journal()), QString());
    QCOMPARE(p.find(u"txtPagina")->lines, QStringList{"Pag. "});
    QCOMPARE(p.find(u"txtOggetto")->lines, QStringList{"OGGETTO:  "});
    QVERIFY(p.find(u"txtCommittente")->lines.isEmpty() || p.find(u"txtCommittente")->lines == QStringList{""});
    // Filling the same report again replaces every variable text.
    Report::Report r(JournalLayouts::journalPage());
    JournalPrint::fill(r, fullPage(), QStringLiteral("2"));
    JournalPrint::fill(r, Record(Layouts::journal()), QString());
    QCOMPARE(r.findMemo(u"txtPagina")->lines, QStringList{"Pag. "});
    QVERIFY(r.findMemo(u"txtAnnotazioni")->lines.isEmpty());
}

void TestReport::titlePageFill()
{
    const PreparedReport empty = TitlePage::prepared(QStringList(9));
    QCOMPARE(empty.name, QStringLiteral("Frontespizio Cantilog"));
    QCOMPARE(empty.find(u"txtComune")->lines, QStringList{"Comune di "});
    QCOMPARE(empty.find(u"txtProvincia")->lines, QStringList{"Provincia di "});
    QVERIFY(empty.find(u"txtNumero")->lines.isEmpty() || empty.find(u"txtNumero")->lines == QStringList{""});
    const PreparedReport p = TitlePage::prepared(
        {"  Cascina ", "Pisa", "7", "Comune", "Impresa", "Oggetto", "Contratto", "Ing. Bianchi", "Arch. Verdi"});
    QCOMPARE(p.find(u"txtComune")->lines, QStringList{"Comune di Cascina"});
    QCOMPARE(p.find(u"txtProvincia")->lines, QStringList{"Provincia di Pisa"});
    QCOMPARE(p.find(u"txtNumero")->lines, QStringList{"7"});
    QCOMPARE(p.find(u"txtEstremi")->lines, QStringList{"Contratto"});
    QCOMPARE(p.find(u"txtResponsabile")->lines, QStringList{"Arch. Verdi"});
    QCOMPARE(p.find(u"txtCampo24")->lines.size(), 1); // the fixed statement fits its line
    QVERIFY(p.find(u"txtCampo24")->lines[0].endsWith(QLatin1String("conservazione")));
    QVERIFY(p.find(u"txtCampo24")->lines[0].contains(QLatin1String("art. 66 del D.P.R. n. 380 del 2001")));
    QVERIFY(p.find(u"Memo1")->lines[0].endsWith(QLatin1String("del Cantilog")));
}

void TestReport::titlePageSettingsRoundTrip()
{
    TestFolder folder;
    const QStringList values = {" Cascina ",
                                "Pisa",
                                "7/2026",
                                "Comune di Cascina è",
                                "Edilizia «Rossi» S.r.l.",
                                "Scuola \\ palestra",
                                "Rep. n. 12 = 2026",
                                "Ing. Bianchi",
                                ""};
    QVERIFY(TitlePage::save(values));
    const QByteArray bytes = folder.read(QStringLiteral("Cantilog.ini"));
    QVERIFY(bytes.startsWith("[Frontespizio Registro]"));
    QVERIFY(bytes.contains("\nComune=Cascina\n") || bytes.contains("\nComune=Cascina\r\n"));
    QVERIFY(bytes.contains("Committente=Comune di Cascina \xE8"));
    QVERIFY(bytes.contains("Impresa=Edilizia \xABRossi\xBB S.r.l."));
    QVERIFY(bytes.contains("Oggetto=Scuola \\ palestra"));
    QVERIFY(bytes.contains("Estremi=Rep. n. 12 = 2026"));
    QVERIFY(!bytes.contains("Comune ="));
    QStringList expected = values;
    expected[0] = QStringLiteral("Cascina");
    QCOMPARE(TitlePage::load(), expected);
    // Saving what was read gives the same bytes.
    QVERIFY(TitlePage::save(TitlePage::load()));
    QCOMPARE(folder.read(QStringLiteral("Cantilog.ini")), bytes);
}

void TestReport::titlePageValuesStayOnTheirLine_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("lineBreak");
    const QList<QPair<const char *, QString>> breaks = {
        {"LF", "\n"}, {"CR", "\r"}, {"CR LF", "\r\n"}, {"NUL", QString(QChar(0))}};
    for (const TitlePage::Field &f : TitlePage::fields())
        for (const auto &[name, text] : breaks)
            QTest::addRow("%s, %s", f.key, name) << int(&f - TitlePage::fields().data()) << text;
}

// A value pasted with line breaks is kept as one line of its section: the text after a break
// never becomes a section or a key of its own.
void TestReport::titlePageValuesStayOnTheirLine()
{
    QFETCH(int, field);
    QFETCH(QString, lineBreak);
    TestFolder folder;
    QStringList values;
    for (int i = 0; i < 9; ++i)
        values << QStringLiteral("Valore %1").arg(i);
    values[field] = QStringLiteral("prima") + lineBreak + QStringLiteral("[Altro]") + lineBreak +
        QStringLiteral("Comune=x") + lineBreak + QStringLiteral("fine");
    QVERIFY(TitlePage::save(values));
    const QByteArray bytes = folder.read(QStringLiteral("Cantilog.ini"));
    QCOMPARE(bytes.count('['), 2); // the section's header and the pasted text
    QVERIFY(bytes.startsWith("[Frontespizio Registro]"));
    QCOMPARE(bytes.count('\r'), 0);
    QCOMPARE(bytes.count('\0'), 0);
    QCOMPARE(bytes.trimmed().count('\n'), 9);
    const QString blanks = QString(lineBreak.size(), u' ');
    values[field] = QStringLiteral("prima") + blanks + QStringLiteral("[Altro]") + blanks + QStringLiteral("Comune=x") +
        blanks + QStringLiteral("fine");
    QCOMPARE(TitlePage::load(), values);
}

void TestReport::titlePageSettingsWrittenElsewhere()
{
    TestFolder folder;
    folder.write(QStringLiteral("Cantilog.ini"),
                 "[Frontespizio Registro]\r\nComune=Citt\xE0 di Castello\r\nProvincia=Perugia\r\n"
                 "Numero=3\r\ncommittente=Regione \x93Umbria\x94\r\nImpresa=\r\n"
                 "Direttore=Ing. Neri\r\nResponsabile=Arch. Gialli\r\n");
    const QStringList v = TitlePage::load();
    QCOMPARE(v.size(), 9);
    QCOMPARE(v[0], QStringLiteral("Città di Castello"));
    QCOMPARE(v[1], QStringLiteral("Perugia"));
    QCOMPARE(v[2], QStringLiteral("3"));
    QCOMPARE(v[3], QStringLiteral("Regione “Umbria”")); // keys compared without regard to case
    QCOMPARE(v[4], QString());
    QCOMPARE(v[5], QString()); // missing key
    QCOMPARE(v[7], QStringLiteral("Ing. Neri"));
    QCOMPARE(v[8], QStringLiteral("Arch. Gialli"));
    // The cli prints it the same way.
    const CliRunner::Run r = CliRunner::inProcess({"--folder", folder.path(), "pdf", "title", folder.file("t.pdf")});
    QCOMPARE(r.status, 0);
    QVERIFY(Fixtures::countPdfPages(folder.read(QStringLiteral("t.pdf"))) == 1);
}

void TestReport::titlePageSettingsMissing()
{
    TestFolder folder;
    QCOMPARE(TitlePage::load(), QStringList(9));
    folder.write(QStringLiteral("Cantilog.ini"), "[Altro]\r\nComune=No\r\n");
    QCOMPARE(TitlePage::load(), QStringList(9));
}

void TestReport::titlePageSettingsKeepOtherContent()
{
    TestFolder folder;
    folder.write(QStringLiteral("Cantilog.ini"),
                 "; note\n[Altro]\nChiave=Valore\n[Frontespizio Registro]\nComune=Vecchio\n");
    QVERIFY(TitlePage::save(QStringList{"Nuovo"}));
    const QByteArray bytes = folder.read(QStringLiteral("Cantilog.ini"));
    QVERIFY(bytes.contains("; note"));
    QVERIFY(bytes.contains("[Altro]\nChiave=Valore"));
    QVERIFY(bytes.contains("Comune=Nuovo"));
    QVERIFY(!bytes.contains("Vecchio"));
    QVERIFY(bytes.contains("Responsabile="));
    // A settings file that cannot be written reports it.
    QFile::remove(folder.file(QStringLiteral("Cantilog.ini")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Cantilog.ini")));
    QVERIFY(!TitlePage::save(QStringList(9)));
}

void TestReport::rtfEmptyPage()
{
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}{\\f1\\fnil Verdana;}}"
        "{\\colortbl ;\\red0\\green0\\blue0;}"
        "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 CANTILOG\\f1\\fs16"
        "\\par \\fs24 ________________________________________________"
        "\\par"
        "\\par \\pard\\f0\\fs20 Cantilog n.\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Data:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Committente:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Impresa affidataria o esecutrice:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Oggetto dei Lavori:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Meteo:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Natura dei terreni:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Numero operai impiegati:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b ANNOTAZIONI SPECIALI E GENERALI:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b OPERAI E MEZZI:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b OSSERVAZIONI E ISTRUZIONI:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Direttore dei Lavori:\\b0\\f1  \\f0 "
        "\\par"
        "\\par \\b Responsabile del Procedimento:\\b0\\f1  \\f0 \\b"
        "\\par"
        "\\par }";
    QCOMPARE(JournalRtf::document(Record(Layouts::journal())), expected);
    QCOMPARE(expected.count('_'), 48);
    QVERIFY(!expected.contains('\n'));
}

void TestReport::rtfValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << "Sereno" << QByteArray("Sereno");
    QTest::newRow("trimmed") << "  Sereno \t" << QByteArray("Sereno");
    QTest::newRow("backslash") << "C:\\Cantiere" << QByteArray("C:\\\\Cantiere");
    QTest::newRow("braces") << "{nota}" << QByteArray("\\{nota\\}");
    QTest::newRow("control word") << "\\par fine" << QByteArray("\\\\par fine");
    QTest::newRow("CR LF") << "riga uno\r\nriga due" << QByteArray("riga uno\\line riga due");
    QTest::newRow("empty line kept") << "a\r\n\r\nb" << QByteArray("a\\line \\line b");
    QTest::newRow("lone LF") << "a\nb" << QByteArray("a\\line b");
    QTest::newRow("accent one byte") << "città è" << QByteArray("citt\xE0 \xE8");
    QTest::newRow("euro") << "100 €" << QByteArray("100 \x80");
    QTest::newRow("not in code page") << "Ωmega" << QByteArray("?mega");
}

void TestReport::rtfValues()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, written);
    QCOMPARE(JournalRtf::rtfValue(value), written);
    for (const char *field : {"Numero", "Meteo", "Annotazioni", "Responsabile"}) {
        Record page(Layouts::journal());
        page.setValue(QString::fromLatin1(field), value);
        const QByteArray doc = JournalRtf::document(page);
        QVERIFY2(
            doc.contains("\\b0\\f1  \\f0 " + written + (qstrcmp(field, "Responsabile") == 0 ? "\\b\\par" : "\\par")),
            field);
        QVERIFY(doc.endsWith("\\par }"));
    }
}

void TestReport::rtfReplacesOldFileAndLeavesNoTemporary()
{
    TestFolder folder;
    folder.write(QStringLiteral("Cantilog.rtf"), QByteArray(50000, 'x'));
    QString path;
    QVERIFY(JournalRtf::write(fullPage(), &path));
    QCOMPARE(path, folder.file(QStringLiteral("Cantilog.rtf")));
    QCOMPARE(folder.read(QStringLiteral("Cantilog.rtf")), JournalRtf::document(fullPage()));
    QVERIFY(JournalRtf::write(Record(Layouts::journal())));
    QCOMPARE(folder.read(QStringLiteral("Cantilog.rtf")), JournalRtf::document(Record(Layouts::journal())));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Cantilog.rtf"});
}

void TestReport::rtfFailureKeepsOldDocument()
{
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Cantilog.rtf"))); // cannot be replaced
    QVERIFY(!JournalRtf::write(fullPage()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(JournalRtf::failureMessage(),
             QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                            "Accertarsi che il documento non sia già aperto."));
}

void TestReport::journalPdf()
{
    TestFolder folder;
    const QString archive = folder.file(QStringLiteral("Cantiere.cnt"));
    QList<Record> pages;
    for (int i = 1; i <= 4; ++i) {
        Record r = fullPage();
        r.setValue(u"Numero", QString::number(i));
        pages << r;
    }
    appendPages(archive, pages);
    const QString all = folder.file(QStringLiteral("all.pdf"));
    QCOMPARE(JournalPrint::writeJournalPdf(archive, all), JournalPrint::Result::Done);
    const QByteArray pdf = Fixtures::readFile(all);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(Fixtures::countPdfPages(pdf), 4);
    const QString one = folder.file(QStringLiteral("one.pdf"));
    QCOMPARE(JournalPrint::writePagePdf(archive, 2, one), JournalPrint::Result::Done);
    QCOMPARE(Fixtures::countPdfPages(Fixtures::readFile(one)), 1);
    QCOMPARE(JournalPrint::writePagePdf(archive, 5, one), JournalPrint::Result::AccessFailed);
    QCOMPARE(JournalPrint::writePagePdf(archive, 1, folder.file(QStringLiteral("no/such/dir.pdf"))),
             JournalPrint::Result::OutputFailed);
}

void TestReport::journalPdfProgressAndCancel()
{
    TestFolder folder;
    const QString archive = folder.file(QStringLiteral("Cantiere.cnt"));
    appendPages(archive, QList<Record>(5, fullPage()));
    QList<QPair<qint64, qint64>> calls;
    const QString out = folder.file(QStringLiteral("j.pdf"));
    QCOMPARE(JournalPrint::writeJournalPdf(archive, out,
                                           [&](qint64 done, qint64 total) {
                                               calls.append({done, total});
                                               return true;
                                           }),
             JournalPrint::Result::Done);
    QCOMPARE(calls.size(), 6);
    QCOMPARE(calls.first(), (QPair<qint64, qint64>(0, 5)));
    QCOMPARE(calls.last(), (QPair<qint64, qint64>(5, 5)));
    const QString cancelled = folder.file(QStringLiteral("c.pdf"));
    QCOMPARE(JournalPrint::writeJournalPdf(archive, cancelled, [](qint64 done, qint64) { return done < 2; }),
             JournalPrint::Result::Cancelled);
    QVERIFY(!QFile::exists(cancelled));
    // A cancelled or failed run leaves an earlier document as it was.
    QCOMPARE(JournalPrint::writeJournalPdf(archive, out, [](qint64 done, qint64) { return done < 3; }),
             JournalPrint::Result::Cancelled);
    QCOMPARE(Fixtures::countPdfPages(Fixtures::readFile(out)), 5);
    QCOMPARE(QDir(folder.path()).entryList({"*.pdf"}, QDir::Files | QDir::Hidden), QStringList{"j.pdf"});
}

void TestReport::journalPdfEmptyAndMissing()
{
    TestFolder folder;
    const QString archive = folder.file(QStringLiteral("Vuoto.cnt"));
    folder.write(QStringLiteral("Vuoto.cnt"), QByteArray());
    const QString out = folder.file(QStringLiteral("v.pdf"));
    QCOMPARE(JournalPrint::writeJournalPdf(archive, out), JournalPrint::Result::Empty);
    QVERIFY(!QFile::exists(out));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Cartella.cnt")));
    QCOMPARE(JournalPrint::writeJournalPdf(folder.file(QStringLiteral("Cartella.cnt")), out),
             JournalPrint::Result::AccessFailed);
}

void TestReport::cliPdf()
{
    TestFolder folder;
    appendPages(folder.file(QStringLiteral("Cantiere.cnt")), QList<Record>(3, fullPage()));
    const QString f = folder.path();
    CliRunner::Run r = CliRunner::inProcess({"--folder", f, "pdf", "journal", "Cantiere", "2", f + "p.pdf"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(Fixtures::countPdfPages(folder.read("p.pdf")), 1);
    r = CliRunner::inProcess({"--folder", f, "pdf", "journal", "Cantiere", "all", f + "a.pdf"});
    QCOMPARE(r.status, 0);
    QCOMPARE(Fixtures::countPdfPages(folder.read("a.pdf")), 3);
    r = CliRunner::inProcess({"--folder", f, "pdf", "journal", "Cantiere", "9", f + "x.pdf"});
    QCOMPARE(r.status, 3);
    QVERIFY(r.err.startsWith(QLatin1String("Attenzione: il sistema non permette di accedere all'archivio.\n")));
    folder.write("Vuoto.cnt", QByteArray());
    r = CliRunner::inProcess({"--folder", f, "pdf", "journal", "Vuoto", "all", f + "v.pdf"});
    QCOMPARE(r.status, 1);
    r = CliRunner::inProcess({"--folder", f, "pdf", "list", "Riepilogo pagine Cantilog", f + "l.pdf"},
                             "uno\r\ndue\ntre\n");
    QCOMPARE(r.status, 0);
    QCOMPARE(Fixtures::countPdfPages(folder.read("l.pdf")), 1);
    r = CliRunner::inProcess({"--folder", f, "pdf", "list", "Vuoto", f + "e.pdf"}, QString());
    QCOMPARE(r.status, 0);
    QCOMPARE(Fixtures::countPdfPages(folder.read("e.pdf")), 1);
    r = CliRunner::inProcess({"--folder", f, "pdf", "title", f + "no/dir/t.pdf"});
    QCOMPARE(r.status, 3);
    QVERIFY(!r.err.isEmpty());
}

void TestReport::cliPdfUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no kind") << QStringList{"pdf"};
    QTest::newRow("unknown kind") << QStringList{"pdf", "poster", "x.pdf"};
    QTest::newRow("journal missing out") << QStringList{"pdf", "journal", "Cantiere", "1"};
    QTest::newRow("journal bad position") << QStringList{"pdf", "journal", "Cantiere", "zero", "x.pdf"};
    QTest::newRow("journal position 0") << QStringList{"pdf", "journal", "Cantiere", "0", "x.pdf"};
    QTest::newRow("title extra") << QStringList{"pdf", "title", "a.pdf", "b.pdf"};
    QTest::newRow("list missing out") << QStringList{"pdf", "list", "Titolo"};
    QTest::newRow("rtf missing position") << QStringList{"rtf", "Cantiere"};
    QTest::newRow("rtf bad position") << QStringList{"rtf", "Cantiere", "-1"};
}

void TestReport::cliPdfUsage()
{
    QFETCH(QStringList, args);
    TestFolder folder;
    const CliRunner::Run r = CliRunner::inProcess(QStringList{"--folder", folder.path()} + args);
    QCOMPARE(r.status, 2);
    QVERIFY(!QFile::exists(folder.file("x.pdf")));
}

void TestReport::cliRtf()
{
    TestFolder folder;
    Record page = fullPage();
    page.setValue(u"Osservazioni", QStringLiteral("{a}\r\nb\\c"));
    appendPages(folder.file(QStringLiteral("Cantiere.cnt")), {fullPage(), page});
    CliRunner::Run r = CliRunner::inProcess({"--folder", folder.path(), "rtf", "Cantiere", "2"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, folder.file(QStringLiteral("Cantilog.rtf")) + QLatin1Char('\n'));
    const QByteArray doc = folder.read(QStringLiteral("Cantilog.rtf"));
    QCOMPARE(doc, JournalRtf::document(page));
    QVERIFY(doc.contains("OSSERVAZIONI E ISTRUZIONI:\\b0\\f1  \\f0 \\{a\\}\\line b\\\\c\\par"));
    r = CliRunner::inProcess({"--folder", folder.path(), "rtf", "Cantiere", "3"});
    QCOMPARE(r.status, 3);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QFile::remove(folder.file(QStringLiteral("Cantilog.rtf")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Cantilog.rtf")));
    r = CliRunner::inProcess({"--folder", folder.path(), "rtf", "Cantiere", "1"});
    QCOMPARE(r.status, 3);
    QVERIFY(r.err.startsWith(QLatin1String("Attenzione: il sistema non permette di esportare i dati.\n")));
}

void TestReport::pdfsAreArchival_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("input");
    QTest::newRow("journal page") << QStringList{"pdf", "journal", "Cantiere", "1"} << QString();
    QTest::newRow("whole journal") << QStringList{"pdf", "journal", "Cantiere", "all"} << QString();
    QTest::newRow("title page") << QStringList{"pdf", "title"} << QString();
    QTest::newRow("list") << QStringList{"pdf", "list", "Riepilogo"} << QStringLiteral("uno\ndue\n");
}

// Every written PDF declares PDF/A-1b, names Cantilog as author and carries the same creation
// date in its info and in its XMP metadata, as a conservation system checks.
void TestReport::pdfsAreArchival()
{
    QFETCH(QStringList, command);
    QFETCH(QString, input);
    TestFolder folder;
    appendPages(folder.file(QStringLiteral("Cantiere.cnt")), QList<Record>(2, fullPage()));
    const QString out = folder.file(QStringLiteral("out.pdf"));
    const CliRunner::Run r =
        CliRunner::inProcess(QStringList{"--folder", folder.path()} + command + QStringList{out}, input);
    QCOMPARE(r.status, 0);
    const QByteArray pdf = Fixtures::readFile(out);
    QVERIFY(pdf.contains("pdfaid:part=\"1\""));
    QVERIFY(pdf.contains("pdfaid:conformance=\"B\""));
    QVERIFY(pdf.contains("<dc:creator><rdf:Seq><rdf:li>Cantilog</rdf:li></rdf:Seq></dc:creator>"));
    QVERIFY(pdf.contains("xmp:CreatorTool=\"Cantilog\""));
    const QRegularExpression info(QStringLiteral("/CreationDate \\(D:(\\d{14})"));
    const QRegularExpression xmp(
        QStringLiteral("xmp:CreateDate=\"(\\d{4})-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)"));
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpressionMatch infoDate = info.match(text), xmpDate = xmp.match(text);
    QVERIFY(infoDate.hasMatch());
    QVERIFY(xmpDate.hasMatch());
    QString xmpDigits;
    for (int i = 1; i <= 6; ++i)
        xmpDigits += xmpDate.captured(i);
    QCOMPARE(xmpDigits, infoDate.captured(1));
    const QRegularExpression title(
        QStringLiteral("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">([^<]+)</rdf:li>"));
    QVERIFY(title.match(text).hasMatch());
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
