#include "equipment/ui/Attrezzature.h"

#include "archive/Archives.h"
#include "archive/RecordLayout.h"
#include "archive/ui/EditorKit.h"
#include "equipment/Amounts.h"
#include "equipment/EquipmentCard.h"
#include "equipment/EquipmentHelp.h"
#include "equipment/ui/ExpAttrezzature.h"
#include "equipment/ui/Summaries.h"
#include "equipment/ui/TrovaAttrezzature.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "report/ui/ReportOutput.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTime>

TfrmAttrezzature *frmAttrezzature = nullptr;

namespace {

using Field = EditorField<TfrmAttrezzature>;
using Tool = EditorTool<TfrmAttrezzature>;
using A = TfrmAttrezzature;

constexpr int kPanelWidth = 424;
constexpr int kWide = 404;
constexpr int kRow1 = 30, kRow2 = 88, kRow3 = 146, kRow4 = 204, kRow5 = 262;
constexpr const char *kDateHint =
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

enum Panel { Dati, Acquisto, Revisione, Fornitore };

// The fields in screen and tab order, each under its caption on its panel.
const Field kFields[] = {
    {&A::txtCodice, "Codice", "Codice attrezzatura:", {10, kRow1, 196, 26}, Dati},
    {&A::txtTipologia, "Tipologia", "Tipologia:", {214, kRow1, 200, 26}, Dati},
    {&A::txtEuro,
     "Euro",
     "Valore in euro:",
     {10, kRow2, 150, 26},
     Dati,
     KeyFilter::Amount,
     Qt::AlignRight | Qt::AlignVCenter},
    {&A::txtMarca, "Marca", "Marca e modello:", {168, kRow2, 246, 26}, Dati},
    {&A::txtDescrizione, "Descrizione", "Descrizione per Cantilog:", {10, kRow3, kWide, 26}, Dati},
    {&A::txtMatricola, "Matricola", "Matricola n.", {10, kRow4, 196, 26}, Dati},
    {&A::txtAlimentazione, "Alimentazione", "Alimentazione:", {214, kRow4, 200, 26}, Dati},
    {&A::txtDimensioni, "Dimensioni", "Dimensioni:", {10, kRow5, 196, 26}, Dati},
    {&A::txtUtilizzo, "Utilizzo", "Modalità di utilizzo:", {10, kRow1, kWide, 26}, Acquisto},
    {&A::txtDocumento, "Documento", "Documento di acquisto:", {10, kRow2, kWide, 26}, Acquisto},
    {&A::txtDataAcq, "DataAcq", "Data di acquisto:", {10, kRow3, 150, 26}, Acquisto, KeyFilter::Free, Qt::AlignCenter},
    {&A::txtGaranzia, "Garanzia", "Garanzia:", {168, kRow3, 246, 26}, Acquisto},
    {&A::txtPersona, "Persona", "Persona di contatto:", {10, kRow4, 196, 26}, Acquisto},
    {&A::txtTelAss, "TelAss", "Tel. assistenza tecnica:", {214, kRow4, 200, 26}, Acquisto},
    {&A::txtDataSca,
     "DataSca",
     "Data prossima revisione:",
     {10, kRow1, 196, 26},
     Revisione,
     KeyFilter::Free,
     Qt::AlignCenter,
     "datasca",
     kDateHint},
    {&A::txtPreavviso,
     "Preavviso",
     "Giorni di preavviso:",
     {214, kRow1, 200, 26},
     Revisione,
     KeyFilter::Digits,
     Qt::AlignCenter},
    {&A::chkEffettuata,
     "Effettuata",
     "Revisione effettuata",
     {10, 72, 300, 26},
     Revisione,
     KeyFilter::Free,
     {},
     nullptr,
     "Spunta questa casella per indicare che la revisione è stata effettuata."},
    {&A::txtDitta, "Ditta", "Ditta fornitrice:", {10, kRow1, kWide, 26}, Fornitore},
    {&A::txtTitolare, "Titolare", "Titolare o responsabile:", {10, kRow2, kWide, 26}, Fornitore},
    {&A::txtRecapito, "Recapito", "Recapito preferenziale:", {10, kRow3, kWide, 26}, Fornitore},
    {&A::txtPagamento, "Pagamento", "Modalità di pagamento:", {10, kRow4, kWide, 26}, Fornitore},
    {&A::txtNote, "Note", "Note:", {10, kRow5, kWide, 26}, Fornitore},
};

constexpr int kToolLeft = 866, kToolWidth = 144, kToolStep = 55, kToolHeight = 53;
constexpr QRect tool(int row) { return {kToolLeft, 6 + row * kToolStep, kToolWidth, kToolHeight}; }
constexpr int kBottom = 680, kArrow = 32;

// The buttons top to bottom, then the arrows around the position.
const Tool kTools[] = {
    {&A::cmdNuovo, "cmdNuovo", "nuovo", "Nuovo", tool(0),
     "Prepara la schermata per la registrazione di una nuova scheda."},
    {&A::cmdDuplica, "cmdDuplica", "duplica", "Duplica", tool(1),
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    {&A::cmdSalva, "cmdSalva", "salva", "Salva", tool(2), "Salva la scheda corrente in archivio."},
    {&A::cmdTrova, "cmdTrova", "trova", "Trova", tool(3), "Trova una scheda in archivio.", &A::cmdTrovaClick},
    {&A::cmdFile, "cmdFile", "allega", "Allega file", tool(4), "Allega file alla scheda corrente."},
    {&A::cmdStampa, "cmdStampa", "stampa", "Stampa", tool(5), "Stampa la scheda corrente.", &A::cmdStampaClick},
    {&A::cmdScadenze, "cmdScadenze", "scadenze", "In scadenza", tool(6),
     "Visualizza il riepilogo delle revisioni in scadenza o scadute e non effettuate.", &A::cmdScadenzeClick},
    {&A::cmdScadute, "cmdScadute", "scadenze", "Scadute", tool(7),
     "Visualizza il riepilogo delle revisioni scadute e non effettuate.", &A::cmdScaduteClick},
    {&A::cmdCapitale, "cmdCapitale", "totale", "Valore totale", tool(8),
     "Calcola il valore totale delle attrezzature presenti nell'inventario.", &A::cmdCapitaleClick},
    {&A::cmdEsporta, "cmdEsporta", "excel", "Esporta archivio", tool(9),
     "Esporta le schede in archivio in un file di Microsoft Excel.", &A::cmdEsportaClick},
    {&A::cmdGuida, "cmdGuida", "guida", "Guida", tool(10), "Visualizza la pagina della guida sensibile al contesto.",
     &A::cmdGuidaClick},
    {&A::cmdEsci, "cmdEsci", "esci", "Esci", tool(11), "Esci da questa schermata di lavoro.", &A::cmdEsciClick},
    {&A::cmdPrimo, "cmdPrimo", "primo", "", {800, kBottom, kArrow, kArrow}, "Visualizza la prima scheda in archivio."},
    {&A::cmdIndietro,
     "cmdIndietro",
     "indietro",
     "",
     {834, kBottom, kArrow, kArrow},
     "Visualizza la scheda precedente in archivio."},
    {&A::cmdAvanti,
     "cmdAvanti",
     "avanti",
     "",
     {948, kBottom, kArrow, kArrow},
     "Visualizza la scheda successiva in archivio."},
    {&A::cmdUltimo,
     "cmdUltimo",
     "ultimo",
     "",
     {982, kBottom, kArrow, kArrow},
     "Visualizza l'ultima scheda in archivio."},
};

// Enter in the revision date opens the calendar; the order goes on from the notice days.
constexpr EnterStep kEnterOrder[] = {
    {"txtCodice", "txtTipologia"},         {"txtTipologia", "txtEuro"},        {"txtEuro", "txtMarca"},
    {"txtMarca", "txtDescrizione"},        {"txtDescrizione", "txtMatricola"}, {"txtMatricola", "txtAlimentazione"},
    {"txtAlimentazione", "txtDimensioni"}, {"txtDimensioni", "txtUtilizzo"},   {"txtUtilizzo", "txtDocumento"},
    {"txtDocumento", "txtDataAcq"},        {"txtDataAcq", "txtGaranzia"},      {"txtGaranzia", "txtPersona"},
    {"txtPersona", "txtTelAss"},           {"txtTelAss", "txtDataSca"},        {"txtPreavviso", "txtDitta"},
    {"txtDitta", "txtTitolare"},           {"txtTitolare", "txtRecapito"},     {"txtRecapito", "txtPagamento"},
    {"txtPagamento", "txtNote"},           {"txtNote", "txtCodice"},
};

constexpr MandatoryField kMandatory[] = {
    {"txtCodice", "Attenzione: per salvare la scheda è necessario indicare il codice attrezzatura."},
    {"txtMarca", "Attenzione: per salvare la scheda è necessario indicare la marca e il modello dell'attrezzatura."},
    {"txtDescrizione",
     "Attenzione: per salvare la scheda è necessario indicare la descrizione dell'attrezzatura da "
     "importare nel Cantilog."},
    {"txtEuro", "Attenzione: per salvare la scheda è necessario indicare il valore in euro dell'attrezzatura."},
    {"txtDataSca",
     "Attenzione: per salvare la scheda è necessario indicare la data di scadenza della prossima "
     "revisione."},
    {"txtPreavviso",
     "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso sulla data della "
     "revisione."},
};

// Notice days left empty mean none.
QString noticeDaysLeft(const QString &text) { return Text::trimBlanks(text).isEmpty() ? QStringLiteral("0") : text; }

constexpr FieldRule kRules[] = {
    {"Euro", FieldRule::Fixed, "0,00", &Amounts::normalise},
    {"Preavviso", FieldRule::Fixed, "0", &noticeDaysLeft},
};

} // namespace

TfrmAttrezzature::TfrmAttrezzature()
    : AreaScreen(kCaption, QSize(1016, 713), QColor(0xDC, 0xE6, 0xF0), Qt::white), repScheda(EquipmentCard::layout())
{
    QWidget *area = canvas();
    EditorKit kit(this, Layouts::equipment());

    panDati = ScreenKit::shape(area, "panDati", QRect(6, 6, kPanelWidth, 302), Qt::white, QColor(0xB4, 0xC8, 0xDC));
    panAcquisto =
        ScreenKit::shape(area, "panAcquisto", QRect(436, 6, kPanelWidth, 302), Qt::white, QColor(0xB4, 0xC8, 0xDC));
    panRevisione =
        ScreenKit::shape(area, "panRevisione", QRect(6, 316, kPanelWidth, 110), Qt::white, QColor(0xB4, 0xC8, 0xDC));
    panFornitore =
        ScreenKit::shape(area, "panFornitore", QRect(436, 316, kPanelWidth, 356), Qt::white, QColor(0xB4, 0xC8, 0xDC));
    QWidget *banner = ScreenKit::shape(area, "imgLogo", QRect(6, 434, kPanelWidth, 238), QColor(0xE8, 0xF0, 0xFA));
    ScreenKit::image(banner, "imgLogoIcon", QStringLiteral("attrezzature"), QRect(16, 70, 96, 96));
    QLabel *title = ScreenKit::label(banner, "imgLogoTitle", QStringLiteral("Inventario Attrezzature"),
                                     QRect(124, 76, 290, 40), 16, true);
    title->setStyleSheet(QStringLiteral("color: #1E5FB4;"));
    ScreenKit::label(banner, "imgLogoText", QStringLiteral("Mezzi e attrezzatura tecnica dell'impresa"),
                     QRect(124, 118, 290, 40), 9)
        ->setWordWrap(true);

    kit.fields<A>(this, kFields, {panDati, panAcquisto, panRevisione, panFornitore});
    kit.tools<A>(this, kTools, area);
    lblPosizione = ScreenKit::label(area, "lblPosizione", QString(), QRect(868, kBottom, 78, kArrow), 12, true);
    lblPosizione->setAlignment(Qt::AlignCenter);
    panInfo = ScreenKit::statusLine(area, QRect(0, kBottom, 794, 33),
                                    QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EnterOrder::install(this, kEnterOrder);
    kit.hints(panInfo, {this, area, panDati, panAcquisto, panRevisione, panFornitore, banner, lblPosizione});

    EditorRules rules;
    rules.layout = &Layouts::equipment();
    rules.archivePath = [] { return Archives::equipmentPath(); };
    rules.callerKey = "attrezzature";
    rules.duplicateOpensArchive = true;
    rules.focusAfterNew = "txtCodice";
    rules.focusAfterDuplicate = "txtCodice";
    rules.mandatory = kMandatory;
    rules.fields = kRules;
    browse = kit.protocol(lblPosizione, std::move(rules));
}

// Every opening starts on a blank new record.
void TfrmAttrezzature::FormShow() { browse->cmdNuovo(); }

void TfrmAttrezzature::cmdTrovaClick() { TfrmTrovaAttrezzature::openForEditor(this, browse); }

// The card shows the values on screen, stored or not.
void TfrmAttrezzature::cmdStampaClick()
{
    EquipmentCard::fill(repScheda, browse->current(), EquipmentCard::footer(Formats::today(), QTime::currentTime()));
    repScheda.prepare(Formats::todayText());
    ReportOutput::print(this, repScheda.prepared());
}

void TfrmAttrezzature::cmdScadenzeClick() { TfrmScadenze::open(this, browse); }

void TfrmAttrezzature::cmdScaduteClick() { TfrmScadute::open(this, browse); }

void TfrmAttrezzature::cmdCapitaleClick() { TfrmValoreTotale::open(this, browse); }

void TfrmAttrezzature::cmdEsportaClick() { TfrmExpAttrezzature::open(this); }

void TfrmAttrezzature::cmdGuidaClick()
{
    Help::show(this, QString::fromUtf8(EquipmentHelp::kEditorTitle), EquipmentHelp::editorText());
}

void TfrmAttrezzature::cmdEsciClick() { close(); }

void TfrmAttrezzature::FormClose() { switchTo(Screens::find(QStringLiteral("frmAvvio")), this); }
