#include "workers/ui/AnteprimaIstruttore.h"

#include "foundation/ui/Dialogs.h"

#include <memory>

TfrmAnteprimaIstruttore *frmAnteprimaIstruttore = nullptr;

TfrmAnteprimaIstruttore::TfrmAnteprimaIstruttore(QWidget *owner)
    : WorkerCardScreen(owner, kCaption, QSize(348, 287), QStringLiteral("anteprima"),
                       QStringLiteral("Anteprima di stampa. Premere il pulsante \"Mostra anteprima\" per "
                                      "visualizzare la scheda del lavoratore così come apparirà sulla carta, con i "
                                      "dati presenti nella schermata anche se non ancora salvati."),
                       QStringLiteral("Mostra anteprima"), Output::Preview)
{}

void TfrmAnteprimaIstruttore::open(QWidget *owner)
{
    std::unique_ptr<TfrmAnteprimaIstruttore> screen(new TfrmAnteprimaIstruttore(owner));
    Ui::execModal(screen.get());
}
