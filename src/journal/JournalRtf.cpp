#include "journal/JournalRtf.h"

#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"

#include <QSaveFile>

namespace JournalRtf {

namespace {

// The document, piece after piece: fixed text, then the trimmed value of `field` (if any),
// then the fixed tail.
struct Piece {
    const char *text;
    const char *field = nullptr;
    const char *tail = "";
};

constexpr Piece kPieces[] = {
    {R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\fnil\fcharset0 Verdana;}{\f1\fnil Verdana;}})"},
    {R"({\colortbl ;\red0\green0\blue0;})"},
    {R"(\viewkind4\uc1\pard\qc\cf1\b\f0\fs24 CANTILOG\f1\fs16)"},
    {R"(\par \fs24 ________________________________________________)"},
    {R"(\par)"},
    {R"(\par \pard\f0\fs20 Cantilog n.\b0\f1  \f0 )", "Numero"},
    {R"(\par)"},
    {R"(\par \b Data:\b0\f1  \f0 )", "Data"},
    {R"(\par)"},
    {R"(\par \b Committente:\b0\f1  \f0 )", "Committente"},
    {R"(\par)"},
    {R"(\par \b Impresa affidataria o esecutrice:\b0\f1  \f0 )", "Impresa"},
    {R"(\par)"},
    {R"(\par \b Oggetto dei Lavori:\b0\f1  \f0 )", "Oggetto"},
    {R"(\par)"},
    {R"(\par \b Meteo:\b0\f1  \f0 )", "Meteo"},
    {R"(\par)"},
    {R"(\par \b Natura dei terreni:\b0\f1  \f0 )", "Natura"},
    {R"(\par)"},
    {R"(\par \b Numero operai impiegati:\b0\f1  \f0 )", "Totale"},
    {R"(\par)"},
    {R"(\par \b ANNOTAZIONI SPECIALI E GENERALI:\b0\f1  \f0 )", "Annotazioni"},
    {R"(\par)"},
    {R"(\par \b OPERAI E MEZZI:\b0\f1  \f0 )", "Operai"},
    {R"(\par)"},
    {R"(\par \b OSSERVAZIONI E ISTRUZIONI:\b0\f1  \f0 )", "Osservazioni"},
    {R"(\par)"},
    {R"(\par \b Direttore dei Lavori:\b0\f1  \f0 )", "Direttore"},
    {R"(\par)"},
    {R"(\par \b Responsabile del Procedimento:\b0\f1  \f0 )", "Responsabile", R"(\b)"},
    {R"(\par)"},
    {R"(\par })"},
};
static_assert(std::size(kPieces) == 32);

} // namespace

QString confirmMessage()
{
    return QStringLiteral("Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
                          "Si conferma la creazione del file?");
}

QString doneMessage()
{
    return QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
}

QString failureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il documento non sia già aperto.");
}

QByteArray rtfValue(const QString &value)
{
    QString text = Text::trimBlanks(value);
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('{'), QLatin1String("\\{"));
    text.replace(QLatin1Char('}'), QLatin1String("\\}"));
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            // CR LF, or a lone CR or LF, is one line break.
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += QLatin1String("\\line ");
        } else {
            out += c;
        }
    }
    return Text::toCp1252(out);
}

QByteArray document(const Record &page)
{
    QByteArray doc;
    for (const Piece &p : kPieces) {
        doc += p.text;
        if (p.field)
            doc += rtfValue(page.value(QString::fromLatin1(p.field)));
        doc += p.tail;
    }
    return doc;
}

QString path() { return ProgramFolder::file(QLatin1String(kFileName)); }

bool write(const Record &page, QString *written)
{
    const QByteArray doc = document(page);
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(doc) != doc.size() || !file.commit())
        return false;
    if (written)
        *written = path();
    return true;
}

} // namespace JournalRtf
