#include "archive/ui/AttachmentSlots.h"

#include "foundation/ui/ScreenKit.h"

namespace {
// Record fields in label order: the three file names, then the three descriptions.
constexpr const char *kFields[] = {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"};
} // namespace

AttachmentSlots::AttachmentSlots(QWidget *screen)
{
    for (int i = 0; i < 2 * kSlots; ++i)
        m_labels[i] = ScreenKit::hiddenLabel(screen, (QByteArray("lbl") + kFields[i]).constData());
}

QLabel *AttachmentSlots::label(QAnyStringView recordField) const
{
    for (int i = 0; i < 2 * kSlots; ++i)
        if (QAnyStringView::equal(recordField, QLatin1String(kFields[i])))
            return m_labels[i];
    return nullptr;
}

void AttachmentSlots::clear()
{
    for (QLabel *label : m_labels)
        label->clear();
}
