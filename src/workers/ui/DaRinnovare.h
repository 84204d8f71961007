#pragma once

#include "archive/ui/SummaryScreen.h"

class BrowseEdit;

// The workers whose contract is due to expire within its notice days or has expired; a chosen
// line loads its worker into the worker editor.
class TfrmDaRinnovare : public SummaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Riepilogo contratti in scadenza o scaduti";
    explicit TfrmDaRinnovare(QWidget *owner = nullptr);

    // Opens a fresh summary owned by `owner`, modally, loading a chosen worker through `editor`.
    static void open(QWidget *owner, BrowseEdit *editor);

protected:
    QString archivePath() const override;
    ListLines::Collected collectLines() override;
};

extern TfrmDaRinnovare *frmDaRinnovare;
