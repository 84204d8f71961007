#include "equipment/EquipmentSheet.h"

namespace {

constexpr GridColumn kGrid[] = {
    {"colNum", "N.", 60, nullptr, nullptr},
    {"colCodice", "Codice attrezzatura", 200, "Codice", nullptr},
    {"colTipologia", "Tipologia", 200, "Tipologia", nullptr},
    {"colEuro", "Valore in euro", 120, "Euro", nullptr},
    {"colMarca", "Marca e modello", 250, "Marca", nullptr},
    {"colDescrizione", "Descrizione", 280, "Descrizione", nullptr},
    {"colMatricola", "Matricola", 200, "Matricola", nullptr},
    {"colAlimentazione", "Alimentazione", 200, "Alimentazione", nullptr},
    {"colDimensioni", "Dimensioni", 200, "Dimensioni", nullptr},
    {"colUtilizzo", "Modalità di utilizzo", 250, "Utilizzo", nullptr},
    {"colDocumento", "Documento di acquisto", 250, "Documento", nullptr},
    {"colDataAcq", "Data di acquisto", 120, "DataAcq", nullptr},
    {"colGaranzia", "Garanzia", 200, "Garanzia", nullptr},
    {"colPersona", "Persona di contatto", 200, "Persona", nullptr},
    {"colTelAss", "Tel. assistenza tecnica", 200, "TelAss", nullptr},
    {"colDataSca", "Data prossima revisione", 150, "DataSca", nullptr},
    {"colDitta", "Ditta fornitrice", 200, "Ditta", nullptr},
    {"colTitolare", "Titolare o responsabile", 200, "Titolare", nullptr},
    {"colRecapito", "Recapito preferenziale", 200, "Recapito", nullptr},
    {"colPagamento", "Modalità di pagamento", 250, "Pagamento", nullptr},
    {"colEffettuata", "Revisione effettuata", 120, "Effettuata", nullptr},
    {"colNote", "Note", 350, "Note", nullptr},
};

// Every grid column but the row number, in grid order.
constexpr FileColumn kFile[] = {
    {"Codice attrezzatura", 250, 1},
    {"Tipologia", 250, 2},
    {"Valore in euro", 200, 3},
    {"Marca e modello", 250, 4},
    {"Descrizione", 300, 5},
    {"Matricola", 250, 6},
    {"Alimentazione", 250, 7},
    {"Dimensioni", 250, 8},
    {"Modalità di utilizzo", 300, 9},
    {"Documento di acquisto", 300, 10},
    {"Data di acquisto", 150, 11},
    {"Garanzia", 250, 12},
    {"Persona di contatto", 250, 13},
    {"Tel. assistenza tecnica", 250, 14},
    {"Data prossima revisione", 200, 15},
    {"Ditta fornitrice", 250, 16},
    {"Titolare o responsabile", 250, 17},
    {"Recapito preferenziale", 250, 18},
    {"Modalità di pagamento", 250, 19},
    {"Revisione effettuata", 150, 20},
    {"Note", 300, 21},
};

} // namespace

namespace EquipmentSheet {

const SheetDesign &design()
{
    static const SheetDesign d{&Layouts::equipment(), "Attrezzature.xls", "Inventario Attrezzature", kGrid, kFile};
    return d;
}

} // namespace EquipmentSheet
