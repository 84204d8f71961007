#pragma once

#include "archive/ui/SearchScreen.h"

// The page search of the journal open in the page editor; with the mode word "giornale" a chosen
// page is loaded into the page editor with its position.
class TfrmTrovaGiornale : public SearchScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Trova pagine Cantilog";
    explicit TfrmTrovaGiornale(QWidget *owner = nullptr);

    // Opens a fresh page search owned by `owner` with the mode word "giornale", modally.
    static void open(QWidget *owner);

protected:
    QString archivePath() const override;
    void reloadAction(const ListLine &line, const QByteArray &record) override;
};

extern TfrmTrovaGiornale *frmTrovaGiornale;
