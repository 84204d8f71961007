#include "archive/Archives.h"

namespace Archives {

QString equipmentPath() { return ProgramFolder::file(QLatin1String(kEquipmentFile)); }
QString workersPath() { return ProgramFolder::file(QLatin1String(kWorkersFile)); }
QString journalPath(const QString &journalName)
{
    return ProgramFolder::file(journalName + QLatin1String(kJournalSuffix));
}

QString accessFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

} // namespace Archives
