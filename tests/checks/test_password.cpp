#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include "shell/Password.h"
#include "shell/ui/Avvio.h"
#include "shell/ui/CambiaPassword.h"
#include "shell/ui/Password.h"
#include "shell/ui/Screens.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

// "[Accesso]" with "Valore" set to `hex`, as the Windows profile functions write it.
QByteArray storeText(const QByteArray &hex) { return "[Accesso]\r\nValore=" + hex + "\r\n"; }

// The scrambled forms of a few passwords, worked out by hand from the key constants.
const QByteArray kCantilogHex = "48DE357F697B9F37";
const QByteArray kPasswordHex = "5B1F5885F53B13A0";

QString everyStorableCharacter()
{
    QString all;
    for (char16_t c = 1; c <= 0xFF; ++c)
        all += QChar(c);
    return all;
}

QString longPassword(int length)
{
    QString p;
    for (int i = 0; i < length; ++i)
        p += QChar(u'A' + i % 26);
    return p;
}

// A folder nothing can be written into, not even by root; false where the system cannot.
bool lockFolder(const QString &path, bool lock)
{
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    if (!lock) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
        QFile::setPermissions(path, open);
        return true;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    auto writable = [&] {
        QFile probe(path + QStringLiteral("/probe"));
        const bool ok = probe.open(QIODevice::WriteOnly);
        probe.remove();
        return ok;
    };
    if (!writable())
        return true;
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path});
    return !writable();
}

// The next control that Tab reaches from `w`.
QWidget *nextTabStop(QWidget *w)
{
    QWidget *next = w->nextInFocusChain();
    while (next != w && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w;
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Password::LoginResult)
Q_DECLARE_METATYPE(Password::ChangeResult)

class TestPassword : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // The scrambling and the store.
    void scramble_data();
    void scramble();
    void roundTrip_data();
    void roundTrip();
    void unscramble_data();
    void unscramble();
    void storeReading_data();
    void storeReading();
    void storeWriting();
    void shippedStore();
    void login_data();
    void login();
    void change_data();
    void change();
    void unwritableStore();

    // The screens.
    void startsOnLogin();
    void loginScreen();
    void okEnabling_data();
    void okEnabling();
    void wrongPasswordRefused();
    void rightPasswordOpensStart_data();
    void rightPasswordOpensStart();
    void enterInLogin();
    void enterOnTheFocusedLoginButton();
    void unreadableStoreAtLogin();
    void changeScreen();
    void changeOkEnabling();
    void changeOfPassword();
    void changeRefusals_data();
    void changeRefusals();
    void closingChangeReturnsToLogin();
    void esciEndsProgram(); // last: it runs and ends the event loop

private:
    void writeStore(const QByteArray &hex)
    {
        m_folder->write(QString::fromLatin1(Password::kStoreFile), storeText(hex));
    }
    QByteArray storeBytes() const { return m_folder->read(QString::fromLatin1(Password::kStoreFile)); }
    void typeLogin(const QString &text);

    std::unique_ptr<TestFolder> m_folder;
    QWidget *m_mainForm = nullptr;
};

void TestPassword::initTestCase()
{
    QVERIFY(visibleWindows().isEmpty());
    m_mainForm = Screens::createAll();
}

void TestPassword::init()
{
    m_folder = std::make_unique<TestFolder>();
    // A login that succeeded keeps its entry; every test starts from an empty one.
    frmPassword->txtPassword->clear();
}

void TestPassword::cleanup()
{
    // Closing the change screen brings the login screen back: close until nothing is left.
    for (int round = 0; round < 3 && !visibleWindows().isEmpty(); ++round)
        for (QWidget *w : visibleWindows())
            w->close();
    QTRY_VERIFY(visibleWindows().isEmpty());
    m_folder.reset();
}

void TestPassword::scramble_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("hex");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one letter") << "A"
                                << "4A";
    QTest::newRow("two letters") << "AB"
                                 << "4A99";
    QTest::newRow("initial password") << "CANTILOG" << QString::fromLatin1(kCantilogHex);
    QTest::newRow("PASSWORD") << "PASSWORD" << QString::fromLatin1(kPasswordHex);
    QTest::newRow("accented") << u"È"_qs << "C3";
    // Only the low 8 bits of a character are kept: U+0100 scrambles as a zero byte.
    QTest::newRow("beyond U+00FF") << u"\u0100"_qs << "0B";
    QTest::newRow("euro sign") << u"€"_qs << "A7";
}

