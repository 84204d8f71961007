#include "journal/ui/JournalSheetScreen.h"

#include "archive/ui/BrowseEdit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/JournalLayouts.h"
#include "journal/JournalPrint.h"
#include "journal/ui/Giornale.h"

namespace JournalSheets {

TfrmGiornale *editor(const QWidget *screen)
{
    if (auto *owner = qobject_cast<TfrmGiornale *>(screen->parentWidget()))
        return owner;
    return qobject_cast<TfrmGiornale *>(Screens::find(QStringLiteral("frmGiornale")));
}

bool editorPage(const QWidget *screen, Record *page, QString *position)
{
    TfrmGiornale *e = editor(screen);
    if (!e || !e->browse)
        return false;
    *page = e->browse->current();
    *position = e->lblPosizione->text();
    return true;
}

} // namespace JournalSheets

JournalPageScreen::JournalPageScreen(QWidget *owner, const char *caption, const QString &icon,
                                     const QString &explanation, const QString &action, Output output)
    : ReportSheetScreen(owner, caption, QSize(362, 287), icon, explanation, action, JournalLayouts::journalPage(),
                        output,
                        [this](Report::Report &report) {
                            Record page(Layouts::journal());
                            QString position;
                            if (!JournalSheets::editorPage(this, &page, &position))
                                return false;
                            JournalPrint::fill(report, page, position);
                            return true;
                        }),
      repScheda(report())
{}
