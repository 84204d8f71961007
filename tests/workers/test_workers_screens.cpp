// The workers registry as the user drives it: the editor, its checks and buttons, the search
// (from the editor and from a journal page), the contract summary, the export and the card.
#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/RecordLayout.h"
#include "archive/ui/AllegaCartella.h"
#include "archive/ui/BrowseEdit.h"
#include "checks/ui/Carta.h"
#include "checks/ui/CodFisc.h"
#include "checks/ui/Iban.h"
#include "checks/ui/PartitaIva.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "foundation/ui/Guida.h"
#include "foundation/ui/ScreenKit.h"
#include "journal/ui/Giornale.h"
#include "shell/ui/Avvio.h"
#include "shell/ui/Screens.h"
#include "workers/WorkerHelp.h"
#include "workers/WorkerRecord.h"
#include "workers/ui/AnteprimaIstruttore.h"
#include "workers/ui/DaRinnovare.h"
#include "workers/ui/ExpIstruttori.h"
#include "workers/ui/Istruttori.h"
#include "workers/ui/StampaIstruttore.h"
#include "workers/ui/TrovaIstruttori.h"
#include "workers/ui/WorkerCardScreen.h"

#include "Fixtures.h"
#include "ScreenFixtures.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

using Fields = Fixtures::Fields;

const QString kToday = QStringLiteral("10/06/2024");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kBreak = QStringLiteral("\n\r\n\r");

void click(QAbstractButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void doubleClickRow(QListWidget *list, int row)
{
    QVERIFY(row < list->count());
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void pressEnter(QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }

// The line edit a field's text is typed into (a combo edit's own line edit).
QLineEdit *lineOf(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(control);
}

const QList<Fields> kWorkers = {
    {{"Cognome", "Rossi"},
     {"Nome", "Mario"},
     {"Codice", "Autista"},
     {"CodFisc", "RSSMRA80A01H501U"},
     {"Recapito", "333 1234567"},
     {"Decorrenza", "01/07/2023"},
     {"Scadenza", "20/06/2024"},
     {"Preavviso", "10"},
     {"Totale", "1500,00"},
     {"Rata", "500,00"},
     {"Acquisto", "Tempo determinato"}},
    {{"Cognome", "Bianchi"},
     {"Nome", "Luca"},
     {"Codice", "Muratore"},
     {"Familiari", "lun-ven 8-17"},
     {"Scadenza", "20/06/2024"},
     {"Preavviso", "9"},
     {"Note", "patente C"}},
    {{"Cognome", "Grossi"},
     {"Nome", "Anna"},
     {"Codice", "Geometra"},
     {"Scadenza", "01/01/2023"},
     {"Preavviso", "0"},
     {"Email", "anna.grossi@example.it"}},
};

Record stored(qint64 position)
{
    std::optional<Record> r = Record::read(Archives::workersPath(), Layouts::workers(), position);
    return r ? *r : Record(Layouts::workers());
}

qint64 storedCount()
{
    ArchiveFile file(Archives::workersPath(), Layouts::workers().recordSize());
    qint64 n = -1;
    if (!file.open() || !file.count(&n))
        return -1;
    return n;
}

} // namespace

class TestWorkersScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void registryDay();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void keyFilters_data();
    void keyFilters();
    void leavingRewrites_data();
    void leavingRewrites();
    void limitsFromTheRecordLayout();
    void enterAndTabOrder();
    void provinceLists();
    void checkButtons_data();
    void checkButtons();
    void emailButton_data();
    void emailButton();
    void attachmentsOfTheWorker();
    void helpOfTheEditor();
    void searchAndReload();
    void importIntoAJournalPage_data();
    void importIntoAJournalPage();
    void contractSummary();
    void previewAndPrintTheCard();
    void exportTheRegistry();
    void exportAnEmptyRegistry();

private:
    void writeWorkers(const QList<Fields> &workers)
    {
        QVERIFY(Fixtures::writeArchive(Archives::workersPath(), Layouts::workers(), workers));
    }
    void openEditor();

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    TfrmAvvio *m_start = nullptr;
    TfrmIstruttori *m_editor = nullptr;
    TfrmGiornale *m_journal = nullptr;
};

