#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include "foundation/Formats.h"
#include "foundation/ProgramFolder.h"
#include "foundation/Text.h"
#include "foundation/ui/Calendario.h"
#include "foundation/ui/FixedWindow.h"
#include "foundation/ui/Guida.h"
#include "foundation/ui/ScreenKit.h"
#include "foundation/ui/ShellOpen.h"
#include "shell/HelpTexts.h"
#include "shell/ui/Avvio.h"
#include "shell/ui/Info.h"
#include "shell/ui/Screens.h"
#include "shell/ui/Splash.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

namespace {

// A screen with three single-line fields, one multi-line field and a date field.
class FieldsScreen : public QWidget {
public:
    FieldsScreen()
    {
        a = ScreenKit::lineEdit(this, "txtA", QRect(20, 20, 100, 24));
        b = ScreenKit::lineEdit(this, "txtB", QRect(20, 60, 100, 24));
        c = ScreenKit::lineEdit(this, "txtC", QRect(20, 100, 100, 24));
        notes = ScreenKit::memo(this, "txtNote", QRect(20, 140, 200, 80));
        date = ScreenKit::lineEdit(this, "txtData", QRect(20, 240, 100, 24));
        resize(300, 300);
    }
    QLineEdit *a, *b, *c, *date;
    QPlainTextEdit *notes;
};

// A field, two push buttons and a picture button that takes the focus, in the tab order.
struct Buttons {
    explicit Buttons(QWidget *screen)
    {
        field = ScreenKit::lineEdit(screen, "txtA", QRect(20, 20, 100, 24));
        push = ScreenKit::button(screen, "cmdA", QStringLiteral("Trova"), QRect(20, 60, 100, 30));
        other = ScreenKit::button(screen, "cmdB", QStringLiteral("Chiudi"), QRect(20, 100, 100, 30));
        picture = ScreenKit::picture(screen, "imgA", QStringLiteral("guida"), QStringLiteral("Guida"),
                                     QRect(140, 20, 80, 80));
        picture->setFocusPolicy(Qt::StrongFocus);
        screen->resize(240, 150);
    }
    QLineEdit *field;
    QPushButton *push, *other;
    PictureButton *picture;
};

constexpr EnterStep kSteps[] = {{"txtA", "txtB"}, {"txtB", "txtNote"}, {"txtC", "txtA"}};
constexpr Hint kHints[] = {
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"txtData", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."}};

void typeKey(QWidget *w, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

void moveMouse(QWidget *w, const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QStringList visibleFrames(QWidget *screen)
{
    QStringList names;
    for (QWidget *w : screen->findChildren<QWidget *>())
        if (w->objectName().startsWith(QLatin1String("eff")) && w->isVisible())
            names << w->objectName();
    return names;
}

// An area screen that returns to the start screen when closed, as every area does.
class StandInArea : public AreaScreen {
public:
    explicit StandInArea(const char *name) : AreaScreen(" Area", QSize(200, 200))
    {
        setObjectName(QLatin1String(name));
    }
    void FormClose() override { switchTo(frmAvvio, this); }
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void focusFramesFollowTheFocus();
    void focusBackgroundsFollowTheFocus();
    void enterOrder_data();
    void enterOrder();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterAfterTheEnterOrderPressesTheButton();
    void focusedButtonIsMarked_data();
    void focusedButtonIsMarked();
    void dateFieldKeys_data();
    void dateFieldKeys();
    void calendarImports_data();
    void calendarImports();
    void dateFieldIsTheCalendarTarget();
    void calendarCancelChangesNothing();
    void statusHints();

    void helpShowsTitleAndTextEachTime();
    void shellTargets_data();
    void shellTargets();
    void guideLinkWithBlanksInFolder();
    void mailAndWebLinks();
    void aboutScreenFitsItsText();
    void fixedWindowsCentredOnceFramed_data();
    void fixedWindowsCentredOnceFramed();

    void startScreenColumnsOpenTheirArea_data();
    void startScreenColumnsOpenTheirArea();
    void startScreenDialogs();
    void closingStartScreenEndsTheProgram();
    void overviewHelpText();
};

void TestApp::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    if (frmAvvio) {
        Screens::remove(frmAvvio);
        delete frmAvvio;
        frmAvvio = nullptr;
    }
}

void TestApp::focusFramesFollowTheFocus()
{
    FieldsScreen screen;
    FocusFrames::install(&screen, {"A", "B", "Note"});
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QVERIFY(visibleFrames(&screen).isEmpty() || visibleFrames(&screen).size() == 1);

    screen.b->setFocus();
    QTRY_COMPARE(visibleFrames(&screen), QStringList{"effB"});
    auto *effB = screen.findChild<QWidget *>("effB");
    QCOMPARE(effB->geometry(), screen.b->geometry().adjusted(-4, -4, 4, 4));

    screen.notes->setFocus();
    QTRY_COMPARE(visibleFrames(&screen), QStringList{"effNote"});
    screen.c->setFocus(); // a field without a frame: none is shown
    QTRY_VERIFY(visibleFrames(&screen).isEmpty());
}

void TestApp::focusBackgroundsFollowTheFocus()
{
    FieldsScreen screen;
    FocusBackgrounds::install(&screen, {"txtA", "txtB"});
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    screen.a->setFocus();
    QTRY_VERIFY(screen.a->styleSheet().contains("#FFFF00"));
    QVERIFY(screen.b->styleSheet().contains("#F0F8FF"));
    screen.b->setFocus();
    QTRY_VERIFY(screen.b->styleSheet().contains("#FFFF00"));
    QVERIFY(screen.a->styleSheet().contains("#F0F8FF"));
}

void TestApp::enterOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Enter moves on") << "txtA" << int(Qt::Key_Return) << "txtB";
    QTest::newRow("keypad Enter moves on") << "txtA" << int(Qt::Key_Enter) << "txtB";
    QTest::newRow("into a multi-line field") << "txtB" << int(Qt::Key_Return) << "txtNote";
    QTest::newRow("last field goes back") << "txtC" << int(Qt::Key_Return) << "txtA";
    QTest::newRow("other keys stay") << "txtA" << int(Qt::Key_X) << "txtA";
    QTest::newRow("multi-line takes Enter") << "txtNote" << int(Qt::Key_Return) << "txtNote";
}

void TestApp::enterOrder()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, focused);
    FieldsScreen screen;
    EnterOrder::install(&screen, kSteps);
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    auto *field = screen.findChild<QWidget *>(from);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key(key));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
    if (from == "txtNote")
        QCOMPARE(screen.notes->toPlainText(), QStringLiteral("\n"));
    if (key == Qt::Key_X)
        QCOMPARE(screen.a->text(), QStringLiteral("x"));
}