void TestPassword::scramble()
{
    QFETCH(QString, plain);
    QFETCH(QString, hex);
    QCOMPARE(Password::scramble(plain), hex);
}

void TestPassword::roundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("every storable character") << everyStorableCharacter();
    QTest::newRow("300 characters") << longPassword(300);
    QTest::newRow("256 characters") << longPassword(256);
    QTest::newRow("blanks and controls") << QStringLiteral(" \t A \x01 ");
}

void TestPassword::roundTrip()
{
    QFETCH(QString, plain);
    const QString hex = Password::scramble(plain);
    QCOMPARE(hex.size(), plain.size() * 2);
    QCOMPARE(hex, hex.toUpper());
    QCOMPARE(Password::unscramble(hex), std::optional<QString>(plain));
}

void TestPassword::unscramble_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("upper case") << "4A99" << true << "AB";
    QTest::newRow("lower case") << "4a99" << true << "AB";
    QTest::newRow("odd length ignores last digit") << "4A9" << true << "A";
    QTest::newRow("odd last character not even a digit") << "4AZ" << true << "A";
    QTest::newRow("single digit") << "4" << true << "";
    QTest::newRow("initial password") << QString::fromLatin1(kCantilogHex) << true << "CANTILOG";
    QTest::newRow("zero byte") << "0B" << true << QString(QChar(u'\0'));
    QTest::newRow("not hex") << "4G" << false << "";
    QTest::newRow("not hex in second pair") << "4A9Z" << false << "";
    QTest::newRow("blank in pair") << " 4A" << false << "";
    QTest::newRow("sign in pair") << "-1" << false << "";
    QTest::newRow("hex prefix") << "0x4A" << false << "";
}

void TestPassword::unscramble()
{
    QFETCH(QString, hex);
    QFETCH(bool, ok);
    QFETCH(QString, plain);
    const std::optional<QString> result = Password::unscramble(hex);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, plain);
}

void TestPassword::storeReading_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("stored");
    QTest::newRow("missing store") << false << QByteArray() << true << "";
    QTest::newRow("empty store") << true << QByteArray() << true << "";
    QTest::newRow("other section") << true << QByteArray("[Altro]\r\nValore=" + kCantilogHex + "\r\n") << true << "";
    QTest::newRow("other key") << true << QByteArray("[Accesso]\r\nChiave=" + kCantilogHex + "\r\n") << true << "";
    QTest::newRow("initial password") << true << storeText(kCantilogHex) << true << "CANTILOG";
    QTest::newRow("LF line ends") << true << QByteArray("[Accesso]\nValore=" + kPasswordHex + "\n") << true
                                  << "PASSWORD";
    QTest::newRow("names in other case") << true << QByteArray("[ACCESSO]\r\nvalore=" + kPasswordHex + "\r\n") << true
                                         << "PASSWORD";
    QTest::newRow("odd length") << true << storeText(kCantilogHex + "7") << true << "CANTILOG";
    QTest::newRow("lower-case hex") << true << storeText(kCantilogHex.toLower()) << true << "CANTILOG";
    QTest::newRow("malformed") << true << storeText("48DE35XX") << false << "";
    QTest::newRow("binary garbage") << true << QByteArray("[Accesso]\r\nValore=\xff\xfe\r\n") << false << "";
    // A stored value that unscrambles with blanks around it is compared trimmed.
    QTest::newRow("blanks around") << true << storeText(Password::scramble(QStringLiteral("  PASSWORD \t")).toLatin1())
                                   << true << "PASSWORD";
}

void TestPassword::storeReading()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, content);
    QFETCH(bool, ok);
    QFETCH(QString, stored);
    if (present)
        m_folder->write(QString::fromLatin1(Password::kStoreFile), content);
    const std::optional<QString> result = Password::readStored();
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, stored);
}

