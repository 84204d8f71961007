#include "journal/ui/TrovaGiornale.h"

#include "archive/ui/BrowseEdit.h"
#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/JournalSearch.h"

#include <memory>

TfrmTrovaGiornale *frmTrovaGiornale = nullptr;

namespace {
QWidget *pageEditor() { return Screens::find(QStringLiteral("frmGiornale")); }
} // namespace

TfrmTrovaGiornale::TfrmTrovaGiornale(QWidget *owner)
    : SearchScreen(owner, kCaption, JournalSearch::design(), /*boldFilters=*/false)
{}

void TfrmTrovaGiornale::open(QWidget *owner)
{
    std::unique_ptr<TfrmTrovaGiornale> screen(new TfrmTrovaGiornale(owner));
    screen->setModeWord(QStringLiteral("giornale"));
    Ui::execModal(screen.get());
}

QString TfrmTrovaGiornale::archivePath() const
{
    QWidget *editor = pageEditor();
    const QLabel *lblFile = editor ? editor->findChild<QLabel *>(QStringLiteral("lblFile")) : nullptr;
    return lblFile ? lblFile->text() : QString();
}

void TfrmTrovaGiornale::reloadAction(const ListLine &line, const QByteArray &)
{
    if (Text::trimBlanks(modeWord()) != QLatin1String("giornale"))
        return;
    QWidget *editor = pageEditor();
    if (auto *browse = editor ? editor->findChild<BrowseEdit *>() : nullptr)
        browse->load(line.position);
}
