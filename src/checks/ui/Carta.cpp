#include "checks/ui/Carta.h"

TfrmCarta *frmCarta = nullptr;

namespace {
const CheckTool kTool = {
    TfrmCarta::kCaption,
    QSize(519, 254),
    "carte",
    "Controllo carta di credito",
    "Immettere il numero di carta di credito e premere il pulsante di controllo.",
    "txtNumero",
    30,
    KeyFilter::Digits | KeyFilter::UpperCase,
    &Checks::paymentCard,
};
} // namespace

TfrmCarta::TfrmCarta(QWidget *owner) : CheckScreen(owner, kTool), txtNumero(entry()) {}
