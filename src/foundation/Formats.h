#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Process-wide formats: dates as "dd/mm/yyyy", the comma as decimal separator.
namespace Formats {
inline constexpr QLatin1StringView kDateFormat{"dd/MM/yyyy"};
void apply();  // sets the Italian number format as the default locale
QDate today(); // the system date unless setToday() said otherwise
void setToday(const QDate &date);
QString dateText(const QDate &date); // "dd/mm/yyyy"
QString todayText();
// A date as a user types it: day/month/year, the day and the month of one or two digits, the
// year of four, blanks at both ends ignored; nothing for any other text or a day the calendar
// does not have (31/02/2024). Every date check and every reader of stored dates uses this one.
std::optional<QDate> readDate(const QString &text);
} // namespace Formats
