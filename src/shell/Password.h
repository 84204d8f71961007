#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The access password: kept scrambled, as hexadecimal text, in the password store of the
// program folder.
namespace Password {

inline constexpr const char *kStoreFile = "unins000.dll";
inline constexpr const char *kSection = "Accesso";
inline constexpr const char *kKey = "Valore";
// The password held by the store that comes with the installation.
inline constexpr const char *kInitialPassword = "CANTILOG";

// The running key of the scrambling, 16 bits, reset for every run.
inline constexpr std::uint16_t kKeyStart = 2953;
inline constexpr std::uint16_t kKeyMultiplier = 40517;
inline constexpr std::uint16_t kKeyAddend = 29183;

// Two upper-case hex digits per character; only the low 8 bits of each character are kept.
QString scramble(const QString &plain);
// Fails on a pair that is not a hexadecimal number; a last odd digit is ignored.
std::optional<QString> unscramble(const QString &hex);

QString storePath();
// The stored password, unscrambled and trimmed; empty when the store or its key is missing;
// nothing when the store cannot be read or its value is not hexadecimal.
std::optional<QString> readStored();
// Scrambles `password` and writes it into the store, creating the file or key when missing.
bool writeStored(const QString &password);

// An entry as it is compared: a-z upper-cased, then trimmed.
QString normalised(const QString &entry);
// Characters beyond U+00FF cannot be stored (only their low 8 bits would be).
bool isStorable(const QString &password);

enum class LoginResult { Accepted, Wrong, ReadFailure };
LoginResult login(const QString &entry);
// The message of a refused login; empty for Accepted.
QString loginMessage(LoginResult result);

enum class ChangeResult { Changed, OldWrong, NotConfirmed, NotStorable, Failure };
ChangeResult change(const QString &oldEntry, const QString &newEntry, const QString &confirmation);
QString changeMessage(ChangeResult result);

// OK of the login screen: enabled when the trimmed entry is not empty.
bool loginEnabled(const QString &entry);
// OK of the change screen: enabled when all three trimmed fields are not empty.
bool changeEnabled(const QString &oldEntry, const QString &newEntry, const QString &confirmation);

} // namespace Password
