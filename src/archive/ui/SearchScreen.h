#pragma once

#include "archive/Search.h"
#include "archive/ui/ResultList.h"
#include "foundation/ui/Dialogs.h"
#include "foundation/ui/Screen.h"
#include "foundation/ui/ScreenKit.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <memory>

class BrowseEdit;
class QLineEdit;
class Record;
class QPushButton;

// The search screens of the journal, the equipment inventory and the workers registry: a filter
// panel, then a results panel with the sorted lines, find, print, and the double-click that
// hands the chosen record to the screen named by the mode word.
class SearchScreen : public SecondaryScreen {
    Q_OBJECT
public:
    static constexpr QSize kClient{862, 560};

    SearchScreen(QWidget *owner, const char *caption, const SearchDesign &design, bool boldFilters);

    // The filter panel.
    QWidget *panAvvio = nullptr;
    QLabel *lblIstruzioni = nullptr;
    QList<QLabel *> filterLabels;
    QList<QLineEdit *> filters; // in the order of the design's table
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnCerca = nullptr;
    QLabel *lblConta = nullptr;
    QLabel *lblAttendere = nullptr;

    // The results panel.
    ResultList *panContainer = nullptr;
    QLabel *lblTrovate = nullptr;

    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();

    const Search &search() const { return m_search; }

protected:
    // The archive this screen searches.
    virtual QString archivePath() const = 0;
    // The mode word's action on the chosen record, read again from its position.
    virtual void reloadAction(const ListLine &line, const QByteArray &record) = 0;

    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lstRecordsChoose(const ListLine &line);

    Search m_search;
    QList<EnterStep> m_enterOrder;
};

// The search of a registry. With the editor's mode word ("attrezzature", "istruttori") the chosen
// record is loaded into that editor with its position; with "giornale" it is handed to the
// journal page that opened the search, which adds it by its own rule.
class RegistrySearch : public SearchScreen {
    Q_OBJECT
public:
    using PageImport = std::function<void(const Record &chosen)>;

    RegistrySearch(QWidget *owner, const char *caption, const SearchDesign &design, const char *editorMode,
                   QString (*pathOfArchive)());

    // A fresh search of type `Screen` owned by `owner`, shown modally, for an editor or a page.
    template <typename Screen>
    static void openForEditor(QWidget *owner, BrowseEdit *editor)
    {
        std::unique_ptr<Screen> screen(new Screen(owner));
        screen->forEditor(editor);
        Ui::execModal(screen.get());
    }
    template <typename Screen>
    static void openForJournal(QWidget *owner, PageImport addToPage)
    {
        std::unique_ptr<Screen> screen(new Screen(owner));
        screen->forJournal(std::move(addToPage));
        Ui::execModal(screen.get());
    }

    void forEditor(BrowseEdit *editor);
    void forJournal(PageImport addToPage);

protected:
    QString archivePath() const override { return m_archivePath(); }
    void reloadAction(const ListLine &line, const QByteArray &record) override;

private:
    const char *m_editorMode;
    QString (*m_archivePath)();
    QPointer<BrowseEdit> m_editor;
    PageImport m_addToPage;
};
