#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

// A link label and the picture beside it: dark blue and underlined, orange while the mouse
// button is held down on either, dark blue again on release; a click runs `open`.
class LinkColouring : public QObject {
    Q_OBJECT
public:
    static LinkColouring *install(QLabel *link, QWidget *picture, std::function<void()> open);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LinkColouring(QLabel *link, std::function<void()> open);
    void colour(const char *rgb);
    QLabel *m_link;
    std::function<void()> m_open;
};
