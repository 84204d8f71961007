#include "report/ui/SheetScreen.h"

#include "foundation/Formats.h"
#include "foundation/ui/ScreenKit.h"
#include "report/ui/ReportOutput.h"

#include <QPushButton>

SheetScreen::SheetScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                         const QString &explanation, const QString &action)
    : SecondaryScreen(owner, caption, client)
{
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
    connect(btnAnnulla, &QPushButton::clicked, this, &SheetScreen::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, [this] { btnStampaClick(); });
}

ReportSheetScreen::ReportSheetScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                                     const QString &explanation, const QString &action,
                                     const Report::LayoutTable &layout, Output output, Fill fill)
    : SheetScreen(owner, caption, client, icon, explanation, action), m_report(layout), m_output(output),
      m_fill(std::move(fill))
{}

bool ReportSheetScreen::prepareSheet()
{
    if (!m_fill || !m_fill(m_report))
        return false;
    m_report.prepare(Formats::todayText());
    return true;
}

void ReportSheetScreen::btnStampaClick()
{
    if (prepareSheet()) {
        if (m_output == Output::Print)
            ReportOutput::print(this, m_report.prepared());
        else
            ReportOutput::preview(this, m_report.prepared());
    }
    accept();
}
