#include "workers/ui/StampaIstruttore.h"

#include "foundation/ui/Dialogs.h"

#include <memory>

TfrmStampaIstruttore *frmStampaIstruttore = nullptr;

TfrmStampaIstruttore::TfrmStampaIstruttore(QWidget *owner)
    : WorkerCardScreen(owner, kCaption, QSize(364, 287), QStringLiteral("stampa"),
                       QStringLiteral("Stampa scheda. Premere il pulsante \"Stampa\" per stampare la scheda "
                                      "corrente con i dati inseriti nella schermata, anche se non ancora salvati."),
                       QStringLiteral("Stampa"), Output::Print)
{}

void TfrmStampaIstruttore::open(QWidget *owner)
{
    std::unique_ptr<TfrmStampaIstruttore> screen(new TfrmStampaIstruttore(owner));
    Ui::execModal(screen.get());
}
