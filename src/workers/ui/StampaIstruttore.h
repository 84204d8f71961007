#pragma once

#include "workers/ui/WorkerCardScreen.h"

// Prints the card of the worker on the editor's screen, through the printer dialog.
class TfrmStampaIstruttore : public WorkerCardScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Stampa scheda";
    explicit TfrmStampaIstruttore(QWidget *owner = nullptr);

    // Opens a fresh print screen owned by `owner`, modally.
    static void open(QWidget *owner);
};

extern TfrmStampaIstruttore *frmStampaIstruttore;
