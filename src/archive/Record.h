#pragma once

#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

// The field texts of one record, in layout order, as the screens see them.
class Record {
public:
    explicit Record(const RecordLayout &layout);

    const RecordLayout &layout() const { return *m_layout; }
    const QStringList &values() const { return m_values; }
    QString value(int i) const { return m_values.at(i); }
    QString value(QAnyStringView field) const;
    void setValue(int i, const QString &text) { m_values[i] = text; }
    void setValue(QAnyStringView field, const QString &text);

    // Store conversion: blanks removed where the layout wants it, Windows-1252, cut to capacity.
    QByteArray encode() const;
    // Load conversion; `raw` keeps the text exactly as stored (no blank removal).
    static Record decode(const RecordLayout &layout, const char *bytes, bool raw = false);
    static QString decodeField(const RecordLayout &layout, const char *bytes, int field, bool raw = false);
    // The record stored at `position` (1-based) of the archive, as loaded into a screen;
    // nothing when the archive cannot be opened or has no record there.
    static std::optional<Record> read(const QString &archivePath, const RecordLayout &layout, qint64 position);

private:
    const RecordLayout *m_layout;
    QStringList m_values;
};
