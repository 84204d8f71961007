#pragma once

#include "archive/RecordLayout.h"

#include <QList>
#include <QString>

#include <QByteArray>

#include <functional>
#include <optional>
#include <span>

// One column of a list line: the text before it, the record field (or two fields joined by a
// blank) with blanks removed at both ends, and its width: padded with blanks and cut to exactly
// that many characters, or 0 to keep the text in full.
struct LineColumn {
    const char *before; // UTF-8
    const char *field;
    const char *joined; // nullptr, or a second field put after the first and a blank
    int width;
};

// One item of a search or summary list and the position of the record it was built from, so
// that choosing the item acts on that record and no other.
struct ListLine {
    QString text;
    qint64 position = 0;
};

// Builds the list line of a stored record, decoding only the fields its columns use.
class LineFormat {
public:
    LineFormat(const RecordLayout &layout, std::span<const LineColumn> columns);

    const RecordLayout &layout() const { return *m_layout; }
    QString build(const char *record) const;

private:
    struct Part {
        QString before;
        int field;
        int joined; // -1 for none
        int width;
    };
    const RecordLayout *m_layout;
    QList<Part> m_parts;
};

namespace ListLines {

// The line of one stored record, or nothing to leave the record out of the list (a record
// that does not match, or whose values cannot be read).
using Pick = std::function<std::optional<QString>(qint64 position, const char *record)>;

struct Collected {
    bool ok = false;       // false when the archive could not be opened or read
    QList<ListLine> lines; // in list order
};

// Reads the archive record by record and keeps the line of every record that `pick` lists,
// then sorts the lines into list order. A record left out never ends the scan.
Collected collect(const QString &archivePath, const RecordLayout &layout, const Pick &pick);

// Reads the record that `line` was built from again: false when it cannot be read or
// `build` no longer gives the same line from it (the archive changed since the list was made).
bool reread(const QString &archivePath, const RecordLayout &layout, const ListLine &line,
            const std::function<QString(const char *record)> &build, QByteArray *record);

// The text padded on the right with blanks to `width` characters, then cut to its first `width`.
QString padCut(const QString &text, int width);

// The list order: A-Z without regard to case, every other character by its code; equal lines
// keep the order they were read in.
void sort(QList<ListLine> &lines);

// Both with blanks removed at both ends.
bool sameLine(const QString &a, const QString &b);

// The count label of a search screen: before the first search, and after a search.
QString initialCountText();
QString countText(qsizetype items);

// Letters A-Z to a-z only.
QString lowerAscii(const QString &text);

// Find in the list ("Trova"). `remembered` is the lower-cased text of the previous find, updated
// here. Returns the row to select (the selection as it stands, or row 0 when there was none, if
// nothing matches), or -1 when the list is empty.
int find(int count, const std::function<QString(int)> &itemText, int selected, const QString &typed,
         QString *remembered);

} // namespace ListLines
