// The journal screens as the user drives them: the area menu, creation, the chooser, the page
// editor and the attachment screen.
#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "archive/RecordLayout.h"
#include "archive/ui/AllegaCartella.h"
#include "archive/ui/BrowseEdit.h"
#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"
#include "foundation/ui/Calendario.h"
#include "foundation/ui/Guida.h"
#include "foundation/ui/ScreenKit.h"
#include "journal/ui/ApriGiornale.h"
#include "journal/ui/CreaGiornale.h"
#include "journal/ui/Giornale.h"
#include "journal/ui/MenuGiornale.h"
#include "shell/ui/Screens.h"

#include "Fixtures.h"
#include "ScreenFixtures.h"
#include "ScriptedDialogs.h"
#include "StandInEditor.h"
#include "TestFolder.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QString kToday = QStringLiteral("15/03/2024");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kCreated =
    QStringLiteral("Il file di archivio relativo al nuovo Cantilog è stato creato con successo.\r\n\r\n"
                   "E' ora possibile visualizzarlo nell'elenco dei Cantilog esistenti.");
const QString kListEmpty = QStringLiteral("Attenzione: l'elenco non contiene nessun Cantilog.");
const QString kAccess =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kOverwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
                   "Si vuole sovrascrivere il file esistente?");

void click(QAbstractButton *button)
{
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

QString makeFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir + u'/' + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

Record page(const QString &numero, const QString &data, const QString &meteo)
{
    Record r(Layouts::journal());
    r.setValue(u"Numero", numero);
    r.setValue(u"Data", data);
    r.setValue(u"Committente", QStringLiteral("Comune di Lucca"));
    r.setValue(u"Impresa", QStringLiteral("Edil Toscana srl"));
    r.setValue(u"Oggetto", QStringLiteral("Scuola media"));
    r.setValue(u"Direttore", QStringLiteral("Ing. Neri"));
    r.setValue(u"Meteo", meteo);
    return r;
}

void appendPages(const QString &path, const QList<Record> &pages)
{
    ArchiveFile file(path, Layouts::journal().recordSize());
    QVERIFY(file.open());
    for (const Record &r : pages)
        QVERIFY(file.append(r.encode()) > 0);
}

Record storedPage(const QString &path, qint64 position)
{
    ArchiveFile file(path, Layouts::journal().recordSize());
    QByteArray bytes;
    if (!file.open() || !file.read(position, &bytes))
        return Record(Layouts::journal());
    return Record::decode(Layouts::journal(), bytes.constData());
}

qint64 pagesIn(const QString &path) { return QFileInfo(path).size() / Layouts::journal().recordSize(); }

} // namespace

class TestJournalScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void typicalDay();

    void menuLeadsByItsModeWord_data();
    void menuLeadsByItsModeWord();
    void creationWarnsAndStaysOpen_data();
    void creationWarnsAndStaysOpen();
    void creationDiscardsReservedKeys();
    void creationCancel();

    void chooserWithNoJournalWarns();
    void chooserWithoutSelectionWarns();
    void chooserShowsNothingSelectedOnFocus_data();
    void chooserShowsNothingSelectedOnFocus();
    void chooserCountKeptWhenNothingListedOnOpening();
    void chooserDeleteAsksAndRefreshes();
    void chooserDeleteFailureIsAnError();
    void chooserNameWithDots();
    void chooserCancelReturnsToStart();
    void chooserOpensTheListedFileItself();

    void editorOpensOnTheLastPage();
    void editorOpensAnEmptyJournalOnANewPage();
    void editorOpensSilentlyOnANewPageWhenTheArchiveFails();
    void saveChecksMandatoryFieldsInOrder();
    void saveWithOnlyTheManagerEmpty();
    void saveFailureIsAPlainMessage();
    void saveCutsAnnotationsAt3000Bytes();
    void saveOverwritesALoadedPage();
    void unchangedMemosSaveTheSameBytes_data();
    void unchangedMemosSaveTheSameBytes();
    void duplicate();
    void enterOrder_data();
    void enterOrder();
    void dateField();
    void hints_data();
    void hints();
    void helpOfTheFourScreens();
    void maxLengths();

    void attachmentsShowTheEditorSlots();
    void attachmentsOverwriteQuestion_data();
    void attachmentsOverwriteQuestion();
    void attachmentsSameFileInTwoSlots();
    void attachmentsCopyFailureKeepsTheOldName();
    void attachmentsNameTheRecordCannotKeepIsRefused();
    void attachmentsFreeAndApply();
    void attachmentsCancelLeavesTheEditor();
    void attachmentsLostWhenMovingBeforeSaving();
    void attachmentsWriteBackByCallerKey_data();
    void attachmentsWriteBackByCallerKey();
    void attachmentsTabOrder();

private:
    void openJournal(const QString &item);
    void fillJournalLevel();

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QWidget *m_start = nullptr;
    TfrmMenuGiornale *m_menu = nullptr;
    TfrmCreaGiornale *m_create = nullptr;
    TfrmApriGiornale *m_chooser = nullptr;
    TfrmGiornale *m_editor = nullptr;
};

void TestJournalScreens::initTestCase()
{
    Formats::setToday(QDate(2024, 3, 15));
    // The start screen is only where the journal area returns to.
    m_start = new QWidget;
    m_start->setObjectName(QStringLiteral("frmAvvio"));
    Screens::add(m_start);
    frmMenuGiornale = m_menu = new TfrmMenuGiornale;
    frmCreaGiornale = m_create = new TfrmCreaGiornale;
    frmApriGiornale = m_chooser = new TfrmApriGiornale;
    frmGiornale = m_editor = new TfrmGiornale;
    const std::pair<QWidget *, const char *> screens[] = {{m_menu, "frmMenuGiornale"},
                                                          {m_create, "frmCreaGiornale"},
                                                          {m_chooser, "frmApriGiornale"},
                                                          {m_editor, "frmGiornale"}};
    for (const auto &[screen, name] : screens) {
        screen->setObjectName(QLatin1String(name));
        Screens::add(screen);
    }
}

void TestJournalScreens::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestJournalScreens::cleanup()
{
    QVERIFY(Fixtures::hideAllWindows());
    m_dialogs.reset();
    m_folder.reset();
}

void TestJournalScreens::cleanupTestCase()
{
    for (QWidget *w : {static_cast<QWidget *>(m_editor), static_cast<QWidget *>(m_chooser),
                       static_cast<QWidget *>(m_create), static_cast<QWidget *>(m_menu), m_start}) {
        Screens::remove(w);
        delete w;
    }
}

