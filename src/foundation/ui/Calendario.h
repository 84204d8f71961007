#pragma once

#include "foundation/ui/Screen.h"

class QCalendarWidget;
class QPushButton;

// The calendar of the date fields: "Importa" writes the chosen date into the field that the
// mode word names.
class TfrmCalendario : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Importazione data";
    explicit TfrmCalendario(QWidget *owner = nullptr);

    // Opens a fresh calendar owned by `owner` with `modeWord`, modally.
    static void open(QWidget *owner, const QString &modeWord);

    QLabel *lblData = nullptr;
    QCalendarWidget *calAppuntamenti = nullptr;
    QPushButton *btnImporta = nullptr;
    QPushButton *btnAnnulla = nullptr;

    void btnImportaClick();
    void btnAnnullaClick();
};

extern TfrmCalendario *frmCalendario;
