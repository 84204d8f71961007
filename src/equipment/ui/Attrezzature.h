#pragma once

#include "foundation/ui/Screen.h"
#include "report/Report.h"

class BrowseEdit;
class PictureButton;
class QCheckBox;
class QLineEdit;

// The equipment editor: keeps, browses and prints the inventory's items, and opens its search,
// summaries, total value and export.
class TfrmAttrezzature : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Inventario Attrezzature";
    TfrmAttrezzature();

    // Buttons, top to bottom, and the arrows around the position.
    PictureButton *cmdNuovo = nullptr, *cmdDuplica = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr,
                  *cmdFile = nullptr, *cmdStampa = nullptr, *cmdScadenze = nullptr, *cmdScadute = nullptr,
                  *cmdCapitale = nullptr, *cmdEsporta = nullptr, *cmdGuida = nullptr, *cmdEsci = nullptr,
                  *cmdPrimo = nullptr, *cmdIndietro = nullptr, *cmdAvanti = nullptr, *cmdUltimo = nullptr;
    QLabel *lblPosizione = nullptr;

    // The four panels and their fields, in screen order.
    QWidget *panDati = nullptr, *panAcquisto = nullptr, *panRevisione = nullptr, *panFornitore = nullptr;
    QLineEdit *txtCodice = nullptr, *txtTipologia = nullptr, *txtEuro = nullptr, *txtMarca = nullptr,
              *txtDescrizione = nullptr, *txtMatricola = nullptr, *txtAlimentazione = nullptr, *txtDimensioni = nullptr;
    QLineEdit *txtUtilizzo = nullptr, *txtDocumento = nullptr, *txtDataAcq = nullptr, *txtGaranzia = nullptr,
              *txtPersona = nullptr, *txtTelAss = nullptr;
    QLineEdit *txtDataSca = nullptr, *txtPreavviso = nullptr;
    QCheckBox *chkEffettuata = nullptr;
    QLineEdit *txtDitta = nullptr, *txtTitolare = nullptr, *txtRecapito = nullptr, *txtPagamento = nullptr,
              *txtNote = nullptr;

    QLabel *panInfo = nullptr;
    // The equipment card, filled from the controls when printed.
    Report::Report repScheda;

    // The browse/edit protocol over "Attrezzature.pro": it runs the record buttons, keeps the
    // attachment slots (lblFile01..lblDesc03), and the list screens load a record through it.
    BrowseEdit *browse = nullptr;

    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdScadenzeClick();
    void cmdScaduteClick();
    void cmdCapitaleClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;
};

extern TfrmAttrezzature *frmAttrezzature;
