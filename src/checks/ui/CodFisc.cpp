#include "checks/ui/CodFisc.h"

TfrmCodFisc *frmCodFisc = nullptr;

namespace {
const CheckTool kTool = {
    TfrmCodFisc::kCaption,
    QSize(478, 254),
    "tesserino",
    "Controllo codice fiscale",
    "Immettere il codice fiscale e premere il pulsante di controllo.",
    "txtCodFisc",
    16,
    KeyFilter::UpperCase,
    &Checks::fiscalCode,
};
} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget *owner) : CheckScreen(owner, kTool), txtCodFisc(entry()) {}
