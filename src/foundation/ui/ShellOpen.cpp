#include "foundation/ui/ShellOpen.h"

#include "foundation/ui/Dialogs.h"

#include <QUrl>

QString TMisc::toUrl(const QString &target)
{
    QString t = target;
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        t = t.mid(1, t.size() - 2);
    const QUrl asUrl(t);
    const bool hasScheme = !asUrl.scheme().isEmpty() && asUrl.scheme().size() > 1;
    if (hasScheme && !t.startsWith(QLatin1Char('/')))
        return t;
    return QUrl::fromLocalFile(t).toString(QUrl::FullyEncoded);
}

void TMisc::Open(const QString &target) { Dialogs::instance().shellOpen(toUrl(target)); }
