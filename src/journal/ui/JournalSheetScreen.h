#pragma once

#include "archive/Record.h"
#include "report/ui/SheetScreen.h"

class TfrmGiornale;

// The page shown in the page editor, read from the editor's controls as they stand, saved or not.
namespace JournalSheets {
// The editor that opened `screen` (or the one created at start-up).
TfrmGiornale *editor(const QWidget *screen);
// The editor's page and its position text; false when there is no editor.
bool editorPage(const QWidget *screen, Record *page, QString *position);
} // namespace JournalSheets

// The print and preview screens of the journal page report, filled from the editor's page.
class JournalPageScreen : public ReportSheetScreen {
    Q_OBJECT
public:
    Report::Report &repScheda;

protected:
    JournalPageScreen(QWidget *owner, const char *caption, const QString &icon, const QString &explanation,
                      const QString &action, Output output);
};
