#pragma once

#include <QDialog>
#include <QLabel>
#include <QWidget>

// An area screen: the single instance created at start-up, shown maximised in place of the
// screen that opened it.
class AreaScreen : public QWidget {
    Q_OBJECT
public:
    AreaScreen(const char *caption, const QSize &client, const QColor &top = Qt::white,
               const QColor &bottom = Qt::white);

    QWidget *canvas() const { return m_canvas; }
    // Shows `next` maximised, then hides `current`.
    static void switchTo(QWidget *next, QWidget *current);

protected:
    virtual void FormShow() {}
    // Runs when the window is closed (system close button or the screen's exit).
    virtual void FormClose() {}
    void setCanvas(QWidget *canvas) { m_canvas = canvas; }
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_canvas = nullptr;
};

// A secondary screen: created fresh by its opener, owned by it, shown modally, destroyed after.
// `lblMemory` carries the mode word its opener writes.
class SecondaryScreen : public QDialog {
    Q_OBJECT
public:
    SecondaryScreen(QWidget *owner, const char *caption, const QSize &client);

    QWidget *canvas() const { return m_canvas; }
    QLabel *lblMemory = nullptr;
    QString modeWord() const { return lblMemory->text(); }
    void setModeWord(const QString &word) { lblMemory->setText(word); }

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void setCanvas(QWidget *canvas) { m_canvas = canvas; }
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QWidget *m_canvas = nullptr;
};