void TestPassword::storeWriting()
{
    // A new store holds the section and key with the upper-case hex value.
    QVERIFY(Password::writeStored(QStringLiteral("PASSWORD")));
    const QByteArray written = storeBytes();
    QVERIFY2(written.contains("[Accesso]"), written.constData());
    QVERIFY2(written.contains("Valore=" + kPasswordHex), written.constData());
    QCOMPARE(Password::readStored(), std::optional<QString>(QStringLiteral("PASSWORD")));

    // Rewriting keeps whatever else the store holds.
    m_folder->write(QString::fromLatin1(Password::kStoreFile),
                    "; installazione\r\n[Accesso]\r\nValore=" + kPasswordHex +
                        "\r\nAltro=1\r\n[Extra]\r\nChiave=valore\r\n");
    QVERIFY(Password::writeStored(QStringLiteral("CANTILOG")));
    const QByteArray rewritten = storeBytes();
    QVERIFY2(rewritten.contains("; installazione"), rewritten.constData());
    QVERIFY2(rewritten.contains("Valore=" + kCantilogHex), rewritten.constData());
    QVERIFY2(!rewritten.contains(kPasswordHex), rewritten.constData());
    QVERIFY2(rewritten.contains("Altro=1"), rewritten.constData());
    QVERIFY2(rewritten.contains("[Extra]") && rewritten.contains("Chiave=valore"), rewritten.constData());
}

void TestPassword::shippedStore()
{
    QVERIFY(QFile::copy(QStringLiteral(CANTILOG_SOURCE_DIR "/assets/unins000.dll"), Password::storePath()));
    QCOMPARE(Password::readStored(), std::optional<QString>(QString::fromLatin1(Password::kInitialPassword)));
    QCOMPARE(Password::login(QStringLiteral("cantilog")), Password::LoginResult::Accepted);
}

void TestPassword::login_data()
{
    using R = Password::LoginResult;
    QTest::addColumn<QString>("stored"); // plain password written into the store; "<none>": no store
    QTest::addColumn<QString>("entry");
    QTest::addColumn<R>("result");
    QTest::newRow("same") << "CANTILOG"
                          << "CANTILOG" << R::Accepted;
    QTest::newRow("lower case") << "CANTILOG"
                                << "cantilog" << R::Accepted;
    QTest::newRow("mixed case") << "CANTILOG"
                                << "CanTiLog" << R::Accepted;
    QTest::newRow("blanks around") << "CANTILOG"
                                   << "  cantilog   " << R::Accepted;
    QTest::newRow("controls around") << "CANTILOG"
                                     << "\tcantilog\r\n"
                                     << R::Accepted;
    QTest::newRow("blank inside") << "CANTILOG"
                                  << "canti log" << R::Wrong;
    QTest::newRow("another word") << "CANTILOG"
                                  << "cantiere" << R::Wrong;
    QTest::newRow("prefix") << "CANTILOG"
                            << "cantilo" << R::Wrong;
    QTest::newRow("longer") << "CANTILOG"
                            << "cantilogs" << R::Wrong;
    QTest::newRow("blank entry") << "CANTILOG"
                                 << "   " << R::Wrong;
    // Accented letters are not upper-cased on either side.
    QTest::newRow("accented same") << u"PERCHÈ"_qs << u"perchÈ"_qs << R::Accepted;
    QTest::newRow("accented other case") << u"PERCHÈ"_qs << u"perchè"_qs << R::Wrong;
    QTest::newRow("accented lower stored") << u"PERCHè"_qs << u"perchè"_qs << R::Accepted;
    QTest::newRow("300 characters") << longPassword(300) << longPassword(300).toLower() << R::Accepted;
    QTest::newRow("300 characters, last differs") << longPassword(300) << longPassword(299) + u'X' << R::Wrong;
    QTest::newRow("no store") << "<none>"
                              << "cantilog" << R::Wrong;
    QTest::newRow("no store, blank entry") << "<none>"
                                           << " " << R::Wrong;
    QTest::newRow("empty stored, blank entry") << ""
                                               << "" << R::Wrong;
}

void TestPassword::login()
{
    QFETCH(QString, stored);
    QFETCH(QString, entry);
    QFETCH(Password::LoginResult, result);
    if (stored != QLatin1String("<none>"))
        writeStore(Password::scramble(stored).toLatin1());
    QCOMPARE(Password::login(entry), result);
}

