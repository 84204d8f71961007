#include "journal/ui/AnteprimaGiornale.h"

#include "foundation/ui/Dialogs.h"

#include <memory>

TfrmAnteprimaGiornale *frmAnteprimaGiornale = nullptr;

TfrmAnteprimaGiornale::TfrmAnteprimaGiornale(QWidget *owner)
    : JournalPageScreen(owner, kCaption, QStringLiteral("anteprima"),
                        QStringLiteral("Premere il pulsante \"Mostra anteprima\" per visualizzare la scheda "
                                       "corrente così come verrà stampata, con i dati presenti nella "
                                       "schermata di compilazione anche se non ancora salvati. "
                                       "Dall'anteprima è possibile stampare la scheda."),
                        QStringLiteral("Mostra anteprima"), Output::Preview)
{}

void TfrmAnteprimaGiornale::open(QWidget *owner)
{
    std::unique_ptr<TfrmAnteprimaGiornale> screen(new TfrmAnteprimaGiornale(owner));
    Ui::execModal(screen.get());
}
