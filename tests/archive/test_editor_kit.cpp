// The editor kit: screens built from a record layout and their tables, the per-field rules of
// the browse/edit protocol, and the key filter.
#include "ScriptedDialogs.h"
#include "StandInEditor.h"
#include "TestFolder.h"

#include "archive/ArchiveFile.h"
#include "archive/Record.h"
#include "archive/ui/FieldAccess.h"
#include "foundation/Formats.h"
#include "foundation/Text.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QtTest>

namespace {

// Stand-ins for the functions an editor supplies.
QString amountStub(const QString &text)
{
    return Text::trimBlanks(text).isEmpty() ? QStringLiteral("0,00") : text + u'!';
}
QString zeroIfEmpty(const QString &text) { return Text::trimBlanks(text).isEmpty() ? QStringLiteral("0") : text; }
QString upper(const QString &text) { return Text::upperAscii(text); }
QString trimmed(const QString &text) { return Text::trimBlanks(text); }

constexpr FieldRule kEquipmentRules[] = {
    {"Euro", FieldRule::Fixed, "0,00", &amountStub},
    {"Preavviso", FieldRule::Fixed, "0", &zeroIfEmpty},
    {"DataSca", FieldRule::Today},
    {"Tipologia", FieldRule::Keep},
    {"Marca", FieldRule::Empty, nullptr, nullptr, &upper, &trimmed},
};

void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

void commitText(QWidget *w, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(w, &commit);
}

void pasteText(QWidget *w, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

bool refuseQuestionMark(QChar c) { return c == u'?'; }

} // namespace

class TestEditorKit : public QObject {
    Q_OBJECT
private slots:
    void init() { Formats::setToday(QDate(2024, 3, 15)); }
    void cleanup() { Formats::setToday(QDate()); }

    void fieldsTakeTheirLayoutCapacity_data();
    void fieldsTakeTheirLayoutCapacity();
    void memoIsCutOnStoringOnly();
    void memoKeepsNoBreakSpaces();
    void singleLineFieldsTakeControlsAsBlanks_data();
    void singleLineFieldsTakeControlsAsBlanks();
    void recordButtonsRunTheProtocol();
    void blankRecordDefaults();
    void checkBoxYesNo_data();
    void checkBoxYesNo();
    void hooksOnLeaveLoadAndStore();
    void keyFilter_data();
    void keyFilter();
    void keyFilterKeysWithoutCharacter_data();
    void keyFilterKeysWithoutCharacter();
    void keyFilterRetypesKeepingTheCursor();
    void enterOrderOnAKitScreen();
    void contextMenuPasteIsFiltered();
};

void TestEditorKit::fieldsTakeTheirLayoutCapacity_data()
{
    QTest::addColumn<QString>("archive");
    QTest::newRow("journal") << "journal";
    QTest::newRow("equipment") << "equipment";
    QTest::newRow("workers") << "workers";
}

// Every single-line field's limit is its record field's capacity; every field has its frame and
// the tab order is the table's.
void TestEditorKit::fieldsTakeTheirLayoutCapacity()
{
    QFETCH(QString, archive);
    const RecordLayout &layout = *Layouts::byArchiveName(archive);
    StandInEditor editor(layout, QString(), MessageKind::Error);
    int lines = 0;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.fieldName(i);
        QWidget *control = editor.browse->control(i);
        QVERIFY2(control, qPrintable(name));
        if (auto *e = qobject_cast<QLineEdit *>(control)) {
            QCOMPARE(e->maxLength(), layout.field(i).capacity);
            QVERIFY2(editor.findChild<QWidget *>(QStringLiteral("eff") + name), qPrintable(name));
            ++lines;
        }
    }
    QVERIFY(lines > 5);
    for (qsizetype i = 1; i < editor.fields.size(); ++i) {
        QWidget *previous = editor.browse->control(QLatin1String(editor.fields.at(i - 1).field));
        QWidget *next = previous->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, editor.browse->control(QLatin1String(editor.fields.at(i).field)));
    }
}

void TestEditorKit::memoIsCutOnStoringOnly()
{
    StandInEditor editor(Layouts::journal(), QString(), MessageKind::Plain);
    auto *memo = qobject_cast<QPlainTextEdit *>(editor.control(QStringLiteral("Annotazioni")));
    QVERIFY(memo);
    memo->setPlainText(QString(3500, u'x'));
    QCOMPARE(memo->toPlainText().size(), 3500);
    const Record stored = Record::decode(Layouts::journal(), editor.browse->current().encode().constData());
    QCOMPARE(stored.value(u"Annotazioni").size(), 3000);
}

