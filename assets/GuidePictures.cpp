// Takes the pictures of the user guide: starts the program's screens on a program folder (the
// sample one), walks through them as a user would (login, start screen, journal chooser, title
// page, page editor, page search, equipment editor, revision summary, worker editor) and saves
// each screen as it is drawn on the display, as a PNG file.
//
//     guide-pictures --folder DIR --out PICTURES_DIR
#include "archive/ui/BrowseEdit.h"
#include "archive/ui/SearchScreen.h"
#include "equipment/ui/Attrezzature.h"
#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/ScreenKit.h"
#include "journal/ui/ApriGiornale.h"
#include "journal/ui/Giornale.h"
#include "journal/ui/MenuGiornale.h"
#include "shell/ui/Avvio.h"
#include "shell/ui/Password.h"
#include "shell/ui/Screens.h"
#include "shell/ui/Startup.h"
#include "workers/ui/Istruttori.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QQueue>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString g_out;
bool g_failed = false;

void fail(const QString &what)
{
    std::fprintf(stderr, "guide-pictures: %s\n", qPrintable(what));
    g_failed = true;
}

// Waits until `window` is on the display and fully painted, then saves it as NAME.png.
void save(QWidget *window, const QString &name)
{
    if (!QTest::qWaitForWindowExposed(window))
        fail(QStringLiteral("%1: the window was not shown").arg(name));
    QTest::qWait(400);
    const QString path = QDir(g_out).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        fail(QStringLiteral("%1: cannot write %2").arg(name, path));
    else
        std::printf("%s\n", qPrintable(path));
}

// The modal interactions of the walk: each secondary screen is prepared by the next driver of
// the queue, saved and closed again; any message box means the walk went wrong.
class PictureDialogs final : public Dialogs {
public:
    struct Step {
        QString name;
        std::function<void(QDialog *)> prepare;
    };
    QQueue<Step> steps;

    void message(QWidget *, MessageKind, const QString &text) override
    {
        fail(QStringLiteral("unexpected message: ") + text);
    }
    bool confirm(QWidget *, const QString &text) override
    {
        fail(QStringLiteral("unexpected question: ") + text);
        return false;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return QString(); }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return QString(); }
    bool printDialog(QWidget *, QPrinter *) override { return false; }
    void preview(QWidget *, const std::function<void(QPrinter *)> &) override {}
    void shellOpen(const QString &) override {}
    int execModal(QDialog *screen) override
    {
        if (steps.isEmpty()) {
            fail(QStringLiteral("unexpected screen: ") + QString::fromLatin1(screen->metaObject()->className()));
            return QDialog::Rejected;
        }
        const Step step = steps.dequeue();
        QTimer::singleShot(0, screen, [screen, step] {
            if (!QTest::qWaitForWindowExposed(screen))
                fail(step.name + QStringLiteral(": the screen was not shown"));
            if (step.prepare)
                step.prepare(screen);
            save(screen, step.name);
            screen->reject();
        });
        return screen->exec();
    }
};

template <typename T>
T *find(QWidget *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child)
        fail(QStringLiteral("no control %1 in %2").arg(QLatin1String(name), parent->objectName()));
    return child;
}

void walk(const QString &journal)
{
    PictureDialogs dialogs;
    Dialogs::install(&dialogs);

    QWidget *mainForm = Screens::createAll();
    mainForm->show();
    frmPassword->txtPassword->setText(QStringLiteral("CANTILOG"));
    save(frmPassword, QStringLiteral("login"));
    frmPassword->cmdOK->click();
    save(frmAvvio, QStringLiteral("avvio"));

    // The journal area: the chooser with the sample journal selected, its title page, its page.
    frmAvvio->appGiornale->click();
    frmMenuGiornale->btnCompila->click();
    const QList<QListWidgetItem *> items =
        frmApriGiornale->lstFiles->findItems(journal + QStringLiteral(".cnt"), Qt::MatchExactly);
    if (items.isEmpty())
        return fail(QStringLiteral("the chooser does not list ") + journal);
    frmApriGiornale->lstFiles->setCurrentItem(items.first());
    save(frmApriGiornale, QStringLiteral("elenco-cantilog"));
    dialogs.steps.enqueue({QStringLiteral("frontespizio"), nullptr});
    frmApriGiornale->btnFrontespizio->click();
    frmApriGiornale->btnApri->click();
    save(frmGiornale, QStringLiteral("pagina-cantilog"));

    // A search of the pages by a word of their annotations, on its results.
    dialogs.steps.enqueue({QStringLiteral("ricerca-pagine"), [](QDialog *screen) {
                               auto *search = static_cast<SearchScreen *>(screen);
                               QLineEdit *annotations = find<QLineEdit>(screen, "txtAnnotazioni");
                               if (annotations)
                                   annotations->setText(QStringLiteral("scavo"));
                               search->btnCerca->click();
                           }});
    frmGiornale->cmdTrova->click();
    frmGiornale->cmdEsci->click();

    // The equipment area on an item whose revision is overdue, and the summary of revisions due.
    frmAvvio->appAttrezzature->click();
    frmAttrezzature->browse->load(2);
    save(frmAttrezzature, QStringLiteral("attrezzature"));
    dialogs.steps.enqueue({QStringLiteral("riepilogo-revisioni"), nullptr});
    frmAttrezzature->cmdScadenze->click();
    frmAttrezzature->cmdEsci->click();

    // The workers area on a worker whose contract is about to expire.
    frmAvvio->appAnagrafica->click();
    frmIstruttori->browse->load(2);
    save(frmIstruttori, QStringLiteral("lavoratori"));
    frmIstruttori->cmdEsci->click();

    if (!dialogs.steps.isEmpty())
        fail(QStringLiteral("screen not opened: ") + dialogs.steps.head().name);
    Dialogs::install(nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Startup::prepare(app);
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("folder"), QStringLiteral("Cartella del programma."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Cartella delle immagini."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption journal(QStringLiteral("journal"), QStringLiteral("Nome del Cantilog da aprire."),
                                     QStringLiteral("NOME"), QStringLiteral("Scuola Manzoni"));
    parser.addOptions({folder, out, journal});
    parser.process(app);
    if (!parser.isSet(folder) || !parser.isSet(out)) {
        std::fprintf(stderr, "uso: guide-pictures --folder DIR --out DIR [--journal NOME]\n");
        return 2;
    }
    ProgramFolder::set(parser.value(folder));
    Formats::apply();
    g_out = parser.value(out);
    QDir().mkpath(g_out);
    walk(parser.value(journal));
    return g_failed ? 1 : 0;
}
