#pragma once

#include "archive/ListLines.h"
#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// One filter field of a search screen and the record field it is matched against.
struct SearchFilter {
    const char *control; // "txtData"
    const char *label;   // UTF-8
    const char *field;   // "Data"
};

// What tells the three search screens apart: the archive, the filters in screen and Enter order,
// the result line and the title of the printed list.
struct SearchDesign {
    const RecordLayout *layout;
    std::span<const SearchFilter> filters;
    std::span<const LineColumn> line;
    const char *printTitle; // UTF-8
};

class Search {
public:
    explicit Search(const SearchDesign &design);

    struct Outcome {
        bool ok = false;       // false when the archive could not be read
        int filled = 0;        // number of filled filters
        QList<ListLine> lines; // in list order
    };

    // `texts` holds one filter text per filter of the design, in table order, exactly as typed.
    // A filter is filled when it is not blank; a record is listed when every filled filter
    // occurs in its field with A-Z folded on both sides (blanks in the filter count).
    Outcome run(const QString &archivePath, const QStringList &texts) const;

    static bool isFilled(const QString &text);

    // Reads the record that `line` was built from again. False when it cannot be read or no
    // longer gives the same line (the archive changed since the search).
    bool reread(const QString &archivePath, const ListLine &line, QByteArray *record) const;

    const SearchDesign &design() const { return *m_design; }
    const LineFormat &lineFormat() const { return m_line; }

private:
    const SearchDesign *m_design;
    LineFormat m_line;
    QList<int> m_fields; // layout field of each filter
};
