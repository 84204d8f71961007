#pragma once

#include <QString>

#include <optional>

// Amounts in euro as the inventory keeps them: text with a comma as decimal separator, two to
// four decimals, no thousands separator ("1250,00", "12,345").
namespace Amounts {

// The text read as a decimal number with the comma as separator (blanks around it allowed,
// an optional sign, digits on at least one side of the comma); nothing when it is not one.
std::optional<double> read(const QString &text);

// Up to 15 significant digits, comma as separator, no trailing zeros, no comma for a whole
// number (12,5 and 12); never an exponent.
QString shortForm(double value);

// What an amount field holds once left: "0,00" for an empty or unreadable text, otherwise the
// number rounded half up to four decimals, with at least two decimals.
QString normalise(const QString &text);

// The keys an amount field lets through: digits, the comma, Backspace, Delete, Left and Right.
bool amountKeyAccepted(int key, const QString &text);
// The keys a field of whole days lets through: digits, Backspace, Delete, Left and Right.
bool digitKeyAccepted(int key, const QString &text);

} // namespace Amounts