void TestJournalScreens::openJournal(const QString &item)
{
    AreaScreen::switchTo(m_chooser, m_start);
    const auto found = m_chooser->lstFiles->findItems(item, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    m_chooser->lstFiles->setCurrentItem(found.first());
    click(m_chooser->btnApri);
    QVERIFY(m_editor->isVisible());
    QVERIFY(!m_chooser->isVisible());
}

void TestJournalScreens::fillJournalLevel()
{
    m_editor->txtNumero->setText(QStringLiteral("7"));
    m_editor->txtCommittente->setText(QStringLiteral("Comune di Lucca"));
    m_editor->txtImpresa->setText(QStringLiteral("Edil Toscana srl"));
    m_editor->txtOggetto->setText(QStringLiteral("Ampliamento scuola media"));
    m_editor->txtDirettore->setText(QStringLiteral("Ing. Neri"));
    m_editor->txtResponsabile->setText(QStringLiteral("Arch. Conti"));
}

// Create a journal, open it from the chooser, compile and save a page, "Nuovo", save a second
// page, browse, attach a file and open it.
void TestJournalScreens::typicalDay()
{
    QCOMPARE(m_editor->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    m_start->show();
    AreaScreen::switchTo(m_menu, m_start);
    QCOMPARE(m_menu->lblMemory->text(), QStringLiteral("avvio"));
    click(m_menu->btnCrea);
    QVERIFY(m_create->isVisible());
    QVERIFY(!m_menu->isVisible());

    QVERIFY(m_create->txtFile->text().isEmpty());
    QTest::keyClicks(m_create->txtFile, QStringLiteral("  Via Roma 12 "));
    click(m_create->btnApplica);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("information"));
    QCOMPARE(m_dialogs->lastMessage(), kCreated);
    QVERIFY(!m_create->isVisible());
    QVERIFY(m_start->isVisible());
    const QString archive = m_folder->file(QStringLiteral("Via Roma 12.cnt"));
    QVERIFY(QFileInfo(archive).isFile());
    QCOMPARE(QFileInfo(archive).size(), 0);

    AreaScreen::switchTo(m_menu, m_start);
    click(m_menu->btnCompila);
    QVERIFY(m_chooser->isVisible());
    QCOMPARE(m_chooser->lstFiles->count(), 1);
    QCOMPARE(m_chooser->lblCreati->text(), QStringLiteral("Sono stati creati 1 Cantilog."));
    m_chooser->lstFiles->setCurrentRow(0);
    click(m_chooser->btnApri);
    QVERIFY(m_editor->isVisible());
    QCOMPARE(m_editor->lblNome->text(), QStringLiteral("Via Roma 12"));
    QCOMPARE(m_editor->lblFile->text(), archive);
    QCOMPARE(m_editor->txtData->text(), kToday);
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QCOMPARE(m_editor->focusWidget(), m_editor->txtMeteo);

    fillJournalLevel();
    QTest::keyClicks(m_editor->txtMeteo, QStringLiteral("Sereno"));
    m_editor->txtNatura->setText(QStringLiteral("Argilla"));
    m_editor->txtTotale->setText(QStringLiteral("4"));
    m_editor->txtAnnotazioni->setPlainText(QStringLiteral("Getto del solaio.\nControllo armature."));
    m_editor->txtOperai->setPlainText(QStringLiteral("Muratore Rossi Mario"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kAppended);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(QFileInfo(archive).size(), 12179);
    QCOMPARE(storedPage(archive, 1).value(u"Annotazioni"), QStringLiteral("Getto del solaio.\r\nControllo armature."));

    click(m_editor->cmdNuovo);
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QCOMPARE(m_editor->txtData->text(), kToday);
    QCOMPARE(m_editor->txtNumero->text(), QStringLiteral("7"));
    QCOMPARE(m_editor->txtResponsabile->text(), QStringLiteral("Arch. Conti"));
    QVERIFY(m_editor->txtMeteo->text().isEmpty());
    QVERIFY(m_editor->txtNatura->text().isEmpty());
    QVERIFY(m_editor->txtTotale->text().isEmpty());
    QVERIFY(m_editor->txtAnnotazioni->toPlainText().isEmpty());
    QVERIFY(m_editor->txtOperai->toPlainText().isEmpty());
    QCOMPARE(m_editor->focusWidget(), m_editor->txtMeteo);
    m_editor->txtMeteo->setText(QStringLiteral("Pioggia"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kAppended);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(pagesIn(archive), 2);

    click(m_editor->cmdPrimo);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_editor->txtMeteo->text(), QStringLiteral("Sereno"));
    QCOMPARE(m_editor->txtAnnotazioni->toPlainText(), QStringLiteral("Getto del solaio.\nControllo armature."));
    click(m_editor->cmdAvanti);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(m_editor->txtMeteo->text(), QStringLiteral("Pioggia"));
    click(m_editor->cmdIndietro);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    click(m_editor->cmdUltimo);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));

    QTemporaryDir documents;
    const QString source = makeFile(documents.path(), QStringLiteral("Verbale di consegna.pdf"), "%PDF-1.4 verbale");
    m_dialogs->fileNames.enqueue(source);
    QString openedUrl;
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->modeWord(), QStringLiteral("giornale"));
        QVERIFY(!screen->btnApri01->isEnabled());
        click(screen->btnSfoglia01);
        QCOMPARE(screen->txtFile01->text(), QStringLiteral("Verbale di consegna.pdf"));
        QVERIFY(screen->btnApri01->isEnabled());
        click(screen->btnApri01);
        openedUrl = m_dialogs->texts(QStringLiteral("open")).value(0);
        screen->txtDesc01->setText(QStringLiteral(" Verbale firmato "));
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{"TfrmAllegaCartella"});
    QCOMPARE(m_dialogs->texts(QStringLiteral("file")), QStringList{"Selezionare il file da allegare:"});
    const QString attached = m_folder->file(QStringLiteral("Documenti_Allegati/Verbale di consegna.pdf"));
    QCOMPARE(m_folder->read(QStringLiteral("Documenti_Allegati/Verbale di consegna.pdf")),
             QByteArray("%PDF-1.4 verbale"));
    QCOMPARE(openedUrl, QUrl::fromLocalFile(attached).toString(QUrl::FullyEncoded));
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("Verbale di consegna.pdf"));
    QCOMPARE(m_editor->browse->attachments().desc(1)->text(), QStringLiteral("Verbale firmato"));

    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kOverwritten);
    QCOMPARE(pagesIn(archive), 2);
    const Record second = storedPage(archive, 2);
    QCOMPARE(second.value(u"File01"), QStringLiteral("Verbale di consegna.pdf"));
    QCOMPARE(second.value(u"Desc01"), QStringLiteral("Verbale firmato"));
    QCOMPARE(second.value(u"Meteo"), QStringLiteral("Pioggia"));
    QVERIFY(storedPage(archive, 1).value(u"File01").isEmpty());

    click(m_editor->cmdEsci);
    QVERIFY(!m_editor->isVisible());
    QVERIFY(m_start->isVisible());
}

