#include "journal/JournalLayouts.h"

namespace JournalLayouts {

namespace {

using namespace Report;
using namespace Report::Colours;
using enum RowKind;
using enum HAlign;
using enum VAlign;

constexpr RowKind HLine = HorizontalLine;
constexpr RowKind VLine = VerticalLine;
constexpr const char *kArial = "Arial";

// ---- The journal page: positions in mm from the paper's corner, margins 0 ----

constexpr FontSpec a7{kArial, 7};
constexpr FontSpec a8{kArial, 8};
constexpr FontSpec a8Caption{kArial, 8, true, LightYellow};
constexpr FontSpec a8Value{kArial, 8, true, White};
constexpr FontSpec a9Title{kArial, 9, true, White};

constexpr ObjectRow kJournalPage[] = {
    // name             kind   left   top    width  height font       fill            outline         align   valign  flags     text
    {"Shape2", Shape, 11.0, 66.8, 188.0, 61.0, {}, Beige, Beige},
    {"Line1", VLine, 10.0, 18.0, 0, 255.0},
    {"Line2", HLine, 10.0, 273.2, 190.0, 0},
    {"Line3", HLine, 10.0, 18.0, 190.0, 0},
    {"Line4", VLine, 200.0, 18.0, 0, 255.0},
    {"Line5", HLine, 11.0, 30.0, 188.0, 0},
    {"Shape1", Shape, 11.0, 31.6, 188.0, 4.8, {}, Beige, Beige},
    {"txtNumero", Memo, 10.0, 10.4, 169.6, 3.4, a7, None, Black, Left, Middle, NoFlags, "CANTILOG N."},
    {"Line11", HLine, 144.0, 287.0, 56.0, 0},
    {"Memo8", Memo, 144.0, 274.4, 56.0, 4.0, a7, None, Black, Centre, Middle, NoFlags,
     "IL RESPONSABILE DEL PROCEDIMENTO:"},
    {"Shape6", Shape, 11.0, 19.0, 188.0, 10.0, {}, CornflowerBlue, CornflowerBlue},
    {"titCommittente", Memo, 12.0, 20.0, 27.4, 3.8, a8Caption, None, Black, Left, Middle, NoFlags, "COMMITTENTE:"},
    {"txtOggetto", Memo, 10.0, 14.0, 190.0, 3.4, a7, None, Black, Left, Middle, NoFlags, "OGGETTO:"},
    {"txtPagina", Memo, 180.4, 10.4, 19.6, 3.4, a7, None, Black, Right, Middle, NoFlags, "Pag."},
    {"titImpresa", Memo, 12.0, 24.2, 27.4, 3.8, a8Caption, None, Black, Left, Middle, NoFlags, "IMPRESA:"},
    {"txtCommittente", Memo, 40.0, 20.0, 158.0, 3.8, a8Value, None, Black, Left, Middle, NoFlags, "COMMITTENTE"},
    {"txtImpresa", Memo, 40.0, 24.2, 158.0, 3.8, a8Value, None, Black, Left, Middle, NoFlags, "IMPRESA"},
    {"Shape8", Shape, 11.0, 37.0, 188.0, 4.8, {}, Beige, Beige},
    {"titDirettore", Memo, 12.0, 32.0, 60.0, 3.8, a8, None, Black, Left, Middle, NoFlags, "DIRETTORE DEI LAVORI:"},
    {"titResponsabile", Memo, 12.0, 37.4, 60.0, 3.8, a8, None, Black, Left, Middle, NoFlags,
     "RESPONSABILE DEL PROCEDIMENTO:"},
    {"txtDirettore", Memo, 73.0, 32.0, 125.0, 3.8, a8, None, Black, Left, Middle, NoFlags, "DIRETTORE DEI LAVORI"},
    {"txtResponsabile", Memo, 73.0, 37.4, 125.0, 3.8, a8, None, Black, Left, Middle, NoFlags,
     "RESPONSABILE DEL PROCEDIMENTO"},
    {"Shape9", Shape, 60.0, 43.4, 139.0, 4.8, {}, CornflowerBlue, CornflowerBlue},
    {"Shape10", Shape, 90.0, 49.0, 109.0, 4.8, {}, CornflowerBlue, CornflowerBlue},
    {"Shape11", Shape, 11.0, 43.4, 47.8, 4.8, {}, CornflowerBlue, CornflowerBlue},
    {"Shape12", Shape, 11.0, 49.0, 77.8, 4.8, {}, CornflowerBlue, CornflowerBlue},
    {"Memo9", Memo, 12.0, 44.0, 20.0, 3.8, a8Caption, None, Black, Left, Middle, NoFlags, "DATA:"},
    {"Memo10", Memo, 12.0, 49.6, 20.0, 3.8, a8Caption, None, Black, Left, Middle, NoFlags, "N. OPERAI:"},
    {"txtData", Memo, 33.0, 44.0, 25.0, 3.8, a8Value, None, Black, Left, Middle, NoFlags, "GG/MM/AAAA"},
    {"txtTotale", Memo, 33.0, 49.6, 55.0, 3.8, a8Value, None, Black, Left, Middle, NoFlags, "NUMERO OPERAI IMPIEGATI"},
    {"Memo11", Memo, 61.0, 44.0, 30.0, 3.8, a8Caption, None, Black, Left, Middle, NoFlags, "NATURA TERRENI:"},
    {"txtNatura", Memo, 92.0, 44.0, 106.0, 3.8, a8Value, None, Black, Left, Middle, NoFlags, "NATURA DEI TERRENI"},
    {"Memo12", Memo, 91.0, 49.6, 14.0, 3.8, a8Caption, None, Black, Left, Middle, NoFlags, "METEO:"},
    {"txtMeteo", Memo, 106.0, 49.6, 92.0, 3.8, a8Value, None, Black, Left, Middle, NoFlags,
     "CONDIZIONI METEOROLOGICHE"},
    {"Line12", HLine, 10.0, 287.0, 56.0, 0},
    {"Memo1", Memo, 10.0, 274.4, 56.0, 4.0, a7, None, Black, Centre, Middle, NoFlags, "L'IMPRESA:"},
    {"Line10", HLine, 77.0, 287.0, 56.0, 0},
    {"Memo2", Memo, 77.0, 274.4, 56.0, 4.0, a7, None, Black, Centre, Middle, NoFlags, "IL DIRETTORE DEI LAVORI:"},
    {"Shape3", Shape, 11.0, 60.0, 188.0, 5.8, {}, CornflowerBlue, CornflowerBlue},
    {"Memo3", Memo, 12.0, 61.0, 186.0, 4.0, a9Title, None, Black, Left, Middle, NoFlags,
     "ANNOTAZIONI SPECIALI E GENERALI:"},
    {"Shape4", Shape, 11.0, 138.8, 188.0, 61.0, {}, Beige, Beige},
    {"Shape5", Shape, 11.0, 132.0, 188.0, 5.8, {}, CornflowerBlue, CornflowerBlue},
    {"Shape7", Shape, 11.0, 210.8, 188.0, 61.0, {}, Beige, Beige},
    {"Shape13", Shape, 11.0, 204.0, 188.0, 5.8, {}, CornflowerBlue, CornflowerBlue},
    {"Memo4", Memo, 12.0, 133.0, 186.0, 4.0, a9Title, None, Black, Left, Middle, NoFlags, "OPERAI E MEZZI D'OPERA:"},
    {"Memo5", Memo, 12.0, 205.0, 186.0, 4.0, a9Title, None, Black, Left, Middle, NoFlags, "OSSERVAZIONI E ISTRUZIONI:"},
    {"txtAnnotazioni", Memo, 12.0, 68.0, 186.0, 59.0, a8, Beige, Black, Left, Top, WordWrap},
    {"txtOperai", Memo, 12.0, 140.0, 186.0, 59.0, a8, Beige, Black, Left, Top, WordWrap},
    {"txtOsservazioni", Memo, 12.0, 212.0, 186.0, 59.0, a8, Beige, Black, Left, Top, WordWrap},
};

// ---- The title page: positions in mm from the paper's corner, margins 0 ----

constexpr FontSpec a9{kArial, 9};
constexpr FontSpec a10{kArial, 10};
constexpr FontSpec a12{kArial, 12};
constexpr FontSpec a12White{kArial, 12, false, White};
constexpr FontSpec a7White{kArial, 7, false, White};

constexpr ObjectRow kTitlePage[] = {
    // name             kind     left   top    width  height font      fill            outline         align   valign  flags    text / picture
    {"Shape2", Shape, 20.0, 131.0, 170.0, 14.0, {}, Beige, Beige},
    {"imgLogo", Picture, 40.6, 65.0, 129.0, 10.0, {}, None, Black, Left, Top, NoFlags, "", "titolo"},
    {"txtCommittente", Memo, 24.0, 135.0, 162.0, 6.0, a10, None, Black, Left, Middle},
    {"linSepara02", HLine, 11.0, 272.0, 188.0, 0},
    {"Line1", VLine, 10.0, 10.0, 0, 277.0},
    {"Line2", HLine, 10.0, 287.0, 190.0, 0},
    {"Line3", HLine, 10.0, 10.0, 190.0, 0},
    {"Line4", VLine, 200.0, 10.0, 0, 277.0},
    {"Line5", HLine, 11.0, 26.0, 188.0, 0},
    {"Picture1", Picture, 70.2, 79.0, 7.0, 6.0, {}, None, Black, Left, Top, NoFlags, "", "numero"},
    {"Shape1", Shape, 79.0, 78.0, 61.0, 8.0, {}, Beige, Beige},
    {"txtNumero", Memo, 80.2, 79.0, 58.6, 6.0, a12, None, Black, Centre, Middle},
    {"Line6", HLine, 24.0, 142.0, 162.0, 0},
    {"Memo3", Memo, 20.0, 126.0, 146.0, 4.0, a9, None, Black, Left, Middle, NoFlags, "COMMITTENTE:"},
    {"Shape3", Shape, 20.0, 157.0, 170.0, 14.0, {}, Beige, Beige},
    {"Memo4", Memo, 20.0, 152.0, 146.0, 4.0, a9, None, Black, Left, Middle, NoFlags,
     "IMPRESA AFFIDATARIA / ESECUTRICE:"},
    {"txtImpresa", Memo, 24.0, 161.0, 162.0, 6.0, a10, None, Black, Left, Middle},
    {"Line7", HLine, 24.0, 168.0, 162.0, 0},
    {"Shape4", Shape, 20.0, 183.0, 170.0, 14.0, {}, Beige, Beige},
    {"Memo5", Memo, 20.0, 178.0, 146.0, 4.0, a9, None, Black, Left, Middle, NoFlags, "OGGETTO DEI LAVORI:"},
    {"txtOggetto", Memo, 24.0, 187.0, 162.0, 6.0, a10, None, Black, Left, Middle},
    {"Line8", HLine, 24.0, 194.0, 162.0, 0},
    {"Shape5", Shape, 20.0, 209.0, 170.0, 14.0, {}, Beige, Beige},
    {"Memo7", Memo, 20.0, 204.0, 146.0, 4.0, a9, None, Black, Left, Middle, NoFlags, "ESTREMI DEL CONTRATTO:"},
    {"txtEstremi", Memo, 24.0, 213.0, 162.0, 6.0, a10, None, Black, Left, Middle},
    {"Line9", HLine, 24.0, 220.0, 162.0, 0},
    {"Line10", HLine, 20.0, 258.0, 73.0, 0},
    {"Line11", HLine, 117.0, 258.0, 73.0, 0},
    {"txtDirettore", Memo, 20.0, 259.0, 73.0, 5.0, a8, None, Black, Centre, Middle},
    {"txtResponsabile", Memo, 117.0, 259.0, 73.0, 5.0, a8, None, Black, Centre, Middle},
    {"Memo6", Memo, 20.0, 243.0, 73.0, 4.0, a8, None, Black, Centre, Middle, NoFlags, "IL DIRETTORE DEI LAVORI:"},
    {"Memo8", Memo, 117.0, 243.0, 73.0, 4.0, a8, None, Black, Centre, Middle, NoFlags,
     "IL RESPONSABILE DEL PROCEDIMENTO:"},
    {"Shape6", Shape, 11.0, 11.0, 188.0, 14.0, {}, CornflowerBlue, CornflowerBlue},
    {"txtComune", Memo, 12.0, 12.0, 185.6, 6.0, a12White, None, Black, Centre, Middle, NoFlags, "Comune di"},
    {"txtProvincia", Memo, 12.0, 18.0, 185.6, 6.0, a12White, None, Black, Centre, Middle, NoFlags, "Provincia di"},
    {"Shape7", Shape, 11.0, 273.0, 188.0, 13.0, {}, CornflowerBlue, CornflowerBlue},
    {"txtCampo24", Memo, 14.0, 274.0, 182.0, 3.5, a7White, None, Black, Centre, Middle, NoFlags,
     "Il presente Cantilog è conforme all'art. 14 del D.M. n. 49 del 2018 e all'art. 66 del D.P.R. n. 380 del 2001 "
     "riguardante la conservazione"},
    {"Memo1", Memo, 14.0, 277.4, 182.0, 3.5, a7White, None, Black, Centre, Middle, NoFlags,
     "e regolare tenuta dei documenti nei cantieri dal giorno di inizio delle opere a quello di ultimazione dei "
     "lavori. Tutte le pagine del Cantilog"},
    {"Memo2", Memo, 14.0, 281.0, 182.0, 3.5, a7White, None, Black, Centre, Middle, NoFlags,
     "devono essere stampate e firmate contestualmente alla compilazione rispettando la cronologia di inserimento dei "
     "dati."},
};

const LayoutTable kJournalLayout{"Cantilog", Orientation::Portrait, 0, 0, 0, 0, kJournalPage, {}};
const LayoutTable kTitleLayout{"Frontespizio Cantilog", Orientation::Portrait, 0, 0, 0, 0, kTitlePage, {}};

} // namespace

const Report::LayoutTable &journalPage() { return kJournalLayout; }
const Report::LayoutTable &titlePage() { return kTitleLayout; }

} // namespace JournalLayouts
