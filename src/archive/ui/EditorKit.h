#pragma once

// The screen of a record editor built from its tables: the fields under their captions with
// their focus frames, limits, key filters and tab order; the picture buttons with their hints;
// the browse/edit protocol that the record buttons run.

#include "archive/ui/BrowseEdit.h"
#include "foundation/ui/ScreenKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRect>

#include <span>
#include <vector>

// The screen member that receives a field's control; its type gives the kind of control.
template <class S>
struct FieldMember {
    constexpr FieldMember(QLineEdit *S::*m) : line(m) {}
    constexpr FieldMember(QPlainTextEdit *S::*m) : memo(m) {}
    constexpr FieldMember(QCheckBox *S::*m) : check(m) {}
    constexpr FieldMember(QComboBox *S::*m) : combo(m) {}
    QLineEdit *S::*line = nullptr;
    QPlainTextEdit *S::*memo = nullptr;
    QCheckBox *S::*check = nullptr;
    QComboBox *S::*combo = nullptr;
};

// One field of an editor, in tab order. The control is "txt" + field ("chk" + field for a check
// box), its focus frame "eff" + field; a line or combo edit takes the record field's capacity as
// its maximum length, a multi-line field is cut on storing only.
template <class S>
struct EditorField {
    FieldMember<S> member;
    const char *field;   // record field
    const char *caption; // the label above the field; a check box's own text
    QRect geometry;      // on its panel
    int panel = 0;       // index into the panels handed to EditorKit::fields
    KeyFilter::Kinds keys = KeyFilter::Free;
    Qt::Alignment alignment = {};
    const char *dateWord = nullptr; // a read-only date field: the calendar's mode word
    const char *hint = nullptr;     // status-line hint
    int typingLimit = 0;            // a screen limit below the record's capacity
};

// A picture button. Without a handler of its own it runs the protocol's command of its name
// (cmdNuovo, cmdDuplica, cmdSalva, cmdFile, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo).
template <class S>
struct EditorTool {
    PictureButton *S::*member;
    const char *name;
    const char *icon;
    const char *caption;
    QRect geometry;
    const char *hint;
    void (S::*click)() = nullptr;
};

class EditorKit {
public:
    EditorKit(QWidget *screen, const RecordLayout &layout) : m_screen(screen), m_layout(layout) {}

    template <class S>
    void fields(S *screen, std::span<const EditorField<S>> table, std::initializer_list<QWidget *> panels)
    {
        for (const EditorField<S> &f : table) {
            const Kind kind = f.member.line ? (f.dateWord ? Kind::Date : Kind::Line)
                : f.member.memo             ? Kind::Memo
                : f.member.check            ? Kind::Check
                                            : Kind::Combo;
            const Placement p{kind,        f.field,    f.caption, f.geometry,   f.keys,
                              f.alignment, f.dateWord, f.hint,    f.typingLimit};
            QWidget *control = place(p, panels.begin()[f.panel]);
            if (f.member.line)
                screen->*f.member.line = static_cast<QLineEdit *>(control);
            else if (f.member.memo)
                screen->*f.member.memo = static_cast<QPlainTextEdit *>(control);
            else if (f.member.check)
                screen->*f.member.check = static_cast<QCheckBox *>(control);
            else
                screen->*f.member.combo = static_cast<QComboBox *>(control);
        }
        finishFields();
    }

    // The protocol over the fields placed so far.
    BrowseEdit *protocol(QLabel *lblPosizione, EditorRules rules);

    template <class S>
    void tools(S *screen, std::span<const EditorTool<S>> table, QWidget *parent)
    {
        for (const EditorTool<S> &t : table) {
            PictureButton *b = placeTool(parent, t.name, t.icon, t.caption, t.geometry, t.hint);
            screen->*t.member = b;
            if (t.click)
                QObject::connect(b, &QToolButton::clicked, screen, t.click);
            else
                connectCommand(b, t.name);
        }
    }

    // The hints of the fields and tools placed, with `more`, written into `panInfo`.
    void hints(QLabel *panInfo, const QList<QWidget *> &backgrounds, std::span<const Hint> more = {});

    int capacity(const char *field) const;

private:
    enum class Kind { Line, Date, Memo, Check, Combo };
    struct Placement {
        Kind kind;
        const char *field;
        const char *caption;
        QRect geometry;
        KeyFilter::Kinds keys;
        Qt::Alignment alignment;
        const char *dateWord;
        const char *hint;
        int typingLimit;
    };
    QWidget *place(const Placement &p, QWidget *parent);
    void finishFields();
    PictureButton *placeTool(QWidget *parent, const char *name, const char *icon, const char *caption,
                             const QRect &geometry, const char *hint);
    void connectCommand(PictureButton *button, const char *name);

    QWidget *m_screen;
    const RecordLayout &m_layout;
    BrowseEdit *m_browse = nullptr;
    QList<PictureButton *> m_pendingCommands; // placed before the protocol exists
    QList<QWidget *> m_tabOrder;
    QStringList m_frames;
    QList<QPair<QByteArray, const char *>> m_hints; // control name, hint
    int m_captions = 0;
};
