#include "equipment/ui/TrovaAttrezzature.h"

#include "archive/Archives.h"
#include "equipment/EquipmentSearch.h"

TfrmTrovaAttrezzature *frmTrovaAttrezzature = nullptr;

TfrmTrovaAttrezzature::TfrmTrovaAttrezzature(QWidget *owner)
    : RegistrySearch(owner, kCaption, EquipmentSearch::design(), "attrezzature", &Archives::equipmentPath)
{}
