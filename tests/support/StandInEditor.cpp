#include "StandInEditor.h"

#include "archive/ui/FieldAccess.h"

namespace {
// The attachment fields "File01".."Desc03" are the protocol's own.
bool browseOwnsIt(const QString &field)
{
    return field.size() == 6 && (field.startsWith(u"File") || field.startsWith(u"Desc"));
}

using Tool = EditorTool<StandInEditor>;
const Tool kTools[] = {
    {&StandInEditor::tool, "cmdNuovo", "nuovo", "Nuovo", {0, 0, 60, 60}, "nuovo"},
    {&StandInEditor::tool, "cmdDuplica", "duplica", "Duplica", {60, 0, 60, 60}, "duplica"},
    {&StandInEditor::tool, "cmdSalva", "salva", "Salva", {120, 0, 60, 60}, "salva"},
    {&StandInEditor::tool, "cmdFile", "allega", "Allega file", {180, 0, 60, 60}, "allega"},
    {&StandInEditor::tool, "cmdPrimo", "primo", "", {240, 0, 60, 60}, "primo"},
    {&StandInEditor::tool, "cmdIndietro", "indietro", "", {300, 0, 60, 60}, "indietro"},
    {&StandInEditor::tool, "cmdAvanti", "avanti", "", {360, 0, 60, 60}, "avanti"},
    {&StandInEditor::tool, "cmdUltimo", "ultimo", "", {420, 0, 60, 60}, "ultimo"},
};
} // namespace

StandInEditor::StandInEditor(const RecordLayout &layout, const QString &path, MessageKind saveFailure,
                             const Options &options)
{
    resize(1000, 900);
    EditorKit kit(this, layout);
    lblPosizione = ScreenKit::label(this, "lblPosizione", QString(), QRect(500, 0, 60, 30));
    int row = 0;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const FieldSpec &f = layout.field(i);
        const QString name = QLatin1String(f.name);
        if (browseOwnsIt(name))
            continue;
        const QRect at(10 + (row % 4) * 240, 90 + (row / 4) * 56, 220, 26);
        ++row;
        if (name == u"Effettuata")
            fields.append({&StandInEditor::check, f.name, f.name, at});
        else if (f.capacity == 3000)
            fields.append({&StandInEditor::memo, f.name, f.name, at});
        else
            fields.append({&StandInEditor::line, f.name, f.name, at, 0, options.keys.value(name)});
    }
    if (first.isEmpty())
        first = layout.fieldName(0);
    kit.fields<StandInEditor>(this, fields, {this});
    kit.tools<StandInEditor>(this, kTools, this);
    panInfo = ScreenKit::statusLine(this, QRect(0, 870, 1000, 30), QString());
    kit.hints(panInfo, {this});
    if (!options.enterOrder.empty())
        EnterOrder::install(this, options.enterOrder);

    EditorRules rules;
    rules.layout = &layout;
    rules.archivePath = [path] { return path; };
    rules.callerKey = options.callerKey;
    rules.saveFailure = saveFailure;
    rules.fields = options.rules;
    browse = kit.protocol(lblPosizione, std::move(rules));
}

QWidget *StandInEditor::control(const QString &field) const { return browse->control(field); }

void StandInEditor::set(const QString &field, const QString &text)
{
    if (auto *m = qobject_cast<QPlainTextEdit *>(control(field)))
        m->setPlainText(text);
    else
        FieldAccess::setText(control(field), text);
}

QString StandInEditor::get(const QString &field) const
{
    if (auto *m = qobject_cast<QPlainTextEdit *>(control(field)))
        return m->toPlainText();
    return FieldAccess::text(control(field));
}