void TestEditorKit::memoKeepsNoBreakSpaces()
{
    StandInEditor editor(Layouts::journal(), QString(), MessageKind::Plain);
    auto *memo = qobject_cast<QPlainTextEdit *>(editor.control(QStringLiteral("Operai")));
    memo->setPlainText(QStringLiteral("Rossi\u00A0Mario\nBianchi"));
    QCOMPARE(editor.browse->current().value(u"Operai"), QStringLiteral("Rossi\u00A0Mario\r\nBianchi"));
}

void TestEditorKit::singleLineFieldsTakeControlsAsBlanks_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("taken");
    QTest::newRow("LF") << "Rossi\nMario"
                        << "Rossi Mario";
    QTest::newRow("CR LF") << "Rossi\r\nMario"
                           << "Rossi  Mario";
    QTest::newRow("CR, tab, DEL") << "a\rb\tc\x7F"
                                  << "a b c ";
    QTest::newRow("C1 and separators") << QStringLiteral("a\u0085b\u2028c\u2029d\u0081") << "a b c d ";
    QTest::newRow("printable kept") << QStringLiteral("Caff\u00E8\u00A0\u20AC 5")
                                    << QStringLiteral("Caff\u00E8\u00A0\u20AC 5");
}

// A line edit keeps the line breaks of pasted text; what a screen takes from it is one line.
void TestEditorKit::singleLineFieldsTakeControlsAsBlanks()
{
    QFETCH(QString, pasted);
    QFETCH(QString, taken);
    QLineEdit line;
    line.setText(pasted);
    QCOMPARE(FieldAccess::text(&line), taken);
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText(pasted);
    QCOMPARE(FieldAccess::text(&combo), taken);
    // The editors store what they take.
    StandInEditor editor(Layouts::journal(), QString(), MessageKind::Plain);
    auto *field = qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Committente")));
    QVERIFY(field);
    field->setText(pasted);
    QCOMPARE(editor.browse->current().value(u"Committente"), taken);
}

// The buttons of the table run the protocol without a handler of the screen.
void TestEditorKit::recordButtonsRunTheProtocol()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    const QString path = folder.file(QStringLiteral("Attrezzature.pro"));
    StandInEditor editor(Layouts::equipment(), path, MessageKind::Error);
    editor.set(QStringLiteral("Codice"), QStringLiteral("A1"));
    editor.findChild<QAbstractButton *>(QStringLiteral("cmdSalva"))->click();
    QCOMPARE(editor.position(), QStringLiteral("1"));
    editor.findChild<QAbstractButton *>(QStringLiteral("cmdNuovo"))->click();
    QCOMPARE(editor.position(), QString());
    QCOMPARE(editor.get(QStringLiteral("Codice")), QString());
    editor.findChild<QAbstractButton *>(QStringLiteral("cmdUltimo"))->click();
    QCOMPARE(editor.get(QStringLiteral("Codice")), QStringLiteral("A1"));
    editor.findChild<QAbstractButton *>(QStringLiteral("cmdDuplica"))->click();
    QCOMPARE(editor.position(), QString());
    // Each tool's hint reaches the status line.
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto *save = editor.findChild<QWidget *>(QStringLiteral("cmdSalva"));
    QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), save->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(save, &over);
    QCOMPARE(editor.panInfo->text(), QStringLiteral("salva"));
}

void TestEditorKit::blankRecordDefaults()
{
    StandInEditor::Options options;
    options.rules = kEquipmentRules;
    StandInEditor editor(Layouts::equipment(), QString(), MessageKind::Error, options);
    for (const char *field : {"Codice", "Tipologia", "Euro", "Preavviso", "DataSca", "Note"})
        editor.set(QLatin1String(field), QStringLiteral("vecchio"));
    editor.set(QStringLiteral("Effettuata"), QStringLiteral("Sì"));
    editor.browse->attachments().file(2)->setText(QStringLiteral("a.pdf"));
    editor.lblPosizione->setText(QStringLiteral("4"));
    editor.browse->cmdNuovo();
    QCOMPARE(editor.get(QStringLiteral("Codice")), QString());
    QCOMPARE(editor.get(QStringLiteral("Note")), QString());
    QCOMPARE(editor.get(QStringLiteral("Tipologia")), QStringLiteral("vecchio")); // kept
    QCOMPARE(editor.get(QStringLiteral("Euro")), QStringLiteral("0,00"));
    QCOMPARE(editor.get(QStringLiteral("Preavviso")), QStringLiteral("0"));
    QCOMPARE(editor.get(QStringLiteral("DataSca")), QStringLiteral("15/03/2024"));
    QCOMPARE(editor.get(QStringLiteral("Effettuata")), QStringLiteral("No"));
    QCOMPARE(editor.browse->attachments().file(2)->text(), QString());
    QCOMPARE(editor.position(), QString());
}

