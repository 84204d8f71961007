// A day with the inventory on its screens: items typed into the editor and stored, browsed,
// duplicated, found by supplier and reloaded, imported into a journal page, listed by their
// revision dates, totalled, exported and printed as cards.
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"

#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/ui/AllegaCartella.h"
#include "archive/ui/AttachmentSlots.h"
#include "archive/ui/BrowseEdit.h"
#include "equipment/EquipmentSheet.h"
#include "equipment/ui/Attrezzature.h"
#include "equipment/ui/ExpAttrezzature.h"
#include "equipment/ui/Summaries.h"
#include "equipment/ui/TrovaAttrezzature.h"
#include "foundation/Formats.h"
#include "foundation/ui/Calendario.h"
#include "foundation/ui/Guida.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/ui/Giornale.h"
#include "shell/ui/Avvio.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

using Fields = Fixtures::Fields;

// What the user types for one item; the other fields stay as New leaves them.
struct Item {
    const char *code, *make, *description, *amount, *supplier;
    QDate revision;
    const char *notice;
    bool done;
};

const Item kDrill{"TR-01", "Bosch GBH 5-40", "Trapano a percussione", "12,5", "Edil Forniture", {2024, 6, 20}, "10",
                  false};
const Item kMixer{"BT-02", "Imer Syntesi", "Betoniera", "1250", "Noleggi Centro", {2024, 6, 1}, "5", false};
const Item kLevel{"LV-03", "Leica Rugby", "Livella laser", ",125", "Edil Forniture", {2024, 1, 31}, "0", true};

QStringList itemTexts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void doubleClickRow(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

Record stored(qint64 position)
{
    const std::optional<Record> r = Record::read(Archives::equipmentPath(), Layouts::equipment(), position);
    return r.value_or(Record(Layouts::equipment()));
}

// The start screen the editor goes back to.
class StartScreen : public QWidget {
public:
    StartScreen()
    {
        setObjectName(QStringLiteral("frmAvvio"));
        Screens::add(this);
    }
    ~StartScreen() override { Screens::remove(this); }
};

} // namespace

class TestEquipmentScreens : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnABlankNewRecord();
    void enteringThreeItemsStoresThemAsTyped();
    void amountAndNoticeKeysAndLeaving_data();
    void amountAndNoticeKeysAndLeaving();
    void enterWalksTheFieldsAndTheDateOpensTheCalendar();
    void saveNamesTheFirstEmptyMandatoryField_data();
    void saveNamesTheFirstEmptyMandatoryField();
    void browsingAndReloadingTheRevisionBox();
    void duplicateKeepsTheFieldsAndDropsAttachments();
    void searchBySupplierReloadsIntoTheEditor();
    void journalPageImportsTheDescription_data();
    void journalPageImportsTheDescription();
    void summariesFollowTheDate_data();
    void summariesFollowTheDate();
    void summaryLineOpensItsRecord();
    void totalValueOfTheInventory();
    void exportWritesTheGridAndOffersToOpenIt();
    void exportAnswersAndFailures();
    void exportOfAnEmptyArchive();
    void cardPrintsTheControlsAsShown();
    void helpHintsAndExit();
    void startScreenColumnOpensTheEditor();

private:
    void typeItem(const Item &item);
    void enterItems();

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<StartScreen> m_start;
    std::unique_ptr<TfrmAttrezzature> m_editor;
};

void TestEquipmentScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_start = std::make_unique<StartScreen>();
    Formats::setToday(QDate(2024, 6, 10));
    m_editor = std::make_unique<TfrmAttrezzature>();
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
}

void TestEquipmentScreens::cleanup()
{
    m_editor.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    m_start.reset();
    m_dialogs.reset();
    m_folder.reset();
    Formats::setToday(QDate());
}

