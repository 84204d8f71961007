#pragma once

// Building blocks that every screen shares: controls placed in screen units on a fixed client
// area, the two focus highlights, the Enter order, status-line hints, date fields and help.

#include <QColor>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QToolButton>

#include <span>

class QCheckBox;
class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A picture with a hand cursor that acts as a button: an icon from the resources
// (":/icons/NAME.svg") with an optional caption under it.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    PictureButton(QWidget *parent, const char *name, const QString &icon, const QString &caption,
                  const QRect &geometry);
};

// A text or picture label that acts as a button (hand cursor, click signal).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

namespace ScreenKit {

inline const QString kVerdana = QStringLiteral("Verdana");
inline const QString kArial = QStringLiteral("Arial");
inline const QString kTahoma = QStringLiteral("Tahoma");

QFont font(const QString &family, int pointSize, bool bold = false);

// The fixed client area (screen units), centred inside `screen` and filled with a vertical
// gradient from `top` to `bottom`; every control of the screen is placed on it.
QWidget *canvas(QWidget *screen, const QSize &client, const QColor &top = Qt::white, const QColor &bottom = Qt::white);

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry, int pointSize = 10,
              bool bold = false, const QString &family = kVerdana);
// A label that only holds state (a position, a mode word, a file name): never shown.
QLabel *hiddenLabel(QWidget *parent, const char *name);
QLineEdit *lineEdit(QWidget *parent, const char *name, const QRect &geometry, int maxLength = 0, int pointSize = 12,
                    bool bold = true);
// Multi-line field with word wrap; Enter inserts a line break.
QPlainTextEdit *memo(QWidget *parent, const char *name, const QRect &geometry, int pointSize = 12, bool bold = true);
// An editable combo box whose list only helps typing.
QComboBox *comboEdit(QWidget *parent, const char *name, const QRect &geometry, const QStringList &items = {},
                     int pointSize = 12, bool bold = true);
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                    int pointSize = 10);
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);
PictureButton *picture(QWidget *parent, const char *name, const QString &icon, const QString &caption,
                       const QRect &geometry);
// A picture that only shows (":/icons/NAME.svg" scaled into the rectangle).
QLabel *image(QWidget *parent, const char *name, const QString &icon, const QRect &geometry);
// The status line `panInfo`: white Tahoma 12 on the dark blue bar.
QLabel *statusLine(QWidget *parent, const QRect &geometry, const QString &initialText);

// A rectangle on the canvas that only decorates (and empties the status line on mouse-over).
QWidget *shape(QWidget *parent, const char *name, const QRect &geometry, const QColor &fill,
               const QColor &border = QColor());

// Sets the tab order to the listed controls, in order.
void setTabOrder(QWidget *screen, const QStringList &controls);

// Gives `field` the focus as the program moves it (Enter order, New, a warning): a single-line
// field has its whole text selected, as when it is reached with Tab, so typing replaces it.
void focusField(QWidget *field);

} // namespace ScreenKit

// Keeps a fixed-size window centred over its owner (or the screen) each time it is shown. The
// window manager's frame is only known once the window is mapped, so the window is centred again
// on its first exposure after each show.
class CentredWindow : public QObject {
    Q_OBJECT
public:
    static CentredWindow *install(QWidget *window);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CentredWindow(QWidget *window) : QObject(window), m_window(window) {}
    void centre();
    QSize frameExtra() const;
    QWidget *m_window;
    bool m_awaitingFrame = false;
    // The frame's size over the window's when last centred: a window manager that adds its
    // frame later changes it, and the window is centred again; a move by the user does not.
    QSize m_centredWithExtra;
};

// Focus highlight, style A: behind each field "txtX" a yellow frame "effX", 4 units larger on
// every side, visible exactly while the field has the focus.
class FocusFrames : public QObject {
    Q_OBJECT
public:
    // `fields` are the names after "txt" ("Numero" for txtNumero / effNumero).
    static FocusFrames *install(QWidget *screen, const QStringList &fields);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusFrames(QObject *parent) : QObject(parent) {}
    // Fields and frames are siblings, destroyed in either order.
    QHash<QObject *, QPointer<QWidget>> m_frames;
};

