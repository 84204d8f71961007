#pragma once

#include <QString>

class QWidget;

// Text of a record field as a control holds it: line edits and labels as they are, multi-line
// fields with their line breaks as CR LF, check boxes as "Sì" / "No".
namespace FieldAccess {
QString text(const QWidget *control);
void setText(QWidget *control, const QString &text);
}
