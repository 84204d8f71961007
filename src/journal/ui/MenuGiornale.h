#pragma once

#include "foundation/ui/Screen.h"

class PictureButton;
class QPushButton;

// The works-journal area's menu: create a new journal or compile an existing one.
class TfrmMenuGiornale : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Cantilog";
    TfrmMenuGiornale();

    QLabel *lblIstruzioni = nullptr;
    QPushButton *btnCrea = nullptr;
    QPushButton *btnCompila = nullptr;
    PictureButton *imgGuida = nullptr;
    PictureButton *imgEsci = nullptr;
    QLabel *lblMemory = nullptr;

    void btnCreaClick();
    void btnCompilaClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;
};

extern TfrmMenuGiornale *frmMenuGiornale;
