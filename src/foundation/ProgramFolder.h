#pragma once

#include <QString>

// The folder that holds the data files, with its trailing separator.
namespace ProgramFolder {
QString path();
void set(const QString &folder); // the executable's folder unless --folder says otherwise
QString file(const QString &name);
QString attachmentsFolder(); // "Documenti_Allegati" with its trailing separator
} // namespace ProgramFolder
