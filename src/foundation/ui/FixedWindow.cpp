#include "foundation/ui/FixedWindow.h"

#include "foundation/ui/ScreenKit.h"

#include <QCloseEvent>
#include <QShowEvent>

FixedWindow::FixedWindow(const char *caption, const QSize &client)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString::fromUtf8(caption));
    setFixedSize(client);
    m_canvas = ScreenKit::canvas(this, client, QColor(0xE8, 0xF0, 0xFA), Qt::white);
    CentredWindow::install(this);
}

void FixedWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void FixedWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible()) // a hidden instance has nothing to leave
        FormClose();
}
