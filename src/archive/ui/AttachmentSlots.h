#pragma once

#include <QAnyStringView>

class QLabel;
class QWidget;

// The three attachment slots of the record an editor shows: a file name and a description
// each, in the hidden labels `lblFile01`..`lblFile03` and `lblDesc01`..`lblDesc03`.
class AttachmentSlots {
public:
    static constexpr int kSlots = 3;
    explicit AttachmentSlots(QWidget *screen);

    QLabel *file(int slot) const { return m_labels[slot - 1]; } // slot 1..3
    QLabel *desc(int slot) const { return m_labels[kSlots + slot - 1]; }
    // The label of a record field ("File01".."Desc03"); nullptr for any other field.
    QLabel *label(QAnyStringView recordField) const;
    void clear();

private:
    QLabel *m_labels[2 * kSlots];
};
