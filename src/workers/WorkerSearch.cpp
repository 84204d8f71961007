#include "workers/WorkerSearch.h"

namespace {

constexpr SearchFilter kFilters[] = {
    {"txtCognome", "Cognome:", "Cognome"},
    {"txtNome", "Nome:", "Nome"},
    {"txtCodice", "Mansione:", "Codice"},
    {"txtCategoria", "Categoria:", "Categoria"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc"},
    {"txtIva", "Partita IVA:", "Iva"},
    {"txtFamiliari", "Giorni e orari disponibilità:", "Familiari"},
    {"txtProdotti", "Equipaggiamento assegnato:", "Prodotti"},
    {"txtAcquisto", "Tipo contratto:", "Acquisto"},
    {"txtNote", "Note:", "Note"},
};

// Sorted by text, so workers stand in the order of surname and first name. The column headed
// "Tel." is the preferred contact.
constexpr LineColumn kLine[] = {
    {"", "Cognome", "Nome", 28},          {"  C.F. ", "CodFisc", nullptr, 16}, {"  Mans. ", "Codice", nullptr, 24},
    {"  Tel. ", "Recapito", nullptr, 14}, {"  Note: ", "Note", nullptr, 0},
};

} // namespace

namespace WorkerSearch {

const SearchDesign &design()
{
    static const SearchDesign d{&Layouts::workers(), kFilters, kLine, "Riepilogo lavoratori in archivio"};
    return d;
}

} // namespace WorkerSearch
