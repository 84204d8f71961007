#include "equipment/ui/Summaries.h"

#include "archive/Archives.h"
#include "archive/ui/BrowseEdit.h"
#include "equipment/EquipmentSearch.h"
#include "equipment/TotalValue.h"
#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"

#include <memory>

TfrmScadenze *frmScadenze = nullptr;
TfrmScadute *frmScadute = nullptr;
TfrmValoreTotale *frmValoreTotale = nullptr;

namespace {

constexpr int kTotalBar = 30;

const SummaryDesign &revisionDesign(Revisions::Summary summary)
{
    static const SummaryDesign designs[] = {
        {&Layouts::equipment(), EquipmentSearch::itemLine(),
         Revisions::design(Revisions::Summary::DueOrOverdue).printTitle},
        {&Layouts::equipment(), EquipmentSearch::itemLine(), Revisions::design(Revisions::Summary::Overdue).printTitle},
    };
    return designs[summary == Revisions::Summary::DueOrOverdue ? 0 : 1];
}

const SummaryDesign &totalDesign()
{
    static const SummaryDesign design{&Layouts::equipment(), TotalValue::valueLine(), "Valore totale attrezzature"};
    return design;
}

template <typename Screen>
void openOn(QWidget *owner, BrowseEdit *editor)
{
    std::unique_ptr<Screen> screen(new Screen(owner));
    screen->setEditor(editor);
    Ui::execModal(screen.get());
}

} // namespace

EquipmentSummary::EquipmentSummary(QWidget *owner, const char *caption, const SummaryDesign &design, int extraHeight)
    : SummaryScreen(owner, caption, design, extraHeight)
{}

QString EquipmentSummary::archivePath() const { return Archives::equipmentPath(); }

RevisionSummary::RevisionSummary(QWidget *owner, Revisions::Summary summary)
    : EquipmentSummary(owner, Revisions::design(summary).caption, revisionDesign(summary)), m_summary(summary)
{}

ListLines::Collected RevisionSummary::collectLines()
{
    return Revisions::collect(archivePath(), m_summary, Formats::today());
}

TfrmScadenze::TfrmScadenze(QWidget *owner) : RevisionSummary(owner, Revisions::Summary::DueOrOverdue) {}

void TfrmScadenze::open(QWidget *owner, BrowseEdit *editor) { openOn<TfrmScadenze>(owner, editor); }

TfrmScadute::TfrmScadute(QWidget *owner) : RevisionSummary(owner, Revisions::Summary::Overdue) {}

void TfrmScadute::open(QWidget *owner, BrowseEdit *editor) { openOn<TfrmScadute>(owner, editor); }

TfrmValoreTotale::TfrmValoreTotale(QWidget *owner) : EquipmentSummary(owner, kCaption, totalDesign(), kTotalBar)
{
    QWidget *bar = extraArea();
    bar->setAutoFillBackground(true);
    QPalette white = bar->palette();
    white.setColor(QPalette::Window, Qt::white);
    bar->setPalette(white);
    ScreenKit::label(bar, "imgTotale", QStringLiteral("VALORE TOTALE:"), QRect(20, 0, 300, kTotalBar), 12, true);
    lblTotale = ScreenKit::label(bar, "lblTotale", QStringLiteral("0,00"), QRect(bar->width() - 420, 0, 400, kTotalBar),
                                 12, true);
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmValoreTotale::open(QWidget *owner, BrowseEdit *editor) { openOn<TfrmValoreTotale>(owner, editor); }

ListLines::Collected TfrmValoreTotale::collectLines()
{
    TotalValue::Outcome outcome = TotalValue::compute(archivePath());
    lblTotale->setText(outcome.total);
    return {outcome.ok, std::move(outcome.lines)};
}

QString TfrmValoreTotale::printTitle() const { return TotalValue::printTitle(lblTotale->text()); }