void TestEditorKit::checkBoxYesNo_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("after");
    QTest::newRow("Sì ticks") << false << QStringLiteral("Sì") << true;
    QTest::newRow("No unticks") << true << QStringLiteral("No") << false;
    QTest::newRow("other text leaves it ticked") << true << QStringLiteral("si") << true;
    QTest::newRow("other text leaves it unticked") << false << QString() << false;
}

void TestEditorKit::checkBoxYesNo()
{
    QFETCH(bool, before);
    QFETCH(QString, stored);
    QFETCH(bool, after);
    StandInEditor editor(Layouts::equipment(), QString(), MessageKind::Error);
    auto *box = qobject_cast<QCheckBox *>(editor.control(QStringLiteral("Effettuata")));
    QVERIFY(box);
    box->setChecked(before);
    Record r(Layouts::equipment());
    r.setValue(u"Effettuata", stored);
    editor.browse->show(r);
    QCOMPARE(box->isChecked(), after);
    // Storing always writes one of the two words.
    const QByteArray bytes = editor.browse->current().encode();
    QCOMPARE(Record::decode(Layouts::equipment(), bytes.constData()).value(u"Effettuata"),
             after ? QStringLiteral("Sì") : QStringLiteral("No"));
}

void TestEditorKit::hooksOnLeaveLoadAndStore()
{
    StandInEditor::Options options;
    options.rules = kEquipmentRules;
    StandInEditor editor(Layouts::equipment(), QString(), MessageKind::Error, options);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.activateWindow();
    auto *euro = qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Euro")));
    auto *preavviso = qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Preavviso")));
    auto *codice = qobject_cast<QLineEdit *>(editor.control(QStringLiteral("Codice")));
    euro->setFocus();
    euro->setText(QStringLiteral("12"));
    codice->setFocus();
    QCOMPARE(euro->text(), QStringLiteral("12!")); // rewritten once, on leaving
    preavviso->setFocus();
    preavviso->clear();
    codice->setFocus();
    QCOMPARE(preavviso->text(), QStringLiteral("0"));
    QCOMPARE(euro->text(), QStringLiteral("12!"));

    // Loading shows the hook's text; storing stores the other hook's.
    Record r(Layouts::equipment());
    r.setValue(u"Marca", QStringLiteral("fiat panda"));
    editor.browse->show(r);
    QCOMPARE(editor.get(QStringLiteral("Marca")), QStringLiteral("FIAT PANDA"));
    editor.set(QStringLiteral("Marca"), QStringLiteral("  fiat  "));
    QCOMPARE(editor.browse->current().value(u"Marca"), QStringLiteral("fiat"));
    QCOMPARE(editor.get(QStringLiteral("Marca")), QStringLiteral("  fiat  ")); // the screen keeps its text
}

void TestEditorKit::keyFilter_data()
{
    QTest::addColumn<int>("kinds");
    QTest::addColumn<int>("how"); // 0 typed, 1 input method, 2 pasted
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const struct {
        const char *name;
        int kinds;
        const char16_t *text;
        const char16_t *kept;
    } rows[] = {
        {"digits", KeyFilter::Digits, u"1a2-3 .4è", u"1234"},
        {"amount", KeyFilter::Amount, u"12,5a.-3 ", u"12,53"},
        {"upper case", KeyFilter::UpperCase, u" rss-mrà ", u"RSS-MRà"},
        {"trimmed", KeyFilter::Trimmed, u" a.b@c.it ", u"a.b@c.it"},
        {"digits upper-cased", KeyFilter::Digits | KeyFilter::UpperCase, u" 41x1 ", u"411"},
        {"free", KeyFilter::Free, u" Via è ", u" Via è "},
    };
    const char *const ways[] = {"typed", "input method", "pasted"};
    for (const auto &row : rows)
        for (int how = 0; how < 3; ++how)
            QTest::addRow("%s, %s", row.name, ways[how])
                << row.kinds << how << QString::fromUtf16(row.text) << QString::fromUtf16(row.kept);
}

void TestEditorKit::keyFilter()
{
    QFETCH(int, kinds);
    QFETCH(int, how);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QWidget screen;
    auto *field = ScreenKit::lineEdit(&screen, "txtCampo", QRect(0, 0, 200, 24), 50);
    KeyFilter::install(field, KeyFilter::Kinds(kinds));
    switch (how) {
    case 0:
        typeText(field, text);
        break;
    case 1:
        commitText(field, text);
        break;
    case 2:
        pasteText(field, text);
        break;
    }
    QCOMPARE(field->text(), kept);
}

