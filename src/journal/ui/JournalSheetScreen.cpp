#include "journal/ui/JournalSheetScreen.h"

#include "foundation/Formats.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"
#include "archive/ui/BrowseEdit.h"
#include "journal/JournalPrint.h"
#include "journal/ui/Giornale.h"
#include "report/ReportLayouts.h"

#include <QPushButton>

JournalSheetScreen::JournalSheetScreen(QWidget *owner, const char *caption, const QSize &client,
                                       const QString &icon, const QString &explanation, const QString &action)
    : SecondaryScreen(owner, caption, client)
{
    Formats::apply();
    QWidget *c = canvas();
    const int w = client.width(), h = client.height();
    ScreenKit::image(c, "imgSpiegazione", icon, QRect(16, 16, 64, 64));
    QLabel *text = ScreenKit::label(c, "lblSpiegazione", explanation, QRect(92, 12, w - 108, 104), 9);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScreenKit::image(c, "imgStampante", QStringLiteral("stampa"), QRect(w / 2 - 40, 124, 80, 80));
    btnAnnulla = ScreenKit::button(c, "btnAnnulla", QStringLiteral("Annulla"), QRect(24, h - 54, 140, 34));
    btnStampa = ScreenKit::button(c, "btnStampa", action, QRect(w - 164, h - 54, 140, 34));
    btnStampa->setDefault(true);
    connect(btnAnnulla, &QPushButton::clicked, this, &JournalSheetScreen::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, [this] { btnStampaClick(); });
}

TfrmGiornale *JournalSheetScreen::editor() const
{
    if (auto *owner = qobject_cast<TfrmGiornale *>(parentWidget()))
        return owner;
    return qobject_cast<TfrmGiornale *>(Screens::find(QStringLiteral("frmGiornale")));
}

bool JournalSheetScreen::editorPage(Record *page, QString *position) const
{
    TfrmGiornale *e = editor();
    if (!e || !e->browse)
        return false;
    *page = e->browse->current();
    *position = e->lblPosizione->text();
    return true;
}

JournalPageScreen::JournalPageScreen(QWidget *owner, const char *caption, const QString &icon,
                                     const QString &explanation, const QString &action)
    : JournalSheetScreen(owner, caption, QSize(362, 287), icon, explanation, action),
      repScheda(ReportLayouts::journalPage())
{
}

bool JournalPageScreen::prepareSheet()
{
    Record page(Layouts::journal());
    QString position;
    if (!editorPage(&page, &position))
        return false;
    JournalPrint::fill(repScheda, page, position);
    repScheda.prepare();
    return true;
}
