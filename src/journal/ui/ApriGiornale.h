#pragma once

#include "foundation/ui/Screen.h"

class PictureButton;
class QListWidget;

// Lists the journals of the program folder; opens one in the page editor or deletes one.
class TfrmApriGiornale : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Compilazione Cantilog";
    TfrmApriGiornale();

    QListWidget *lstFiles = nullptr;
    QLabel *lblCreati = nullptr;
    PictureButton *btnApri = nullptr;
    PictureButton *btnAnnulla = nullptr;
    PictureButton *btnElimina = nullptr;
    PictureButton *btnFrontespizio = nullptr;
    PictureButton *imgGuida = nullptr;
    QLabel *imgIstruzioni = nullptr;
    QLabel *lblFile = nullptr;
    QLabel *lblMemory = nullptr;

    void btnApriClick();
    void btnEliminaClick();
    void btnFrontespizioClick();
    void btnAnnullaClick();
    void imgGuidaClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    // The list item chosen by the user, empty when none is selected.
    QString selectedItem() const;
    void fillList(bool alwaysCount);
};

extern TfrmApriGiornale *frmApriGiornale;
