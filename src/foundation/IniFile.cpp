#include "foundation/IniFile.h"

#include "foundation/Text.h"

#include <QFile>
#include <QSaveFile>

#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cstring>

// Windows profile keys and sections are compared without regard to case.
struct IniFile::Data : CSimpleIniA {};

IniFile::IniFile(const QString &path) : m_path(path), m_ini(std::make_unique<Data>())
{
    m_ini->SetUnicode(false);
    m_ini->SetSpaces(false);
}

IniFile::~IniFile() = default;

bool IniFile::load()
{
    m_ini->Reset();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return m_ini->LoadData(bytes.constData(), size_t(bytes.size())) >= 0;
}

bool IniFile::save()
{
    std::string data;
    if (m_ini->Save(data) < 0)
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data.data(), qint64(data.size())) != qint64(data.size()))
        return false;
    return file.commit();
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const QByteArray s = Text::toCp1252(section), k = Text::toCp1252(key);
    const char *v = m_ini->GetValue(s.constData(), k.constData(), nullptr);
    return v ? Text::fromCp1252(v, qsizetype(std::strlen(v))) : QString();
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    // A line break or another control character in a value would end its line in the file (or
    // the value itself): the rest would be read as keys or sections of their own.
    const QByteArray s = Text::toCp1252(section), k = Text::toCp1252(key);
    const QByteArray v = Text::toCp1252(Text::blankControls(value));
    m_ini->SetValue(s.constData(), k.constData(), v.constData());
}
