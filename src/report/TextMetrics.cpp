#include "report/TextMetrics.h"

#include <QHash>
#include <QImage>
#include <QTextLayout>

#include <memory>

namespace {

constexpr int kReferenceDpi = 1200;

const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kReferenceDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

namespace TextMetrics {

QFont fontFor(const MemoStyle &style)
{
    QFont f(style.family);
    f.setPointSizeF(style.pointSize);
    f.setBold(style.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

const TextFont &font(const MemoStyle &style)
{
    static QHash<QString, std::shared_ptr<TextFont>> cache;
    const QString key = style.family + QLatin1Char('|') + QString::number(style.pointSize) +
        (style.bold ? QLatin1String("|b") : QLatin1String("|r"));
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return **it;
    const QFont f = fontFor(style);
    const QFont measured(f, &referenceDevice());
    auto entry = std::make_shared<TextFont>(TextFont{f, QFontMetricsF(measured, &referenceDevice())});
    entry->mmPerPixel = 25.4 / kReferenceDpi;
    entry->ascent = entry->metrics.ascent() * entry->mmPerPixel;
    entry->height = entry->metrics.height() * entry->mmPerPixel;
    entry->lineSpacing = entry->metrics.lineSpacing() * entry->mmPerPixel;
    cache.insert(key, entry);
    return *entry;
}

double width(const TextFont &font, const QString &text)
{
    return font.metrics.horizontalAdvance(text) * font.mmPerPixel;
}

QString cut(const TextFont &font, const QString &text, double available)
{
    if (width(font, text) <= available)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (width(font, text.left(mid)) <= available)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low);
}

void wrap(const TextFont &font, const QString &paragraph, double available, QStringList *lines, QList<double> *widths)
{
    if (paragraph.isEmpty()) {
        lines->append(QString());
        widths->append(0);
        return;
    }
    QTextLayout layout(paragraph, QFont(font.font, &referenceDevice()), &referenceDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    const double linePixels = available / font.mmPerPixel;
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(linePixels);
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString text = paragraph.mid(line.textStart(), line.textLength());
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
        lines->append(text);
        widths->append(width(font, text));
    }
}

} // namespace TextMetrics
