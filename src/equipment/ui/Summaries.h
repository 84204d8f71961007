#pragma once

#include "archive/ui/SummaryScreen.h"
#include "equipment/Revisions.h"

// A summary of the inventory: a chosen line's record is loaded into the equipment editor with
// its position.
class EquipmentSummary : public SummaryScreen {
    Q_OBJECT
protected:
    EquipmentSummary(QWidget *owner, const char *caption, const SummaryDesign &design, int extraHeight = 0);
    QString archivePath() const override;
};

// The revision summaries, told apart by their rule.
class RevisionSummary : public EquipmentSummary {
    Q_OBJECT
protected:
    RevisionSummary(QWidget *owner, Revisions::Summary summary);
    ListLines::Collected collectLines() override;

private:
    Revisions::Summary m_summary;
};

// The items whose revision falls within its notice days or is past.
class TfrmScadenze : public RevisionSummary {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Riepilogo revisioni in scadenza o scadute";
    explicit TfrmScadenze(QWidget *owner = nullptr);
    // Opens a fresh summary owned by `owner`, loading into `editor`, modally.
    static void open(QWidget *owner, BrowseEdit *editor);
};

// The items whose revision is past.
class TfrmScadute : public RevisionSummary {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Riepilogo revisioni scadute";
    explicit TfrmScadute(QWidget *owner = nullptr);
    static void open(QWidget *owner, BrowseEdit *editor);
};

// Every item with a value, and the inventory's total value in `lblTotale`.
class TfrmValoreTotale : public EquipmentSummary {
    Q_OBJECT
public:
    static constexpr const char *kCaption = " Calcolo valore totale attrezzature";
    explicit TfrmValoreTotale(QWidget *owner = nullptr);
    static void open(QWidget *owner, BrowseEdit *editor);

    QLabel *lblTotale = nullptr;

protected:
    ListLines::Collected collectLines() override;
    QString printTitle() const override;
};

extern TfrmScadenze *frmScadenze;
extern TfrmScadute *frmScadute;
extern TfrmValoreTotale *frmValoreTotale;
