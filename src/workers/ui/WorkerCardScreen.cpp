#include "workers/ui/WorkerCardScreen.h"

#include "archive/ui/BrowseEdit.h"
#include "foundation/Formats.h"
#include "foundation/ui/ScreenRegistry.h"
#include "workers/WorkerCard.h"
#include "workers/ui/Istruttori.h"

#include <QTime>

namespace {

// The editor that opened `screen`, or the one created at start-up.
TfrmIstruttori *editorOf(const QWidget *screen)
{
    if (auto *owner = qobject_cast<TfrmIstruttori *>(screen->parentWidget()))
        return owner;
    return qobject_cast<TfrmIstruttori *>(Screens::find(QStringLiteral("frmIstruttori")));
}

} // namespace

WorkerCardScreen::WorkerCardScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                                   const QString &explanation, const QString &action, Output output)
    : ReportSheetScreen(owner, caption, client, icon, explanation, action, WorkerCard::layout(), output,
                        [this](Report::Report &report) {
                            TfrmIstruttori *editor = editorOf(this);
                            if (!editor || !editor->browse)
                                return false;
                            WorkerCard::fill(report, editor->browse->current(), Formats::today(), QTime::currentTime());
                            return true;
                        }),
      repDocumento(report())
{}
