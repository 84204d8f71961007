#pragma once

#include "archive/Record.h"

#include <QByteArray>
#include <QString>

// A journal page as a rich-text document, "Cantilog.rtf" in the program folder.
namespace JournalRtf {

inline constexpr const char *kFileName = "Cantilog.rtf";

QString confirmMessage();
QString doneMessage();
QString failureMessage();

// The document's bytes: Windows-1252 text, no line breaks of its own.
QByteArray document(const Record &page);
// A value as written: trimmed, "\", "{" and "}" escaped, each line break as "\line ".
QByteArray rtfValue(const QString &value);

// Writes the document through a temporary file renamed over the old one, so a failure never
// leaves a half-written document. Gives the file's path.
bool write(const Record &page, QString *path = nullptr);
QString path();

} // namespace JournalRtf
