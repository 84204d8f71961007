#include "archive/ui/FieldAccess.h"

#include "foundation/Text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
const QString kYes = QStringLiteral("Sì");
const QString kNo = QStringLiteral("No");
} // namespace

namespace FieldAccess {

QString text(const QWidget *control)
{
    if (auto *e = qobject_cast<const QLineEdit *>(control))
        return e->text();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(control))
        return Text::toCrLf(m->toPlainText());
    if (auto *c = qobject_cast<const QCheckBox *>(control))
        return c->isChecked() ? kYes : kNo;
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
        c->setChecked(text == kYes);
    } else if (auto *l = qobject_cast<QLabel *>(control)) {
        l->setText(text);
    }
}

} // namespace FieldAccess
