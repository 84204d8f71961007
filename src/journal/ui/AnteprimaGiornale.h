#pragma once

#include "journal/ui/JournalSheetScreen.h"

// Shows the page of the page editor in the print preview, from which it can be printed.
class TfrmAnteprimaGiornale : public JournalPageScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Anteprima di stampa";
    explicit TfrmAnteprimaGiornale(QWidget *owner = nullptr);

    // Opens a fresh preview screen owned by `owner`, modally.
    static void open(QWidget *owner);
};

extern TfrmAnteprimaGiornale *frmAnteprimaGiornale;
