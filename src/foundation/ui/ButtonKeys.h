#pragma once

// Application-wide behaviour of buttons, installed once at start-up: Enter (Return or keypad
// Enter) presses the focused push or picture button, and a focused button shows the style's
// focus mark however it got the focus.

#include <QObject>
#include <QProxyStyle>

class QApplication;

class EnterPressesButton : public QObject {
    Q_OBJECT
public:
    explicit EnterPressesButton(QObject *parent) : QObject(parent) {}
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The application's style with one change: a focused button is drawn as after a Tab, also when
// the program moved the focus to it (the style marks keyboard focus only).
class FocusMarkStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};

namespace ButtonKeys {
// Installs both on `app`; a second call changes nothing.
void install(QApplication &app);
} // namespace ButtonKeys
