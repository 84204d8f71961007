#include "CliRunner.h"
#include "ScriptedDialogs.h"

#include "checks/Checks.h"
#include "checks/ui/Carta.h"
#include "checks/ui/CodFisc.h"
#include "checks/ui/Iban.h"
#include "checks/ui/PartitaIva.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using Checks::Outcome;

Q_DECLARE_METATYPE(Outcome::Kind)

namespace {

// The messages as the user reads them.
const QString kVatLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kVatWrong =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
QString vatValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
        office + u'.';
}

const QString kCfLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kCfValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kCfWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

const QString kCardEmpty =
    QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString kCardWrong =
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");
QString cardValid(const QString &number, const QString &kind)
{
    return QStringLiteral("Il numero di carta di credito ") + number +
        QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + kind + u'.';
}
QString cardValidNoKind(const QString &number)
{
    return QStringLiteral("Il numero di carta di credito ") + number + QStringLiteral(" risulta valido.");
}

const QString kIbanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kIbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kIbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

void addOutcomeColumns()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Outcome::Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("staysOpen");
}

void verifyOutcome(const Outcome &outcome)
{
    QFETCH(Outcome::Kind, kind);
    QFETCH(QString, text);
    QFETCH(bool, staysOpen);
    QCOMPARE(outcome.text, text);
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(outcome.staysOpen, staysOpen);
}

// The four check screens, as the worker editor opens them.
struct CheckScreenRow {
    const char *name;
    CheckScreen *(*create)();
    const char *entry;
    const char *caption;
    QSize client;
    const char *instruction;
    int maxLength;
};

const CheckScreenRow kScreens[] = {
    {"vat", []() -> CheckScreen * { return new TfrmPartitaIva; }, "txtPartitaIva", " Controllo partita IVA",
     QSize(480, 254), "Immettere il numero di partita IVA e premere il pulsante di controllo.", 11},
    {"cf", []() -> CheckScreen * { return new TfrmCodFisc; }, "txtCodFisc", " Controllo codice fiscale",
     QSize(478, 254), "Immettere il codice fiscale e premere il pulsante di controllo.", 16},
    {"card", []() -> CheckScreen * { return new TfrmCarta; }, "txtNumero", " Controllo carta di credito",
     QSize(519, 254), "Immettere il numero di carta di credito e premere il pulsante di controllo.", 30},
    {"iban", []() -> CheckScreen * { return new TfrmIban; }, "txtIban", " Controllo IBAN", QSize(608, 270),
     "Immettere l'IBAN e premere il pulsante di controllo.", 27},
};

const CheckScreenRow &screenRow(const QString &name)
{
    for (const CheckScreenRow &row : kScreens)
        if (name == QLatin1String(row.name))
            return row;
    qFatal("no check screen %s", qPrintable(name));
}

void addScreenRows()
{
    QTest::addColumn<QString>("screen");
    for (const CheckScreenRow &row : kScreens)
        QTest::newRow(row.name) << QString::fromLatin1(row.name);
}

// A shown check screen and its entry.
struct OpenScreen {
    std::unique_ptr<CheckScreen> screen;
    QLineEdit *entry = nullptr;
};

OpenScreen openScreen(const QString &name, const QString &entryText = QString())
{
    const CheckScreenRow &row = screenRow(name);
    OpenScreen open{std::unique_ptr<CheckScreen>(row.create()), nullptr};
    open.entry = open.screen->findChild<QLineEdit *>(QLatin1String(row.entry));
    if (open.entry)
        open.screen->setEntry(entryText);
    open.screen->show();
    return open;
}

void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

} // namespace

class TestChecks : public QObject {
    Q_OBJECT

private slots:
    void vatNumber_data();
    void vatNumber();
    void vatOffices_data();
    void vatOffices();
    void fiscalCode_data();
    void fiscalCode();
    void paymentCard_data();
    void paymentCard();
    void iban_data();
    void iban();
    void cli_data();
    void cli();
    void cliUsage_data();
    void cliUsage();

