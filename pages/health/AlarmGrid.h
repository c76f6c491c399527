#pragma once

#include "report/GridControl.h"

#include <QRect>

class AppLog;
class FormPage;

// Creates the grid control ("ReportLib.Grid.1") of an alarm page over a
// placeholder's screen rectangle, with its child id. A grid that cannot be
// created is written to the log only; the result is then empty.
IGridPtr CreateAlarmGrid(FormPage* page, const QRect& screenRect, int id, const AppLog& log);
