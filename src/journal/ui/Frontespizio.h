#pragma once

#include "foundation/ui/Screen.h"
#include "report/Report.h"

class QLineEdit;
class QPushButton;

// The journal's title page: nine values kept in "Cantilog.ini", previewed and printed.
class TfrmFrontespizio : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Frontespizio Cantilog";
    explicit TfrmFrontespizio(QWidget *owner = nullptr);

    QLineEdit *txtComune = nullptr, *txtProvincia = nullptr, *txtNumero = nullptr, *txtCommittente = nullptr,
              *txtImpresa = nullptr, *txtOggetto = nullptr, *txtEstremi = nullptr, *txtDirettore = nullptr,
              *txtResponsabile = nullptr;
    QLabel *icoTitolo = nullptr, *icoNumero = nullptr;
    QPushButton *btnAnteprima = nullptr, *btnStampa = nullptr, *btnChiudi = nullptr;
    Report::Report repScheda;

    void btnAnteprimaClick();
    void btnStampaClick();
    void btnChiudiClick() { reject(); }

    // The nine fields in the settings file's key order.
    QStringList values() const;

    // Opens a fresh title page screen owned by `owner`, modally.
    static void open(QWidget *owner);

    static QString saveFailureMessage();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void prepareSheet();
};

extern TfrmFrontespizio *frmFrontespizio;
