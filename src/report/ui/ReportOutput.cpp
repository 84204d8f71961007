#include "report/ui/ReportOutput.h"

#include "foundation/ui/Dialogs.h"
#include "report/ReportRenderer.h"

#include <QPrinter>

namespace ReportOutput {

namespace {

void render(QPrinter *printer, const Report::PreparedReport &report)
{
    printer->setDocName(report.name);
    printer->setFullPage(true);
    if (!report.pages.isEmpty())
        ReportRenderer::setPageLayout(printer, report.pages.first());
    ReportRenderer::PagedOutput output(printer);
    output.add(report);
    output.finish();
}

} // namespace

bool print(QWidget *parent, const Report::PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.name);
    printer.setFullPage(true);
    if (!report.pages.isEmpty())
        ReportRenderer::setPageLayout(&printer, report.pages.first());
    if (!Dialogs::instance().printDialog(parent, &printer))
        return false;
    render(&printer, report);
    return true;
}

void preview(QWidget *parent, const Report::PreparedReport &report)
{
    Dialogs::instance().preview(parent, [&report](QPrinter *printer) { render(printer, report); });
}

} // namespace ReportOutput