void TestPassword::change_data()
{
    using R = Password::ChangeResult;
    QTest::addColumn<QString>("oldEntry");
    QTest::addColumn<QString>("newEntry");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<R>("result");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("changed") << "CANTILOG"
                             << "NUOVA"
                             << "NUOVA" << R::Changed << "NUOVA";
    QTest::newRow("old in lower case, new upper-cased") << " cantilog "
                                                        << "nuova"
                                                        << "nuova" << R::Changed << "NUOVA";
    QTest::newRow("new trimmed, compared trimmed") << "CANTILOG"
                                                   << "  nuova"
                                                   << "nuova\t" << R::Changed << "NUOVA";
    QTest::newRow("accented kept as typed") << "CANTILOG" << u"perchè"_qs << u"perchè"_qs << R::Changed << u"PERCHè"_qs;
    QTest::newRow("300 characters") << "CANTILOG" << longPassword(300) << longPassword(300) << R::Changed
                                    << longPassword(300);
    QTest::newRow("old wrong") << "CANTIERE"
                               << "NUOVA"
                               << "NUOVA" << R::OldWrong << "CANTILOG";
    QTest::newRow("old blank") << "  "
                               << "NUOVA"
                               << "NUOVA" << R::OldWrong << "CANTILOG";
    QTest::newRow("confirmation differs") << "CANTILOG"
                                          << "NUOVA"
                                          << "NUOVE" << R::NotConfirmed << "CANTILOG";
    // Letter case counts in the confirmation, although both would store the same.
    QTest::newRow("confirmation differs in case") << "CANTILOG"
                                                  << "Nuova"
                                                  << "nuova" << R::NotConfirmed << "CANTILOG";
    QTest::newRow("confirmation with inner blank") << "CANTILOG"
                                                   << "nuova"
                                                   << "nu ova" << R::NotConfirmed << "CANTILOG";
    // Beyond U+00FF only the low 8 bits would be stored, locking the user out.
    QTest::newRow("euro sign refused") << "CANTILOG" << u"100€"_qs << u"100€"_qs << R::NotStorable << "CANTILOG";
    QTest::newRow("Latin Extended refused") << "CANTILOG" << u"Ābc"_qs << u"Ābc"_qs << R::NotStorable << "CANTILOG";
    QTest::newRow("outside the BMP refused")
        << "CANTILOG" << u"a\U0001F600"_qs << u"a\U0001F600"_qs << R::NotStorable << "CANTILOG";
    QTest::newRow("U+00FF accepted") << "CANTILOG" << u"ÿ"_qs << u"ÿ"_qs << R::Changed << u"ÿ"_qs;
}

void TestPassword::change()
{
    QFETCH(QString, oldEntry);
    QFETCH(QString, newEntry);
    QFETCH(QString, confirmation);
    QFETCH(Password::ChangeResult, result);
    QFETCH(QString, storedAfter);
    writeStore(kCantilogHex);
    const QByteArray before = storeBytes();
    QCOMPARE(Password::change(oldEntry, newEntry, confirmation), result);
    QCOMPARE(Password::readStored(), std::optional<QString>(storedAfter));
    if (result != Password::ChangeResult::Changed)
        QCOMPARE(storeBytes(), before);
    else
        QCOMPARE(Password::login(newEntry), Password::LoginResult::Accepted);
}

void TestPassword::unwritableStore()
{
    writeStore(kCantilogHex);
    const QByteArray before = storeBytes();
    if (!lockFolder(m_folder->path(), true)) {
        lockFolder(m_folder->path(), false);
        QSKIP("this system cannot make a folder read-only");
    }
    const Password::ChangeResult result =
        Password::change(QStringLiteral("cantilog"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    lockFolder(m_folder->path(), false);
    QCOMPARE(result, Password::ChangeResult::Failure);
    QCOMPARE(storeBytes(), before);

    // A store that cannot be read at all (a folder in its place) is a failure too.
    QVERIFY(QFile::remove(Password::storePath()));
    QVERIFY(QDir().mkdir(Password::storePath()));
    QCOMPARE(Password::readStored(), std::nullopt);
    QCOMPARE(Password::change(QStringLiteral("cantilog"), QStringLiteral("nuova"), QStringLiteral("nuova")),
             Password::ChangeResult::Failure);
    QCOMPARE(Password::login(QStringLiteral("cantilog")), Password::LoginResult::ReadFailure);
}

// ---- Screens ----

void TestPassword::typeLogin(const QString &text)
{
    frmPassword->txtPassword->setFocus();
    QTest::keyClicks(frmPassword->txtPassword, text);
}

void TestPassword::startsOnLogin()
{
    // The first screen created is the main form, and only it is shown.
    QCOMPARE(m_mainForm, static_cast<QWidget *>(frmPassword));
    QCOMPARE(Screens::find(QStringLiteral("frmPassword")), static_cast<QWidget *>(frmPassword));
    QVERIFY(frmAvvio && frmCambiaPassword);
    QVERIFY(visibleWindows().isEmpty());
    m_mainForm->show();
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmPassword});
    QVERIFY(QTest::qWaitForWindowActive(frmPassword));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frmPassword->txtPassword));
}

