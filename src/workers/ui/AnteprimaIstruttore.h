#pragma once

#include "workers/ui/WorkerCardScreen.h"

// Shows the card of the worker on the editor's screen in the print preview.
class TfrmAnteprimaIstruttore : public WorkerCardScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Anteprima di stampa";
    explicit TfrmAnteprimaIstruttore(QWidget *owner = nullptr);

    // Opens a fresh preview screen owned by `owner`, modally.
    static void open(QWidget *owner);
};

extern TfrmAnteprimaIstruttore *frmAnteprimaIstruttore;
