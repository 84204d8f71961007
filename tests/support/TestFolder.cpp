#include "TestFolder.h"

#include "foundation/ProgramFolder.h"

#include <QFile>

TestFolder::TestFolder() { ProgramFolder::set(m_dir.path()); }
TestFolder::~TestFolder() = default;
QString TestFolder::path() const { return m_dir.path() + QLatin1Char('/'); }
QString TestFolder::file(const QString &name) const { return path() + name; }

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
