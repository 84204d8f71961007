// The screens that print, preview and export: the journal page print and preview screens, the
// RTF export screen and the title page screen, driven as the user drives them.
#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "archive/RecordLayout.h"
#include "archive/ui/BrowseEdit.h"
#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"
#include "foundation/ui/ScreenKit.h"
#include "journal/JournalRtf.h"
#include "journal/TitlePage.h"
#include "journal/ui/AnteprimaGiornale.h"
#include "journal/ui/ApriGiornale.h"
#include "journal/ui/CreaRTF.h"
#include "journal/ui/Frontespizio.h"
#include "journal/ui/Giornale.h"
#include "journal/ui/StampaGiornale.h"
#include "report/ListSummary.h"
#include "report/ui/ReportOutput.h"
#include "shell/ui/Screens.h"

#include "Fixtures.h"
#include "ScreenFixtures.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

// The print (0), preview (1) or RTF export (2) screen of the page editor.
std::unique_ptr<SheetScreen> sheetScreen(int which, QWidget *editor)
{
    if (which == 0)
        return std::make_unique<TfrmStampaGiornale>(editor);
    if (which == 1)
        return std::make_unique<TfrmAnteprimaGiornale>(editor);
    return std::make_unique<TfrmCreaRTF>(editor);
}

void click(QAbstractButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The next widget that Tab reaches.
QWidget *nextTabStop(QWidget *w)
{
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(w->window()));
    return w;
}

const QStringList kTitleFields = {"txtComune",  "txtProvincia", "txtNumero",    "txtCommittente", "txtImpresa",
                                  "txtOggetto", "txtEstremi",   "txtDirettore", "txtResponsabile"};

} // namespace

class TestReportScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void printScreenPrintsTheEditorAsShown();
    void printCancelledPrintsNothing();
    void annullaProducesNothing_data();
    void annullaProducesNothing();
    void previewShowsOneA4Sheet();
    void editorButtonsOpenTheirScreens();
    void printerReceivesEveryPageFromThePaperCorner();
    void screensAsDesigned_data();
    void screensAsDesigned();

    void wholeJournalToPdf();
    void wholeJournalNeverReplacesSilently_data();
    void wholeJournalNeverReplacesSilently();
    void wholeJournalEmpty();

    void rtfExportAndOpen_data();
    void rtfExportAndOpen();
    void rtfFailureIsAPlainMessage();
    void rtfOtherModeWordDoesNothing();

    void titlePageLoadsAndStoresOnClose();
    void titlePageStoredEvenWithoutOutput();
    void titlePagePastedLineBreaksStayInTheirField();
    void titlePageShowsLongValuesFromTheirStart();
    void titlePagePreviewAndPrint();
    void previewWindowOffersPrintZoomFullScreenClose();
    void titlePageEnterAndTabOrder();
    void titlePageSaveFailureIsReported();
    void chooserOpensTheTitlePage();

private:
    void fillEditor();

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    TfrmGiornale *m_editor = nullptr;
};

void TestReportScreens::initTestCase()
{
    Formats::setToday(QDate(2026, 3, 1));
    frmGiornale = m_editor = new TfrmGiornale;
    m_editor->setObjectName(QStringLiteral("frmGiornale"));
    Screens::add(m_editor);
}

void TestReportScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_editor->browse->show(Record(Layouts::journal()));
    m_editor->lblPosizione->clear();
}

void TestReportScreens::cleanup()
{
    QVERIFY(Fixtures::hideAllWindows());
    m_dialogs.reset();
    m_folder.reset();
}

void TestReportScreens::cleanupTestCase()
{
    Screens::remove(m_editor);
    delete m_editor;
    frmGiornale = nullptr;
}

void TestReportScreens::fillEditor()
{
    m_editor->txtNumero->setText(QStringLiteral("  7/2026 "));
    m_editor->txtData->setText(QStringLiteral("01/03/2026"));
    m_editor->txtCommittente->setText(QStringLiteral("Comune di Lucca"));
    m_editor->txtImpresa->setText(QStringLiteral("Edil Toscana srl"));
    m_editor->txtOggetto->setText(QString());
    m_editor->txtMeteo->setText(QStringLiteral("Pioggia"));
    m_editor->txtAnnotazioni->setPlainText(QStringLiteral("Prima riga\nSeconda riga è qui"));
    m_editor->txtDirettore->setText(QStringLiteral("Ing. Neri"));
}

