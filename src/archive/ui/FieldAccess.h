#pragma once

#include <QString>

class QWidget;

// Text of a record field as a control holds it: labels as they are, multi-line fields with their
// line breaks as CR LF, check boxes as "Sì" / "No". A line edit or combo edit is one line: a
// pasted line break or other control character in it is taken as a blank. Every screen reads
// its single-line entries through text().
namespace FieldAccess {
QString text(const QWidget *control);
// A check box is ticked by "Sì" and unticked by "No"; any other text leaves it as it was.
void setText(QWidget *control, const QString &text);
// The control of a blank record: empty, unticked, no list entry chosen.
void clear(QWidget *control);
} // namespace FieldAccess
