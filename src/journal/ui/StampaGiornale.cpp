#include "journal/ui/StampaGiornale.h"

#include "foundation/ProgramFolder.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"
#include "journal/JournalPrint.h"
#include "journal/ui/Giornale.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>

#include <memory>

TfrmStampaGiornale *frmStampaGiornale = nullptr;

namespace {

QString pdfDone()
{
    return QStringLiteral("Il file PDF con tutte le pagine del Cantilog è stato creato con successo.\r\n\r\n"
                          "Si vuole aprire il documento?");
}

QString replaceQuestion(const QString &path)
{
    return QStringLiteral("Il file \"") + QFileInfo(path).fileName() +
        QStringLiteral("\" esiste già.\r\n\r\nSi vuole sostituirlo?");
}

// Shows the message of a result that stops the writing; false for Done and Cancelled.
bool showFailure(QWidget *parent, JournalPrint::Result r)
{
    switch (r) {
    case JournalPrint::Result::Done:
    case JournalPrint::Result::Cancelled:
        return false;
    case JournalPrint::Result::Empty:
        Ui::warning(parent, JournalPrint::message(r));
        break;
    case JournalPrint::Result::AccessFailed:
    case JournalPrint::Result::OutputFailed:
        Ui::error(parent, JournalPrint::message(r));
        break;
    }
    return true;
}

} // namespace

TfrmStampaGiornale::TfrmStampaGiornale(QWidget *owner)
    : JournalPageScreen(owner, kCaption, QStringLiteral("giornale"),
                        QStringLiteral("Premere il pulsante \"Stampa\" per stampare la scheda corrente con i "
                                       "dati presenti nella schermata di compilazione, anche se non ancora "
                                       "salvati. La scheda stampata va firmata al termine della giornata "
                                       "lavorativa."),
                        QStringLiteral("Stampa"), Output::Print)
{
    btnTuttoPdf = ScreenKit::button(canvas(), "btnTuttoPdf", QStringLiteral("Tutto il Cantilog in PDF"),
                                    QRect(91, 190, 180, 30), 9);
    btnTuttoPdf->setToolTip(QStringLiteral("Crea un file PDF con tutte le pagine del Cantilog, una per foglio."));
    connect(btnTuttoPdf, &QPushButton::clicked, this, &TfrmStampaGiornale::btnTuttoPdfClick);
    // The printer picture makes room for the whole-journal button.
    if (auto *printer = canvas()->findChild<QLabel *>(QStringLiteral("imgStampante")))
        printer->setGeometry(141, 118, 80, 64);
}

// The whole journal, every page in archive order, to a PDF file the user chooses: "<journal
// name>.pdf" in the program folder is proposed, and an existing file is replaced only when the
// user confirms (the folder holds the program's own documents too).
void TfrmStampaGiornale::btnTuttoPdfClick()
{
    TfrmGiornale *e = JournalSheets::editor(this);
    if (!e)
        return;
    const QString archive = e->lblFile->text();
    if (showFailure(this, JournalPrint::checkPages(archive)))
        return;
    const QString proposed = ProgramFolder::file(e->lblNome->text() + QStringLiteral(".pdf"));
    const QString pdf = Dialogs::instance().saveFileName(this, QStringLiteral("Salva il Cantilog in PDF"), proposed,
                                                         QStringLiteral("Documenti PDF (*.pdf)"));
    if (pdf.isEmpty() || (QFileInfo::exists(pdf) && !Ui::confirm(this, replaceQuestion(pdf))))
        return;
    QProgressDialog progress(QStringLiteral("Creazione del file PDF del Cantilog in corso..."),
                             QStringLiteral("Annulla"), 0, 100, this);
    progress.setWindowTitle(QString::fromUtf8(kCaption));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const JournalPrint::Result r = JournalPrint::writeJournalPdf(archive, pdf, [&](qint64 done, qint64 total) {
        progress.setMaximum(int(total));
        progress.setValue(int(done));
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (showFailure(this, r) || r != JournalPrint::Result::Done)
        return;
    if (Ui::confirm(this, pdfDone()))
        TMisc::Open(QLatin1Char('"') + pdf + QLatin1Char('"'));
    accept();
}

void TfrmStampaGiornale::open(QWidget *owner)
{
    std::unique_ptr<TfrmStampaGiornale> screen(new TfrmStampaGiornale(owner));
    Ui::execModal(screen.get());
}
