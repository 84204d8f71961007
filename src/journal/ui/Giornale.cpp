#include "journal/ui/Giornale.h"

#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "archive/RecordLayout.h"
#include "foundation/Text.h"
#include "archive/ui/AllegaCartella.h"
#include "archive/ui/BrowseEdit.h"
#include "journal/HelpText.h"
#include "journal/ui/AnteprimaGiornale.h"
#include "journal/ui/CreaRTF.h"
#include "journal/ui/StampaGiornale.h"
#include "journal/ui/TrovaGiornale.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>

TfrmGiornale *frmGiornale = nullptr;

namespace {

// The fields of a page on screen, each under its caption; maximum lengths are the record's
// capacities (the multi-line fields are cut on saving only).
struct FieldPlace {
    QLineEdit *TfrmGiornale::*line;
    QPlainTextEdit *TfrmGiornale::*memo;
    const char *name;
    const char *caption;
    QRect geometry;
    int maxLength;
};

constexpr int kRow1 = 126, kRow2 = 178, kBody = 232;

const FieldPlace kFields[] = {
    {&TfrmGiornale::txtNumero, nullptr, "txtNumero", "Cantilog n.", {10, kRow1, 150, 26}, 50},
    {&TfrmGiornale::txtData, nullptr, "txtData", "Data:", {172, kRow1, 116, 26}, 10},
    {&TfrmGiornale::txtCommittente, nullptr, "txtCommittente", "Committente:", {332, kRow1, 330, 26}, 250},
    {&TfrmGiornale::txtImpresa, nullptr, "txtImpresa", "Impresa affidataria / esecutrice:", {674, kRow1, 332, 26}, 250},
    {&TfrmGiornale::txtOggetto, nullptr, "txtOggetto", "Oggetto dei Lavori:", {10, kRow2, 400, 26}, 250},
    {&TfrmGiornale::txtMeteo, nullptr, "txtMeteo", "Meteo:", {422, kRow2, 190, 26}, 250},
    {&TfrmGiornale::txtNatura, nullptr, "txtNatura", "Natura dei terreni:", {624, kRow2, 190, 26}, 250},
    {&TfrmGiornale::txtTotale, nullptr, "txtTotale", "Numero operai impiegati:", {826, kRow2, 180, 26}, 250},
    {nullptr, &TfrmGiornale::txtAnnotazioni, "txtAnnotazioni", "ANNOTAZIONI SPECIALI E GENERALI:",
     {10, kBody + 18, 930, 118}, 0},
    {nullptr, &TfrmGiornale::txtOperai, "txtOperai", "OPERAI E MEZZI D'OPERA:", {10, kBody + 166, 930, 110}, 0},
    {nullptr, &TfrmGiornale::txtOsservazioni, "txtOsservazioni", "OSSERVAZIONI E ISTRUZIONI:",
     {10, kBody + 306, 640, 126}, 0},
    {&TfrmGiornale::txtDirettore, nullptr, "txtDirettore", "Direttore dei Lavori:", {664, kBody + 306, 342, 26}, 50},
    {&TfrmGiornale::txtResponsabile, nullptr, "txtResponsabile", "Responsabile del Procedimento:",
     {664, kBody + 362, 342, 26}, 50},
};

// The toolbar, left to right.
struct ToolPlace {
    PictureButton *TfrmGiornale::*button;
    const char *name;
    const char *icon;
    const char *caption;
    int left;
    int width;
    void (TfrmGiornale::*click)();
};

const ToolPlace kTools[] = {
    {&TfrmGiornale::cmdNuovo, "cmdNuovo", "nuovo", "Nuovo", 6, 62, &TfrmGiornale::cmdNuovoClick},
    {&TfrmGiornale::cmdDuplica, "cmdDuplica", "duplica", "Duplica", 70, 62, &TfrmGiornale::cmdDuplicaClick},
    {&TfrmGiornale::cmdSalva, "cmdSalva", "salva", "Salva", 134, 62, &TfrmGiornale::cmdSalvaClick},
    {&TfrmGiornale::cmdTrova, "cmdTrova", "trova", "Trova", 198, 62, &TfrmGiornale::cmdTrovaClick},
    {&TfrmGiornale::cmdFile, "cmdFile", "allega", "Allega file", 262, 72, &TfrmGiornale::cmdFileClick},
    {&TfrmGiornale::cmdAnteprima, "cmdAnteprima", "anteprima", "Anteprima", 346, 90, &TfrmGiornale::cmdAnteprimaClick},
    {&TfrmGiornale::cmdStampa, "cmdStampa", "stampa", "Stampa", 438, 90, &TfrmGiornale::cmdStampaClick},
    {&TfrmGiornale::cmdPrimo, "cmdPrimo", "primo", "", 546, 50, &TfrmGiornale::cmdPrimoClick},
    {&TfrmGiornale::cmdIndietro, "cmdIndietro", "indietro", "", 598, 50, &TfrmGiornale::cmdIndietroClick},
    {&TfrmGiornale::cmdAvanti, "cmdAvanti", "avanti", "", 726, 50, &TfrmGiornale::cmdAvantiClick},
    {&TfrmGiornale::cmdUltimo, "cmdUltimo", "ultimo", "", 778, 50, &TfrmGiornale::cmdUltimoClick},
    {&TfrmGiornale::cmdEsporta, "cmdEsporta", "esporta", "Esporta", 840, 62, &TfrmGiornale::cmdEsportaClick},
    {&TfrmGiornale::cmdGuida, "cmdGuida", "guida", "", 910, 50, &TfrmGiornale::cmdGuidaClick},
    {&TfrmGiornale::cmdEsci, "cmdEsci", "esci", "", 962, 50, &TfrmGiornale::cmdEsciClick},
};

const QStringList kTabOrder = {"txtNumero", "txtData", "txtCommittente", "txtImpresa", "txtOggetto",
                               "txtMeteo", "txtNatura", "txtTotale", "txtAnnotazioni", "txtOperai",
                               "txtOsservazioni", "txtDirettore", "txtResponsabile"};

constexpr EnterStep kEnterOrder[] = {
    {"txtNumero", "txtData"},
    {"txtCommittente", "txtImpresa"}, {"txtImpresa", "txtOggetto"}, {"txtOggetto", "txtMeteo"},
    {"txtMeteo", "txtNatura"}, {"txtNatura", "txtTotale"}, {"txtTotale", "txtAnnotazioni"},
    {"txtDirettore", "txtResponsabile"}, {"txtResponsabile", "txtNumero"},
};

constexpr Hint kHints[] = {
    {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdFile", "Allega file alla scheda corrente."},
    {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", "Esporta e stampa la scheda corrente."},
    {"cmdGuida", "Visualizza la guida in linea."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
    {"impData", "Inserisci la data corrente."},
    {"impLavoratori", "Importa i dati dall'archivio anagrafico dei lavoratori."},
    {"impAttrezzature", "Importa i dati dall'inventario delle attrezzature."},
    {"txtData", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
};

constexpr MandatoryField kMandatory[] = {
    {"txtNumero", "Attenzione: per salvare la scheda è necessario indicare il numero del Cantilog."},
    {"txtData", "Attenzione: per salvare la scheda è necessario indicare la data."},
    {"txtCommittente", "Attenzione: per salvare la scheda è necessario indicare il Committente."},
    {"txtImpresa", "Attenzione: per salvare la scheda è necessario indicare l'Impresa affidataria o esecutrice."},
    {"txtOggetto", "Attenzione: per salvare la scheda è necessario indicare l'oggetto dei lavori."},
    {"txtDirettore", "Attenzione: per salvare la scheda è necessario indicare il Direttore dei Lavori."},
};

const char *const kSlots[] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};

} // namespace

TfrmGiornale::TfrmGiornale() : AreaScreen(kCaption, QSize(1016, 713), QColor(0xDC, 0xE6, 0xF0), Qt::white)
{
    Formats::apply();
    QWidget *area = canvas();

    QWidget *toolbar = ScreenKit::shape(area, "panToolbar", QRect(0, 0, 1016, 72), QColor(0xF4, 0xF7, 0xFA));
    for (const ToolPlace &tool : kTools) {
        PictureButton *b = ScreenKit::picture(area, tool.name, QLatin1String(tool.icon), QString::fromUtf8(tool.caption),
                                              QRect(tool.left, 4, tool.width, 64));
        this->*tool.button = b;
        connect(b, &QToolButton::clicked, this, tool.click);
    }
    lblPosizione = ScreenKit::label(area, "lblPosizione", QString(), QRect(650, 20, 74, 32), 14, true);
    lblPosizione->setAlignment(Qt::AlignCenter);

    QWidget *bar = ScreenKit::shape(area, "panNome", QRect(0, 74, 1016, 28), QColor(0x30, 0x30, 0xDD));
    lblNome = ScreenKit::label(bar, "lblNome", QString(), QRect(10, 2, 996, 24), 12, true);
    QPalette yellow = lblNome->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    lblNome->setPalette(yellow);

    QWidget *header = ScreenKit::shape(area, "panTestata", QRect(0, 104, 1016, 108), QColor(0xE8, 0xF0, 0xFA));
    QWidget *body = ScreenKit::shape(area, "panCorpo", QRect(0, 214, 1016, 466), Qt::white);
    int caption = 0;
    for (const FieldPlace &f : kFields) {
        const QRect g = f.geometry;
        const QByteArray captionName = QStringLiteral("lblCampo%1").arg(++caption, 2, 10, QLatin1Char('0')).toLatin1();
        ScreenKit::label(area, captionName.constData(), QString::fromUtf8(f.caption),
                         QRect(g.left(), g.top() - 19, g.width(), 17), 9, true);
        if (f.line) {
            QLineEdit *e = ScreenKit::lineEdit(area, f.name, g, 0, 12, true);
            this->*f.line = e;
        } else {
            this->*f.memo = ScreenKit::memo(area, f.name, g, 12, true);
        }
    }
    txtData->setAlignment(Qt::AlignCenter);
    DateField::install(txtData, QStringLiteral("datagio"));
    impData = ScreenKit::picture(area, "impData", QStringLiteral("data"), QString(), QRect(292, kRow1 - 2, 30, 30));
    impLavoratori = ScreenKit::picture(area, "impLavoratori", QStringLiteral("importa"), QStringLiteral("Lavoratori"),
                                       QRect(946, kBody + 166, 66, 54));
    impAttrezzature = ScreenKit::picture(area, "impAttrezzature", QStringLiteral("importa"),
                                         QStringLiteral("Attrezzature"), QRect(946, kBody + 222, 66, 54));
    for (PictureButton *arrow : {impLavoratori, impAttrezzature})
        arrow->setFont(ScreenKit::font(ScreenKit::kVerdana, 7, true));
    connect(impData, &QToolButton::clicked, this, &TfrmGiornale::impDataClick);
    connect(impLavoratori, &QToolButton::clicked, this, &TfrmGiornale::impLavoratoriClick);
    connect(impAttrezzature, &QToolButton::clicked, this, &TfrmGiornale::impAttrezzatureClick);

    panInfo = ScreenKit::statusLine(area, QRect(0, 683, 1016, 30), QStringLiteral("Pronto per archiviare una nuova scheda..."));

    lblFile = ScreenKit::hiddenLabel(area, "lblFile");
    QLabel **slotLabels[] = {&lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03};
    for (int i = 0; i < 6; ++i)
        *slotLabels[i] = ScreenKit::hiddenLabel(area, kSlots[i]);

    QList<ScreenKit::MaxLength> lengths;
    QStringList frames;
    for (const FieldPlace &f : kFields) {
        if (f.maxLength > 0)
            lengths.append({f.name, f.maxLength});
        frames << QString::fromLatin1(f.name + 3);
    }
    ScreenKit::applyMaxLengths(this, lengths);
    FocusFrames::install(this, frames);
    ScreenKit::setTabOrder(this, kTabOrder);
    EnterOrder::install(this, kEnterOrder);
    StatusHints::install(this, panInfo, kHints, {this, area, toolbar, header, body});

    EditorRules rules;
    rules.layout = &Layouts::journal();
    rules.archivePath = [this] { return lblFile->text(); };
    rules.saveFailure = MessageKind::Plain;
    rules.focusAfterNew = "txtMeteo";
    rules.focusAfterDuplicate = "txtMeteo";
    rules.mandatory = kMandatory;
    rules.clearForNew = [this] {
        txtData->setText(Formats::todayText());
        for (QLineEdit *e : {txtMeteo, txtNatura, txtTotale})
            e->clear();
        for (QPlainTextEdit *m : {txtAnnotazioni, txtOperai, txtOsservazioni})
            m->clear();
    };
    browse = new BrowseEdit(this, lblPosizione, std::move(rules));
}

void TfrmGiornale::FormShow()
{
    if (browse->showLast())
        txtMeteo->setFocus(Qt::OtherFocusReason);
    else
        cmdNuovoClick();
}

void TfrmGiornale::cmdNuovoClick() { browse->cmdNuovo(); }
void TfrmGiornale::cmdDuplicaClick() { browse->cmdDuplica(); }
void TfrmGiornale::cmdSalvaClick() { browse->cmdSalva(); }
void TfrmGiornale::cmdPrimoClick() { browse->cmdPrimo(); }
void TfrmGiornale::cmdIndietroClick() { browse->cmdIndietro(); }
void TfrmGiornale::cmdAvantiClick() { browse->cmdAvanti(); }
void TfrmGiornale::cmdUltimoClick() { browse->cmdUltimo(); }

void TfrmGiornale::cmdTrovaClick() { TfrmTrovaGiornale::open(this); }

void TfrmGiornale::cmdFileClick()
{
    std::unique_ptr<TfrmAllegaCartella> attachments(new TfrmAllegaCartella(this));
    attachments->setModeWord(QStringLiteral("giornale"));
    attachments->loadSlots(this);
    Ui::execModal(attachments.get());
}

void TfrmGiornale::cmdAnteprimaClick() { TfrmAnteprimaGiornale::open(this); }

void TfrmGiornale::cmdStampaClick() { TfrmStampaGiornale::open(this); }

void TfrmGiornale::cmdEsportaClick() { TfrmCreaRTF::open(this); }

void TfrmGiornale::cmdGuidaClick() { Help::show(this, JournalHelp::title(), JournalHelp::text()); }

void TfrmGiornale::cmdEsciClick() { close(); }

void TfrmGiornale::impDataClick() { txtData->setText(Formats::todayText()); }

void TfrmGiornale::impLavoratoriClick()
{
    // Opens the worker search screen in mode "giornale" once it is part of the program.
}

void TfrmGiornale::impAttrezzatureClick()
{
    // Opens the equipment search screen in mode "giornale" once it is part of the program.
}

void TfrmGiornale::FormClose() { switchTo(Screens::find(QStringLiteral("frmAvvio")), this); }
