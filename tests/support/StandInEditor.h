#pragma once

#include "archive/ui/EditorKit.h"

#include <QHash>
#include <QWidget>

// A record editor built on the editor kit from any record layout: one field per layout field
// (a multi-line field for a capacity of 3000, a check box for "Effettuata", a line edit
// otherwise; the attachment fields are the protocol's), the record buttons, and the rules given.
class StandInEditor : public QWidget {
public:
    struct Options {
        QHash<QString, KeyFilter::Kinds> keys; // record field -> key filter
        std::span<const FieldRule> rules;
        std::span<const EnterStep> enterOrder;
        const char *callerKey = "giornale";
    };
    StandInEditor(const RecordLayout &layout, const QString &path, MessageKind saveFailure, const Options &options);
    StandInEditor(const RecordLayout &layout, const QString &path, MessageKind saveFailure)
        : StandInEditor(layout, path, saveFailure, Options{})
    {}

    void set(const QString &field, const QString &text);
    QString get(const QString &field) const;
    QWidget *control(const QString &field) const;
    void fillFirst(const QString &text) { set(first, text); }
    QString position() const { return lblPosizione->text(); }

    // Scratch members the kit writes each placed control into.
    QLineEdit *line = nullptr;
    QPlainTextEdit *memo = nullptr;
    QCheckBox *check = nullptr;
    PictureButton *tool = nullptr;

    QLabel *lblPosizione = nullptr;
    QLabel *panInfo = nullptr;
    BrowseEdit *browse = nullptr;
    QString first;
    QList<EditorField<StandInEditor>> fields; // the table the screen was built from
};
