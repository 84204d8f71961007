#include "equipment/ui/ExpAttrezzature.h"

#include "archive/Archives.h"
#include "equipment/EquipmentHelp.h"
#include "equipment/EquipmentSheet.h"
#include "foundation/ui/Dialogs.h"

#include <memory>

TfrmExpAttrezzature *frmExpAttrezzature = nullptr;

namespace {
const ExportDesign &design()
{
    static const ExportDesign d{&EquipmentSheet::design(), &Archives::equipmentPath, EquipmentHelp::kExportTitle,
                                &EquipmentHelp::exportText};
    return d;
}
} // namespace

TfrmExpAttrezzature::TfrmExpAttrezzature(QWidget *owner) : ExportScreen(owner, kCaption, design()) {}

void TfrmExpAttrezzature::open(QWidget *owner)
{
    std::unique_ptr<TfrmExpAttrezzature> screen(new TfrmExpAttrezzature(owner));
    Ui::execModal(screen.get());
}
