#pragma once

#include <QWidget>

// A non-modal window of fixed size centred on the screen, with a caption but no title-bar
// buttons: the login and change-password screens.
class FixedWindow : public QWidget {
    Q_OBJECT
public:
    FixedWindow(const char *caption, const QSize &client);

    QWidget *canvas() const { return m_canvas; }

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_canvas = nullptr;
};
