#include "foundation/ui/Calendario.h"

#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

TfrmCalendario *frmCalendario = nullptr;

namespace {

// The mode words of the date fields: the journal page date and the equipment revision date.
constexpr const char *kDateWords[] = {"datagio", "datasca"};

} // namespace

TfrmCalendario::TfrmCalendario(QWidget *owner) : SecondaryScreen(owner, kCaption, QSize(340, 330))
{
    Formats::apply();
    QWidget *c = canvas();
    lblData = ScreenKit::label(c, "lblData", QStringLiteral("Importare una data:"), QRect(16, 10, 300, 24), 11, true);
    calAppuntamenti = new QCalendarWidget(c);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(16, 38, 308, 230);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setSelectedDate(Formats::today());
    btnImporta = ScreenKit::button(c, "btnImporta", QStringLiteral("Importa"), QRect(60, 282, 100, 32));
    btnAnnulla = ScreenKit::button(c, "btnAnnulla", QStringLiteral("Annulla"), QRect(180, 282, 100, 32));
    connect(btnImporta, &QPushButton::clicked, this, &TfrmCalendario::btnImportaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

void TfrmCalendario::open(QLineEdit *target, const QString &modeWord)
{
    std::unique_ptr<TfrmCalendario> calendar(new TfrmCalendario(target->window()));
    calendar->setModeWord(modeWord);
    calendar->setTarget(target);
    Ui::execModal(calendar.get());
}

void TfrmCalendario::btnImportaClick()
{
    for (const char *word : kDateWords) {
        if (modeWord() != QLatin1String(word))
            continue;
        if (m_target)
            m_target->setText(Formats::dateText(calAppuntamenti->selectedDate()));
        accept();
        return;
    }
}

void TfrmCalendario::btnAnnullaClick() { reject(); }
