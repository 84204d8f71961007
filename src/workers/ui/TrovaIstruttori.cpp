#include "workers/ui/TrovaIstruttori.h"

#include "archive/Archives.h"
#include "workers/WorkerSearch.h"

TfrmTrovaIstruttori *frmTrovaIstruttori = nullptr;

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget *owner)
    : RegistrySearch(owner, kCaption, WorkerSearch::design(), "istruttori", &Archives::workersPath)
{}
