#include "foundation/ui/Guida.h"

#include "foundation/ProgramFolder.h"
#include "foundation/ui/Links.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"

#include <QPlainTextEdit>
#include <QPushButton>

TfrmGuida *frmGuida = nullptr;

namespace {
// A header picture: an icon and the words beside it.
QWidget *header(QWidget *parent, const QString &icon, const QString &words, int width)
{
    auto *box = ScreenKit::shape(parent, "imgLogo", QRect(0, 0, width, 70), QColor(0xE8, 0xF0, 0xFA));
    ScreenKit::image(box, "imgLogoIcon", icon, QRect(14, 7, 56, 56));
    ScreenKit::label(box, "imgLogoText", words, QRect(84, 10, width - 100, 50), 16, true);
    return box;
}
} // namespace

TfrmGuida::TfrmGuida(QWidget *owner) : SecondaryScreen(owner, kCaption, QSize(670, 572))
{
    QWidget *c = canvas();
    imgLogo = header(c, QStringLiteral("guida"), QStringLiteral("Guida all'utilizzo del software"), 670);
    lblTitolo =
        ScreenKit::label(c, "lblTitolo", QStringLiteral("Argomento della guida."), QRect(16, 80, 640, 30), 16, true);
    QPalette p = lblTitolo->palette();
    p.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C));
    lblTitolo->setPalette(p);
    txtGuida = ScreenKit::memo(c, "txtGuida", QRect(16, 116, 638, 366), 12, true);
    txtGuida->setReadOnly(true);
    imgPDF = ScreenKit::image(c, "imgPDF", QStringLiteral("pdf"), QRect(16, 494, 40, 40));
    lnkWeb =
        ScreenKit::label(c, "lnkWeb", QStringLiteral("Visualizza guida in formato PDF"), QRect(64, 500, 380, 28), 14);
    btnChiudi = ScreenKit::button(c, "btnChiudi", QStringLiteral("Chiudi"), QRect(534, 526, 120, 34));
    LinkColouring::install(lnkWeb, imgPDF, [this] { lnkWebClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(QLatin1Char('"') + ProgramFolder::path() + QStringLiteral("Guida.pdf") + QLatin1Char('"'));
}
