#include "archive/ui/ResultList.h"

void printListSummary(QWidget *, const QString &, const QStringList &) {}
