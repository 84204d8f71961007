#include "workers/ui/ExpIstruttori.h"

#include "archive/Archives.h"
#include "foundation/ui/Dialogs.h"
#include "workers/WorkerHelp.h"
#include "workers/WorkerSheet.h"

#include <memory>

TfrmExpIstruttori *frmExpIstruttori = nullptr;

namespace {
const ExportDesign &design()
{
    static const ExportDesign d{&WorkerSheet::design(), &Archives::workersPath, WorkerHelp::kExportTitle,
                                &WorkerHelp::exportText};
    return d;
}
} // namespace

TfrmExpIstruttori::TfrmExpIstruttori(QWidget *owner) : ExportScreen(owner, kCaption, design()) {}

void TfrmExpIstruttori::open(QWidget *owner)
{
    std::unique_ptr<TfrmExpIstruttori> screen(new TfrmExpIstruttori(owner));
    Ui::execModal(screen.get());
}