void TestEditorKit::keyFilterKeysWithoutCharacter_data()
{
    QTest::addColumn<int>("kinds");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("reaches");
    QTest::newRow("digits: Home swallowed") << int(KeyFilter::Digits) << int(Qt::Key_Home) << false;
    QTest::newRow("digits: Left") << int(KeyFilter::Digits) << int(Qt::Key_Left) << true;
    QTest::newRow("amount: End swallowed") << int(KeyFilter::Amount) << int(Qt::Key_End) << false;
    QTest::newRow("upper case: Home") << int(KeyFilter::UpperCase) << int(Qt::Key_Home) << true;
    QTest::newRow("reserved characters: Home") << int(KeyFilter::Free) << int(Qt::Key_Home) << true;
}

void TestEditorKit::keyFilterKeysWithoutCharacter()
{
    QFETCH(int, kinds);
    QFETCH(int, key);
    QFETCH(bool, reaches);
    QWidget screen;
    auto *field = ScreenKit::lineEdit(&screen, "txtCampo", QRect(0, 0, 200, 24), 50);
    KeyFilter::install(field, KeyFilter::Kinds(kinds), &refuseQuestionMark);
    field->setText(QStringLiteral("1234"));
    field->setCursorPosition(2);
    QTest::keyClick(field, Qt::Key(key));
    QCOMPARE(field->cursorPosition() != 2, reaches);
    // Tab and Shift+Tab always pass: the focus moves on and back.
    auto *other = ScreenKit::lineEdit(&screen, "txtAltro", QRect(0, 30, 200, 24));
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), other);
    QTest::keyClick(other, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), field);
    // A refused character is kept out in every kind.
    field->clear();
    typeText(field, QStringLiteral("1?2"));
    QCOMPARE(field->text(), QStringLiteral("12"));
}

void TestEditorKit::keyFilterRetypesKeepingTheCursor()
{
    QWidget screen;
    auto *field = ScreenKit::lineEdit(&screen, "txtCodFisc", QRect(0, 0, 200, 24), 16);
    KeyFilter::install(field, KeyFilter::UpperCase);
    field->setText(QStringLiteral("  abcdef"));
    field->setCursorPosition(5); // after "abc"
    typeText(field, QStringLiteral("x"));
    QCOMPARE(field->text(), QStringLiteral("ABCXDEF"));
    QCOMPARE(field->cursorPosition(), 4);
    // The field's limit holds for pasted text as for typed text.
    field->clear();
    pasteText(field, QString(20, u'a'));
    QCOMPARE(field->text(), QString(16, u'A'));
}

void TestEditorKit::enterOrderOnAKitScreen()
{
    constexpr EnterStep steps[] = {{"txtCodice", "txtEuro"}, {"txtEuro", "txtCodice"}};
    StandInEditor::Options options;
    options.enterOrder = steps;
    options.keys.insert(QStringLiteral("Euro"), KeyFilter::Amount);
    StandInEditor editor(Layouts::equipment(), QString(), MessageKind::Error, options);
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QWidget *codice = editor.control(QStringLiteral("Codice"));
    QWidget *euro = editor.control(QStringLiteral("Euro"));
    codice->setFocus();
    QTest::keyClick(codice, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), euro);
    // The field reached is wholly selected: typing replaces the amount it shows.
    FieldAccess::setText(euro, QStringLiteral("0,00"));
    QTest::keyClick(codice, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), euro);
    QTest::keyClicks(euro, QStringLiteral("1250"));
    QCOMPARE(FieldAccess::text(euro), QStringLiteral("1250"));
    QTest::keyClick(euro, Qt::Key_Enter); // the amount filter lets Enter through to the order
    QCOMPARE(QApplication::focusWidget(), codice);
    QVERIFY(editor.findChild<QWidget *>(QStringLiteral("effCodice"))->isVisible());
    QVERIFY(!editor.findChild<QWidget *>(QStringLiteral("effEuro"))->isVisible());
}

// The standard menu's Paste goes through the field's filter as Ctrl+V does.
void TestEditorKit::contextMenuPasteIsFiltered()
{
    QWidget screen;
    auto *field = ScreenKit::lineEdit(&screen, "txtPreavviso", QRect(0, 0, 200, 24), 3);
    KeyFilter::install(field, KeyFilter::Digits);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QGuiApplication::clipboard()->setText(QStringLiteral("7abc"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &menuEvent);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
        if (a->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste"))
            paste = a;
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(field->text(), QStringLiteral("7"));
}

QTEST_MAIN(TestEditorKit)
#include "test_editor_kit.moc"
