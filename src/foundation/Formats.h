#pragma once

#include <QDate>
#include <QString>

// Process-wide formats: dates as "dd/mm/yyyy", the comma as decimal separator.
namespace Formats {
inline constexpr QLatin1StringView kDateFormat{"dd/MM/yyyy"};
void apply();                        // sets the Italian number format as the default locale
QDate today();                       // the system date unless setToday() said otherwise
void setToday(const QDate &date);
QString dateText(const QDate &date); // "dd/mm/yyyy"
QString todayText();
QDate parseDate(const QString &text); // invalid unless exactly "dd/mm/yyyy"
}