// Types the item as a user does: Enter from field to field, the calendar for the revision date.
void TestEquipmentScreens::typeItem(const Item &item)
{
    TfrmAttrezzature &e = *m_editor;
    QTest::mouseClick(e.cmdNuovo, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), e.txtCodice);
    QTest::keyClicks(e.txtCodice, QLatin1String(item.code));
    QTest::keyClick(e.txtCodice, Qt::Key_Return);
    QTest::keyClick(e.txtTipologia, Qt::Key_Return);
    e.txtEuro->selectAll();
    QTest::keyClicks(e.txtEuro, QLatin1String(item.amount));
    QTest::keyClick(e.txtEuro, Qt::Key_Return);
    QTest::keyClicks(e.txtMarca, QLatin1String(item.make));
    QTest::keyClick(e.txtMarca, Qt::Key_Return);
    QTest::keyClicks(e.txtDescrizione, QLatin1String(item.description));
    e.txtDitta->setFocus();
    QTest::keyClicks(e.txtDitta, QLatin1String(item.supplier));
    m_dialogs->modalDrivers.enqueue([date = item.revision](QDialog *d) {
        auto *calendar = qobject_cast<TfrmCalendario *>(d);
        QVERIFY(calendar);
        calendar->calAppuntamenti->setSelectedDate(date);
        QTest::mouseClick(calendar->btnImporta, Qt::LeftButton);
    });
    e.txtDataSca->setFocus();
    QTest::keyClick(e.txtDataSca, Qt::Key_Space);
    e.txtPreavviso->selectAll();
    QTest::keyClicks(e.txtPreavviso, QLatin1String(item.notice));
    e.chkEffettuata->setChecked(item.done);
    QTest::mouseClick(e.cmdSalva, Qt::LeftButton);
}

void TestEquipmentScreens::enterItems()
{
    for (const Item &item : {kDrill, kMixer, kLevel})
        typeItem(item);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("3"));
    m_dialogs->clear();
}

void TestEquipmentScreens::opensOnABlankNewRecord()
{
    TfrmAttrezzature &e = *m_editor;
    QCOMPARE(e.windowTitle(), QStringLiteral(" Cantilog - Inventario Attrezzature"));
    QCOMPARE(e.txtEuro->text(), QStringLiteral("0,00"));
    QCOMPARE(e.txtPreavviso->text(), QStringLiteral("0"));
    QVERIFY(!e.chkEffettuata->isChecked());
    QVERIFY(e.lblPosizione->text().isEmpty());
    QVERIFY(e.txtDataSca->isReadOnly());
    QCOMPARE(QApplication::focusWidget(), e.txtCodice);
    QCOMPARE(e.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    // Limits from the record's capacities, in screen order.
    const QList<QLineEdit *> lines{e.txtCodice,    e.txtTipologia,     e.txtEuro,       e.txtMarca,    e.txtDescrizione,
                                   e.txtMatricola, e.txtAlimentazione, e.txtDimensioni, e.txtUtilizzo, e.txtDocumento,
                                   e.txtDataAcq,   e.txtGaranzia,      e.txtPersona,    e.txtTelAss,   e.txtDataSca,
                                   e.txtPreavviso, e.txtDitta,         e.txtTitolare,   e.txtRecapito, e.txtPagamento,
                                   e.txtNote};
    QList<int> limits;
    for (const QLineEdit *l : lines)
        limits.append(l->maxLength());
    QCOMPARE(limits,
             (QList<int>{30, 50, 15, 50, 250, 50, 50, 50, 250, 250, 10, 50, 50, 30, 10, 3, 50, 120, 50, 250, 250}));
    // The tab order is the screen order, the check box after the notice days.
    e.txtPreavviso->setFocus();
    QTest::keyClick(e.txtPreavviso, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), e.chkEffettuata);
    QTest::keyClick(e.chkEffettuata, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), e.txtDitta);
    // Shown again after leaving, it starts blank again.
    e.txtCodice->setText(QStringLiteral("X"));
    e.lblPosizione->setText(QStringLiteral("4"));
    e.hide();
    e.show();
    QVERIFY(e.txtCodice->text().isEmpty());
    QVERIFY(e.lblPosizione->text().isEmpty());
}

