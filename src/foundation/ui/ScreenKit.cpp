#include "foundation/ui/ScreenKit.h"

#include "foundation/Text.h"
#include "foundation/ui/Calendario.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/Guida.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>
#include <memory>

PictureButton::PictureButton(QWidget *parent, const char *name, const QString &icon, const QString &caption,
                             const QRect &geometry)
    : QToolButton(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    if (caption.isEmpty()) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setIconSize(geometry.size() - QSize(6, 6));
    } else {
        setText(caption);
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        const int side = qMax(16, qMin(geometry.width() - 6, geometry.height() - 24));
        setIconSize(QSize(side, side));
        setFont(ScreenKit::font(ScreenKit::kVerdana, 8, true));
    }
}

ClickLabel::ClickLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
    : QLabel(text, parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace ScreenKit {

QFont font(const QString &family, int pointSize, bool bold)
{
    QFont f(family, pointSize);
    f.setBold(bold);
    return f;
}

QWidget *canvas(QWidget *screen, const QSize &client, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPalette palette = screen->palette();
    palette.setBrush(QPalette::Window, gradient);
    screen->setPalette(palette);
    screen->setAutoFillBackground(true);

    auto *area = new QWidget(screen);
    area->setObjectName(QStringLiteral("canvas"));
    area->setFixedSize(client);
    auto *layout = new QGridLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area, 0, 0, Qt::AlignCenter);
    return area;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry, int pointSize, bool bold,
              const QString &family)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font(family, pointSize, bold));
    return l;
}

QLabel *hiddenLabel(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, const QRect &geometry, int maxLength, int pointSize, bool bold)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    e->setFont(font(kVerdana, pointSize, bold));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QPlainTextEdit *memo(QWidget *parent, const char *name, const QRect &geometry, int pointSize, bool bold)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(name));
    m->setGeometry(geometry);
    m->setFont(font(kVerdana, pointSize, bold));
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setTabChangesFocus(true);
    return m;
}

QComboBox *comboEdit(QWidget *parent, const char *name, const QRect &geometry, const QStringList &items, int pointSize,
                     bool bold)
{
    auto *b = new QComboBox(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(font(kVerdana, pointSize, bold));
    b->setEditable(true);
    b->setInsertPolicy(QComboBox::NoInsert);
    b->addItems(items);
    b->setCurrentIndex(-1);
    return b;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &geometry, int pointSize)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(font(kVerdana, pointSize, false));
    b->setAutoDefault(false);
    return b;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(geometry);
    c->setFont(font(kVerdana, 10, true));
    return c;
}

PictureButton *picture(QWidget *parent, const char *name, const QString &icon, const QString &caption,
                       const QRect &geometry)
{
    return new PictureButton(parent, name, icon, caption, geometry);
}

QLabel *image(QWidget *parent, const char *name, const QString &icon, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    const int side = qMin(geometry.width(), geometry.height());
    l->setPixmap(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)).pixmap(side, side));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel *statusLine(QWidget *parent, const QRect &geometry, const QString &initialText)
{
    auto *l = label(parent, "panInfo", initialText, geometry, 12, false, kTahoma);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QColor(0x30, 0x30, 0xDD));
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    l->setIndent(8);
    return l;
}

QWidget *shape(QWidget *parent, const char *name, const QRect &geometry, const QColor &fill, const QColor &border)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    w->setAttribute(Qt::WA_StyledBackground);
    w->setStyleSheet(
        QStringLiteral("#%1 { background: %2; border: %3; }")
            .arg(QLatin1String(name), fill.name(QColor::HexArgb),
                 border.isValid() ? QStringLiteral("1px solid ") + border.name() : QStringLiteral("none")));
    w->lower();
    return w;
}

