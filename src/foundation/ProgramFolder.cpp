#include "foundation/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString &folder()
{
    static QString f;
    return f;
}

const char kStoreName[] = "unins000.dll";
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

bool isSet() { return !folder().isEmpty(); }

QString file(const QString &name) { return path() + name; }

QString attachmentsFolder() { return path() + QStringLiteral("Documenti_Allegati/"); }

QString installationShare(const QString &executableDir)
{
    const QDir bin(executableDir);
    if (bin.dirName() != QLatin1String("bin"))
        return {};
    const QString share = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/cantilog")));
    if (!QFileInfo::exists(share + QLatin1Char('/') + QLatin1String(kStoreName)))
        return {};
    return share + QLatin1Char('/');
}

Location locate(const QString &executableDir, const QString &folderOption, const QString &environmentFolder,
                const QString &home)
{
    Location location;
    location.starterFiles = installationShare(executableDir);
    if (!folderOption.isEmpty())
        location.folder = folderOption;
    else if (location.starterFiles.isEmpty())
        location.folder = executableDir;
    else if (!environmentFolder.isEmpty())
        location.folder = environmentFolder;
    else
        location.folder = QDir(home).filePath(QStringLiteral("Cantilog"));
    return location;
}

Location locateForProcess(const QString &folderOption)
{
    return locate(QCoreApplication::applicationDirPath(), folderOption, qEnvironmentVariable("CANTILOG_FOLDER"),
                  QDir::homePath());
}

bool prepare(const Location &location)
{
    set(location.folder);
    if (location.starterFiles.isEmpty())
        return true;
    const QDir target(path());
    if (!target.mkpath(QStringLiteral(".")) || !target.mkpath(QStringLiteral("Documenti_Allegati")))
        return false;
    const QDir starters(location.starterFiles);
    for (const QString &name : starters.entryList(QDir::Files)) {
        const QString destination = target.filePath(name);
        if (!QFileInfo::exists(destination) && !QFile::copy(starters.filePath(name), destination))
            return false;
    }
    return true;
}

QString cannotPrepareMessage(const Location &location)
{
    return QStringLiteral("Impossibile creare la cartella del programma:\r\n") + QDir(location.folder).absolutePath();
}

} // namespace ProgramFolder
