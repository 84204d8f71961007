#include "shell/ui/Screens.h"

#include "archive/ui/AllegaCartella.h"
#include "checks/ui/Carta.h"
#include "checks/ui/CodFisc.h"
#include "checks/ui/Iban.h"
#include "checks/ui/PartitaIva.h"
#include "equipment/ui/Attrezzature.h"
#include "equipment/ui/ExpAttrezzature.h"
#include "equipment/ui/Summaries.h"
#include "equipment/ui/TrovaAttrezzature.h"
#include "foundation/ui/Calendario.h"
#include "foundation/ui/Guida.h"
#include "journal/ui/AnteprimaGiornale.h"
#include "journal/ui/ApriGiornale.h"
#include "journal/ui/CreaGiornale.h"
#include "journal/ui/CreaRTF.h"
#include "journal/ui/Frontespizio.h"
#include "journal/ui/Giornale.h"
#include "journal/ui/MenuGiornale.h"
#include "journal/ui/StampaGiornale.h"
#include "journal/ui/TrovaGiornale.h"
#include "shell/ui/Avvio.h"
#include "shell/ui/CambiaPassword.h"
#include "shell/ui/Info.h"
#include "shell/ui/Password.h"
#include "shell/ui/Splash.h"
#include "workers/ui/AnteprimaIstruttore.h"
#include "workers/ui/DaRinnovare.h"
#include "workers/ui/ExpIstruttori.h"
#include "workers/ui/Istruttori.h"
#include "workers/ui/StampaIstruttore.h"
#include "workers/ui/TrovaIstruttori.h"

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
    {"TfrmAttrezzature", &make<TfrmAttrezzature, &frmAttrezzature>},
    {"TfrmCalendario", &make<TfrmCalendario, &frmCalendario>},
    {"TfrmAllegaCartella", &make<TfrmAllegaCartella, &frmAllegaCartella>},
    {"TfrmExpAttrezzature", &make<TfrmExpAttrezzature, &frmExpAttrezzature>},
    {"TfrmScadenze", &make<TfrmScadenze, &frmScadenze>},
    {"TfrmScadute", &make<TfrmScadute, &frmScadute>},
    {"TfrmValoreTotale", &make<TfrmValoreTotale, &frmValoreTotale>},
    {"TfrmTrovaAttrezzature", &make<TfrmTrovaAttrezzature, &frmTrovaAttrezzature>},
    {"TfrmIstruttori", &make<TfrmIstruttori, &frmIstruttori>},
    {"TfrmPartitaIva", &make<TfrmPartitaIva, &frmPartitaIva>},
    {"TfrmCodFisc", &make<TfrmCodFisc, &frmCodFisc>},
    {"TfrmCarta", &make<TfrmCarta, &frmCarta>},
    {"TfrmIban", &make<TfrmIban, &frmIban>},
    {"TfrmStampaIstruttore", &make<TfrmStampaIstruttore, &frmStampaIstruttore>},
    {"TfrmAnteprimaIstruttore", &make<TfrmAnteprimaIstruttore, &frmAnteprimaIstruttore>},
    {"TfrmExpIstruttori", &make<TfrmExpIstruttori, &frmExpIstruttori>},
    {"TfrmDaRinnovare", &make<TfrmDaRinnovare, &frmDaRinnovare>},
    {"TfrmTrovaIstruttori", &make<TfrmTrovaIstruttori, &frmTrovaIstruttori>},
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

std::span<const Entry> table() { return kScreens; }

} // namespace Screens
