#include "checks/ui/Iban.h"

TfrmIban *frmIban = nullptr;

namespace {
const CheckTool kTool = {
    TfrmIban::kCaption,
    QSize(608, 270),
    "banca",
    "Controllo IBAN",
    "Immettere l'IBAN e premere il pulsante di controllo.",
    "txtIban",
    27,
    KeyFilter::UpperCase,
    &Checks::iban,
};
} // namespace

TfrmIban::TfrmIban(QWidget *owner) : CheckScreen(owner, kTool), txtIban(entry()) {}
