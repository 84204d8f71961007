#include "archive/ui/BrowseEdit.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/ui/AllegaCartella.h"
#include "archive/ui/FieldAccess.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"
#include "foundation/ui/ScreenKit.h"

#include <QEvent>
#include <QWidget>

#include <memory>

namespace {

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kDuplicateUnsaved = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString kDuplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");

constexpr BrowseEdit::Command kCommands[] = {
    {"cmdNuovo", &BrowseEdit::cmdNuovo},   {"cmdDuplica", &BrowseEdit::cmdDuplica},
    {"cmdSalva", &BrowseEdit::cmdSalva},   {"cmdFile", &BrowseEdit::cmdFile},
    {"cmdPrimo", &BrowseEdit::cmdPrimo},   {"cmdIndietro", &BrowseEdit::cmdIndietro},
    {"cmdAvanti", &BrowseEdit::cmdAvanti}, {"cmdUltimo", &BrowseEdit::cmdUltimo},
};

// A stored position as the label shows it; 0 when the text is not a position.
qint64 positionOf(const QString &text)
{
    bool ok = false;
    const qint64 p = text.toLongLong(&ok);
    return ok && p >= 1 ? p : 0;
}

} // namespace

BrowseEdit::BrowseEdit(QWidget *screen, QLabel *lblPosizione, EditorRules rules)
    : QObject(screen), m_screen(screen), m_position(lblPosizione), m_rules(std::move(rules)), m_attachments(screen)
{
    const RecordLayout &layout = *m_rules.layout;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        QWidget *control = m_attachments.label(layout.fieldName(i));
        for (const char *prefix : {"txt", "chk"}) {
            if (control)
                break;
            control = screen->findChild<QWidget *>(QLatin1String(prefix) + layout.fieldName(i));
        }
        Q_ASSERT_X(control, "BrowseEdit", layout.field(i).name);
        m_controls.append(control);
        const FieldRule *rule = ruleOf(i);
        if (control && rule && rule->onLeave) {
            m_onLeave.insert(control, rule->onLeave);
            control->installEventFilter(this);
        }
    }
}

std::span<const BrowseEdit::Command> BrowseEdit::commands() { return kCommands; }

const BrowseEdit::Command *BrowseEdit::command(QAnyStringView button)
{
    for (const Command &c : kCommands)
        if (QAnyStringView::equal(button, QLatin1String(c.button)))
            return &c;
    return nullptr;
}

const FieldRule *BrowseEdit::ruleOf(int field) const
{
    const QString name = m_rules.layout->fieldName(field);
    for (const FieldRule &rule : m_rules.fields)
        if (name == QLatin1String(rule.field))
            return &rule;
    return nullptr;
}

bool BrowseEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (const FieldRule::Rewrite rewrite = m_onLeave.value(watched)) {
            auto *control = static_cast<QWidget *>(watched);
            const QString text = FieldAccess::text(control);
            const QString rewritten = rewrite(text);
            if (rewritten != text)
                FieldAccess::setText(control, rewritten);
        }
    }
    return false;
}

QWidget *BrowseEdit::control(QAnyStringView field) const
{
    const int i = m_rules.layout->indexOf(field);
    return i < 0 ? nullptr : m_controls.at(i);
}

Record BrowseEdit::current() const
{
    Record r(*m_rules.layout);
    for (int i = 0; i < m_controls.size(); ++i) {
        if (!m_controls.at(i))
            continue;
        const FieldRule *rule = ruleOf(i);
        const QString text = FieldAccess::text(m_controls.at(i));
        r.setValue(i, rule && rule->beforeStore ? rule->beforeStore(text) : text);
    }
    return r;
}

void BrowseEdit::show(const Record &record)
{
    for (int i = 0; i < m_controls.size(); ++i) {
        if (!m_controls.at(i))
            continue;
        const FieldRule *rule = ruleOf(i);
        const QString text = record.value(i);
        FieldAccess::setText(m_controls.at(i), rule && rule->afterLoad ? rule->afterLoad(text) : text);
    }
}

// The record fields of a blank record; the attachment slots are emptied with them.
void BrowseEdit::blank()
{
    for (int i = 0; i < m_controls.size(); ++i) {
        QWidget *control = m_controls.at(i);
        const FieldRule *rule = ruleOf(i);
        switch (rule ? rule->blank : FieldRule::Empty) {
        case FieldRule::Empty:
            FieldAccess::clear(control);
            break;
        case FieldRule::Keep:
            break;
        case FieldRule::Today:
            FieldAccess::setText(control, Formats::todayText());
            break;
        case FieldRule::Fixed:
            FieldAccess::setText(control, QString::fromUtf8(rule->blankText));
            break;
        }
    }
}

void BrowseEdit::focus(const char *control)
{
    if (!control)
        return;
    if (auto *w = m_screen->findChild<QWidget *>(QLatin1String(control)))
        ScreenKit::focusField(w);
}

