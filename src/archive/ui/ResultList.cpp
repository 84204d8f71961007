#include "archive/ui/ResultList.h"

#include "archive/ui/FieldAccess.h"
#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "report/ListSummary.h"
#include "report/ui/ReportOutput.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <array>

namespace {

const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

constexpr std::array kTrovaEnter = std::to_array<EnterStep>({{"txtTrova", "btnTrova"}});

// Lines wider than the list scroll sideways over this width at least.
constexpr int kItemsWidth = 1600;

} // namespace

RecordList::RecordList(QWidget *parent) : QListWidget(parent)
{
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setFont(ScreenKit::font(QStringLiteral("Courier New"), 12));
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void RecordList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

ResultList::ResultList(QWidget *parent, const char *name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    const int w = geometry.width(), h = geometry.height();

    lblRigo01 = ScreenKit::label(
        this, "lblRigo01",
        QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                       "premere il pulsante Trova."),
        QRect(20, 8, w - 40, 20), 9);
    lblRigo02 = ScreenKit::label(
        this, "lblRigo02",
        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
                       "nuovo clic su Trova."),
        QRect(20, 28, w - 40, 20), 9);
    txtTrova = ScreenKit::lineEdit(this, "txtTrova", QRect(20, 54, w - 200, 30), 0, 12, true);
    btnTrova = ScreenKit::button(this, "btnTrova", QStringLiteral("Trova"), QRect(w - 160, 53, 140, 32));
    lstRecords = new RecordList(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(20, 94, w - 40, h - 94 - 78);
    lblRigo03 = ScreenKit::label(
        this, "lblRigo03", QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
        QRect(20, h - 80, w - 40, 20), 9);
    btnStampa = ScreenKit::button(this, "btnStampa", QStringLiteral("Stampa"), QRect(w - 300, h - 52, 130, 36));
    btnChiudi = ScreenKit::button(this, "btnChiudi", QStringLiteral("Chiudi"), QRect(w - 150, h - 52, 130, 36));

    EnterOrder::install(this, kTrovaEnter);
    ScreenKit::setTabOrder(this, {"txtTrova", "lstRecords", "btnStampa", "btnTrova", "btnChiudi"});
    connect(btnTrova, &QPushButton::clicked, this, &ResultList::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ResultList::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ResultList::btnChiudiClick);
    connect(lstRecords, &RecordList::doubleClicked, this, &ResultList::lstRecordsDblClick);
}

void ResultList::setLines(QList<ListLine> lines)
{
    m_lines = std::move(lines);
    lstRecords->setUpdatesEnabled(false);
    lstRecords->clear();
    const QStringList items = texts();
    lstRecords->addItems(items);
    if (!items.isEmpty()) {
        // Every item takes the size of the first (uniform sizes): as wide as the longest line of
        // this fixed-pitch font, and never narrower than the items width.
        qsizetype longest = 0;
        for (qsizetype i = 1; i < items.size(); ++i)
            if (items.at(i).size() > items.at(longest).size())
                longest = i;
        const int width = lstRecords->fontMetrics().horizontalAdvance(items.at(longest)) + 8;
        lstRecords->item(0)->setSizeHint(QSize(qMax(kItemsWidth, width), lstRecords->sizeHintForRow(0)));
    }
    lstRecords->setUpdatesEnabled(true);
}

QStringList ResultList::texts() const
{
    QStringList out;
    out.reserve(m_lines.size());
    for (const ListLine &line : m_lines)
        out.append(line.text);
    return out;
}

void ResultList::clear()
{
    m_lines.clear();
    lstRecords->clear();
}

void ResultList::resetFind()
{
    m_remembered.clear();
    if (lstRecords->count() > 0)
        lstRecords->setCurrentRow(0);
    txtTrova->clear();
}

void ResultList::btnTrovaClick()
{
    const int row = ListLines::find(
        lstRecords->count(), [this](int i) { return lstRecords->item(i)->text(); }, lstRecords->currentRow(),
        FieldAccess::text(txtTrova), &m_remembered);
    if (row < 0) {
        Ui::plain(window(), kEmptyList);
        return;
    }
    lstRecords->setCurrentRow(row);
    lstRecords->scrollToItem(lstRecords->item(row));
}

void ResultList::lstRecordsDblClick()
{
    const int row = lstRecords->currentRow();
    if (row >= 0 && row < m_lines.size() && choose)
        choose(m_lines.at(row));
    emit closeRequested();
}

Report::PreparedReport ResultList::listReport() const
{
    return ListSummary::prepared(printTitle ? printTitle() : QString(), texts(), Formats::todayText());
}

void ResultList::btnStampaClick() { ReportOutput::print(window(), listReport()); }

void ResultList::btnChiudiClick() { emit closeRequested(); }
