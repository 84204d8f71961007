#pragma once

#include "archive/ListLines.h"
#include "archive/Summary.h"

#include <QDate>

// The summary of the contracts due to expire or expired: a worker is listed from the day that
// lies the notice days before the contract's expiry, and stays listed afterwards.
namespace ContractSummary {

const char *printTitle(); // UTF-8

// The rule itself: expiry minus the notice days is not later than today.
bool isDue(const QDate &expiry, int noticeDays, const QDate &today);

// The list line of a worker record, whether listed or not.
const LineFormat &lineFormat();

// The list of the summary screen: the workers archive, the line above and the printed title.
const SummaryDesign &design();

// The line of a stored worker record that is due on `today`; nothing for one that is not due
// or whose expiry date or notice days cannot be read.
std::optional<QString> pick(const char *record, const QDate &today);

// The summary's list: the due workers of the archive in list order. A record that cannot be
// read is left out and the reading goes on.
ListLines::Collected build(const QString &archivePath, const QDate &today);

// Reads the record of a list line again; false when the archive no longer holds it.
bool reread(const QString &archivePath, const ListLine &line, QByteArray *record);

} // namespace ContractSummary
