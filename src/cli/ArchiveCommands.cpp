#include "cli/Cli.h"

#include "archive/ArchiveFile.h"
#include "archive/Archives.h"
#include "archive/Record.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Cli {

namespace {

struct Target {
    const RecordLayout *layout = nullptr;
    QString path;
};

// "journal NAME", "equipment" or "workers"; nullptr layout after a usage error or a refused journal.
Target targetOf(const QStringList &args, Io &io, int *status)
{
    Target t;
    const QString kind = args.value(0);
    const RecordLayout *layout = Layouts::byArchiveName(kind);
    const int expected = (kind == QLatin1String("journal")) ? 2 : 1;
    if (!layout || args.size() != expected) {
        *status = usage(io, QStringLiteral("archivio non valido"));
        return t;
    }
    if (layout == &Layouts::journal()) {
        t.path = journalArchive(args.at(1), io, status);
        if (t.path.isEmpty())
            return t;
    } else if (layout == &Layouts::equipment())
        t.path = Archives::equipmentPath();
    else
        t.path = Archives::workersPath();
    t.layout = layout;
    return t;
}

void writeJsonString(QTextStream &out, const QString &text)
{
    out << '"';
    for (QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            out << "\\\"";
            break;
        case u'\\':
            out << "\\\\";
            break;
        case u'\n':
            out << "\\n";
            break;
        case u'\r':
            out << "\\r";
            break;
        case u'\t':
            out << "\\t";
            break;
        default:
            if (u < 0x20)
                out << QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
            else
                out << c;
        }
    }
    out << '"';
}

int accessFailure(Io &io)
{
    printMessage(io.err, Archives::accessFailureMessage());
    return AccessFailure;
}

} // namespace

namespace {
int dumpCommand(const QStringList &args, Io &io)
{
    int status = Success;
    const Target t = targetOf(args, io, &status);
    if (!t.layout)
        return status;
    ArchiveFile file(t.path, t.layout->recordSize());
    if (!file.open())
        return accessFailure(io);
    QString json;
    QTextStream out(&json);
    out << '[';
    bool first = true;
    const bool ok = file.scan([&](qint64 position, const char *bytes) {
        out << (first ? "\n" : ",\n") << "{\"position\": " << position;
        first = false;
        for (int i = 0; i < t.layout->fieldCount(); ++i) {
            out << ", ";
            writeJsonString(out, t.layout->fieldName(i));
            out << ": ";
            writeJsonString(out, Record::decodeField(*t.layout, bytes, i, /*raw=*/true));
        }
        out << '}';
        return true;
    });
    if (!ok)
        return accessFailure(io);
    out << (first ? "]" : "\n]");
    out.flush();
    io.out << json << '\n';
    io.out.flush();
    return Success;
}

int appendCommand(const QStringList &args, Io &io)
{
    int status = Success;
    const Target t = targetOf(args, io, &status);
    if (!t.layout)
        return status;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(io.in.readAll().toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return usage(io, QStringLiteral("l'ingresso deve essere un array JSON di oggetti"));
    const QJsonArray items = doc.array();
    for (const QJsonValue &item : items)
        if (!item.isObject())
            return usage(io, QStringLiteral("l'ingresso deve essere un array JSON di oggetti"));

    ArchiveFile file(t.path, t.layout->recordSize());
    if (!file.open())
        return accessFailure(io);
    for (const QJsonValue &item : items) {
        const QJsonObject object = item.toObject();
        Record record(*t.layout);
        for (int i = 0; i < t.layout->fieldCount(); ++i) {
            const QJsonValue v = object.value(t.layout->fieldName(i));
            record.setValue(i, v.isString() ? v.toString() : v.toVariant().toString());
        }
        const qint64 position = file.append(record.encode());
        if (position == 0)
            return accessFailure(io);
        io.out << position << '\n';
    }
    io.out.flush();
    return Success;
}

const Registrar dumpRegistration{{"dump", "dump journal NAME | dump equipment | dump workers", &dumpCommand}};
const Registrar appendRegistration{
    {"append", "append journal NAME | append equipment | append workers", &appendCommand}};

} // namespace
} // namespace Cli
