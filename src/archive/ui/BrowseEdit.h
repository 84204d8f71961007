#pragma once

#include "foundation/ui/Dialogs.h"
#include "archive/Record.h"

#include <QLabel>
#include <QObject>

#include <functional>
#include <span>

// One mandatory field of an editor's Save, tested in table order.
struct MandatoryField {
    const char *control;
    const char *warning;
};

// What differs between the three record editors.
struct EditorRules {
    const RecordLayout *layout = nullptr;
    std::function<QString()> archivePath;
    MessageKind saveFailure = MessageKind::Error;   // the journal page editor uses Plain
    bool duplicateOpensArchive = false;             // the equipment editor opens the archive
    const char *focusAfterNew = nullptr;
    const char *focusAfterDuplicate = nullptr;
    std::span<const MandatoryField> mandatory;
    // The editor's own clearing for New (attachments and position are the protocol's).
    std::function<void()> clearForNew;
    // Further checks after the mandatory fields; returns false (after its message) to stop Save.
    std::function<bool()> validate;
};

// The browse/edit protocol shared by the record editors: New, Duplicate, Save, First,
// Previous, Next and Last over one archive, with the record's fields in the screen's controls
// and its 1-based position in `lblPosizione` (empty for a new record).
// Each layout field "F" lives in the screen's control "txtF", "lblF" or "chkF".
class BrowseEdit : public QObject {
    Q_OBJECT
public:
    BrowseEdit(QWidget *screen, QLabel *lblPosizione, EditorRules rules);

    void cmdNuovo();
    void cmdDuplica();
    void cmdSalva();
    void cmdPrimo();
    void cmdIndietro();
    void cmdAvanti();
    void cmdUltimo();

    // Shows the last record without any message; false when the archive is empty or failed.
    bool showLast();
    // Reads and shows the record at `position` without any message; false on failure.
    bool load(qint64 position);

    Record current() const;          // the record as the controls hold it
    void show(const Record &record); // writes the record into the controls
    QWidget *control(int field) const { return m_controls.at(field); }
    QWidget *control(QAnyStringView field) const;
    void clearAttachments();

private:
    bool readAt(class ArchiveFile &file, qint64 position);
    void showEnd(bool last); // First or Last
    void failed();
    void focus(const char *control);

    QWidget *m_screen;
    QLabel *m_position;
    EditorRules m_rules;
    QList<QWidget *> m_controls;
};
