#include "foundation/ui/ButtonKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace {

// Push buttons and picture buttons; check boxes keep their own keys.
bool isPressable(const QObject *object)
{
    return qobject_cast<const QPushButton *>(object) || qobject_cast<const QToolButton *>(object);
}

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A focused button whose option lacks the keyboard-focus state the style wants for its mark.
bool wantsMark(const QStyleOption *option, const QWidget *widget)
{
    return option && (option->state & QStyle::State_HasFocus) && !(option->state & QStyle::State_KeyboardFocusChange) &&
        isPressable(widget);
}

template <typename Option>
const Option *marked(const QStyleOption *option, Option &copy)
{
    const auto *typed = qstyleoption_cast<const Option *>(option);
    if (!typed)
        return nullptr;
    copy = *typed;
    copy.state |= QStyle::State_KeyboardFocusChange;
    return &copy;
}

bool isFocusedButton(const QStyleOption *option, const QWidget *widget)
{
    return option && (option->state & QStyle::State_HasFocus) && isPressable(widget);
}

// The style's own mark is a faint outline; a ring inside the button says it plainly.
void drawFocusRing(const QStyleOption *option, QPainter *painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(3, 3, -3, -3), 2, 2);
    painter->restore();
}

} // namespace

bool EnterPressesButton::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent *>(event)))
        return false;
    if (!isPressable(watched) || !static_cast<QWidget *>(watched)->hasFocus())
        return false;
    // Taken here, before a dialog could hand Enter to its default button.
    if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
        static_cast<QAbstractButton *>(watched)->click();
    return true;
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    if (wantsMark(option, widget)) {
        QStyleOptionButton button;
        QStyleOptionFocusRect focus;
        if (const auto *o = marked(option, button))
            return QProxyStyle::drawPrimitive(element, o, painter, widget);
        if (const auto *o = marked(option, focus))
            return QProxyStyle::drawPrimitive(element, o, painter, widget);
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    QStyleOptionButton button;
    QStyleOptionToolButton tool;
    const QStyleOption *drawn = option;
    if (wantsMark(option, widget)) {
        if (const auto *o = marked(option, button))
            drawn = o;
        else if (const auto *o2 = marked(option, tool))
            drawn = o2;
    }
    QProxyStyle::drawControl(element, drawn, painter, widget);
    if (element == CE_PushButton && isFocusedButton(option, widget))
        drawFocusRing(option, painter);
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                        const QWidget *widget) const
{
    QStyleOptionToolButton tool;
    const QStyleOptionComplex *drawn = option;
    if (wantsMark(option, widget))
        if (const auto *o = marked(option, tool))
            drawn = o;
    QProxyStyle::drawComplexControl(control, drawn, painter, widget);
    if (control == CC_ToolButton && isFocusedButton(option, widget))
        drawFocusRing(option, painter);
}

namespace ButtonKeys {

void install(QApplication &app)
{
    if (!app.findChild<EnterPressesButton *>(QString(), Qt::FindDirectChildrenOnly))
        app.installEventFilter(new EnterPressesButton(&app));
    if (!qobject_cast<FocusMarkStyle *>(QApplication::style()))
        QApplication::setStyle(new FocusMarkStyle(QApplication::style()->name()));
}

} // namespace ButtonKeys
