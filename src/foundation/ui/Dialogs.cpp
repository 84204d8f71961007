#include "foundation/ui/Dialogs.h"

#include "foundation/Text.h"
#include "foundation/ui/ShellOpen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QUrl>

namespace {

// The preview offers print, zoom, full screen and close: the page of a report is fixed, so
// the orientation, page setup and page navigation commands are hidden.
void previewCommands(QPrintPreviewDialog *dialog)
{
    auto *bar = dialog->findChild<QToolBar *>();
    if (!bar)
        return;
    const QStringList kept = {QPrintPreviewDialog::tr("Print"), QPrintPreviewDialog::tr("Fit width"),
                              QPrintPreviewDialog::tr("Fit page"), QPrintPreviewDialog::tr("Zoom in"),
                              QPrintPreviewDialog::tr("Zoom out")};
    bool separatorDue = false;
    for (QAction *a : bar->actions()) {
        if (a->isSeparator()) {
            a->setVisible(separatorDue);
            separatorDue = false;
            continue;
        }
        // The zoom factor box is the only command shown as a combo box.
        const bool keep = kept.contains(a->text()) || qobject_cast<QComboBox *>(bar->widgetForAction(a));
        a->setVisible(keep);
        separatorDue = separatorDue || keep;
    }
    bar->addSeparator();
    QAction *full = bar->addAction(QStringLiteral("Schermo intero"));
    full->setCheckable(true);
    QObject::connect(full, &QAction::toggled, dialog,
                     [dialog](bool on) { dialog->setWindowState(on ? Qt::WindowFullScreen : Qt::WindowMaximized); });
    QAction *close = bar->addAction(QStringLiteral("Chiudi"));
    QObject::connect(close, &QAction::triggered, dialog, &QDialog::reject);
}

class PlatformDialogs final : public Dialogs {
public:
    void message(QWidget *parent, MessageKind kind, const QString &message) override
    {
        const QString text = Text::messageLines(message);
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
        return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), Text::messageLines(text),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }

    QString saveFileName(QWidget *parent, const QString &title, const QString &proposed, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, proposed, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
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
        // The document names itself on the printer; the window takes that name as caption.
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *p) {
            paint(p);
            if (!p->docName().isEmpty())
                dialog.setWindowTitle(p->docName());
        });
        if (auto *view = dialog.findChild<QPrintPreviewWidget *>()) {
            view->setZoomMode(QPrintPreviewWidget::CustomZoom);
            view->setZoomFactor(1.0);
        }
        previewCommands(&dialog);
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
} // namespace Ui
