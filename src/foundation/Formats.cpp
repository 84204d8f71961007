#include "foundation/Formats.h"

#include <QLocale>

namespace {
QDate g_today;
}

namespace Formats {

void apply() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

QDate today() { return g_today.isValid() ? g_today : QDate::currentDate(); }

void setToday(const QDate &date) { g_today = date; }

QString dateText(const QDate &date) { return date.toString(kDateFormat); }

QString todayText() { return dateText(today()); }

QDate parseDate(const QString &text) { return QDate::fromString(text, kDateFormat); }

} // namespace Formats
