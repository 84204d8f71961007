#pragma once

#include "archive/ListLines.h"
#include "report/Report.h"

#include <QListWidget>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The list box of the search and summary screens: it keeps the order it is filled in (the lines
// come sorted), and reports a double-click anywhere on it, on an item or not.
class RecordList : public QListWidget {
    Q_OBJECT
public:
    explicit RecordList(QWidget *parent);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// The list part shared by the search screens (their results panel) and the summary screens:
// the list lines with the record each was built from, find in the list with the remembered
// text, print through the list summary report, and the double-click that acts on the chosen
// record and closes the screen.
class ResultList : public QWidget {
    Q_OBJECT
public:
    // `geometry` on the parent; the controls stand at fixed places from its top, the list takes
    // the height that is left.
    ResultList(QWidget *parent, const char *name, const QRect &geometry);

    QLabel *lblRigo01 = nullptr;
    QLabel *lblRigo02 = nullptr;
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr;
    RecordList *lstRecords = nullptr;
    QLabel *lblRigo03 = nullptr;
    QPushButton *btnChiudi = nullptr;
    QPushButton *btnStampa = nullptr;

    // What the owning screen supplies: the action on the record a chosen line was built from
    // (failures are its own, silent), and the title of the printed list.
    std::function<void(const ListLine &)> choose;
    std::function<QString()> printTitle;

    // Fills the list in the given order, all at once.
    void setLines(QList<ListLine> lines);
    const QList<ListLine> &lines() const { return m_lines; }
    QStringList texts() const;
    void clear();
    // On showing: forget the remembered find text, select item 0 (if any), empty txtTrova.
    void resetFind();
    const QString &rememberedFind() const { return m_remembered; }
    // The list summary report laid out with the title and the lines in list order.
    Report::PreparedReport listReport() const;

    void btnTrovaClick();
    void lstRecordsDblClick();
    void btnStampaClick();
    void btnChiudiClick();

signals:
    // The screen closes after "Chiudi" and after every double-click.
    void closeRequested();

private:
    QList<ListLine> m_lines;
    QString m_remembered;
};
