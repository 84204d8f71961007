#include "report/Pictures.h"

#include <QByteArray>
#include <QHash>

// The report pictures are resources of this static library: registered here, before the first
// use, since a static library's resources are not registered by themselves.
static void registerPictures() { Q_INIT_RESOURCE(report_pictures); }

namespace Pictures {

QImage image(const char *name)
{
    static QHash<QByteArray, QImage> decoded;
    if (!name)
        return QImage();
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    const QByteArray key(name);
    auto it = decoded.constFind(key);
    if (it != decoded.constEnd())
        return *it;
    QImage img(QStringLiteral(":/report/") + QLatin1String(key) + QStringLiteral(".png"));
    decoded.insert(key, img);
    return img;
}

} // namespace Pictures
