#pragma once

#include "equipment/ui/ExportScreen.h"

// The inventory's export to "Attrezzature.xls".
class TfrmExpAttrezzature : public ExportScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Esporta inventario attrezzature in Microsoft Excel";
    explicit TfrmExpAttrezzature(QWidget *owner = nullptr);

    // Opens a fresh export screen owned by `owner`, modally.
    static void open(QWidget *owner);
};

extern TfrmExpAttrezzature *frmExpAttrezzature;
