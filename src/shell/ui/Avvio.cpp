#include "shell/ui/Avvio.h"

#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"
#include "shell/HelpTexts.h"
#include "shell/Vendor.h"
#include "shell/ui/Info.h"
#include "shell/ui/Screens.h"
#include "shell/ui/Splash.h"

#include <QCoreApplication>

#include <memory>

TfrmAvvio *frmAvvio = nullptr;

namespace {

// One column of the start screen: the area icon, the button picture and the description.
struct AreaColumn {
    const char *app;
    const char *button;
    const char *info;
    const char *icon;
    const char *caption;
    const char *description;
    int left;
};

constexpr AreaColumn kColumns[] = {
    {"appAnagrafica", "btnAnagrafica", "infAnagrafica", "anagrafica", "Anagrafica Lavoratori",
     "Dati anagrafici, recapiti, documenti e scadenze dei contratti dei lavoratori dell'impresa.", 96},
    {"appAttrezzature", "btnAttrezzature", "infAttrezzature", "attrezzature", "Inventario Attrezzature",
     "Mezzi e attrezzature tecniche dell'impresa, con valore, garanzia e scadenze delle revisioni.", 398},
    {"appGiornale", "btnGiornale", "infGiornale", "giornale", "Compilazione Giornale",
     "Creazione e compilazione giornaliera dei Cantilog dei cantieri, con frontespizio e stampa delle pagine.", 700},
};

QLabel *strip(QWidget *parent, const char *name, const QString &text, const QRect &geometry, int size,
              const QColor &colour)
{
    auto *l = ScreenKit::label(parent, name, text, geometry, size, true);
    l->setAlignment(Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

} // namespace

TfrmAvvio::TfrmAvvio() : AreaScreen(kCaption, QSize(1016, 713), QColor(0x5D, 0x85, 0xA6), Qt::white)
{
    QWidget *area = canvas();

    QWidget *panel =
        ScreenKit::shape(area, "panContenitore", QRect(40, 30, 936, 650), Qt::white, QColor(0x5D, 0x85, 0xA6));
    imgTitolo =
        strip(panel, "imgTitolo", QStringLiteral("Cantilog"), QRect(0, 20, 936, 70), 40, QColor(0x1E, 0x3A, 0x5F));
    imgSottotitolo = strip(panel, "imgSottotitolo",
                           QStringLiteral("Il giornale dei lavori del cantiere, l'inventario delle attrezzature "
                                          "e l'anagrafica dei lavoratori"),
                           QRect(0, 92, 936, 30), 12, QColor(0x5D, 0x85, 0xA6));

    PictureButton **apps[] = {&appAnagrafica, &appAttrezzature, &appGiornale};
    PictureButton **buttons[] = {&btnAnagrafica, &btnAttrezzature, &btnGiornale};
    ClickLabel **infos[] = {&infAnagrafica, &infAttrezzature, &infGiornale};
    void (TfrmAvvio::*handlers[])() = {&TfrmAvvio::appAnagraficaClick, &TfrmAvvio::appAttrezzatureClick,
                                       &TfrmAvvio::appGiornaleClick};
    for (int i = 0; i < 3; ++i) {
        const AreaColumn &col = kColumns[i];
        const int x = col.left - 40;
        *apps[i] = ScreenKit::picture(panel, col.app, QLatin1String(col.icon), QString(), QRect(x + 50, 160, 120, 120));
        *buttons[i] = ScreenKit::picture(panel, col.button, QLatin1String(col.icon), QString::fromUtf8(col.caption),
                                         QRect(x, 300, 220, 64));
        (*buttons[i])->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        (*buttons[i])->setIconSize(QSize(24, 24));
        (*buttons[i])->setFont(ScreenKit::font(ScreenKit::kVerdana, 9, true));
        (*buttons[i])
            ->setStyleSheet(QStringLiteral(
                "QToolButton { background: #5D85A6; color: white; border: 1px solid #1E3A5F; border-radius: 6px; }"));
        *infos[i] = new ClickLabel(panel, col.info, QString::fromUtf8(col.description), QRect(x, 380, 220, 110));
        (*infos[i])->setFont(ScreenKit::font(ScreenKit::kVerdana, 10));
        (*infos[i])->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const auto handler = handlers[i];
        connect(*apps[i], &QToolButton::clicked, this, handler);
        connect(*buttons[i], &QToolButton::clicked, this, handler);
        connect(*infos[i], &ClickLabel::clicked, this, handler);
    }

    imgInfo = ScreenKit::picture(panel, "imgInfo", QStringLiteral("info"), QString(), QRect(12, 12, 48, 48));
    imgGuida = ScreenKit::picture(panel, "imgGuida", QStringLiteral("guida"), QString(), QRect(876, 12, 48, 48));
    imgSito = new ClickLabel(panel, "imgSito", QLatin1String(Vendor::kWebAddress), QRect(268, 520, 400, 30));
    imgSito->setAlignment(Qt::AlignCenter);
    imgSito->setFont(ScreenKit::font(ScreenKit::kVerdana, 12, true));
    imgSito->setStyleSheet(QStringLiteral("QLabel { background: #E8F0FA; color: #1E3A5F; border-radius: 4px; }"));
    imgCopyright =
        ScreenKit::picture(panel, "imgCopyright", QStringLiteral("copyright"), QString(), QRect(12, 590, 48, 48));
    imgEsci = ScreenKit::picture(panel, "imgEsci", QStringLiteral("esci"), QString(), QRect(876, 590, 48, 48));
    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgSito, &ClickLabel::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgCopyright, &QToolButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

void TfrmAvvio::openArea(const char *globalName)
{
    if (QWidget *area = Screens::find(QLatin1String(globalName)))
        switchTo(area, this);
}

void TfrmAvvio::appAnagraficaClick() { openArea("frmIstruttori"); }
void TfrmAvvio::appAttrezzatureClick() { openArea("frmAttrezzature"); }
void TfrmAvvio::appGiornaleClick() { openArea("frmMenuGiornale"); }

void TfrmAvvio::imgInfoClick()
{
    std::unique_ptr<TfrmInfo> info(new TfrmInfo(this));
    Ui::execModal(info.get());
}

void TfrmAvvio::imgCopyrightClick()
{
    std::unique_ptr<TfrmSplash> splash(new TfrmSplash(this));
    Ui::execModal(splash.get());
}

void TfrmAvvio::imgGuidaClick()
{
    Help::show(this, QString::fromUtf8(HelpTexts::kOverviewTitle), HelpTexts::overview());
}

void TfrmAvvio::imgSitoClick() { TMisc::Open(QLatin1String(Vendor::kWebAddress)); }

void TfrmAvvio::imgEsciClick() { QCoreApplication::quit(); }

void TfrmAvvio::FormClose() { QCoreApplication::quit(); }