void TestEquipmentScreens::enteringThreeItemsStoresThemAsTyped()
{
    typeItem(kDrill);
    QCOMPARE(m_dialogs->messages(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    typeItem(kMixer);
    typeItem(kLevel);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("3"));

    const QList<QPair<const Item *, QString>> expected{{&kDrill, "12,50"}, {&kMixer, "1250,00"}, {&kLevel, "0,125"}};
    for (qint64 p = 1; p <= 3; ++p) {
        const Item &item = *expected.at(p - 1).first;
        const Record r = stored(p);
        QCOMPARE(r.value(u"Codice"), QLatin1String(item.code));
        QCOMPARE(r.value(u"Euro"), expected.at(p - 1).second); // normalised when the field was left
        QCOMPARE(r.value(u"Descrizione"), QLatin1String(item.description));
        QCOMPARE(r.value(u"DataSca"), Formats::dateText(item.revision));
        QCOMPARE(r.value(u"Preavviso"), QLatin1String(item.notice));
        QCOMPARE(r.value(u"Effettuata"), item.done ? QStringLiteral("Sì") : QStringLiteral("No"));
    }
    QCOMPARE(QFileInfo(Archives::equipmentPath()).size(), 3 * 3448);
}

void TestEquipmentScreens::amountAndNoticeKeysAndLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("left");
    QTest::newRow("amount: letters, point, minus, blank refused") << "txtEuro"
                                                                  << "1a2.- ,5"
                                                                  << "12,5"
                                                                  << "12,50";
    QTest::newRow("amount: leading zeros") << "txtEuro"
                                           << "0012"
                                           << "0012"
                                           << "12,00";
    QTest::newRow("amount: four decimals at most") << "txtEuro"
                                                   << "12,34567"
                                                   << "12,34567"
                                                   << "12,3457";
    QTest::newRow("amount: not a number") << "txtEuro"
                                          << "1,2,3"
                                          << "1,2,3"
                                          << "0,00";
    QTest::newRow("amount: left empty") << "txtEuro"
                                        << ""
                                        << ""
                                        << "0,00";
    QTest::newRow("notice: digits only") << "txtPreavviso"
                                         << "1a,5"
                                         << "15"
                                         << "15";
    QTest::newRow("notice: left empty") << "txtPreavviso"
                                        << ""
                                        << ""
                                        << "0";
}

void TestEquipmentScreens::amountAndNoticeKeysAndLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, left);
    auto *edit = m_editor->findChild<QLineEdit *>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), left);
}

void TestEquipmentScreens::enterWalksTheFieldsAndTheDateOpensTheCalendar()
{
    TfrmAttrezzature &e = *m_editor;
    const QList<QLineEdit *> order{e.txtCodice,    e.txtTipologia,     e.txtEuro,       e.txtMarca,    e.txtDescrizione,
                                   e.txtMatricola, e.txtAlimentazione, e.txtDimensioni, e.txtUtilizzo, e.txtDocumento,
                                   e.txtDataAcq,   e.txtGaranzia,      e.txtPersona,    e.txtTelAss,   e.txtDataSca};
    for (QLineEdit *field : order) {
        QCOMPARE(QApplication::focusWidget(), field);
        if (field != e.txtDataSca)
            QTest::keyClick(field, Qt::Key_Return);
    }
    // Enter in the revision date opens the calendar on that field; "Annulla" changes nothing.
    m_dialogs->modalDrivers.enqueue([](QDialog *d) {
        auto *calendar = qobject_cast<TfrmCalendario *>(d);
        QVERIFY(calendar);
        QCOMPARE(calendar->modeWord(), QStringLiteral("datasca"));
        QTest::mouseClick(calendar->btnAnnulla, Qt::LeftButton);
    });
    QTest::keyClick(e.txtDataSca, Qt::Key_Return);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{QStringLiteral("TfrmCalendario")});
    QVERIFY(e.txtDataSca->text().isEmpty());
    for (QLineEdit *field : {e.txtPreavviso, e.txtDitta, e.txtTitolare, e.txtRecapito, e.txtPagamento, e.txtNote}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), e.txtCodice); // from the notes back to the code
    // Backspace empties the date; the typed character never reaches it.
    e.txtDataSca->setText(QStringLiteral("20/06/2024"));
    QTest::keyClick(e.txtDataSca, Qt::Key_Backspace);
    QVERIFY(e.txtDataSca->text().isEmpty());
}