void TestWorkersScreens::initTestCase()
{
    Formats::setToday(QDate(2024, 6, 10));
    frmAvvio = m_start = new TfrmAvvio;
    frmIstruttori = m_editor = new TfrmIstruttori;
    frmGiornale = m_journal = new TfrmGiornale;
    const std::pair<QWidget *, const char *> screens[] = {
        {m_start, "frmAvvio"}, {m_editor, "frmIstruttori"}, {m_journal, "frmGiornale"}};
    for (const auto &[screen, name] : screens) {
        screen->setObjectName(QLatin1String(name));
        Screens::add(screen);
    }
}

void TestWorkersScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestWorkersScreens::cleanup()
{
    QVERIFY(Fixtures::hideAllWindows());
    m_dialogs.reset();
    m_folder.reset();
}

void TestWorkersScreens::cleanupTestCase()
{
    for (QWidget *w :
         {static_cast<QWidget *>(m_journal), static_cast<QWidget *>(m_editor), static_cast<QWidget *>(m_start)}) {
        Screens::remove(w);
        delete w;
    }
    frmAvvio = nullptr;
    frmIstruttori = nullptr;
    frmGiornale = nullptr;
}

void TestWorkersScreens::openEditor()
{
    m_start->showMaximized();
    click(m_start->btnAnagrafica);
    QVERIFY(m_editor->isVisible());
    QVERIFY(!m_start->isVisible());
}