    void screenLayout_data() { addScreenRows(); }
    void screenLayout();
    void screenFocusAndEnter_data() { addScreenRows(); }
    void screenFocusAndEnter();
    void screenKeys_data();
    void screenKeys();
    void screenRetyping_data();
    void screenRetyping();
    void screenControlla_data();
    void screenControlla();
    void screenLongFieldText_data();
    void screenLongFieldText();
    void screenChiudi_data() { addScreenRows(); }
    void screenChiudi();
    void cleanup();
};

void TestChecks::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QTRY_VERIFY(std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                             [](QWidget *w) { return w->isVisible(); }));
}

void TestChecks::cliUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no tool") << QStringList{"check"};
    QTest::newRow("no value") << QStringList{"check", "vat"};
    QTest::newRow("two values") << QStringList{"check", "vat", "00159560366", "00159560366"};
    QTest::newRow("unknown tool") << QStringList{"check", "piva", "00159560366"};
}

void TestChecks::cliUsage()
{
    QFETCH(QStringList, args);
    const CliRunner::Run r = CliRunner::program(args);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY(!r.err.isEmpty());
}

void TestChecks::screenLayout()
{
    QFETCH(QString, screen);
    const CheckScreenRow &row = screenRow(screen);
    std::unique_ptr<CheckScreen> s(row.create());
    QCOMPARE(s->windowTitle(), QString::fromUtf8(row.caption));
    QCOMPARE(s->size(), row.client);
    QVERIFY(!(s->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(s->lblTitolo->objectName(), QStringLiteral("lblTitolo"));
    QCOMPARE(s->lblTitolo->text(), QString::fromUtf8(row.instruction));
    QVERIFY(s->findChild<QWidget *>(QStringLiteral("imgLogo")));
    auto *entry = s->findChild<QLineEdit *>(QLatin1String(row.entry));
    QVERIFY(entry);
    QCOMPARE(entry->maxLength(), row.maxLength);
    QCOMPARE(entry->font().pointSize(), 20);
    QVERIFY(entry->font().bold());
    QCOMPARE(s->btnControlla->objectName(), QStringLiteral("btnControlla"));
    QCOMPARE(s->btnControlla->text(), QStringLiteral("Controlla"));
    QCOMPARE(s->btnChiudi->objectName(), QStringLiteral("btnChiudi"));
    QCOMPARE(s->btnChiudi->text(), QStringLiteral("Chiudi"));
    // Tab order: entry, Controlla, Chiudi.
    QCOMPARE(entry->nextInFocusChain(), static_cast<QWidget *>(s->btnControlla));
    QCOMPARE(s->btnControlla->nextInFocusChain(), static_cast<QWidget *>(s->btnChiudi));
    QCOMPARE(s->lblMemory->text(), QString());
}

void TestChecks::screenFocusAndEnter()
{
    QFETCH(QString, screen);
    ScriptedDialogs dialogs;
    OpenScreen open = openScreen(screen, QStringLiteral("00159560366"));
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(open.entry));
    // Enter moves to "Controlla" without pressing it.
    QTest::keyClick(open.entry, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(open.screen->btnControlla));
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(open.screen->isVisible());
    QCOMPARE(open.entry->text(), QStringLiteral("00159560366"));
    // A second Enter presses it.
    QTest::keyClick(open.screen->btnControlla, Qt::Key_Return);
    QCOMPARE(dialogs.shown.size(), 1);
}

void TestChecks::screenKeys_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("vat: digits only") << "vat"
                                      << "12a-b3 4.5"
                                      << "12345";
    QTest::newRow("vat: accented") << "vat" << u"1è2"_qs << "12";
    QTest::newRow("card: digits only") << "card"
                                       << "4111 1111x/"
                                       << "41111111";
    QTest::newRow("cf: every key") << "cf"
                                   << "rss-mr"
                                   << "RSS-MR";
    QTest::newRow("iban: every key") << "iban"
                                     << "it60-x"
                                     << "IT60-X";
}

