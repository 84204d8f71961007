#pragma once

#include "checks/ui/CheckScreen.h"

// A payment card number's check digit and the kind of card.
class TfrmCarta : public CheckScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Controllo carta di credito";
    explicit TfrmCarta(QWidget *owner = nullptr);

    QLineEdit *txtNumero = nullptr;
};

extern TfrmCarta *frmCarta;
