#pragma once

#include "checks/ui/CheckScreen.h"

// The check character of a person's Italian fiscal code.
class TfrmCodFisc : public CheckScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Controllo codice fiscale";
    explicit TfrmCodFisc(QWidget *owner = nullptr);

    QLineEdit *txtCodFisc = nullptr;
};

extern TfrmCodFisc *frmCodFisc;
