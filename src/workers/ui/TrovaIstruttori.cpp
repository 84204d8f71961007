#include "workers/ui/TrovaIstruttori.h"

#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"
#include "archive/Archives.h"
#include "archive/ui/BrowseEdit.h"
#include "workers/WorkerSearch.h"

#include <memory>

TfrmTrovaIstruttori *frmTrovaIstruttori = nullptr;

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget *owner)
    : SearchScreen(owner, kCaption, WorkerSearch::design(), /*boldFilters=*/true)
{
}

void TfrmTrovaIstruttori::openForEditor(QWidget *owner, BrowseEdit *editor)
{
    std::unique_ptr<TfrmTrovaIstruttori> screen(new TfrmTrovaIstruttori(owner));
    screen->setModeWord(QStringLiteral("istruttori"));
    screen->editor = editor;
    Ui::execModal(screen.get());
}

void TfrmTrovaIstruttori::openForJournal(QWidget *owner, std::function<void(const Record &)> addToJournal)
{
    std::unique_ptr<TfrmTrovaIstruttori> screen(new TfrmTrovaIstruttori(owner));
    screen->setModeWord(QStringLiteral("giornale"));
    screen->addToJournal = std::move(addToJournal);
    Ui::execModal(screen.get());
}

QString TfrmTrovaIstruttori::archivePath() const { return Archives::workersPath(); }

void TfrmTrovaIstruttori::reloadAction(const ListLine &line, const QByteArray &record)
{
    const QString mode = Text::trimBlanks(modeWord());
    if (mode == QLatin1String("istruttori") && editor)
        editor->load(line.position);
    else if (mode == QLatin1String("giornale") && addToJournal)
        addToJournal(Record::decode(Layouts::workers(), record.constData()));
}
