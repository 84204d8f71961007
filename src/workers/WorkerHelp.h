#pragma once

#include <QString>

// The help topics of the workers registry's editor and export screen: paragraphs joined by an
// empty line ("\r\n\r\n").
namespace WorkerHelp {
inline constexpr const char *kEditorTitle = "Applicazione Anagrafica Lavoratori.";
inline constexpr const char *kExportTitle = "Esportazione archivio lavoratori in Microsoft Excel.";
QString editorText();
QString exportText();
} // namespace WorkerHelp
