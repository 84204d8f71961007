#include "archive/ui/FieldAccess.h"

#include "foundation/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
const QString kYes = QStringLiteral("Sì");
const QString kNo = QStringLiteral("No");

// The memo's text with its no-break spaces, which toPlainText() would turn into blanks.
QString memoText(const QPlainTextEdit *memo)
{
    QString raw = memo->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    raw.replace(QChar::LineSeparator, u'\n');
    return raw;
}
} // namespace

namespace FieldAccess {

QString text(const QWidget *control)
{
    if (auto *e = qobject_cast<const QLineEdit *>(control))
        return Text::blankControls(e->text());
    if (auto *m = qobject_cast<const QPlainTextEdit *>(control))
        return Text::toCrLf(memoText(m));
    if (auto *c = qobject_cast<const QCheckBox *>(control))
        return c->isChecked() ? kYes : kNo;
    if (auto *b = qobject_cast<const QComboBox *>(control))
        return Text::blankControls(b->currentText());
    if (auto *l = qobject_cast<const QLabel *>(control))
        return l->text();
    return QString();
}

void setText(QWidget *control, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(control)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(control)) {
        m->setPlainText(Text::fromCrLf(text));
    } else if (auto *c = qobject_cast<QCheckBox *>(control)) {
        if (text == kYes || text == kNo)
            c->setChecked(text == kYes);
    } else if (auto *b = qobject_cast<QComboBox *>(control)) {
        b->setCurrentIndex(-1);
        b->setEditText(text);
        if (b->lineEdit())
            b->lineEdit()->setCursorPosition(0);
    } else if (auto *l = qobject_cast<QLabel *>(control)) {
        l->setText(text);
    }
}

void clear(QWidget *control)
{
    if (auto *c = qobject_cast<QCheckBox *>(control))
        c->setChecked(false);
    else
        setText(control, QString());
}

} // namespace FieldAccess
