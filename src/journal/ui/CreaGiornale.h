#pragma once

#include "foundation/ui/Screen.h"

class PictureButton;
class QLineEdit;

// Creates a new, empty journal archive from the name typed by the user.
class TfrmCreaGiornale : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Creazione Cantilog";
    TfrmCreaGiornale();

    QLineEdit *txtFile = nullptr;
    PictureButton *btnApplica = nullptr;
    PictureButton *btnAnnulla = nullptr;
    PictureButton *imgGuida = nullptr;
    QLabel *imgIstruzioni = nullptr;
    QLabel *lblFile = nullptr;

    void btnApplicaClick();
    void btnAnnullaClick();
    void imgGuidaClick();

protected:
    void FormShow() override;
    void FormClose() override;
};

extern TfrmCreaGiornale *frmCreaGiornale;
