#include "journal/Journals.h"

#include "archive/Archives.h"
#include "foundation/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSuffix = QString::fromLatin1(Archives::kJournalSuffix);

// Entries of the program folder itself (never of its subfolders), hidden ones included.
QStringList folderEntries(QDir::Filters kinds)
{
    QDir dir(ProgramFolder::path());
    return dir.entryList(kinds | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
}

// A name that would leave the program folder or make an unusable file name.
bool isUnsafeName(const QString &name)
{
    bool onlyDots = true;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 32 || c.category() == QChar::Other_Control)
            return true;
        if (c != u'.')
            onlyDots = false;
    }
    return onlyDots;
}

bool nameIsUsed(const QString &fileName)
{
    const QStringList entries = folderEntries(QDir::AllEntries | QDir::System);
    return std::any_of(entries.cbegin(), entries.cend(),
                       [&](const QString &entry) { return entry.compare(fileName, Qt::CaseInsensitive) == 0; });
}

} // namespace

namespace Journals {

void insertSorted(QStringList &items, const QString &item)
{
    const auto at = std::upper_bound(items.begin(), items.end(), item,
                                     [](const QString &a, const QString &b) { return Text::compareFolded(a, b) < 0; });
    items.insert(at, item);
}

QStringList list()
{
    QStringList files = folderEntries(QDir::Files);
    // Names equal but for letter case keep one fixed order whatever the folder's own order.
    std::sort(files.begin(), files.end());
    QStringList items;
    for (const QString &file : std::as_const(files))
        if (file.endsWith(kSuffix, Qt::CaseInsensitive))
            insertSorted(items, file);
    return items;
}

QString countText(qsizetype journals) { return QStringLiteral("Sono stati creati %1 Cantilog.").arg(journals); }

QString nameOfItem(const QString &item) { return item.left(qMax<qsizetype>(0, item.size() - 4)); }

QString pathOfItem(const QString &item) { return ProgramFolder::file(item); }

bool isDiscardedKey(QChar c)
{
    static const QString discarded = QStringLiteral("\"*/:<>?\\\u00B0\u00C7\u00E7\u00D1\u00F1");
    return discarded.contains(c);
}

QString nameProblem(const QString &name)
{
    if (Text::trimBlanks(name).isEmpty())
        return QStringLiteral("Attenzione: per creare il nuovo archivio è necessario indicare il nome "
                              "del nuovo Cantilog.");
    if (isUnsafeName(name))
        return QStringLiteral("Attenzione: il nome del Cantilog indicato non è valido.\r\n\r\n"
                              "Il nome non può contenere i caratteri / e \\ né caratteri di "
                              "controllo, e non può essere formato soltanto da punti.");
    return QString();
}

Result create(const QString &typedName)
{
    Result r;
    const QString name = Text::trimBlanks(typedName);
    r.message = nameProblem(name);
    if (!r.message.isEmpty()) {
        r.outcome = Outcome::Warning;
        return r;
    }
    const QString fileName = name + kSuffix;
    r.path = ProgramFolder::file(fileName);
    if (nameIsUsed(fileName)) {
        r.outcome = Outcome::Warning;
        r.message = QStringLiteral("Attenzione: il nome del Cantilog indicato è già stato utilizzato in "
                                   "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera "
                                   "visualizzare un Cantilog già creato, premere il pulsante Compila "
                                   "Cantilog esistente.");
        return r;
    }
    QFile file(r.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        r.outcome = Outcome::Error;
        r.message = QStringLiteral("Attenzione: il sistema non permette di creare il file di archivio del "
                                   "nuovo Cantilog.\r\n\r\nAccertarsi che il nome sia accettato dal sistema "
                                   "e di possedere i privilegi di scrittura nella cartella di "
                                   "installazione del programma.");
        return r;
    }
    file.close();
    r.message = QStringLiteral("Il file di archivio relativo al nuovo Cantilog è stato creato con "
                               "successo.\r\n\r\nE' ora possibile visualizzarlo nell'elenco dei Cantilog "
                               "esistenti.");
    return r;
}

Result existing(const QString &name)
{
    Result r;
    r.message = nameProblem(name);
    if (!r.message.isEmpty()) {
        r.outcome = Outcome::Warning;
        return r;
    }
    r.path = Archives::journalPath(name);
    // Any entry of that name is left to the archive's own access (a folder fails there); a
    // dangling link counts as missing, as opening it would create its target.
    if (!QFileInfo::exists(r.path)) {
        r.outcome = Outcome::Error;
        r.message = QStringLiteral("Attenzione: il Cantilog \"") + name +
            QStringLiteral("\" non esiste nella cartella di installazione del programma.");
    }
    return r;
}

Result remove(const QString &item)
{
    Result r;
    r.path = pathOfItem(item);
    QFile::remove(r.path);
    if (QFileInfo::exists(r.path) || QFileInfo(r.path).isSymLink()) {
        r.outcome = Outcome::Error;
        r.message = QStringLiteral("Attenzione: il sistema non permette di eliminare il Cantilog "
                                   "selezionato.\r\n\r\nAccertarsi di possedere i privilegi di scrittura "
                                   "nella cartella di installazione del programma.");
        return r;
    }
    r.message = QStringLiteral("Il Cantilog è stato eliminato con successo.");
    return r;
}

} // namespace Journals
