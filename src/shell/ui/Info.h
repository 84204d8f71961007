#pragma once

#include "foundation/ui/Screen.h"

class QPushButton;

// About the program, with a link that starts an e-mail to the vendor.
class TfrmInfo : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Informazioni su Cantilog";
    explicit TfrmInfo(QWidget *owner = nullptr);

    static QString mailTarget(); // the quoted mailto text handed to the shell

    QWidget *imgLogo = nullptr;
    QLabel *lnkWeb = nullptr;
    QLabel *imgEmail = nullptr;
    QPushButton *btnChiudi = nullptr;

    void lnkWebClick();
};

extern TfrmInfo *frmInfo;
