#include "journal/JournalSearch.h"

namespace {

constexpr SearchFilter kFilters[] = {
    {"txtData", "Data (gg/mm/aaaa):", "Data"},
    {"txtOggetto", "Oggetto dei Lavori:", "Oggetto"},
    {"txtMeteo", "Meteo:", "Meteo"},
    {"txtNatura", "Natura dei terreni:", "Natura"},
    {"txtTotale", "Numero operai impiegati:", "Totale"},
    {"txtAnnotazioni", "ANNOTAZIONI SPECIALI E GENERALI:", "Annotazioni"},
    {"txtOperai", "OPERAI E MEZZI D'OPERA:", "Operai"},
    {"txtOsservazioni", "OSSERVAZIONI E ISTRUZIONI:", "Osservazioni"},
    {"txtDirettore", "Direttore dei Lavori:", "Direttore"},
    {"txtResponsabile", "Responsabile del Procedimento:", "Responsabile"},
};

// Sorted by text, so pages stand in the order of their date text: day of the month first.
constexpr LineColumn kLine[] = {
    {"", "Data", nullptr, 10},
    {"  Direttore: ", "Direttore", nullptr, 30},
    {"  Operai n. ", "Totale", nullptr, 10},
    {"  Oggetto: ", "Oggetto", nullptr, 0},
};

} // namespace

namespace JournalSearch {

const SearchDesign &design()
{
    static const SearchDesign d{&Layouts::journal(), kFilters, kLine, "Riepilogo pagine Cantilog"};
    return d;
}

} // namespace JournalSearch
