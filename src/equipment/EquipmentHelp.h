#pragma once

#include <QString>

// The help topics of the inventory's editor and export screen: paragraphs joined by an empty
// line ("\r\n\r\n").
namespace EquipmentHelp {
inline constexpr const char *kEditorTitle = "Applicazione Inventario Attrezzature.";
inline constexpr const char *kExportTitle = "Esportazione inventario attrezzature in Microsoft Excel.";
QString editorText();
QString exportText();
} // namespace EquipmentHelp
