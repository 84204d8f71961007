#pragma once

#include "foundation/ui/FixedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The login screen: the main form, the first and only screen shown at start.
class TfrmPassword : public FixedWindow {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Autenticazione";
    TfrmPassword();

    QWidget *imgLogo = nullptr;
    QLabel *lblRigo05 = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdEsci = nullptr;
    QPushButton *btnCambiaPassword = nullptr;

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    void txtPasswordChange();
    // Back from the change-password screen: an empty entry with the focus.
    void returnFromChange();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TfrmPassword *frmPassword;
