#pragma once

#include <QString>

#include <functional>

// The documents attached to records: copied into one folder beside the program,
// "Documenti_Allegati", shared by every journal and both registries; records keep only the
// bare file names.
namespace Attachments {

QString folder(); // with its trailing separator

// The text handed to the shell to open a slot's file: the quoted full path.
QString openTarget(const QString &slotName);
// A slot's "Apri" is enabled exactly when its name, blanks removed, is not empty.
bool canOpen(const QString &slotName);

QString overwriteQuestion();
QString copyFailureMessage();
QString nameNotStorableMessage();

// A record keeps a slot's name in Windows-1252, at most 250 characters: a longer name, or one
// with characters the code page cannot hold, would name a file that is not in the folder.
bool nameIsStorable(const QString &name);

enum class Outcome {
    Copied,         // the file is now in the folder under `name`
    KeptExisting,   // a file of that name was there and the caller chose to keep it
    Failed,         // nothing was copied; the slot must keep the name it had
    NameNotStorable // nothing was copied: the record could not keep the name as it is
};

struct Result {
    Outcome outcome = Outcome::Failed;
    QString name; // the chosen file's name without its folder
};

// Copies the chosen file into the folder (created with its parents when missing) under its
// own name. When a file of that name is already there, `overwrite` decides; a replaced file
// is swapped only once the new copy is complete, so a failed copy never loses it.
Result attach(const QString &sourcePath, const std::function<bool()> &overwrite);

} // namespace Attachments