// From the start screen: a blank record, Save's warnings with their focus, two workers stored,
// a wrong date order and a day that does not exist, browsing, an overwrite, and back.
void TestWorkersScreens::registryDay()
{
    m_start->showMaximized();
    click(m_start->appAnagrafica);
    QVERIFY(m_editor->isVisible());
    QVERIFY(!m_start->isVisible());
    QCOMPARE(m_editor->windowTitle(), QStringLiteral(" Cantilog - Anagrafica Lavoratori"));
    QCOMPARE(m_editor->panInfo->text(), QStringLiteral("Pronto per salvare una nuova scheda..."));
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), m_editor->txtCognome);
    QCOMPARE(m_editor->browse->current().encode(), WorkerRecord::blank(Formats::today()).encode());

    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
    QCOMPARE(m_dialogs->lastMessage(),
             QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del lavoratore."));
    QCOMPARE(QApplication::focusWidget(), m_editor->txtCognome);
    QCOMPARE(storedCount(), 0);

    QTest::keyClicks(m_editor->txtCognome, QStringLiteral("Verdi"));
    QTest::keyClicks(m_editor->txtNome, QStringLiteral("Giuseppe"));
    QTest::keyClicks(m_editor->txtCodice, QStringLiteral("Carpentiere"));
    QTest::keyClicks(m_editor->txtCodFisc, QStringLiteral("vrdgpp70b02f205z"));
    m_editor->txtProvRes->setCurrentText(QStringLiteral("MI"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kAppended);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    const Record first = stored(1);
    QCOMPARE(first.value(u"CodFisc"), QStringLiteral("VRDGPP70B02F205Z"));
    QCOMPARE(first.value(u"ProvRes"), QStringLiteral("MI"));
    QCOMPARE(first.value(u"Decorrenza"), kToday);
    QCOMPARE(first.value(u"Scadenza"), kToday);
    QCOMPARE(first.value(u"Preavviso"), QStringLiteral("0"));
    QCOMPARE(first.value(u"Rata"), QStringLiteral("0,00"));

    click(m_editor->cmdNuovo);
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QVERIFY(m_editor->txtCognome->text().isEmpty());
    QVERIFY(m_editor->txtProvRes->currentText().isEmpty());
    QCOMPARE(m_editor->txtProvRes->currentIndex(), -1);
    QCOMPARE(QApplication::focusWidget(), m_editor->txtCognome);
    m_editor->txtCognome->setText(QStringLiteral("Neri"));
    m_editor->txtNome->setText(QStringLiteral("Paola"));
    m_editor->txtCodice->setText(QStringLiteral("Geometra"));

    // A day the calendar does not have.
    m_editor->txtDecorrenza->setText(QStringLiteral("31/02/2024"));
    m_editor->txtCognome->setFocus();
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(),
             "Attenzione: la data di decorrenza del contratto 31/02/2024 non esiste." + kBreak +
                 "Per poter salvare la scheda è necessario indicare una data valida nel "
                 "formato gg/mm/aaaa.");
    QCOMPARE(QApplication::focusWidget(), m_editor->txtDecorrenza);

    // The contract ends before it starts: the focus stays where it was.
    m_editor->txtDecorrenza->setText(QStringLiteral("01/03/2024"));
    m_editor->txtScadenza->setText(QStringLiteral("28/02/2024"));
    m_editor->txtNome->setFocus();
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(),
             "Attenzione: la data di scadenza del contratto (28/02/2024) non può essere "
             "anteriore a quella di decorrenza (01/03/2024)." +
                 kBreak +
                 "Per poter salvare la scheda è necessario indicare un intervallo di tempo "
                 "valido.");
    QCOMPARE(QApplication::focusWidget(), m_editor->txtNome);
    QCOMPARE(storedCount(), 1);

    // The same day in both is a valid contract.
    m_editor->txtScadenza->setText(QStringLiteral("01/03/2024"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kAppended);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));

    click(m_editor->cmdPrimo);
    QCOMPARE(m_editor->txtCognome->text(), QStringLiteral("Verdi"));
    QCOMPARE(m_editor->txtProvRes->currentText(), QStringLiteral("MI"));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    m_editor->txtTelCel->setText(QStringLiteral("347 7654321"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kOverwritten);
    QCOMPARE(stored(1).value(u"TelCel"), QStringLiteral("347 7654321"));
    QCOMPARE(storedCount(), 2);
    click(m_editor->cmdAvanti);
    QCOMPARE(m_editor->txtCognome->text(), QStringLiteral("Neri"));

    // Leaving and coming back shows a blank record.
    click(m_editor->cmdEsci);
    QVERIFY(!m_editor->isVisible());
    QVERIFY(m_start->isVisible());
    QTest::mouseClick(m_start->infAnagrafica, Qt::LeftButton);
    QVERIFY(m_editor->isVisible());
    QVERIFY(m_editor->txtCognome->text().isEmpty());
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
}

void TestWorkersScreens::saveChecksInOrder_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("focus");
    const Fields complete = {{"Cognome", "Verdi"}, {"Nome", "Ugo"}, {"Codice", "Autista"}};
    QTest::newRow("no first name") << Fields{{"Cognome", "Verdi"}, {"Nome", " "}} << "warning"
                                   << "txtNome";
    QTest::newRow("no job") << Fields{{"Cognome", "Verdi"}, {"Nome", "Ugo"}} << "warning"
                            << "txtCodice";
    QTest::newRow("no start") << (complete + Fields{{"Decorrenza", ""}, {"Scadenza", "x"}}) << "warning"
                              << "txtDecorrenza";
    QTest::newRow("no expiry before a wrong start")
        << (complete + Fields{{"Decorrenza", "x"}, {"Scadenza", ""}}) << "warning"
        << "txtScadenza";
    QTest::newRow("expiry not a day") << (complete + Fields{{"Scadenza", "30/02/2025"}}) << "plain"
                                      << "txtScadenza";
    QTest::newRow("no notice days") << (complete + Fields{{"Preavviso", ""}}) << "warning"
                                    << "txtPreavviso";
}

// Each check stops Save with its kind of message and focus, before any file is touched.
void TestWorkersScreens::saveChecksInOrder()
{
    QFETCH(Fields, fields);
    QFETCH(QString, kind);
    QFETCH(QString, focus);
    openEditor();
    for (const auto &[field, text] : fields)
        lineOf(m_editor->browse->control(field))->setText(text);
    m_editor->txtNote->setFocus(); // not left through the notice days, so an empty one stays empty
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->lastKind(), kind);
    QVERIFY(m_editor->focusWidget());
    QCOMPARE(m_editor->focusWidget()->objectName(), focus);
    QVERIFY(!QFileInfo::exists(Archives::workersPath()) || storedCount() == 0);
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
}

