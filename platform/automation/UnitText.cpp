#include "automation/UnitText.h"

QString TravelUnitText(int unitCode)
{
    switch (unitCode) {
    case 49:
        return QStringLiteral("mm");
    case 57:
        return QStringLiteral("%");
    case 143:
        return QStringLiteral("deg");
    default:
        return QStringLiteral("in.");
    }
}
