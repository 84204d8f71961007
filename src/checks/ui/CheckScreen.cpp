#include "checks/ui/CheckScreen.h"

#include "archive/ui/FieldAccess.h"
#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kBannerHeight = 80;

} // namespace

CheckScreen::CheckScreen(QWidget *owner, const CheckTool &tool)
    : SecondaryScreen(owner, tool.caption, tool.client), m_tool(tool)
{
    QWidget *c = canvas();
    const int width = tool.client.width();
    const int bottom = tool.client.height();

    imgLogo = ScreenKit::shape(c, "imgLogo", QRect(0, 0, width, kBannerHeight), QColor(0x1E, 0x5F, 0xB4));
    ScreenKit::image(imgLogo, "imgLogoIcon", QLatin1String(tool.icon), QRect(14, 8, 64, 64));
    auto *title = ScreenKit::label(imgLogo, "imgLogoTitle", QString::fromUtf8(tool.banner),
                                   QRect(92, 0, width - 104, kBannerHeight), 18, true);
    QPalette p = title->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(p);

    lblTitolo = ScreenKit::label(c, "lblTitolo", QString::fromUtf8(tool.instruction),
                                 QRect(20, kBannerHeight + 10, width - 40, 36), 10);
    lblTitolo->setWordWrap(true);
    m_entry =
        ScreenKit::lineEdit(c, tool.entryName, QRect(20, kBannerHeight + 52, width - 40, 44), tool.maxLength, 20, true);
    const int buttonsTop = bottom - 58;
    btnControlla = ScreenKit::button(c, "btnControlla", QStringLiteral("Controlla"),
                                     QRect(width / 2 - 130, buttonsTop, 120, 36), 11);
    btnChiudi =
        ScreenKit::button(c, "btnChiudi", QStringLiteral("Chiudi"), QRect(width / 2 + 10, buttonsTop, 120, 36), 11);

    ScreenKit::setTabOrder(
        this, {QLatin1String(tool.entryName), QStringLiteral("btnControlla"), QStringLiteral("btnChiudi")});
    if (tool.keys != KeyFilter::Free)
        KeyFilter::install(m_entry, tool.keys);
    const EnterStep enterSteps[] = {{tool.entryName, "btnControlla"}};
    EnterOrder::install(this, enterSteps);

    connect(m_entry, &QLineEdit::textChanged, this, &CheckScreen::entryChange);
    connect(btnControlla, &QPushButton::clicked, this, &CheckScreen::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &CheckScreen::btnChiudiClick);
}

void CheckScreen::setEntry(const QString &text)
{
    m_entry->setMaxLength(std::max(m_tool.maxLength, int(text.size())));
    m_entry->setText(text);
}

// A limit raised for a long text comes down with the text, never below the entry's own.
void CheckScreen::entryChange()
{
    const int limit = std::max(m_tool.maxLength, int(m_entry->text().size()));
    if (m_entry->maxLength() > limit)
        m_entry->setMaxLength(limit);
}

void CheckScreen::FormShow() { m_entry->setFocus(Qt::OtherFocusReason); }

void CheckScreen::btnControllaClick()
{
    const Checks::Outcome outcome = m_tool.check(FieldAccess::text(m_entry));
    switch (outcome.kind) {
    case Checks::Outcome::Information:
        Ui::information(this, outcome.text);
        break;
    case Checks::Outcome::Warning:
        Ui::warning(this, outcome.text);
        break;
    case Checks::Outcome::None:
        break;
    }
    if (outcome.staysOpen)
        m_entry->setFocus(Qt::OtherFocusReason);
    else
        accept();
}

void CheckScreen::btnChiudiClick() { reject(); }