void TestChecks::screenKeys()
{
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    OpenScreen open = openScreen(screen);
    typeText(open.entry, typed);
    QCOMPARE(open.entry->text(), kept);
    // Backspace, Delete and the arrows work in every entry.
    open.entry->setText(QStringLiteral("1234"));
    open.entry->setCursorPosition(4);
    QTest::keyClick(open.entry, Qt::Key_Left);
    QTest::keyClick(open.entry, Qt::Key_Backspace);
    QCOMPARE(open.entry->text(), QStringLiteral("124"));
    QTest::keyClick(open.entry, Qt::Key_Delete);
    QCOMPARE(open.entry->text(), QStringLiteral("12"));
    QTest::keyClick(open.entry, Qt::Key_Left);
    QTest::keyClick(open.entry, Qt::Key_Right);
    QCOMPARE(open.entry->cursorPosition(), 2);
    // Home is not one of the accepted keys of the digit entries.
    QTest::keyClick(open.entry, Qt::Key_Home);
    const bool digitsOnly = screen == QLatin1String("vat") || screen == QLatin1String("card");
    QCOMPARE(open.entry->cursorPosition(), digitsOnly ? 2 : 0);
}

void TestChecks::screenRetyping_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("cf upper-cased") << "cf"
                                    << "rssmra85t10a562s"
                                    << "RSSMRA85T10A562S";
    QTest::newRow("cf trimmed") << "cf"
                                << "  rss "
                                << "RSS";
    QTest::newRow("cf accents stay") << "cf" << u"àbc"_qs << u"àBC"_qs;
    QTest::newRow("card trimmed") << "card"
                                  << " 4111 1111 "
                                  << "4111 1111";
    QTest::newRow("iban upper-cased and trimmed") << "iban"
                                                  << " it60x 0542 "
                                                  << "IT60X 0542";
    QTest::newRow("vat untouched") << "vat"
                                   << " 0015 "
                                   << " 0015 ";
}

void TestChecks::screenRetyping()
{
    QFETCH(QString, screen);
    QFETCH(QString, before);
    QFETCH(QString, after);
    OpenScreen open = openScreen(screen, before);
    // Any keystroke, even one that changes nothing, retypes the entry when it is released.
    QTest::keyClick(open.entry, Qt::Key_Right);
    QCOMPARE(open.entry->text(), after);
}

void TestChecks::screenControlla_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("vat valid") << "vat"
                               << "00159560366"
                               << "information" << vatValid("Modena") << false;
    QTest::newRow("vat wrong") << "vat"
                               << "00159560367"
                               << "warning" << kVatWrong << false;
    QTest::newRow("vat short") << "vat"
                               << "0015956036"
                               << "warning" << kVatLength << true;
    QTest::newRow("vat empty") << "vat"
                               << ""
                               << "warning" << kVatLength << true;
    QTest::newRow("cf valid") << "cf"
                              << "RSSMRA85T10A562S"
                              << "information" << kCfValid << false;
    QTest::newRow("cf wrong") << "cf"
                              << "RSSMRA85T10A5620"
                              << "warning" << kCfWrong << false;
    QTest::newRow("cf empty") << "cf"
                              << ""
                              << "warning" << kCfLength << true;
    QTest::newRow("card valid") << "card"
                                << "4111111111111111"
                                << "information" << cardValid("4111111111111111", "Visa") << false;
    QTest::newRow("card no kind") << "card"
                                  << "3900000000000005"
                                  << "information" << cardValidNoKind("3900000000000005") << false;
    QTest::newRow("card wrong") << "card"
                                << "4111111111111112"
                                << "warning" << kCardWrong << false;
    QTest::newRow("card empty") << "card"
                                << ""
                                << "warning" << kCardEmpty << true;
    QTest::newRow("iban valid") << "iban"
                                << "IT60X0542811101000000123456"
                                << "information" << kIbanValid << false;
    QTest::newRow("iban wrong") << "iban"
                                << "IT60X0542811101000000123457"
                                << "warning" << kIbanWrong << false;
    QTest::newRow("iban empty") << "iban"
                                << ""
                                << "warning" << kIbanLength << true;
}