void TestWorkersScreens::keyFilters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("VAT digits only") << "Iva"
                                     << "01a2.3-4 5"
                                     << "012345";
    QTest::newRow("card digits only") << "Carta"
                                      << "4111 1111x"
                                      << "41111111";
    QTest::newRow("notice digits only") << "Preavviso"
                                        << "1a5"
                                        << "15";
    QTest::newRow("total digits and comma") << "Totale"
                                            << "1.250,5e"
                                            << "1250,5";
    QTest::newRow("instalment digits and comma") << "Rata"
                                                 << "-12,50 "
                                                 << "12,50";
    QTest::newRow("fiscal code upper case, blanks gone at once") << "CodFisc"
                                                                 << "rss mra"
                                                                 << "RSSMRA";
    QTest::newRow("sex upper case") << "Sesso"
                                    << "f"
                                    << "F";
    QTest::newRow("IBAN upper case") << "Iban"
                                     << "it60x05"
                                     << "IT60X05";
    QTest::newRow("province of birth upper case") << "ProvNasc"
                                                  << "rm"
                                                  << "RM";
    QTest::newRow("province of residence upper case") << "ProvRes"
                                                      << " to"
                                                      << "TO";
    QTest::newRow("e-mail trimmed") << "Email"
                                    << " rossi@example.it "
                                    << "rossi@example.it";
    QTest::newRow("free text keeps everything") << "Cognome"
                                                << " de Luca "
                                                << " de Luca ";
    QTest::newRow("dates are typed") << "Decorrenza"
                                     << "1/7/2024"
                                     << "1/7/2024";
}

void TestWorkersScreens::keyFilters()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    openEditor();
    QWidget *control = m_editor->browse->control(field);
    QLineEdit *line = lineOf(control);
    QVERIFY(line);
    line->clear();
    control->setFocus();
    QTest::keyClicks(control, typed);
    QCOMPARE(line->text(), shown);
}

void TestWorkersScreens::leavingRewrites_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::newRow("whole amount") << "Totale"
                                  << "12"
                                  << "12,00";
    QTest::newRow("comma first") << "Rata"
                                 << ",5"
                                 << "0,50";
    QTest::newRow("two commas") << "Totale"
                                << "1,2,3"
                                << "0,00";
    QTest::newRow("empty amount") << "Rata"
                                  << ""
                                  << "0,00";
    QTest::newRow("four decimals kept") << "Totale"
                                        << "3,14159"
                                        << "3,1416";
    QTest::newRow("empty notice") << "Preavviso"
                                  << " "
                                  << "0";
    QTest::newRow("notice kept") << "Preavviso"
                                 << "30"
                                 << "30";
}

void TestWorkersScreens::leavingRewrites()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, left);
    openEditor();
    auto *line = qobject_cast<QLineEdit *>(m_editor->browse->control(field));
    line->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), line);
    line->setText(text);
    m_editor->txtCognome->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), m_editor->txtCognome);
    QCOMPARE(line->text(), left);
}

// Every field takes its record field's capacity, except the instalment's 15.
void TestWorkersScreens::limitsFromTheRecordLayout()
{
    const RecordLayout &layout = Layouts::workers();
    for (int i = 0; i < 45; ++i) {
        QLineEdit *line = lineOf(m_editor->browse->control(i));
        QVERIFY2(line, layout.field(i).name);
        const int expected = layout.fieldName(i) == QLatin1String("Rata") ? 15 : layout.field(i).capacity;
        QCOMPARE(line->maxLength(), expected);
    }
    QCOMPARE(layout.field(layout.indexOf(u"Rata")).capacity, 50);
}

