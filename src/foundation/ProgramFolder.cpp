#include "foundation/ProgramFolder.h"

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