void TestEquipmentScreens::saveNamesTheFirstEmptyMandatoryField_data()
{
    QTest::addColumn<QStringList>("empty");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("warning");
    const QString code = "Attenzione: per salvare la scheda è necessario indicare il codice attrezzatura.";
    const QString make = "Attenzione: per salvare la scheda è necessario indicare la marca e il modello "
                         "dell'attrezzatura.";
    const QString description = "Attenzione: per salvare la scheda è necessario indicare la descrizione "
                                "dell'attrezzatura da importare nel Cantilog.";
    const QString amount = "Attenzione: per salvare la scheda è necessario indicare il valore in euro "
                           "dell'attrezzatura.";
    const QString date = "Attenzione: per salvare la scheda è necessario indicare la data di scadenza della "
                         "prossima revisione.";
    const QString notice = "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso sulla data "
                           "della revisione.";
    QTest::newRow("all six") << QStringList{"txtCodice", "txtMarca",   "txtDescrizione",
                                            "txtEuro",   "txtDataSca", "txtPreavviso"}
                             << "txtCodice" << code;
    QTest::newRow("make before the date") << QStringList{"txtDataSca", "txtMarca"} << "txtMarca" << make;
    QTest::newRow("description before the amount")
        << QStringList{"txtEuro", "txtDescrizione"} << "txtDescrizione" << description;
    QTest::newRow("amount of blanks") << QStringList{"txtEuro"} << "txtEuro" << amount;
    QTest::newRow("date before the notice") << QStringList{"txtPreavviso", "txtDataSca"} << "txtDataSca" << date;
    QTest::newRow("notice") << QStringList{"txtPreavviso"} << "txtPreavviso" << notice;
}

void TestEquipmentScreens::saveNamesTheFirstEmptyMandatoryField()
{
    QFETCH(QStringList, empty);
    QFETCH(QString, focus);
    QFETCH(QString, warning);
    TfrmAttrezzature &e = *m_editor;
    e.txtCodice->setText(QStringLiteral("C1"));
    e.txtMarca->setText(QStringLiteral("Hilti"));
    e.txtDescrizione->setText(QStringLiteral("Tassellatore"));
    e.txtDataSca->setText(QStringLiteral("20/06/2024"));
    for (const QString &name : empty)
        e.findChild<QLineEdit *>(name)->setText(QStringLiteral("  "));
    e.txtTipologia->setFocus();
    QTest::mouseClick(e.cmdSalva, Qt::LeftButton);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
    QCOMPARE(m_dialogs->messages(), QStringList{warning});
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFile::exists(Archives::equipmentPath()));
}

