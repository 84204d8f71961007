#include "journal/ui/StampaGiornale.h"

#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ProgramFolder.h"
#include "foundation/ui/ShellOpen.h"
#include "journal/JournalPrint.h"
#include "journal/ui/Giornale.h"

#include <QApplication>
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

// The whole journal, every page in archive order, to "<journal name>.pdf" in the program folder.
void TfrmStampaGiornale::btnTuttoPdfClick()
{
    TfrmGiornale *e = JournalSheets::editor(this);
    if (!e)
        return;
    const QString archive = e->lblFile->text();
    const QString pdf = ProgramFolder::file(e->lblNome->text() + QStringLiteral(".pdf"));
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
    switch (r) {
    case JournalPrint::Result::Done:
        if (Ui::confirm(this, pdfDone()))
            TMisc::Open(QLatin1Char('"') + pdf + QLatin1Char('"'));
        accept();
        break;
    case JournalPrint::Result::Empty: Ui::warning(this, JournalPrint::message(r)); break;
    case JournalPrint::Result::AccessFailed:
    case JournalPrint::Result::OutputFailed: Ui::error(this, JournalPrint::message(r)); break;
    case JournalPrint::Result::Cancelled: break;
    }
}

void TfrmStampaGiornale::open(QWidget *owner)
{
    std::unique_ptr<TfrmStampaGiornale> screen(new TfrmStampaGiornale(owner));
    Ui::execModal(screen.get());
}
