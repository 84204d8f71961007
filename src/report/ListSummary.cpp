#include "report/ListSummary.h"

#include "report/ReportLayouts.h"

namespace ListSummary {

void fill(Report::Report &report, const QString &title, const QStringList &lines)
{
    if (Report::ReportObject *memo = report.findMemo(u"txtTitolo"))
        memo->setText(title);
    Report::ReportObject *list = report.findMemo(u"txtRiepilogo");
    if (!list)
        return;
    list->clearLines();
    for (const QString &line : lines)
        list->appendLine(line);
    list->setHeightUnits(list->lines.size() * ReportLayouts::kListLineUnits);
    if (Report::Band *band = report.findBand(u"MasterData"))
        band->setHeightUnits(list->heightUnits() + ReportLayouts::kListBandExtraUnits);
}

Report::PreparedReport prepared(const QString &title, const QStringList &lines)
{
    Report::Report report(ReportLayouts::listSummary());
    report.page().setOrientation(Report::Orientation::Landscape);
    fill(report, title, lines);
    report.prepare();
    return report.prepared();
}

} // namespace ListSummary
