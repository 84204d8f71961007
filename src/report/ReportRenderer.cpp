#include "report/ReportRenderer.h"

#include "report/TextMetrics.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>

namespace ReportRenderer {

namespace {

using namespace Report;

// Lines and outlines are one report unit wide.
constexpr double kPenMm = 1.0 / kUnitsPerMm;

QRectF toPixels(const QRectF &mm, double k)
{
    return QRectF(mm.left() * k, mm.top() * k, mm.width() * k, mm.height() * k);
}

void drawMemo(QPainter &p, const DrawnObject &d, double k)
{
    const QRectF box = toPixels(d.rect, k);
    if (d.memo.fill.isValid())
        p.fillRect(box, d.memo.fill);
    if (d.lines.isEmpty())
        return;
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    p.setFont(TextMetrics::font(d.memo).font);
    p.setPen(d.memo.colour);
    for (int i = 0; i < d.lines.size(); ++i)
        p.drawText(QPointF(d.origins[i].x() * k, d.origins[i].y() * k), d.lines[i]);
    p.restore();
}

void drawShape(QPainter &p, const DrawnObject &d, double k)
{
    const QRectF box = toPixels(d.rect, k);
    if (d.fill.isValid())
        p.fillRect(box, d.fill);
    if (d.outline.isValid()) {
        QPen pen(d.outline, kPenMm * k);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    }
}

void drawLine(QPainter &p, const DrawnObject &d, double k)
{
    QPen pen(Qt::black, kPenMm * k);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QPointF from(d.rect.left() * k, d.rect.top() * k);
    const QPointF to = d.vertical ? QPointF(from.x(), d.rect.bottom() * k) : QPointF(d.rect.right() * k, from.y());
    p.drawLine(from, to);
}

void drawPicture(QPainter &p, const DrawnObject &d, double k)
{
    if (d.picture.isNull())
        return;
    const QRectF box = toPixels(d.rect, k);
    QSizeF size = d.picture.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.left() + (box.width() - size.width()) / 2, box.top() + (box.height() - size.height()) / 2,
                        size.width(), size.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, d.picture);
    p.restore();
}

} // namespace

void drawPage(QPainter &painter, const PreparedPage &page, double k)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const DrawnObject &d : page.objects) {
        switch (d.kind) {
        case ObjectKind::Memo:
            drawMemo(painter, d, k);
            break;
        case ObjectKind::Shape:
            drawShape(painter, d, k);
            break;
        case ObjectKind::Line:
            drawLine(painter, d, k);
            break;
        case ObjectKind::Picture:
            drawPicture(painter, d, k);
            break;
        }
    }
    painter.restore();
}

void setPageLayout(QPagedPaintDevice *device, const PreparedPage &page)
{
    const bool landscape = page.orientation == Orientation::Landscape;
    const QSizeF portrait = landscape ? page.paper.transposed() : page.paper;
    const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyOrientationMatch);
    QPageLayout layout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
    // The painter's origin is the paper's corner even on a printer with unprintable margins.
    layout.setMode(QPageLayout::FullPageMode);
    device->setPageLayout(layout);
}

PagedOutput::PagedOutput(QPagedPaintDevice *device) : m_device(device) {}

PagedOutput::~PagedOutput()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PagedOutput::startPage(const PreparedPage &page)
{
    // A printer takes its layout before painting starts; a later page of another paper or
    // orientation is a PDF writer's only.
    const bool sameSheet = m_pages > 0 && page.paper == m_paper && page.orientation == m_orientation;
    if (!sameSheet)
        setPageLayout(m_device, page);
    m_paper = page.paper;
    m_orientation = page.orientation;
    if (m_pages == 0) {
        if (auto *pdf = dynamic_cast<QPdfWriter *>(m_device))
            stampArchivalPdf(*pdf);
        return m_painter.begin(m_device);
    }
    return m_device->newPage();
}

bool PagedOutput::add(const PreparedReport &report)
{
    if (m_failed)
        return false;
    for (const PreparedPage &page : report.pages) {
        if (!startPage(page)) {
            m_failed = true;
            return false;
        }
        ++m_pages;
        const double k = m_device->logicalDpiX() / 25.4;
        drawPage(m_painter, page, k);
    }
    return true;
}

bool PagedOutput::finish()
{
    if (m_painter.isActive())
        return m_painter.end() && !m_failed;
    return !m_failed && m_pages > 0;
}

namespace {
// The XMP metadata of an archival PDF, matching what the writer puts in the document's info
// (whose creation date carries its offset from UTC).
QByteArray archivalMetadata(const QString &title, const QDateTime &created)
{
    const QDateTime at = created.toOffsetFromUtc(created.offsetFromUtc());
    const QString date = at.toString(Qt::ISODate);
    const QString producer = QStringLiteral("Qt ") + QLatin1String(qVersion());
    const QString xmp =
        QStringLiteral("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                       "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
                       "<dc:creator><rdf:Seq><rdf:li>Cantilog</rdf:li></rdf:Seq></dc:creator>\n"
                       "</rdf:Description>\n"
                       "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
                       "xmp:CreatorTool=\"Cantilog\" xmp:CreateDate=\"%2\" xmp:ModifyDate=\"%2\"/>\n"
                       "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
                       "pdf:Producer=\"%3\"/>\n"
                       "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" "
                       "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
                       "</rdf:RDF>\n"
                       "</x:xmpmeta>\n"
                       "<?xpacket end='w'?>")
            .arg(title.toHtmlEscaped(), date, producer.toHtmlEscaped());
    return xmp.toUtf8();
}

} // namespace

void prepareArchivalPdf(QPdfWriter &writer, const QString &title)
{
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Cantilog"));
}

void stampArchivalPdf(QPdfWriter &writer)
{
    writer.setDocumentXmpMetadata(archivalMetadata(writer.title(), QDateTime::currentDateTime()));
}

bool writePdf(const PreparedReport &report, const QString &path)
{
    // Written aside and renamed over the old file only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        prepareArchivalPdf(writer, report.name);
        PagedOutput out(&writer);
        if (!out.add(report) || !out.finish())
            return false;
    }
    return file.commit();
}

QImage toImage(const PreparedPage &page, double dpi)
{
    const double k = dpi / 25.4;
    QImage image(qRound(page.paper.width() * k), qRound(page.paper.height() * k), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPage(painter, page, k);
    return image;
}

} // namespace ReportRenderer