void TestJournalScreens::menuLeadsByItsModeWord_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("next");
    QTest::newRow("crea") << "btnCrea"
                          << "frmCreaGiornale";
    QTest::newRow("compila") << "btnCompila"
                             << "frmApriGiornale";
    QTest::newRow("exit") << "imgEsci"
                          << "frmAvvio";
    QTest::newRow("window closed") << ""
                                   << "frmAvvio";
}

void TestJournalScreens::menuLeadsByItsModeWord()
{
    QFETCH(QString, button);
    QFETCH(QString, next);
    AreaScreen::switchTo(m_menu, m_start);
    if (button.isEmpty())
        m_menu->close();
    else
        click(m_menu->findChild<QAbstractButton *>(button));
    QVERIFY(!m_menu->isVisible());
    QVERIFY(Screens::find(next)->isVisible());
}

void TestJournalScreens::creationWarnsAndStaysOpen_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::newRow("blank name")
        << ""
        << "   "
        << "Attenzione: per creare il nuovo archivio è necessario indicare il nome del nuovo Cantilog.";
    QTest::newRow("used in other capitals")
        << "Scuola.cnt"
        << "SCUOLA"
        << "Attenzione: il nome del Cantilog indicato è già stato utilizzato in precedenza.\r\n\r\nInserire un "
           "nome diverso oppure, se si desidera visualizzare un Cantilog già creato, premere il pulsante Compila "
           "Cantilog esistente.";
    QTest::newRow("pasted separator") << ""
                                      << "../Scuola"
                                      << "Attenzione: il nome del Cantilog indicato non è valido.";
    QTest::newRow("only dots") << ""
                               << "..."
                               << "Attenzione: il nome del Cantilog indicato non è valido.";
}

void TestJournalScreens::creationWarnsAndStaysOpen()
{
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    if (!existing.isEmpty())
        m_folder->write(existing, "x");
    const QStringList before = QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    AreaScreen::switchTo(m_create, m_start);
    m_create->txtFile->setText(typed); // as pasted: no key filter
    click(m_create->btnApplica);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
    QVERIFY2(m_dialogs->lastMessage().startsWith(warning), qPrintable(m_dialogs->lastMessage()));
    QVERIFY(m_create->isVisible());
    QCOMPARE(m_create->txtFile->text(), typed);
    QCOMPARE(m_create->focusWidget(), m_create->txtFile);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestJournalScreens::creationDiscardsReservedKeys()
{
    AreaScreen::switchTo(m_create, m_start);
    QTest::keyClicks(m_create->txtFile, QStringLiteral("A?b:c|d*e/f\\g<h>\"i"));
    for (const QChar c : QStringLiteral("°çÇñÑè"))
        QTest::sendKeyEvent(QTest::Click, m_create->txtFile, Qt::Key_unknown, c, Qt::NoModifier);
    QCOMPARE(m_create->txtFile->text(), QStringLiteral("Abc|defghiè"));

    // Dead keys and input methods deliver the composed character as a commit string.
    for (const QString &composed : {QStringLiteral("ñ"), QStringLiteral("Ç"), QStringLiteral("ò°?")}) {
        QInputMethodEvent commit;
        commit.setCommitString(composed);
        QApplication::sendEvent(m_create->txtFile, &commit);
    }
    QCOMPARE(m_create->txtFile->text(), QStringLiteral("Abc|defghièò"));
}

void TestJournalScreens::creationCancel()
{
    AreaScreen::switchTo(m_create, m_start);
    m_create->txtFile->setText(QStringLiteral("Ponte"));
    click(m_create->btnAnnulla);
    QVERIFY(!m_create->isVisible());
    QVERIFY(m_start->isVisible());
    QVERIFY(QDir(m_folder->path()).isEmpty());
}

void TestJournalScreens::chooserWithNoJournalWarns()
{
    AreaScreen::switchTo(m_chooser, m_start);
    QCOMPARE(m_chooser->lstFiles->count(), 0);
    click(m_chooser->btnApri);
    click(m_chooser->btnElimina);
    QCOMPARE(m_dialogs->messages(), (QStringList{kListEmpty, kListEmpty}));
    QCOMPARE(m_dialogs->texts(QStringLiteral("warning")).size(), 2);
    QVERIFY(m_chooser->isVisible());
}

void TestJournalScreens::chooserWithoutSelectionWarns()
{
    m_folder->write(QStringLiteral("Uno.cnt"), QByteArray());
    AreaScreen::switchTo(m_chooser, m_start);
    click(m_chooser->btnApri);
    click(m_chooser->btnElimina);
    QCOMPARE(m_dialogs->messages(),
             (QStringList{"Attenzione: selezionare dall'elenco il Cantilog prima di premere il pulsante Apri archivio.",
                          "Attenzione: selezionare dall'elenco il Cantilog da eliminare prima di premere il pulsante "
                          "del cestino."}));
    QVERIFY(m_dialogs->texts(QStringLiteral("confirmation")).isEmpty());
    QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Uno.cnt"))));
}

void TestJournalScreens::chooserShowsNothingSelectedOnFocus_data()
{
    QTest::addColumn<int>("reason");
    QTest::newRow("Tab") << int(Qt::TabFocusReason);
    QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason);
    QTest::newRow("window activated") << int(Qt::ActiveWindowFocusReason);
    QTest::newRow("by the program") << int(Qt::OtherFocusReason);
}

// The view draws its current row like a selected one: the focus alone must not make one.
void TestJournalScreens::chooserShowsNothingSelectedOnFocus()
{
    QFETCH(int, reason);
    m_folder->write(QStringLiteral("Uno.cnt"), QByteArray());
    m_folder->write(QStringLiteral("Due.cnt"), QByteArray());
    AreaScreen::switchTo(m_chooser, m_start);
    QListWidget *list = m_chooser->lstFiles;
    QFocusEvent focusIn(QEvent::FocusIn, Qt::FocusReason(reason));
    QApplication::sendEvent(list, &focusIn);
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(list->selectedItems().isEmpty());
    // The first arrow key selects the first row.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->selectedItems().size(), 1);
}

