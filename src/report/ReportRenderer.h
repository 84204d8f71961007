#pragma once

#include "report/Report.h"

#include <QImage>
#include <QPainter>

class QPagedPaintDevice;
class QPdfWriter;

// Draws prepared pages with QPainter: on a printer, a PDF writer or an image.
namespace ReportRenderer {

// Draws one page with the painter's origin at the paper's top-left corner, `pixelsPerMm`
// device pixels to the millimetre.
void drawPage(QPainter &painter, const Report::PreparedPage &page, double pixelsPerMm);

// A paged output that may receive several prepared reports, one sheet per page.
class PagedOutput {
public:
    explicit PagedOutput(QPagedPaintDevice *device);
    ~PagedOutput();
    bool add(const Report::PreparedReport &report);
    bool finish(); // ends the document; false when the device failed

private:
    bool startPage(const Report::PreparedPage &page);
    QPagedPaintDevice *m_device;
    QPainter m_painter;
    int m_pages = 0;
    bool m_failed = false;
    QSizeF m_paper;
    Report::Orientation m_orientation = Report::Orientation::Portrait;
};

// Sets the device's page to the paper and orientation of `page`, with no margins.
void setPageLayout(QPagedPaintDevice *device, const Report::PreparedPage &page);

// Makes the writer's document archival (PDF/A-1b) with its title, "Cantilog" as author and
// creator; the creation date is stamped when painting starts.
void prepareArchivalPdf(QPdfWriter &writer, const QString &title);
// Stamps the writer's metadata with the present moment: call right before painting starts.
void stampArchivalPdf(QPdfWriter &writer);

// Writes the report's pages as a PDF file titled with the report's name.
bool writePdf(const Report::PreparedReport &report, const QString &path);

// One page as an image at `dpi`, for checks on what was drawn.
QImage toImage(const Report::PreparedPage &page, double dpi);

} // namespace ReportRenderer
