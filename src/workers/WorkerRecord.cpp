#include "workers/WorkerRecord.h"

#include "foundation/Formats.h"
#include "foundation/Text.h"

namespace WorkerRecord {

namespace {

enum class Test {
    Empty,       // the field is blank
    NotADate,    // the field does not name a day of the calendar
    StartsLater, // the contract starts after its expiry
};

struct SaveCheck {
    Test test;
    const char *field;
    SaveFailure::Kind kind;
    const char *focus;
    const char *message; // UTF-8; %1 the field's text (for StartsLater: %1 expiry, %2 start)
};

constexpr const char *kValidDate =
    "\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa.";

using enum Test;
constexpr SaveFailure::Kind kWarning = SaveFailure::Warning;
constexpr SaveFailure::Kind kPlain = SaveFailure::PlainMessage;

constexpr SaveCheck kChecks[] = {
    {Empty, "Cognome", kWarning, "txtCognome",
     "Attenzione: per salvare la scheda è necessario indicare il cognome del lavoratore."},
    {Empty, "Nome", kWarning, "txtNome",
     "Attenzione: per salvare la scheda è necessario indicare il nome del lavoratore."},
    {Empty, "Codice", kWarning, "txtCodice",
     "Attenzione: per salvare la scheda è necessario indicare la mansione del lavoratore."},
    {Empty, "Decorrenza", kWarning, "txtDecorrenza",
     "Attenzione: per salvare la scheda è necessario indicare la data di decorrenza del contratto di assunzione."},
    {Empty, "Scadenza", kWarning, "txtScadenza",
     "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del contratto di assunzione."},
    {NotADate, "Decorrenza", kPlain, "txtDecorrenza", "Attenzione: la data di decorrenza del contratto %1 non esiste."},
    {NotADate, "Scadenza", kPlain, "txtScadenza", "Attenzione: la data di scadenza del contratto %1 non esiste."},
    {StartsLater, nullptr, kPlain, nullptr,
     "Attenzione: la data di scadenza del contratto (%1) non può essere anteriore a quella di decorrenza (%2)."
     "\n\r\n\rPer poter salvare la scheda è necessario indicare un intervallo di tempo valido."},
    {Empty, "Preavviso", kWarning, "txtPreavviso",
     "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso."},
};

} // namespace

Record blank(const QDate &today)
{
    Record r(Layouts::workers());
    const QString date = Formats::dateText(today);
    r.setValue("Decorrenza", date);
    r.setValue("Scadenza", date);
    r.setValue("Preavviso", QStringLiteral("0"));
    r.setValue("Totale", QStringLiteral("0,00"));
    r.setValue("Rata", QStringLiteral("0,00"));
    return r;
}

std::optional<SaveFailure> checkSave(const Record &fields)
{
    const auto text = [&](const char *field) { return Text::trimBlanks(fields.value(QLatin1StringView(field))); };
    for (const SaveCheck &c : kChecks) {
        const QString message = QString::fromUtf8(c.message);
        QString shown;
        switch (c.test) {
        case Empty:
            if (text(c.field).isEmpty())
                shown = message;
            break;
        case NotADate:
            if (!Formats::readDate(text(c.field)))
                shown = message.arg(text(c.field)) + QString::fromUtf8(kValidDate);
            break;
        case StartsLater:
            // Both dates were read by the checks before this one.
            if (*Formats::readDate(text("Decorrenza")) > *Formats::readDate(text("Scadenza")))
                shown = message.arg(text("Scadenza"), text("Decorrenza"));
            break;
        }
        if (!shown.isNull())
            return SaveFailure{c.kind, shown, c.focus};
    }
    return std::nullopt;
}

std::optional<int> readNoticeDays(const QString &text)
{
    const QString t = Text::trimBlanks(text);
    if (t.isEmpty() || t.size() > 3)
        return std::nullopt;
    int days = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        days = days * 10 + (c.unicode() - u'0');
    }
    return days;
}

} // namespace WorkerRecord
