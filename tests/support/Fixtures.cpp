#include "Fixtures.h"

#include "archive/ArchiveFile.h"
#include "archive/Record.h"

#include <QFile>
#include <QRegularExpression>

namespace Fixtures {

QByteArray record(const RecordLayout &layout, const Fields &fields)
{
    Record r(layout);
    for (const auto &[name, text] : fields)
        r.setValue(name, text);
    return r.encode();
}

bool writeArchive(const QString &path, const RecordLayout &layout, const QList<Fields> &records)
{
    QFile::remove(path);
    ArchiveFile file(path, layout.recordSize());
    if (!file.open())
        return false;
    for (const Fields &fields : records)
        if (file.append(record(layout, fields)) == 0)
            return false;
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int countPdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace Fixtures
