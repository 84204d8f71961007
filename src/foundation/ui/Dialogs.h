#pragma once

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// The five kinds of message dialog.
enum class MessageKind { Warning, Error, Information, Confirmation, Plain };

// Every modal interaction of the program passes through this seam: message dialogs,
// confirmations, file choices, the printer dialog, the print preview, the shell's "open"
// and modal secondary screens. Tests install a scripted implementation.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    static Dialogs &instance();
    // Installs `dialogs` (not owned); nullptr restores the platform's own.
    static void install(Dialogs *dialogs);

    virtual void message(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // The full path of the chosen file, empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    // The full path chosen to write a file, starting from the `proposed` path; empty when
    // cancelled. Replacing an existing file is the caller's question (Ui::confirm).
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                                 const QString &filter) = 0;
    // True when the user confirmed the printer dialog.
    virtual bool printDialog(QWidget *parent, QPrinter *printer) = 0;
    // A modal, maximised print preview; `paint` draws the document onto the printer it gets.
    virtual void preview(QWidget *parent, const std::function<void(QPrinter *)> &paint) = 0;
    // Hands a URL text to the desktop ("open"); the result is ignored.
    virtual void shellOpen(const QString &url) = 0;
    // Shows a secondary screen modally and returns its result.
    virtual int execModal(QDialog *screen) = 0;
};

// Shorthands for the message kinds.
namespace Ui {
void warning(QWidget *parent, const QString &text);
void error(QWidget *parent, const QString &text);
void information(QWidget *parent, const QString &text);
void plain(QWidget *parent, const QString &text);
void message(QWidget *parent, MessageKind kind, const QString &text);
bool confirm(QWidget *parent, const QString &text);
int execModal(QDialog *screen);
} // namespace Ui
