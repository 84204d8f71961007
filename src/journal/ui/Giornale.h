#pragma once

#include "foundation/ui/Screen.h"

class BrowseEdit;
class PictureButton;
class QLineEdit;
class QPlainTextEdit;

// The page editor of one works journal: compiles, browses and stores its pages.
class TfrmGiornale : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Compilazione Cantilog";
    TfrmGiornale();

    // Toolbar.
    PictureButton *cmdNuovo = nullptr, *cmdDuplica = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr,
                  *cmdFile = nullptr, *cmdAnteprima = nullptr, *cmdStampa = nullptr, *cmdPrimo = nullptr,
                  *cmdIndietro = nullptr, *cmdAvanti = nullptr, *cmdUltimo = nullptr, *cmdEsporta = nullptr,
                  *cmdGuida = nullptr, *cmdEsci = nullptr;
    QLabel *lblPosizione = nullptr;
    QLabel *lblNome = nullptr;

    // Journal-level fields.
    QLineEdit *txtNumero = nullptr, *txtCommittente = nullptr, *txtImpresa = nullptr, *txtOggetto = nullptr,
              *txtDirettore = nullptr, *txtResponsabile = nullptr;
    // Day fields.
    QLineEdit *txtData = nullptr, *txtMeteo = nullptr, *txtNatura = nullptr, *txtTotale = nullptr;
    QPlainTextEdit *txtAnnotazioni = nullptr, *txtOperai = nullptr, *txtOsservazioni = nullptr;
    PictureButton *impData = nullptr, *impLavoratori = nullptr, *impAttrezzature = nullptr;

    QLabel *panInfo = nullptr;
    // The journal's archive, set by the chooser.
    QLabel *lblFile = nullptr;

    // The browse/edit protocol over the journal's pages: it runs the record buttons, keeps the
    // attachment slots, and search screens load a page through it.
    BrowseEdit *browse = nullptr;

    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void impDataClick();
    void impLavoratoriClick();
    void impAttrezzatureClick();

protected:
    void FormShow() override;
    void FormClose() override;
};

extern TfrmGiornale *frmGiornale;
