#pragma once

#include "foundation/ui/Screen.h"
#include "archive/Record.h"
#include "report/Report.h"

class QPushButton;
class TfrmGiornale;

// The small screens that print, preview or export the page shown in the page editor: they
// read the page from the editor's controls as they stand, saved or not.
class JournalSheetScreen : public SecondaryScreen {
    Q_OBJECT
public:
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnStampa = nullptr;

    void btnAnnullaClick() { reject(); }
    virtual void btnStampaClick() = 0;

protected:
    // `explanation` sits beside `icon`; the printer picture is under them.
    JournalSheetScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                       const QString &explanation, const QString &action);

    // The editor that opened the screen (or the one created at start-up).
    TfrmGiornale *editor() const;
    // The editor's page and its position text; false when there is no editor.
    bool editorPage(Record *page, QString *position) const;
};

// The journal page report, filled from the editor's page.
class JournalPageScreen : public JournalSheetScreen {
    Q_OBJECT
public:
    Report::Report repScheda;

protected:
    JournalPageScreen(QWidget *owner, const char *caption, const QString &icon, const QString &explanation,
                      const QString &action);
    // Fills and prepares `repScheda`; false when there is no editor to read.
    bool prepareSheet();
};
