#pragma once

#include "archive/Record.h"
#include "archive/ui/SearchScreen.h"

#include <functional>

class BrowseEdit;

// The worker search. A chosen worker goes where the mode word says: with "istruttori" it is
// loaded into the worker editor with its position, with "giornale" it is added to the journal
// page that opened the search.
class TfrmTrovaIstruttori : public SearchScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Trova lavoratori in archivio";
    explicit TfrmTrovaIstruttori(QWidget *owner = nullptr);

    // Where a chosen worker goes, set by the opener.
    BrowseEdit *editor = nullptr;                            // "istruttori"
    std::function<void(const Record &worker)> addToJournal;  // "giornale"

    // Opens a fresh search owned by `owner`, modally: for the worker editor's protocol, or for a
    // journal page that adds the chosen worker itself.
    static void openForEditor(QWidget *owner, BrowseEdit *editor);
    static void openForJournal(QWidget *owner, std::function<void(const Record &worker)> addToJournal);

protected:
    QString archivePath() const override;
    void reloadAction(const ListLine &line, const QByteArray &record) override;
};

extern TfrmTrovaIstruttori *frmTrovaIstruttori;
