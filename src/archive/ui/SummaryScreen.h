#pragma once

#include "archive/Summary.h"
#include "archive/ui/ResultList.h"
#include "foundation/ui/Screen.h"

#include <QPointer>

class BrowseEdit;

// The summary screens of the equipment inventory and the workers registry: the lines of the
// records the screen's rule lists, built each time the screen is shown, with find, print and
// the double-click that hands the chosen record, read again from its position, to the screen's
// one reload action (no mode word, no filter panel).
class SummaryScreen : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr QSize kClient{862, 560};

    // The list with its find and print; the controls keep their names (lblRigo01, txtTrova, ...).
    ResultList *panRiepilogo = nullptr;

    const Summary &summary() const { return m_summary; }

    // The editor that loads the chosen record with its position; set by the opener.
    void setEditor(BrowseEdit *editor);

protected:
    // The list fills kClient; `extraHeight` pixels under it are left for the screen's own
    // controls, on extraArea() (the total value bar).
    SummaryScreen(QWidget *owner, const char *caption, const SummaryDesign &design, int extraHeight = 0);

    // The archive the screen lists.
    virtual QString archivePath() const = 0;
    // The screen's lines: its core function, summary().collect() with the screen's rule.
    virtual ListLines::Collected collectLines() = 0;
    // The reload: the chosen record, read again at its position, acted upon alone; loaded into
    // the editor unless the screen says otherwise.
    virtual void reloadAction(qint64 position, const QByteArray &record);
    // The title of the printed list: the design's, unless the screen adds to it.
    virtual QString printTitle() const;

    QWidget *extraArea() const { return m_extra; }

    void FormShow() override;
    void FormClose() override;

private:
    void lstRecordsChoose(const ListLine &line);

    Summary m_summary;
    QWidget *m_extra = nullptr;
    QPointer<BrowseEdit> m_editor;
};
