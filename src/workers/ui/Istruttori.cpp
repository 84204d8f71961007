#include "workers/ui/Istruttori.h"

#include "archive/Archives.h"
#include "archive/RecordLayout.h"
#include "archive/ui/EditorKit.h"
#include "archive/ui/FieldAccess.h"
#include "checks/ui/Carta.h"
#include "checks/ui/CodFisc.h"
#include "checks/ui/Iban.h"
#include "checks/ui/PartitaIva.h"
#include "equipment/Amounts.h"
#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "foundation/ui/ShellOpen.h"
#include "workers/WorkerHelp.h"
#include "workers/WorkerRecord.h"
#include "workers/ui/AnteprimaIstruttore.h"
#include "workers/ui/DaRinnovare.h"
#include "workers/ui/ExpIstruttori.h"
#include "workers/ui/StampaIstruttore.h"
#include "workers/ui/TrovaIstruttori.h"

#include <QComboBox>
#include <QLineEdit>

#include <memory>
#include <vector>

TfrmIstruttori *frmIstruttori = nullptr;

namespace {

using Field = EditorField<TfrmIstruttori>;
using Tool = EditorTool<TfrmIstruttori>;
using I = TfrmIstruttori;
using K = KeyFilter;

// Field rows of the two sections: personal data, contacts, bank on the left; document, job,
// contract on the right.
constexpr int kL1 = 108, kL2 = 156, kL3 = 204, kL4 = 252, kL5 = 314, kL6 = 362, kL7 = 410, kL8 = 472, kL9 = 520,
              kL10 = 568, kL11 = 616;
constexpr int kR1 = 108, kR2 = 156, kR3 = 204, kR4 = 266, kR5 = 314, kR6 = 376, kR7 = 424, kR8 = 472, kR9 = 520;
constexpr int kRight = 678, kRight2 = 846;

constexpr K::Kinds kUpper{K::UpperCase};
constexpr Qt::Alignment kCentre = Qt::AlignCenter;
constexpr Qt::Alignment kRightAligned = Qt::AlignRight | Qt::AlignVCenter;

// The 45 fields in Enter and tab order; the order of the record's fields.
const Field kFields[] = {
    {&I::txtCognome, "Cognome", "Cognome:", {10, kL1, 180, 26}},
    {&I::txtNome, "Nome", "Nome:", {200, kL1, 160, 26}},
    {&I::txtCodFisc, "CodFisc", "Codice fiscale:", {370, kL1, 206, 26}, 0, kUpper},
    {&I::txtSesso, "Sesso", "Sesso:", {612, kL1, 44, 26}, 0, kUpper, kCentre},
    {&I::txtDataNasc, "DataNasc", "Data di nascita:", {10, kL2, 130, 26}, 0, K::Free, kCentre},
    {&I::txtComuneNasc, "ComuneNasc", "Comune di nascita:", {150, kL2, 210, 26}},
    {&I::txtProvNasc, "ProvNasc", "Prov.", {370, kL2, 70, 26}, 0, kUpper},
    {&I::txtIva, "Iva", "Partita IVA:", {450, kL2, 170, 26}, 0, K::Digits},
    {&I::txtIndirizzo, "Indirizzo", "Via e numero civico:", {10, kL3, 260, 26}},
    {&I::txtCap, "Cap", "CAP:", {280, kL3, 74, 26}},
    {&I::txtComuneRes, "ComuneRes", "Comune di residenza:", {364, kL3, 212, 26}},
    {&I::txtProvRes, "ProvRes", "Prov.", {586, kL3, 70, 26}, 0, kUpper},
    {&I::txtStato, "Stato", "Stato civile:", {10, kL4, 180, 26}},
    {&I::txtFamiliari, "Familiari", "Giorni e orari disponibilità:", {200, kL4, 456, 26}},
    {&I::txtRecapito, "Recapito", "Recapito preferenziale:", {10, kL5, 200, 26}},
    {&I::txtTelCasa, "TelCasa", "Tel. casa:", {220, kL5, 140, 26}},
    {&I::txtTelCel, "TelCel", "Tel. cellulare:", {370, kL5, 140, 26}},
    {&I::txtTelUff, "TelUff", "Tel. ufficio:", {520, kL5, 136, 26}},
    {&I::txtFax, "Fax", "Fax:", {10, kL6, 140, 26}},
    {&I::txtEmail, "Email", "E-mail:", {160, kL6, 250, 26}, 0, K::Trimmed},
    {&I::txtQualifiche, "Qualifiche", "Qualifica principale:", {450, kL6, 206, 26}},
    {&I::txtProfessione, "Professione", "Altri titoli:", {10, kL7, 646, 26}},
    {&I::txtIban, "Iban", "IBAN:", {10, kL8, 330, 26}, 0, kUpper},
    {&I::txtIntestatario, "Intestatario", "Intestatario C/C:", {380, kL8, 276, 26}},
    {&I::txtBanca, "Banca", "Banca:", {10, kL9, 220, 26}},
    {&I::txtCarta, "Carta", "Carta di credito n.", {240, kL9, 230, 26}, 0, K::Digits},
    {&I::txtScadeCarta, "ScadeCarta", "Scadenza:", {510, kL9, 146, 26}, 0, K::Free, kCentre},
    {&I::txtProdotti, "Prodotti", "Equipaggiamento assegnato:", {10, kL10, 646, 26}},
    {&I::txtPagamento, "Pagamento", "Modalità di pagamento:", {10, kL11, 318, 26}},
    {&I::txtNote, "Note", "Note:", {338, kL11, 318, 26}},
    {&I::txtTipoDoc, "TipoDoc", "Tipo di documento:", {kRight, kR1, 328, 26}},
    {&I::txtNumDoc, "NumDoc", "Numero:", {kRight, kR2, 158, 26}},
    {&I::txtEnteRil, "EnteRil", "Ente di rilascio:", {kRight2, kR2, 160, 26}},
    {&I::txtDataRil, "DataRil", "Data di rilascio:", {kRight, kR3, 158, 26}, 0, K::Free, kCentre},
    {&I::txtDataSca, "DataSca", "Data di scadenza:", {kRight2, kR3, 160, 26}, 0, K::Free, kCentre},
    {&I::txtCodice, "Codice", "Mansione:", {kRight, kR4, 328, 26}},
    {&I::txtCategoria, "Categoria", "Categoria:", {kRight, kR5, 158, 26}},
    {&I::txtZona, "Zona", "Livello:", {kRight2, kR5, 160, 26}},
    {&I::txtAcquisto, "Acquisto", "Tipo contratto:", {kRight, kR6, 328, 26}},
    {&I::txtDecorrenza, "Decorrenza", "Data assunzione:", {kRight, kR7, 158, 26}, 0, K::Free, kCentre},
    {&I::txtScadenza, "Scadenza", "Prossima scadenza:", {kRight2, kR7, 160, 26}, 0, K::Free, kCentre},
    {&I::txtPreavviso, "Preavviso", "Giorni di preavviso:", {kRight, kR8, 158, 26}, 0, K::Digits, kCentre},
    {&I::txtTotale, "Totale", "Compenso totale: €", {kRight2, kR8, 160, 26}, 0, K::Amount, kRightAligned},
    {&I::txtFrazionamento, "Frazionamento", "Frazionamento:", {kRight, kR9, 158, 26}},
    {&I::txtRata,
     "Rata",
     "Importo rata: €",
     {kRight2, kR9, 160, 26},
     0,
     K::Amount,
     kRightAligned,
     nullptr,
     nullptr,
     15},
};

// The toolbar in its groups, then the small buttons beside their fields.
const Tool kTools[] = {
    {&I::cmdNuovo,
     "cmdNuovo",
     "nuovo",
     "Nuovo",
     {6, 4, 62, 64},
     "Prepara la schermata per la registrazione di una nuova scheda."},
    {&I::cmdSalva, "cmdSalva", "salva", "Salva", {70, 4, 62, 64}, "Salva la scheda corrente in archivio."},
    {&I::cmdTrova, "cmdTrova", "trova", "Trova", {134, 4, 62, 64}, "Trova una scheda in archivio.", &I::cmdTrovaClick},
    {&I::cmdFile, "cmdFile", "allega", "Allega file", {206, 4, 76, 64}, "Allega file alla scheda corrente."},
    {&I::cmdAnteprima,
     "cmdAnteprima",
     "anteprima",
     "Anteprima",
     {292, 4, 88, 64},
     "Visualizza l'anteprima di stampa della scheda corrente.",
     &I::cmdAnteprimaClick},
    {&I::cmdStampa,
     "cmdStampa",
     "stampa",
     "Stampa",
     {382, 4, 70, 64},
     "Stampa la scheda corrente.",
     &I::cmdStampaClick},
    {&I::cmdPrimo, "cmdPrimo", "primo", "", {464, 4, 50, 64}, "Visualizza la prima scheda in archivio."},
    {&I::cmdIndietro, "cmdIndietro", "indietro", "", {516, 4, 50, 64}, "Visualizza la scheda precedente in archivio."},
    {&I::cmdAvanti, "cmdAvanti", "avanti", "", {646, 4, 50, 64}, "Visualizza la scheda successiva in archivio."},
    {&I::cmdUltimo, "cmdUltimo", "ultimo", "", {698, 4, 50, 64}, "Visualizza l'ultima scheda in archivio."},
    {&I::cmdEsporta,
     "cmdEsporta",
     "excel",
     "Esporta",
     {762, 4, 66, 64},
     "Esporta le schede in archivio in un file di Microsoft Excel.",
     &I::cmdEsportaClick},
    {&I::cmdScaduti,
     "cmdScaduti",
     "avviso",
     "Scadenze",
     {830, 4, 70, 64},
     "Visualizza il riepilogo dei contratti in scadenza o scaduti.",
     &I::cmdScadutiClick},
    {&I::cmdGuida, "cmdGuida", "guida", "", {910, 4, 50, 64}, "Visualizza la guida in linea.", &I::cmdGuidaClick},
    {&I::cmdEsci, "cmdEsci", "esci", "", {962, 4, 50, 64}, "Esci da questa schermata di lavoro.", &I::cmdEsciClick},
    {&I::btnCodFisc,
     "btnCodFisc",
     "tesserino",
     "",
     {578, kL1 - 1, 28, 28},
     "Controlla il codice fiscale.",
     &I::btnCodFiscClick},
    {&I::btnIva,
     "btnIva",
     "controllo",
     "",
     {624, kL2 - 1, 28, 28},
     "Controlla il numero di partita IVA.",
     &I::btnIvaClick},
    {&I::btnEmail,
     "btnEmail",
     "email",
     "",
     {414, kL6 - 1, 28, 28},
     "Invia una e-mail all'indirizzo indicato.",
     &I::btnEmailClick},
    {&I::btnIban, "btnIban", "banca", "", {344, kL8 - 1, 28, 28}, "Controlla l'IBAN.", &I::btnIbanClick},
    {&I::btnCarta,
     "btnCarta",
     "carte",
     "",
     {474, kL9 - 1, 28, 28},
     "Controlla il numero di carta di credito.",
     &I::btnCartaClick},
};

// Leaving the notice days empty puts the default back.
QString noticeOnLeave(const QString &text) { return Text::trimBlanks(text).isEmpty() ? QStringLiteral("0") : text; }

// A new worker's contract starts and ends today, with no notice and no amounts.
constexpr FieldRule kRules[] = {
    {"Decorrenza", FieldRule::Today},
    {"Scadenza", FieldRule::Today},
    {"Preavviso", FieldRule::Fixed, "0", &noticeOnLeave},
    {"Totale", FieldRule::Fixed, "0,00", &Amounts::normalise},
    {"Rata", FieldRule::Fixed, "0,00", &Amounts::normalise},
};

// The two-letter codes the province lists offer; the field takes any two characters.
constexpr const char *kProvinces[] = {
    "AG", "AL", "AN", "AO", "AP", "AQ", "AR", "AT", "AV", "BA", "BG", "BI", "BL", "BN", "BO", "BR", "BS", "BT", "BZ",
    "CA", "CB", "CE", "CH", "CI", "CL", "CN", "CO", "CR", "CS", "CT", "CZ", "EE", "EN", "FC", "FE", "FG", "FI", "FM",
    "FO", "FR", "GE", "GO", "GR", "IM", "IS", "KR", "LC", "LE", "LI", "LO", "LT", "LU", "MB", "MC", "MD", "ME", "MI",
    "MN", "MO", "MS", "MT", "NA", "NO", "NU", "OG", "OR", "OT", "PA", "PC", "PD", "PE", "PG", "PI", "PN", "PO", "PR",
    "PT", "PU", "PV", "PZ", "RA", "RC", "RE", "RG", "RI", "RM", "RN", "RO", "SA", "SI", "SO", "SP", "SR", "SS", "SV",
    "TA", "TE", "TN", "TO", "TP", "TR", "TS", "TV", "UD", "VA", "VB", "VC", "VE", "VI", "VR", "VT", "VV",
};

QStringList provinces()
{
    QStringList codes;
    for (const char *code : kProvinces)
        codes << QLatin1String(code);
    return codes;
}

// Enter moves along the fields in table order, and from the last back to the first.
void installEnterOrder(QWidget *screen)
{
    std::vector<QByteArray> names;
    for (const Field &f : kFields)
        names.push_back(QByteArray("txt") + f.field);
    std::vector<EnterStep> steps;
    for (std::size_t i = 0; i < names.size(); ++i)
        steps.push_back({names[i].constData(), names[(i + 1) % names.size()].constData()});
    EnterOrder::install(screen, steps);
}

// A check screen of the worker editor opened on `text`, modally; nothing comes back.
template <class Check>
void openCheck(QWidget *owner, const QString &text)
{
    std::unique_ptr<Check> screen(new Check(owner));
    screen->setEntry(text);
    Ui::execModal(screen.get());
}

QString trimmed(const QLineEdit *field) { return Text::trimBlanks(FieldAccess::text(field)); }

} // namespace

