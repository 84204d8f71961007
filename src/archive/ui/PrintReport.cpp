#include "archive/ui/ResultList.h"

#include "app/ui/Dialogs.h"
#include "report/ReportRenderer.h"

#include <QPrinter>

void printReport(QWidget *parent, const Report::PreparedReport &report)
{
    QPrinter printer;
    printer.setDocName(report.name);
    if (!Dialogs::instance().printDialog(parent, &printer))
        return;
    ReportRenderer::PagedOutput output(&printer);
    output.add(report);
    output.finish();
}
