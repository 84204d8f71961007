#pragma once

#include <QAnyStringView>
#include <QString>
#include <span>

// A fixed record: text fields of fixed capacity, back to back, no other data.
enum class TextForm {
    CharArray,     // characters from byte 0, ended by a zero byte unless the text fills the field
    LengthPrefixed // byte 0 = length, then the characters
};

struct FieldSpec {
    const char *name;
    int capacity; // characters; the field takes capacity + 1 bytes
};

class RecordLayout {
public:
    RecordLayout(const char *archiveName, TextForm form, std::span<const FieldSpec> fields);

    const char *archiveName() const { return m_archiveName; }
    TextForm form() const { return m_form; }
    bool trimsBlanks() const { return m_form == TextForm::LengthPrefixed; }
    int fieldCount() const { return int(m_fields.size()); }
    const FieldSpec &field(int i) const { return m_fields[i]; }
    QString fieldName(int i) const { return QString::fromLatin1(m_fields[i].name); }
    int offset(int i) const { return m_offsets[i]; }
    int recordSize() const { return m_size; }
    int indexOf(QAnyStringView name) const; // -1 when the layout has no such field

private:
    const char *m_archiveName;
    TextForm m_form;
    std::span<const FieldSpec> m_fields;
    int m_offsets[64]{};
    int m_size = 0;
};

namespace Layouts {
const RecordLayout &journal();                          // one page of a works journal, 12179 bytes
const RecordLayout &equipment();                        // "Attrezzature.pro", 3448 bytes
const RecordLayout &workers();                          // "Dipendenti.pro", 4043 bytes
const RecordLayout *byArchiveName(QAnyStringView name); // "journal", "equipment", "workers"
} // namespace Layouts
