#pragma once

#include "foundation/ui/Screen.h"

class ClickLabel;
class PictureButton;

// The start screen: the three working areas, help, about, credits, the vendor's page, exit.
class TfrmAvvio : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog";
    TfrmAvvio();

    QLabel *imgTitolo = nullptr;
    QLabel *imgSottotitolo = nullptr;
    PictureButton *appAnagrafica = nullptr, *appAttrezzature = nullptr, *appGiornale = nullptr;
    PictureButton *btnAnagrafica = nullptr, *btnAttrezzature = nullptr, *btnGiornale = nullptr;
    ClickLabel *infAnagrafica = nullptr, *infAttrezzature = nullptr, *infGiornale = nullptr;
    PictureButton *imgInfo = nullptr, *imgGuida = nullptr, *imgCopyright = nullptr, *imgEsci = nullptr;
    ClickLabel *imgSito = nullptr;

    void appAnagraficaClick();
    void appAttrezzatureClick();
    void appGiornaleClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgGuidaClick();
    void imgSitoClick();
    void imgEsciClick();

protected:
    void FormClose() override;

private:
    void openArea(const char *globalName);
};

extern TfrmAvvio *frmAvvio;