void TestReportScreens::printScreenPrintsTheEditorAsShown()
{
    fillEditor();
    m_dialogs->printAnswers.enqueue(true);
    TfrmStampaGiornale screen(m_editor);
    screen.show();
    click(screen.btnStampa);
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    QVERIFY(!screen.isVisible()); // closes after the attempt
    const Report::PreparedReport &p = screen.repScheda.prepared();
    QCOMPARE(p.name, QStringLiteral("Cantilog"));
    QCOMPARE(p.find(u"txtNumero")->lines, QStringList{"CANTILOG N. 7/2026"});
    QCOMPARE(p.find(u"txtPagina")->lines, QStringList{"Pag. "}); // never saved
    QCOMPARE(p.find(u"txtOggetto")->lines, QStringList{"OGGETTO:  "});
    QCOMPARE(p.find(u"txtMeteo")->lines, QStringList{"Pioggia"});
    QCOMPARE(p.find(u"txtAnnotazioni")->lines, QStringList({"Prima riga", "Seconda riga è qui"}));
    // The editor is left as it was.
    QCOMPARE(m_editor->txtNumero->text(), QStringLiteral("  7/2026 "));
    QVERIFY(m_dialogs->messages().isEmpty());
}

void TestReportScreens::printCancelledPrintsNothing()
{
    fillEditor();
    m_editor->lblPosizione->setText(QStringLiteral("12"));
    m_dialogs->printAnswers.enqueue(false);
    TfrmStampaGiornale screen(m_editor);
    screen.show();
    click(screen.btnStampa);
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    QVERIFY(m_dialogs->messages().isEmpty());
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.repScheda.prepared().find(u"txtPagina")->lines, QStringList{"Pag. 12"});
}

void TestReportScreens::annullaProducesNothing_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("print") << 0;
    QTest::newRow("preview") << 1;
    QTest::newRow("rtf") << 2;
}

void TestReportScreens::annullaProducesNothing()
{
    QFETCH(int, which);
    fillEditor();
    std::unique_ptr<SheetScreen> screen = sheetScreen(which, m_editor);
    screen->setModeWord(QStringLiteral("giornale"));
    screen->show();
    click(screen->btnAnnulla);
    QVERIFY(!screen->isVisible());
    QVERIFY(m_dialogs->shown.isEmpty());
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(m_editor->txtMeteo->text(), QStringLiteral("Pioggia"));
}

void TestReportScreens::previewShowsOneA4Sheet()
{
    fillEditor();
    QByteArray pdf;
    QPageLayout layout;
    m_dialogs->onPreview = [&](QPrinter *printer) {
        layout = printer->pageLayout();
        pdf = Fixtures::readFile(printer->outputFileName());
    };
    TfrmAnteprimaGiornale screen(m_editor);
    screen.show();
    QCOMPARE(screen.btnStampa->text(), QStringLiteral("Mostra anteprima"));
    click(screen.btnStampa);
    QCOMPARE(m_dialogs->texts(QStringLiteral("preview")).size(), 1);
    QVERIFY(!screen.isVisible());
    QCOMPARE(Fixtures::countPdfPages(pdf), 1);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(screen.repScheda.prepared().find(u"txtCommittente")->lines, QStringList{"Comune di Lucca"});
}