void TestEquipmentScreens::browsingAndReloadingTheRevisionBox()
{
    enterItems();
    TfrmAttrezzature &e = *m_editor;
    QTest::mouseClick(e.cmdPrimo, Qt::LeftButton);
    QCOMPARE(e.lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(e.txtCodice->text(), QStringLiteral("TR-01"));
    QVERIFY(!e.chkEffettuata->isChecked());
    QTest::mouseClick(e.cmdUltimo, Qt::LeftButton);
    QCOMPARE(e.txtCodice->text(), QStringLiteral("LV-03"));
    QVERIFY(e.chkEffettuata->isChecked()); // stored "Sì"
    QTest::mouseClick(e.cmdIndietro, Qt::LeftButton);
    QCOMPARE(e.txtCodice->text(), QStringLiteral("BT-02"));
    QVERIFY(!e.chkEffettuata->isChecked()); // stored "No"
    QCOMPARE(e.txtEuro->text(), QStringLiteral("1250,00"));
    QTest::mouseClick(e.cmdAvanti, Qt::LeftButton);
    QCOMPARE(e.lblPosizione->text(), QStringLiteral("3"));
    // A change saved over the record shown.
    e.txtNote->setText(QStringLiteral("tarata"));
    e.chkEffettuata->setChecked(false);
    QTest::mouseClick(e.cmdSalva, Qt::LeftButton);
    QCOMPARE(m_dialogs->lastMessage(),
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QCOMPARE(stored(3).value(u"Note"), QStringLiteral("tarata"));
    QCOMPARE(stored(3).value(u"Effettuata"), QStringLiteral("No"));
    QCOMPARE(QFileInfo(Archives::equipmentPath()).size(), 3 * 3448);
    QVERIFY(m_dialogs->texts(QStringLiteral("error")).isEmpty());
}

void TestEquipmentScreens::duplicateKeepsTheFieldsAndDropsAttachments()
{
    TfrmAttrezzature &e = *m_editor;
    QTest::mouseClick(e.cmdDuplica, Qt::LeftButton); // a new record cannot be duplicated
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
    enterItems();
    QTest::mouseClick(e.cmdPrimo, Qt::LeftButton);
    // Attachments given through the attachment screen, under the editor's caller key.
    m_dialogs->modalDrivers.enqueue([](QDialog *d) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(d);
        QVERIFY(screen);
        QCOMPARE(screen->modeWord(), QStringLiteral("attrezzature"));
        screen->txtFile01->setText(QStringLiteral("libretto.pdf"));
        screen->txtDesc01->setText(QStringLiteral("Libretto d'uso"));
        QTest::mouseClick(screen->btnApplica, Qt::LeftButton);
    });
    QTest::mouseClick(e.cmdFile, Qt::LeftButton);
    QTest::mouseClick(e.cmdSalva, Qt::LeftButton);
    QCOMPARE(stored(1).value(u"File01"), QStringLiteral("libretto.pdf"));
    QCOMPARE(stored(1).value(u"Desc01"), QStringLiteral("Libretto d'uso"));

    e.txtTipologia->setFocus();
    m_dialogs->clear();
    QTest::mouseClick(e.cmdDuplica, Qt::LeftButton);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("information"));
    QVERIFY(e.lblPosizione->text().isEmpty());
    QCOMPARE(e.txtCodice->text(), QStringLiteral("TR-01"));
    QCOMPARE(e.txtEuro->text(), QStringLiteral("12,50"));
    QCOMPARE(QApplication::focusWidget(), e.txtCodice);
    QVERIFY(e.browse->attachments().file(1)->text().isEmpty());
    e.txtCodice->setText(QStringLiteral("TR-04"));
    QTest::mouseClick(e.cmdSalva, Qt::LeftButton);
    QCOMPARE(e.lblPosizione->text(), QStringLiteral("4"));
    const Record copy = stored(4);
    QCOMPARE(copy.value(u"Codice"), QStringLiteral("TR-04"));
    QCOMPARE(copy.value(u"Descrizione"), QStringLiteral("Trapano a percussione"));
    QVERIFY(copy.value(u"File01").isEmpty());
}

void TestEquipmentScreens::searchBySupplierReloadsIntoTheEditor()
{
    enterItems();
    TfrmAttrezzature &e = *m_editor;
    QStringList listed;
    m_dialogs->modalDrivers.enqueue([&listed](QDialog *d) {
        auto *screen = qobject_cast<TfrmTrovaAttrezzature *>(d);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Trova attrezzature in inventario"));
        QCOMPARE(screen->modeWord(), QStringLiteral("attrezzature"));
        screen->findChild<QLineEdit *>(QStringLiteral("txtDitta"))->setText(QStringLiteral("edil"));
        QTest::mouseClick(screen->btnCerca, Qt::LeftButton);
        listed = itemTexts(screen->panContainer->lstRecords);
        QCOMPARE(screen->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        doubleClickRow(screen->panContainer->lstRecords, 0);
    });
    QTest::mouseClick(e.cmdTrova, Qt::LeftButton);
    QCOMPARE(listed.size(), 2);
    QVERIFY(listed.at(0).startsWith(QStringLiteral("Cod. LV-03"))); // code order
    QVERIFY(listed.at(1).startsWith(QStringLiteral("Cod. TR-01")));
    QCOMPARE(e.lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(e.txtCodice->text(), QStringLiteral("LV-03"));
    QVERIFY(e.chkEffettuata->isChecked());
    QVERIFY(!e.findChild<TfrmTrovaAttrezzature *>()); // destroyed after use
}

void TestEquipmentScreens::journalPageImportsTheDescription_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("field with text") << "  Escavatore "
                                     << "Escavatore, Trapano a percussione";
    QTest::newRow("blank field") << "   "
                                 << "Trapano a percussione";
}

void TestEquipmentScreens::journalPageImportsTheDescription()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    enterItems();
    m_editor->browse->cmdNuovo();
    TfrmGiornale page;
    page.txtOperai->setPlainText(before);
    m_dialogs->modalDrivers.enqueue([](QDialog *d) {
        auto *screen = qobject_cast<TfrmTrovaAttrezzature *>(d);
        QVERIFY(screen);
        QCOMPARE(screen->modeWord(), QStringLiteral("giornale"));
        screen->findChild<QLineEdit *>(QStringLiteral("txtDescrizione"))->setText(QStringLiteral("trapano"));
        QTest::mouseClick(screen->btnCerca, Qt::LeftButton);
        QCOMPARE(screen->panContainer->lstRecords->count(), 1);
        doubleClickRow(screen->panContainer->lstRecords, 0);
    });
    QTest::mouseClick(page.impAttrezzature, Qt::LeftButton);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{QStringLiteral("TfrmTrovaAttrezzature")});
    QCOMPARE(page.txtOperai->toPlainText(), after);
    // Nothing was loaded into the equipment editor.
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QVERIFY(m_editor->txtCodice->text().isEmpty());
}

