#include "foundation/ui/Calendario.h"

#include "foundation/Formats.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ScreenRegistry.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

TfrmCalendario *frmCalendario = nullptr;

namespace {

// Which field receives the date for each mode word.
struct DateTarget {
    const char *modeWord;
    const char *screen;
    const char *field;
};
constexpr DateTarget kTargets[] = {
    {"datagio", "frmGiornale", "txtData"},
    {"datasca", "frmAttrezzature", "txtDataSca"},
};

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

void TfrmCalendario::open(QWidget *owner, const QString &modeWord)
{
    std::unique_ptr<TfrmCalendario> calendar(new TfrmCalendario(owner));
    calendar->setModeWord(modeWord);
    Ui::execModal(calendar.get());
}

void TfrmCalendario::btnImportaClick()
{
    for (const DateTarget &target : kTargets) {
        if (modeWord() != QLatin1String(target.modeWord))
            continue;
        QWidget *screen = Screens::find(QLatin1String(target.screen));
        if (auto *field = screen ? screen->findChild<QLineEdit *>(QLatin1String(target.field)) : nullptr)
            field->setText(Formats::dateText(calAppuntamenti->selectedDate()));
        accept();
        return;
    }
}

void TfrmCalendario::btnAnnullaClick() { reject(); }
