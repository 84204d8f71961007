#include "foundation/Text.h"

#include <QList>
#include <QRegularExpression>

namespace {

// Qt's own windows-1252 encoder needs ICU and writes 0x1A for unmappable characters;
// the 32 code points of 0x80..0x9F are the only ones that differ from Latin-1.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

inline char16_t foldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

} // namespace

namespace Text {

QByteArray toCp1252(const QString &text)
{
    QByteArray out;
    appendCp1252(out, text);
    return out;
}

void appendCp1252(QByteArray &out, QStringView text)
{
    out.reserve(out.size() + text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(static_cast<char>(c));
        } else if (QChar::isHighSurrogate(c)) {
            // A character outside the BMP is one code point, so one '?'.
            if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
                ++i;
            out.append('?');
        } else {
            out.append(encodeOne(c));
        }
    }
}

QString fromCp1252(const char *bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = QChar((b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString blankControls(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    return out;
}

QString upperAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(foldAscii(c.unicode()));
    return out;
}

QString toCrLf(const QString &screenText)
{
    QString out = screenText;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString fromCrLf(const QString &storedText)
{
    QString out = storedText;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

int compareFolded(const QString &a, const QString &b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldAscii(a.at(i).unicode());
        const char16_t y = foldAscii(b.at(i).unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool containsFolded(const QString &haystack, const QString &needle)
{
    const qsizetype n = needle.size(), h = haystack.size();
    if (n == 0)
        return true;
    for (qsizetype start = 0; start + n <= h; ++start) {
        qsizetype i = 0;
        while (i < n && foldAscii(haystack.at(start + i).unicode()) == foldAscii(needle.at(i).unicode()))
            ++i;
        if (i == n)
            return true;
    }
    return false;
}

QString messageLines(const QString &message)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n\r|\r|\n"));
    QString text = message;
    text.replace(breaks, QStringLiteral("\n"));
    return text;
}

} // namespace Text