void TestPassword::loginScreen()
{
    TfrmPassword *s = frmPassword;
    s->show();
    QVERIFY(QTest::qWaitForWindowActive(s));
    QCOMPARE(s->windowTitle(), QStringLiteral(" Cantilog - Autenticazione"));
    QCOMPARE(s->size(), QSize(388, 405));
    QVERIFY(!(s->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(s->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(s->lblRigo05->text(), QStringLiteral("Immetti la password e premi OK."));
    QCOMPARE(s->cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(s->cmdEsci->text(), QStringLiteral("Esci"));
    QCOMPARE(s->btnCambiaPassword->text(), QStringLiteral("Cambia password"));
    QCOMPARE(s->txtPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(s->txtPassword->font().pointSize(), 14);
    QVERIFY(s->txtPassword->font().bold());
    QVERIFY(!s->cmdOK->isEnabled());
    // The picture tells the password of the first access.
    bool told = false;
    for (QLabel *l : s->imgLogo->findChildren<QLabel *>())
        told = told || l->text().contains(QLatin1String(Password::kInitialPassword));
    QVERIFY(told);
    // Tab order and the focus frame.
    QCOMPARE(nextTabStop(s->txtPassword), static_cast<QWidget *>(s->cmdOK));
    QCOMPARE(nextTabStop(s->cmdOK), static_cast<QWidget *>(s->cmdEsci));
    QCOMPARE(nextTabStop(s->cmdEsci), static_cast<QWidget *>(s->btnCambiaPassword));
    auto *frame = s->findChild<QWidget *>(QStringLiteral("effPassword"));
    QVERIFY(frame);
    QTRY_VERIFY(frame->isVisible());
    s->cmdEsci->setFocus();
    QVERIFY(!frame->isVisible());
}

void TestPassword::okEnabling_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("one letter") << "a" << true;
    QTest::newRow("blank") << " " << false;
    QTest::newRow("blanks") << "    " << false;
    QTest::newRow("letter among blanks") << "  x  " << true;
}

void TestPassword::okEnabling()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    frmPassword->show();
    typeLogin(typed);
    QCOMPARE(frmPassword->cmdOK->isEnabled(), enabled);
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Backspace);
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QVERIFY(!frmPassword->cmdOK->isEnabled());
    // A text set from outside enables OK too.
    frmPassword->txtPassword->setText(typed);
    QCOMPARE(frmPassword->cmdOK->isEnabled(), enabled);
    frmPassword->txtPassword->clear();
}

void TestPassword::wrongPasswordRefused()
{
    ScriptedDialogs dialogs;
    writeStore(kCantilogHex);
    frmPassword->show();
    QVERIFY(QTest::qWaitForWindowActive(frmPassword));
    typeLogin(QStringLiteral("cantiere"));
    QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Attenzione: password errata.")});
    QCOMPARE(dialogs.lastKind(), QStringLiteral("plain"));
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frmPassword->txtPassword));
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmPassword});

    // Without a store no password opens the program.
    QVERIFY(QFile::remove(Password::storePath()));
    typeLogin(QStringLiteral("cantilog"));
    QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
    QCOMPARE(dialogs.lastMessage(), QStringLiteral("Attenzione: password errata."));
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmPassword});
}

void TestPassword::rightPasswordOpensStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("as stored") << "CANTILOG";
    QTest::newRow("lower case with blanks") << "  cantilog ";
}