void setTabOrder(QWidget *screen, const QStringList &controls)
{
    QWidget *previous = nullptr;
    for (const QString &name : controls) {
        auto *w = screen->findChild<QWidget *>(name);
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace ScreenKit

// ---- Centred windows ----

CentredWindow *CentredWindow::install(QWidget *window)
{
    auto *centred = new CentredWindow(window);
    window->installEventFilter(centred);
    return centred;
}

bool CentredWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show && !event->spontaneous()) {
        centre();
        if (QWindow *handle = m_window->windowHandle()) {
            handle->removeEventFilter(this);
            handle->installEventFilter(this);
            m_awaitingFrame = true;
        }
    } else if (m_awaitingFrame && event->type() == QEvent::Expose && watched == m_window->windowHandle() &&
               m_window->windowHandle()->isExposed()) {
        m_awaitingFrame = false;
        centre();
    } else if (watched == m_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
               m_window->isVisible() && frameExtra() != m_centredWithExtra) {
        centre();
    }
    return false;
}

QSize CentredWindow::frameExtra() const { return m_window->frameGeometry().size() - m_window->size(); }

void CentredWindow::centre()
{
    QRect around;
    if (const QWidget *owner = m_window->parentWidget(); owner && owner->window()->isVisible())
        around = owner->window()->frameGeometry();
    else if (const QScreen *screen = m_window->screen())
        around = screen->availableGeometry();
    if (around.isEmpty())
        return;
    QRect frame = m_window->frameGeometry();
    frame.moveCenter(around.center());
    m_centredWithExtra = frameExtra();
    m_window->move(frame.topLeft());
}

// ---- Focus highlight, style A ----

namespace {
void placeFrame(QWidget *field, QWidget *frame)
{
    frame->setGeometry(field->geometry().adjusted(-4, -4, 4, 4));
    frame->stackUnder(field);
}
} // namespace

FocusFrames *FocusFrames::install(QWidget *screen, const QStringList &fields)
{
    auto *frames = new FocusFrames(screen);
    for (const QString &name : fields) {
        auto *field = screen->findChild<QWidget *>(QStringLiteral("txt") + name);
        if (!field)
            continue;
        auto *frame = new QWidget(field->parentWidget());
        frame->setObjectName(QStringLiteral("eff") + name);
        frame->setAttribute(Qt::WA_StyledBackground);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setStyleSheet(
            QStringLiteral("#eff%1 { background: #FFFF00; border: 2px solid qlineargradient(x1:0, y1:0, x2:1, y2:1,"
                           " stop:0 #FFFF00, stop:1 #FFFFFF); }")
                .arg(name));
        frame->hide();
        placeFrame(field, frame);
        frames->m_frames.insert(field, frame);
        field->installEventFilter(frames);
    }
    return frames;
}

bool FocusFrames::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *frame = m_frames.value(watched);
    if (!frame)
        return false;
    auto *field = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        placeFrame(field, frame);
        frame->show();
        break;
    case QEvent::FocusOut:
        frame->hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        placeFrame(field, frame);
        break;
    default:
        break;
    }
    return false;
}

// ---- Focus highlight, style B ----

namespace {
void colourBackground(QWidget *field, bool focused)
{
    field->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #87CEEB;")
                             .arg(focused ? QStringLiteral("#FFFF00") : QStringLiteral("#F0F8FF")));
}
} // namespace

FocusBackgrounds *FocusBackgrounds::install(QWidget *screen, const QStringList &controls)
{
    auto *backgrounds = new FocusBackgrounds(screen);
    for (const QString &name : controls) {
        if (auto *field = screen->findChild<QWidget *>(name)) {
            colourBackground(field, false);
            field->installEventFilter(backgrounds);
        }
    }
    return backgrounds;
}

bool FocusBackgrounds::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        colourBackground(static_cast<QWidget *>(watched), event->type() == QEvent::FocusIn);
    return false;
}

// ---- Enter order ----

