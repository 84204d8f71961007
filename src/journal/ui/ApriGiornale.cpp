#include "journal/ui/ApriGiornale.h"

#include "foundation/ProgramFolder.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "journal/HelpText.h"
#include "journal/Journals.h"
#include "journal/ui/Frontespizio.h"
#include "journal/ui/Giornale.h"

#include <QListWidget>

TfrmApriGiornale *frmApriGiornale = nullptr;

namespace {
const QString kListEmpty = QStringLiteral("Attenzione: l'elenco non contiene nessun Cantilog.");
const QString kSelectToOpen =
    QStringLiteral("Attenzione: selezionare dall'elenco il Cantilog prima di premere il pulsante Apri archivio.");
const QString kSelectToDelete = QStringLiteral(
    "Attenzione: selezionare dall'elenco il Cantilog da eliminare prima di premere il pulsante del cestino.");
const QString kConfirmDelete =
    QStringLiteral("Si sta per eliminare il Cantilog selezionato. Si ricorda che il file eliminato non potrà essere "
                   "recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?");
} // namespace

TfrmApriGiornale::TfrmApriGiornale() : AreaScreen(kCaption, QSize(1016, 713), QColor(0x5D, 0x85, 0xA6), Qt::white)
{
    QWidget *area = canvas();
    QWidget *panel =
        ScreenKit::shape(area, "panContenitore", QRect(108, 60, 800, 590), Qt::white, QColor(0x5D, 0x85, 0xA6));
    ScreenKit::image(panel, "imgTitolo", QStringLiteral("giornale"), QRect(20, 16, 64, 64));
    imgIstruzioni = ScreenKit::label(panel, "imgIstruzioni",
                                     QStringLiteral("Selezionare dall'elenco il Cantilog da compilare e premere "
                                                    "Apri archivio."),
                                     QRect(100, 16, 680, 64), 12, true);
    imgIstruzioni->setWordWrap(true);

    lstFiles = new QListWidget(panel);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setGeometry(20, 96, 600, 420);
    lstFiles->setSortingEnabled(false); // the items are inserted at their place
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lblCreati = ScreenKit::label(panel, "lblCreati", Journals::initialCountText(), QRect(20, 526, 600, 28), 12, true);

    btnApri = ScreenKit::picture(panel, "btnApri", QStringLiteral("apri"), QStringLiteral("Apri archivio"),
                                 QRect(640, 96, 140, 80));
    btnFrontespizio = ScreenKit::picture(panel, "btnFrontespizio", QStringLiteral("frontespizio"),
                                         QStringLiteral("Frontespizio"), QRect(640, 190, 140, 80));
    btnElimina = ScreenKit::picture(panel, "btnElimina", QStringLiteral("cestino"), QString(), QRect(676, 290, 68, 68));
    btnAnnulla = ScreenKit::picture(panel, "btnAnnulla", QStringLiteral("esci"), QStringLiteral("Annulla"),
                                    QRect(640, 436, 140, 80));
    imgGuida = ScreenKit::picture(panel, "imgGuida", QStringLiteral("guida"), QString(), QRect(736, 530, 48, 48));
    lblFile = ScreenKit::hiddenLabel(area, "lblFile");
    lblMemory = ScreenKit::hiddenLabel(area, "lblMemory");

    connect(btnApri, &QToolButton::clicked, this, &TfrmApriGiornale::btnApriClick);
    connect(btnElimina, &QToolButton::clicked, this, &TfrmApriGiornale::btnEliminaClick);
    connect(btnFrontespizio, &QToolButton::clicked, this, &TfrmApriGiornale::btnFrontespizioClick);
    connect(btnAnnulla, &QToolButton::clicked, this, &TfrmApriGiornale::btnAnnullaClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmApriGiornale::imgGuidaClick);
}

void TfrmApriGiornale::fillList(bool alwaysCount)
{
    lblFile->setText(ProgramFolder::path());
    lstFiles->clear();
    const QStringList items = Journals::list();
    for (const QString &item : items) {
        auto *entry = new QListWidgetItem(item, lstFiles);
        entry->setFont(ScreenKit::font(QStringLiteral("Courier New"), 14));
        entry->setForeground(Qt::black);
    }
    // A current row looks selected; without one set here the view makes the first row current
    // when it gets the focus.
    lstFiles->setCurrentIndex(QModelIndex());
    if (alwaysCount || !items.isEmpty())
        lblCreati->setText(Journals::countText(items.size()));
}

QString TfrmApriGiornale::selectedItem() const
{
    const QList<QListWidgetItem *> selected = lstFiles->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TfrmApriGiornale::FormShow()
{
    fillList(false);
    lblMemory->setText(QStringLiteral("avvio"));
}

void TfrmApriGiornale::btnApriClick()
{
    if (lstFiles->count() == 0)
        return Ui::warning(this, kListEmpty);
    const QString item = selectedItem();
    if (item.isEmpty())
        return Ui::warning(this, kSelectToOpen);
    lblFile->setText(Journals::pathOfItem(item));
    lblMemory->setText(QStringLiteral("giornale"));
    close();
}

void TfrmApriGiornale::btnEliminaClick()
{
    if (lstFiles->count() == 0)
        return Ui::warning(this, kListEmpty);
    const QString item = selectedItem();
    if (item.isEmpty())
        return Ui::warning(this, kSelectToDelete);
    if (!Ui::confirm(this, kConfirmDelete))
        return;
    const Journals::Result r = Journals::remove(item);
    if (r.outcome == Journals::Outcome::Done)
        Ui::information(this, r.message);
    else
        Ui::error(this, r.message);
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->clear();
    fillList(true);
}

void TfrmApriGiornale::btnFrontespizioClick() { TfrmFrontespizio::open(this); }

void TfrmApriGiornale::btnAnnullaClick() { close(); }

void TfrmApriGiornale::imgGuidaClick() { Help::show(this, JournalHelp::title(), JournalHelp::text()); }

void TfrmApriGiornale::FormClose()
{
    if (lblMemory->text() == QLatin1String("giornale")) {
        const QString item = selectedItem();
        auto *editor = qobject_cast<TfrmGiornale *>(Screens::find(QStringLiteral("frmGiornale")));
        if (editor && !item.isEmpty()) {
            editor->lblFile->setText(Journals::pathOfItem(item));
            editor->lblNome->setText(Journals::nameOfItem(item));
            switchTo(editor, this);
            return;
        }
    }
    switchTo(Screens::find(QStringLiteral("frmAvvio")), this);
}
