#include "archive/ui/EditorKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

int EditorKit::capacity(const char *field) const
{
    const int i = m_layout.indexOf(QLatin1String(field));
    Q_ASSERT_X(i >= 0, "EditorKit", field);
    return i < 0 ? 0 : m_layout.field(i).capacity;
}

QWidget *EditorKit::place(const Placement &p, QWidget *parent)
{
    const QByteArray name = QByteArray(p.kind == Kind::Check ? "chk" : "txt") + p.field;
    const QRect g = p.geometry;
    const QString caption = QString::fromUtf8(p.caption);
    if (p.kind != Kind::Check) {
        const QByteArray captionName = "lblCampo" + QByteArray::number(++m_captions).rightJustified(2, '0');
        ScreenKit::label(parent, captionName.constData(), caption, QRect(g.left(), g.top() - 19, g.width(), 17), 9,
                         true);
        m_frames << QLatin1String(p.field);
    }
    const int limit = p.typingLimit > 0 ? std::min(p.typingLimit, capacity(p.field)) : capacity(p.field);

    QWidget *control = nullptr;
    switch (p.kind) {
    case Kind::Line:
    case Kind::Date: {
        QLineEdit *e = ScreenKit::lineEdit(parent, name.constData(), g, limit, 12, true);
        if (p.alignment)
            e->setAlignment(p.alignment);
        if (p.keys != KeyFilter::Free)
            KeyFilter::install(e, p.keys);
        if (p.kind == Kind::Date)
            DateField::install(e, QLatin1String(p.dateWord));
        control = e;
        break;
    }
    case Kind::Memo:
        control = ScreenKit::memo(parent, name.constData(), g, 12, true);
        break;
    case Kind::Check:
        control = ScreenKit::checkBox(parent, name.constData(), caption, g);
        break;
    case Kind::Combo: {
        QComboBox *b = ScreenKit::comboEdit(parent, name.constData(), g);
        b->lineEdit()->setMaxLength(limit);
        if (p.alignment)
            b->lineEdit()->setAlignment(p.alignment);
        if (p.keys != KeyFilter::Free)
            KeyFilter::install(b, p.keys);
        control = b;
        break;
    }
    }
    m_tabOrder << control;
    if (p.hint)
        m_hints.append({name, p.hint});
    return control;
}

void EditorKit::finishFields()
{
    FocusFrames::install(m_screen, m_frames);
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder.at(i - 1), m_tabOrder.at(i));
}

BrowseEdit *EditorKit::protocol(QLabel *lblPosizione, EditorRules rules)
{
    Q_ASSERT(rules.layout == &m_layout);
    m_browse = new BrowseEdit(m_screen, lblPosizione, std::move(rules));
    for (PictureButton *b : std::as_const(m_pendingCommands))
        connectCommand(b, b->objectName().toLatin1().constData());
    m_pendingCommands.clear();
    return m_browse;
}

PictureButton *EditorKit::placeTool(QWidget *parent, const char *name, const char *icon, const char *caption,
                                    const QRect &geometry, const char *hint)
{
    PictureButton *b = ScreenKit::picture(parent, name, QLatin1String(icon), QString::fromUtf8(caption), geometry);
    if (hint)
        m_hints.append({QByteArray(name), hint});
    return b;
}

void EditorKit::connectCommand(PictureButton *button, const char *name)
{
    const BrowseEdit::Command *command = BrowseEdit::command(QLatin1String(name));
    Q_ASSERT_X(command, "EditorKit: a tool with neither handler nor command", name);
    if (!command)
        return;
    if (!m_browse) {
        m_pendingCommands << button;
        return;
    }
    QObject::connect(button, &QToolButton::clicked, m_browse, command->run);
}

void EditorKit::hints(QLabel *panInfo, const QList<QWidget *> &backgrounds, std::span<const Hint> more)
{
    std::vector<Hint> all;
    for (const auto &[control, text] : std::as_const(m_hints))
        all.push_back({control.constData(), text});
    all.insert(all.end(), more.begin(), more.end());
    StatusHints::install(m_screen, panInfo, all, backgrounds);
}