void TestReportScreens::editorButtonsOpenTheirScreens()
{
    fillEditor();
    // Each editor button opens its screen modally; the driver presses the screen's own button.
    m_dialogs->modalDrivers.enqueue([](QDialog *d) { click(d->findChild<QPushButton *>("btnStampa")); });
    m_dialogs->printAnswers.enqueue(false);
    click(m_editor->cmdStampa);
    m_dialogs->modalDrivers.enqueue([](QDialog *d) { click(d->findChild<QPushButton *>("btnStampa")); });
    click(m_editor->cmdAnteprima);
    QString mode;
    m_dialogs->modalDrivers.enqueue([&](QDialog *d) { mode = static_cast<SecondaryScreen *>(d)->modeWord(); });
    click(m_editor->cmdEsporta);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")),
             QStringList({"TfrmStampaGiornale", "TfrmAnteprimaGiornale", "TfrmCreaRTF"}));
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    QCOMPARE(m_dialogs->texts(QStringLiteral("preview")).size(), 1);
    QCOMPARE(mode, QStringLiteral("giornale"));
    // Screens opened this way are owned by the editor and gone after they close.
    QVERIFY(m_editor->findChildren<SecondaryScreen *>().isEmpty());
}

// A report of several pages reaches the printer whole, drawn from the paper's corner (no printer
// margins) on the report's own orientation.
void TestReportScreens::printerReceivesEveryPageFromThePaperCorner()
{
    QStringList lines;
    for (int i = 0; i < 130; ++i)
        lines << QStringLiteral("Riga %1").arg(i);
    const Report::PreparedReport report =
        ListSummary::prepared(QStringLiteral("Riepilogo"), lines, QStringLiteral("01/03/2026"));
    QVERIFY(report.pages.size() >= 3);
    QByteArray pdf;
    QPageLayout layout;
    m_dialogs->onPreview = [&](QPrinter *printer) {
        layout = printer->pageLayout();
        pdf = Fixtures::readFile(printer->outputFileName());
    };
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    ReportOutput::preview(nullptr, report);
    QCOMPARE(Fixtures::countPdfPages(pdf), int(report.pages.size()));
    QCOMPARE(layout.orientation(), QPageLayout::Landscape);
    QCOMPARE(layout.mode(), QPageLayout::FullPageMode);
}

void TestReportScreens::screensAsDesigned_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("action");
    QTest::newRow("print") << 0 << " Stampa scheda" << QSize(362, 287) << "Stampa";
    QTest::newRow("preview") << 1 << " Anteprima di stampa" << QSize(362, 287) << "Mostra anteprima";
    QTest::newRow("rtf") << 2 << " Esporta scheda in RTF" << QSize(377, 292) << "Esporta e stampa";
}

void TestReportScreens::screensAsDesigned()
{
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QString, action);
    std::unique_ptr<SheetScreen> screen = sheetScreen(which, m_editor);
    QCOMPARE(screen->windowTitle(), caption);
    QCOMPARE(screen->size(), client);
    QCOMPARE(screen->btnAnnulla->text(), QStringLiteral("Annulla"));
    QCOMPARE(screen->btnStampa->text(), action);
    QCOMPARE(screen->btnStampa->objectName(), QStringLiteral("btnStampa"));
    // Every control lies inside the client area.
    for (QWidget *w : screen->canvas()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            QVERIFY2(QRect(QPoint(), client).contains(w->geometry()), qPrintable(w->objectName()));
}

void TestReportScreens::wholeJournalToPdf()
{
    const QString archive = m_folder->file(QStringLiteral("Cantiere Nord.cnt"));
    {
        ArchiveFile file(archive, Layouts::journal().recordSize());
        QVERIFY(file.open());
        for (int i = 0; i < 3; ++i)
            QVERIFY(file.append(Record(Layouts::journal()).encode()) > 0);
    }
    m_editor->lblFile->setText(archive);
    m_editor->lblNome->setText(QStringLiteral("Cantiere Nord"));
    const QString pdf = m_folder->file(QStringLiteral("Cantiere Nord.pdf"));
    m_dialogs->saveFileNames.enqueue(pdf);
    m_dialogs->confirmations.enqueue(true);
    TfrmStampaGiornale screen(m_editor);
    screen.show();
    click(screen.btnTuttoPdf);
    QCOMPARE(m_dialogs->texts(QStringLiteral("save")), QStringList{pdf}); // proposed in the program folder
    QCOMPARE(Fixtures::countPdfPages(Fixtures::readFile(pdf)), 3);
    QCOMPARE(m_dialogs->messages().size(), 1);
    QVERIFY(m_dialogs->lastMessage().startsWith(QLatin1String("Il file PDF con tutte le pagine del Cantilog")));
    QCOMPARE(m_dialogs->texts(QStringLiteral("open")).size(), 1);
    QVERIFY(m_dialogs->texts(QStringLiteral("open")).first().endsWith(QLatin1String("Cantiere%20Nord.pdf")));
    QVERIFY(!screen.isVisible());
}

