#include "checks/Checks.h"

#include "foundation/Text.h"

namespace Checks {

namespace {

constexpr qsizetype kIbanLength = 27;
// Each intermediate number of the remainder stays within 9 digits.
constexpr int kChunkDigits = 9;

const QString kLengthWarning = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kValidText = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kWrongText = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

bool isLetter(QChar c) { return c >= u'A' && c <= u'Z'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

bool isValidIban(QStringView text)
{
    QString s = Text::upperAscii(text.toString());
    s.remove(u' ');
    const qsizetype prefix = s.indexOf(QLatin1StringView("IBAN"));
    if (prefix >= 0)
        s.remove(prefix, 4);
    for (QChar c : s)
        if (!isDigit(c) && !isLetter(c))
            return false;
    // The first four characters go to the end, then each letter becomes its number (A = 10).
    QString digits;
    for (QChar c : s.mid(4) + s.left(4))
        digits += isDigit(c) ? QString(c) : QString::number(c.unicode() - u'A' + 10);

    QString remainder;
    qsizetype p = 0;
    int m = kChunkDigits;
    while (p < digits.size()) {
        const QStringView chunk = QStringView(digits).mid(p, m);
        remainder = QString::number((remainder + chunk.toString()).toLongLong() % 97);
        p += chunk.size();
        m = kChunkDigits - int(remainder.size());
    }
    return remainder == QLatin1String("1");
}

Outcome iban(const QString &entry)
{
    const QString trimmed = Text::trimBlanks(entry);
    if (trimmed.size() != kIbanLength)
        return {Outcome::Warning, kLengthWarning, true};
    if (isValidIban(trimmed))
        return {Outcome::Information, kValidText, false};
    return {Outcome::Warning, kWrongText, false};
}

} // namespace Checks
