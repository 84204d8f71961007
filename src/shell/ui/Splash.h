#pragma once

#include "foundation/ui/Screen.h"
#include "shell/Vendor.h"

class QPushButton;

// The credits, with a link to the vendor's web page.
class TfrmSplash : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = Vendor::kCredits;
    explicit TfrmSplash(QWidget *owner = nullptr);

    QWidget *imgLogo = nullptr;
    QLabel *imgWeb = nullptr;
    QLabel *lnkWeb = nullptr;
    QPushButton *btnChiudi = nullptr;

    void lnkWebClick();
};

extern TfrmSplash *frmSplash;