// Focus highlight, style B: the field's own background, alice blue with a sky-blue border,
// yellow while the field has the focus.
class FocusBackgrounds : public QObject {
    Q_OBJECT
public:
    static FocusBackgrounds *install(QWidget *screen, const QStringList &controls);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusBackgrounds(QObject *parent) : QObject(parent) {}
};

// Enter in a single-line field moves the focus along the screen's table; every other key, and
// Enter in a field the table does not name, is left to the field.
struct EnterStep {
    const char *from;
    const char *to;
};
class EnterOrder : public QObject {
    Q_OBJECT
public:
    static EnterOrder *install(QWidget *screen, std::span<const EnterStep> steps);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EnterOrder(QObject *parent) : QObject(parent) {}
    QList<QPair<QObject *, QWidget *>> m_steps;
};

// Moving the mouse over a control writes its hint into the status line; moving over the
// screen's background (or a decorative shape) empties it.
struct Hint {
    const char *control;
    const char *text;
};
class StatusHints : public QObject {
    Q_OBJECT
public:
    static StatusHints *install(QWidget *screen, QLabel *panInfo, std::span<const Hint> hints,
                                const QList<QWidget *> &backgrounds);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StatusHints(QObject *parent) : QObject(parent) {}
    QLabel *m_panInfo = nullptr;
    QHash<QObject *, QString> m_hints;
    QList<QObject *> m_backgrounds;
};

// What a single-line field lets the user type. The same rule holds for typed keys, text
// committed by an input method and pasted text. Enter, Tab, Shift+Tab and lone modifier keys
// always pass (Enter is the Enter order's).
class KeyFilter : public QObject {
    Q_OBJECT
public:
    enum Kind {
        Free = 0,
        Digits = 0x1,    // only decimal digits; keys without a character but Backspace, Delete, Left
                         // and Right are swallowed
        Amount = 0x2,    // as Digits, and the comma
        UpperCase = 0x4, // after every keystroke: a-z as A-Z, blanks at both ends removed
        Trimmed = 0x8,   // after every keystroke: blanks at both ends removed
    };
    Q_DECLARE_FLAGS(Kinds, Kind)

    // `refused`: characters that never reach the field, whatever else the kinds allow.
    static KeyFilter *install(QLineEdit *field, Kinds kinds, bool (*refused)(QChar) = nullptr);
    // An editable combo box: the filter watches the box and rewrites its line edit.
    static KeyFilter *install(QComboBox *field, Kinds kinds, bool (*refused)(QChar) = nullptr);

    bool admits(QChar c) const;
    QString admitted(const QString &text) const; // `text` without the characters refused
    QString retyped(const QString &text) const;  // the text after a keystroke
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyFilter(QWidget *target, QLineEdit *line, Kinds kinds, bool (*refused)(QChar));
    bool keyPress(QKeyEvent *event); // true when the key is kept from the field
    bool commit(QInputMethodEvent *event);
    void paste(int clipboardMode);
    void retype();

    QWidget *m_target;
    QLineEdit *m_line;
    Kinds m_kinds;
    bool (*m_refused)(QChar);
    bool m_sending = false;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(KeyFilter::Kinds)

// A read-only date field: Backspace or Delete empties it; any other key opens the calendar
// with the field's mode word and never reaches the field.
class DateField : public QObject {
    Q_OBJECT
public:
    // The calendar it opens gets `field` as its target and `modeWord` in its `lblMemory`.
    static DateField *install(QLineEdit *field, const QString &modeWord);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DateField(QLineEdit *field, const QString &modeWord);
    QLineEdit *m_field;
    QString m_modeWord;
};

namespace Help {
// Opens a fresh help screen owned by `owner` with the topic's title and text, modally.
void show(QWidget *owner, const QString &title, const QString &text);
} // namespace Help
