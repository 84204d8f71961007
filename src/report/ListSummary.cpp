#include "report/ListSummary.h"

namespace ListSummary {

namespace {

using namespace Report;
using namespace Report::Colours;
using enum RowKind;
using enum HAlign;
using enum VAlign;

constexpr const char *kVerdana = "Verdana";
constexpr const char *kCourier = "Courier New";

// ---- The list summary: positions in mm from each band's corner ----

constexpr double kListPitchMm = kLineUnits / kUnitsPerMm;

constexpr ObjectRow kListTitle[] = {
    {"txtTitolo",
     Memo,
     2.0,
     1.0,
     273.0,
     5.0,
     {kVerdana, 9, true, White},
     SlateGrey,
     Black,
     Centre,
     Top,
     WordWrap | Expressions,
     "Riepilogo"},
};
constexpr ObjectRow kListLines[] = {
    {"txtRiepilogo",
     Memo,
     3.0,
     0.0,
     273.0,
     27.0,
     {kCourier, 8},
     None,
     Black,
     Left,
     Top,
     Expressions,
     "",
     nullptr,
     kListPitchMm},
};
constexpr ObjectRow kListFooter[] = {
    {"txtPagina",
     Memo,
     3.0,
     2.0,
     272.0,
     5.0,
     {kVerdana, 8, true, White},
     SlateGrey,
     Black,
     Centre,
     Top,
     WordWrap | Expressions,
     "Stampa eseguita in data [DATE]"},
};
constexpr BandRow kListBands[] = {
    // name          kind                   height canSplit objects
    {"ReportTitle", BandKind::ReportTitle, 8.0, false, kListTitle},
    {"MasterData", BandKind::MasterData, 28.0, true, kListLines},
    {"Footer", BandKind::Footer, 8.0, false, kListFooter},
};

const LayoutTable kListLayout{"Riepilogo dati", Orientation::Landscape, 10, 10, 10, 10, {}, kListBands};

} // namespace

const Report::LayoutTable &layout() { return kListLayout; }

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
    list->setHeightUnits(list->lines.size() * kLineUnits);
    if (Report::Band *band = report.findBand(u"MasterData"))
        band->setHeightUnits(list->heightUnits() + kBandExtraUnits);
}

Report::PreparedReport prepared(const QString &title, const QStringList &lines, const QString &printDate)
{
    Report::Report report(layout());
    report.page().setOrientation(Report::Orientation::Landscape);
    fill(report, title, lines);
    report.prepare(printDate);
    return report.prepared();
}

} // namespace ListSummary
