#include "equipment/ui/ExportScreen.h"

#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"

#include <QHeaderView>
#include <QTableView>

namespace {

constexpr int kStripHeight = 84;
constexpr int kStatusHeight = 30;

constexpr Hint kHints[] = {
    {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
    {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci da questo ambiente di lavoro."},
};

} // namespace

SheetGridModel::SheetGridModel(const SheetDesign &design, QObject *parent)
    : QAbstractTableModel(parent), m_design(design)
{}

void SheetGridModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString SheetGridModel::cell(int row, int column) const { return m_rows.value(row).value(column); }

int SheetGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int SheetGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_design.grid.size());
}

QVariant SheetGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.row(), index.column());
}

QVariant SheetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    return QString::fromUtf8(m_design.grid[section].header);
}

ExportScreen::ExportScreen(QWidget *owner, const char *caption, const ExportDesign &design)
    : SecondaryScreen(owner, caption, kClient), m_design(design)
{
    QWidget *c = canvas();
    const int w = kClient.width(), h = kClient.height();

    imgLogo = ScreenKit::shape(c, "imgLogo", QRect(0, 0, w, kStripHeight), QColor(0x1D, 0x6F, 0x42));
    ScreenKit::image(imgLogo, "imgLogoIcon", QStringLiteral("excel"), QRect(14, 10, 64, 64));
    QLabel *title = ScreenKit::label(imgLogo, "imgLogoTitle", QStringLiteral("Esportazione in Microsoft Excel"),
                                     QRect(92, 0, 420, kStripHeight), 16, true);
    QPalette white = title->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(white);
    icoHand = ScreenKit::label(imgLogo, "icoHand", QStringLiteral("☛"), QRect(w - 270, 14, 56, 56), 30);
    icoHand->setPalette(white);
    icoHand->setAlignment(Qt::AlignCenter);
    cmdEsporta =
        ScreenKit::picture(imgLogo, "cmdEsporta", QStringLiteral("excel"), QString(), QRect(w - 206, 14, 56, 56));
    cmdGuida = ScreenKit::picture(imgLogo, "cmdGuida", QStringLiteral("guida"), QString(), QRect(w - 140, 14, 56, 56));
    cmdEsci = ScreenKit::picture(imgLogo, "cmdEsci", QStringLiteral("esci"), QString(), QRect(w - 74, 14, 56, 56));

    m_grid = new SheetGridModel(*design.sheet, this);
    grdRecords = new QTableView(c);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(0, kStripHeight, w, h - kStripHeight - kStatusHeight);
    grdRecords->setModel(m_grid);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setWordWrap(false);
    grdRecords->setMouseTracking(true);
    grdRecords->viewport()->setMouseTracking(true);
    QHeaderView *rows = grdRecords->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->hide(); // the first column numbers the rows
    for (int i = 0; i < int(design.sheet->grid.size()); ++i)
        grdRecords->setColumnWidth(i, design.sheet->grid[i].width);
    m_grid->setRows(Spreadsheet::shownRows({}, *design.sheet));

    panInfo = ScreenKit::statusLine(c, QRect(0, h - kStatusHeight, w, kStatusHeight),
                                    QStringLiteral("Esportazione archivio in Microsoft Excel."));
    StatusHints::install(this, panInfo, kHints, {this, c, imgLogo, grdRecords->viewport()});

    connect(cmdEsporta, &QToolButton::clicked, this, &ExportScreen::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &ExportScreen::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &ExportScreen::cmdEsciClick);
}

void ExportScreen::FormShow()
{
    QList<QStringList> rows;
    Spreadsheet::gridRows(m_design.archivePath(), *m_design.sheet, &rows); // a failure keeps the rows read
    m_grid->setRows(Spreadsheet::shownRows(rows, *m_design.sheet));
}

// The file is written from the grid as it was filled on showing, not from the archive again.
void ExportScreen::cmdEsportaClick()
{
    if (!Ui::confirm(this, Spreadsheet::confirmMessage()))
        return;
    const QString path = Spreadsheet::path(*m_design.sheet);
    if (!Spreadsheet::write(path, *m_design.sheet, m_grid->rows())) {
        Ui::plain(this, Spreadsheet::failureMessage());
        return;
    }
    if (Ui::confirm(this, Spreadsheet::doneMessage()))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void ExportScreen::cmdGuidaClick() { Help::show(this, QString::fromUtf8(m_design.helpTitle), m_design.helpText()); }

void ExportScreen::cmdEsciClick() { reject(); }