void TestPassword::rightPasswordOpensStart()
{
    QFETCH(QString, typed);
    ScriptedDialogs dialogs;
    QVERIFY(QFile::copy(QStringLiteral(CANTILOG_SOURCE_DIR "/assets/unins000.dll"), Password::storePath()));
    frmPassword->show();
    typeLogin(typed);
    QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmAvvio});
    QVERIFY(frmAvvio->isMaximized());
}

void TestPassword::enterInLogin()
{
    ScriptedDialogs dialogs;
    writeStore(kCantilogHex);
    frmPassword->show();
    // Enter in a blank field does nothing.
    typeLogin(QStringLiteral("  "));
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(frmPassword->txtPassword->text(), QStringLiteral("  "));
    frmPassword->txtPassword->clear();
    // Enter with an entry runs OK.
    typeLogin(QStringLiteral("sbagliata"));
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Enter);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Attenzione: password errata.")});
    typeLogin(QStringLiteral("cantilog"));
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmAvvio});
}

// After Tab from the field, Enter presses "OK" itself.
void TestPassword::enterOnTheFocusedLoginButton()
{
    ScriptedDialogs dialogs;
    writeStore(kCantilogHex);
    frmPassword->show();
    QVERIFY(QTest::qWaitForWindowActive(frmPassword));
    typeLogin(QStringLiteral("cantilog"));
    QTRY_VERIFY(frmPassword->txtPassword->hasFocus());
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), frmPassword->cmdOK);
    QTest::keyClick(frmPassword->cmdOK, Qt::Key_Return);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmAvvio});
}

void TestPassword::unreadableStoreAtLogin()
{
    ScriptedDialogs dialogs;
    writeStore("48DE35ZZ");
    frmPassword->show();
    typeLogin(QStringLiteral("cantilog"));
    QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
    QCOMPARE(dialogs.messages(),
             QStringList{QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                        "password. Si consiglia di reinstallare il software.")});
    QCOMPARE(dialogs.lastKind(), QStringLiteral("plain"));
    // The screen stays as it is.
    QCOMPARE(frmPassword->txtPassword->text(), QStringLiteral("cantilog"));
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmPassword});
    frmPassword->txtPassword->clear();
}

void TestPassword::changeScreen()
{
    frmPassword->show();
    typeLogin(QStringLiteral("abc"));
    QTest::mouseClick(frmPassword->btnCambiaPassword, Qt::LeftButton);
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmCambiaPassword});
    TfrmCambiaPassword *s = frmCambiaPassword;
    QVERIFY(QTest::qWaitForWindowActive(s));
    QCOMPARE(s->windowTitle(), QStringLiteral(" Cambia password"));
    QCOMPARE(s->size(), QSize(411, 418));
    QVERIFY(!(s->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(s->lblRigo05->text(), QStringLiteral("Vecchia password:"));
    QCOMPARE(s->lblRigo06->text(), QStringLiteral("Nuova password:"));
    QCOMPARE(s->lblRigo07->text(), QStringLiteral("Conferma nuova password:"));
    QCOMPARE(s->cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(s->cmdEsci->text(), QStringLiteral("Chiudi"));
    QVERIFY(!s->cmdOK->isEnabled());
    for (QLineEdit *f : {s->txtPasswordOld, s->txtPasswordNew, s->txtConferma}) {
        QCOMPARE(f->echoMode(), QLineEdit::Password);
        QCOMPARE(f->font().pointSize(), 14);
        QVERIFY(f->font().bold());
        QCOMPARE(f->text(), QString());
    }
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s->txtPasswordOld));
    QCOMPARE(nextTabStop(s->txtPasswordOld), static_cast<QWidget *>(s->txtPasswordNew));
    QCOMPARE(nextTabStop(s->txtPasswordNew), static_cast<QWidget *>(s->txtConferma));
    QCOMPARE(nextTabStop(s->txtConferma), static_cast<QWidget *>(s->cmdEsci));
    QCOMPARE(nextTabStop(s->cmdEsci), static_cast<QWidget *>(s->cmdOK));

    // Enter goes round the three fields and never presses OK, even when it is enabled.
    ScriptedDialogs dialogs;
    QTest::keyClicks(s->txtPasswordOld, QStringLiteral("a"));
    QTest::keyClick(s->txtPasswordOld, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s->txtPasswordNew));
    QTest::keyClicks(s->txtPasswordNew, QStringLiteral("b"));
    QTest::keyClick(s->txtPasswordNew, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s->txtConferma));
    QTest::keyClicks(s->txtConferma, QStringLiteral("b"));
    QVERIFY(s->cmdOK->isEnabled());
    QTest::keyClick(s->txtConferma, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s->txtPasswordOld));
    QVERIFY(dialogs.shown.isEmpty());
    // Exactly the focused field shows its frame.
    auto visibleFrames = [s] {
        QStringList names;
        for (QWidget *w : s->findChildren<QWidget *>())
            if (w->objectName().startsWith(QLatin1String("eff")) && w->isVisible())
                names << w->objectName();
        return names;
    };
    QCOMPARE(visibleFrames(), QStringList{QStringLiteral("effPasswordOld")});
    s->txtConferma->setFocus();
    QCOMPARE(visibleFrames(), QStringList{QStringLiteral("effConferma")});

    // Shown again, it starts empty.
    s->close();
    frmPassword->btnCambiaPasswordClick();
    QCOMPARE(s->txtPasswordOld->text(), QString());
    QCOMPARE(s->txtConferma->text(), QString());
    QVERIFY(!s->cmdOK->isEnabled());
}