void TestApp::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::newRow("Return") << false << "cmdA" << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad Enter") << false << "cmdA" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("picture") << false << "imgA" << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("dialog with a default") << true << "cmdA" << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("picture in a dialog") << true << "imgA" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Ctrl+Return is no Enter") << false << "cmdA" << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
}

// Enter presses the focused button once, and never the dialog's default button in its place.
void TestApp::enterPressesTheFocusedButton()
{
    QFETCH(bool, inDialog);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    std::unique_ptr<QWidget> screen(inDialog ? new QDialog : new QWidget);
    Buttons buttons(screen.get());
    buttons.other->setDefault(inDialog);
    auto *focused = screen->findChild<QAbstractButton *>(button);
    QSignalSpy pressed(focused, &QAbstractButton::clicked);
    QSignalSpy otherPressed(buttons.other, &QAbstractButton::clicked);
    screen->show();
    QVERIFY(QTest::qWaitForWindowActive(screen.get()));
    focused->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(focused->hasFocus());
    QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pressed.count(), presses);
    QCOMPARE(otherPressed.count(), 0);
    QVERIFY(screen->isVisible());
}

void TestApp::enterAfterTheEnterOrderPressesTheButton()
{
    QWidget screen;
    Buttons buttons(&screen);
    constexpr EnterStep toTheButton[] = {{"txtA", "cmdA"}};
    EnterOrder::install(&screen, toTheButton);
    QSignalSpy pressed(buttons.push, &QAbstractButton::clicked);
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    buttons.field->setFocus();
    QTRY_VERIFY(buttons.field->hasFocus());
    QTest::keyClick(buttons.field, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), buttons.push);
    QCOMPARE(pressed.count(), 0);
    QTest::keyClick(buttons.push, Qt::Key_Return);
    QCOMPARE(pressed.count(), 1);
}

