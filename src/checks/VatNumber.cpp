#include "checks/Checks.h"

#include "foundation/Text.h"

#include <algorithm>
#include <iterator>

namespace Checks {

namespace {

struct Office {
    const char *code;
    const char16_t *name;
};

// Provincial VAT offices by the code in digits 8 to 10 of the number.
constexpr Office kOffices[] = {
    {"001", u"Torino"},
    {"002", u"Vercelli"},
    {"003", u"Novara"},
    {"004", u"Cuneo"},
    {"005", u"Asti"},
    {"006", u"Alessandria"},
    {"007", u"Aosta"},
    {"008", u"Imperia"},
    {"009", u"Savona"},
    {"010", u"Genova 1"},
    {"011", u"La Spezia"},
    {"012", u"Varese"},
    {"013", u"Como"},
    {"014", u"Sondrio"},
    {"015", u"Milano 1"},
    {"016", u"Bergamo"},
    {"017", u"Brescia 1"},
    {"018", u"Pavia"},
    {"019", u"Cremona"},
    {"020", u"Mantova"},
    {"021", u"Bolzano"},
    {"022", u"Trento"},
    {"023", u"Verona"},
    {"024", u"Vicenza"},
    {"025", u"Belluno"},
    {"026", u"Treviso"},
    {"027", u"Venezia"},
    {"028", u"Padova"},
    {"029", u"Rovigo"},
    {"030", u"Udine"},
    {"031", u"Gorizia"},
    {"032", u"Trieste"},
    {"033", u"Piacenza"},
    {"034", u"Parma"},
    {"035", u"Reggio Emilia"},
    {"036", u"Modena"},
    {"037", u"Bologna 1"},
    {"038", u"Ferrara"},
    {"039", u"Ravenna"},
    {"040", u"Forlì"},
    {"041", u"Pesaro"},
    {"042", u"Ancona"},
    {"043", u"Macerata"},
    {"044", u"Ascoli Piceno"},
    {"045", u"Massa Carrara"},
    {"046", u"Lucca"},
    {"047", u"Pistoia"},
    {"048", u"Firenze 1"},
    {"049", u"Livorno"},
    {"050", u"Pisa"},
    {"051", u"Arezzo"},
    {"052", u"Siena"},
    {"053", u"Grosseto"},
    {"054", u"Perugia"},
    {"055", u"Terni"},
    {"056", u"Viterbo"},
    {"057", u"Rieti"},
    {"058", u"Roma 1"},
    {"059", u"Latina"},
    {"060", u"Frosinone"},
    {"061", u"Caserta"},
    {"062", u"Benevento"},
    {"063", u"Napoli 1"},
    {"064", u"Avellino"},
    {"065", u"Salerno"},
    {"066", u"Aquila"},
    {"067", u"Teramo"},
    {"068", u"Pescara"},
    {"069", u"Chieti"},
    {"070", u"Campobasso"},
    {"071", u"Foggia"},
    {"072", u"Bari"},
    {"073", u"Taranto"},
    {"074", u"Brindisi"},
    {"075", u"Lecce"},
    {"076", u"Potenza"},
    {"077", u"Matera"},
    {"078", u"Cosenza"},
    {"079", u"Catanzaro"},
    {"080", u"Reggio Calabria"},
    {"081", u"Trapani"},
    {"082", u"Palermo"},
    {"083", u"Messina"},
    {"084", u"Agrigento"},
    {"085", u"Caltanissetta"},
    {"086", u"Enna"},
    {"087", u"Catania"},
    {"088", u"Ragusa"},
    {"089", u"Siracusa"},
    {"090", u"Sassari"},
    {"091", u"Nuoro"},
    {"092", u"Cagliari"},
    {"093", u"Pordenone"},
    {"094", u"Isernia"},
    {"095", u"Oristano"},
    {"096", u"Monza (Milano 2)"},
    {"097", u"Prato (Firenze 2)"},
    {"098", u"Brescia 2"},
    {"099", u"Chiavari (Genova 2)"},
    {"100", u"Roma 2"},
    {"101", u"Bologna 2"},
    {"102", u"Napoli 2"},
    {"120", u"Bologna 2"},
    {"121", u"Napoli 2"},
};

const QString kLengthWarning =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kValidText = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                          "E' stato rilasciato dall'Ufficio IVA del Comune di ");
const QString kWrongText =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

QString vatOffice(QStringView officeCode)
{
    const auto found = std::find_if(std::begin(kOffices), std::end(kOffices),
                                    [&](const Office &o) { return officeCode == QLatin1StringView(o.code); });
    return found == std::end(kOffices) ? QString() : QString::fromUtf16(found->name);
}

bool isValidVatNumber(QStringView number)
{
    if (number.size() != 11 || !std::all_of(number.begin(), number.end(), isDigit))
        return false;
    int s = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = number[i].unicode() - u'0';
        if (i % 2 == 0) {
            s += d; // d1, d3, ..., d9
        } else {
            const int t = 2 * d; // d2, d4, ..., d10
            s += t <= 9 ? t : t - 9;
        }
    }
    return (10 - s % 10) % 10 == number[10].unicode() - u'0';
}

Outcome vatNumber(const QString &entry)
{
    const QString number = Text::upperAscii(entry);
    if (number.size() != 11)
        return {Outcome::Warning, kLengthWarning, true};
    if (isValidVatNumber(number))
        return {Outcome::Information, kValidText + vatOffice(QStringView(number).mid(7, 3)) + u'.', false};
    return {Outcome::Warning, kWrongText, false};
}

} // namespace Checks
