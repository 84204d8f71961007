#pragma once

#include "archive/ListLines.h"
#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <span>

// What a summary list shows: the archive's layout, the line of a listed record and the title
// of the printed list. The rule that lists a record is the summary's own.
struct SummaryDesign {
    const RecordLayout *layout;
    std::span<const LineColumn> line;
    const char *printTitle; // UTF-8
};

class Summary {
public:
    explicit Summary(const SummaryDesign &design);

    // True when the record is listed; false also when its values cannot be read.
    using Rule = std::function<bool(const char *record)>;

    // Reads the archive and lists, in list order, the line of every record `rule` accepts.
    ListLines::Collected collect(const QString &archivePath, const Rule &rule) const;

    // Reads the record that `line` was built from again: false when it cannot be read or no
    // longer gives the same line (the archive changed since the list was made).
    bool reread(const QString &archivePath, const ListLine &line, QByteArray *record) const;

    const SummaryDesign &design() const { return *m_design; }
    const LineFormat &lineFormat() const { return m_line; }

private:
    const SummaryDesign *m_design;
    LineFormat m_line;
};
