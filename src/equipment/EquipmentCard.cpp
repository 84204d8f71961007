#include "equipment/EquipmentCard.h"

#include "archive/SheetFill.h"

#include "archive/ArchiveFile.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "report/ReportRenderer.h"

#include <array>

namespace EquipmentCard {

namespace {

using namespace Report;
using namespace Report::Colours;
using enum RowKind;
using enum HAlign;
using enum VAlign;

constexpr int kRows = 24;

constexpr const char *kCaptionMemos[kRows] = {
    "titCampo01", "titCampo02", "titCampo03", "titCampo04", "titCampo05", "titCampo06", "titCampo07", "titCampo08",
    "titCampo09", "titCampo10", "titCampo11", "titCampo12", "titCampo13", "titCampo14", "titCampo15", "titCampo16",
    "titCampo17", "titCampo18", "titCampo19", "titCampo20", "titCampo21", "titCampo22", "titCampo23", "titCampo24",
};
constexpr const char *kValueMemos[kRows] = {
    "txtCampo01", "txtCampo02", "txtCampo03", "txtCampo04", "txtCampo05", "txtCampo06", "txtCampo07", "txtCampo08",
    "txtCampo09", "txtCampo10", "txtCampo11", "txtCampo12", "txtCampo13", "txtCampo14", "txtCampo15", "txtCampo16",
    "txtCampo17", "txtCampo18", "txtCampo19", "txtCampo20", "txtCampo21", "txtCampo22", "txtCampo23", "txtCampo24",
};
constexpr const char *kDesignTexts[kRows] = {
    "Campo 1",  "Campo 2",  "Campo 3",  "Campo 4",  "Campo 5",  "Campo 6",  "Campo 7",  "Campo 8",
    "Campo 9",  "Campo 10", "Campo 11", "Campo 12", "Campo 13", "Campo 14", "Campo 15", "Campo 16",
    "Campo 17", "Campo 18", "Campo 19", "Campo 20", "Campo 21", "Campo 22", "Campo 23", "Campo 24",
};

constexpr CardRow kCardRows[kRows] = {
    {"Codice attrezzatura:", "Codice"},
    {"Tipologia:", "Tipologia"},
    {"Valore in euro:", "Euro"},
    {"Marca e modello:", "Marca"},
    {"Descrizione:", "Descrizione"},
    {"Matricola:", "Matricola"},
    {"Alimentazione:", "Alimentazione"},
    {"Dimensioni:", "Dimensioni"},
    {"Modalità di utilizzo:", "Utilizzo"},
    {"Documento di acquisto:", "Documento"},
    {"Data di acquisto:", "DataAcq"},
    {"Garanzia:", "Garanzia"},
    {"Persona di contatto:", "Persona"},
    {"Tel. assistenza tecnica:", "TelAss"},
    {"Data prossima revisione:", "DataSca"},
    {"Ditta fornitrice:", "Ditta"},
    {"Titolare o responsabile:", "Titolare"},
    {"Recapito preferenziale:", "Recapito"},
    {"Modalità di pagamento:", "Pagamento"},
    {"Note:", "Note"},
    {"", nullptr},
    {"", nullptr},
    {"", nullptr},
    {"", nullptr},
};

constexpr FontSpec kTitleFont{"Arial", 16, false, White};
constexpr FontSpec kCaptionFont{"Arial", 9, false, White};
constexpr FontSpec kValueFont{"Arial", 10};
constexpr FontSpec kFooterFont{"Arial", 10, false, White};

// Positions in mm from the corner of the printable area (margins 10 mm); caption and value rows
// stand 10 mm apart from 24 mm down.
constexpr double kFirstRowTop = 24.0;
constexpr double kRowPitch = 10.0;

constexpr auto kCard = [] {
    std::array<ObjectRow, 5 + 2 * kRows> rows{};
    int i = 0;
    // name           kind     left  top   width  height font         fill        outline align   valign  flags    text / picture
    rows[i++] = {"imgLogo", Picture, 3.0, 3.0, 17.0, 13.0, {}, None, Black, Left, Top, NoFlags, "", "cartella"};
    rows[i++] = {"txtTitolo", Memo,   23.0,   3.0,     165.0,          9.0, kTitleFont, DarkOrange,
                 Black,       Centre, Middle, NoFlags, "Titolo Scheda"};
    rows[i++] = {"linSepara01", HorizontalLine, 23.0, 16.0, 165.0, 0};
    for (int n = 0; n < kRows; ++n)
        rows[i++] = {kCaptionMemos[n],
                     Memo,
                     3.0,
                     kFirstRowTop + kRowPitch * n,
                     52.0,
                     6.0,
                     kCaptionFont,
                     Teal,
                     Black,
                     Left,
                     Middle,
                     NoFlags,
                     kDesignTexts[n]};
    for (int n = 0; n < kRows; ++n)
        rows[i++] = {kValueMemos[n], Memo, 60.0,       kFirstRowTop + kRowPitch * n,
                     128.0,          6.0,  kValueFont, None,
                     Black,          Left, Middle,     NoFlags,
                     kDesignTexts[n]};
    rows[i++] = {"linSepara02", HorizontalLine, 3.0, 265.0, 185.0, 0};
    rows[i++] = {"txtCalce", Memo,   3.0,    269.0,   185.0,           6.0, kFooterFont, DarkOrange,
                 Black,      Centre, Middle, NoFlags, "Termine scheda"};
    return rows;
}();

const LayoutTable kCardLayout{"Scheda informativa", Orientation::Portrait, 10, 10, 10, 10, kCard, {}};

} // namespace

const LayoutTable &layout() { return kCardLayout; }

std::span<const CardRow> rows() { return kCardRows; }

QString footer(const QDate &day, const QTime &time) { return SheetFill::printedAt(day, time); }

void fill(Report::Report &report, const Record &equipment, const QString &footerText)
{
    report.page().setOrientation(Orientation::Portrait);
    QList<Report::MemoText> texts{{QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA ATTREZZATURA")}};
    for (int n = 0; n < kRows; ++n) {
        const CardRow &row = kCardRows[n];
        texts.append({QLatin1String(kCaptionMemos[n]), QString::fromUtf8(row.caption)});
        texts.append({QLatin1String(kValueMemos[n]),
                      row.field ? Text::trimBlanks(equipment.value(QLatin1String(row.field))) : QString()});
    }
    texts.append({QStringLiteral("txtCalce"), footerText});
    Report::setTexts(report, texts);
}

Report::PreparedReport prepared(const Record &equipment)
{
    Report::Report report(layout());
    fill(report, equipment, footer(Formats::today(), QTime::currentTime()));
    report.prepare(Formats::todayText());
    return report.prepared();
}

Result writePdf(const QString &archivePath, qint64 position, const QString &pdfPath)
{
    return SheetFill::writeRecordPdf(archivePath, Layouts::equipment(), position, &prepared, pdfPath);
}

} // namespace EquipmentCard