void TestEquipmentScreens::summariesFollowTheDate_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("due");
    QTest::addColumn<QStringList>("overdue");
    // The drill is due 20/06 with 10 days' notice, the mixer 01/06 with 5, the level is done.
    QTest::newRow("end of May") << QDate(2024, 5, 27) << QStringList{"BT-02"} << QStringList{};
    QTest::newRow("the mixer's day") << QDate(2024, 6, 1) << QStringList{"BT-02"} << QStringList{};
    QTest::newRow("tenth day before the drill's")
        << QDate(2024, 6, 10) << QStringList{"BT-02", "TR-01"} << QStringList{"BT-02"};
    QTest::newRow("after both") << QDate(2024, 6, 21) << QStringList{"BT-02", "TR-01"} << QStringList{"BT-02", "TR-01"};
}

void TestEquipmentScreens::summariesFollowTheDate()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, due);
    QFETCH(QStringList, overdue);
    enterItems();
    Formats::setToday(today);
    const auto codes = [](const QStringList &lines) {
        QStringList out;
        for (const QString &line : lines)
            out.append(line.mid(5, 25).trimmed());
        return out;
    };
    QStringList listed;
    QString caption;
    const auto lister = [&](QDialog *d) {
        auto *summary = qobject_cast<SummaryScreen *>(d);
        QVERIFY(summary);
        caption = summary->windowTitle();
        listed = codes(itemTexts(summary->panRiepilogo->lstRecords));
    };
    m_dialogs->modalDrivers.enqueue(lister);
    QTest::mouseClick(m_editor->cmdScadenze, Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral(" Riepilogo revisioni in scadenza o scadute"));
    QCOMPARE(listed, due);
    m_dialogs->modalDrivers.enqueue(lister);
    QTest::mouseClick(m_editor->cmdScadute, Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral(" Riepilogo revisioni scadute"));
    QCOMPARE(listed, overdue);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), (QStringList{"TfrmScadenze", "TfrmScadute"}));
}

void TestEquipmentScreens::summaryLineOpensItsRecord()
{
    enterItems();
    m_editor->browse->cmdNuovo();
    Formats::setToday(QDate(2024, 7, 1));
    m_dialogs->modalDrivers.enqueue([](QDialog *d) {
        auto *summary = qobject_cast<TfrmScadute *>(d);
        QVERIFY(summary);
        doubleClickRow(summary->panRiepilogo->lstRecords, 1); // TR-01, after BT-02
    });
    QTest::mouseClick(m_editor->cmdScadute, Qt::LeftButton);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_editor->txtCodice->text(), QStringLiteral("TR-01"));
    // The next Save overwrites it.
    m_editor->txtNote->setText(QStringLiteral("in officina"));
    QTest::mouseClick(m_editor->cmdSalva, Qt::LeftButton);
    QCOMPARE(stored(1).value(u"Note"), QStringLiteral("in officina"));
    QCOMPARE(QFileInfo(Archives::equipmentPath()).size(), 3 * 3448);
}

