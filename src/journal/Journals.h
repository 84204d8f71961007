#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The works journals of the program folder: one archive file "NAME.cnt" per journal, and no
// catalogue besides the folder itself.
namespace Journals {

// The program folder's own files whose names end in ".cnt" in any letter case, as list items
// (file name with extension), in the chooser's order: A-Z without regard to case, every other
// character by its code.
QStringList list();
// Inserts `item` into `items` at its place in the chooser's order, after its equals.
void insertSorted(QStringList &items, const QString &item);

QString countText(qsizetype journals); // "Sono stati creati N Cantilog."
inline QString initialCountText() { return countText(0); }

// The name shown in the page editor: the list item minus its last 4 characters.
QString nameOfItem(const QString &item);
// The archive of a list item: program folder + the item.
QString pathOfItem(const QString &item);

// Characters that the creation field discards as they are typed.
bool isDiscardedKey(QChar c);

enum class Outcome { Done, Warning, Error };

struct Result {
    Outcome outcome = Outcome::Done;
    QString message; // shown as information when Done, else as a warning or an error
    QString path;    // the archive path tried (empty when the name was missing)
};

// Creates the empty archive of a new journal from the typed name (blanks removed around it).
// A name is "already used" when any entry of the folder has the same file name without
// regard to letter case: the journals travel to systems whose file names ignore case.
Result create(const QString &typedName);

// The creation's warning for a name it refuses (empty or blank, a path separator, a control
// character, only dots); empty for a usable name.
QString nameProblem(const QString &name);

// The archive of the existing journal `name` (as the page editor shows it) for work on it; never
// creates anything. A Warning with the creation's message for a name the creation refuses; an
// Error naming the journal when nothing of that name exists.
Result existing(const QString &name);

// Deletes the journal of a list item; an error when the file is still there afterwards.
Result remove(const QString &item);

} // namespace Journals
