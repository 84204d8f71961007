#pragma once

#include "foundation/ProgramFolder.h"

#include <QString>

namespace Archives {
inline constexpr const char *kEquipmentFile = "Attrezzature.pro";
inline constexpr const char *kWorkersFile = "Dipendenti.pro";
inline constexpr const char *kJournalSuffix = ".cnt";

QString equipmentPath();
QString workersPath();
QString journalPath(const QString &journalName);

// The one message for every failed archive operation.
QString accessFailureMessage();
} // namespace Archives
