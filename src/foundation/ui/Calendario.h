#pragma once

#include "foundation/ui/Screen.h"

#include <QLineEdit>
#include <QPointer>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// The calendar of the date fields: "Importa" writes the chosen date into the target field that
// its opener gave it, when the mode word is one of the date fields' words.
class TfrmCalendario : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Importazione data";
    explicit TfrmCalendario(QWidget *owner = nullptr);

    // Opens a fresh calendar owned by the field's screen, with `modeWord`, modally.
    static void open(QLineEdit *target, const QString &modeWord);
    void setTarget(QLineEdit *field) { m_target = field; }

    QLabel *lblData = nullptr;
    QCalendarWidget *calAppuntamenti = nullptr;
    QPushButton *btnImporta = nullptr;
    QPushButton *btnAnnulla = nullptr;

    void btnImportaClick();
    void btnAnnullaClick();

private:
    QPointer<QLineEdit> m_target;
};

extern TfrmCalendario *frmCalendario;
