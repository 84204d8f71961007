#pragma once

#include <QString>

// The folder that holds the data files, with its trailing separator.
namespace ProgramFolder {
QString path();
void set(const QString &folder); // the executable's folder unless --folder says otherwise
QString file(const QString &name);
QString attachmentsFolder(); // "Documenti_Allegati" with its trailing separator
}

namespace Archives {
inline constexpr const char *kEquipmentFile = "Attrezzature.pro";
inline constexpr const char *kWorkersFile = "Dipendenti.pro";
inline constexpr const char *kJournalSuffix = ".cnt";

QString equipmentPath();
QString workersPath();
QString journalPath(const QString &journalName);

// The one message for every failed archive operation.
QString accessFailureMessage();
}