void TestChecks::screenControlla()
{
    QFETCH(QString, screen);
    QFETCH(QString, entryText);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);
    ScriptedDialogs dialogs;
    OpenScreen open = openScreen(screen, entryText);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    open.screen->btnChiudi->setFocus();
    QTest::mouseClick(open.screen->btnControlla, Qt::LeftButton);
    QCOMPARE(dialogs.messages(), QStringList{message});
    QCOMPARE(dialogs.lastKind(), kind);
    QCOMPARE(open.screen->isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(open.entry));
    else
        QCOMPARE(open.screen->result(), int(QDialog::Accepted));
    QCOMPARE(open.entry->text(), entryText);
}

// The worker editor's fields can hold more than a check entry takes (a fiscal code field of
// 16 digits opens the VAT check, a card field holds 50 characters): the check judges the whole text.
void TestChecks::screenLongFieldText_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("vat: 16 digits") << "vat"
                                    << "0015956036612345" << kVatLength << true;
    QTest::newRow("cf: 17 characters") << "cf"
                                       << "RSSMRA85T10A562SX" << kCfLength << true;
    const QString card = QStringLiteral("41111111111111111115999999999999999"); // 35 digits
    QTest::newRow("card: 35 digits") << "card" << card << cardValid(card, "Visa") << false;
    QTest::newRow("iban: groups of four") << "iban"
                                          << "IT60 X054 2811 1010 0000 0123 456" << kIbanLength << true;
}

void TestChecks::screenLongFieldText()
{
    QFETCH(QString, screen);
    QFETCH(QString, entryText);
    QFETCH(QString, message);
    QFETCH(bool, staysOpen);
    const int limit = screenRow(screen).maxLength;
    QVERIFY(entryText.size() > limit);
    ScriptedDialogs dialogs;
    OpenScreen open = openScreen(screen, entryText);
    QVERIFY(QTest::qWaitForWindowActive(open.screen.get()));
    QCOMPARE(open.entry->text(), entryText);

    // Typing cannot lengthen the text; shortening brings the limit down with it.
    open.entry->setFocus();
    open.entry->setCursorPosition(int(entryText.size()));
    typeText(open.entry, QStringLiteral("7"));
    QCOMPARE(open.entry->text(), entryText);
    QTest::keyClick(open.entry, Qt::Key_Backspace);
    QCOMPARE(open.entry->text(), entryText.chopped(1));
    QCOMPARE(open.entry->maxLength(), int(entryText.size()) - 1);
    open.screen->setEntry(entryText);

    QTest::mouseClick(open.screen->btnControlla, Qt::LeftButton);
    QCOMPARE(dialogs.messages(), QStringList{message});
    QCOMPARE(open.screen->isVisible(), staysOpen);
    QCOMPARE(open.entry->text(), entryText);

    // Once back within the limit, the entry's own limit holds again.
    open.entry->setText(entryText.left(limit - 1));
    QCOMPARE(open.entry->maxLength(), limit);
}