EnterOrder *EnterOrder::install(QWidget *screen, std::span<const EnterStep> steps)
{
    auto *order = new EnterOrder(screen);
    for (const EnterStep &step : steps) {
        auto *from = screen->findChild<QWidget *>(QLatin1String(step.from));
        auto *to = screen->findChild<QWidget *>(QLatin1String(step.to));
        Q_ASSERT_X(from && to, "EnterOrder", step.from);
        if (!from || !to)
            continue;
        order->m_steps.append(qMakePair(static_cast<QObject *>(from), to));
        from->installEventFilter(order);
    }
    return order;
}

bool EnterOrder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    for (const auto &step : std::as_const(m_steps))
        if (step.first == watched) {
            ScreenKit::focusField(step.second);
            return true;
        }
    return false;
}

void ScreenKit::focusField(QWidget *field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->selectAll();
}

// ---- Status-line hints ----

StatusHints *StatusHints::install(QWidget *screen, QLabel *panInfo, std::span<const Hint> hints,
                                  const QList<QWidget *> &backgrounds)
{
    auto *h = new StatusHints(screen);
    h->m_panInfo = panInfo;
    for (const Hint &hint : hints) {
        auto *control = screen->findChild<QWidget *>(QLatin1String(hint.control));
        Q_ASSERT_X(control, "StatusHints", hint.control);
        if (!control)
            continue;
        control->setMouseTracking(true);
        control->installEventFilter(h);
        h->m_hints.insert(control, QString::fromUtf8(hint.text));
    }
    for (QWidget *background : backgrounds) {
        background->setMouseTracking(true);
        background->installEventFilter(h);
        h->m_backgrounds.append(background);
    }
    return h;
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto hint = m_hints.constFind(watched);
    if (hint != m_hints.constEnd()) {
        m_panInfo->setText(*hint);
    } else if (m_backgrounds.contains(watched)) {
        // Only the background itself, not a control standing on it.
        auto *background = static_cast<QWidget *>(watched);
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        QWidget *under = background->childAt(at);
        if (!under || m_backgrounds.contains(under) || !under->isVisible() ||
            under->testAttribute(Qt::WA_TransparentForMouseEvents))
            m_panInfo->clear();
    }
    return false;
}

// ---- Key filter ----

