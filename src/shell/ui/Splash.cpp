#include "shell/ui/Splash.h"

#include "foundation/ui/Links.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"
#include "shell/Vendor.h"

#include <QPushButton>

TfrmSplash *frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget *owner) : SecondaryScreen(owner, kCaption, QSize(661, 467))
{
    QWidget *c = canvas();
    imgLogo = ScreenKit::shape(c, "imgLogo", QRect(0, 0, 661, 360), QColor(0x5D, 0x85, 0xA6));
    ScreenKit::image(imgLogo, "imgLogoIcon", QStringLiteral("giornale"), QRect(40, 60, 120, 120));
    auto *credits =
        ScreenKit::label(imgLogo, "imgLogoText",
                         QStringLiteral("Cantilog\n\nProgettazione e sviluppo:\nil gruppo di sviluppo Cantilog\n\n"
                                        "Icone disegnate per il programma."),
                         QRect(190, 50, 440, 260), 14, true);
    credits->setWordWrap(true);
    QPalette p = credits->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    credits->setPalette(p);
    imgWeb = ScreenKit::image(c, "imgWeb", QStringLiteral("web"), QRect(24, 380, 44, 44));
    lnkWeb = ScreenKit::label(c, "lnkWeb", QLatin1String(Vendor::kWebAddress), QRect(80, 388, 400, 28), 14);
    btnChiudi = ScreenKit::button(c, "btnChiudi", QStringLiteral("Chiudi"), QRect(520, 416, 120, 34));
    LinkColouring::install(lnkWeb, imgWeb, [this] { lnkWebClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmSplash::lnkWebClick() { TMisc::Open(QLatin1String(Vendor::kWebAddress)); }
