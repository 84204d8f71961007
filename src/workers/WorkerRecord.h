#pragma once

#include "archive/Record.h"

#include <QDate>
#include <QString>

#include <optional>

// The worker editor's record rules that are not screen work: the blank record and the checks
// that Save runs before anything is written.
namespace WorkerRecord {

// A new record: the contract dates set to `today`, no notice days ("0"), no amounts ("0,00").
Record blank(const QDate &today);

// Why Save refuses the record: the message, how it is shown, and the control that gets the
// focus (nullptr: the focus stays where it is).
struct SaveFailure {
    enum Kind { Warning, PlainMessage };
    Kind kind = Warning;
    QString message;
    const char *focus = nullptr;
};

// The checks of Save in their order, over the editor's texts; the first that fails, or nothing
// when the record may be stored.
std::optional<SaveFailure> checkSave(const Record &fields);

// The notice days as stored: one to three decimal digits, blanks at both ends ignored.
std::optional<int> readNoticeDays(const QString &text);

} // namespace WorkerRecord
