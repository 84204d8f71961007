#include "checks/Checks.h"

#include "foundation/Text.h"

#include <algorithm>
#include <iterator>

namespace Checks {

namespace {

// Kinds by the first digit of a number that passes the check digit; for the numbers starting
// with 3 also by the first two characters of the trimmed entry as typed.
struct KindByPrefix {
    char firstDigit;
    const char *firstTwo; // nullptr: any
    const char16_t *kind;
};

constexpr KindByPrefix kKinds[] = {
    {'3', "30", u"Diner's Club / Carte Blanche"},
    {'3', "36", u"Diner's Club / Carte Blanche"},
    {'3', "38", u"Diner's Club / Carte Blanche"},
    {'3', "34", u"American Express"},
    {'3', "37", u"American Express"},
    {'3', "31", u"JCB"},
    {'3', "33", u"JCB"},
    {'3', "35", u"JCB"},
    {'4', nullptr, u"Visa"},
    {'5', nullptr, u"MasterCard"},
    {'6', nullptr, u"Discover"},
};

// Kinds by the number formed by the first four digits (MasterCard's 2-series since 2017).
struct KindByRange {
    int from;
    int to;
    const char16_t *kind;
};

constexpr KindByRange kRanges[] = {
    {2221, 2720, u"MasterCard"},
};

// Only the digits among the first characters of the entry take part in the check.
constexpr qsizetype kCheckedCharacters = 20;

const QString kEmptyWarning =
    QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString kWrongText =
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");

QString checkedDigits(QStringView entry)
{
    QString digits;
    for (QChar c : entry.first(std::min(entry.size(), kCheckedCharacters)))
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

QString validText(const QString &trimmed)
{
    return QStringLiteral("Il numero di carta di credito ") + trimmed + QStringLiteral(" risulta valido.");
}

} // namespace

bool passesLuhn(QStringView entry)
{
    const QString digits = checkedDigits(entry);
    const qsizetype n = digits.size();
    if (n == 0)
        return false;
    int s = 0;
    bool doubled = true; // the digit just left of the check digit is doubled
    for (qsizetype i = n - 2; i >= 0; --i, doubled = !doubled) {
        int d = digits[i].unicode() - u'0';
        if (doubled) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        s += d;
    }
    return (10 - s % 10) % 10 == digits[n - 1].unicode() - u'0';
}

QString cardKind(QStringView entry)
{
    if (!passesLuhn(entry))
        return {};
    const QString digits = checkedDigits(entry);
    const QString trimmed = Text::trimBlanks(entry.toString());
    const QStringView firstTwo = QStringView(trimmed).first(std::min<qsizetype>(trimmed.size(), 2));
    for (const KindByPrefix &row : kKinds) {
        if (digits[0] != QLatin1Char(row.firstDigit))
            continue;
        if (!row.firstTwo || firstTwo == QLatin1StringView(row.firstTwo))
            return QString::fromUtf16(row.kind);
    }
    if (digits.size() >= 4) {
        const int firstFour = digits.first(4).toInt();
        for (const KindByRange &row : kRanges)
            if (firstFour >= row.from && firstFour <= row.to)
                return QString::fromUtf16(row.kind);
    }
    return {};
}

Outcome paymentCard(const QString &entry)
{
    const QString trimmed = Text::trimBlanks(entry);
    if (trimmed.isEmpty())
        return {Outcome::Warning, kEmptyWarning, true};
    if (!passesLuhn(entry))
        return {Outcome::Warning, kWrongText, false};
    const QString kind = cardKind(entry);
    if (!kind.isEmpty())
        return {Outcome::Information,
                validText(trimmed) + QStringLiteral("\r\n\r\nLa carta di credito è del tipo ") + kind + u'.', false};
    // A valid number of the 3 family whose second character names no known kind.
    if (checkedDigits(entry).startsWith(u'3'))
        return {Outcome::Information, validText(trimmed), false};
    return {Outcome::Warning, kWrongText, false};
}

} // namespace Checks
