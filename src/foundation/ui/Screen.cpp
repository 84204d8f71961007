#include "foundation/ui/Screen.h"

#include "foundation/ui/ScreenKit.h"

#include <QCloseEvent>
#include <QShowEvent>

AreaScreen::AreaScreen(const char *caption, const QSize &client, const QColor &top, const QColor &bottom)
{
    setWindowTitle(QString::fromUtf8(caption));
    setMinimumSize(client);
    m_canvas = ScreenKit::canvas(this, client, top, bottom);
}

void AreaScreen::switchTo(QWidget *next, QWidget *current)
{
    if (next)
        next->showMaximized();
    if (current && current != next)
        current->hide();
}

void AreaScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void AreaScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

SecondaryScreen::SecondaryScreen(QWidget *owner, const char *caption, const QSize &client)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString::fromUtf8(caption));
    setFixedSize(client);
    m_canvas = ScreenKit::canvas(this, client);
    lblMemory = ScreenKit::hiddenLabel(m_canvas, "lblMemory");
    CentredWindow::install(this);
}

void SecondaryScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void SecondaryScreen::done(int result)
{
    FormClose();
    QDialog::done(result);
}
