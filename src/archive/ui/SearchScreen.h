#pragma once

#include "foundation/ui/Screen.h"
#include "foundation/ui/ScreenKit.h"
#include "archive/Search.h"
#include "archive/ui/ResultList.h"

#include <QList>

class QLineEdit;
class QPushButton;

// The search screens of the journal, the equipment inventory and the workers registry: a filter
// panel, then a results panel with the sorted lines, find, print, and the double-click that
// hands the chosen record to the screen named by the mode word.
class SearchScreen : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr QSize kClient{862, 560};

    SearchScreen(QWidget *owner, const char *caption, const SearchDesign &design, bool boldFilters);

    // The filter panel.
    QWidget *panAvvio = nullptr;
    QLabel *lblIstruzioni = nullptr;
    QList<QLabel *> filterLabels;
    QList<QLineEdit *> filters; // in the order of the design's table
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnCerca = nullptr;
    QLabel *lblConta = nullptr;
    QLabel *lblAttendere = nullptr;

    // The results panel.
    ResultList *panContainer = nullptr;
    QLabel *lblTrovate = nullptr;

    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();

    const Search &search() const { return m_search; }

protected:
    // The archive this screen searches.
    virtual QString archivePath() const = 0;
    // The mode word's action on the chosen record, read again from its position.
    virtual void reloadAction(const ListLine &line, const QByteArray &record) = 0;

    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lstRecordsChoose(const ListLine &line);

    Search m_search;
    QList<EnterStep> m_enterOrder;
};
