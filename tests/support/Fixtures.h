#pragma once

#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Small helpers shared by the tests.
namespace Fixtures {

// (record field, text) pairs; the other fields stay empty.
using Fields = QList<QPair<QString, QString>>;

QByteArray record(const RecordLayout &layout, const Fields &fields);
// Replaces the archive at `path` with one record per entry; false on any failure.
bool writeArchive(const QString &path, const RecordLayout &layout, const QList<Fields> &records);

QByteArray readFile(const QString &path);
int countPdfPages(const QByteArray &pdf);

} // namespace Fixtures
