#include "report/Report.h"

#include "report/Pictures.h"
#include "report/TextMetrics.h"

#include <QRegularExpression>

#include <algorithm>

namespace Report {

namespace {

QColor colourOf(QRgb rgb) { return rgb == Colours::None ? QColor() : QColor::fromRgba(rgb); }

ReportObject objectFrom(const ObjectRow &row)
{
    ReportObject o;
    o.name = QString::fromLatin1(row.name);
    o.rect = QRectF(row.left, row.top, row.width, row.height);
    switch (row.kind) {
    case RowKind::Memo:
        o.kind = ObjectKind::Memo;
        o.memo.family = QString::fromLatin1(row.font.family);
        o.memo.pointSize = row.font.size;
        o.memo.bold = row.font.bold;
        o.memo.colour = QColor::fromRgba(row.font.colour);
        o.memo.fill = colourOf(row.fill);
        o.memo.align = row.align;
        o.memo.valign = row.valign;
        o.memo.wordWrap = row.flags & WordWrap;
        o.memo.expressions = row.flags & Expressions;
        o.memo.linePitch = row.linePitch;
        o.setText(QString::fromUtf8(row.text));
        break;
    case RowKind::Shape:
        o.kind = ObjectKind::Shape;
        o.fill = colourOf(row.fill);
        o.outline = colourOf(row.outline);
        break;
    case RowKind::HorizontalLine:
        o.kind = ObjectKind::Line;
        o.rect.setHeight(0);
        break;
    case RowKind::VerticalLine:
        o.kind = ObjectKind::Line;
        o.vertical = true;
        o.rect.setWidth(0);
        break;
    case RowKind::Picture:
        o.kind = ObjectKind::Picture;
        o.picture = Pictures::image(row.picture);
        break;
    }
    return o;
}

// Inner margins of a memo box: 2 report units left and right, 1 unit at the top.
constexpr double kGapX = 2.0 / kUnitsPerMm;
constexpr double kGapY = 1.0 / kUnitsPerMm;

// A memo's text laid out inside its box, in the box's own coordinates (mm).
struct MemoLayout {
    QStringList lines;
    QList<QPointF> origins; // relative to the box's top-left
    QList<double> tops;     // top of each line's slot
    double pitch = 0;
};

MemoLayout layoutMemo(const ReportObject &memo, const QString &printDate)
{
    MemoLayout out;
    const TextFont &font = TextMetrics::font(memo.memo);
    const double available = std::max(0.0, memo.rect.width() - 2 * kGapX);
    const double pitch = memo.memo.linePitch > 0 ? memo.memo.linePitch : font.lineSpacing;
    out.pitch = pitch;

    QStringList visual;
    QList<double> widths;
    for (const QString &source : memo.lines) {
        const QString line = memo.memo.expressions ? evaluate(source, printDate) : source;
        if (memo.memo.wordWrap) {
            TextMetrics::wrap(font, line, available, &visual, &widths);
        } else {
            const QString cut = TextMetrics::cut(font, line, available);
            visual.append(cut);
            widths.append(TextMetrics::width(font, cut));
        }
    }
    if (visual.isEmpty())
        return out;

    const double boxHeight = memo.rect.height();
    const double blockHeight = (visual.size() - 1) * pitch + font.height;
    double top = kGapY;
    if (memo.memo.valign == VAlign::Middle && blockHeight <= boxHeight)
        top = (boxHeight - blockHeight) / 2;
    for (int i = 0; i < visual.size(); ++i) {
        const double lineTop = top + i * pitch;
        const double baseline = lineTop + font.ascent;
        // A line is drawn only when its letters fit above the box's bottom edge.
        if (baseline > boxHeight + 1e-6)
            break;
        double x = kGapX;
        if (memo.memo.align == HAlign::Centre)
            x = (memo.rect.width() - widths[i]) / 2;
        else if (memo.memo.align == HAlign::Right)
            x = memo.rect.width() - kGapX - widths[i];
        out.lines.append(visual[i]);
        out.origins.append(QPointF(x, baseline));
        out.tops.append(lineTop);
    }
    return out;
}

DrawnObject drawnFrom(const ReportObject &o, int page)
{
    DrawnObject d;
    d.name = o.name;
    d.kind = o.kind;
    d.page = page;
    d.rect = o.rect;
    d.vertical = o.vertical;
    d.memo = o.memo;
    d.fill = o.fill;
    d.outline = o.outline;
    d.picture = o.picture;
    return d;
}

// Every memo of `objects` laid out once (an empty layout for the other objects), so that a band
// split over many pages is not laid out again for each page.
QList<MemoLayout> layoutAll(const QList<ReportObject> &objects, const QString &printDate)
{
    QList<MemoLayout> layouts;
    layouts.reserve(objects.size());
    for (const ReportObject &o : objects)
        layouts.append(o.kind == ObjectKind::Memo ? layoutMemo(o, printDate) : MemoLayout());
    return layouts;
}

// The first line of `text` whose top, in band coordinates, is not above `y`.
qsizetype firstLineFrom(const MemoLayout &text, double objectTop, double y)
{
    const auto above = [objectTop](double top, double limit) { return objectTop + top < limit; };
    return std::lower_bound(text.tops.cbegin(), text.tops.cend(), y, above) - text.tops.cbegin();
}

// Places `objects` on a page: band coordinates from `from` to `to` go to the page from
// `origin` down; only what lies in that part is drawn (a split band shows one part per page).
void place(const QList<ReportObject> &objects, const QList<MemoLayout> &layouts, QPointF origin, double from, double to,
           bool last, int page, QList<DrawnObject> *out)
{
    constexpr double eps = 1e-6;
    const double shift = origin.y() - from;
    for (qsizetype k = 0; k < objects.size(); ++k) {
        const ReportObject &o = objects[k];
        const QRectF r = o.rect;
        if (o.kind == ObjectKind::Line) {
            const bool here = r.top() >= from - eps && (r.top() < to - eps || (last && r.top() <= to + eps));
            if (!here)
                continue;
        } else if (r.height() <= 0 || r.bottom() <= from + eps || r.top() >= to - eps) {
            continue;
        }
        DrawnObject d = drawnFrom(o, page);
        if (o.kind == ObjectKind::Line) {
            d.rect = r.translated(origin.x(), shift);
        } else {
            const double top = std::max(r.top(), from), bottom = std::min(r.bottom(), to);
            d.rect = QRectF(r.left() + origin.x(), top + shift, r.width(), bottom - top);
        }
        if (o.kind == ObjectKind::Memo) {
            const MemoLayout &text = layouts[k];
            for (qsizetype i = firstLineFrom(text, r.top(), from - eps); i < text.lines.size(); ++i) {
                if (r.top() + text.tops[i] >= to - eps)
                    break;
                d.lines.append(text.lines[i]);
                d.origins.append(
                    QPointF(r.left() + origin.x() + text.origins[i].x(), r.top() + shift + text.origins[i].y()));
            }
        }
        out->append(d);
    }
}

// Where a band that does not fit in `room` (mm from `from`) may be cut: at the top of the
// first memo line that would cross the page's end. Returns `from` when no line fits.
double cutPoint(const Band &band, const QList<MemoLayout> &layouts, double from, double room)
{
    double cut = from + room;
    for (qsizetype k = 0; k < band.objects.size(); ++k) {
        const ReportObject &o = band.objects[k];
        if (o.kind != ObjectKind::Memo)
            continue;
        const MemoLayout &text = layouts[k];
        // The tops rise line by line: past the cut no line can cross it.
        for (qsizetype i = firstLineFrom(text, o.rect.top(), from - 1e-6); i < text.tops.size(); ++i) {
            const double top = o.rect.top() + text.tops[i];
            if (top >= cut)
                break;
            if (top + text.pitch > cut + 1e-6)
                cut = top;
        }
    }
    return std::max(cut, from);
}

} // namespace

void ReportObject::setText(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    lines = text.isEmpty() ? QStringList() : text.split(breaks);
}

void PageSetup::setOrientation(Orientation o)
{
    if (o == orientation)
        return;
    orientation = o;
    paper.transpose();
}

QRectF PageSetup::printable() const
{
    return QRectF(marginLeft, marginTop, paper.width() - marginLeft - marginRight,
                  paper.height() - marginTop - marginBottom);
}

QList<DrawnObject> PreparedReport::drawn() const
{
    QList<DrawnObject> all;
    for (const PreparedPage &p : pages)
        all += p.objects;
    return all;
}

const DrawnObject *PreparedReport::find(QStringView objectName) const &
{
    for (const PreparedPage &p : pages)
        for (const DrawnObject &d : p.objects)
            if (d.name == objectName)
                return &d;
    return nullptr;
}

Report::Report(const LayoutTable &layout) : m_name(QString::fromUtf8(layout.reportName))
{
    m_page.paper = QSizeF(210.0, 297.0);
    m_page.orientation = Orientation::Portrait;
    m_page.setOrientation(layout.orientation);
    m_page.marginLeft = layout.marginLeft;
    m_page.marginRight = layout.marginRight;
    m_page.marginTop = layout.marginTop;
    m_page.marginBottom = layout.marginBottom;
    for (const ObjectRow &row : layout.objects)
        m_objects.append(objectFrom(row));
    for (const BandRow &row : layout.bands) {
        Band band;
        band.name = QString::fromLatin1(row.name);
        band.kind = row.kind;
        band.height = row.height;
        band.canSplit = row.canSplit;
        for (const ObjectRow &o : row.objects)
            band.objects.append(objectFrom(o));
        m_bands.append(band);
    }
}

ReportObject *Report::findObject(QStringView name)
{
    for (ReportObject &o : m_objects)
        if (o.name == name)
            return &o;
    for (Band &b : m_bands)
        for (ReportObject &o : b.objects)
            if (o.name == name)
                return &o;
    return nullptr;
}

ReportObject *Report::findMemo(QStringView name)
{
    ReportObject *o = findObject(name);
    return o && o->kind == ObjectKind::Memo ? o : nullptr;
}

Band *Report::findBand(QStringView name)
{
    for (Band &b : m_bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

void Report::prepare(const QString &printDate)
{
    m_prepared = PreparedReport();
    m_prepared.name = m_name;
    const QRectF area = m_page.printable();
    auto newPage = [&] {
        PreparedPage p;
        p.paper = m_page.paper;
        p.orientation = m_page.orientation;
        m_prepared.pages.append(p);
    };
    newPage();
    place(m_objects, layoutAll(m_objects, printDate), area.topLeft(), 0, 1e9, true, 1,
          &m_prepared.pages.last().objects);

    // Bands print in the order title, master data, footer, whatever their stored order.
    QList<const Band *> order;
    for (BandKind kind : {BandKind::ReportTitle, BandKind::MasterData, BandKind::Footer})
        for (const Band &b : m_bands)
            if (b.kind == kind)
                order.append(&b);

    double y = area.top();
    for (const Band *band : order) {
        const QList<MemoLayout> layouts = layoutAll(band->objects, printDate);
        double from = 0;
        while (true) {
            const double room = area.bottom() - y;
            const double rest = band->height - from;
            double to = band->height;
            if (rest > room + 1e-6) {
                const bool freshPage = y <= area.top() + 1e-6;
                to = band->canSplit ? cutPoint(*band, layouts, from, room) : from;
                if (to <= from + 1e-6) {
                    if (!freshPage) {
                        newPage();
                        y = area.top();
                        continue;
                    }
                    // Taller than a whole page and nothing to cut at: let it run over.
                    to = band->canSplit ? from + room : band->height;
                }
            }
            place(band->objects, layouts, QPointF(area.left(), y), from, to, to >= band->height - 1e-6,
                  int(m_prepared.pages.size()), &m_prepared.pages.last().objects);
            y += to - from;
            from = to;
            if (from >= band->height - 1e-6)
                break;
            newPage();
            y = area.top();
        }
    }
}

QString evaluate(const QString &text, const QString &printDate)
{
    if (!text.contains(QLatin1Char('[')))
        return text;
    QString out = text;
    out.replace(QLatin1String("[DATE]"), printDate);
    return out;
}

void setTexts(Report &report, const QList<MemoText> &texts)
{
    for (const MemoText &t : texts)
        if (ReportObject *memo = report.findMemo(t.memo))
            memo->setText(t.text);
}

} // namespace Report
