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
    // The characters that cannot be part of a file name are discarded as they are typed.
    bool txtFileKeyDown(class QKeyEvent *event);
    bool txtFileComposed(class QInputMethodEvent *event);

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TfrmCreaGiornale *frmCreaGiornale;