void TestEquipmentScreens::totalValueOfTheInventory()
{
    enterItems();
    QString total, title;
    QStringList listed;
    m_dialogs->modalDrivers.enqueue([&](QDialog *d) {
        auto *screen = qobject_cast<TfrmValoreTotale *>(d);
        QVERIFY(screen);
        QCOMPARE(screen->size(), QSize(862, 590));
        total = screen->lblTotale->text();
        listed = itemTexts(screen->panRiepilogo->lstRecords);
        const Report::PreparedReport report = screen->panRiepilogo->listReport();
        title = report.find(u"txtTitolo")->lines.value(0);
        doubleClickRow(screen->panRiepilogo->lstRecords, 0); // BT-02
    });
    QTest::mouseClick(m_editor->cmdCapitale, Qt::LeftButton);
    QCOMPARE(total, QStringLiteral("€ 1262,625")); // 12,50 + 1250,00 + 0,125
    QCOMPARE(title, QStringLiteral("Valore totale attrezzature: € 1262,625"));
    QCOMPARE(listed.size(), 3);
    QVERIFY(listed.at(0).contains(QStringLiteral("  Valore: € 1250,00")));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_editor->txtCodice->text(), QStringLiteral("BT-02"));
}

void TestEquipmentScreens::exportWritesTheGridAndOffersToOpenIt()
{
    enterItems();
    const QString file = m_folder->file(QStringLiteral("Attrezzature.xls"));
    m_dialogs->modalDrivers.enqueue([&](QDialog *d) {
        auto *screen = qobject_cast<TfrmExpAttrezzature *>(d);
        QVERIFY(screen);
        QCOMPARE(screen->size(), QSize(862, 560));
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QCOMPARE(screen->grdRecords->objectName(), QStringLiteral("grdRecords"));
        QCOMPARE(screen->grdRecords->rowHeight(0), 21);
        QCOMPARE(screen->grdRecords->columnWidth(5), 280);
        QVERIFY(screen->grdRecords->alternatingRowColors());
        const SheetGridModel *grid = screen->grid();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 22);
        QCOMPARE(grid->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Valore in euro"));
        QCOMPARE(grid->cell(0, 0), QStringLiteral("1"));
        QCOMPARE(grid->cell(1, 1), QStringLiteral("BT-02"));
        QCOMPARE(grid->cell(2, 3), QStringLiteral("0,125"));
        QCOMPARE(grid->cell(2, 20), QStringLiteral("Sì"));
        // The file is written from the grid as shown, not from the archive changed meanwhile.
        QVERIFY(Fixtures::writeArchive(Archives::equipmentPath(), Layouts::equipment(), {}));
        QTest::mouseClick(screen->cmdEsporta, Qt::LeftButton);
        QVERIFY(screen->isVisible());
        QTest::mouseClick(screen->cmdEsci, Qt::LeftButton);
    });
    QTest::mouseClick(m_editor->cmdEsporta, Qt::LeftButton);
    QCOMPARE(m_dialogs->texts(QStringLiteral("confirmation")),
             (QStringList{Spreadsheet::confirmMessage(), Spreadsheet::doneMessage()}));
    QCOMPARE(m_dialogs->texts(QStringLiteral("open")), QStringList{QUrl::fromLocalFile(file).toString()});
    const QByteArray bytes = Fixtures::readFile(file);
    QCOMPARE(bytes.count("\r\n"), 122); // 50 lines of head, 3 rows of 23, 3 closing
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">Livella laser</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">S\xEC</td>"));
}

void TestEquipmentScreens::exportAnswersAndFailures()
{
    enterItems();
    TfrmExpAttrezzature screen(m_editor.get());
    screen.show();
    const QString file = m_folder->file(QStringLiteral("Attrezzature.xls"));
    m_dialogs->confirmations.enqueue(false); // not now
    screen.cmdEsportaClick();
    QVERIFY(!QFile::exists(file));
    m_dialogs->confirmations.append({true, false}); // written, not opened
    screen.cmdEsportaClick();
    QVERIFY(QFile::exists(file));
    QVERIFY(m_dialogs->texts(QStringLiteral("open")).isEmpty());
    // A file that cannot be replaced: the plain message, nothing opened.
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file + QStringLiteral("/dentro")));
    m_dialogs->clear();
    screen.cmdEsportaClick();
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(), Spreadsheet::failureMessage());
    QCOMPARE(m_dialogs->texts(QStringLiteral("confirmation")).size(), 1);
    QVERIFY(m_dialogs->texts(QStringLiteral("open")).isEmpty());
}

