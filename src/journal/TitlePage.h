#pragma once

#include "report/Report.h"

#include <QStringList>

#include <span>

// The title page: nine values kept in "Cantilog.ini" for the whole installation.
namespace TitlePage {

inline constexpr const char *kSettingsFile = "Cantilog.ini";
inline constexpr const char *kSection = "Frontespizio Registro";

struct Field {
    const char *key;     // key in the settings section
    const char *control; // screen field and report memo of the same name
    int maxLength;
    const char *prefix; // printed before the value
};
std::span<const Field> fields();

// The nine values in the order of fields(); a missing file, section or key reads as empty.
QStringList load();
// Stores every value trimmed, keeping the rest of the file; false when it cannot be written.
bool save(const QStringList &values);

void fill(Report::Report &report, const QStringList &values);
Report::PreparedReport prepared(const QStringList &values);

} // namespace TitlePage
