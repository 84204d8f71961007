#include "equipment/ui/TrovaAttrezzature.h"

#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"
#include "archive/Archives.h"
#include "archive/Record.h"
#include "archive/ui/BrowseEdit.h"
#include "archive/ui/FieldAccess.h"
#include "equipment/EquipmentSearch.h"

#include <QPlainTextEdit>

#include <memory>

TfrmTrovaAttrezzature *frmTrovaAttrezzature = nullptr;

TfrmTrovaAttrezzature::TfrmTrovaAttrezzature(QWidget *owner)
    : SearchScreen(owner, kCaption, EquipmentSearch::design(), /*boldFilters=*/true)
{
}

void TfrmTrovaAttrezzature::setPageField(QPlainTextEdit *field, PageEntry rule)
{
    m_pageField = field;
    m_pageEntry = rule;
}

void TfrmTrovaAttrezzature::open(QWidget *owner, BrowseEdit *editor)
{
    std::unique_ptr<TfrmTrovaAttrezzature> screen(new TfrmTrovaAttrezzature(owner));
    screen->setModeWord(QStringLiteral("attrezzature"));
    screen->setEditor(editor);
    Ui::execModal(screen.get());
}

void TfrmTrovaAttrezzature::openForPage(QWidget *owner, QPlainTextEdit *field, PageEntry rule)
{
    std::unique_ptr<TfrmTrovaAttrezzature> screen(new TfrmTrovaAttrezzature(owner));
    screen->setModeWord(QStringLiteral("giornale"));
    screen->setPageField(field, rule);
    Ui::execModal(screen.get());
}

QString TfrmTrovaAttrezzature::archivePath() const { return Archives::equipmentPath(); }

void TfrmTrovaAttrezzature::reloadAction(const ListLine &line, const QByteArray &record)
{
    const QString mode = Text::trimBlanks(modeWord());
    if (mode == QLatin1String("attrezzature")) {
        if (m_editor)
            m_editor->load(line.position);
    } else if (mode == QLatin1String("giornale")) {
        if (!m_pageField || !m_pageEntry)
            return;
        const RecordLayout &layout = Layouts::equipment();
        const QString description = Record::decodeField(layout, record.constData(), layout.indexOf("Descrizione"));
        FieldAccess::setText(m_pageField, m_pageEntry(FieldAccess::text(m_pageField), description));
    }
}