void TestChecks::screenChiudi()
{
    QFETCH(QString, screen);
    ScriptedDialogs dialogs;
    OpenScreen open = openScreen(screen, QStringLiteral("00159560366"));
    QTest::mouseClick(open.screen->btnChiudi, Qt::LeftButton);
    QVERIFY(!open.screen->isVisible());
    QCOMPARE(open.screen->result(), int(QDialog::Rejected));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestChecks::vatNumber_data()
{
    addOutcomeColumns();
    const auto I = Outcome::Information, W = Outcome::Warning;
    // Published VAT numbers of Italian companies; check digits verified by hand.
    QTest::newRow("Modena 036") << "00159560366" << I << vatValid("Modena") << false;
    QTest::newRow("Roma 2 100") << "00905811006" << I << vatValid("Roma 2") << false;
    QTest::newRow("Roma 2 100 b") << "01114601006" << I << vatValid("Roma 2") << false;
    QTest::newRow("Torino 001") << "00488410010" << I << vatValid("Torino") << false;
    QTest::newRow("Milano 1 015") << "00743110157" << I << vatValid("Milano 1") << false;
    QTest::newRow("Viterbo 056") << "07643520567" << I << vatValid("Viterbo") << false;
    QTest::newRow("Roma 1 058") << "00000000588" << I << vatValid("Roma 1") << false;
    QTest::newRow("accented office 040") << "12345670405" << I << vatValid("Forlì") << false;
    QTest::newRow("Monza 096") << "12345670967" << I << vatValid("Monza (Milano 2)") << false;
    QTest::newRow("Bologna 2 by 101") << "12345671015" << I << vatValid("Bologna 2") << false;
    QTest::newRow("Bologna 2 by 120") << "12345671205" << I << vatValid("Bologna 2") << false;
    QTest::newRow("Napoli 2 by 102") << "12345671023" << I << vatValid("Napoli 2") << false;
    QTest::newRow("Napoli 2 by 121") << "12345671213" << I << vatValid("Napoli 2") << false;
    // A right check digit with an office code outside the table: no office name.
    QTest::newRow("office 000") << "12345670009" << I << vatValid(QString()) << false;
    QTest::newRow("office 110") << "12345671106" << I << vatValid(QString()) << false;
    QTest::newRow("zero everywhere") << "00000000000" << I << vatValid(QString()) << false;

    QTest::newRow("check digit off by one") << "00159560367" << W << kVatWrong << false;
    QTest::newRow("two digits swapped") << "00195560366" << W << kVatWrong << false;
    QTest::newRow("wrong check digit") << "02757330189" << W << kVatWrong << false;
    QTest::newRow("letter inside") << "0015956036A" << W << kVatWrong << false;
    QTest::newRow("blank inside") << "00159 60366" << W << kVatWrong << false;
    QTest::newRow("lower-case letter") << "0015956o366" << W << kVatWrong << false;

    QTest::newRow("empty") << "" << W << kVatLength << true;
    QTest::newRow("ten digits") << "0015956036" << W << kVatLength << true;
    QTest::newRow("twelve digits") << "001595603660" << W << kVatLength << true;
    QTest::newRow("leading blank counts") << " 00159560366" << W << kVatLength << true;
    QTest::newRow("trailing blank counts") << "00159560366 " << W << kVatLength << true;
}

void TestChecks::vatNumber()
{
    QFETCH(QString, entry);
    verifyOutcome(Checks::vatNumber(entry));
}

void TestChecks::vatOffices_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");
    QTest::newRow("first") << "001"
                           << "Torino";
    QTest::newRow("Aosta") << "007"
                           << "Aosta";
    QTest::newRow("Genova 1") << "010"
                              << "Genova 1";
    QTest::newRow("Reggio Emilia") << "035"
                                   << "Reggio Emilia";
    QTest::newRow("Massa Carrara") << "045"
                                   << "Massa Carrara";
    QTest::newRow("Aquila") << "066"
                            << "Aquila";
    QTest::newRow("Reggio Calabria") << "080"
                                     << "Reggio Calabria";
    QTest::newRow("Oristano") << "095"
                              << "Oristano";
    QTest::newRow("Prato") << "097"
                           << "Prato (Firenze 2)";
    QTest::newRow("Brescia 2") << "098"
                               << "Brescia 2";
    QTest::newRow("Chiavari") << "099"
                              << "Chiavari (Genova 2)";
    QTest::newRow("103 unknown") << "103"
                                 << "";
    QTest::newRow("119 unknown") << "119"
                                 << "";
    QTest::newRow("122 unknown") << "122"
                                 << "";
    QTest::newRow("compared as text") << "58"
                                      << "";
    QTest::newRow("compared as text, blank") << " 58"
                                             << "";
}

void TestChecks::vatOffices()
{
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(Checks::vatOffice(code), office);
}