namespace {

// Keys that keep their meaning in every field: Enter belongs to the Enter order, the others to
// the focus chain.
bool passesAlways(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

// Keys a digits or amount field takes besides its characters.
bool editsInPlace(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

KeyFilter::KeyFilter(QWidget *target, QLineEdit *line, Kinds kinds, bool (*refused)(QChar))
    : QObject(target), m_target(target), m_line(line), m_kinds(kinds), m_refused(refused)
{
    // Dropped text would pass unfiltered.
    line->setAcceptDrops(false);
    target->installEventFilter(this);
    if (line != target)
        line->installEventFilter(this);
}

KeyFilter *KeyFilter::install(QLineEdit *field, Kinds kinds, bool (*refused)(QChar))
{
    return new KeyFilter(field, field, kinds, refused);
}

KeyFilter *KeyFilter::install(QComboBox *field, Kinds kinds, bool (*refused)(QChar))
{
    Q_ASSERT(field->lineEdit());
    return new KeyFilter(field, field->lineEdit(), kinds, refused);
}

bool KeyFilter::admits(QChar c) const
{
    if (m_refused && m_refused(c))
        return false;
    const bool digit = c >= u'0' && c <= u'9';
    if (m_kinds & Amount)
        return digit || c == u',';
    if (m_kinds & Digits)
        return digit;
    return true;
}

QString KeyFilter::admitted(const QString &text) const
{
    QString kept;
    for (const QChar c : text)
        if (admits(c))
            kept += c;
    return (m_kinds & UpperCase) ? Text::upperAscii(kept) : kept;
}

QString KeyFilter::retyped(const QString &text) const
{
    if (m_kinds & UpperCase)
        return Text::trimBlanks(Text::upperAscii(text));
    if (m_kinds & Trimmed)
        return Text::trimBlanks(text);
    return text;
}

namespace {

// The Paste command of a line edit's standard menu: Qt names it "edit-paste" in some versions
// only, so it is also known by its caption (translated as the menu translates it).
QAction *standardPasteAction(const QMenu *menu)
{
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction *a : menu->actions())
        if (a->objectName() == QLatin1String("edit-paste") || a->text().section(QLatin1Char('\t'), 0, 0) == caption)
            return a;
    return nullptr;
}

} // namespace

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return watched == m_target && keyPress(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        if (watched == m_target)
            retype();
        return false;
    case QEvent::InputMethod:
        return commit(static_cast<QInputMethodEvent *>(event));
    case QEvent::ContextMenu: {
        if (watched != m_line)
            return false;
        // The standard menu, with its Paste going through the filter.
        QMenu *menu = m_line->createStandardContextMenu();
        if (QAction *pasteAction = standardPasteAction(menu)) {
            disconnect(pasteAction, nullptr, m_line, nullptr);
            connect(pasteAction, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (watched == m_line && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection() && !m_line->isReadOnly()) {
            paste(QClipboard::Selection);
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool KeyFilter::keyPress(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste(QClipboard::Clipboard);
        return true;
    }
    const int key = event->key();
    if (passesAlways(key))
        return false;
    const QString text = event->text();
    const bool onlyItsCharacters = m_kinds & (Digits | Amount);
    if (onlyItsCharacters && editsInPlace(key))
        return false;
    if (text.isEmpty() || !text.at(0).isPrint())
        return onlyItsCharacters; // keys without a character
    const QString kept = admitted(text);
    if (kept == text)
        return false;
    if (!kept.isEmpty())
        m_line->insert(kept);
    return true;
}

// Characters composed with dead keys or an input method arrive as a commit string, not as a key.
bool KeyFilter::commit(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    const QString kept = admitted(committed);
    const bool retypes = m_kinds & (UpperCase | Trimmed);
    if (m_sending || committed.isEmpty() || (kept == committed && !retypes))
        return false;
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    m_sending = true;
    QCoreApplication::sendEvent(m_line, &filtered);
    m_sending = false;
    retype();
    return true;
}

void KeyFilter::paste(int clipboardMode)
{
    if (m_line->isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Mode(clipboardMode));
    m_line->insert(admitted(text));
    retype();
}

void KeyFilter::retype()
{
    const QString typed = m_line->text();
    const QString retyped = this->retyped(typed);
    if (retyped == typed)
        return;
    // The cursor stays where it was, less the blanks taken off in front of it.
    qsizetype leading = 0;
    if (m_kinds & (UpperCase | Trimmed))
        while (leading < typed.size() && typed.at(leading).unicode() <= 32)
            ++leading;
    const int cursor = std::clamp(m_line->cursorPosition() - int(leading), 0, int(retyped.size()));
    m_line->setText(retyped);
    m_line->setCursorPosition(cursor);
}

// ---- Date fields ----

DateField::DateField(QLineEdit *field, const QString &modeWord) : QObject(field), m_field(field), m_modeWord(modeWord)
{}

DateField *DateField::install(QLineEdit *field, const QString &modeWord)
{
    field->setReadOnly(true);
    auto *d = new DateField(field, modeWord);
    field->installEventFilter(d);
    return d;
}

bool DateField::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        m_field->clear();
        return true;
    // Focus keys and lone modifiers stay with the focus chain.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return false;
    default:
        TfrmCalendario::open(m_field, m_modeWord);
        return true;
    }
}

// ---- Help ----

namespace Help {
void show(QWidget *owner, const QString &title, const QString &text)
{
    std::unique_ptr<TfrmGuida> help(new TfrmGuida(owner));
    help->lblTitolo->setText(title);
    help->txtGuida->setPlainText(Text::fromCrLf(text));
    Ui::execModal(help.get());
}
} // namespace Help
