#include "checks/ui/PartitaIva.h"

TfrmPartitaIva *frmPartitaIva = nullptr;

namespace {
const CheckTool kTool = {
    TfrmPartitaIva::kCaption,
    QSize(480, 254),
    "emblema",
    "Controllo partita IVA",
    "Immettere il numero di partita IVA e premere il pulsante di controllo.",
    "txtPartitaIva",
    11,
    KeyFilter::Digits,
    &Checks::vatNumber,
};
} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget *owner) : CheckScreen(owner, kTool), txtPartitaIva(entry()) {}
