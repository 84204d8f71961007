#include "shell/ui/CambiaPassword.h"

#include "archive/ui/FieldAccess.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "shell/Password.h"
#include "shell/ui/Password.h"
#include "shell/ui/Screens.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TfrmCambiaPassword *frmCambiaPassword = nullptr;

namespace {

// Enter goes round the three fields and never presses OK.
constexpr EnterStep kEnterOrder[] = {
    {"txtPasswordOld", "txtPasswordNew"},
    {"txtPasswordNew", "txtConferma"},
    {"txtConferma", "txtPasswordOld"},
};

QLineEdit *passwordField(QWidget *parent, const char *name, int top)
{
    QLineEdit *field = ScreenKit::lineEdit(parent, name, QRect(30, top, 351, 34), 0, 14, true);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword() : FixedWindow(kCaption, QSize(411, 418))
{
    QWidget *c = canvas();
    imgLogo = ScreenKit::shape(c, "imgLogo", QRect(0, 0, 411, 126), QColor(0xFF, 0xF8, 0xE1), QColor(0xC8, 0xA4, 0x3C));
    ScreenKit::image(imgLogo, "imgLogoIcon", QStringLiteral("lucchetto"), QRect(20, 14, 64, 64));
    ScreenKit::label(imgLogo, "imgLogoTitle", QStringLiteral("Cambia password"), QRect(100, 24, 300, 44), 20, true);
    auto *advice = ScreenKit::label(imgLogo, "imgLogoText",
                                    QStringLiteral("Compila i campi sottostanti e premi OK per sostituire la "
                                                   "password di accesso."),
                                    QRect(20, 82, 371, 40), 10);
    advice->setWordWrap(true);

    lblRigo05 =
        ScreenKit::label(c, "lblRigo05", QStringLiteral("Vecchia password:"), QRect(30, 138, 351, 20), 10, true);
    txtPasswordOld = passwordField(c, "txtPasswordOld", 162);
    lblRigo06 = ScreenKit::label(c, "lblRigo06", QStringLiteral("Nuova password:"), QRect(30, 206, 351, 20), 10, true);
    txtPasswordNew = passwordField(c, "txtPasswordNew", 230);
    lblRigo07 =
        ScreenKit::label(c, "lblRigo07", QStringLiteral("Conferma nuova password:"), QRect(30, 274, 351, 20), 10, true);
    txtConferma = passwordField(c, "txtConferma", 298);
    cmdEsci = ScreenKit::button(c, "cmdEsci", QStringLiteral("Chiudi"), QRect(30, 362, 166, 36), 11);
    cmdOK = ScreenKit::button(c, "cmdOK", QStringLiteral("OK"), QRect(215, 362, 166, 36), 11);
    cmdOK->setEnabled(false);

    FocusFrames::install(this,
                         {QStringLiteral("PasswordOld"), QStringLiteral("PasswordNew"), QStringLiteral("Conferma")});
    ScreenKit::setTabOrder(this,
                           {QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew"),
                            QStringLiteral("txtConferma"), QStringLiteral("cmdEsci"), QStringLiteral("cmdOK")});
    EnterOrder::install(this, kEnterOrder);

    for (QLineEdit *field : {txtPasswordOld, txtPasswordNew, txtConferma}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::fieldsChange);
    }
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::FormShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    fieldsChange();
    txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::FormClose()
{
    if (auto *login = qobject_cast<TfrmPassword *>(Screens::find(QStringLiteral("frmPassword"))))
        login->returnFromChange();
}

bool TfrmCambiaPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease)
        fieldsChange();
    return FixedWindow::eventFilter(watched, event);
}

void TfrmCambiaPassword::fieldsChange()
{
    cmdOK->setEnabled(Password::changeEnabled(FieldAccess::text(txtPasswordOld), FieldAccess::text(txtPasswordNew),
                                              FieldAccess::text(txtConferma)));
}

void TfrmCambiaPassword::cmdOKClick()
{
    using Password::ChangeResult;
    const ChangeResult result = Password::change(FieldAccess::text(txtPasswordOld), FieldAccess::text(txtPasswordNew),
                                                 FieldAccess::text(txtConferma));
    Ui::plain(this, Password::changeMessage(result));
    switch (result) {
    case ChangeResult::Changed:
        close();
        break;
    case ChangeResult::OldWrong:
        txtPasswordOld->clear();
        txtPasswordOld->setFocus(Qt::OtherFocusReason);
        break;
    case ChangeResult::NotConfirmed:
    case ChangeResult::NotStorable:
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus(Qt::OtherFocusReason);
        break;
    case ChangeResult::Failure:
        break;
    }
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }
