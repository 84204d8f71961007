#include "shell/HelpTexts.h"
#include "shell/ui/Screens.h"
#include "shell/ui/Splash.h"
#include "shell/ui/Startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Startup::prepare(*qApp); }
    void standardDialogsSpeakItalian();
    void windowCaptionsAreShownExactly();
    void overviewCitesTheBuildingCode();
    void everyScreenCreatedOnceInOrder();
};

void TestShell::standardDialogsSpeakItalian()
{
    QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("Si conferma l'eliminazione dell'archivio?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annulla"));
}

void TestShell::windowCaptionsAreShownExactly()
{
    // The window system appends a display name set on purpose to every caption that does not
    // end with it; left unset, the display name simply follows the application name.
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Cantilog"));
    QApplication::setApplicationName(QStringLiteral("altro"));
    const QString followed = QGuiApplication::applicationDisplayName();
    QApplication::setApplicationName(QStringLiteral("Cantilog"));
    QCOMPARE(followed, QStringLiteral("altro"));
}

void TestShell::overviewCitesTheBuildingCode()
{
    const QString text = HelpTexts::overview();
    QVERIFY(text.contains(QStringLiteral("D.P.R. n. 380 del 2001")));
    QVERIFY(!text.contains(QStringLiteral("n. 38 del")));
}

// The 33 screens in their creation order, each with its window caption; the first is the main
// form and the only one shown.
void TestShell::everyScreenCreatedOnceInOrder()
{
    const std::pair<const char *, QString> expected[] = {
        {"TfrmPassword", " Cantilog - Autenticazione"},
        {"TfrmAvvio", " Cantilog"},
        {"TfrmCambiaPassword", " Cambia password"},
        {"TfrmGuida", " Guida all'utilizzo del software"},
        {"TfrmInfo", " Informazioni su Cantilog"},
        {"TfrmSplash", QString::fromUtf8(TfrmSplash::kCaption)},
        {"TfrmAttrezzature", " Cantilog - Inventario Attrezzature"},
        {"TfrmCalendario", " Importazione data"},
        {"TfrmAllegaCartella", " Allega file"},
        {"TfrmExpAttrezzature", " Esporta inventario attrezzature in Microsoft Excel"},
        {"TfrmScadenze", " Riepilogo revisioni in scadenza o scadute"},
        {"TfrmScadute", " Riepilogo revisioni scadute"},
        {"TfrmValoreTotale", " Calcolo valore totale attrezzature"},
        {"TfrmTrovaAttrezzature", " Trova attrezzature in inventario"},
        {"TfrmIstruttori", " Cantilog - Anagrafica Lavoratori"},
        {"TfrmPartitaIva", " Controllo partita IVA"},
        {"TfrmCodFisc", " Controllo codice fiscale"},
        {"TfrmCarta", " Controllo carta di credito"},
        {"TfrmIban", " Controllo IBAN"},
        {"TfrmStampaIstruttore", " Stampa scheda"},
        {"TfrmAnteprimaIstruttore", " Anteprima di stampa"},
        {"TfrmExpIstruttori", " Esporta archivio lavoratori in Microsoft Excel"},
        {"TfrmDaRinnovare", " Riepilogo contratti in scadenza o scaduti"},
        {"TfrmTrovaIstruttori", " Trova lavoratori in archivio"},
        {"TfrmMenuGiornale", " Cantilog - Cantilog"},
        {"TfrmCreaGiornale", " Cantilog - Creazione Cantilog"},
        {"TfrmApriGiornale", " Cantilog - Compilazione Cantilog"},
        {"TfrmGiornale", " Cantilog - Compilazione Cantilog"},
        {"TfrmFrontespizio", " Frontespizio Cantilog"},
        {"TfrmCreaRTF", " Esporta scheda in RTF"},
        {"TfrmTrovaGiornale", " Trova pagine Cantilog"},
        {"TfrmAnteprimaGiornale", " Anteprima di stampa"},
        {"TfrmStampaGiornale", " Stampa scheda"},
    };
    QStringList tableOrder, expectedOrder;
    for (const Screens::Entry &entry : Screens::table())
        tableOrder << QLatin1String(entry.className);
    for (const auto &[name, caption] : expected)
        expectedOrder << QLatin1String(name);
    QCOMPARE(tableOrder, expectedOrder);

    QWidget *mainForm = Screens::createAll();
    QCOMPARE(mainForm, Screens::find(QStringLiteral("frmPassword")));
    for (const auto &[name, caption] : expected) {
        QWidget *screen = Screens::find(QLatin1String(name + 1));
        QVERIFY2(screen, name);
        QCOMPARE(QLatin1String(screen->metaObject()->className()), QLatin1String(name));
        QCOMPARE(screen->windowTitle(), caption);
        QVERIFY2(!screen->isVisible(), name);
    }
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