void TestChecks::fiscalCode_data()
{
    addOutcomeColumns();
    const auto I = Outcome::Information, W = Outcome::Warning;
    // Textbook codes (Mario Rossi, Matteo Moretti); check characters verified by hand.
    QTest::newRow("textbook") << "RSSMRA85T10A562S" << I << kCfValid << false;
    QTest::newRow("textbook 2") << "MRTMTT25D09F205Z" << I << kCfValid << false;
    QTest::newRow("textbook 3") << "VRDGPP13R10B293P" << I << kCfValid << false;
    QTest::newRow("lower case") << "rssmra85t10a562s" << I << kCfValid << false;
    QTest::newRow("mixed case") << "RssMra85T10a562S" << I << kCfValid << false;
    // Duplicate codes replace digits by letters (2 -> N) and get a new check letter.
    QTest::newRow("substituted digit") << "RSSMRA85T10A56NH" << I << kCfValid << false;
    QTest::newRow("substituted digit, old letter") << "RSSMRA85T10A56NS" << W << kCfWrong << false;

    QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << W << kCfWrong << false;
    QTest::newRow("wrong check letter 2") << "BNCGVN80A01H501X" << W << kCfWrong << false;
    QTest::newRow("changed digit") << "RSSMRA85T10A563S" << W << kCfWrong << false;
    QTest::newRow("last is a digit") << "RSSMRA85T10A5620" << W << kCfWrong << false;
    QTest::newRow("blank inside") << "RSSMRA85 10A562S" << W << kCfWrong << false;
    QTest::newRow("hyphen inside") << "RSSMRA-5T10A562S" << W << kCfWrong << false;
    QTest::newRow("accented letter") << u"RSSMRÀ85T10A562S"_qs << W << kCfWrong << false;
    QTest::newRow("accented lower letter") << u"rssmrà85t10a562s"_qs << W << kCfWrong << false;

    QTest::newRow("empty") << "" << W << kCfLength << true;
    QTest::newRow("fifteen") << "RSSMRA85T10A562" << W << kCfLength << true;
    QTest::newRow("seventeen") << "RSSMRA85T10A562SS" << W << kCfLength << true;
    QTest::newRow("trailing blank counts") << "RSSMRA85T10A562S " << W << kCfLength << true;
}

void TestChecks::fiscalCode()
{
    QFETCH(QString, entry);
    verifyOutcome(Checks::fiscalCode(entry));
}

