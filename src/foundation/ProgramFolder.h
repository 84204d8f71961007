#pragma once

#include <QString>

// The folder that holds the data files, with its trailing separator.
namespace ProgramFolder {
QString path();
void set(const QString &folder);
bool isSet(); // whether set() has chosen a folder yet
QString file(const QString &name);
QString attachmentsFolder(); // "Documenti_Allegati" with its trailing separator

// Where the data live. A copy run from its own folder keeps them beside its executable. An
// installed copy (its executable in the bin/ folder of a prefix whose share/cantilog/ holds what a
// new program folder starts with) uses --folder, else $CANTILOG_FOLDER, else ~/Cantilog.
struct Location {
    QString folder;
    QString starterFiles; // the installation's share/cantilog/, empty for a copy run from its own folder
};
QString installationShare(const QString &executableDir);
Location locate(const QString &executableDir, const QString &folderOption, const QString &environmentFolder,
                const QString &home);
// locate() for this process: its executable, $CANTILOG_FOLDER and the home folder.
Location locateForProcess(const QString &folderOption);
// An installed copy's folder is made when missing and gets each starter file it lacks, never
// over a file already there. Sets the folder; false when it or a starter file cannot be made.
bool prepare(const Location &location);
QString cannotPrepareMessage(const Location &location);
} // namespace ProgramFolder