// Enter and Tab walk the 45 fields in the record's order; from the last, Enter returns to the first.
void TestWorkersScreens::enterAndTabOrder()
{
    openEditor();
    QVERIFY(QTest::qWaitForWindowActive(m_editor));
    const RecordLayout &layout = Layouts::workers();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        m_editor->txtCognome->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_editor->txtCognome);
        for (int i = 1; i < 45; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), m_editor->browse->control(i));
        }
        QCOMPARE(QApplication::focusWidget(), m_editor->txtRata);
        if (key == Qt::Key_Return) {
            pressEnter(m_editor->txtRata);
            QCOMPARE(QApplication::focusWidget(), m_editor->txtCognome);
        }
    }
    QCOMPARE(layout.fieldName(44), QStringLiteral("Rata"));
}

void TestWorkersScreens::provinceLists()
{
    for (QComboBox *box : {m_editor->txtProvNasc, m_editor->txtProvRes}) {
        QCOMPARE(box->count(), 112);
        QCOMPARE(box->itemText(0), QStringLiteral("AG"));
        QCOMPARE(box->itemText(111), QStringLiteral("VV"));
        QStringList codes;
        for (int i = 0; i < box->count(); ++i)
            codes << box->itemText(i);
        QStringList sorted = codes;
        sorted.sort();
        QCOMPARE(codes, sorted);
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 112);
    }
    // Any two characters are accepted, listed or not.
    openEditor();
    m_editor->txtProvNasc->setFocus();
    QTest::keyClicks(m_editor->txtProvNasc, QStringLiteral("zz"));
    QCOMPARE(m_editor->browse->current().value(u"ProvNasc"), QStringLiteral("ZZ"));
}

void TestWorkersScreens::checkButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("entryText");
    QTest::newRow("fiscal code") << "btnCodFisc"
                                 << "txtCodFisc"
                                 << "RSSMRA80A01H501U"
                                 << "TfrmCodFisc"
                                 << "txtCodFisc"
                                 << "RSSMRA80A01H501U";
    QTest::newRow("fiscal code of digits") << "btnCodFisc"
                                           << "txtCodFisc"
                                           << " 01234567890 "
                                           << "TfrmPartitaIva"
                                           << "txtPartitaIva"
                                           << "01234567890";
    QTest::newRow("empty fiscal code") << "btnCodFisc"
                                       << "txtCodFisc"
                                       << ""
                                       << "TfrmCodFisc"
                                       << "txtCodFisc"
                                       << "";
    QTest::newRow("VAT number") << "btnIva"
                                << "txtIva"
                                << "07643520567"
                                << "TfrmPartitaIva"
                                << "txtPartitaIva"
                                << "07643520567";
    QTest::newRow("IBAN") << "btnIban"
                          << "txtIban"
                          << "IT60X0542811101000000123456 "
                          << "TfrmIban"
                          << "txtIban"
                          << "IT60X0542811101000000123456";
    QTest::newRow("card") << "btnCarta"
                          << "txtCarta"
                          << "4111111111111111"
                          << "TfrmCarta"
                          << "txtNumero"
                          << "4111111111111111";
}

// Each check screen opens modally through the seam with the field's text, and gives nothing back.
void TestWorkersScreens::checkButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, screen);
    QFETCH(QString, entry);
    QFETCH(QString, entryText);
    openEditor();
    auto *line = m_editor->findChild<QLineEdit *>(field);
    line->setText(text);
    const Record before = m_editor->browse->current();
    QString seen;
    QString outcome;
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        QCOMPARE(dialog->parentWidget(), m_editor);
        seen = dialog->findChild<QLineEdit *>(entry) ? dialog->findChild<QLineEdit *>(entry)->text() : "(none)";
        click(dialog->findChild<QPushButton *>(QStringLiteral("btnControlla")));
        outcome = m_dialogs->lastMessage();
    });
    click(m_editor->findChild<QAbstractButton *>(button));
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{screen});
    QCOMPARE(seen, entryText);
    QVERIFY(!outcome.isEmpty()); // the check screen judged the text it was given
    QCOMPARE(m_editor->browse->current().encode(), before.encode());
}

