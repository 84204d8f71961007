#pragma once

#include "equipment/ui/ExportScreen.h"

// The workers registry's export to "Personale_Interno.xls".
class TfrmExpIstruttori : public ExportScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Esporta archivio lavoratori in Microsoft Excel";
    explicit TfrmExpIstruttori(QWidget *owner = nullptr);

    // Opens a fresh export screen owned by `owner`, modally.
    static void open(QWidget *owner);
};

extern TfrmExpIstruttori *frmExpIstruttori;
