#pragma once

#include "foundation/ui/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

// A seam for tests: records what the program showed and answers as the test scripted.
// Installed on construction, uninstalled on destruction.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "warning", "error", "information", "confirmation", "plain",
                      // "file", "save", "print", "preview", "open", "modal"
        QString text; // message text, file dialog title, the proposed path of a save dialog, URL
                      // or the screen's class name
    };
    using Driver = std::function<void(QDialog *)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers, consumed in order; when a queue is empty: Yes, cancel, cancel, cancel, close.
    QQueue<bool> confirmations;
    QQueue<QString> fileNames;
    QQueue<QString> saveFileNames;
    QQueue<bool> printAnswers;
    QQueue<Driver> modalDrivers;
    // Receives each preview's printer after the document was drawn on it (PDF output).
    std::function<void(QPrinter *)> onPreview;

    QList<Shown> shown;
    QStringList messages() const; // texts of the message dialogs, in order
    QString lastMessage() const;
    QString lastKind() const;
    QStringList texts(const QString &kind) const;
    void clear() { shown.clear(); }

    void message(QWidget *parent, MessageKind kind, const QString &text) override;
    bool confirm(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                         const QString &filter) override;
    bool printDialog(QWidget *parent, QPrinter *printer) override;
    void preview(QWidget *parent, const std::function<void(QPrinter *)> &paint) override;
    void shellOpen(const QString &url) override;
    int execModal(QDialog *screen) override;
};
