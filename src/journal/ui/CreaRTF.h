#pragma once

#include "journal/ui/JournalSheetScreen.h"

// Writes the page shown in the page editor as "Cantilog.rtf" and offers to open it.
class TfrmCreaRTF : public SheetScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Esporta scheda in RTF";
    explicit TfrmCreaRTF(QWidget *owner = nullptr);

    // "Esporta e stampa": exports with the mode word "giornale", then closes; does nothing
    // with any other mode word.
    void btnStampaClick() override;

    // Opens a fresh export screen owned by `owner` with the mode word "giornale", modally.
    static void open(QWidget *owner);

private:
    void exportPage();
};

extern TfrmCreaRTF *frmCreaRTF;
