#include "archive/RecordLayout.h"

#include <array>

namespace {

constexpr std::array kJournal = std::to_array<FieldSpec>({
    {"Numero", 50},         {"Data", 10},      {"Committente", 250}, {"Impresa", 250},      {"Oggetto", 250},
    {"Meteo", 250},         {"Natura", 250},   {"Totale", 250},      {"Annotazioni", 3000}, {"Operai", 3000},
    {"Osservazioni", 3000}, {"Direttore", 50}, {"Responsabile", 50}, {"File01", 250},       {"File02", 250},
    {"File03", 250},        {"Desc01", 250},   {"Desc02", 250},      {"Desc03", 250},
});

constexpr std::array kEquipment = std::to_array<FieldSpec>({
    {"Codice", 30},    {"Tipologia", 50},     {"Euro", 15},       {"Marca", 50},     {"Descrizione", 250},
    {"Matricola", 50}, {"Alimentazione", 50}, {"Dimensioni", 50}, {"Utilizzo", 250}, {"Documento", 250},
    {"DataAcq", 10},   {"Garanzia", 50},      {"Persona", 50},    {"TelAss", 30},    {"DataSca", 10},
    {"Preavviso", 3},  {"Ditta", 50},         {"Titolare", 120},  {"Recapito", 50},  {"Pagamento", 250},
    {"Note", 250},     {"Effettuata", 2},     {"File01", 250},    {"File02", 250},   {"File03", 250},
    {"Desc01", 250},   {"Desc02", 250},       {"Desc03", 250},
});

constexpr std::array kWorkers = std::to_array<FieldSpec>({
    {"Cognome", 50},     {"Nome", 50},        {"CodFisc", 16},   {"Sesso", 1},          {"DataNasc", 10},
    {"ComuneNasc", 50},  {"ProvNasc", 2},     {"Iva", 11},       {"Indirizzo", 50},     {"Cap", 5},
    {"ComuneRes", 50},   {"ProvRes", 2},      {"Stato", 50},     {"Familiari", 250},    {"Recapito", 50},
    {"TelCasa", 50},     {"TelCel", 50},      {"TelUff", 50},    {"Fax", 50},           {"Email", 50},
    {"Qualifiche", 250}, {"Professione", 50}, {"Iban", 27},      {"Intestatario", 50},  {"Banca", 50},
    {"Carta", 50},       {"ScadeCarta", 10},  {"Prodotti", 250}, {"Pagamento", 120},    {"Note", 250},
    {"TipoDoc", 50},     {"NumDoc", 50},      {"EnteRil", 50},   {"DataRil", 10},       {"DataSca", 10},
    {"Codice", 30},      {"Categoria", 50},   {"Zona", 50},      {"Acquisto", 50},      {"Decorrenza", 10},
    {"Scadenza", 10},    {"Preavviso", 3},    {"Totale", 15},    {"Frazionamento", 50}, {"Rata", 50},
    {"File01", 250},     {"File02", 250},     {"File03", 250},   {"Desc01", 250},       {"Desc02", 250},
    {"Desc03", 250},
});

template <std::size_t N>
constexpr int bytesOf(const std::array<FieldSpec, N> &fields)
{
    int sum = 0;
    for (const auto &f : fields)
        sum += f.capacity + 1;
    return sum;
}

static_assert(bytesOf(kJournal) == 12179);
static_assert(bytesOf(kEquipment) == 3448);
static_assert(bytesOf(kWorkers) == 4043);

} // namespace

RecordLayout::RecordLayout(const char *archiveName, TextForm form, std::span<const FieldSpec> fields)
    : m_archiveName(archiveName), m_form(form), m_fields(fields)
{
    Q_ASSERT(fields.size() <= std::size(m_offsets));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        m_offsets[i] = m_size;
        m_size += fields[i].capacity + 1;
    }
}

int RecordLayout::indexOf(QAnyStringView name) const
{
    for (int i = 0; i < fieldCount(); ++i)
        if (QAnyStringView::equal(name, QLatin1String(m_fields[i].name)))
            return i;
    return -1;
}

namespace Layouts {

const RecordLayout &journal()
{
    static const RecordLayout layout("journal", TextForm::CharArray, kJournal);
    return layout;
}

const RecordLayout &equipment()
{
    static const RecordLayout layout("equipment", TextForm::LengthPrefixed, kEquipment);
    return layout;
}

const RecordLayout &workers()
{
    static const RecordLayout layout("workers", TextForm::LengthPrefixed, kWorkers);
    return layout;
}

const RecordLayout *byArchiveName(QAnyStringView name)
{
    for (const RecordLayout *l : {&journal(), &equipment(), &workers()})
        if (QAnyStringView::equal(name, QLatin1String(l->archiveName())))
            return l;
    return nullptr;
}

} // namespace Layouts
