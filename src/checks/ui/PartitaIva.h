#pragma once

#include "checks/ui/CheckScreen.h"

// An Italian VAT number: well formed or not, and the office that issued it.
class TfrmPartitaIva : public CheckScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Controllo partita IVA";
    explicit TfrmPartitaIva(QWidget *owner = nullptr);

    QLineEdit *txtPartitaIva = nullptr;
};

extern TfrmPartitaIva *frmPartitaIva;
