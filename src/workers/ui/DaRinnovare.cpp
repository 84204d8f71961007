#include "workers/ui/DaRinnovare.h"

#include "archive/Archives.h"
#include "archive/ui/BrowseEdit.h"
#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "workers/ContractSummary.h"

#include <memory>

TfrmDaRinnovare *frmDaRinnovare = nullptr;

TfrmDaRinnovare::TfrmDaRinnovare(QWidget *owner) : SummaryScreen(owner, kCaption, ContractSummary::design()) {}

void TfrmDaRinnovare::open(QWidget *owner, BrowseEdit *editor)
{
    std::unique_ptr<TfrmDaRinnovare> screen(new TfrmDaRinnovare(owner));
    screen->setEditor(editor);
    Ui::execModal(screen.get());
}

QString TfrmDaRinnovare::archivePath() const { return Archives::workersPath(); }

ListLines::Collected TfrmDaRinnovare::collectLines() { return ContractSummary::build(archivePath(), Formats::today()); }
