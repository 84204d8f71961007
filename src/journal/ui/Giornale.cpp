#include "journal/ui/Giornale.h"

#include "archive/RecordLayout.h"
#include "archive/ui/EditorKit.h"
#include "archive/ui/FieldAccess.h"
#include "equipment/ui/TrovaAttrezzature.h"
#include "foundation/Formats.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/HelpText.h"
#include "journal/PageEntries.h"
#include "journal/ui/AnteprimaGiornale.h"
#include "journal/ui/CreaRTF.h"
#include "journal/ui/StampaGiornale.h"
#include "journal/ui/TrovaGiornale.h"
#include "workers/ui/TrovaIstruttori.h"

#include <QLineEdit>
#include <QPlainTextEdit>

TfrmGiornale *frmGiornale = nullptr;

namespace {

using Field = EditorField<TfrmGiornale>;
using Tool = EditorTool<TfrmGiornale>;
using G = TfrmGiornale;

constexpr int kRow1 = 126, kRow2 = 178, kBody = 232;
constexpr const char *kDateHint =
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

// The fields of a page in tab order, each under its caption.
const Field kFields[] = {
    {&G::txtNumero, "Numero", "Cantilog n.", {10, kRow1, 150, 26}},
    {&G::txtData, "Data", "Data:", {172, kRow1, 116, 26}, 0, KeyFilter::Free, Qt::AlignCenter, "datagio", kDateHint},
    {&G::txtCommittente, "Committente", "Committente:", {332, kRow1, 330, 26}},
    {&G::txtImpresa, "Impresa", "Impresa affidataria / esecutrice:", {674, kRow1, 332, 26}},
    {&G::txtOggetto, "Oggetto", "Oggetto dei Lavori:", {10, kRow2, 400, 26}},
    {&G::txtMeteo, "Meteo", "Meteo:", {422, kRow2, 190, 26}},
    {&G::txtNatura, "Natura", "Natura dei terreni:", {624, kRow2, 190, 26}},
    {&G::txtTotale, "Totale", "Numero operai impiegati:", {826, kRow2, 180, 26}},
    {&G::txtAnnotazioni, "Annotazioni", "ANNOTAZIONI SPECIALI E GENERALI:", {10, kBody + 18, 930, 118}},
    {&G::txtOperai, "Operai", "OPERAI E MEZZI D'OPERA:", {10, kBody + 166, 930, 110}},
    {&G::txtOsservazioni, "Osservazioni", "OSSERVAZIONI E ISTRUZIONI:", {10, kBody + 306, 640, 126}},
    {&G::txtDirettore, "Direttore", "Direttore dei Lavori:", {664, kBody + 306, 342, 26}},
    {&G::txtResponsabile, "Responsabile", "Responsabile del Procedimento:", {664, kBody + 362, 342, 26}},
};

// The toolbar, left to right, then the picture buttons of the page.
const Tool kTools[] = {
    {&G::cmdNuovo,
     "cmdNuovo",
     "nuovo",
     "Nuovo",
     {6, 4, 62, 64},
     "Prepara la schermata per l'inserimento di una nuova scheda."},
    {&G::cmdDuplica,
     "cmdDuplica",
     "duplica",
     "Duplica",
     {70, 4, 62, 64},
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {&G::cmdSalva, "cmdSalva", "salva", "Salva", {134, 4, 62, 64}, "Salva la scheda corrente in archivio."},
    {&G::cmdTrova, "cmdTrova", "trova", "Trova", {198, 4, 62, 64}, "Trova una scheda in archivio.", &G::cmdTrovaClick},
    {&G::cmdFile, "cmdFile", "allega", "Allega file", {262, 4, 72, 64}, "Allega file alla scheda corrente."},
    {&G::cmdAnteprima,
     "cmdAnteprima",
     "anteprima",
     "Anteprima",
     {346, 4, 90, 64},
     "Visualizza l'anteprima di stampa della scheda corrente.",
     &G::cmdAnteprimaClick},
    {&G::cmdStampa,
     "cmdStampa",
     "stampa",
     "Stampa",
     {438, 4, 90, 64},
     "Stampa la scheda corrente.",
     &G::cmdStampaClick},
    {&G::cmdPrimo, "cmdPrimo", "primo", "", {546, 4, 50, 64}, "Visualizza la prima scheda in archivio."},
    {&G::cmdIndietro, "cmdIndietro", "indietro", "", {598, 4, 50, 64}, "Visualizza la scheda precedente in archivio."},
    {&G::cmdAvanti, "cmdAvanti", "avanti", "", {726, 4, 50, 64}, "Visualizza la scheda successiva in archivio."},
    {&G::cmdUltimo, "cmdUltimo", "ultimo", "", {778, 4, 50, 64}, "Visualizza l'ultima scheda in archivio."},
    {&G::cmdEsporta,
     "cmdEsporta",
     "esporta",
     "Esporta",
     {840, 4, 62, 64},
     "Esporta e stampa la scheda corrente.",
     &G::cmdEsportaClick},
    {&G::cmdGuida, "cmdGuida", "guida", "", {910, 4, 50, 64}, "Visualizza la guida in linea.", &G::cmdGuidaClick},
    {&G::cmdEsci, "cmdEsci", "esci", "", {962, 4, 50, 64}, "Esci da questa schermata di lavoro.", &G::cmdEsciClick},
    {&G::impData, "impData", "data", "", {292, kRow1 - 2, 30, 30}, "Inserisci la data corrente.", &G::impDataClick},
    {&G::impLavoratori,
     "impLavoratori",
     "importa",
     "Lavoratori",
     {946, kBody + 166, 66, 54},
     "Importa i dati dall'archivio anagrafico dei lavoratori.",
     &G::impLavoratoriClick},
    {&G::impAttrezzature,
     "impAttrezzature",
     "importa",
     "Attrezzature",
     {946, kBody + 222, 66, 54},
     "Importa i dati dall'inventario delle attrezzature.",
     &G::impAttrezzatureClick},
};

constexpr EnterStep kEnterOrder[] = {
    {"txtNumero", "txtData"},        {"txtCommittente", "txtImpresa"},    {"txtImpresa", "txtOggetto"},
    {"txtOggetto", "txtMeteo"},      {"txtMeteo", "txtNatura"},           {"txtNatura", "txtTotale"},
    {"txtTotale", "txtAnnotazioni"}, {"txtDirettore", "txtResponsabile"}, {"txtResponsabile", "txtNumero"},
};

constexpr MandatoryField kMandatory[] = {
    {"txtNumero", "Attenzione: per salvare la scheda è necessario indicare il numero del Cantilog."},
    {"txtData", "Attenzione: per salvare la scheda è necessario indicare la data."},
    {"txtCommittente", "Attenzione: per salvare la scheda è necessario indicare il Committente."},
    {"txtImpresa", "Attenzione: per salvare la scheda è necessario indicare l'Impresa affidataria o esecutrice."},
    {"txtOggetto", "Attenzione: per salvare la scheda è necessario indicare l'oggetto dei lavori."},
    {"txtDirettore", "Attenzione: per salvare la scheda è necessario indicare il Direttore dei Lavori."},
};

// A new page repeats the journal-level fields and dates itself today; the day's fields start empty.
constexpr FieldRule kRules[] = {
    {"Numero", FieldRule::Keep},  {"Committente", FieldRule::Keep}, {"Impresa", FieldRule::Keep},
    {"Oggetto", FieldRule::Keep}, {"Direttore", FieldRule::Keep},   {"Responsabile", FieldRule::Keep},
    {"Data", FieldRule::Today},
};

} // namespace

TfrmGiornale::TfrmGiornale() : AreaScreen(kCaption, QSize(1016, 713), QColor(0xDC, 0xE6, 0xF0), Qt::white)
{
    QWidget *area = canvas();
    EditorKit kit(this, Layouts::journal());

    QWidget *toolbar = ScreenKit::shape(area, "panToolbar", QRect(0, 0, 1016, 72), QColor(0xF4, 0xF7, 0xFA));
    lblPosizione = ScreenKit::label(area, "lblPosizione", QString(), QRect(650, 20, 74, 32), 14, true);
    lblPosizione->setAlignment(Qt::AlignCenter);

    QWidget *bar = ScreenKit::shape(area, "panNome", QRect(0, 74, 1016, 28), QColor(0x30, 0x30, 0xDD));
    lblNome = ScreenKit::label(bar, "lblNome", QString(), QRect(10, 2, 996, 24), 12, true);
    QPalette yellow = lblNome->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    lblNome->setPalette(yellow);

    QWidget *header = ScreenKit::shape(area, "panTestata", QRect(0, 104, 1016, 108), QColor(0xE8, 0xF0, 0xFA));
    QWidget *body = ScreenKit::shape(area, "panCorpo", QRect(0, 214, 1016, 466), Qt::white);
    kit.fields<G>(this, kFields, {area});
    kit.tools<G>(this, kTools, area);
    for (PictureButton *arrow : {impLavoratori, impAttrezzature})
        arrow->setFont(ScreenKit::font(ScreenKit::kVerdana, 7, true));
    panInfo = ScreenKit::statusLine(area, QRect(0, 683, 1016, 30),
                                    QStringLiteral("Pronto per archiviare una nuova scheda..."));
    lblFile = ScreenKit::hiddenLabel(area, "lblFile");
    EnterOrder::install(this, kEnterOrder);
    kit.hints(panInfo, {this, area, toolbar, header, body});

    EditorRules rules;
    rules.layout = &Layouts::journal();
    rules.archivePath = [this] { return lblFile->text(); };
    rules.callerKey = "giornale";
    rules.saveFailure = MessageKind::Plain;
    rules.focusAfterNew = "txtMeteo";
    rules.focusAfterDuplicate = "txtMeteo";
    rules.mandatory = kMandatory;
    rules.fields = kRules;
    browse = kit.protocol(lblPosizione, std::move(rules));
}

void TfrmGiornale::FormShow()
{
    if (browse->showLast())
        txtMeteo->setFocus(Qt::OtherFocusReason);
    else
        browse->cmdNuovo();
}

void TfrmGiornale::cmdTrovaClick() { TfrmTrovaGiornale::open(this); }

void TfrmGiornale::cmdAnteprimaClick() { TfrmAnteprimaGiornale::open(this); }

void TfrmGiornale::cmdStampaClick() { TfrmStampaGiornale::open(this); }

void TfrmGiornale::cmdEsportaClick() { TfrmCreaRTF::open(this); }

void TfrmGiornale::cmdGuidaClick() { Help::show(this, JournalHelp::title(), JournalHelp::text()); }

void TfrmGiornale::cmdEsciClick() { close(); }

void TfrmGiornale::impDataClick() { txtData->setText(Formats::todayText()); }

// The chosen worker's job and name go to the end of the workers-and-machines field.
void TfrmGiornale::impLavoratoriClick()
{
    TfrmTrovaIstruttori::openForJournal(this, [this](const Record &worker) {
        const QString entry =
            PageEntries::workerEntry(worker.value(u"Codice"), worker.value(u"Cognome"), worker.value(u"Nome"));
        FieldAccess::setText(txtOperai, PageEntries::appended(FieldAccess::text(txtOperai), entry));
    });
}

void TfrmGiornale::impAttrezzatureClick()
{
    TfrmTrovaAttrezzature::openForJournal(this, [this](const Record &machine) {
        const QString entry = PageEntries::machineEntry(machine.value(u"Descrizione"));
        FieldAccess::setText(txtOperai, PageEntries::appended(FieldAccess::text(txtOperai), entry));
    });
}

void TfrmGiornale::FormClose() { switchTo(Screens::find(QStringLiteral("frmAvvio")), this); }