void TestApp::focusedButtonIsMarked_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("push button") << "cmdA";
    QTest::newRow("picture button") << "imgA";
}

// A focused button shows one clear mark however it got the focus; the look is otherwise the style's.
void TestApp::focusedButtonIsMarked()
{
    QFETCH(QString, button);
    std::unique_ptr<QStyle> plainStyle(QStyleFactory::create(QApplication::style()->name()));
    QWidget screen;
    Buttons buttons(&screen);
    auto *target = screen.findChild<QWidget *>(button);
    QWidget twinScreen;
    Buttons twins(&twinScreen);
    auto *twin = twinScreen.findChild<QWidget *>(button);
    twin->setStyle(plainStyle.get());
    twinScreen.show();
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    buttons.field->setFocus();
    QTRY_VERIFY(buttons.field->hasFocus());
    const QImage unfocused = target->grab().toImage();
    QCOMPARE(unfocused, twin->grab().toImage());

    target->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(target->hasFocus());
    const QImage byProgram = target->grab().toImage();
    QVERIFY(byProgram != unfocused);

    buttons.field->setFocus();
    QTRY_VERIFY(buttons.field->hasFocus());
    for (int i = 0; i < 4 && !target->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(target->hasFocus());
    QCOMPARE(target->grab().toImage(), byProgram);
}

void TestApp::aboutScreenFitsItsText()
{
    TfrmInfo info;
    auto *text = info.imgLogo->findChild<QLabel *>(QStringLiteral("imgLogoText"));
    QVERIFY(text);
    const int textBottom = text->y() + text->heightForWidth(text->width());
    QVERIFY(textBottom <= text->geometry().bottom() + 1);
    QVERIFY2(info.imgLogo->height() - textBottom <= 48, "empty block under the text");
    QVERIFY(info.imgLogo->geometry().bottom() < info.imgEmail->y());
    QVERIFY(info.lnkWeb->geometry().bottom() < info.btnChiudi->y());
    QVERIFY2(info.canvas()->height() - info.btnChiudi->geometry().bottom() <= 40, "empty space under Chiudi");
}

void TestApp::fixedWindowsCentredOnceFramed_data()
{
    QTest::addColumn<bool>("secondary");
    QTest::newRow("fixed window") << false;
    QTest::newRow("secondary screen") << true;
}

// The frame is known only once the window is mapped: wherever the window stands before its first
// exposure, it ends centred, frame included.
void TestApp::fixedWindowsCentredOnceFramed()
{
    QFETCH(bool, secondary);
    std::unique_ptr<QWidget> window;
    if (secondary)
        window = std::make_unique<TfrmInfo>();
    else
        window = std::make_unique<FixedWindow>(" Prova", QSize(300, 200));
    window->show();
    window->move(0, 0);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QPoint centre = window->screen()->availableGeometry().center();
    QTRY_VERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 1);
    QVERIFY(window->frameGeometry() != window->geometry());
}

void TestApp::dateFieldKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("calendar");
    QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << ""
                                       << "" << false;
    QTest::newRow("Delete empties") << int(Qt::Key_Delete) << ""
                                    << "" << false;
    QTest::newRow("a letter opens the calendar") << int(Qt::Key_A) << "a"
                                                 << "01/02/2026" << true;
    QTest::newRow("a digit opens the calendar") << int(Qt::Key_5) << "5"
                                                << "01/02/2026" << true;
    QTest::newRow("Enter opens the calendar") << int(Qt::Key_Return) << "\r"
                                              << "01/02/2026" << true;
    QTest::newRow("an accented letter") << int(Qt::Key_unknown) << QStringLiteral("è") << "01/02/2026" << true;
}