void TestJournalScreens::chooserCountKeptWhenNothingListedOnOpening()
{
    m_folder->write(QStringLiteral("b.cnt"), QByteArray());
    m_folder->write(QStringLiteral("A.CNT"), QByteArray());
    m_folder->write(QStringLiteral("c.txt"), QByteArray());
    AreaScreen::switchTo(m_chooser, m_start);
    QCOMPARE(m_chooser->lstFiles->count(), 2);
    QCOMPARE(m_chooser->lstFiles->item(0)->text(), QStringLiteral("A.CNT"));
    QCOMPARE(m_chooser->lstFiles->item(1)->text(), QStringLiteral("b.cnt"));
    QCOMPARE(m_chooser->lstFiles->item(0)->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(m_chooser->lblCreati->text(), QStringLiteral("Sono stati creati 2 Cantilog."));
    m_chooser->hide();

    QFile::remove(m_folder->file(QStringLiteral("b.cnt")));
    QFile::remove(m_folder->file(QStringLiteral("A.CNT")));
    AreaScreen::switchTo(m_chooser, m_start);
    QCOMPARE(m_chooser->lstFiles->count(), 0);
    QCOMPARE(m_chooser->lblCreati->text(), QStringLiteral("Sono stati creati 2 Cantilog."));
}

void TestJournalScreens::chooserDeleteAsksAndRefreshes()
{
    m_folder->write(QStringLiteral("Solo.cnt"), QByteArray(12179, 'x'));
    AreaScreen::switchTo(m_chooser, m_start);
    m_chooser->lstFiles->setCurrentRow(0);

    m_dialogs->confirmations.enqueue(false);
    click(m_chooser->btnElimina);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("confirmation"));
    QCOMPARE(m_dialogs->lastMessage(),
             QStringLiteral("Si sta per eliminare il Cantilog selezionato. Si ricorda che il file eliminato non potrà "
                            "essere recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?"));
    QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Solo.cnt"))));
    QCOMPARE(m_chooser->lstFiles->count(), 1);

    m_dialogs->confirmations.enqueue(true);
    click(m_chooser->btnElimina);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("information"));
    QCOMPARE(m_dialogs->lastMessage(), QStringLiteral("Il Cantilog è stato eliminato con successo."));
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Solo.cnt"))));
    QCOMPARE(m_chooser->lstFiles->count(), 0);
    QCOMPARE(m_chooser->lblCreati->text(), QStringLiteral("Sono stati creati 0 Cantilog."));
    QCOMPARE(m_chooser->lblMemory->text(), QStringLiteral("avvio"));
    QVERIFY(m_chooser->lblFile->text() == m_folder->path());
}

void TestJournalScreens::chooserDeleteFailureIsAnError()
{
    m_folder->write(QStringLiteral("Bloccato.cnt"), QByteArray());
    m_folder->write(QStringLiteral("Altro.cnt"), QByteArray());
    AreaScreen::switchTo(m_chooser, m_start);
    m_chooser->lstFiles->setCurrentItem(
        m_chooser->lstFiles->findItems(QStringLiteral("Bloccato.cnt"), Qt::MatchExactly).first());
    // The entry turns into something a file deletion cannot remove.
    QVERIFY(QFile::remove(m_folder->file(QStringLiteral("Bloccato.cnt"))));
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Bloccato.cnt")));
    m_folder->write(QStringLiteral("Bloccato.cnt/pagina"), "x");

    click(m_chooser->btnElimina);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("error"));
    QVERIFY(m_dialogs->lastMessage().startsWith(QStringLiteral("Attenzione: il sistema non permette di eliminare")));
    QVERIFY(!m_dialogs->messages().contains(QStringLiteral("Il Cantilog è stato eliminato con successo.")));
    QCOMPARE(m_chooser->lstFiles->count(), 1);
    QCOMPARE(m_chooser->lblCreati->text(), QStringLiteral("Sono stati creati 1 Cantilog."));
}

void TestJournalScreens::chooserNameWithDots()
{
    m_folder->write(QStringLiteral("Via Roma v1.2.Cnt"), QByteArray());
    openJournal(QStringLiteral("Via Roma v1.2.Cnt"));
    QCOMPARE(m_editor->lblNome->text(), QStringLiteral("Via Roma v1.2"));
    QCOMPARE(m_editor->lblFile->text(), m_folder->file(QStringLiteral("Via Roma v1.2.Cnt")));
}

void TestJournalScreens::chooserCancelReturnsToStart()
{
    m_folder->write(QStringLiteral("Uno.cnt"), QByteArray());
    AreaScreen::switchTo(m_chooser, m_start);
    m_chooser->lstFiles->setCurrentRow(0);
    click(m_chooser->btnAnnulla);
    QVERIFY(!m_chooser->isVisible());
    QVERIFY(m_start->isVisible());
    QVERIFY(!m_editor->isVisible());
}

void TestJournalScreens::chooserOpensTheListedFileItself()
{
    // A journal copied in from elsewhere whose name starts with a blank: opening it must not
    // create (and show) an empty journal of the name without the blank.
    appendPages(m_folder->file(QStringLiteral(" Spazio.cnt")), {page("4", "05/03/2024", "Grandine")});
    openJournal(QStringLiteral(" Spazio.cnt"));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(m_editor->txtMeteo->text(), QStringLiteral("Grandine"));
    QCOMPARE(m_editor->lblNome->text(), QStringLiteral(" Spazio"));
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Spazio.cnt"))));
    m_editor->hide();

    AreaScreen::switchTo(m_chooser, m_start);
    m_chooser->lstFiles->setCurrentRow(0);
    click(m_chooser->btnElimina);
    QCOMPARE(m_dialogs->lastMessage(), QStringLiteral("Il Cantilog è stato eliminato con successo."));
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral(" Spazio.cnt"))));
    QCOMPARE(m_chooser->lstFiles->count(), 0);
}

void TestJournalScreens::editorOpensOnTheLastPage()
{
    const QString path = m_folder->file(QStringLiteral("Dodici.cnt"));
    QList<Record> pages;
    for (int i = 1; i <= 12; ++i)
        pages << page(QStringLiteral("3"), QStringLiteral("%1/02/2024").arg(i, 2, 10, QLatin1Char('0')),
                      QStringLiteral("Meteo %1").arg(i));
    appendPages(path, pages);
    openJournal(QStringLiteral("Dodici.cnt"));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("12"));
    QCOMPARE(m_editor->txtMeteo->text(), QStringLiteral("Meteo 12"));
    QCOMPARE(m_editor->txtData->text(), QStringLiteral("12/02/2024"));
    QCOMPARE(m_editor->focusWidget(), m_editor->txtMeteo);
    QVERIFY(m_dialogs->messages().isEmpty());
}

void TestJournalScreens::editorOpensAnEmptyJournalOnANewPage()
{
    appendPages(m_folder->file(QStringLiteral("Pieno.cnt")), {page("9", "01/03/2024", "Nebbia")});
    m_folder->write(QStringLiteral("Vuoto.cnt"), QByteArray());
    openJournal(QStringLiteral("Pieno.cnt"));
    m_editor->hide();
    openJournal(QStringLiteral("Vuoto.cnt"));
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QCOMPARE(m_editor->txtData->text(), kToday);
    QVERIFY(m_editor->txtMeteo->text().isEmpty());
    // The journal-level fields stay as the screen last had them.
    QCOMPARE(m_editor->txtNumero->text(), QStringLiteral("9"));
    QCOMPARE(m_editor->txtCommittente->text(), QStringLiteral("Comune di Lucca"));
    QCOMPARE(m_editor->lblNome->text(), QStringLiteral("Vuoto"));
    QVERIFY(m_dialogs->messages().isEmpty());
}

