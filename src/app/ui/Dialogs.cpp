#include "app/ui/Dialogs.h"

#include "app/ui/ShellOpen.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QUrl>

namespace {

class PlatformDialogs final : public Dialogs {
public:
    void message(QWidget *parent, MessageKind kind, const QString &text) override
    {
        const QString title = QGuiApplication::applicationDisplayName();
        switch (kind) {
        case MessageKind::Warning:
            QMessageBox::warning(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageKind::Error:
            QMessageBox::critical(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageKind::Information:
            QMessageBox::information(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageKind::Confirmation:
            QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageKind::Plain: {
            QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
            box.exec();
            break;
        }
        }
    }

    bool confirm(QWidget *parent, const QString &text) override
    {
        return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), text,
                                     QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    }

    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }

    bool printDialog(QWidget *parent, QPrinter *printer) override
    {
        QPrintDialog dialog(printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void preview(QWidget *parent, const std::function<void(QPrinter *)> &paint) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog dialog(&printer, parent, Qt::Window);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter *p) { paint(p); });
        if (auto *view = dialog.findChild<QPrintPreviewWidget *>()) {
            view->setZoomMode(QPrintPreviewWidget::CustomZoom);
            view->setZoomFactor(1.0);
        }
        dialog.setWindowState(Qt::WindowMaximized);
        dialog.exec();
    }

    void shellOpen(const QString &url) override { QDesktopServices::openUrl(QUrl(url)); }

    int execModal(QDialog *screen) override { return screen->exec(); }
};

PlatformDialogs &platform()
{
    static PlatformDialogs dialogs;
    return dialogs;
}

Dialogs *g_installed = nullptr;

} // namespace

Dialogs &Dialogs::instance() { return g_installed ? *g_installed : platform(); }

void Dialogs::install(Dialogs *dialogs) { g_installed = dialogs; }

namespace Ui {
void message(QWidget *parent, MessageKind kind, const QString &text)
{
    Dialogs::instance().message(parent, kind, text);
}
void warning(QWidget *parent, const QString &text) { message(parent, MessageKind::Warning, text); }
void error(QWidget *parent, const QString &text) { message(parent, MessageKind::Error, text); }
void information(QWidget *parent, const QString &text) { message(parent, MessageKind::Information, text); }
void plain(QWidget *parent, const QString &text) { message(parent, MessageKind::Plain, text); }
bool confirm(QWidget *parent, const QString &text) { return Dialogs::instance().confirm(parent, text); }
int execModal(QDialog *screen) { return Dialogs::instance().execModal(screen); }
}
