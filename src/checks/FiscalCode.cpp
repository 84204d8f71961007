#include "checks/Checks.h"

#include "foundation/Text.h"

namespace Checks {

namespace {

// Values of a character of the fiscal code in an odd and in an even position; a digit counts
// as the letter in its place (0 as A, 1 as B, ...).
struct CharacterValue {
    char letter;
    int odd;
    int even;
};

constexpr CharacterValue kValues[26] = {
    {'A', 1, 0},   {'B', 0, 1},   {'C', 5, 2},   {'D', 7, 3},   {'E', 9, 4},   {'F', 13, 5},  {'G', 15, 6},
    {'H', 17, 7},  {'I', 19, 8},  {'J', 21, 9},  {'K', 2, 10},  {'L', 4, 11},  {'M', 18, 12}, {'N', 20, 13},
    {'O', 11, 14}, {'P', 3, 15},  {'Q', 6, 16},  {'R', 8, 17},  {'S', 12, 18}, {'T', 14, 19}, {'U', 16, 20},
    {'V', 10, 21}, {'W', 22, 22}, {'X', 25, 23}, {'Y', 24, 24}, {'Z', 23, 25},
};

// The row of a character, or nullptr when it is neither A-Z nor 0-9.
const CharacterValue *valueOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return &kValues[u - u'A'];
    if (u >= u'0' && u <= u'9')
        return &kValues[u - u'0'];
    return nullptr;
}

const QString kLengthWarning =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValidText = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrongText = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

} // namespace

QChar fiscalCodeCheckCharacter(QStringView first15)
{
    if (first15.size() != 15)
        return {};
    int s = 0;
    for (int i = 0; i < 15; ++i) {
        const CharacterValue *v = valueOf(first15[i]);
        if (!v)
            return {};
        s += i % 2 == 0 ? v->odd : v->even; // positions counted from 1: c1 is odd
    }
    return QChar(u'A' + s % 26);
}

bool isValidFiscalCode(QStringView code)
{
    if (code.size() != 16)
        return false;
    const QChar expected = fiscalCodeCheckCharacter(code.first(15));
    return !expected.isNull() && code[15] == expected;
}

Outcome fiscalCode(const QString &entry)
{
    const QString code = Text::upperAscii(entry);
    if (code.size() != 16)
        return {Outcome::Warning, kLengthWarning, true};
    if (isValidFiscalCode(code))
        return {Outcome::Information, kValidText, false};
    return {Outcome::Warning, kWrongText, false};
}

} // namespace Checks
