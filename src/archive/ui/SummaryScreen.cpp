#include "archive/ui/SummaryScreen.h"

#include "archive/ui/BrowseEdit.h"

#include <QLineEdit>

SummaryScreen::SummaryScreen(QWidget *owner, const char *caption, const SummaryDesign &design, int extraHeight)
    : SecondaryScreen(owner, caption, QSize(kClient.width(), kClient.height() + extraHeight)), m_summary(design)
{
    QWidget *c = canvas();
    panRiepilogo = new ResultList(c, "panRiepilogo", QRect(QPoint(0, 0), kClient));
    panRiepilogo->choose = [this](const ListLine &line) { lstRecordsChoose(line); };
    panRiepilogo->printTitle = [this] { return printTitle(); };
    connect(panRiepilogo, &ResultList::closeRequested, this, &QDialog::reject);
    m_extra = new QWidget(c);
    m_extra->setObjectName(QStringLiteral("panExtra"));
    m_extra->setGeometry(0, kClient.height(), kClient.width(), extraHeight);
    m_extra->setVisible(extraHeight > 0);
}

QString SummaryScreen::printTitle() const { return QString::fromUtf8(m_summary.design().printTitle); }

void SummaryScreen::lstRecordsChoose(const ListLine &line)
{
    QByteArray record;
    if (m_summary.reread(archivePath(), line, &record))
        reloadAction(line.position, record);
}

void SummaryScreen::setEditor(BrowseEdit *editor) { m_editor = editor; }

void SummaryScreen::reloadAction(qint64 position, const QByteArray &)
{
    if (m_editor)
        m_editor->load(position);
}

void SummaryScreen::FormShow()
{
    panRiepilogo->setLines(collectLines().lines);
    panRiepilogo->resetFind();
    panRiepilogo->txtTrova->setFocus(Qt::OtherFocusReason);
}

void SummaryScreen::FormClose() { panRiepilogo->clear(); }
