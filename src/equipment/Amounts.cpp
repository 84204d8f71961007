#include "equipment/Amounts.h"

#include "foundation/Text.h"

#include <Qt>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Amounts {

namespace {

constexpr Qt::Key kEditingKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right};

bool isEditingKey(int key)
{
    return std::find(std::begin(kEditingKeys), std::end(kEditingKeys), key) != std::end(kEditingKeys);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<double> read(const QString &text)
{
    const QString t = Text::trimBlanks(text);
    qsizetype i = 0;
    QByteArray plain; // the number in the C locale's notation
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-'))
        plain += char(t.at(i++).unicode());
    int digits = 0;
    bool comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (isDigit(c)) {
            plain += char(c.unicode());
            ++digits;
        } else if (c == u',' && !comma) {
            plain += '.';
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString shortForm(double value)
{
    char buffer[400];
    if (std::fabs(value) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    QString text = QString::fromLatin1(buffer);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString normalise(const QString &text)
{
    static const QString kZero = QStringLiteral("0,00");
    if (Text::trimBlanks(text).isEmpty())
        return kZero;
    const std::optional<double> value = read(text);
    if (!value)
        return kZero;
    QString t = shortForm(std::floor(*value * 10000.0 + 0.5) / 10000.0);
    if (!t.contains(QLatin1Char(',')))
        t += QLatin1String(",00");
    if (Text::trimBlanks(t) == QLatin1String(","))
        t = kZero;
    if (t.startsWith(QLatin1Char(',')))
        t.prepend(QLatin1Char('0'));
    if (t.endsWith(QLatin1Char(',')))
        t += QLatin1String("00");
    if (t.size() >= 2 && t.at(t.size() - 2) == u',' && isDigit(t.back()))
        t += QLatin1Char('0');
    return t;
}

bool amountKeyAccepted(int key, const QString &text)
{
    return isEditingKey(key) || (text.size() == 1 && (isDigit(text.at(0)) || text.at(0) == u','));
}

bool digitKeyAccepted(int key, const QString &text)
{
    return isEditingKey(key) || (text.size() == 1 && isDigit(text.at(0)));
}

} // namespace Amounts