void TestJournalScreens::editorOpensSilentlyOnANewPageWhenTheArchiveFails()
{
    m_editor->lblFile->setText(m_folder->file(QStringLiteral("manca/Cartella.cnt")));
    m_editor->lblPosizione->setText(QStringLiteral("4"));
    m_editor->browse->attachments().file(1)->setText(QStringLiteral("vecchio.pdf"));
    AreaScreen::switchTo(m_editor, m_start);
    QVERIFY(m_dialogs->messages().isEmpty());
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QVERIFY(m_editor->browse->attachments().file(1)->text().isEmpty());
    QCOMPARE(m_editor->txtData->text(), kToday);
}

void TestJournalScreens::saveChecksMandatoryFieldsInOrder()
{
    m_folder->write(QStringLiteral("Lavori.cnt"), QByteArray());
    const QString path = m_folder->file(QStringLiteral("Lavori.cnt"));
    openJournal(QStringLiteral("Lavori.cnt"));
    for (QLineEdit *e : {m_editor->txtNumero, m_editor->txtData, m_editor->txtCommittente, m_editor->txtImpresa,
                         m_editor->txtOggetto, m_editor->txtDirettore, m_editor->txtResponsabile})
        e->clear();
    struct Step {
        QLineEdit *field;
        const char *warning;
    };
    const Step steps[] = {
        {m_editor->txtNumero, "Attenzione: per salvare la scheda è necessario indicare il numero del Cantilog."},
        {m_editor->txtData, "Attenzione: per salvare la scheda è necessario indicare la data."},
        {m_editor->txtCommittente, "Attenzione: per salvare la scheda è necessario indicare il Committente."},
        {m_editor->txtImpresa,
         "Attenzione: per salvare la scheda è necessario indicare l'Impresa affidataria o esecutrice."},
        {m_editor->txtOggetto, "Attenzione: per salvare la scheda è necessario indicare l'oggetto dei lavori."},
        {m_editor->txtDirettore, "Attenzione: per salvare la scheda è necessario indicare il Direttore dei Lavori."},
    };
    for (const Step &step : steps) {
        m_dialogs->clear();
        m_editor->txtMeteo->setFocus();
        click(m_editor->cmdSalva);
        QCOMPARE(m_dialogs->messages(), QStringList{QString::fromUtf8(step.warning)});
        QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
        QCOMPARE(m_editor->focusWidget(), step.field);
        QCOMPARE(QFileInfo(path).size(), 0);
        // Blanks alone do not fill a field.
        step.field->setText(QStringLiteral("  "));
        click(m_editor->cmdSalva);
        QCOMPARE(m_dialogs->lastMessage(), QString::fromUtf8(step.warning));
        step.field->setText(QStringLiteral("x"));
    }
    m_dialogs->clear();
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->messages(), QStringList{kAppended});
    QCOMPARE(pagesIn(path), 1);
}

void TestJournalScreens::saveWithOnlyTheManagerEmpty()
{
    m_folder->write(QStringLiteral("Lavori.cnt"), QByteArray());
    openJournal(QStringLiteral("Lavori.cnt"));
    fillJournalLevel();
    m_editor->txtResponsabile->clear();
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->messages(), QStringList{kAppended});
    QCOMPARE(storedPage(m_folder->file(QStringLiteral("Lavori.cnt")), 1).value(u"Direttore"),
             QStringLiteral("Ing. Neri"));
}

void TestJournalScreens::saveFailureIsAPlainMessage()
{
    AreaScreen::switchTo(m_editor, m_start);
    m_editor->lblFile->setText(m_folder->file(QStringLiteral("manca/Lavori.cnt")));
    fillJournalLevel();
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("plain"));
    QCOMPARE(m_dialogs->lastMessage(), kAccess);
    QVERIFY(m_editor->lblPosizione->text().isEmpty());

    m_dialogs->clear();
    click(m_editor->cmdUltimo);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("error"));
    QCOMPARE(m_dialogs->lastMessage(), kAccess);
}

void TestJournalScreens::saveCutsAnnotationsAt3000Bytes()
{
    m_folder->write(QStringLiteral("Lavori.cnt"), QByteArray());
    const QString path = m_folder->file(QStringLiteral("Lavori.cnt"));
    openJournal(QStringLiteral("Lavori.cnt"));
    fillJournalLevel();
    QString typed;
    for (int line = 0; typed.size() < 3500; ++line)
        typed += QStringLiteral("%1").arg(line, 3, 10, QLatin1Char('0')) + QString(95, QChar(u'a')) + u'\n';
    m_editor->txtAnnotazioni->setPlainText(typed); // 99 characters and one line break per line
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kAppended);

    // Stored with CR LF, so each line takes 100 bytes: 30 whole lines fill the 3000 bytes.
    QString expected;
    for (int line = 0; line < 30; ++line)
        expected +=
            QStringLiteral("%1").arg(line, 3, 10, QLatin1Char('0')) + QString(95, QChar(u'a')) + QStringLiteral("\r\n");
    const QByteArray raw = m_folder->read(QStringLiteral("Lavori.cnt"));
    const int offset = Layouts::journal().offset(Layouts::journal().indexOf(u"Annotazioni"));
    QCOMPARE(raw.mid(offset, 3000), expected.toLatin1());
    QCOMPARE(raw.at(offset + 3000), '\0');
    QCOMPARE(m_editor->txtAnnotazioni->toPlainText(), typed); // the screen keeps what was typed
    click(m_editor->cmdPrimo);
    QCOMPARE(m_editor->txtAnnotazioni->toPlainText(), Text::fromCrLf(expected));
}

void TestJournalScreens::saveOverwritesALoadedPage()
{
    const QString path = m_folder->file(QStringLiteral("Sette.cnt"));
    QList<Record> pages;
    for (int i = 1; i <= 9; ++i)
        pages << page("1", "01/01/2024", QStringLiteral("Meteo %1").arg(i));
    appendPages(path, pages);
    openJournal(QStringLiteral("Sette.cnt"));
    QVERIFY(m_editor->browse->load(7));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("7"));
    m_editor->txtMeteo->setText(QStringLiteral(" Vento forte"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kOverwritten);
    QCOMPARE(pagesIn(path), 9);
    QCOMPARE(storedPage(path, 7).value(u"Meteo"), QStringLiteral(" Vento forte"));
    QCOMPARE(storedPage(path, 6).value(u"Meteo"), QStringLiteral("Meteo 6"));
    QCOMPARE(storedPage(path, 8).value(u"Meteo"), QStringLiteral("Meteo 8"));
}

