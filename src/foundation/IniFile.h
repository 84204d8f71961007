#pragma once

#include <QString>

#include <memory>

// A Windows-profile INI file ("[Section]", "Key=Value", values in Windows-1252), kept byte
// for byte: comments, key order and other sections survive a rewrite.
class IniFile {
public:
    explicit IniFile(const QString &path);
    ~IniFile();

    // A missing file loads as empty; false only when an existing file cannot be read.
    bool load();
    // Writes through a temporary file renamed over the old one; false on any failure.
    bool save();

    QString value(const QString &section, const QString &key) const; // empty when missing
    // Control characters of `value` are stored as blanks, so that it stays on its line.
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    QString m_path;
    struct Data;
    std::unique_ptr<Data> m_ini;
};
