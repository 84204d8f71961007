#include "app/ui/Screens.h"

#include "app/ui/Avvio.h"
#include "app/ui/Calendario.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Guida.h"
#include "app/ui/Info.h"
#include "app/ui/Password.h"
#include "app/ui/Splash.h"
#include "checks/ui/Carta.h"
#include "checks/ui/CodFisc.h"
#include "checks/ui/Iban.h"
#include "checks/ui/PartitaIva.h"
#include "archive/ui/AllegaCartella.h"
#include "journal/ui/AnteprimaGiornale.h"
#include "journal/ui/ApriGiornale.h"
#include "journal/ui/CreaGiornale.h"
#include "journal/ui/CreaRTF.h"
#include "journal/ui/Frontespizio.h"
#include "journal/ui/Giornale.h"
#include "journal/ui/MenuGiornale.h"
#include "journal/ui/StampaGiornale.h"
#include "journal/ui/TrovaGiornale.h"

#include <QHash>

namespace {

template <typename Screen, Screen **Global>
QWidget *make()
{
    *Global = new Screen;
    return *Global;
}

// Creation order of the screens; the first one is the main form.
const Screens::Entry kScreens[] = {
    {"TfrmPassword", &make<TfrmPassword, &frmPassword>},
    {"TfrmAvvio", &make<TfrmAvvio, &frmAvvio>},
    {"TfrmCambiaPassword", &make<TfrmCambiaPassword, &frmCambiaPassword>},
    {"TfrmGuida", &make<TfrmGuida, &frmGuida>},
    {"TfrmInfo", &make<TfrmInfo, &frmInfo>},
    {"TfrmSplash", &make<TfrmSplash, &frmSplash>},
    {"TfrmCalendario", &make<TfrmCalendario, &frmCalendario>},
    {"TfrmAllegaCartella", &make<TfrmAllegaCartella, &frmAllegaCartella>},
    {"TfrmPartitaIva", &make<TfrmPartitaIva, &frmPartitaIva>},
    {"TfrmCodFisc", &make<TfrmCodFisc, &frmCodFisc>},
    {"TfrmCarta", &make<TfrmCarta, &frmCarta>},
    {"TfrmIban", &make<TfrmIban, &frmIban>},
    {"TfrmMenuGiornale", &make<TfrmMenuGiornale, &frmMenuGiornale>},
    {"TfrmCreaGiornale", &make<TfrmCreaGiornale, &frmCreaGiornale>},
    {"TfrmApriGiornale", &make<TfrmApriGiornale, &frmApriGiornale>},
    {"TfrmGiornale", &make<TfrmGiornale, &frmGiornale>},
    {"TfrmFrontespizio", &make<TfrmFrontespizio, &frmFrontespizio>},
    {"TfrmCreaRTF", &make<TfrmCreaRTF, &frmCreaRTF>},
    {"TfrmTrovaGiornale", &make<TfrmTrovaGiornale, &frmTrovaGiornale>},
    {"TfrmAnteprimaGiornale", &make<TfrmAnteprimaGiornale, &frmAnteprimaGiornale>},
    {"TfrmStampaGiornale", &make<TfrmStampaGiornale, &frmStampaGiornale>},
};

QHash<QString, QWidget *> &registry()
{
    static QHash<QString, QWidget *> screens;
    return screens;
}

} // namespace

namespace Screens {

QWidget *createAll()
{
    QWidget *mainForm = nullptr;
    for (const Entry &entry : kScreens) {
        QWidget *screen = entry.create();
        screen->setObjectName(QLatin1String(entry.className + 1)); // "frmAvvio"
        add(screen);
        if (!mainForm)
            mainForm = screen;
    }
    return mainForm;
}

QWidget *find(const QString &globalName) { return registry().value(globalName); }

void add(QWidget *instance) { registry().insert(instance->objectName(), instance); }

void remove(QWidget *instance)
{
    const QString name = instance->objectName();
    if (registry().value(name) == instance)
        registry().remove(name);
}

} // namespace Screens
