#pragma once

#include <QString>

// The help topics of the workers registry: the editor's and the export's.
namespace WorkerHelp {
QString editorTitle(); // "Applicazione Anagrafica Lavoratori."
QString editorText();  // paragraphs joined by an empty line
QString exportTitle(); // "Esportazione archivio lavoratori in Microsoft Excel."
QString exportText();
}