void TestApp::dateFieldKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(bool, calendar);
    ScriptedDialogs dialogs;
    FieldsScreen screen;
    DateField::install(screen.date, QStringLiteral("datagio"));
    QVERIFY(screen.date->isReadOnly());
    screen.date->setText(QStringLiteral("01/02/2026"));
    QString modeSeen;
    dialogs.modalDrivers.enqueue([&](QDialog *d) { modeSeen = static_cast<TfrmCalendario *>(d)->modeWord(); });
    typeKey(screen.date, key, text);
    QCOMPARE(screen.date->text(), after);
    QCOMPARE(dialogs.texts("modal"), calendar ? QStringList{"TfrmCalendario"} : QStringList{});
    if (calendar)
        QCOMPARE(modeSeen, QStringLiteral("datagio"));
}

void TestApp::calendarImports_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("closes");
    QTest::newRow("datagio") << "datagio"
                             << "07/03/2026" << true;
    QTest::newRow("datasca") << "datasca"
                             << "07/03/2026" << true;
    QTest::newRow("another word does nothing") << "giornale"
                                               << "" << false;
}

// The calendar writes into the field its opener handed over, and into no other.
void TestApp::calendarImports()
{
    QFETCH(QString, mode);
    QFETCH(QString, date);
    QFETCH(bool, closes);
    QWidget journal, other;
    journal.setObjectName("frmGiornale");
    auto *target = ScreenKit::lineEdit(&journal, "txtData", QRect());
    auto *sameName = ScreenKit::lineEdit(&other, "txtData", QRect());
    Screens::add(&other);

    Formats::setToday(QDate(2026, 3, 5));
    TfrmCalendario calendar;
    QCOMPARE(calendar.windowTitle(), QStringLiteral(" Importazione data"));
    QCOMPARE(calendar.calAppuntamenti->selectedDate(), QDate(2026, 3, 5)); // starts on today
    calendar.setModeWord(mode);
    calendar.setTarget(target);
    calendar.show();
    calendar.calAppuntamenti->setSelectedDate(QDate(2026, 3, 7));
    calendar.btnImporta->click();
    QCOMPARE(target->text(), date);
    QCOMPARE(sameName->text(), QString());
    QCOMPARE(calendar.isVisible(), !closes);
    Screens::remove(&other);
    Formats::setToday(QDate());
}

// A date field hands itself to the calendar it opens.
void TestApp::dateFieldIsTheCalendarTarget()
{
    ScriptedDialogs dialogs;
    FieldsScreen screen;
    DateField::install(screen.date, QStringLiteral("datasca"));
    dialogs.modalDrivers.enqueue([](QDialog *d) {
        auto *calendar = static_cast<TfrmCalendario *>(d);
        QCOMPARE(calendar->modeWord(), QStringLiteral("datasca"));
        calendar->calAppuntamenti->setSelectedDate(QDate(2025, 12, 31));
        calendar->btnImporta->click();
    });
    typeKey(screen.date, Qt::Key_A, QStringLiteral("a"));
    QCOMPARE(screen.date->text(), QStringLiteral("31/12/2025"));
}

void TestApp::calendarCancelChangesNothing()
{
    QWidget journal;
    auto *txtData = ScreenKit::lineEdit(&journal, "txtData", QRect());
    txtData->setText("01/01/2020");
    TfrmCalendario calendar;
    calendar.setModeWord("datagio");
    calendar.setTarget(txtData);
    calendar.show();
    calendar.btnAnnulla->click();
    QVERIFY(!calendar.isVisible());
    QCOMPARE(txtData->text(), QStringLiteral("01/01/2020"));
}

