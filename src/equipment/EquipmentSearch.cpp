#include "equipment/EquipmentSearch.h"

namespace {

constexpr SearchFilter kFilters[] = {
    {"txtCodice", "Codice attrezzatura:", "Codice"},
    {"txtTipologia", "Tipologia:", "Tipologia"},
    {"txtMarca", "Marca e modello:", "Marca"},
    {"txtDescrizione", "Descrizione per Cantilog:", "Descrizione"},
    {"txtMatricola", "Matricola n.", "Matricola"},
    {"txtPersona", "Persona di contatto:", "Persona"},
    {"txtDitta", "Ditta fornitrice:", "Ditta"},
    {"txtTitolare", "Titolare o responsabile:", "Titolare"},
    {"txtDocumento", "Documento di acquisto:", "Documento"},
    {"txtNote", "Note:", "Note"},
};

// Sorted by text, so items stand in the order of their codes.
constexpr LineColumn kLine[] = {
    {"Cod. ", "Codice", nullptr, 25},        {"  ", "Marca", nullptr, 30},    {"  Scad. ", "DataSca", nullptr, 10},
    {"  Tel. ass. ", "TelAss", nullptr, 15}, {" Note: ", "Note", nullptr, 0},
};

} // namespace

namespace EquipmentSearch {

const SearchDesign &design()
{
    static const SearchDesign d{&Layouts::equipment(), kFilters, kLine, "Riepilogo attrezzature in inventario"};
    return d;
}

std::span<const LineColumn> itemLine() { return kLine; }

} // namespace EquipmentSearch
