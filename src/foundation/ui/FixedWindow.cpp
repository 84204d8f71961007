#include "foundation/ui/FixedWindow.h"

#include "foundation/ui/ScreenKit.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

FixedWindow::FixedWindow(const char *caption, const QSize &client)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString::fromUtf8(caption));
    setFixedSize(client);
    m_canvas = ScreenKit::canvas(this, client, QColor(0xE8, 0xF0, 0xFA), Qt::white);
}

void FixedWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormShow();
}

void FixedWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible()) // a hidden instance has nothing to leave
        FormClose();
}