void TestApp::statusHints()
{
    QWidget screen;
    screen.resize(400, 300);
    auto *save = ScreenKit::picture(&screen, "cmdSalva", "salva", QString(), QRect(10, 10, 40, 40));
    auto *date = ScreenKit::lineEdit(&screen, "txtData", QRect(10, 60, 100, 24));
    auto *panInfo = ScreenKit::statusLine(&screen, QRect(0, 270, 400, 30), "Pronto per archiviare una nuova scheda...");
    StatusHints::install(&screen, panInfo, kHints, {&screen});
    screen.show();

    moveMouse(save, QPoint(5, 5));
    QCOMPARE(panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    moveMouse(date, QPoint(5, 5));
    QCOMPARE(panInfo->text(), QString::fromUtf8(kHints[1].text));
    moveMouse(&screen, QPoint(300, 150)); // over the background
    QCOMPARE(panInfo->text(), QString());
    moveMouse(&screen, QPoint(300, 160));
    QCOMPARE(panInfo->text(), QString()); // the initial text does not come back
    moveMouse(save, QPoint(5, 5));
    QCOMPARE(panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
}

void TestApp::helpShowsTitleAndTextEachTime()
{
    ScriptedDialogs dialogs;
    QStringList seen;
    const auto read = [&](QDialog *d) {
        auto *help = static_cast<TfrmGuida *>(d);
        seen << help->lblTitolo->text() << help->txtGuida->toPlainText()
             << (help->txtGuida->isReadOnly() ? "read-only" : "editable");
    };
    dialogs.modalDrivers << read << read;
    QWidget owner;
    Help::show(&owner, "Gestione Cantilog.", "Primo.\r\n\r\nSecondo.");
    Help::show(&owner, "Gestione Cantilog.", "Primo.\r\n\r\nSecondo.");
    const QStringList once{"Gestione Cantilog.", "Primo.\n\nSecondo.", "read-only"};
    QCOMPARE(seen, once + once);
    QVERIFY(owner.findChildren<TfrmGuida *>().isEmpty()); // each help screen was destroyed
}

void TestApp::shellTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("url");
    QTest::newRow("quoted path") << "\"/opt/Cantilog/Documenti_Allegati/foto.jpg\""
                                 << "file:///opt/Cantilog/Documenti_Allegati/foto.jpg";
    QTest::newRow("path with blanks") << "\"/home/ufficio/Cantilog 2026/Guida.pdf\""
                                      << "file:///home/ufficio/Cantilog%202026/Guida.pdf";
    QTest::newRow("web address") << "https://www.cantilog.example/"
                                 << "https://www.cantilog.example/";
    QTest::newRow("mail link") << "\"mailto:a@b.it?subject=Software Cantilog\""
                               << "mailto:a@b.it?subject=Software Cantilog";
}

void TestApp::shellTargets()
{
    QFETCH(QString, target);
    QFETCH(QString, url);
    QCOMPARE(TMisc::toUrl(target), url);
    ScriptedDialogs dialogs;
    TMisc::Open(target);
    QCOMPARE(dialogs.texts("open"), QStringList{url});
}

void TestApp::guideLinkWithBlanksInFolder()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Programma con spazi";
    QVERIFY(QDir().mkpath(folder));
    ProgramFolder::set(folder);
    ScriptedDialogs dialogs;
    TfrmGuida help;
    help.lnkWebClick();
    const QString url = dialogs.texts("open").value(0);
    QCOMPARE(QUrl(url).toLocalFile(), folder + "/Guida.pdf");
    QVERIFY(url.contains("Programma%20con%20spazi"));
}