void TestReportScreens::wholeJournalNeverReplacesSilently_data()
{
    QTest::addColumn<QString>("chosen"); // file name in the program folder; empty: cancelled
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::newRow("cancelled") << QString() << true << false << false;
    QTest::newRow("existing, refused") << "Guida.pdf" << false << true << false;
    QTest::newRow("existing, confirmed") << "Guida.pdf" << true << true << true;
    QTest::newRow("new file") << "Cantiere Guida.pdf" << false << false << true;
}

// A journal named like one of the program's documents ("Guida.pdf", the user guide) never
// overwrites it without the user's consent.
void TestReportScreens::wholeJournalNeverReplacesSilently()
{
    QFETCH(QString, chosen);
    QFETCH(bool, replace);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    const QString archive = m_folder->file(QStringLiteral("Guida.cnt"));
    {
        ArchiveFile file(archive, Layouts::journal().recordSize());
        QVERIFY(file.open());
        for (int i = 0; i < 2; ++i)
            QVERIFY(file.append(Record(Layouts::journal()).encode()) > 0);
    }
    const QByteArray guide = "%PDF-1.4 the user guide";
    m_folder->write(QStringLiteral("Guida.pdf"), guide);
    m_editor->lblFile->setText(archive);
    m_editor->lblNome->setText(QStringLiteral("Guida"));
    const QString target = chosen.isEmpty() ? QString() : m_folder->file(chosen);
    m_dialogs->saveFileNames.enqueue(target);
    m_dialogs->confirmations.enqueue(replace);
    m_dialogs->confirmations.enqueue(false); // do not open the document
    TfrmStampaGiornale screen(m_editor);
    screen.show();
    click(screen.btnTuttoPdf);
    QCOMPARE(m_dialogs->texts(QStringLiteral("save")), QStringList{m_folder->file(QStringLiteral("Guida.pdf"))});
    const QStringList questions = m_dialogs->texts(QStringLiteral("confirmation"));
    QCOMPARE(!questions.isEmpty() && questions.first().startsWith(QLatin1String("Il file \"Guida.pdf\" esiste")),
             asked);
    if (written) {
        QCOMPARE(Fixtures::countPdfPages(Fixtures::readFile(target)), 2);
        QVERIFY(!screen.isVisible());
    } else {
        QVERIFY(screen.isVisible());
        QCOMPARE(questions.size(), asked ? 1 : 0);
    }
    if (!written || target != m_folder->file(QStringLiteral("Guida.pdf")))
        QCOMPARE(m_folder->read(QStringLiteral("Guida.pdf")), guide);
    QCOMPARE(QDir(m_folder->path()).entryList({"*.pdf"}).size(), chosen == QLatin1String("Cantiere Guida.pdf") ? 2 : 1);
}

void TestReportScreens::wholeJournalEmpty()
{
    m_folder->write(QStringLiteral("Vuoto.cnt"), QByteArray());
    m_editor->lblFile->setText(m_folder->file(QStringLiteral("Vuoto.cnt")));
    m_editor->lblNome->setText(QStringLiteral("Vuoto"));
    TfrmStampaGiornale screen(m_editor);
    screen.show();
    click(screen.btnTuttoPdf);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
    QCOMPARE(m_dialogs->lastMessage(), QStringLiteral("Attenzione: il Cantilog non contiene nessuna pagina."));
    QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Vuoto.pdf"))));
    QVERIFY(screen.isVisible()); // the user may still print the page
}

void TestReportScreens::rtfExportAndOpen_data()
{
    QTest::addColumn<bool>("exporting");
    QTest::addColumn<bool>("open");
    QTest::newRow("export and open") << true << true;
    QTest::newRow("export, do not open") << true << false;
    QTest::newRow("no export") << false << false;
}

