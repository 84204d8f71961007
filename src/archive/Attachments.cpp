#include "archive/Attachments.h"

#include "archive/RecordLayout.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool copyInto(const QString &sourcePath, const QString &destination)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(destination);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    while (!source.atEnd()) {
        block = source.read(1 << 20);
        if (block.isEmpty() && source.error() != QFileDevice::NoError)
            return false;
        if (target.write(block) != block.size())
            return false;
    }
    if (source.error() != QFileDevice::NoError)
        return false;
    return target.commit();
}

} // namespace

namespace Attachments {

QString folder() { return ProgramFolder::attachmentsFolder(); }

QString openTarget(const QString &slotName)
{
    return QLatin1Char('"') + folder() + Text::trimBlanks(slotName) + QLatin1Char('"');
}

bool canOpen(const QString &slotName) { return !Text::trimBlanks(slotName).isEmpty(); }

QString overwriteQuestion()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                          "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

QString copyFailureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di copiare il file selezionato nella "
                          "cartella dei documenti allegati.\r\n\r\nAccertarsi di possedere i privilegi "
                          "di scrittura nella cartella di installazione del programma.");
}

QString nameNotStorableMessage()
{
    return QStringLiteral("Attenzione: il nome del file selezionato non può essere conservato nella "
                          "scheda.\r\n\r\nIl nome deve avere al massimo 250 caratteri e non può contenere "
                          "caratteri speciali: rinominare il file e selezionarlo di nuovo.");
}

bool nameIsStorable(const QString &name)
{
    const RecordLayout &layout = Layouts::journal();
    const int capacity = layout.field(layout.indexOf(u"File01")).capacity;
    const QByteArray stored = Text::toCp1252(name);
    return stored.size() <= capacity && Text::fromCp1252(stored) == name;
}

Result attach(const QString &sourcePath, const std::function<bool()> &overwrite)
{
    Result r;
    r.name = QFileInfo(sourcePath).fileName();
    const QString trimmed = Text::trimBlanks(r.name);
    if (trimmed.isEmpty() || !QFileInfo(sourcePath).isFile())
        return r;
    if (!nameIsStorable(trimmed)) {
        r.outcome = Outcome::NameNotStorable;
        return r;
    }
    if (!QDir().mkpath(folder()))
        return r;
    const QString destination = folder() + trimmed;
    const QFileInfo existing(destination);
    if (existing.exists() || existing.isSymLink()) {
        if (existing.isDir())
            return r;
        if (!overwrite()) {
            r.outcome = Outcome::KeptExisting;
            return r;
        }
    }
    if (copyInto(sourcePath, destination))
        r.outcome = Outcome::Copied;
    return r;
}

} // namespace Attachments