void TestChecks::paymentCard_data()
{
    addOutcomeColumns();
    const auto I = Outcome::Information, W = Outcome::Warning;
    const QString diners = QStringLiteral("Diner's Club / Carte Blanche");
    // Test numbers published by the card networks and payment processors.
    for (const char *n : {"4111111111111111", "4012888888881881", "4222222222222"})
        QTest::newRow(n) << n << I << cardValid(n, "Visa") << false;
    for (const char *n : {"5555555555554444", "5105105105105100"})
        QTest::newRow(n) << n << I << cardValid(n, "MasterCard") << false;
    // MasterCard's 2-series, 2221 to 2720.
    for (const char *n : {"2223003122003222", "2221000000000009", "2720000000000005", "2720990000000007"})
        QTest::newRow(n) << n << I << cardValid(n, "MasterCard") << false;
    for (const char *n : {"378282246310005", "371449635398431", "340000000000009"})
        QTest::newRow(n) << n << I << cardValid(n, "American Express") << false;
    for (const char *n : {"30569309025904", "38520000023237", "36227206271667"})
        QTest::newRow(n) << n << I << cardValid(n, diners) << false;
    for (const char *n : {"3530111333300000", "3566002020360505", "3100000000000003", "3300000000000001"})
        QTest::newRow(n) << n << I << cardValid(n, "JCB") << false;
    for (const char *n : {"6011111111111117", "6011000990139424"})
        QTest::newRow(n) << n << I << cardValid(n, "Discover") << false;

    QTest::newRow("Visa of two digits") << "42" << I << cardValid("42", "Visa") << false;
    // Valid numbers of the 3 family with an unknown second character: valid, no kind.
    QTest::newRow("32 family") << "3200000000000002" << I << cardValidNoKind("3200000000000002") << false;
    QTest::newRow("39 family") << "3900000000000005" << I << cardValidNoKind("3900000000000005") << false;
    // The kind by two characters reads the text as typed: "3 " names no kind.
    QTest::newRow("blank after the 3") << "3 0569309025904" << I << cardValidNoKind("3 0569309025904") << false;
    QTest::newRow("blanks in groups") << "4111 1111 1111 1111" << I << cardValid("4111 1111 1111 1111", "Visa")
                                      << false;
    QTest::newRow("Amex in groups") << "3782 822463 10005" << I << cardValid("3782 822463 10005", "American Express")
                                    << false;
    QTest::newRow("entry trimmed in message")
        << "  4111111111111111 " << I << cardValid("4111111111111111", "Visa") << false;
    // Only the digits among the first 20 characters are checked; the message repeats it all.
    QTest::newRow("21st digit ignored") << "411111111111111111150" << I << cardValid("411111111111111111150", "Visa")
                                        << false;
    QTest::newRow("digits after 20 characters ignored")
        << "4111 1111 1111 1111 1111" << I << cardValid("4111 1111 1111 1111 1111", "Visa") << false;
    QTest::newRow("20 digits valid") << "41111111111111111115" << I << cardValid("41111111111111111115", "Visa")
                                     << false;

    QTest::newRow("Visa changed digit") << "4111111111111112" << W << kCardWrong << false;
    QTest::newRow("MasterCard swapped digits") << "5555555555545444" << W << kCardWrong << false;
    QTest::newRow("Amex changed digit") << "378282246310006" << W << kCardWrong << false;
    QTest::newRow("20th digit matters") << "41111111111111111116" << W << kCardWrong << false;
    // Starting with 2 outside MasterCard's range, or with 0, 1, 7, 8, 9: not a card.
    QTest::newRow("2220") << "2220000000000000" << W << kCardWrong << false;
    QTest::newRow("2721") << "2721000000000004" << W << kCardWrong << false;
    QTest::newRow("2 alone") << "2000000000000006" << W << kCardWrong << false;
    QTest::newRow("starts with 0") << "0000000000000000" << W << kCardWrong << false;
    QTest::newRow("starts with 1") << "1000000000000008" << W << kCardWrong << false;
    QTest::newRow("starts with 7") << "7000000000000005" << W << kCardWrong << false;
    QTest::newRow("starts with 8") << "8000000000000003" << W << kCardWrong << false;
    QTest::newRow("starts with 9") << "9000000000000001" << W << kCardWrong << false;
    QTest::newRow("no digits") << "abc" << W << kCardWrong << false;
    QTest::newRow("single 0") << "0" << W << kCardWrong << false;
    QTest::newRow("digits only after 20 characters")
        << "--------------------4111111111111111" << W << kCardWrong << false;

    QTest::newRow("empty") << "" << W << kCardEmpty << true;
    QTest::newRow("blanks only") << "   " << W << kCardEmpty << true;
    QTest::newRow("control characters only") << "\t\r\n" << W << kCardEmpty << true;
}

void TestChecks::paymentCard()
{
    QFETCH(QString, entry);
    verifyOutcome(Checks::paymentCard(entry));
}