void TestJournalScreens::unchangedMemosSaveTheSameBytes_data()
{
    QTest::addColumn<QString>("field");
    const RecordLayout &layout = Layouts::journal();
    for (int i = 0; i < layout.fieldCount(); ++i)
        if (qobject_cast<QPlainTextEdit *>(m_editor->browse->control(layout.fieldName(i))))
            QTest::newRow(layout.field(i).name) << layout.fieldName(i);
}

// A page opened and saved without any change keeps its bytes: no-break spaces and every other
// character of Windows-1252 in a multi-line field survive the round trip through the screen.
void TestJournalScreens::unchangedMemosSaveTheSameBytes()
{
    QFETCH(QString, field);
    const RecordLayout &layout = Layouts::journal();
    QString text = QStringLiteral("x\u00A0y");
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte % 32 == 0)
            text += QStringLiteral("\r\n");
        text += Text::fromCp1252(QByteArray(1, char(byte)));
    }
    text = text.left(layout.field(layout.indexOf(field)).capacity);
    if (text.endsWith(u'\r'))
        text.chop(1);
    Record stored = page("1", "01/01/2024", "Sole");
    stored.setValue(field, text);
    const QString path = m_folder->file(QStringLiteral("Tutti.cnt"));
    appendPages(path, {stored});
    const QByteArray before = m_folder->read(QStringLiteral("Tutti.cnt"));
    QVERIFY(before.contains("x\xA0y"));
    openJournal(QStringLiteral("Tutti.cnt"));
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("1"));
    click(m_editor->cmdSalva);
    QCOMPARE(m_dialogs->lastMessage(), kOverwritten);
    QCOMPARE(m_folder->read(QStringLiteral("Tutti.cnt")), before);
}

void TestJournalScreens::duplicate()
{
    const QString path = m_folder->file(QStringLiteral("Lavori.cnt"));
    Record first = page("5", "02/02/2024", "Sole");
    first.setValue(u"File01", QStringLiteral("foto.jpg"));
    first.setValue(u"Desc01", QStringLiteral("Foto"));
    appendPages(path, {first});
    openJournal(QStringLiteral("Lavori.cnt"));
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("foto.jpg"));

    click(m_editor->cmdNuovo);
    m_dialogs->clear();
    click(m_editor->cmdDuplica);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));

    click(m_editor->cmdPrimo);
    m_editor->txtNumero->setFocus();
    m_dialogs->clear();
    click(m_editor->cmdDuplica);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("information"));
    QVERIFY(m_editor->lblPosizione->text().isEmpty());
    QVERIFY(m_editor->browse->attachments().file(1)->text().isEmpty());
    QVERIFY(m_editor->browse->attachments().desc(1)->text().isEmpty());
    QCOMPARE(m_editor->txtMeteo->text(), QStringLiteral("Sole"));
    QCOMPARE(m_editor->focusWidget(), m_editor->txtMeteo);
    click(m_editor->cmdSalva);
    QCOMPARE(m_editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(storedPage(path, 2).value(u"Meteo"), QStringLiteral("Sole"));
    QVERIFY(storedPage(path, 2).value(u"File01").isEmpty());
    QCOMPARE(storedPage(path, 1).value(u"File01"), QStringLiteral("foto.jpg"));
}

void TestJournalScreens::enterOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("numero") << "txtNumero"
                            << "txtData";
    QTest::newRow("committente") << "txtCommittente"
                                 << "txtImpresa";
    QTest::newRow("impresa") << "txtImpresa"
                             << "txtOggetto";
    QTest::newRow("oggetto") << "txtOggetto"
                             << "txtMeteo";
    QTest::newRow("meteo") << "txtMeteo"
                           << "txtNatura";
    QTest::newRow("natura") << "txtNatura"
                            << "txtTotale";
    QTest::newRow("totale") << "txtTotale"
                            << "txtAnnotazioni";
    QTest::newRow("direttore") << "txtDirettore"
                               << "txtResponsabile";
    QTest::newRow("responsabile back to numero") << "txtResponsabile"
                                                 << "txtNumero";
}

void TestJournalScreens::enterOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    AreaScreen::switchTo(m_editor, m_start);
    auto *field = m_editor->findChild<QWidget *>(from);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(m_editor->focusWidget()->objectName(), to);
}

void TestJournalScreens::dateField()
{
    AreaScreen::switchTo(m_editor, m_start);
    QVERIFY(m_editor->txtData->isReadOnly());
    QTest::keyClick(m_editor->txtData, Qt::Key_Backspace);
    QVERIFY(m_editor->txtData->text().isEmpty());
    click(m_editor->impData);
    QCOMPARE(m_editor->txtData->text(), kToday);
    QTest::keyClick(m_editor->txtData, Qt::Key_Delete);
    QVERIFY(m_editor->txtData->text().isEmpty());

    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *calendar = qobject_cast<TfrmCalendario *>(dialog);
        QVERIFY(calendar);
        QCOMPARE(calendar->modeWord(), QStringLiteral("datagio"));
        calendar->calAppuntamenti->setSelectedDate(QDate(2024, 2, 29));
        click(calendar->btnImporta);
    });
    QTest::keyClick(m_editor->txtData, Qt::Key_Return); // Enter opens the calendar like any key
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")), QStringList{"TfrmCalendario"});
    QCOMPARE(m_editor->txtData->text(), QStringLiteral("29/02/2024"));
    QTest::keyClick(m_editor->txtData, Qt::Key_5);
    QCOMPARE(m_dialogs->texts(QStringLiteral("modal")).size(), 2);
    QCOMPARE(m_editor->txtData->text(), QStringLiteral("29/02/2024"));
}

void TestJournalScreens::hints_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("salva") << "cmdSalva"
                           << "Salva la scheda corrente in archivio.";
    QTest::newRow("file") << "cmdFile"
                          << "Allega file alla scheda corrente.";
    QTest::newRow("esporta") << "cmdEsporta"
                             << "Esporta e stampa la scheda corrente.";
    QTest::newRow("data")
        << "txtData"
        << "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";
    QTest::newRow("lavoratori") << "impLavoratori"
                                << "Importa i dati dall'archivio anagrafico dei lavoratori.";
}

