#include "ScriptedDialogs.h"

#include <QDialog>
#include <QPrinter>
#include <QTemporaryDir>

namespace {
QString kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("warning");
    case MessageKind::Error:
        return QStringLiteral("error");
    case MessageKind::Information:
        return QStringLiteral("information");
    case MessageKind::Confirmation:
        return QStringLiteral("confirmation");
    case MessageKind::Plain:
        return QStringLiteral("plain");
    }
    return QString();
}
const QStringList kMessageKinds = {"warning", "error", "information", "confirmation", "plain"};
} // namespace

ScriptedDialogs::ScriptedDialogs() { Dialogs::install(this); }
ScriptedDialogs::~ScriptedDialogs() { Dialogs::install(nullptr); }

QStringList ScriptedDialogs::messages() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (kMessageKinds.contains(s.kind))
            out << s.text;
    return out;
}

QString ScriptedDialogs::lastMessage() const
{
    const QStringList m = messages();
    return m.isEmpty() ? QString() : m.last();
}

QString ScriptedDialogs::lastKind() const
{
    for (auto it = shown.crbegin(); it != shown.crend(); ++it)
        if (kMessageKinds.contains(it->kind))
            return it->kind;
    return QString();
}

QStringList ScriptedDialogs::texts(const QString &kind) const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == kind)
            out << s.text;
    return out;
}

void ScriptedDialogs::message(QWidget *, MessageKind kind, const QString &text)
{
    shown.append({kindName(kind), text});
}

bool ScriptedDialogs::confirm(QWidget *, const QString &text)
{
    shown.append({QStringLiteral("confirmation"), text});
    return confirmations.isEmpty() ? true : confirmations.dequeue();
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &title, const QString &)
{
    shown.append({QStringLiteral("file"), title});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &, const QString &proposed, const QString &)
{
    shown.append({QStringLiteral("save"), proposed});
    return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
}

bool ScriptedDialogs::printDialog(QWidget *, QPrinter *printer)
{
    shown.append({QStringLiteral("print"), QString()});
    const bool accept = printAnswers.isEmpty() ? false : printAnswers.dequeue();
    if (accept) {
        static QTemporaryDir dir;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    }
    return accept;
}

void ScriptedDialogs::preview(QWidget *, const std::function<void(QPrinter *)> &paint)
{
    shown.append({QStringLiteral("preview"), QString()});
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("preview.pdf")));
    paint(&printer);
    if (onPreview)
        onPreview(&printer);
}

void ScriptedDialogs::shellOpen(const QString &url) { shown.append({QStringLiteral("open"), url}); }

int ScriptedDialogs::execModal(QDialog *screen)
{
    shown.append({QStringLiteral("modal"), QString::fromLatin1(screen->metaObject()->className())});
    screen->show();
    if (!modalDrivers.isEmpty())
        modalDrivers.dequeue()(screen);
    if (screen->isVisible())
        screen->reject();
    return screen->result();
}
