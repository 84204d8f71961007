#include "workers/WorkerSheet.h"

namespace {

// The worker's name in one column: surname and first name, each trimmed, joined by a blank.
constexpr GridColumn kGrid[] = {
    {"colNum", "N.", 60, nullptr, nullptr},
    {"colDipendente", "Cognome e nome", 250, "Cognome", "Nome"},
    {"colCodFisc", "Codice fiscale", 150, "CodFisc", nullptr},
    {"colDataNasc", "Data di nascita", 120, "DataNasc", nullptr},
    {"colComuneNasc", "Comune / Stato estero di nascita", 250, "ComuneNasc", nullptr},
    {"colIva", "Partita IVA", 150, "Iva", nullptr},
    {"colIndirizzo", "Indirizzo di residenza", 250, "Indirizzo", nullptr},
    {"colComuneRes", "Comune di residenza", 250, "ComuneRes", nullptr},
    {"colRecapito", "Recapito preferenziale", 200, "Recapito", nullptr},
    {"colTelCasa", "Tel. casa", 200, "TelCasa", nullptr},
    {"colTelCel", "Tel. cellulare", 200, "TelCel", nullptr},
    {"colEmail", "E-mail", 250, "Email", nullptr},
    {"colCategoria", "Categoria", 250, "Categoria", nullptr},
    {"colQualifiche", "Qualifica principale", 250, "Qualifiche", nullptr},
    {"colFamiliari", "Giorni e orari disponibilità", 300, "Familiari", nullptr},
    {"colIban", "IBAN", 250, "Iban", nullptr},
    {"colIntestatario", "Intestatario C/C", 250, "Intestatario", nullptr},
    {"colPagamento", "Modalità di pagamento", 250, "Pagamento", nullptr},
    {"colProdotti", "Equipaggiamento assegnato", 300, "Prodotti", nullptr},
    {"colTipoDoc", "Tipo documento", 250, "TipoDoc", nullptr},
    {"colNumDoc", "Numero documento", 200, "NumDoc", nullptr},
    {"colEnteRil", "Ente rilascio", 250, "EnteRil", nullptr},
    {"colDataRil", "Data rilascio", 200, "DataRil", nullptr},
    {"colDataSca", "Data scadenza", 200, "DataSca", nullptr},
    {"colCodice", "Mansione", 250, "Codice", nullptr},
    {"colNote", "Note", 300, "Note", nullptr},
};

// Every grid column but the row number, in grid order; the widths differ from the grid's.
constexpr FileColumn kFile[] = {
    {"Cognome e nome", 250, 1},
    {"Codice fiscale", 200, 2},
    {"Data di nascita", 200, 3},
    {"Comune / Stato estero di nascita", 250, 4},
    {"Partita IVA", 200, 5},
    {"Indirizzo di residenza", 250, 6},
    {"Comune di residenza", 250, 7},
    {"Recapito preferenziale", 250, 8},
    {"Tel. casa", 200, 9},
    {"Tel. cellulare", 200, 10},
    {"E-mail", 250, 11},
    {"Categoria", 250, 12},
    {"Qualifica principale", 250, 13},
    {"Giorni e orari disponibilità", 300, 14},
    {"IBAN", 300, 15},
    {"Intestatario C/C", 250, 16},
    {"Modalità di pagamento", 250, 17},
    {"Equipaggiamento assegnato", 300, 18},
    {"Tipo documento", 250, 19},
    {"Numero documento", 250, 20},
    {"Ente rilascio", 250, 21},
    {"Data rilascio", 200, 22},
    {"Data scadenza", 200, 23},
    {"Mansione", 250, 24},
    {"Note", 300, 25},
};

} // namespace

namespace WorkerSheet {

const SheetDesign &design()
{
    static const SheetDesign d{&Layouts::workers(), "Personale_Interno.xls", "Personale Interno", kGrid, kFile};
    return d;
}

Result exportArchive(const QString &archivePath, const QString &filePath)
{
    QList<QStringList> rows;
    if (!Spreadsheet::gridRows(archivePath, design(), &rows))
        return Result::AccessFailed;
    return Spreadsheet::write(filePath, design(), Spreadsheet::shownRows(rows, design())) ? Result::Done
                                                                                          : Result::WriteFailed;
}

} // namespace WorkerSheet
