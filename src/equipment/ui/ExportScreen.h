#pragma once

#include "equipment/Spreadsheet.h"
#include "foundation/ui/Screen.h"

#include <QAbstractTableModel>

class PictureButton;
class QTableView;

// The rows of an export grid: one text per cell, the headers of the sheet's grid columns.
// A view asks only for the cells it paints, so a large archive costs its texts and nothing
// per cell besides.
class SheetGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    SheetGridModel(const SheetDesign &design, QObject *parent);

    void setRows(QList<QStringList> rows);
    const QList<QStringList> &rows() const { return m_rows; }
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const SheetDesign &m_design;
    QList<QStringList> m_rows;
};

// What tells the two export screens apart.
struct ExportDesign {
    const SheetDesign *sheet;
    QString (*archivePath)();
    const char *helpTitle; // UTF-8
    QString (*helpText)();
};

// The export screens of the registries: the whole archive in the grid `grdRecords`, filled each
// time the screen is shown, and the spreadsheet file written from the grid on request, with the
// offer to open it.
class ExportScreen : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr QSize kClient{862, 560};
    static constexpr int kRowHeight = 21;

    QWidget *imgLogo = nullptr;
    QLabel *icoHand = nullptr;
    PictureButton *cmdEsporta = nullptr, *cmdGuida = nullptr, *cmdEsci = nullptr;
    QTableView *grdRecords = nullptr;
    QLabel *panInfo = nullptr;

    SheetGridModel *grid() const { return m_grid; }

    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    ExportScreen(QWidget *owner, const char *caption, const ExportDesign &design);

    void FormShow() override;

private:
    const ExportDesign &m_design;
    SheetGridModel *m_grid = nullptr;
};
