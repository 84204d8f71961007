#include "shell/Password.h"

#include "foundation/IniFile.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <algorithm>

namespace Password {

namespace {

std::uint16_t nextKey(std::uint16_t key, int c)
{
    return std::uint16_t((unsigned(key) + unsigned(c)) * kKeyMultiplier + kKeyAddend);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

QString storeSection() { return QString::fromLatin1(kSection); }
QString storeKey() { return QString::fromLatin1(kKey); }

} // namespace

QString scramble(const QString &plain)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(plain.size() * 2);
    std::uint16_t key = kKeyStart;
    for (QChar ch : plain) {
        const int c = (ch.unicode() & 0xFF) ^ (key >> 8);
        out += QLatin1Char(digits[c >> 4]);
        out += QLatin1Char(digits[c & 0xF]);
        key = nextKey(key, c);
    }
    return out;
}

std::optional<QString> unscramble(const QString &hex)
{
    const qsizetype n = hex.size() / 2;
    QString out;
    out.reserve(n);
    std::uint16_t key = kKeyStart;
    for (qsizetype i = 0; i < n; ++i) {
        const int high = hexValue(hex[2 * i]), low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const int c = high * 16 + low;
        out += QChar(char16_t(c ^ (key >> 8)));
        key = nextKey(key, c);
    }
    return out;
}

QString storePath() { return ProgramFolder::file(QString::fromLatin1(kStoreFile)); }

std::optional<QString> readStored()
{
    IniFile store(storePath());
    if (!store.load())
        return std::nullopt;
    const std::optional<QString> plain = unscramble(store.value(storeSection(), storeKey()));
    if (!plain)
        return std::nullopt;
    return Text::trimBlanks(*plain);
}

bool writeStored(const QString &password)
{
    IniFile store(storePath());
    if (!store.load())
        return false;
    store.setValue(storeSection(), storeKey(), scramble(password));
    return store.save();
}

QString normalised(const QString &entry) { return Text::trimBlanks(Text::upperAscii(entry)); }

bool isStorable(const QString &password)
{
    return std::all_of(password.begin(), password.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

LoginResult login(const QString &entry)
{
    const std::optional<QString> stored = readStored();
    if (!stored)
        return LoginResult::ReadFailure;
    // A blank entry never opens the program, not even when the store holds no password.
    const QString given = normalised(entry);
    return !given.isEmpty() && given == *stored ? LoginResult::Accepted : LoginResult::Wrong;
}

QString loginMessage(LoginResult result)
{
    switch (result) {
    case LoginResult::Accepted:
        return {};
    case LoginResult::Wrong:
        return QStringLiteral("Attenzione: password errata.");
    case LoginResult::ReadFailure:
        break;
    }
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                          "password. Si consiglia di reinstallare il software.");
}

ChangeResult change(const QString &oldEntry, const QString &newEntry, const QString &confirmation)
{
    const std::optional<QString> stored = readStored();
    if (!stored)
        return ChangeResult::Failure;
    const QString old = normalised(oldEntry);
    if (old.isEmpty() || old != *stored)
        return ChangeResult::OldWrong;
    if (Text::trimBlanks(newEntry) != Text::trimBlanks(confirmation))
        return ChangeResult::NotConfirmed;
    const QString password = normalised(newEntry);
    if (!isStorable(password))
        return ChangeResult::NotStorable;
    return writeStored(password) ? ChangeResult::Changed : ChangeResult::Failure;
}

QString changeMessage(ChangeResult result)
{
    switch (result) {
    case ChangeResult::Changed:
        return QStringLiteral("Modifica della password completata con successo.");
    case ChangeResult::OldWrong:
        return QStringLiteral("Attenzione: vecchia password errata.");
    case ChangeResult::NotConfirmed:
        return QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                              "E' necessario reinserire entrambi i valori.");
    case ChangeResult::NotStorable:
        return QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi. "
                              "E' necessario reinserire entrambi i valori.");
    case ChangeResult::Failure:
        break;
    }
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                          "password. Si consiglia di reinstallare il software.");
}

bool loginEnabled(const QString &entry) { return !Text::trimBlanks(entry).isEmpty(); }

bool changeEnabled(const QString &oldEntry, const QString &newEntry, const QString &confirmation)
{
    return loginEnabled(oldEntry) && loginEnabled(newEntry) && loginEnabled(confirmation);
}

} // namespace Password
