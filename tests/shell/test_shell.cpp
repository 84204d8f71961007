#include "shell/HelpTexts.h"
#include "shell/ui/Startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Startup::prepare(*qApp); }
    void standardDialogsSpeakItalian();
    void windowCaptionsAreShownExactly();
    void overviewCitesTheBuildingCode();
};

void TestShell::standardDialogsSpeakItalian()
{
    QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("Si conferma l'eliminazione dell'archivio?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annulla"));
}

void TestShell::windowCaptionsAreShownExactly()
{
    // The window system appends a display name set on purpose to every caption that does not
    // end with it; left unset, the display name simply follows the application name.
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Cantilog"));
    QApplication::setApplicationName(QStringLiteral("altro"));
    const QString followed = QGuiApplication::applicationDisplayName();
    QApplication::setApplicationName(QStringLiteral("Cantilog"));
    QCOMPARE(followed, QStringLiteral("altro"));
}

void TestShell::overviewCitesTheBuildingCode()
{
    const QString text = HelpTexts::overview();
    QVERIFY(text.contains(QStringLiteral("D.P.R. n. 380 del 2001")));
    QVERIFY(!text.contains(QStringLiteral("n. 38 del")));
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
