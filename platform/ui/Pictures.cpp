#include "Pictures.h"

namespace Pictures
{

QString path(int resourceId)
{
    return QStringLiteral(":/pictures/%1.png").arg(resourceId);
}

QPixmap load(int resourceId)
{
    return QPixmap(path(resourceId));
}

} // namespace Pictures