void TestJournalScreens::hints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    AreaScreen::switchTo(m_editor, m_start);
    auto *w = m_editor->findChild<QWidget *>(control);
    QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &over);
    QCOMPARE(m_editor->panInfo->text(), hint);
    QWidget *background = m_editor->canvas();
    QMouseEvent away(QEvent::MouseMove, QPointF(1010, 690 - 30), background->mapToGlobal(QPointF(1010, 660)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_editor, &away);
    QApplication::sendEvent(background, &away);
    QVERIFY(m_editor->panInfo->text().isEmpty());
}

void TestJournalScreens::helpOfTheFourScreens()
{
    QStringList titles, starts;
    for (int i = 0; i < 4; ++i)
        m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
            auto *help = qobject_cast<TfrmGuida *>(dialog);
            QVERIFY(help);
            titles << help->lblTitolo->text();
            starts << help->txtGuida->toPlainText().section(u'\n', 0, 0);
        });
    click(m_menu->imgGuida);
    click(m_create->imgGuida);
    click(m_chooser->imgGuida);
    click(m_editor->cmdGuida);
    QCOMPARE(titles, QStringList(4, QStringLiteral("Gestione Cantilog.")));
    QCOMPARE(starts,
             QStringList(4,
                         QStringLiteral(
                             "L'ambiente per la gestione dei Cantilog si compone di due applicazioni: la prima "
                             "consente di creare un "
                             "nuovo Cantilog, mentre la seconda è progettata per compilare un Cantilog esistente.")));
}

void TestJournalScreens::maxLengths()
{
    const std::pair<QLineEdit *, int> lengths[] = {
        {m_editor->txtNumero, 50},       {m_editor->txtData, 10},     {m_editor->txtCommittente, 250},
        {m_editor->txtImpresa, 250},     {m_editor->txtOggetto, 250}, {m_editor->txtMeteo, 250},
        {m_editor->txtNatura, 250},      {m_editor->txtTotale, 250},  {m_editor->txtDirettore, 50},
        {m_editor->txtResponsabile, 50}, {m_create->txtFile, 250}};
    for (const auto &[field, length] : lengths)
        QVERIFY2(field->maxLength() == length, qPrintable(field->objectName()));
    for (const char *name :
         {"effNumero", "effData", "effAnnotazioni", "effOperai", "effOsservazioni", "effResponsabile"})
        QVERIFY2(m_editor->findChild<QWidget *>(QLatin1String(name)), name);
}

void TestJournalScreens::attachmentsShowTheEditorSlots()
{
    AreaScreen::switchTo(m_editor, m_start);
    m_editor->browse->attachments().file(1)->setText(QStringLiteral("  pianta.dwg "));
    m_editor->browse->attachments().desc(1)->setText(QStringLiteral(" Pianta "));
    m_editor->browse->attachments().file(2)->setText(QStringLiteral("   "));
    m_editor->browse->attachments().desc(2)->setText(QStringLiteral("senza file"));
    m_editor->browse->attachments().file(3)->clear();
    m_editor->browse->attachments().desc(3)->clear();
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(screen->txtFile01->text(), QStringLiteral("pianta.dwg"));
        QCOMPARE(screen->txtDesc01->text(), QStringLiteral("Pianta"));
        QCOMPARE(screen->txtFile02->text(), QString());
        QCOMPARE(screen->txtDesc02->text(), QStringLiteral("senza file"));
        QVERIFY(screen->btnApri01->isEnabled());
        QVERIFY(!screen->btnApri02->isEnabled());
        QVERIFY(!screen->btnApri03->isEnabled());
        QVERIFY(screen->txtFile01->isReadOnly());
        click(screen->btnApri01);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_dialogs->texts(QStringLiteral("open")),
             QStringList{QUrl::fromLocalFile(m_folder->file(QStringLiteral("Documenti_Allegati/pianta.dwg")))
                             .toString(QUrl::FullyEncoded)});
    // Closed without applying: the editor keeps its labels as they were.
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("  pianta.dwg "));
}

void TestJournalScreens::attachmentsOverwriteQuestion_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no keeps the folder's file") << false << QByteArray("vecchio");
    QTest::newRow("yes replaces it") << true << QByteArray("nuovo");
}

void TestJournalScreens::attachmentsOverwriteQuestion()
{
    QFETCH(bool, answer);
    QFETCH(QByteArray, content);
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Documenti_Allegati")));
    m_folder->write(QStringLiteral("Documenti_Allegati/relazione.doc"), "vecchio");
    QTemporaryDir documents;
    m_dialogs->fileNames.enqueue(makeFile(documents.path(), QStringLiteral("relazione.doc"), "nuovo"));
    m_dialogs->confirmations.enqueue(answer);
    AreaScreen::switchTo(m_editor, m_start);
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        click(screen->btnSfoglia02);
        QCOMPARE(screen->txtFile02->text(), QStringLiteral("relazione.doc"));
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_dialogs->texts(QStringLiteral("confirmation")), QStringList{kOverwriteQuestion});
    QCOMPARE(m_folder->read(QStringLiteral("Documenti_Allegati/relazione.doc")), content);
    QCOMPARE(m_editor->browse->attachments().file(2)->text(), QStringLiteral("relazione.doc"));
}

void TestJournalScreens::attachmentsSameFileInTwoSlots()
{
    QTemporaryDir documents;
    const QString source = makeFile(documents.path(), QStringLiteral("foto.jpg"), "jpeg");
    m_dialogs->fileNames << source << source;
    AreaScreen::switchTo(m_editor, m_start);
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        click(screen->btnSfoglia01);
        click(screen->btnSfoglia03);
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_dialogs->texts(QStringLiteral("confirmation")), QStringList{kOverwriteQuestion});
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("foto.jpg"));
    QCOMPARE(m_editor->browse->attachments().file(3)->text(), QStringLiteral("foto.jpg"));
    QCOMPARE(m_folder->read(QStringLiteral("Documenti_Allegati/foto.jpg")), QByteArray("jpeg"));
}

void TestJournalScreens::attachmentsCopyFailureKeepsTheOldName()
{
    m_folder->write(QStringLiteral("Documenti_Allegati"), "non una cartella");
    QTemporaryDir documents;
    m_dialogs->fileNames.enqueue(makeFile(documents.path(), QStringLiteral("nuovo.pdf"), "pdf"));
    AreaScreen::switchTo(m_editor, m_start);
    m_editor->browse->attachments().file(1)->setText(QStringLiteral("vecchio.pdf"));
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        click(screen->btnSfoglia01);
        QCOMPARE(screen->txtFile01->text(), QStringLiteral("vecchio.pdf"));
        // A cancelled choice changes nothing either.
        click(screen->btnSfoglia02);
        QVERIFY(screen->txtFile02->text().isEmpty());
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_dialogs->texts(QStringLiteral("error")).size(), 1);
    QVERIFY(m_dialogs->texts(QStringLiteral("error"))
                .first()
                .startsWith(QStringLiteral("Attenzione: il sistema non permette di copiare il file selezionato")));
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("vecchio.pdf"));
}

