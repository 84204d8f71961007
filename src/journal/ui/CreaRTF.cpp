#include "journal/ui/CreaRTF.h"

#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ShellOpen.h"
#include "journal/JournalRtf.h"

#include <memory>

TfrmCreaRTF *frmCreaRTF = nullptr;

TfrmCreaRTF::TfrmCreaRTF(QWidget *owner)
    : SheetScreen(owner, kCaption, QSize(377, 292), QStringLiteral("esporta"),
                  QStringLiteral("Premere il pulsante \"Esporta e stampa\" per creare il documento "
                                 "Cantilog.rtf con la scheda corrente, così come appare nella "
                                 "schermata di compilazione. Il documento può essere aperto, "
                                 "modificato e stampato con un programma di videoscrittura."),
                  QStringLiteral("Esporta e stampa"))
{}

void TfrmCreaRTF::btnStampaClick()
{
    if (modeWord() != QLatin1String("giornale"))
        return;
    exportPage();
    accept();
}

void TfrmCreaRTF::exportPage()
{
    Record page(Layouts::journal());
    QString position;
    if (!JournalSheets::editorPage(this, &page, &position))
        return;
    if (!Ui::confirm(this, JournalRtf::confirmMessage()))
        return;
    QString path;
    if (!JournalRtf::write(page, &path)) {
        Ui::plain(this, JournalRtf::failureMessage());
        return;
    }
    if (Ui::confirm(this, JournalRtf::doneMessage()))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void TfrmCreaRTF::open(QWidget *owner)
{
    std::unique_ptr<TfrmCreaRTF> screen(new TfrmCreaRTF(owner));
    screen->setModeWord(QStringLiteral("giornale"));
    Ui::execModal(screen.get());
}
