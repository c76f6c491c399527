#include "CDataLogger.h"

CDataLogger::CDataLogger(QWidget* parent)
    : StripPage(QStringLiteral("CDataLogger"), DialogId, StripTimer::OnActivation, parent)
{
    buildShellTemplate(QStringLiteral("Data Logger"));
}
