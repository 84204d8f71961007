#include "journal/ui/MenuGiornale.h"

#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/HelpText.h"

#include <QPushButton>

TfrmMenuGiornale *frmMenuGiornale = nullptr;

namespace {

// Where the menu leads, by the mode word it is left with.
struct Exit {
    const char *modeWord;
    const char *screen;
};
constexpr Exit kExits[] = {
    {"avvio", "frmAvvio"},
    {"crea", "frmCreaGiornale"},
    {"compila", "frmApriGiornale"},
};

} // namespace

TfrmMenuGiornale::TfrmMenuGiornale() : AreaScreen(kCaption, QSize(1016, 713), QColor(0x5D, 0x85, 0xA6), Qt::white)
{
    QWidget *area = canvas();
    QWidget *panel =
        ScreenKit::shape(area, "panContenitore", QRect(208, 150, 600, 400), Qt::white, QColor(0x5D, 0x85, 0xA6));
    ScreenKit::image(panel, "imgTitolo", QStringLiteral("giornale"), QRect(260, 20, 80, 80));
    lblIstruzioni = ScreenKit::label(panel, "lblIstruzioni",
                                     QStringLiteral("Premere il pulsante per creare un nuovo Cantilog o per "
                                                    "compilarne uno esistente."),
                                     QRect(50, 110, 500, 60), 12, true);
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setAlignment(Qt::AlignCenter);
    btnCrea = ScreenKit::button(panel, "btnCrea", QStringLiteral("Crea nuovo Cantilog"), QRect(120, 190, 360, 50), 14);
    btnCompila = ScreenKit::button(panel, "btnCompila", QStringLiteral("Compila Cantilog esistente"),
                                   QRect(120, 260, 360, 50), 14);
    imgGuida = ScreenKit::picture(panel, "imgGuida", QStringLiteral("guida"), QString(), QRect(12, 340, 48, 48));
    imgEsci = ScreenKit::picture(panel, "imgEsci", QStringLiteral("esci"), QString(), QRect(540, 340, 48, 48));
    lblMemory = ScreenKit::hiddenLabel(area, "lblMemory");

    connect(btnCrea, &QPushButton::clicked, this, &TfrmMenuGiornale::btnCreaClick);
    connect(btnCompila, &QPushButton::clicked, this, &TfrmMenuGiornale::btnCompilaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmMenuGiornale::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmMenuGiornale::imgEsciClick);
}

void TfrmMenuGiornale::FormShow() { lblMemory->setText(QStringLiteral("avvio")); }

void TfrmMenuGiornale::btnCreaClick()
{
    lblMemory->setText(QStringLiteral("crea"));
    close();
}

void TfrmMenuGiornale::btnCompilaClick()
{
    lblMemory->setText(QStringLiteral("compila"));
    close();
}

void TfrmMenuGiornale::imgGuidaClick() { Help::show(this, JournalHelp::title(), JournalHelp::text()); }

void TfrmMenuGiornale::imgEsciClick() { close(); }

void TfrmMenuGiornale::FormClose()
{
    for (const Exit &exit : kExits)
        if (lblMemory->text() == QLatin1String(exit.modeWord)) {
            switchTo(Screens::find(QLatin1String(exit.screen)), this);
            return;
        }
}