void TestJournalScreens::attachmentsNameTheRecordCannotKeepIsRefused()
{
    QTemporaryDir documents;
    m_dialogs->fileNames.enqueue(makeFile(documents.path(), QStringLiteral("Ωmega.pdf"), "pdf"));
    AreaScreen::switchTo(m_editor, m_start);
    m_editor->browse->attachments().file(1)->setText(QStringLiteral("vecchio.pdf"));
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        click(screen->btnSfoglia01);
        QCOMPARE(screen->txtFile01->text(), QStringLiteral("vecchio.pdf"));
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_dialogs->lastKind(), QStringLiteral("warning"));
    QVERIFY(m_dialogs->lastMessage().startsWith(
        QStringLiteral("Attenzione: il nome del file selezionato non può essere conservato nella scheda.")));
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("vecchio.pdf"));
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Documenti_Allegati/Ωmega.pdf"))));
}

void TestJournalScreens::attachmentsFreeAndApply()
{
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Documenti_Allegati")));
    m_folder->write(QStringLiteral("Documenti_Allegati/contratto.pdf"), "pdf");
    AreaScreen::switchTo(m_editor, m_start);
    m_editor->browse->attachments().file(2)->setText(QStringLiteral("contratto.pdf"));
    m_editor->browse->attachments().desc(2)->setText(QStringLiteral("Contratto d'appalto"));
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        QVERIFY(screen->btnApri02->isEnabled());
        click(screen->imgCancella02);
        QVERIFY(screen->txtFile02->text().isEmpty());
        QVERIFY(!screen->btnApri02->isEnabled());
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QVERIFY(m_editor->browse->attachments().file(2)->text().isEmpty());
    QCOMPARE(m_editor->browse->attachments().desc(2)->text(), QStringLiteral("Contratto d'appalto"));
    QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Documenti_Allegati/contratto.pdf"))));
}

void TestJournalScreens::attachmentsCancelLeavesTheEditor()
{
    QTemporaryDir documents;
    m_dialogs->fileNames.enqueue(makeFile(documents.path(), QStringLiteral("schizzo.png"), "png"));
    AreaScreen::switchTo(m_editor, m_start);
    m_editor->browse->attachments().file(1)->clear();
    m_editor->browse->attachments().desc(1)->setText(QStringLiteral("prima"));
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        click(screen->btnSfoglia01);
        screen->txtDesc01->setText(QStringLiteral("dopo"));
        click(screen->btnAnnulla);
        QVERIFY(!screen->isVisible());
    });
    click(m_editor->cmdFile);
    QVERIFY(m_editor->browse->attachments().file(1)->text().isEmpty());
    QCOMPARE(m_editor->browse->attachments().desc(1)->text(), QStringLiteral("prima"));
    QCOMPARE(m_folder->read(QStringLiteral("Documenti_Allegati/schizzo.png")), QByteArray("png"));
}

void TestJournalScreens::attachmentsLostWhenMovingBeforeSaving()
{
    const QString path = m_folder->file(QStringLiteral("Lavori.cnt"));
    appendPages(path, {page("1", "01/03/2024", "Uno"), page("1", "02/03/2024", "Due")});
    openJournal(QStringLiteral("Lavori.cnt"));
    QTemporaryDir documents;
    m_dialogs->fileNames.enqueue(makeFile(documents.path(), QStringLiteral("foto.jpg"), "jpeg"));
    m_dialogs->modalDrivers.enqueue([](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        click(screen->btnSfoglia01);
        click(screen->btnApplica);
    });
    click(m_editor->cmdFile);
    QCOMPARE(m_editor->browse->attachments().file(1)->text(), QStringLiteral("foto.jpg"));
    click(m_editor->cmdIndietro);
    click(m_editor->cmdAvanti);
    QVERIFY(m_editor->browse->attachments().file(1)->text().isEmpty());
    QVERIFY(storedPage(path, 2).value(u"File01").isEmpty());
}

void TestJournalScreens::attachmentsWriteBackByCallerKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("editor");
    QTest::newRow("journal") << "giornale" << 0;
    QTest::newRow("equipment") << "attrezzature" << 1;
    QTest::newRow("workers") << "istruttori" << 2;
}

// Each editor opens the attachment screen with its caller key, and "Applica e chiudi" writes
// into that editor's slots only.
void TestJournalScreens::attachmentsWriteBackByCallerKey()
{
    QFETCH(QString, key);
    QFETCH(int, editor);
    StandInEditor::Options equipmentOptions, workersOptions;
    equipmentOptions.callerKey = "attrezzature";
    workersOptions.callerKey = "istruttori";
    StandInEditor equipment(Layouts::equipment(), m_folder->file(QStringLiteral("Attrezzature.pro")),
                            MessageKind::Error, equipmentOptions);
    StandInEditor workers(Layouts::workers(), m_folder->file(QStringLiteral("Dipendenti.pro")), MessageKind::Error,
                          workersOptions);
    BrowseEdit *const protocols[] = {m_editor->browse, equipment.browse, workers.browse};
    for (BrowseEdit *p : protocols)
        p->attachments().desc(3)->setText(QStringLiteral("prima"));

    QString modeSeen;
    m_dialogs->modalDrivers.enqueue([&](QDialog *dialog) {
        auto *screen = qobject_cast<TfrmAllegaCartella *>(dialog);
        QVERIFY(screen);
        modeSeen = screen->modeWord();
        QCOMPARE(screen->txtDesc03->text(), QStringLiteral("prima"));
        screen->txtDesc03->setText(QStringLiteral("  Scheda tecnica  "));
        click(screen->btnApplica);
    });
    QWidget *const screens[] = {m_editor, &equipment, &workers};
    click(screens[editor]->findChild<QAbstractButton *>(QStringLiteral("cmdFile")));
    QCOMPARE(modeSeen, key);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(protocols[i]->attachments().desc(3)->text(),
                 i == editor ? QStringLiteral("Scheda tecnica") : QStringLiteral("prima"));
}

void TestJournalScreens::attachmentsTabOrder()
{
    TfrmAllegaCartella screen;
    const QStringList order = {"txtFile01",    "btnSfoglia01", "btnApri01",  "txtDesc01", "txtFile02",
                               "btnSfoglia02", "btnApri02",    "txtDesc02",  "txtFile03", "btnSfoglia03",
                               "btnApri03",    "txtDesc03",    "btnApplica", "btnAnnulla"};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *w = screen.findChild<QWidget *>(order.at(i));
        QWidget *next = w->nextInFocusChain();
        while (next && next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), order.at(i + 1));
    }
}

QTEST_MAIN(TestJournalScreens)
#include "test_journal_screens.moc"
