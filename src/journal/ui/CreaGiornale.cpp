#include "journal/ui/CreaGiornale.h"

#include "archive/ui/FieldAccess.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/HelpText.h"
#include "journal/Journals.h"

#include <QLineEdit>

TfrmCreaGiornale *frmCreaGiornale = nullptr;

TfrmCreaGiornale::TfrmCreaGiornale() : AreaScreen(kCaption, QSize(1016, 713), QColor(0x5D, 0x85, 0xA6), Qt::white)
{
    QWidget *area = canvas();
    QWidget *panel =
        ScreenKit::shape(area, "panContenitore", QRect(158, 170, 700, 360), Qt::white, QColor(0x5D, 0x85, 0xA6));
    ScreenKit::image(panel, "imgTitolo", QStringLiteral("crea"), QRect(20, 20, 64, 64));
    imgIstruzioni = ScreenKit::label(panel, "imgIstruzioni",
                                     QStringLiteral("Digitare il nome del nuovo Cantilog, quindi premere "
                                                    "Applica e chiudi."),
                                     QRect(100, 20, 580, 64), 12, true);
    imgIstruzioni->setWordWrap(true);
    txtFile = ScreenKit::lineEdit(panel, "txtFile", QRect(40, 120, 620, 40), 250, 16, false);
    FocusBackgrounds::install(this, {QStringLiteral("txtFile")});
    // The characters that cannot be part of a file name are discarded as they are typed.
    KeyFilter::install(txtFile, KeyFilter::Free, &Journals::isDiscardedKey);

    btnApplica = ScreenKit::picture(panel, "btnApplica", QStringLiteral("salva"), QStringLiteral("Applica e chiudi"),
                                    QRect(200, 200, 140, 80));
    btnAnnulla = ScreenKit::picture(panel, "btnAnnulla", QStringLiteral("esci"), QStringLiteral("Annulla"),
                                    QRect(360, 200, 140, 80));
    imgGuida = ScreenKit::picture(panel, "imgGuida", QStringLiteral("guida"), QString(), QRect(636, 296, 48, 48));
    lblFile = ScreenKit::hiddenLabel(area, "lblFile");

    connect(btnApplica, &QToolButton::clicked, this, &TfrmCreaGiornale::btnApplicaClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmCreaGiornale::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmCreaGiornale::imgGuidaClick);
}

void TfrmCreaGiornale::FormShow()
{
    txtFile->clear();
    txtFile->setFocus(Qt::OtherFocusReason);
}

void TfrmCreaGiornale::btnApplicaClick()
{
    lblFile->clear();
    const Journals::Result r = Journals::create(FieldAccess::text(txtFile));
    lblFile->setText(r.path);
    switch (r.outcome) {
    case Journals::Outcome::Warning:
        Ui::warning(this, r.message);
        txtFile->setFocus(Qt::OtherFocusReason);
        return;
    case Journals::Outcome::Error:
        Ui::error(this, r.message);
        txtFile->setFocus(Qt::OtherFocusReason);
        return;
    case Journals::Outcome::Done:
        Ui::information(this, r.message);
        close();
        return;
    }
}

void TfrmCreaGiornale::btnAnnullaClick() { close(); }

void TfrmCreaGiornale::imgGuidaClick() { Help::show(this, JournalHelp::title(), JournalHelp::text()); }

void TfrmCreaGiornale::FormClose() { switchTo(Screens::find(QStringLiteral("frmAvvio")), this); }