void TestReportScreens::rtfExportAndOpen()
{
    QFETCH(bool, exporting);
    QFETCH(bool, open);
    fillEditor();
    m_dialogs->confirmations.enqueue(exporting);
    m_dialogs->confirmations.enqueue(open);
    TfrmCreaRTF screen(m_editor);
    screen.setModeWord(QStringLiteral("giornale"));
    screen.show();
    click(screen.btnStampa);
    QVERIFY(!screen.isVisible());
    const QStringList asked = m_dialogs->texts(QStringLiteral("confirmation"));
    QCOMPARE(asked.value(0), JournalRtf::confirmMessage());
    const QString path = m_folder->file(QStringLiteral("Cantilog.rtf"));
    if (!exporting) {
        QCOMPARE(asked.size(), 1);
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(asked.value(1),
             QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?"));
    const QByteArray doc = Fixtures::readFile(path);
    QVERIFY(doc.contains("\\b Meteo:\\b0\\f1  \\f0 Pioggia\\par"));
    QVERIFY(doc.contains("Prima riga\\line Seconda riga \xE8 qui"));
    QVERIFY(doc.contains("Cantilog n.\\b0\\f1  \\f0 7/2026\\par")); // unsaved, trimmed
    QCOMPARE(m_dialogs->texts(QStringLiteral("open")).size(), open ? 1 : 0);
    if (open)
        QVERIFY(m_dialogs->texts(QStringLiteral("open")).first().endsWith(QLatin1String("/Cantilog.rtf")));
}

void TestReportScreens::rtfFailureIsAPlainMessage()
{
    fillEditor();
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Cantilog.rtf")));
    TfrmCreaRTF screen(m_editor);
    screen.setModeWord(QStringLiteral("giornale"));
    screen.show();
    click(screen.btnStampa);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(), JournalRtf::failureMessage());
    QCOMPARE(m_dialogs->texts(QStringLiteral("confirmation")).size(), 1); // no offer to open
    QVERIFY(!screen.isVisible());
}

void TestReportScreens::rtfOtherModeWordDoesNothing()
{
    TfrmCreaRTF screen(m_editor);
    screen.setModeWord(QStringLiteral("attrezzature"));
    screen.show();
    click(screen.btnStampa);
    QVERIFY(m_dialogs->shown.isEmpty());
    QVERIFY(screen.isVisible());
}

void TestReportScreens::titlePageLoadsAndStoresOnClose()
{
    m_folder->write(QStringLiteral("Cantilog.ini"),
                    "[Frontespizio Registro]\r\nComune=Lucca\r\nProvincia=LU\r\nNumero=4\r\nDirettore=Ing. Neri\r\n");
    {
        TfrmFrontespizio screen;
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Frontespizio Cantilog"));
        QCOMPARE(screen.size(), QSize(646, 632));
        screen.show();
        QCOMPARE(screen.txtComune->text(), QStringLiteral("Lucca"));
        QCOMPARE(screen.txtNumero->text(), QStringLiteral("4"));
        QCOMPARE(screen.txtDirettore->text(), QStringLiteral("Ing. Neri"));
        QCOMPARE(screen.txtImpresa->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(screen.txtComune));
        screen.txtImpresa->setText(QStringLiteral("  Edil \xE8 srl  "));
        screen.txtComune->setText(QStringLiteral("Pisa"));
        click(screen.btnChiudi);
        QVERIFY(!screen.isVisible());
    }
    QVERIFY(m_dialogs->messages().isEmpty());
    const QByteArray bytes = m_folder->read(QStringLiteral("Cantilog.ini"));
    QVERIFY(bytes.contains("Impresa=Edil \xE8 srl\n") || bytes.contains("Impresa=Edil \xE8 srl\r\n"));
    TfrmFrontespizio again;
    again.show();
    QCOMPARE(again.txtComune->text(), QStringLiteral("Pisa"));
    QCOMPARE(again.txtImpresa->text(), QStringLiteral("Edil è srl"));
    QCOMPARE(again.txtProvincia->text(), QStringLiteral("LU"));
    again.reject();
}

void TestReportScreens::titlePageStoredEvenWithoutOutput()
{
    TfrmFrontespizio screen;
    screen.show();
    screen.txtOggetto->setText(QStringLiteral("Ponte sul Serchio"));
    QTest::keyClick(&screen, Qt::Key_Escape); // any way of closing stores the values
    QVERIFY(!screen.isVisible());
    QCOMPARE(TitlePage::load().value(5), QStringLiteral("Ponte sul Serchio"));
    QVERIFY(m_dialogs->texts(QStringLiteral("print")).isEmpty());
    QVERIFY(m_dialogs->texts(QStringLiteral("preview")).isEmpty());
}

void TestReportScreens::titlePagePastedLineBreaksStayInTheirField()
{
    TfrmFrontespizio screen;
    screen.show();
    screen.txtResponsabile->setText(QStringLiteral("Arch. Gialli"));
    QApplication::clipboard()->setText(QStringLiteral("Comune di Lucca\r\n[Altro]\nProvincia=LU"));
    screen.txtComune->setFocus();
    screen.txtComune->paste();
    QVERIFY(screen.txtComune->text().contains(QLatin1Char('\n'))); // the field keeps what was pasted
    QTest::keyClick(&screen, Qt::Key_Escape);
    const QStringList stored = TitlePage::load();
    QCOMPARE(stored.value(0), QStringLiteral("Comune di Lucca  [Altro] Provincia=LU"));
    QCOMPARE(stored.value(8), QStringLiteral("Arch. Gialli"));
}

// A stored value wider than its field is shown from its first letter, as it reads.
void TestReportScreens::titlePageShowsLongValuesFromTheirStart()
{
    const QByteArray longText = "Ristrutturazione della scuola elementare di via Roma, con adeguamento sismico e "
                                "rifacimento della copertura e degli impianti";
    m_folder->write(QStringLiteral("Cantilog.ini"),
                    "[Frontespizio Registro]\r\nOggetto=" + longText + "\r\nCommittente=" + longText + "\r\n");
    TfrmFrontespizio screen;
    screen.show();
    QCOMPARE(screen.txtOggetto->text(), QString::fromLatin1(longText));
    QCOMPARE(screen.txtOggetto->cursorPosition(), 0);
    QCOMPARE(screen.txtCommittente->cursorPosition(), 0);
    screen.reject();
}

void TestReportScreens::titlePagePreviewAndPrint()
{
    TfrmFrontespizio screen;
    screen.show();
    screen.txtComune->setText(QStringLiteral("  Lucca  "));
    QByteArray pdf;
    m_dialogs->onPreview = [&](QPrinter *printer) { pdf = Fixtures::readFile(printer->outputFileName()); };
    click(screen.btnAnteprima);
    QCOMPARE(Fixtures::countPdfPages(pdf), 1);
    QCOMPARE(screen.repScheda.prepared().find(u"txtComune")->lines, QStringList{"Comune di Lucca"});
    QCOMPARE(screen.repScheda.prepared().find(u"txtProvincia")->lines, QStringList{"Provincia di "});
    QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Cantilog.ini")))); // only closing writes it
    m_dialogs->printAnswers.enqueue(false);
    screen.txtComune->setText(QStringLiteral("Pisa"));
    click(screen.btnStampa);
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    QCOMPARE(screen.repScheda.prepared().find(u"txtComune")->lines, QStringList{"Comune di Pisa"});
    QVERIFY(screen.isVisible()); // preview and print leave the screen open
    screen.reject();
}

// The platform's own preview window: captioned with the report's name, at 100 %, offering
// print, zoom, full screen and close and nothing that changes the page.
void TestReportScreens::previewWindowOffersPrintZoomFullScreenClose()
{
    Dialogs::install(nullptr);
    TfrmFrontespizio screen;
    screen.show();
    QString title;
    double zoom = 0;
    bool maximised = false, fullScreen = false, backFromFullScreen = false, closed = false;
    QStringList offered;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *d = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        poll.stop();
        title = d->windowTitle();
        maximised = d->windowState() & Qt::WindowMaximized;
        if (auto *view = d->findChild<QPrintPreviewWidget *>())
            zoom = view->zoomFactor();
        QAction *full = nullptr, *close = nullptr;
        for (QAction *a : d->findChild<QToolBar *>()->actions()) {
            if (a->isSeparator() || !a->isVisible() || a->text().isEmpty())
                continue;
            offered << a->text();
            if (a->text() == QLatin1String("Schermo intero"))
                full = a;
            if (a->text() == QLatin1String("Chiudi"))
                close = a;
        }
        if (full) {
            full->trigger();
            fullScreen = d->windowState() & Qt::WindowFullScreen;
            full->trigger();
            backFromFullScreen = !(d->windowState() & Qt::WindowFullScreen);
        }
        if (close) {
            close->trigger();
            closed = !d->isVisible();
        }
        if (d->isVisible())
            d->reject();
    });
    poll.start();
    click(screen.btnAnteprima);
    Dialogs::install(m_dialogs.get());
    screen.reject();
    QCOMPARE(title, QStringLiteral("Frontespizio Cantilog"));
    QVERIFY(maximised);
    QCOMPARE(zoom, 1.0);
    QVERIFY2(offered.contains(QPrintPreviewDialog::tr("Print")), qPrintable(offered.join(u',')));
    QVERIFY(offered.contains(QPrintPreviewDialog::tr("Zoom in")));
    QVERIFY(offered.contains(QPrintPreviewDialog::tr("Zoom out")));
    for (const char *changesThePage : {"Portrait", "Landscape", "Page setup"})
        QVERIFY2(!offered.contains(QPrintPreviewDialog::tr(changesThePage)), changesThePage);
    QVERIFY(fullScreen);
    QVERIFY(backFromFullScreen);
    QVERIFY(closed);
}

