#pragma once

#include "foundation/ui/Screen.h"

class AttachmentSlots;
class PictureButton;
class QLineEdit;
class QPushButton;

// The three attachment slots of the record shown by an editor: choose, open, free and
// describe the files; "Applica e chiudi" writes them back into the editor's slots that the
// opener handed over. The mode word holds the caller key ("giornale", "attrezzature",
// "istruttori").
class TfrmAllegaCartella : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Allega file";
    explicit TfrmAllegaCartella(QWidget *owner = nullptr);

    // The editor's slots: their six values, blanks removed, go into the six fields now and
    // come back on "Applica e chiudi".
    void setTarget(AttachmentSlots *target);

    QLabel *imgLogo = nullptr;
    QLabel *lblCampo01 = nullptr, *lblCampo02 = nullptr, *lblCampo03 = nullptr, *lblCampo04 = nullptr,
           *lblCampo05 = nullptr, *lblCampo06 = nullptr;
    QLineEdit *txtFile01 = nullptr, *txtFile02 = nullptr, *txtFile03 = nullptr;
    QLineEdit *txtDesc01 = nullptr, *txtDesc02 = nullptr, *txtDesc03 = nullptr;
    PictureButton *imgCancella01 = nullptr, *imgCancella02 = nullptr, *imgCancella03 = nullptr;
    QPushButton *btnSfoglia01 = nullptr, *btnSfoglia02 = nullptr, *btnSfoglia03 = nullptr;
    QPushButton *btnApri01 = nullptr, *btnApri02 = nullptr, *btnApri03 = nullptr;
    QPushButton *btnApplica = nullptr;
    QPushButton *btnAnnulla = nullptr;

    // Slots are numbered 1 to 3.
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    QLineEdit *fileField(int slot) const;
    QLineEdit *descField(int slot) const;
    AttachmentSlots *m_target = nullptr;
};

extern TfrmAllegaCartella *frmAllegaCartella;
