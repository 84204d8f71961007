#include "archive/Record.h"

#include "archive/ArchiveFile.h"
#include "foundation/Text.h"

#include <cstring>

Record::Record(const RecordLayout &layout) : m_layout(&layout) { m_values.resize(layout.fieldCount()); }

QString Record::value(QAnyStringView field) const
{
    const int i = m_layout->indexOf(field);
    return i < 0 ? QString() : m_values.at(i);
}

void Record::setValue(QAnyStringView field, const QString &text)
{
    const int i = m_layout->indexOf(field);
    Q_ASSERT(i >= 0);
    if (i >= 0)
        m_values[i] = text;
}

QByteArray Record::encode() const
{
    QByteArray out(m_layout->recordSize(), '\0');
    char *base = out.data();
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        const int capacity = m_layout->field(i).capacity;
        const QString text = m_layout->trimsBlanks() ? Text::trimBlanks(m_values.at(i)) : m_values.at(i);
        const QByteArray bytes = Text::toCp1252(text).left(capacity);
        char *field = base + m_layout->offset(i);
        if (m_layout->form() == TextForm::LengthPrefixed) {
            field[0] = char(bytes.size());
            std::memcpy(field + 1, bytes.constData(), bytes.size());
        } else {
            std::memcpy(field, bytes.constData(), bytes.size());
        }
    }
    return out;
}

QString Record::decodeField(const RecordLayout &layout, const char *bytes, int i, bool raw)
{
    const int capacity = layout.field(i).capacity;
    const char *field = bytes + layout.offset(i);
    QString text;
    if (layout.form() == TextForm::LengthPrefixed) {
        const int length = qMin(int(static_cast<unsigned char>(field[0])), capacity);
        text = Text::fromCp1252(field + 1, length);
    } else {
        const void *zero = std::memchr(field, 0, capacity + 1);
        const qsizetype length = zero ? static_cast<const char *>(zero) - field : capacity + 1;
        text = Text::fromCp1252(field, length);
    }
    return (layout.trimsBlanks() && !raw) ? Text::trimBlanks(text) : text;
}

Record Record::decode(const RecordLayout &layout, const char *bytes, bool raw)
{
    Record r(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        r.m_values[i] = decodeField(layout, bytes, i, raw);
    return r;
}

std::optional<Record> Record::read(const QString &archivePath, const RecordLayout &layout, qint64 position)
{
    ArchiveFile file(archivePath, layout.recordSize());
    QByteArray bytes;
    if (position < 1 || !file.open() || !file.read(position, &bytes))
        return std::nullopt;
    file.close();
    return decode(layout, bytes.constData());
}
