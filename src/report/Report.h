#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <span>

// A printed output: a page layout fixed at design time, filled with plain text just before it
// is laid out. Positions and sizes are kept in millimetres; the screens set heights in report
// units of 1/96 inch.
namespace Report {

inline constexpr double kUnitsPerMm = 96.0 / 25.4;
constexpr double mmFromUnits(double units) { return units / kUnitsPerMm; }
constexpr double unitsFromMm(double mm) { return mm * kUnitsPerMm; }

enum class ObjectKind { Memo, Shape, Line, Picture };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle }; // Middle: centred vertically
enum class Orientation { Portrait, Landscape };
enum class BandKind { ReportTitle, MasterData, Footer };

// The web colours the layouts name; a zero value means "no fill".
namespace Colours {
inline constexpr QRgb None = 0;
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb Beige = 0xFFF5F5DC;
inline constexpr QRgb CornflowerBlue = 0xFF6495ED;
inline constexpr QRgb SlateGrey = 0xFF708090;
inline constexpr QRgb Teal = 0xFF008080;
inline constexpr QRgb DarkOrange = 0xFFFF8C00;
inline constexpr QRgb LightSteelBlue = 0xFFB0C4DE;
inline constexpr QRgb Gold = 0xFFFFD700;
inline constexpr QRgb LightYellow = 0xFFFFFFE0;
} // namespace Colours

// ---- Layout tables: what a layout stores, one row per object, in drawing order ----

enum class RowKind { Memo, Shape, HorizontalLine, VerticalLine, Picture };

struct FontSpec {
    const char *family = "Arial";
    double size = 10;
    bool bold = false;
    QRgb colour = Colours::Black;
};

enum MemoFlag : unsigned { NoFlags = 0, WordWrap = 1, Expressions = 2 };

// What a row does not state takes the layouts' defaults: no fill, Arial regular black, left
// and top aligned, no word wrap, expressions not evaluated; a shape has a black outline.
struct ObjectRow {
    const char *name;
    RowKind kind;
    double left, top, width, height; // mm; a horizontal line has no height, a vertical one no width
    FontSpec font = {};
    QRgb fill = Colours::None;
    QRgb outline = Colours::Black;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    unsigned flags = NoFlags;
    const char *text = "";         // design text (UTF-8), lines separated by '\n'
    const char *picture = nullptr; // a stored picture (see Pictures.h)
    double linePitch = 0;          // mm from one text line to the next; 0 = the font's own
};

struct BandRow {
    const char *name;
    BandKind kind;
    double height; // mm
    bool canSplit;
    std::span<const ObjectRow> objects;
};

struct LayoutTable {
    const char *reportName; // caption of the preview and title of the print job
    Orientation orientation;
    double marginLeft, marginRight, marginTop, marginBottom; // mm
    std::span<const ObjectRow> objects;                      // a sheet: objects placed on the page
    std::span<const BandRow> bands;                          // a band report
};

// ---- The report as the program fills it ----

struct MemoStyle {
    QString family;
    double pointSize = 10;
    bool bold = false;
    QColor colour = Qt::black;
    QColor fill; // invalid: no fill
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    bool wordWrap = false;
    bool expressions = false;
    double linePitch = 0; // mm; 0 = the font's own line spacing
};

struct ReportObject {
    QString name;
    ObjectKind kind = ObjectKind::Memo;
    QRectF rect;           // mm, from the printable area's corner (sheets) or the band's corner
    bool vertical = false; // lines
    MemoStyle memo;
    QStringList lines; // memo text
    QColor fill;       // shapes; invalid: no fill
    QColor outline;
    QImage picture;

    // The whole text is replaced; every line break (CR LF, LF or CR) starts a new line.
    void setText(const QString &text);
    QString text() const { return lines.join(QLatin1Char('\n')); }
    void clearLines() { lines.clear(); }
    void appendLine(const QString &line) { lines.append(line); }
    void setHeightUnits(double units) { rect.setHeight(mmFromUnits(units)); }
    double heightUnits() const { return unitsFromMm(rect.height()); }
};

struct Band {
    QString name;
    BandKind kind = BandKind::MasterData;
    double height = 0; // mm
    bool canSplit = false;
    QList<ReportObject> objects;

    void setHeightUnits(double units) { height = mmFromUnits(units); }
    double heightUnits() const { return unitsFromMm(height); }
};

struct PageSetup {
    QSizeF paper; // mm, width x height as it currently stands
    Orientation orientation = Orientation::Portrait;
    double marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;

    // Changing the orientation swaps the paper's width and height.
    void setOrientation(Orientation o);
    QRectF printable() const;
};

// One object as the layout placed it on a page: what was drawn and where.
struct DrawnObject {
    QString name;
    ObjectKind kind = ObjectKind::Memo;
    int page = 1; // 1-based
    QRectF rect;  // mm from the paper's top-left corner
    QRectF clip;  // mm; the part of the object on this page (a split band shows a part)
    bool vertical = false;
    QStringList lines;      // the text lines actually drawn, as drawn (wrapped, cut)
    QList<QPointF> origins; // mm: left end of each line's baseline
    MemoStyle memo;
    QColor fill, outline;
    QImage picture;
};

struct PreparedPage {
    QSizeF paper; // mm
    Orientation orientation = Orientation::Portrait;
    QList<DrawnObject> objects;
};

struct PreparedReport {
    QString name;
    QList<PreparedPage> pages;
    // Every object drawn, page after page, in drawing order.
    QList<DrawnObject> drawn() const;
    // The first drawn object of that name (on any page), or nullptr. The pointer lives as long
    // as the report, so a temporary report cannot be asked.
    const DrawnObject *find(QStringView name) const &;
    const DrawnObject *find(QStringView name) const && = delete;
};

class Report {
public:
    explicit Report(const LayoutTable &layout);

    const QString &name() const { return m_name; }
    PageSetup &page() { return m_page; }
    const PageSetup &page() const { return m_page; }

    // nullptr when the layout has no memo of that name.
    ReportObject *findMemo(QStringView name);
    ReportObject *findObject(QStringView name);
    Band *findBand(QStringView name);

    // Discards any earlier preparation and lays the report out from its current texts;
    // `printDate` is the text "[DATE]" stands for.
    void prepare(const QString &printDate);
    const PreparedReport &prepared() const { return m_prepared; }

private:
    QString m_name;
    PageSetup m_page;
    QList<ReportObject> m_objects;
    QList<Band> m_bands;
    PreparedReport m_prepared;
};

// "[DATE]" in a memo that evaluates expressions: the print date the caller gives (dd/mm/yyyy).
QString evaluate(const QString &text, const QString &printDate);

// The text of each memo named, as a sheet's fill gives them.
struct MemoText {
    QString memo;
    QString text;
};
// Sets each memo's text; a name the layout has no memo of is passed over.
void setTexts(Report &report, const QList<MemoText> &texts);

} // namespace Report
