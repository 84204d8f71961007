#include "workers/WorkerCard.h"

#include "archive/SheetFill.h"

#include "archive/ArchiveFile.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "report/ReportRenderer.h"

#include <array>

namespace WorkerCard {

namespace {

using namespace Report;
using namespace Report::Colours;
using enum RowKind;
using enum HAlign;
using enum VAlign;

constexpr Row kRows[] = {
    // box      caption   caption text                      value memo          field            joined
    {"Shape2", "Memo1", "Cognome e nome:", "txtIstruttore", "Cognome", "Nome"},
    {"Shape3", "Memo2", "Codice fiscale:", "txtCodFisc", "CodFisc", nullptr},
    {"Shape4", "Memo3", "Sesso:", "txtSesso", "Sesso", nullptr},
    {"Shape6", "Memo4", "Data di nascita:", "txtDataNasc", "DataNasc", nullptr},
    {"Shape7", "Memo5", "Comune di nascita:", "txtComuneNasc", "ComuneNasc", "ProvNasc"},
    {"Shape8", "Memo6", "Partita IVA:", "txtIva", "Iva", nullptr},
    {"Shape9", "Memo7", "Via e numero civico:", "txtIndirizzo", "Indirizzo", nullptr},
    {"Shape10", "Memo8", "CAP:", "txtCap", "Cap", nullptr},
    {"Shape11", "Memo9", "Comune di residenza:", "txtComuneRes", "ComuneRes", "ProvRes"},
    {"Shape12", "Memo10", "Stato civile:", "txtStato", "Stato", nullptr},
    {"Shape13", "Memo11", "Giorni e orari disponibilità:", "txtFamiliari", "Familiari", nullptr},
    {"Shape14", "Memo12", "Recapito preferenziale:", "txtRecapito", "Recapito", nullptr},
    {"Shape15", "Memo13", "Tel. casa:", "txtTelCasa", "TelCasa", nullptr},
    {"Shape16", "Memo14", "Tel cellulare:", "txtTelCel", "TelCel", nullptr},
    {"Shape17", "Memo15", "Tel. ufficio:", "txtTelUff", "TelUff", nullptr},
    {"Shape18", "Memo16", "Fax:", "txtFax", "Fax", nullptr},
    {"Shape20", "Memo35", "E-mail:", "txtEmail", "Email", nullptr},
    {"Shape21", "Memo36", "Qualifica principale:", "txtQualifiche", "Qualifiche", nullptr},
    {"Shape22", "Memo37", "Altri titoli:", "txtProfessione", "Professione", nullptr},
    {"Shape24", "Memo38", "IBAN:", "txtIban", "Iban", nullptr},
    {"Shape25", "Memo39", "Intestatario C/C:", "txtIntestatario", "Intestatario", nullptr},
    {"Shape5", "Memo21", "Banca:", "txtBanca", "Banca", nullptr},
    {"Shape19", "Memo22", "Carta di credito n.", "txtCarta", "Carta", nullptr},
    {"Shape26", "Memo23", "Scadenza carta di credito:", "txtScadeCarta", "ScadeCarta", nullptr},
    {"Shape27", "Memo24", "Equipaggiamento assegnato:", "txtProdotti", "Prodotti", nullptr},
    {"Shape28", "Memo30", "Modalità di pagamento:", "txtPagamento", "Pagamento", nullptr},
    {"Shape29", "Memo17", "Note:", "txtNote", "Note", nullptr},
    {"Shape30", "Memo18", "Tipo documento:", "txtTipoDoc", "TipoDoc", nullptr},
    {"Shape31", "Memo19", "Numero documento:", "txtNumDoc", "NumDoc", nullptr},
    {"Shape32", "Memo20", "Ente di rilascio:", "txtEnteRil", "EnteRil", nullptr},
    {"Shape33", "Memo25", "Data di rilascio:", "txtDataRil", "DataRil", nullptr},
    {"Shape34", "Memo26", "Data di scadenza:", "txtDataSca", "DataSca", nullptr},
    {"Shape35", "Memo27", "Mansione:", "txtCodice", "Codice", nullptr},
    {"Shape36", "Memo28", "Categoria:", "txtCategoria", "Categoria", nullptr},
    {"Shape37", "Memo29", "Livello:", "txtZona", "Zona", nullptr},
    {"Shape38", "Memo31", "Tipo di contratto:", "txtAcquisto", "Acquisto", nullptr},
    {"Shape39", "Memo32", "Data assunzione:", "txtDecorrenza", "Decorrenza", nullptr},
    {"Shape40", "Memo33", "Prossima scadenza:", "txtScadenza", "Scadenza", nullptr},
    {"Shape41", "Memo34", "Compenso totale: €", "txtTotale", "Totale", nullptr},
    {"Shape42", "Memo40", "Frazionamento:", "txtFrazionamento", "Frazionamento", nullptr},
    {"Shape43", "Memo41", "Importo rata: €", "txtRata", "Rata", nullptr},
};

constexpr FontSpec a7{"Arial", 7};
constexpr FontSpec a8{"Arial", 8};
constexpr FontSpec a9{"Arial", 9};

// Positions in mm from the corner of the printable area (margins 10 mm).
constexpr ObjectRow kFrame[] = {
    // name           kind   left  top    width  height font fill            outline align   valign flags    text
    {"Shape1", Shape, 1.0, 1.0, 188.0, 5.8, {}, LightSteelBlue, Black},
    {"titArcataSup", Memo, 2.0, 2.0, 185.8, 4.2, a9, None, Black, Centre, Top, NoFlags,
     "SCHEDA INFORMATIVA LAVORATORE"},
    {"Line2", VerticalLine, 42.0, 7.0, 0, 204.6},
    {"Shape23", Shape, 1.0, 217.0, 188.0, 5.8, {}, Gold, Black},
    {"txtCalce", Memo, 2.0, 218.0, 185.8, 4.2, a8, None, Black, Centre, Top, NoFlags, "Data e ora stampa"},
};

// Row r (from 0) lies 5 mm under row r - 1: its box, its caption, its value.
constexpr double kRowPitch = 5.0;

constexpr auto makeCard()
{
    std::array<ObjectRow, std::size(kFrame) + 3 * std::size(kRows)> out{};
    std::size_t n = 0;
    for (const ObjectRow &o : kFrame)
        out[n++] = o;
    for (std::size_t r = 0; r < std::size(kRows); ++r) {
        const double shift = kRowPitch * double(r);
        out[n++] = ObjectRow{kRows[r].box, Shape, 1.0, 7.0 + shift, 188.0, 4.6};
        out[n++] =
            ObjectRow{kRows[r].captionMemo, Memo, 2.0, 7.5 + shift, 37.8, 3.5, a7, None, Black, Left, Top, NoFlags,
                      kRows[r].caption};
        out[n++] = ObjectRow{kRows[r].valueMemo, Memo, 44.0, 7.5 + shift, 144.0, 3.5, a7};
    }
    return out;
}

constexpr auto kCard = makeCard();

const LayoutTable kCardLayout{"Scheda Lavoratore", Orientation::Portrait, 10, 10, 10, 10, kCard, {}};

QString valueOf(const Record &worker, const Row &row)
{
    QString text = Text::trimBlanks(worker.value(QLatin1StringView(row.field)));
    if (row.joined)
        text += QLatin1Char(' ') + Text::trimBlanks(worker.value(QLatin1StringView(row.joined)));
    return text;
}

} // namespace

std::span<const Row> rows() { return kRows; }

const Report::LayoutTable &layout() { return kCardLayout; }

QString footText(const QDate &date, const QTime &time) { return SheetFill::printedAt(date, time); }

void fill(Report::Report &report, const Record &worker, const QDate &date, const QTime &time)
{
    report.page().setOrientation(Orientation::Portrait);
    QList<Report::MemoText> texts;
    for (const Row &row : kRows)
        texts.append({QLatin1String(row.valueMemo), valueOf(worker, row)});
    texts.append({QStringLiteral("txtCalce"), footText(date, time)});
    Report::setTexts(report, texts);
}

Report::PreparedReport prepared(const Record &worker)
{
    Report::Report report(kCardLayout);
    fill(report, worker, Formats::today(), QTime::currentTime());
    report.prepare(Formats::dateText(Formats::today()));
    return report.prepared();
}

Result writePdf(const QString &archivePath, qint64 position, const QString &pdfPath)
{
    return SheetFill::writeRecordPdf(archivePath, Layouts::workers(), position, &prepared, pdfPath);
}

} // namespace WorkerCard
