#include "shell/ui/Info.h"

#include "foundation/ui/Links.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"
#include "shell/Vendor.h"

#include <QPushButton>

TfrmInfo *frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget *owner) : SecondaryScreen(owner, kCaption, QSize(473, 440))
{
    QWidget *c = canvas();
    imgLogo = ScreenKit::shape(c, "imgLogo", QRect(0, 0, 473, 290), QColor(0xE8, 0xF0, 0xFA));
    ScreenKit::image(imgLogo, "imgLogoIcon", QStringLiteral("info"), QRect(20, 16, 64, 64));
    ScreenKit::label(imgLogo, "imgLogoTitle", QStringLiteral("Informazioni sul programma"), QRect(96, 30, 360, 36), 16,
                     true);
    auto *about =
        ScreenKit::label(imgLogo, "imgLogoText",
                         QStringLiteral("Cantilog\n\nIl giornale dei lavori del cantiere, pagina per pagina, con "
                                        "l'inventario delle attrezzature e l'anagrafica dei lavoratori.\n\n"
                                        "Per informazioni e assistenza scrivere all'indirizzo qui sotto."),
                         QRect(24, 100, 425, 170), 12);
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    imgEmail = ScreenKit::image(c, "imgEmail", QStringLiteral("email"), QRect(24, 312, 44, 44));
    lnkWeb = ScreenKit::label(c, "lnkWeb", QLatin1String(Vendor::kEmail), QRect(80, 320, 370, 28), 14);
    btnChiudi = ScreenKit::button(c, "btnChiudi", QStringLiteral("Chiudi"), QRect(176, 380, 120, 36), 12);
    LinkColouring::install(lnkWeb, imgEmail, [this] { lnkWebClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfrmInfo::mailTarget()
{
    return QStringLiteral("\"mailto:") + QLatin1String(Vendor::kEmail) + QStringLiteral("?subject=") +
        QStringLiteral("Software Cantilog") + QStringLiteral("&body=") +
        QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:") + QLatin1Char('"');
}

void TfrmInfo::lnkWebClick() { TMisc::Open(mailTarget()); }