void TestWorkersScreens::emailButton_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("url");
    QTest::newRow("address") << "anna.grossi@example.it"
                             << "mailto:anna.grossi@example.it";
    QTest::newRow("empty") << ""
                           << "mailto:";
}

void TestWorkersScreens::emailButton()
{
    QFETCH(QString, address);
    QFETCH(QString, url);
    openEditor();
    m_editor->txtEmail->setText(address);
    click(m_editor->btnEmail);
    QCOMPARE(m_dialogs->texts(QStringLiteral("open")), QStringList{url});
    QVERIFY(m_dialogs->messages().isEmpty());
}

void TestWorkersScreens::attachmentsOfTheWorker()
{
    openEditor();
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->modeWord(), QStringLiteral("istruttori"));
        screen->txtDesc02->setText(QStringLiteral("Contratto"));
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_editor->browse->current().value(u"Desc02"), QStringLiteral("Contratto"));
}

void TestWorkersScreens::helpOfTheEditor()
{
    openEditor();
    for (int round = 0; round < 2; ++round) {
        m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
            auto *help = qobject_cast<TfrmGuida *>(dialog);
            QVERIFY(help);
            QCOMPARE(help->lblTitolo->text(), QStringLiteral("Applicazione Anagrafica Lavoratori."));
            const QStringList paragraphs = help->txtGuida->toPlainText().split(QStringLiteral("\n\n"));
            QCOMPARE(paragraphs.size(), 8);
            QVERIFY(paragraphs.at(1).contains(QStringLiteral("gli altri titoli posseduti")));
            QVERIFY(paragraphs.at(1).contains(QStringLiteral("Il campo \"Note\" può")));
            QVERIFY(paragraphs.at(5).contains(QStringLiteral("Il campo \"E-mail\" è affiancato")));
            QVERIFY(paragraphs.at(7).endsWith(QStringLiteral("stampata su carta.")));
        });
        click(m_editor->cmdGuida);
    }
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")).size(), 2);
}

// From the editor: the filters, the sorted lines, and the chosen worker loaded with its
// position; the next Save overwrites it.
void TestWorkersScreens::searchAndReload()
{
    writeWorkers(kWorkers);
    openEditor();
    QStringList lines;
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmTrovaIstruttori *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Trova lavoratori in archivio"));
        QCOMPARE(screen->modeWord(), QStringLiteral("istruttori"));
        QCOMPARE(screen->filters.size(), 10);
        screen->filters.at(0)->setText(QStringLiteral("ross"));
        click(screen->btnCerca);
        lines = screen->panContainer->texts();
        QCOMPARE(screen->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        doubleClickRow(screen->panContainer->lstRecords, 1); // Rossi, stored first
        QVERIFY(!screen->isVisible());
    });
    click(m_editor->cmdTrova);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Grossi Anna")));
    QCOMPARE(lines.at(1),
             QStringLiteral("Rossi Mario").leftJustified(28) + "  C.F. RSSMRA80A01H501U  Mans. " +
                 QStringLiteral("Autista").leftJustified(24) + "  Tel. 333 1234567     Note: ");
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_editor->txtCognome->text(), QStringLiteral("Rossi"));
    QCOMPARE(m_editor->txtTotale->text(), QStringLiteral("1500,00"));
    m_editor->txtNote->setText(QStringLiteral("rinnovato"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kOverwritten);
    QCOMPARE(stored(1).value(u"Note"), QStringLiteral("rinnovato"));
    QCOMPARE(storedCount(), 3);
}

void TestWorkersScreens::importIntoAJournalPage_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("after an entry") << "Rossi  "
                                    << "Rossi, Muratore Bianchi Luca";
    QTest::newRow("into an empty field") << " \n"
                                         << "Muratore Bianchi Luca";
}

