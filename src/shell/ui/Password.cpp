#include "shell/ui/Password.h"

#include "archive/ui/FieldAccess.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/Screen.h"
#include "foundation/ui/ScreenKit.h"
#include "shell/Password.h"
#include "shell/ui/Screens.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TfrmPassword *frmPassword = nullptr;

TfrmPassword::TfrmPassword() : FixedWindow(kCaption, QSize(388, 405))
{
    QWidget *c = canvas();
    imgLogo = ScreenKit::shape(c, "imgLogo", QRect(0, 0, 388, 220), QColor(0xFF, 0xF8, 0xE1), QColor(0xC8, 0xA4, 0x3C));
    ScreenKit::image(imgLogo, "imgLogoIcon", QStringLiteral("lucchetto"), QRect(20, 18, 72, 72));
    ScreenKit::label(imgLogo, "imgLogoTitle", QStringLiteral("Password"), QRect(108, 30, 260, 48), 24, true);
    auto *advice = ScreenKit::label(
        imgLogo, "imgLogoText",
        QStringLiteral("Proteggi l'accesso a Cantilog con una password di tua scelta: per impostarla premi "
                       "Cambia password.\n\nPer il primo accesso la password è %1.")
            .arg(QLatin1String(Password::kInitialPassword)),
        QRect(20, 104, 348, 106), 10);
    advice->setWordWrap(true);
    advice->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblRigo05 = ScreenKit::label(c, "lblRigo05", QStringLiteral("Immetti la password e premi OK."),
                                 QRect(40, 232, 308, 22), 10, true);
    txtPassword = ScreenKit::lineEdit(c, "txtPassword", QRect(40, 262, 308, 36), 0, 14, true);
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdOK = ScreenKit::button(c, "cmdOK", QStringLiteral("OK"), QRect(40, 314, 148, 34), 11);
    cmdEsci = ScreenKit::button(c, "cmdEsci", QStringLiteral("Esci"), QRect(200, 314, 148, 34), 11);
    btnCambiaPassword =
        ScreenKit::button(c, "btnCambiaPassword", QStringLiteral("Cambia password"), QRect(40, 358, 308, 34), 11);
    cmdOK->setEnabled(false);

    FocusFrames::install(this, {QStringLiteral("Password")});
    ScreenKit::setTabOrder(this,
                           {QStringLiteral("txtPassword"), QStringLiteral("cmdOK"), QStringLiteral("cmdEsci"),
                            QStringLiteral("btnCambiaPassword")});
    txtPassword->installEventFilter(this);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::FormShow() { txtPassword->setFocus(Qt::OtherFocusReason); }

// The login screen is the main form: leaving it ends the program.
void TfrmPassword::FormClose() { QCoreApplication::quit(); }

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword) {
        if (event->type() == QEvent::KeyRelease) {
            txtPasswordChange();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (Password::loginEnabled(FieldAccess::text(txtPassword)))
                    cmdOKClick();
                return true;
            }
        }
    }
    return FixedWindow::eventFilter(watched, event);
}

void TfrmPassword::txtPasswordChange() { cmdOK->setEnabled(Password::loginEnabled(FieldAccess::text(txtPassword))); }

void TfrmPassword::cmdOKClick()
{
    const Password::LoginResult result = Password::login(FieldAccess::text(txtPassword));
    if (result == Password::LoginResult::Accepted) {
        if (QWidget *start = Screens::find(QStringLiteral("frmAvvio")))
            AreaScreen::switchTo(start, this);
        return;
    }
    Ui::plain(this, Password::loginMessage(result));
    if (result == Password::LoginResult::Wrong) {
        txtPassword->clear();
        txtPassword->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmPassword::cmdEsciClick() { close(); }

void TfrmPassword::btnCambiaPasswordClick()
{
    QWidget *change = Screens::find(QStringLiteral("frmCambiaPassword"));
    if (!change)
        return;
    change->show();
    hide();
}

void TfrmPassword::returnFromChange()
{
    txtPassword->clear();
    show();
    activateWindow();
    txtPassword->setFocus(Qt::OtherFocusReason);
}
