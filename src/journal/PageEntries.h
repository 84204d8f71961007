#pragma once

#include <QString>

// The workers-and-machines field of a journal page (`txtOperai`) grows by one entry for each
// worker or machine imported from the registries.
namespace PageEntries {

// "job surname first-name", each part with its surrounding blanks removed.
QString workerEntry(const QString &job, const QString &surname, const QString &firstName);
// The equipment description meant for journals, blanks removed.
QString machineEntry(const QString &description);
// The field's new text: the entry alone when the field holds only blanks, otherwise the
// field's text without surrounding blanks + ", " + the entry.
QString appended(const QString &field, const QString &entry);

} // namespace PageEntries
