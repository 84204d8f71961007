#pragma once

#include "journal/ui/JournalSheetScreen.h"

// Prints the page shown in the page editor through the printer dialog; also writes the whole
// journal to one PDF file.
class TfrmStampaGiornale : public JournalPageScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Stampa scheda";
    explicit TfrmStampaGiornale(QWidget *owner = nullptr);

    QPushButton *btnTuttoPdf = nullptr;

    void btnTuttoPdfClick();

    // Opens a fresh print screen owned by `owner`, modally.
    static void open(QWidget *owner);
};

extern TfrmStampaGiornale *frmStampaGiornale;
