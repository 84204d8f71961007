#pragma once

#include "foundation/ui/Screen.h"
#include "report/Report.h"

#include <functional>

class QPushButton;

// The small screens that output one sheet (print, preview, export): an explanation beside a
// picture, the printer picture under them, "Annulla" and the action button.
class SheetScreen : public SecondaryScreen {
    Q_OBJECT
public:
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnStampa = nullptr;

    void btnAnnullaClick() { reject(); }
    virtual void btnStampaClick() = 0;

protected:
    SheetScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                const QString &explanation, const QString &action);
};

// A sheet screen whose action fills its report, prepares it with today's date, prints it
// (printer dialog first) or shows it in the preview, and closes.
class ReportSheetScreen : public SheetScreen {
    Q_OBJECT
public:
    enum class Output { Print, Preview };
    // Sets the report's page and texts from what the screen reads; false when there is
    // nothing to output (the screen then closes without output).
    using Fill = std::function<bool(Report::Report &report)>;

    Report::Report &report() { return m_report; }
    void btnStampaClick() override;

protected:
    ReportSheetScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                      const QString &explanation, const QString &action, const Report::LayoutTable &layout,
                      Output output, Fill fill);

    // Fills and prepares the report; false when the fill had nothing to output.
    bool prepareSheet();

private:
    Report::Report m_report;
    Output m_output;
    Fill m_fill;
};