void TestApp::mailAndWebLinks()
{
    QCOMPARE(TfrmInfo::mailTarget(),
             QStringLiteral("\"mailto:info@cantilog.example?subject=Software Cantilog&body=Salve, desidererei "
                            "avere le seguenti informazioni sul software in oggetto:\""));
    ScriptedDialogs dialogs;
    TfrmSplash splash;
    // Press and release on the globe picture: orange while held, then dark blue, and the page opens.
    auto *globe = splash.imgWeb;
    QTest::mousePress(globe, Qt::LeftButton);
    QCOMPARE(splash.lnkWeb->palette().color(QPalette::WindowText), QColor("#FFA500"));
    QTest::mouseRelease(globe, Qt::LeftButton);
    QCOMPARE(splash.lnkWeb->palette().color(QPalette::WindowText), QColor("#00008B"));
    QCOMPARE(dialogs.texts("open"), QStringList{"https://www.cantilog.example/"});
}

void TestApp::startScreenColumnsOpenTheirArea_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("area");
    for (const char *part : {"app", "btn", "inf"}) {
        QTest::addRow("%sAnagrafica", part) << QString(part) + "Anagrafica"
                                            << "frmIstruttori";
        QTest::addRow("%sAttrezzature", part) << QString(part) + "Attrezzature"
                                              << "frmAttrezzature";
        QTest::addRow("%sGiornale", part) << QString(part) + "Giornale"
                                          << "frmMenuGiornale";
    }
}

void TestApp::startScreenColumnsOpenTheirArea()
{
    QFETCH(QString, control);
    QFETCH(QString, area);
    frmAvvio = new TfrmAvvio;
    frmAvvio->setObjectName("frmAvvio");
    StandInArea standIn(qPrintable(area));
    Screens::add(&standIn);
    frmAvvio->showMaximized();

    QWidget *picture = frmAvvio->findChild<QWidget *>(control);
    QVERIFY(picture);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(standIn.isVisible());
    QVERIFY(!frmAvvio->isVisible());

    TfrmAvvio *before = frmAvvio;
    standIn.close(); // every area returns to the same start screen, still maximised
    QCOMPARE(frmAvvio, before);
    QVERIFY(frmAvvio->isVisible());
    QVERIFY(frmAvvio->windowState() & Qt::WindowMaximized);
    Screens::remove(&standIn);
}

void TestApp::startScreenDialogs()
{
    ScriptedDialogs dialogs;
    TfrmAvvio screen;
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Cantilog"));
    QString helpTitle, helpText;
    dialogs.modalDrivers << [](QDialog *) {} << [](QDialog *) {} << [&](QDialog *d) {
        helpTitle = static_cast<TfrmGuida *>(d)->lblTitolo->text();
        helpText = static_cast<TfrmGuida *>(d)->txtGuida->toPlainText();
    };
    screen.imgInfo->click();
    screen.imgCopyright->click();
    screen.imgGuida->click();
    QCOMPARE(dialogs.texts("modal"), QStringList({"TfrmInfo", "TfrmSplash", "TfrmGuida"}));
    QCOMPARE(helpTitle, QStringLiteral("Uno sguardo a Cantilog."));
    QCOMPARE(helpText, Text::fromCrLf(HelpTexts::overview()));
    QTest::mouseClick(screen.imgSito, Qt::LeftButton);
    QCOMPARE(dialogs.texts("open"), QStringList{"https://www.cantilog.example/"});
    QVERIFY(screen.findChildren<QDialog *>().isEmpty()); // fresh screens, destroyed after use
}

void TestApp::closingStartScreenEndsTheProgram()
{
    for (const char *how : {"window", "exit icon"}) {
        TfrmAvvio screen;
        screen.show();
        const bool byWindow = qstrcmp(how, "window") == 0;
        QTimer::singleShot(0, &screen, [&] { byWindow ? void(screen.close()) : screen.imgEsci->click(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
}

void TestApp::overviewHelpText()
{
    const QString text = HelpTexts::overview();
    QVERIFY(
        text.startsWith(QStringLiteral("Cantilog è un software facile e intuitivo progettato per le imprese edili")));
    const QStringList paragraphs = text.split("\r\n\r\n");
    QVERIFY(paragraphs.size() >= 15);
    for (const QString &p : paragraphs)
        QVERIFY(!p.trimmed().isEmpty());
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