// The page editor's import button opens the search in mode "giornale"; the chosen worker's job
// and name are added to the workers-and-machines field, and nothing is saved.
void TestWorkersScreens::importIntoAJournalPage()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    writeWorkers(kWorkers);
    m_journal->txtOperai->setPlainText(before);
    const QString workersArchive = Fixtures::readFile(Archives::workersPath()).toHex();
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmTrovaIstruttori *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->parentWidget(), m_journal);
        QCOMPARE(screen->modeWord(), QStringLiteral("giornale"));
        screen->filters.at(2)->setText(QStringLiteral("murat"));
        click(screen->btnCerca);
        QCOMPARE(screen->panContainer->lstRecords->count(), 1);
        doubleClickRow(screen->panContainer->lstRecords, 0);
    });
    click(m_journal->impLavoratori);
    QCOMPARE(m_journal->txtOperai->toPlainText(), after);
    QVERIFY(m_journal->lblPosizione->text().isEmpty());
    QCOMPARE(QString(Fixtures::readFile(Archives::workersPath()).toHex()), workersArchive);
}

// Today 10 June: expiry 20 June with 10 notice days is listed, with 9 it is not; one that
// expired long ago is; a chosen line loads its worker.
void TestWorkersScreens::contractSummary()
{
    writeWorkers(kWorkers);
    openEditor();
    QStringList lines;
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmDaRinnovare *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Riepilogo contratti in scadenza o scaduti"));
        lines = screen->panRiepilogo->texts();
        doubleClickRow(screen->panRiepilogo->lstRecords, 1);
        QVERIFY(!screen->isVisible());
    });
    click(m_editor->cmdScaduti);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Grossi Anna")));
    QCOMPARE(lines.at(1),
             QStringLiteral("Rossi Mario").leftJustified(30) + "  Tel. 333 1234567   Scad. 20/06/2024" +
                 "  Tot. € 1500,00     " + "  Rata: € 500,00      " + "  Tipo: Tempo determinato");
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_editor->txtAcquisto->text(), QStringLiteral("Tempo determinato"));

    // A worker saved from a blank record is due today.
    click(m_editor->cmdNuovo);
    m_editor->txtCognome->setText(QStringLiteral("Zeta"));
    m_editor->txtNome->setText(QStringLiteral("Ugo"));
    m_editor->txtCodice->setText(QStringLiteral("Manovale"));
    click(m_editor->cmdSalva);
    m_dialogs->modalDrivers.enqueue(
        [&](QDialog *dialog) { lines = qobject_cast<TfrmDaRinnovare *>(dialog)->panRiepilogo->texts(); });
    click(m_editor->cmdScaduti);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(2).startsWith(QStringLiteral("Zeta Ugo")));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("4"));
}

// The card shows the editor's fields as they stand, unsaved changes included; the preview and
// the printer get one page.
void TestWorkersScreens::previewAndPrintTheCard()
{
    openEditor();
    m_editor->txtCognome->setText(QStringLiteral(" Rossi "));
    m_editor->txtNome->setText(QStringLiteral("Mario"));
    m_editor->txtComuneNasc->setText(QStringLiteral("Roma"));
    m_editor->txtPreavviso->setText(QStringLiteral("45"));
    QByteArray pdf;
    m_dialogs->onPreview = [&](QPrinter *printer) { pdf = Fixtures::readFile(printer->outputFileName()); };
    QStringList name, birth, expiry, instalment, foot;
    bool noticeShown = false;
    const auto read = [&](QDialog *dialog) {
        auto *screen = qobject_cast<WorkerCardScreen *>(dialog);
        QVERIFY(screen);
        click(screen->btnStampa);
        QVERIFY(!screen->isVisible());
        const Report::PreparedReport &card = screen->repDocumento.prepared();
        name = card.find(u"txtIstruttore")->lines;
        birth = card.find(u"txtComuneNasc")->lines;
        expiry = card.find(u"txtScadenza")->lines;
        instalment = card.find(u"txtRata")->lines;
        foot = card.find(u"txtCalce")->lines;
        for (const Report::DrawnObject &object : card.drawn())
            noticeShown = noticeShown || object.lines.contains(QStringLiteral("45"));
    };
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btnStampa"))->text(),
                 QStringLiteral("Mostra anteprima"));
        read(dialog);
    });
    click(m_editor->cmdAnteprima);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{QStringLiteral("TfrmAnteprimaIstruttore")});
    QCOMPARE(Fixtures::countPdfPages(pdf), 1);
    QCOMPARE(name, QStringList{QStringLiteral("Rossi Mario")});
    QCOMPARE(birth, QStringList{QStringLiteral("Roma ")});
    QCOMPARE(expiry, QStringList{kToday});
    QCOMPARE(instalment, QStringList{QStringLiteral("0,00")});
    QVERIFY(foot.value(0).startsWith("Stampa eseguita in data " + kToday + " alle ore "));
    QVERIFY(!noticeShown);

    // Print: the printer dialog first; cancelling prints nothing and still closes.
    m_editor->txtNome->setText(QStringLiteral("Maria"));
    m_dialogs->clear();
    m_dialogs->printAnswers.enqueue(true);
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Stampa scheda"));
        read(dialog);
    });
    click(m_editor->cmdStampa);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{QStringLiteral("TfrmStampaIstruttore")});
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    QCOMPARE(name, QStringList{QStringLiteral("Rossi Maria")});
    QVERIFY(m_dialogs->texts(QStringLiteral("preview")).isEmpty());
}

