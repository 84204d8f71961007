#pragma once

#include "archive/ui/SearchScreen.h"

// The worker search: into the worker editor (mode "istruttori") or a journal page.
class TfrmTrovaIstruttori : public RegistrySearch {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Trova lavoratori in archivio";
    explicit TfrmTrovaIstruttori(QWidget *owner = nullptr);

    static void openForEditor(QWidget *owner, BrowseEdit *editor)
    {
        RegistrySearch::openForEditor<TfrmTrovaIstruttori>(owner, editor);
    }
    static void openForJournal(QWidget *owner, PageImport addToPage)
    {
        RegistrySearch::openForJournal<TfrmTrovaIstruttori>(owner, std::move(addToPage));
    }
};

extern TfrmTrovaIstruttori *frmTrovaIstruttori;
