#include "archive/ui/SearchScreen.h"

#include "archive/Record.h"

#include "archive/ui/BrowseEdit.h"
#include "archive/ui/FieldAccess.h"

#include "archive/Archives.h"
#include "foundation/Text.h"
#include "foundation/ui/Dialogs.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString kInstructions = QStringLiteral(
    "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e premere "
    "il pulsante Cerca.\nLasciare in bianco tutti gli altri campi.\n"
    "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.");

constexpr int kFilterTop = 104;
constexpr int kFilterStep = 38;

} // namespace

SearchScreen::SearchScreen(QWidget *owner, const char *caption, const SearchDesign &design, bool boldFilters)
    : SecondaryScreen(owner, caption, kClient), m_search(design)
{
    QWidget *c = canvas();
    const int w = kClient.width(), h = kClient.height();

    panAvvio = new QWidget(c);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(0, 0, w, h);

    ScreenKit::image(panAvvio, "imgTrova", QStringLiteral("trova"), QRect(24, 16, 64, 64));
    lblIstruzioni = ScreenKit::label(panAvvio, "lblIstruzioni", kInstructions, QRect(104, 12, w - 128, 76), 9);
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setFrameShape(QFrame::Box);
    lblIstruzioni->setMargin(6);

    QStringList framed;
    for (int i = 0; i < int(design.filters.size()); ++i) {
        const SearchFilter &f = design.filters[i];
        const int top = kFilterTop + i * kFilterStep;
        const QString labelName = QStringLiteral("lbl") + QLatin1String(f.control + 3);
        QLabel *label =
            ScreenKit::label(panAvvio, "", QString::fromUtf8(f.label), QRect(40, top + 3, 330, 24), 10, true);
        label->setObjectName(labelName);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        filterLabels.append(label);
        filters.append(ScreenKit::lineEdit(panAvvio, f.control, QRect(386, top, 436, 28), 0, 12, boldFilters));
        framed.append(QLatin1String(f.control + 3));
        m_enterOrder.append(EnterStep{f.control, design.filters[(i + 1) % design.filters.size()].control});
    }
    FocusFrames::install(panAvvio, framed);
    EnterOrder::install(panAvvio, m_enterOrder);

    lblAttendere = ScreenKit::label(panAvvio, "lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."),
                                    QRect(40, h - 48, 440, 28), 10, true);
    lblAttendere->setStyleSheet(QStringLiteral("color: #B00000;"));
    lblAttendere->hide();
    lblConta = ScreenKit::hiddenLabel(panAvvio, "lblConta");
    btnAnnulla = ScreenKit::button(panAvvio, "btnAnnulla", QStringLiteral("Chiudi"), QRect(w - 300, h - 52, 130, 36));
    btnCerca = ScreenKit::button(panAvvio, "btnCerca", QStringLiteral("Cerca"), QRect(w - 150, h - 52, 130, 36));
    btnCerca->installEventFilter(this);
    connect(btnCerca, &QPushButton::clicked, this, &SearchScreen::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &SearchScreen::btnAnnullaClick);

    panContainer = new ResultList(c, "panContainer", QRect(0, 0, w, h));
    lblTrovate = ScreenKit::label(panContainer, "lblTrovate", ListLines::initialCountText(),
                                  QRect(20, h - 46, w - 340, 24), 10, true);
    panContainer->choose = [this](const ListLine &line) { lstRecordsChoose(line); };
    const QString title = QString::fromUtf8(design.printTitle);
    panContainer->printTitle = [title] { return title; };
    connect(panContainer, &ResultList::closeRequested, this, &QDialog::reject);
    panContainer->hide();
}

bool SearchScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btnCerca && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        btnCercaMouseDown();
    return SecondaryScreen::eventFilter(watched, event);
}

void SearchScreen::btnCercaMouseDown()
{
    lblAttendere->show();
    lblAttendere->repaint(); // the search that follows holds the event loop
}

void SearchScreen::btnCercaClick()
{
    QStringList texts;
    for (const QLineEdit *f : std::as_const(filters))
        texts.append(FieldAccess::text(f));
    const Search::Outcome outcome = m_search.run(archivePath(), texts);
    lblConta->setText(QString::number(outcome.filled));
    if (!outcome.ok) {
        lblAttendere->hide();
        Ui::plain(this, Archives::accessFailureMessage());
        return;
    }
    panContainer->setLines(outcome.lines);
    lblTrovate->setText(ListLines::countText(outcome.lines.size()));
    panAvvio->hide();
    panContainer->show();
    panContainer->txtTrova->clear();
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
}

void SearchScreen::btnAnnullaClick() { reject(); }

void SearchScreen::lstRecordsChoose(const ListLine &line)
{
    QByteArray record;
    if (m_search.reread(archivePath(), line, &record))
        reloadAction(line, record);
}

void SearchScreen::FormShow()
{
    panContainer->resetFind();
    if (!filters.isEmpty())
        filters.first()->setFocus(Qt::OtherFocusReason);
}

void SearchScreen::FormClose()
{
    panContainer->clear();
    lblAttendere->hide();
}

RegistrySearch::RegistrySearch(QWidget *owner, const char *caption, const SearchDesign &design, const char *editorMode,
                               QString (*pathOfArchive)())
    : SearchScreen(owner, caption, design, /*boldFilters=*/true), m_editorMode(editorMode), m_archivePath(pathOfArchive)
{}

void RegistrySearch::forEditor(BrowseEdit *editor)
{
    setModeWord(QLatin1String(m_editorMode));
    m_editor = editor;
}

void RegistrySearch::forJournal(PageImport addToPage)
{
    setModeWord(QStringLiteral("giornale"));
    m_addToPage = std::move(addToPage);
}

void RegistrySearch::reloadAction(const ListLine &line, const QByteArray &record)
{
    const QString mode = Text::trimBlanks(modeWord());
    if (mode == QLatin1String(m_editorMode) && m_editor)
        m_editor->load(line.position);
    else if (mode == QLatin1String("giornale") && m_addToPage)
        m_addToPage(Record::decode(*search().design().layout, record.constData()));
}