void TestPassword::changeOkEnabling()
{
    frmPassword->show();
    frmPassword->btnCambiaPasswordClick();
    TfrmCambiaPassword *s = frmCambiaPassword;
    QTest::keyClicks(s->txtPasswordOld, QStringLiteral("a"));
    QVERIFY(!s->cmdOK->isEnabled());
    QTest::keyClicks(s->txtPasswordNew, QStringLiteral("b"));
    QVERIFY(!s->cmdOK->isEnabled());
    QTest::keyClicks(s->txtConferma, QStringLiteral("  "));
    QVERIFY(!s->cmdOK->isEnabled());
    QTest::keyClicks(s->txtConferma, QStringLiteral("c"));
    QVERIFY(s->cmdOK->isEnabled());
    QTest::keyClick(s->txtPasswordOld, Qt::Key_Backspace);
    QVERIFY(!s->cmdOK->isEnabled());
}

void TestPassword::changeOfPassword()
{
    ScriptedDialogs dialogs;
    QVERIFY(QFile::copy(QStringLiteral(CANTILOG_SOURCE_DIR "/assets/unins000.dll"), Password::storePath()));
    QFile::setPermissions(Password::storePath(), QFile::ReadOwner | QFile::WriteOwner);
    frmPassword->show();
    QTest::mouseClick(frmPassword->btnCambiaPassword, Qt::LeftButton);
    TfrmCambiaPassword *s = frmCambiaPassword;
    QTest::keyClicks(s->txtPasswordOld, QStringLiteral("Cantilog"));
    QTest::keyClicks(s->txtPasswordNew, QStringLiteral("cantiere2024"));
    QTest::keyClicks(s->txtConferma, QStringLiteral("cantiere2024 "));
    QTest::mouseClick(s->cmdOK, Qt::LeftButton);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Modifica della password completata con successo.")});
    QCOMPARE(dialogs.lastKind(), QStringLiteral("plain"));
    // The change screen closes and the login screen comes back, empty and focused.
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmPassword});
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frmPassword->txtPassword));
    QVERIFY(storeBytes().contains("Valore=" + Password::scramble(QStringLiteral("CANTIERE2024")).toLatin1()));

    // The store is read anew: the old password is refused, the new one accepted.
    dialogs.clear();
    typeLogin(QStringLiteral("cantilog"));
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Attenzione: password errata.")});
    typeLogin(QStringLiteral("CANTIERE2024"));
    QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmAvvio});
}