// The grid of the archive, then "Personale_Interno.xls" written from it and opened on Yes;
// the contract data never reach the file.
void TestWorkersScreens::exportTheRegistry()
{
    writeWorkers(kWorkers);
    openEditor();
    QStringList firstRow;
    int rows = 0;
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmExpIstruttori *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Esporta archivio lavoratori in Microsoft Excel"));
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        rows = screen->grid()->rowCount();
        for (int c = 0; c < screen->grid()->columnCount(); ++c)
            firstRow << screen->grid()->cell(0, c);
        m_dialogs->modalDrivers.enqueue([&](QDialog *help) {
            QCOMPARE(qobject_cast<TfrmGuida *>(help)->lblTitolo->text(),
                     QStringLiteral("Esportazione archivio lavoratori in Microsoft Excel."));
            QCOMPARE(qobject_cast<TfrmGuida *>(help)->txtGuida->toPlainText().split(QStringLiteral("\n\n")).size(), 3);
        });
        click(screen->cmdGuida);
        m_dialogs->confirmations << true << true;
        click(screen->cmdEsporta);
    });
    click(m_editor->cmdEsporta);
    QCOMPARE(rows, 3);
    QCOMPARE(firstRow.size(), 26);
    QCOMPARE(firstRow.mid(0, 3), (QStringList{"1", "Rossi Mario", "RSSMRA80A01H501U"}));
    const QString file = m_folder->file(QStringLiteral("Personale_Interno.xls"));
    const QByteArray bytes = Fixtures::readFile(file);
    QCOMPARE(bytes.count("\r\n"), 138);
    QVERIFY(bytes.contains("<x:Name>Personale Interno</x:Name>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">Rossi Mario</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">patente C</td>"));
    QVERIFY(!bytes.contains("Tempo determinato"));
    QVERIFY(!bytes.contains("1500,00"));
    QCOMPARE(m_dialogs->texts(QStringLiteral("confirmation")).size(), 2);
    QCOMPARE(m_dialogs->texts(QStringLiteral("open")),
             QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)});
}

void TestWorkersScreens::exportAnEmptyRegistry()
{
    openEditor();
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmExpIstruttori *>(dialog);
        QCOMPARE(screen->grid()->rowCount(), 10);
        m_dialogs->confirmations << true << false;
        click(screen->cmdEsporta);
    });
    click(m_editor->cmdEsporta);
    const QByteArray bytes = Fixtures::readFile(m_folder->file(QStringLiteral("Personale_Interno.xls")));
    QCOMPARE(bytes.count("<td style=\"text-align: left;\"></td>"), 10 * 25);
    QVERIFY(m_dialogs->texts(QStringLiteral("open")).isEmpty());
}

QTEST_MAIN(TestWorkersScreens)
#include "test_workers_screens.moc"
