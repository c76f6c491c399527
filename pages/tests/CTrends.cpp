#include "CTrends.h"

CTrends::CTrends(QWidget* parent)
    : StripPage(QStringLiteral("CTrends"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Trends"));
}
