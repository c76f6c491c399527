#pragma once

#include <QPixmap>

// The program's pictures, one per numeric resource id (":/pictures/<id>.png").
namespace Pictures
{

QString path(int resourceId);
// The picture, or a null pixmap when there is none with that id.
QPixmap load(int resourceId);

} // namespace Pictures
