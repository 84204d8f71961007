#pragma once

#include "checks/Checks.h"
#include "foundation/ui/Screen.h"
#include "foundation/ui/ScreenKit.h"

#include <QSize>

class QLineEdit;
class QPushButton;

// What sets one check tool's screen apart from the others.
struct CheckTool {
    const char *caption;
    QSize client;
    const char *icon;        // banner picture, ":/icons/NAME.svg"
    const char *banner;      // banner title
    const char *instruction; // lblTitolo
    const char *entryName;   // the entry field's control name
    int maxLength;
    KeyFilter::Kinds keys; // what the entry lets the user type
    Checks::Outcome (*check)(const QString &entry);
};

// The screen of a check tool: a banner, the instruction, one entry, "Controlla" and "Chiudi".
// Created fresh by the worker editor with the entry filled in, shown modally, destroyed after.
class CheckScreen : public SecondaryScreen {
    Q_OBJECT
public:
    CheckScreen(QWidget *owner, const CheckTool &tool);

    QWidget *imgLogo = nullptr;
    QLabel *lblTitolo = nullptr;
    QPushButton *btnControlla = nullptr;
    QPushButton *btnChiudi = nullptr;

    // The opener puts its field's text here. A text longer than the entry's limit stays whole,
    // so that the check judges what the field holds (a 16-digit fiscal code field opens the VAT
    // check and gets the length warning); typing never lengthens such a text further.
    void setEntry(const QString &text);

    void btnControllaClick();
    void btnChiudiClick();

protected:
    QLineEdit *entry() const { return m_entry; }
    void FormShow() override;

private:
    void entryChange();

    const CheckTool &m_tool;
    QLineEdit *m_entry = nullptr;
};