TfrmIstruttori::TfrmIstruttori() : AreaScreen(kCaption, QSize(1016, 713), QColor(0xDC, 0xE6, 0xF0), Qt::white)
{
    QWidget *area = canvas();
    EditorKit kit(this, Layouts::workers());

    QWidget *toolbar = ScreenKit::shape(area, "panPulsanti", QRect(0, 0, 1016, 72), Qt::white);
    lblPosizione = ScreenKit::label(area, "lblPosizione", QString(), QRect(568, 20, 76, 32), 14, true);
    lblPosizione->setAlignment(Qt::AlignCenter);

    // Each shape goes under the ones placed before it: separators, then sections, then the panel.
    const QColor section(0xE8, 0xF0, 0xFA), rule(0x5D, 0x85, 0xA6);
    QList<QWidget *> backgrounds{this, area, toolbar};
    const std::pair<const char *, QRect> separators[] = {
        {"shpSeparatore01", QRect(10, kL5 - 30, 646, 2)},
        {"shpSeparatore02", QRect(10, kL8 - 30, 646, 2)},
        {"shpSeparatore03", QRect(kRight, kR4 - 30, 328, 2)},
        {"shpSeparatore04", QRect(kRight, kR6 - 30, 328, 2)},
    };
    for (const auto &[name, geometry] : separators)
        backgrounds << ScreenKit::shape(area, name, geometry, rule);
    backgrounds << ScreenKit::shape(area, "shpSezione01", QRect(2, 78, 662, 599), section)
                << ScreenKit::shape(area, "shpSezione02", QRect(668, 78, 346, 599), section)
                << ScreenKit::shape(area, "panScheda", QRect(0, 74, 1016, 607), Qt::white);

    kit.fields<I>(this, kFields, {area});
    kit.tools<I>(this, kTools, area);
    for (QComboBox *province : {txtProvNasc, txtProvRes}) {
        province->addItems(provinces());
        province->setCurrentIndex(-1);
    }
    panInfo =
        ScreenKit::statusLine(area, QRect(0, 683, 1016, 30), QStringLiteral("Pronto per salvare una nuova scheda..."));
    installEnterOrder(this);
    kit.hints(panInfo, backgrounds);

    EditorRules rules;
    rules.layout = &Layouts::workers();
    rules.archivePath = [] { return Archives::workersPath(); };
    rules.callerKey = "istruttori";
    rules.focusAfterNew = "txtCognome";
    rules.fields = kRules;
    rules.validate = [this] {
        const std::optional<WorkerRecord::SaveFailure> failure = WorkerRecord::checkSave(browse->current());
        if (!failure)
            return true;
        Ui::message(this,
                    failure->kind == WorkerRecord::SaveFailure::Warning ? MessageKind::Warning : MessageKind::Plain,
                    failure->message);
        if (failure->focus)
            if (auto *control = findChild<QWidget *>(QLatin1String(failure->focus)))
                control->setFocus(Qt::OtherFocusReason);
        return false;
    };
    browse = kit.protocol(lblPosizione, std::move(rules));
}

// The editor always opens on a new record.
void TfrmIstruttori::FormShow() { browse->cmdNuovo(); }

void TfrmIstruttori::FormClose() { switchTo(Screens::find(QStringLiteral("frmAvvio")), this); }

void TfrmIstruttori::cmdTrovaClick() { TfrmTrovaIstruttori::openForEditor(this, browse); }

void TfrmIstruttori::cmdAnteprimaClick() { TfrmAnteprimaIstruttore::open(this); }

void TfrmIstruttori::cmdStampaClick() { TfrmStampaIstruttore::open(this); }

void TfrmIstruttori::cmdEsportaClick() { TfrmExpIstruttori::open(this); }

void TfrmIstruttori::cmdScadutiClick() { TfrmDaRinnovare::open(this, browse); }

void TfrmIstruttori::cmdGuidaClick()
{
    Help::show(this, QString::fromUtf8(WorkerHelp::kEditorTitle), WorkerHelp::editorText());
}

void TfrmIstruttori::cmdEsciClick() { close(); }

// A fiscal code of digits only is a VAT number.
void TfrmIstruttori::btnCodFiscClick()
{
    const QString code = trimmed(txtCodFisc);
    const bool digitsOnly =
        !code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (digitsOnly)
        openCheck<TfrmPartitaIva>(this, code);
    else
        openCheck<TfrmCodFisc>(this, code);
}

void TfrmIstruttori::btnIvaClick() { openCheck<TfrmPartitaIva>(this, trimmed(txtIva)); }

void TfrmIstruttori::btnIbanClick() { openCheck<TfrmIban>(this, trimmed(txtIban)); }

void TfrmIstruttori::btnCartaClick() { openCheck<TfrmCarta>(this, trimmed(txtCarta)); }

void TfrmIstruttori::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + trimmed(txtEmail) + QLatin1Char('"'));
}