void BrowseEdit::failed() { Ui::error(m_screen, Archives::accessFailureMessage()); }

bool BrowseEdit::readAt(ArchiveFile &file, qint64 position)
{
    QByteArray bytes;
    if (!file.read(position, &bytes))
        return false;
    show(Record::decode(*m_rules.layout, bytes.constData()));
    m_position->setText(QString::number(position));
    return true;
}

void BrowseEdit::cmdNuovo()
{
    blank();
    m_position->clear();
    focus(m_rules.focusAfterNew);
}

void BrowseEdit::cmdDuplica()
{
    if (m_position->text().isEmpty()) {
        Ui::warning(m_screen, kDuplicateUnsaved);
        return;
    }
    if (m_rules.duplicateOpensArchive) {
        ArchiveFile file(m_rules.archivePath(), m_rules.layout->recordSize());
        if (!file.open()) {
            failed();
            return;
        }
    }
    m_attachments.clear();
    m_position->clear();
    focus(m_rules.focusAfterDuplicate);
    Ui::information(m_screen, kDuplicated);
}

void BrowseEdit::cmdSalva()
{
    for (const MandatoryField &m : m_rules.mandatory) {
        QWidget *control = m_screen->findChild<QWidget *>(QLatin1String(m.control));
        if (control && Text::trimBlanks(FieldAccess::text(control)).isEmpty()) {
            Ui::warning(m_screen, QString::fromUtf8(m.warning));
            ScreenKit::focusField(control);
            return;
        }
    }
    if (m_rules.validate && !m_rules.validate())
        return;

    const auto saveFailed = [this] { Ui::message(m_screen, m_rules.saveFailure, Archives::accessFailureMessage()); };
    ArchiveFile file(m_rules.archivePath(), m_rules.layout->recordSize());
    if (!file.open())
        return saveFailed();
    const QByteArray bytes = current().encode();
    if (!m_position->text().isEmpty()) {
        const qint64 position = positionOf(m_position->text());
        if (position == 0 || !file.write(position, bytes))
            return saveFailed();
        m_position->setText(QString::number(position));
        file.close();
        Ui::information(m_screen, kOverwritten);
    } else {
        const qint64 position = file.append(bytes);
        if (position == 0)
            return saveFailed();
        m_position->setText(QString::number(position));
        file.close();
        Ui::information(m_screen, kAppended);
    }
}

void BrowseEdit::cmdFile()
{
    std::unique_ptr<TfrmAllegaCartella> screen(new TfrmAllegaCartella(m_screen));
    screen->setModeWord(QLatin1String(m_rules.callerKey));
    screen->setTarget(&m_attachments);
    Ui::execModal(screen.get());
}

void BrowseEdit::showEnd(bool last)
{
    ArchiveFile file(m_rules.archivePath(), m_rules.layout->recordSize());
    qint64 n = 0;
    if (!file.open() || !file.count(&n))
        return failed();
    if (n == 0) {
        file.close();
        Ui::information(m_screen, kEmptyArchive);
        return;
    }
    if (!readAt(file, last ? n : 1))
        return failed();
}

void BrowseEdit::cmdPrimo() { showEnd(false); }

void BrowseEdit::cmdUltimo() { showEnd(true); }

void BrowseEdit::cmdAvanti()
{
    ArchiveFile file(m_rules.archivePath(), m_rules.layout->recordSize());
    qint64 n = 0;
    if (!file.open() || !file.count(&n))
        return failed();
    if (n == 0) {
        m_position->clear();
        file.close();
        Ui::information(m_screen, kEmptyArchive);
        return;
    }
    // A new record stands before record 1.
    const QString text = m_position->text();
    const qint64 p = text.isEmpty() ? 0 : positionOf(text);
    if (!text.isEmpty() && p == 0)
        return failed();
    if (p < n && !readAt(file, p + 1))
        return failed();
}

void BrowseEdit::cmdIndietro()
{
    const QString text = m_position->text();
    ArchiveFile file(m_rules.archivePath(), m_rules.layout->recordSize());
    qint64 n = 0;
    if (!file.open())
        return failed();
    if (text == QLatin1String("1"))
        return;
    if (!file.count(&n))
        return failed();
    if (n == 0) {
        file.close();
        Ui::information(m_screen, kEmptyArchive);
        return;
    }
    const qint64 p = text.isEmpty() ? 2 : positionOf(text); // a new record goes to record 1
    if (p < 2 || !readAt(file, p - 1))
        return failed();
}

bool BrowseEdit::showLast()
{
    ArchiveFile file(m_rules.archivePath(), m_rules.layout->recordSize());
    qint64 n = 0;
    if (!file.open() || !file.count(&n) || n == 0)
        return false;
    return readAt(file, n);
}

bool BrowseEdit::load(qint64 position)
{
    const std::optional<Record> record = Record::read(m_rules.archivePath(), *m_rules.layout, position);
    if (!record)
        return false;
    show(*record);
    m_position->setText(QString::number(position));
    return true;
}
