#include "archive/ui/AllegaCartella.h"

#include "archive/Attachments.h"
#include "archive/ui/AttachmentSlots.h"
#include "archive/ui/FieldAccess.h"
#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"

#include <QLineEdit>
#include <QPushButton>

TfrmAllegaCartella *frmAllegaCartella = nullptr;

namespace {

const QStringList kTabOrder = {"txtFile01",    "btnSfoglia01", "btnApri01",  "txtDesc01", "txtFile02",
                               "btnSfoglia02", "btnApri02",    "txtDesc02",  "txtFile03", "btnSfoglia03",
                               "btnApri03",    "txtDesc03",    "btnApplica", "btnAnnulla"};

// On this platform "*.*" would hide the files whose names have no extension.
const QString kAllFiles = QStringLiteral("Tutti i file (*)");
const QString kDialogTitle = QStringLiteral("Selezionare il file da allegare:");

QByteArray numbered(const char *prefix, int n)
{
    return QByteArray(prefix) + QByteArray::number(n).rightJustified(2, '0');
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner) : SecondaryScreen(owner, kCaption, QSize(634, 534))
{
    QWidget *c = canvas();
    ScreenKit::image(c, "imgClip", QStringLiteral("allega"), QRect(14, 10, 56, 70));
    imgLogo = ScreenKit::label(c, "imgLogo",
                               QStringLiteral("Scegliere ogni documento da allegare con il pulsante Sfoglia...\n"
                                              "Al termine premere Applica e chiudi e poi Salva nella scheda.\n"
                                              "Per aprire un documento allegato premere Apri."),
                               QRect(80, 10, 540, 70), 10, true);

    QLabel **captions[] = {&lblCampo01, &lblCampo02, &lblCampo03, &lblCampo04, &lblCampo05, &lblCampo06};
    QLineEdit **files[] = {&txtFile01, &txtFile02, &txtFile03};
    QLineEdit **descs[] = {&txtDesc01, &txtDesc02, &txtDesc03};
    PictureButton **erasers[] = {&imgCancella01, &imgCancella02, &imgCancella03};
    QPushButton **browses[] = {&btnSfoglia01, &btnSfoglia02, &btnSfoglia03};
    QPushButton **opens[] = {&btnApri01, &btnApri02, &btnApri03};
    const char *const ordinals[] = {"1°", "2°", "3°"};

    for (int i = 0; i < 3; ++i) {
        const int slot = i + 1;
        const int top = 94 + i * 132;
        *captions[2 * i] =
            ScreenKit::label(c, numbered("lblCampo", 2 * i + 1).constData(),
                             QStringLiteral("Nome %1 file allegato:").arg(QString::fromUtf8(ordinals[i])),
                             QRect(14, top, 400, 20), 10, true);
        QLineEdit *file =
            ScreenKit::lineEdit(c, numbered("txtFile", slot).constData(), QRect(14, top + 22, 370, 28), 0, 10, true);
        file->setReadOnly(true);
        QPalette grey = file->palette();
        grey.setColor(QPalette::Text, QColor(0x60, 0x60, 0x60));
        file->setPalette(grey);
        *files[i] = file;
        *erasers[i] = ScreenKit::picture(c, numbered("imgCancella", slot).constData(), QStringLiteral("cancella"),
                                         QString(), QRect(390, top + 20, 32, 32));
        *browses[i] = ScreenKit::button(c, numbered("btnSfoglia", slot).constData(), QStringLiteral("Sfoglia..."),
                                        QRect(430, top + 22, 94, 28));
        *opens[i] = ScreenKit::button(c, numbered("btnApri", slot).constData(), QStringLiteral("Apri"),
                                      QRect(530, top + 22, 90, 28));
        (*opens[i])->setEnabled(false);
        *captions[2 * i + 1] =
            ScreenKit::label(c, numbered("lblCampo", 2 * i + 2).constData(),
                             QStringLiteral("Descrizione %1 file allegato:").arg(QString::fromUtf8(ordinals[i])),
                             QRect(14, top + 58, 400, 20), 10, true);
        *descs[i] =
            ScreenKit::lineEdit(c, numbered("txtDesc", slot).constData(), QRect(14, top + 80, 606, 30), 0, 12, true);

        QPushButton *open = *opens[i];
        connect(file, &QLineEdit::textChanged, open,
                [open](const QString &name) { open->setEnabled(Attachments::canOpen(name)); });
        connect(*erasers[i], &QToolButton::clicked, this, [this, slot] { imgCancellaClick(slot); });
        connect(*browses[i], &QPushButton::clicked, this, [this, slot] { btnSfogliaClick(slot); });
        connect(open, &QPushButton::clicked, this, [this, slot] { btnApriClick(slot); });
    }

    btnApplica = ScreenKit::button(c, "btnApplica", QStringLiteral("Applica e chiudi"), QRect(300, 488, 170, 34));
    btnAnnulla = ScreenKit::button(c, "btnAnnulla", QStringLiteral("Annulla"), QRect(480, 488, 140, 34));
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
    ScreenKit::setTabOrder(this, kTabOrder);
}

QLineEdit *TfrmAllegaCartella::fileField(int slot) const
{
    QLineEdit *const files[] = {txtFile01, txtFile02, txtFile03};
    return files[slot - 1];
}

QLineEdit *TfrmAllegaCartella::descField(int slot) const
{
    QLineEdit *const descs[] = {txtDesc01, txtDesc02, txtDesc03};
    return descs[slot - 1];
}

void TfrmAllegaCartella::setTarget(AttachmentSlots *target)
{
    m_target = target;
    for (int slot = 1; slot <= AttachmentSlots::kSlots; ++slot) {
        fileField(slot)->setText(target ? Text::trimBlanks(FieldAccess::text(target->file(slot))) : QString());
        descField(slot)->setText(target ? Text::trimBlanks(FieldAccess::text(target->desc(slot))) : QString());
    }
}

void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    const QString chosen = Dialogs::instance().openFileName(this, kDialogTitle, kAllFiles);
    if (chosen.isEmpty())
        return;
    const Attachments::Result r =
        Attachments::attach(chosen, [this] { return Ui::confirm(this, Attachments::overwriteQuestion()); });
    if (r.outcome == Attachments::Outcome::Failed) {
        Ui::error(this, Attachments::copyFailureMessage());
        return;
    }
    if (r.outcome == Attachments::Outcome::NameNotStorable) {
        Ui::warning(this, Attachments::nameNotStorableMessage());
        return;
    }
    fileField(slot)->setText(r.name);
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    TMisc::Open(Attachments::openTarget(FieldAccess::text(fileField(slot))));
}

void TfrmAllegaCartella::imgCancellaClick(int slot) { fileField(slot)->clear(); }

void TfrmAllegaCartella::btnApplicaClick()
{
    if (m_target) {
        for (int slot = 1; slot <= AttachmentSlots::kSlots; ++slot) {
            m_target->file(slot)->setText(Text::trimBlanks(FieldAccess::text(fileField(slot))));
            m_target->desc(slot)->setText(Text::trimBlanks(FieldAccess::text(descField(slot))));
        }
    }
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick() { reject(); }