void TestPassword::changeRefusals_data()
{
    QTest::addColumn<QString>("oldEntry");
    QTest::addColumn<QString>("newEntry");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("cleared");
    QTest::addColumn<QString>("focus");
    const QString notConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                                "E' necessario reinserire entrambi i valori.");
    const QStringList both{QStringLiteral("txtPasswordNew"), QStringLiteral("txtConferma")};
    QTest::newRow("old wrong") << "cantiere"
                               << "nuova"
                               << "nuova" << storeText(kCantilogHex) << "Attenzione: vecchia password errata."
                               << QStringList{"txtPasswordOld"} << "txtPasswordOld";
    QTest::newRow("no store") << "cantilog"
                              << "nuova"
                              << "nuova" << QByteArray() << "Attenzione: vecchia password errata."
                              << QStringList{"txtPasswordOld"} << "txtPasswordOld";
    QTest::newRow("not confirmed") << "cantilog"
                                   << "nuova"
                                   << "nuove" << storeText(kCantilogHex) << notConfirmed << both << "txtPasswordNew";
    QTest::newRow("confirmed in other case")
        << "cantilog"
        << "Nuova"
        << "nuova" << storeText(kCantilogHex) << notConfirmed << both << "txtPasswordNew";
    QTest::newRow("euro sign") << "cantilog" << u"prezzo€"_qs << u"prezzo€"_qs << storeText(kCantilogHex)
                               << "Attenzione: la nuova password contiene caratteri non ammessi. "
                                  "E' necessario reinserire entrambi i valori."
                               << both << "txtPasswordNew";
    QTest::newRow("malformed store") << "cantilog"
                                     << "nuova"
                                     << "nuova" << storeText("XY")
                                     << "Attenzione: si è verificato un errore durante la procedura di modifica della "
                                        "password. Si consiglia di reinstallare il software."
                                     << QStringList() << "";
}

void TestPassword::changeRefusals()
{
    QFETCH(QString, oldEntry);
    QFETCH(QString, newEntry);
    QFETCH(QString, confirmation);
    QFETCH(QByteArray, store);
    QFETCH(QString, message);
    QFETCH(QStringList, cleared);
    QFETCH(QString, focus);
    ScriptedDialogs dialogs;
    if (!store.isEmpty())
        m_folder->write(QString::fromLatin1(Password::kStoreFile), store);
    frmPassword->show();
    frmPassword->btnCambiaPasswordClick();
    TfrmCambiaPassword *s = frmCambiaPassword;
    QVERIFY(QTest::qWaitForWindowActive(s));
    // Non-ASCII text is set directly.
    s->txtPasswordOld->setText(oldEntry);
    s->txtPasswordNew->setText(newEntry);
    s->txtConferma->setText(confirmation);
    s->cmdEsci->setFocus();
    QVERIFY(s->cmdOK->isEnabled());
    QTest::mouseClick(s->cmdOK, Qt::LeftButton);
    QCOMPARE(dialogs.messages(), QStringList{message});
    QCOMPARE(dialogs.lastKind(), QStringLiteral("plain"));
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmCambiaPassword});
    QCOMPARE(storeBytes(), store);
    const QList<QPair<QLineEdit *, QString>> fields{
        {s->txtPasswordOld, oldEntry}, {s->txtPasswordNew, newEntry}, {s->txtConferma, confirmation}};
    for (const auto &[field, typed] : fields)
        QCOMPARE(field->text(), cleared.contains(field->objectName()) ? QString() : typed);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("cmdOK") : focus);
}

void TestPassword::closingChangeReturnsToLogin()
{
    ScriptedDialogs dialogs;
    writeStore(kCantilogHex);
    frmPassword->show();
    typeLogin(QStringLiteral("qualcosa"));
    frmPassword->btnCambiaPasswordClick();
    QTest::keyClicks(frmCambiaPassword->txtPasswordOld, QStringLiteral("cantilog"));
    QTest::mouseClick(frmCambiaPassword->cmdEsci, Qt::LeftButton);
    QCOMPARE(visibleWindows(), QList<QWidget *>{frmPassword});
    QCOMPARE(frmPassword->txtPassword->text(), QString());
    QVERIFY(!frmPassword->cmdOK->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frmPassword->txtPassword));
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(storeBytes(), storeText(kCantilogHex));
}

void TestPassword::esciEndsProgram()
{
    frmPassword->show();
    QTimer::singleShot(0, [] { QTest::mouseClick(frmPassword->cmdEsci, Qt::LeftButton); });
    // Only a guard against a hang: the click ends the loop at once.
    QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!frmPassword->isVisible());
}

QTEST_MAIN(TestPassword)
#include "test_password.moc"
