#pragma once

#include "archive/ui/SearchScreen.h"
#include "archive/ui/BrowseEdit.h"

#include <QPlainTextEdit>
#include <QPointer>

// The equipment search. With the mode word "attrezzature" a chosen record is loaded into the
// equipment editor with its position; with "giornale" its description is added to a journal
// page's workers-and-machines field by the page's own rule.
class TfrmTrovaAttrezzature : public SearchScreen {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Trova attrezzature in inventario";
    explicit TfrmTrovaAttrezzature(QWidget *owner = nullptr);

    // The page's rule: the field's new text once `description` is added to `field`.
    using PageEntry = QString (*)(const QString &field, const QString &description);

    void setEditor(BrowseEdit *editor) { m_editor = editor; }
    void setPageField(QPlainTextEdit *field, PageEntry rule);

    // Fresh searches owned by `owner`, shown modally: into the equipment editor's protocol
    // (mode "attrezzature"), or into a journal page's field (mode "giornale").
    static void open(QWidget *owner, BrowseEdit *editor);
    static void openForPage(QWidget *owner, QPlainTextEdit *field, PageEntry rule);

protected:
    QString archivePath() const override;
    void reloadAction(const ListLine &line, const QByteArray &record) override;

private:
    QPointer<BrowseEdit> m_editor;
    QPointer<QPlainTextEdit> m_pageField;
    PageEntry m_pageEntry = nullptr;
};

extern TfrmTrovaAttrezzature *frmTrovaAttrezzature;
