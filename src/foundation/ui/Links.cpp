#include "foundation/ui/Links.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

LinkColouring::LinkColouring(QLabel *link, std::function<void()> open)
    : QObject(link), m_link(link), m_open(std::move(open))
{}

LinkColouring *LinkColouring::install(QLabel *link, QWidget *picture, std::function<void()> open)
{
    auto *l = new LinkColouring(link, std::move(open));
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(l);
    if (picture) {
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(l);
    }
    l->colour("#00008B");
    return l;
}

void LinkColouring::colour(const char *rgb)
{
    QPalette p = m_link->palette();
    p.setColor(QPalette::WindowText, QColor(QLatin1String(rgb)));
    m_link->setPalette(p);
}

bool LinkColouring::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        colour("#FFA500");
        return true;
    case QEvent::MouseButtonRelease:
        colour("#00008B");
        if (m_open)
            m_open();
        return true;
    default:
        return false;
    }
}
