#pragma once

#include "archive/ListLines.h"

#include <QDate>
#include <QString>

#include <optional>

// The revision summaries: the items whose revision is due within its notice days or already
// past, and the items whose revision is past; an item whose revision is marked done is never
// listed.
namespace Revisions {

enum class Summary { DueOrOverdue, Overdue };

struct SummaryDesign {
    Summary summary;
    const char *screen;     // "TfrmScadenze"
    const char *caption;    // UTF-8
    const char *printTitle; // UTF-8
    bool countsNotice;      // the notice days move the date forward
    bool strictlyPast;      // the day itself is not listed
};

const SummaryDesign &design(Summary summary);

// Whether a record with these stored texts is listed `today`; nothing when a value the rule
// needs cannot be read (a revision date that is not dd/mm/yyyy, notice days that are not a
// whole number).
std::optional<bool> isListed(Summary summary, const QString &revisionDate, const QString &noticeDays,
                             const QString &done, const QDate &today);

// The pick of the summary: the item line of every listed record. A record whose values cannot
// be read is left out and the scan goes on.
ListLines::Pick pick(Summary summary, const QDate &today);

ListLines::Collected collect(const QString &archivePath, Summary summary, const QDate &today);

// Reads the record a listed line was built from again (false when it changed meanwhile).
bool reread(const QString &archivePath, const ListLine &line, QByteArray *record);

} // namespace Revisions
