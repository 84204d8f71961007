#pragma once

#include "foundation/ui/Screen.h"

class BrowseEdit;
class PictureButton;
class QComboBox;
class QLineEdit;

// The worker editor: keeps the registry of the firm's workers, one record per person.
class TfrmIstruttori : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Cantilog - Anagrafica Lavoratori";
    TfrmIstruttori();

    // Toolbar.
    PictureButton *cmdNuovo = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr, *cmdFile = nullptr,
                  *cmdAnteprima = nullptr, *cmdStampa = nullptr, *cmdPrimo = nullptr, *cmdIndietro = nullptr,
                  *cmdAvanti = nullptr, *cmdUltimo = nullptr, *cmdEsporta = nullptr, *cmdScaduti = nullptr,
                  *cmdGuida = nullptr, *cmdEsci = nullptr;
    // The small buttons beside their fields.
    PictureButton *btnCodFisc = nullptr, *btnIva = nullptr, *btnEmail = nullptr, *btnIban = nullptr,
                  *btnCarta = nullptr;
    QLabel *lblPosizione = nullptr;

    // The 45 fields in Enter order.
    QLineEdit *txtCognome = nullptr, *txtNome = nullptr, *txtCodFisc = nullptr, *txtSesso = nullptr,
              *txtDataNasc = nullptr, *txtComuneNasc = nullptr;
    QComboBox *txtProvNasc = nullptr;
    QLineEdit *txtIva = nullptr, *txtIndirizzo = nullptr, *txtCap = nullptr, *txtComuneRes = nullptr;
    QComboBox *txtProvRes = nullptr;
    QLineEdit *txtStato = nullptr, *txtFamiliari = nullptr, *txtRecapito = nullptr, *txtTelCasa = nullptr,
              *txtTelCel = nullptr, *txtTelUff = nullptr, *txtFax = nullptr, *txtEmail = nullptr,
              *txtQualifiche = nullptr, *txtProfessione = nullptr, *txtIban = nullptr, *txtIntestatario = nullptr,
              *txtBanca = nullptr, *txtCarta = nullptr, *txtScadeCarta = nullptr, *txtProdotti = nullptr,
              *txtPagamento = nullptr, *txtNote = nullptr, *txtTipoDoc = nullptr, *txtNumDoc = nullptr,
              *txtEnteRil = nullptr, *txtDataRil = nullptr, *txtDataSca = nullptr, *txtCodice = nullptr,
              *txtCategoria = nullptr, *txtZona = nullptr, *txtAcquisto = nullptr, *txtDecorrenza = nullptr,
              *txtScadenza = nullptr, *txtPreavviso = nullptr, *txtTotale = nullptr, *txtFrazionamento = nullptr,
              *txtRata = nullptr;

    QLabel *panInfo = nullptr;

    // The browse/edit protocol over "Dipendenti.pro": it runs the record buttons, keeps the
    // attachment slots, and the search and the contract summary load a worker through it.
    BrowseEdit *browse = nullptr;

    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdScadutiClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCodFiscClick();
    void btnIvaClick();
    void btnEmailClick();
    void btnIbanClick();
    void btnCartaClick();

protected:
    void FormShow() override;
    void FormClose() override;
};

extern TfrmIstruttori *frmIstruttori;
