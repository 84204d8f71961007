#include "foundation/Formats.h"

#include "foundation/Text.h"

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

namespace {

// The ASCII digits of `text` from `from` up to the next '/' or the end, as a number of 1 to
// `maxDigits` digits; -1 when they are not.
int readNumber(QStringView text, qsizetype *from, int minDigits, int maxDigits)
{
    int value = 0, digits = 0;
    qsizetype i = *from;
    for (; i < text.size() && text.at(i) != u'/'; ++i, ++digits) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9' || digits == maxDigits)
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    *from = i;
    return digits >= minDigits ? value : -1;
}

} // namespace

std::optional<QDate> readDate(const QString &text)
{
    const QString t = Text::trimBlanks(text);
    qsizetype at = 0;
    const int day = readNumber(t, &at, 1, 2);
    if (day < 0 || at >= t.size())
        return std::nullopt;
    ++at;
    const int month = readNumber(t, &at, 1, 2);
    if (month < 0 || at >= t.size())
        return std::nullopt;
    ++at;
    const int year = readNumber(t, &at, 4, 4);
    if (year < 0 || at != t.size())
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace Formats
