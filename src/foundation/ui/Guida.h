#pragma once

#include "foundation/ui/Screen.h"

class QPlainTextEdit;
class QPushButton;

// One help topic: a title, its text and the link to the user guide "Guida.pdf".
class TfrmGuida : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Guida all'utilizzo del software";
    explicit TfrmGuida(QWidget *owner = nullptr);

    QWidget *imgLogo = nullptr;
    QLabel *lblTitolo = nullptr;
    QPlainTextEdit *txtGuida = nullptr;
    QLabel *imgPDF = nullptr;
    QLabel *lnkWeb = nullptr;
    QPushButton *btnChiudi = nullptr;

    void lnkWebClick();
};

extern TfrmGuida *frmGuida;
