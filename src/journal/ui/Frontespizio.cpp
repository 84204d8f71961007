#include "journal/ui/Frontespizio.h"

#include "archive/ui/FieldAccess.h"
#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "journal/JournalLayouts.h"
#include "journal/TitlePage.h"
#include "report/Pictures.h"
#include "report/ui/ReportOutput.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>

TfrmFrontespizio *frmFrontespizio = nullptr;

namespace {

// The fields in the settings file's key order, each under its caption.
struct Place {
    QLineEdit *TfrmFrontespizio::*field;
    const char *name;
    const char *label;
    const char *caption;
    QRect geometry;
};

constexpr int kLeft = 20, kRight = 336, kFull = 606, kHalf = 290, kHeight = 30;

const Place kPlaces[] = {
    {&TfrmFrontespizio::txtComune, "txtComune", "lblCampo001", "Comune:", QRect(kLeft, 36, kHalf, kHeight)},
    {&TfrmFrontespizio::txtProvincia, "txtProvincia", "lblCampo002", "Provincia:", QRect(kRight, 36, kHalf, kHeight)},
    {&TfrmFrontespizio::txtNumero, "txtNumero", nullptr, nullptr, QRect(220, 150, 300, 62)},
    {&TfrmFrontespizio::txtCommittente, "txtCommittente", "lblCampo003",
     "Committente:", QRect(kLeft, 250, kFull, kHeight)},
    {&TfrmFrontespizio::txtImpresa, "txtImpresa", "lblCampo004",
     "Impresa affidataria / esecutrice:", QRect(kLeft, 310, kFull, kHeight)},
    {&TfrmFrontespizio::txtOggetto, "txtOggetto", "lblCampo005",
     "Oggetto dei Lavori:", QRect(kLeft, 370, kFull, kHeight)},
    {&TfrmFrontespizio::txtEstremi, "txtEstremi", "lblCampo006",
     "Estremi del Contratto:", QRect(kLeft, 430, kFull, kHeight)},
    {&TfrmFrontespizio::txtDirettore, "txtDirettore", "lblCampo007",
     "Il Direttore dei Lavori:", QRect(kLeft, 500, kHalf, kHeight)},
    {&TfrmFrontespizio::txtResponsabile, "txtResponsabile", "lblCampo008",
     "Il Responsabile del Procedimento:", QRect(kRight, 500, kHalf, kHeight)},
};

const EnterStep kEnterOrder[] = {
    {"txtComune", "txtProvincia"},    {"txtProvincia", "txtNumero"},       {"txtNumero", "txtCommittente"},
    {"txtCommittente", "txtImpresa"}, {"txtImpresa", "txtOggetto"},        {"txtOggetto", "txtEstremi"},
    {"txtEstremi", "txtDirettore"},   {"txtDirettore", "txtResponsabile"}, {"txtResponsabile", "txtComune"},
};

QLabel *picture(QWidget *parent, const char *name, const char *stored, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignCenter);
    l->setPixmap(QPixmap::fromImage(
        Pictures::image(stored).scaled(geometry.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return l;
}

} // namespace

TfrmFrontespizio::TfrmFrontespizio(QWidget *owner)
    : SecondaryScreen(owner, kCaption, QSize(646, 632)), repScheda(JournalLayouts::titlePage())
{
    QWidget *c = canvas();
    icoTitolo = picture(c, "icoTitolo", "titolo", QRect(123, 86, 400, 40));
    icoNumero = picture(c, "icoNumero", "numero", QRect(150, 156, 60, 50));
    QStringList names;
    for (const Place &p : kPlaces) {
        const bool number = p.field == &TfrmFrontespizio::txtNumero;
        QLineEdit *e = ScreenKit::lineEdit(c, p.name, p.geometry, 0, number ? 36 : 12, true);
        this->*p.field = e;
        names << QLatin1String(p.name);
        if (p.label)
            ScreenKit::label(c, p.label, QString::fromUtf8(p.caption),
                             QRect(p.geometry.left(), p.geometry.top() - 22, p.geometry.width(), 20), 10, true);
    }
    txtNumero->setAlignment(Qt::AlignCenter);
    for (const TitlePage::Field &f : TitlePage::fields())
        if (auto *e = c->findChild<QLineEdit *>(QLatin1String(f.control)))
            e->setMaxLength(f.maxLength);

    btnAnteprima = ScreenKit::button(c, "btnAnteprima", QStringLiteral("Anteprima"), QRect(216, 572, 130, 38));
    btnStampa = ScreenKit::button(c, "btnStampa", QStringLiteral("Stampa"), QRect(356, 572, 130, 38));
    btnChiudi = ScreenKit::button(c, "btnChiudi", QStringLiteral("Chiudi"), QRect(496, 572, 130, 38));
    connect(btnAnteprima, &QPushButton::clicked, this, &TfrmFrontespizio::btnAnteprimaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmFrontespizio::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmFrontespizio::btnChiudiClick);

    FocusBackgrounds::install(this, names);
    EnterOrder::install(this, kEnterOrder);
    ScreenKit::setTabOrder(this, names + QStringList{"btnAnteprima", "btnStampa", "btnChiudi"});
}

QStringList TfrmFrontespizio::values() const
{
    QStringList v;
    for (const Place &p : kPlaces)
        v << FieldAccess::text(this->*p.field);
    return v;
}

void TfrmFrontespizio::FormShow()
{
    const QStringList stored = TitlePage::load();
    for (qsizetype i = 0; i < qsizetype(std::size(kPlaces)); ++i) {
        QLineEdit *field = this->*kPlaces[i].field;
        field->setText(stored.value(i));
        // A value wider than its field reads from its first letter.
        field->setCursorPosition(0);
    }
    txtComune->setFocus(Qt::OtherFocusReason);
}

void TfrmFrontespizio::FormClose()
{
    if (!TitlePage::save(values()))
        Ui::error(this, saveFailureMessage());
}

QString TfrmFrontespizio::saveFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di salvare i dati del frontespizio.\r\n\r\n"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                          "del programma.");
}

void TfrmFrontespizio::prepareSheet()
{
    TitlePage::fill(repScheda, values());
    repScheda.prepare(Formats::todayText());
}

void TfrmFrontespizio::btnAnteprimaClick()
{
    prepareSheet();
    ReportOutput::preview(this, repScheda.prepared());
}

void TfrmFrontespizio::btnStampaClick()
{
    prepareSheet();
    ReportOutput::print(this, repScheda.prepared());
}

void TfrmFrontespizio::open(QWidget *owner)
{
    std::unique_ptr<TfrmFrontespizio> screen(new TfrmFrontespizio(owner));
    Ui::execModal(screen.get());
}
