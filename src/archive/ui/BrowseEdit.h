#pragma once

#include "archive/Record.h"
#include "archive/ui/AttachmentSlots.h"
#include "foundation/ui/Dialogs.h"

#include <QLabel>
#include <QObject>

#include <functional>
#include <span>

// One mandatory field of an editor's Save, tested in table order.
struct MandatoryField {
    const char *control;
    const char *warning;
};

// What one field of an editor does besides holding its text. Fields without a rule are emptied
// by New and moved unchanged between the record and the control.
struct FieldRule {
    enum Blank {
        Empty, // emptied (a check box unticked, a combo edit with no entry chosen)
        Keep,  // keeps what the screen shows
        Today, // today's date, "dd/mm/yyyy"
        Fixed, // `blankText`
    };
    using Rewrite = QString (*)(const QString &);

    const char *field; // record field
    Blank blank = Empty;
    const char *blankText = nullptr;
    Rewrite onLeave = nullptr;     // rewrites the control's text when the field loses the focus
    Rewrite afterLoad = nullptr;   // the record's text on its way into the control
    Rewrite beforeStore = nullptr; // the control's text on its way into the record
};

// What differs between the three record editors.
struct EditorRules {
    const RecordLayout *layout = nullptr;
    std::function<QString()> archivePath;
    const char *callerKey = nullptr;              // the attachment screen's mode word
    MessageKind saveFailure = MessageKind::Error; // the journal page editor uses Plain
    bool duplicateOpensArchive = false;           // the equipment editor opens the archive
    const char *focusAfterNew = nullptr;
    const char *focusAfterDuplicate = nullptr;
    std::span<const MandatoryField> mandatory;
    std::span<const FieldRule> fields;
    // Further checks after the mandatory fields; returns false (after its message) to stop Save.
    std::function<bool()> validate;
};

// The browse/edit protocol shared by the record editors: New, Duplicate, Save, First,
// Previous, Next and Last over one archive, with the record's fields in the screen's controls
// and its 1-based position in `lblPosizione` (empty for a new record). It owns the record's
// attachment slots and opens the attachment screen on them.
// Each other layout field "F" lives in the screen's control "txtF" or "chkF".
class BrowseEdit : public QObject {
    Q_OBJECT
public:
    BrowseEdit(QWidget *screen, QLabel *lblPosizione, EditorRules rules);

    void cmdNuovo();
    void cmdDuplica();
    void cmdSalva();
    void cmdFile();
    void cmdPrimo();
    void cmdIndietro();
    void cmdAvanti();
    void cmdUltimo();

    // The buttons that run the protocol's commands, by their control names.
    struct Command {
        const char *button;
        void (BrowseEdit::*run)();
    };
    static std::span<const Command> commands();
    static const Command *command(QAnyStringView button); // nullptr for another button

    // Shows the last record without any message; false when the archive is empty or failed.
    bool showLast();
    // Reads and shows the record at `position` without any message; false on failure.
    bool load(qint64 position);

    Record current() const;          // the record as the controls hold it
    void show(const Record &record); // writes the record into the controls
    QWidget *control(int field) const { return m_controls.at(field); }
    QWidget *control(QAnyStringView field) const;
    AttachmentSlots &attachments() { return m_attachments; }
    const EditorRules &rules() const { return m_rules; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool readAt(class ArchiveFile &file, qint64 position);
    void showEnd(bool last); // First or Last
    void failed();
    void focus(const char *control);
    void blank();
    const FieldRule *ruleOf(int field) const;

    QWidget *m_screen;
    QLabel *m_position;
    EditorRules m_rules;
    AttachmentSlots m_attachments;
    QList<QWidget *> m_controls;
    QHash<QObject *, FieldRule::Rewrite> m_onLeave;
};
