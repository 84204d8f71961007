#pragma once

#include <QString>
#include <QStringView>

// The four check tools: each takes the entry as the screen holds it and returns the message
// that "Controlla" shows. The screens and cantilog-cli both call these.
namespace Checks {

struct Outcome {
    enum Kind { None, Information, Warning };
    Kind kind = None;
    QString text;
    // A malformed entry (wrong length, empty): the screen keeps the focus on the entry and
    // stays open. Every other outcome closes the screen.
    bool staysOpen = false;
};

// Italian VAT number (partita IVA).
Outcome vatNumber(const QString &entry);
bool isValidVatNumber(QStringView number); // 11 digits with the right check digit
QString vatOffice(QStringView officeCode); // "058" -> "Roma 1"; empty when unknown

// Italian fiscal code of a person: only the check character is verified.
Outcome fiscalCode(const QString &entry);
bool isValidFiscalCode(QStringView code);            // 16 characters
QChar fiscalCodeCheckCharacter(QStringView first15); // null when a character is not A-Z/0-9

// Payment card number.
Outcome paymentCard(const QString &entry);
bool passesLuhn(QStringView entry);  // on the digits among the first 20 characters
QString cardKind(QStringView entry); // empty when the kind is unknown or not valid

// IBAN of 27 characters.
Outcome iban(const QString &entry);
bool isValidIban(QStringView text); // the ISO 13616 remainder check

} // namespace Checks
