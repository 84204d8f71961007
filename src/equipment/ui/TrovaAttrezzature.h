#pragma once

#include "archive/ui/SearchScreen.h"

// The equipment search: into the equipment editor (mode "attrezzature") or a journal page.
class TfrmTrovaAttrezzature : public RegistrySearch {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Trova attrezzature in inventario";
    explicit TfrmTrovaAttrezzature(QWidget *owner = nullptr);

    static void openForEditor(QWidget *owner, BrowseEdit *editor)
    {
        RegistrySearch::openForEditor<TfrmTrovaAttrezzature>(owner, editor);
    }
    static void openForJournal(QWidget *owner, PageImport addToPage)
    {
        RegistrySearch::openForJournal<TfrmTrovaAttrezzature>(owner, std::move(addToPage));
    }
};

extern TfrmTrovaAttrezzature *frmTrovaAttrezzature;
