#pragma once

#include "report/ui/SheetScreen.h"

// The print and preview screens of the worker card, filled from the worker editor's fields as
// they stand, saved or not.
class WorkerCardScreen : public ReportSheetScreen {
    Q_OBJECT
public:
    Report::Report &repDocumento;

protected:
    WorkerCardScreen(QWidget *owner, const char *caption, const QSize &client, const QString &icon,
                     const QString &explanation, const QString &action, Output output);
};
