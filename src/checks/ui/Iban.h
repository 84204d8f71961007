#pragma once

#include "checks/ui/CheckScreen.h"

// The check digits of an IBAN of 27 characters.
class TfrmIban : public CheckScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Controllo IBAN";
    explicit TfrmIban(QWidget *owner = nullptr);

    QLineEdit *txtIban = nullptr;
};

extern TfrmIban *frmIban;
