#include "archive/Summary.h"

Summary::Summary(const SummaryDesign &design) : m_design(&design), m_line(*design.layout, design.line) {}

ListLines::Collected Summary::collect(const QString &archivePath, const Rule &rule) const
{
    return ListLines::collect(archivePath, *m_design->layout,
                              [&](qint64, const char *record) -> std::optional<QString> {
                                  if (!rule(record))
                                      return std::nullopt;
                                  return m_line.build(record);
                              });
}

bool Summary::reread(const QString &archivePath, const ListLine &line, QByteArray *record) const
{
    return ListLines::reread(
        archivePath, *m_design->layout, line, [this](const char *r) { return m_line.build(r); }, record);
}
