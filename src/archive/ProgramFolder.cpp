#include "archive/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &folder()
{
    static QString f;
    return f;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    if (folder().isEmpty() && QCoreApplication::instance())
        set(QCoreApplication::applicationDirPath());
    return folder();
}

void set(const QString &dir)
{
    QString p = QDir(dir).absolutePath();
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    folder() = p;
}

QString file(const QString &name) { return path() + name; }

QString attachmentsFolder() { return path() + QStringLiteral("Documenti_Allegati/"); }

} // namespace ProgramFolder

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
