#include "archive/ui/BrowseEdit.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "foundation/Text.h"
#include "archive/ui/FieldAccess.h"

#include <QWidget>

namespace {

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kDuplicateUnsaved = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");
const QString kOverwritten = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");

const char *const kSlotLabels[] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};

// A stored position as the label shows it; 0 when the text is not a position.
qint64 positionOf(const QString &text)
{
    bool ok = false;
    const qint64 p = text.toLongLong(&ok);
    return ok && p >= 1 ? p : 0;
}

} // namespace

BrowseEdit::BrowseEdit(QWidget *screen, QLabel *lblPosizione, EditorRules rules)
    : QObject(screen), m_screen(screen), m_position(lblPosizione), m_rules(std::move(rules))
{
    const RecordLayout &layout = *m_rules.layout;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        QWidget *control = nullptr;
        for (const char *prefix : {"txt", "lbl", "chk"}) {
            control = screen->findChild<QWidget *>(QLatin1String(prefix) + layout.fieldName(i));
            if (control)
                break;
        }
        Q_ASSERT_X(control, "BrowseEdit", layout.field(i).name);
        m_controls.append(control);
    }
}

QWidget *BrowseEdit::control(QAnyStringView field) const
{
    const int i = m_rules.layout->indexOf(field);
    return i < 0 ? nullptr : m_controls.at(i);
}

Record BrowseEdit::current() const
{
    Record r(*m_rules.layout);
    for (int i = 0; i < m_controls.size(); ++i)
        if (m_controls.at(i))
            r.setValue(i, FieldAccess::text(m_controls.at(i)));
    return r;
}

void BrowseEdit::show(const Record &record)
{
    for (int i = 0; i < m_controls.size(); ++i)
        if (m_controls.at(i))
            FieldAccess::setText(m_controls.at(i), record.value(i));
}

void BrowseEdit::clearAttachments()
{
    for (const char *name : kSlotLabels)
        if (auto *label = m_screen->findChild<QLabel *>(QLatin1String(name)))
            label->clear();
}

void BrowseEdit::focus(const char *control)
{
    if (!control)
        return;
    if (auto *w = m_screen->findChild<QWidget *>(QLatin1String(control)))
        w->setFocus(Qt::OtherFocusReason);
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
    if (m_rules.clearForNew)
        m_rules.clearForNew();
    clearAttachments();
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
    clearAttachments();
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
            control->setFocus(Qt::OtherFocusReason);
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
