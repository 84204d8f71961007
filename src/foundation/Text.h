#pragma once

#include <QByteArray>
#include <QString>

// Text conversions between the screens (UTF-16) and the 8-bit archive fields.
namespace Text {

// Windows-1252; a character the code page cannot hold becomes '?', one per code point.
QByteArray toCp1252(const QString &text);
void appendCp1252(QByteArray &out, QStringView text);
QString fromCp1252(const char *bytes, qsizetype length);
inline QString fromCp1252(const QByteArray &bytes) { return fromCp1252(bytes.constData(), bytes.size()); }

// Removes leading and trailing characters with codes up to 32; inner blanks stay.
QString trimBlanks(const QString &text);

// Every control character (C0, DEL, C1) and every line or paragraph separator becomes one blank:
// the text of a single-line field, a list line or a settings value stays on one line.
QString blankControls(const QString &text);

// Upper-cases the letters a-z only.
QString upperAscii(const QString &text);

// Multi-line fields: the screen's '\n' line breaks are stored as CR LF.
QString toCrLf(const QString &screenText);
// A message's line breaks (CR LF, the LF CR pairs of some messages, a lone CR or LF) each as one LF.
QString messageLines(const QString &message);
QString fromCrLf(const QString &storedText);

// The letters A-Z compared without regard to case, every other character by its code.
int compareFolded(const QString &a, const QString &b);
bool containsFolded(const QString &haystack, const QString &needle);

} // namespace Text