void TestChecks::iban_data()
{
    addOutcomeColumns();
    const auto I = Outcome::Information, W = Outcome::Warning;
    // The standard examples of the national IBAN registries.
    QTest::newRow("Italy") << "IT60X0542811101000000123456" << I << kIbanValid << false;
    QTest::newRow("Italy lower case") << "it60x0542811101000000123456" << I << kIbanValid << false;
    QTest::newRow("Italy, blanks around") << "  IT60X0542811101000000123456 " << I << kIbanValid << false;
    QTest::newRow("San Marino") << "SM86U0322509800000000270100" << I << kIbanValid << false;
    QTest::newRow("France") << "FR1420041010050500013M02606" << I << kIbanValid << false;
    QTest::newRow("Monaco") << "MC5811222000010123456789030" << I << kIbanValid << false;
    QTest::newRow("Greece") << "GR1601101250000000012300695" << I << kIbanValid << false;
    // Blanks inside count in the length but not in the check (Iceland, 26 characters).
    QTest::newRow("26 and a blank") << "IS1401592600 76545510730339" << I << kIbanValid << false;
    // The word "IBAN" is dropped before the check (Israel and Emirates, 23 characters).
    QTest::newRow("IBAN word") << "IBANIL620108000000099999999" << I << kIbanValid << false;
    QTest::newRow("iban word") << "ibanAE070331234567890123456" << I << kIbanValid << false;
    QTest::newRow("IBAN word, wrong") << "IBANIL620108000000099999998" << W << kIbanWrong << false;

    QTest::newRow("Italy changed digit") << "IT60X0542811101000000123457" << W << kIbanWrong << false;
    QTest::newRow("Italy changed check") << "IT61X0542811101000000123456" << W << kIbanWrong << false;
    QTest::newRow("Italy changed CIN") << "IT60Y0542811101000000123456" << W << kIbanWrong << false;
    QTest::newRow("Italy wrong") << "IT02A0301503200000003517230" << W << kIbanWrong << false;
    QTest::newRow("hyphen") << "IT60X0542811101000000-23456" << W << kIbanWrong << false;
    QTest::newRow("accented letter") << u"IT60È0542811101000000123456"_qs << W << kIbanWrong << false;

    QTest::newRow("empty") << "" << W << kIbanLength << true;
    QTest::newRow("groups of four") << "IT60 X054 2811 1010 0000 0123 456" << W << kIbanLength << true;
    QTest::newRow("26") << "IT60X054281110100000012345" << W << kIbanLength << true;
    QTest::newRow("28") << "IT60X05428111010000001234560" << W << kIbanLength << true;
}

void TestChecks::iban()
{
    QFETCH(QString, entry);
    verifyOutcome(Checks::iban(entry));
}

void TestChecks::cli_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString vatValidLines = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\n\n"
                                                 "E' stato rilasciato dall'Ufficio IVA del Comune di Forlì.\n");
    QTest::newRow("vat valid") << QStringList{"check", "vat", "12345670405"} << 0 << vatValidLines << "";
    QTest::newRow("vat wrong")
        << QStringList{"check", "vat", "00159560367"} << 1 << ""
        << "Attenzione: il numero di partita IVA digitato risulta ERRATO!\n\n"
           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.\n";
    QTest::newRow("vat empty") << QStringList{"check", "vat", ""} << 1 << "" << kVatLength + u'\n';
    QTest::newRow("cf valid") << QStringList{"check", "cf", "rssmra85t10a562s"} << 0 << kCfValid + u'\n' << "";
    QTest::newRow("cf wrong") << QStringList{"check", "cf", "RSSMRA85T10A562T"} << 1 << "" << kCfWrong + u'\n';
    QTest::newRow("card valid") << QStringList{"check", "card", "2223003122003222"} << 0
                                << "Il numero di carta di credito 2223003122003222 risulta valido.\n\n"
                                   "La carta di credito è del tipo MasterCard.\n"
                                << "";
    QTest::newRow("card no kind") << QStringList{"check", "card", "3900000000000005"} << 0
                                  << "Il numero di carta di credito 3900000000000005 risulta valido.\n"
                                  << "";
    QTest::newRow("card empty") << QStringList{"check", "card", " "} << 1 << "" << kCardEmpty + u'\n';
    QTest::newRow("iban valid") << QStringList{"check", "iban", "IT60X0542811101000000123456"} << 0
                                << kIbanValid + u'\n' << "";
    QTest::newRow("iban wrong") << QStringList{"check", "iban", "IT60X0542811101000000123457"} << 1 << ""
                                << kIbanWrong + u'\n';
    QTest::newRow("iban with accent") << QStringList{"check", "iban", u"IT60È0542811101000000123456"_qs} << 1 << ""
                                      << kIbanWrong + u'\n';
}

void TestChecks::cli()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const CliRunner::Run r = CliRunner::program(args);
    QCOMPARE(r.err, err);
    QCOMPARE(r.out, out);
    QCOMPARE(r.status, status);
}

QTEST_MAIN(TestChecks)
#include "test_checks.moc"
