#pragma once

#include "foundation/ui/FixedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The change-password screen: shown in place of the login screen, which comes back when it closes.
class TfrmCambiaPassword : public FixedWindow {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cambia password";
    TfrmCambiaPassword();

    QWidget *imgLogo = nullptr;
    QLabel *lblRigo05 = nullptr;
    QLabel *lblRigo06 = nullptr;
    QLabel *lblRigo07 = nullptr;
    QLineEdit *txtPasswordOld = nullptr;
    QLineEdit *txtPasswordNew = nullptr;
    QLineEdit *txtConferma = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdEsci = nullptr;

    void cmdOKClick();
    void cmdEsciClick();
    void fieldsChange();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TfrmCambiaPassword *frmCambiaPassword;
