#include "journal/PageEntries.h"

#include "foundation/Text.h"

namespace PageEntries {

QString workerEntry(const QString &job, const QString &surname, const QString &firstName)
{
    return Text::trimBlanks(job) + u' ' + Text::trimBlanks(surname) + u' ' + Text::trimBlanks(firstName);
}

QString machineEntry(const QString &description) { return Text::trimBlanks(description); }

QString appended(const QString &field, const QString &entry)
{
    const QString current = Text::trimBlanks(field);
    return current.isEmpty() ? entry : current + QStringLiteral(", ") + entry;
}

} // namespace PageEntries
