#include "checks/ui/CheckScreen.h"

#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/Text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace {

// Keys a digits-only entry accepts besides the digits; focus keys and lone modifiers keep
// their usual meaning.
constexpr Qt::Key kDigitEntryKeys[] = {
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Enter,
    Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta,
};

constexpr int kBannerHeight = 80;

} // namespace

CheckScreen::CheckScreen(QWidget *owner, const CheckTool &tool)
    : SecondaryScreen(owner, tool.caption, tool.client), m_tool(tool)
{
    Formats::apply();
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
    m_entry = ScreenKit::lineEdit(c, tool.entryName, QRect(20, kBannerHeight + 52, width - 40, 44),
                                  tool.maxLength, 20, true);
    const int buttonsTop = bottom - 58;
    btnControlla = ScreenKit::button(c, "btnControlla", QStringLiteral("Controlla"),
                                     QRect(width / 2 - 130, buttonsTop, 120, 36), 11);
    btnChiudi = ScreenKit::button(c, "btnChiudi", QStringLiteral("Chiudi"),
                                  QRect(width / 2 + 10, buttonsTop, 120, 36), 11);

    ScreenKit::setTabOrder(this, {QLatin1String(tool.entryName), QStringLiteral("btnControlla"),
                                  QStringLiteral("btnChiudi")});
    m_entry->installEventFilter(this);
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

bool CheckScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_entry) {
        if (event->type() == QEvent::KeyPress)
            return entryKeyDown(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::KeyRelease)
            entryKeyUp();
    }
    return SecondaryScreen::eventFilter(watched, event);
}

bool CheckScreen::entryKeyDown(QKeyEvent *event)
{
    if (!m_tool.digitsOnly)
        return false;
    const QString text = event->text();
    if (text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')
        return false;
    const auto key = Qt::Key(event->key());
    return std::find(std::begin(kDigitEntryKeys), std::end(kDigitEntryKeys), key) == std::end(kDigitEntryKeys);
}

void CheckScreen::entryKeyUp()
{
    if (!m_tool.retypeOnKeyUp)
        return;
    const QString typed = m_entry->text();
    const QString retyped = Text::trimBlanks(Text::upperAscii(typed));
    if (retyped == typed)
        return;
    // Keep the cursor where it was, less the blanks taken off in front of it.
    const qsizetype leading = Text::upperAscii(typed).indexOf(retyped);
    const int cursor = std::clamp(m_entry->cursorPosition() - int(std::max<qsizetype>(leading, 0)), 0,
                                  int(retyped.size()));
    m_entry->setText(retyped);
    m_entry->setCursorPosition(cursor);
}

void CheckScreen::btnControllaClick()
{
    const Checks::Outcome outcome = m_tool.check(m_entry->text());
    switch (outcome.kind) {
    case Checks::Outcome::Information: Ui::information(this, outcome.text); break;
    case Checks::Outcome::Warning: Ui::warning(this, outcome.text); break;
    case Checks::Outcome::None: break;
    }
    if (outcome.staysOpen)
        m_entry->setFocus(Qt::OtherFocusReason);
    else
        accept();
}

void CheckScreen::btnChiudiClick() { reject(); }