void TestEquipmentScreens::exportOfAnEmptyArchive()
{
    TfrmExpAttrezzature screen(m_editor.get());
    screen.show();
    QCOMPARE(screen.grid()->rowCount(), 10);
    QVERIFY(screen.grid()->cell(0, 0).isEmpty());
    m_dialogs->confirmations.append({true, false});
    screen.cmdEsportaClick();
    const QByteArray bytes = Fixtures::readFile(m_folder->file(QStringLiteral("Attrezzature.xls")));
    QCOMPARE(bytes.count("<td style=\"text-align: left;\"></td>"), 10 * 21);
}

void TestEquipmentScreens::cardPrintsTheControlsAsShown()
{
    TfrmAttrezzature &e = *m_editor;
    // A blank new record: captions with empty values, "0,00" as the value.
    m_dialogs->printAnswers.enqueue(true);
    QTest::mouseClick(e.cmdStampa, Qt::LeftButton);
    QCOMPARE(m_dialogs->texts(QStringLiteral("print")).size(), 1);
    const auto memo = [&](const char *name) { return e.repScheda.prepared().find(QString::fromLatin1(name))->lines; };
    QCOMPARE(memo("txtTitolo"), QStringList{"SCHEDA ATTREZZATURA"});
    QCOMPARE(memo("titCampo03"), QStringList{"Valore in euro:"});
    QCOMPARE(memo("txtCampo03"), QStringList{"0,00"});
    QCOMPARE(memo("txtCampo01").join(QString()), QString());
    // Unsaved changes print as shown, trimmed; nothing is stored.
    enterItems();
    e.txtCodice->setText(QStringLiteral("  TR-99 "));
    e.txtNote->setText(QStringLiteral("da revisionare"));
    m_dialogs->printAnswers.enqueue(true);
    QTest::mouseClick(e.cmdStampa, Qt::LeftButton);
    QCOMPARE(memo("txtCampo01"), QStringList{"TR-99"});
    QCOMPARE(memo("txtCampo15"), QStringList{"31/01/2024"});
    QCOMPARE(memo("txtCampo20"), QStringList{"da revisionare"});
    QVERIFY(memo("txtCalce").value(0).startsWith(QStringLiteral("Stampa eseguita in data 10/06/2024 alle ore ")));
    QCOMPARE(stored(3).value(u"Codice"), QStringLiteral("LV-03"));
    QCOMPARE(e.txtCodice->text(), QStringLiteral("  TR-99 "));
    QVERIFY(m_dialogs->messages().isEmpty());
}

void TestEquipmentScreens::helpHintsAndExit()
{
    TfrmAttrezzature &e = *m_editor;
    QString title, text;
    m_dialogs->modalDrivers.enqueue([&](QDialog *d) {
        auto *help = qobject_cast<TfrmGuida *>(d);
        QVERIFY(help);
        title = help->lblTitolo->text();
        text = help->txtGuida->toPlainText();
    });
    QTest::mouseClick(e.cmdGuida, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Applicazione Inventario Attrezzature."));
    QCOMPARE(text.split(QStringLiteral("\n\n")).size(), 9);
    QVERIFY(text.contains(QStringLiteral("all'attrezzatura oppure una sua foto.")));

    QTest::mouseMove(e.cmdCapitale);
    QTRY_COMPARE(e.panInfo->text(),
                 QStringLiteral("Calcola il valore totale delle attrezzature presenti nell'inventario."));
    QTest::mouseMove(e.panDati, QPoint(418, 296)); // beside the fields
    QTRY_VERIFY(e.panInfo->text().isEmpty());

    QTest::mouseClick(e.cmdEsci, Qt::LeftButton);
    QVERIFY(!e.isVisible());
    QVERIFY(m_start->isVisible());
}

void TestEquipmentScreens::startScreenColumnOpensTheEditor()
{
    m_editor->txtCodice->setText(QStringLiteral("resto"));
    m_editor->hide();
    m_editor->setObjectName(QStringLiteral("frmAttrezzature"));
    Screens::add(m_editor.get());
    TfrmAvvio start;
    start.show();
    QTest::mouseClick(start.infAttrezzature, Qt::LeftButton);
    const bool opened = m_editor->isVisible() && !start.isVisible();
    Screens::remove(m_editor.get());
    QVERIFY(opened);
    QVERIFY(m_editor->txtCodice->text().isEmpty()); // a blank new record each time
}

QTEST_MAIN(TestEquipmentScreens)
#include "test_equipment_screens.moc"