void TestReportScreens::titlePageEnterAndTabOrder()
{
    TfrmFrontespizio screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    for (int i = 0; i < kTitleFields.size(); ++i) {
        auto *field = screen.findChild<QLineEdit *>(kTitleFields[i]);
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), kTitleFields[(i + 1) % kTitleFields.size()]);
        const TitlePage::Field &spec = TitlePage::fields()[size_t(i)];
        QCOMPARE(field->objectName(), QLatin1String(spec.control));
        QCOMPARE(field->maxLength(), spec.maxLength);
    }
    const QStringList tabOrder = kTitleFields + QStringList{"btnAnteprima", "btnStampa", "btnChiudi"};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        QCOMPARE(nextTabStop(screen.findChild<QWidget *>(tabOrder[i]))->objectName(), tabOrder[i + 1]);
    // Style B: the focused field's own background turns yellow.
    screen.txtProvincia->setFocus();
    QTRY_VERIFY(screen.txtProvincia->styleSheet().contains(QLatin1String("#FFFF00")));
    QVERIFY(!screen.txtComune->styleSheet().contains(QLatin1String("#FFFF00")));
    screen.reject();
}

void TestReportScreens::titlePageSaveFailureIsReported()
{
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Cantilog.ini")));
    TfrmFrontespizio screen;
    screen.show();
    screen.txtComune->setText(QStringLiteral("Lucca"));
    click(screen.btnChiudi);
    QVERIFY(!screen.isVisible()); // still closes
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("error"));
    QCOMPARE(m_dialogs->lastMessage(), TfrmFrontespizio::saveFailureMessage());
}

void TestReportScreens::chooserOpensTheTitlePage()
{
    TfrmApriGiornale chooser;
    QString shownComune;
    m_folder->write(QStringLiteral("Cantilog.ini"), "[Frontespizio Registro]\nComune=Viareggio\n");
    m_dialogs->modalDrivers.enqueue([&](QDialog *d) {
        shownComune = static_cast<TfrmFrontespizio *>(d)->txtComune->text();
        QVERIFY(d->parentWidget() == &chooser);
    });
    click(chooser.btnFrontespizio);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{"TfrmFrontespizio"});
    QCOMPARE(shownComune, QStringLiteral("Viareggio"));
    QVERIFY(chooser.findChildren<TfrmFrontespizio *>().isEmpty());
}

QTEST_MAIN(TestReportScreens)
#include "test_report_screens.moc"
