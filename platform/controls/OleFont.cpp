#include "OleFont.h"

#include <QStringList>

namespace OleFont
{

QFont toQFont(const QString& face, int64_t sizeCurrency, bool bold)
{
    QFont font;
    font.setFamilies({ face, QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans") });
    const double points = static_cast<double>(sizeCurrency) / 10000.0;
    if (points > 0)
        font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace OleFont
