#include "journal/TitlePage.h"

#include "foundation/Formats.h"
#include "foundation/IniFile.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"
#include "journal/JournalLayouts.h"

namespace TitlePage {

namespace {

constexpr Field kFields[] = {
    {"Comune", "txtComune", 250, "Comune di "},
    {"Provincia", "txtProvincia", 250, "Provincia di "},
    {"Numero", "txtNumero", 50, ""},
    {"Committente", "txtCommittente", 250, ""},
    {"Impresa", "txtImpresa", 250, ""},
    {"Oggetto", "txtOggetto", 250, ""},
    {"Estremi", "txtEstremi", 250, ""},
    {"Direttore", "txtDirettore", 50, ""},
    {"Responsabile", "txtResponsabile", 50, ""},
};

QString settingsPath() { return ProgramFolder::file(QLatin1String(kSettingsFile)); }

} // namespace

std::span<const Field> fields() { return kFields; }

QStringList load()
{
    IniFile ini(settingsPath());
    const bool loaded = ini.load();
    QStringList values;
    for (const Field &f : kFields)
        values << (loaded ? ini.value(QLatin1String(kSection), QLatin1String(f.key)) : QString());
    return values;
}

bool save(const QStringList &values)
{
    IniFile ini(settingsPath());
    // A file that exists but cannot be read is not overwritten.
    if (!ini.load())
        return false;
    for (qsizetype i = 0; i < qsizetype(std::size(kFields)); ++i)
        ini.setValue(QLatin1String(kSection), QLatin1String(kFields[i].key), Text::trimBlanks(values.value(i)));
    return ini.save();
}

void fill(Report::Report &report, const QStringList &values)
{
    report.page().setOrientation(Report::Orientation::Portrait);
    QList<Report::MemoText> texts;
    for (qsizetype i = 0; i < qsizetype(std::size(kFields)); ++i)
        texts.append({QString::fromLatin1(kFields[i].control),
                      QString::fromUtf8(kFields[i].prefix) + Text::trimBlanks(values.value(i))});
    Report::setTexts(report, texts);
}

Report::PreparedReport prepared(const QStringList &values)
{
    Report::Report report(JournalLayouts::titlePage());
    fill(report, values);
    report.prepare(Formats::todayText());
    return report.prepared();
}

} // namespace TitlePage
