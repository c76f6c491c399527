#pragma once

#include "alarms/CAlarmAnnunciatorReport.h"
#include "alarms/CAlarmStatusReport.h"
#include "automation/AutoString.h"
#include "core/CReportHeader.h"
#include "report/GridControl.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

// The two printed reports of the alarm pages. Both run the printed report
// frame: the definition's "New Report", the page line, the title and the
// header block, then their own fields, the PDF and the print question; any
// failure shows "Report Definition file could not be found/matched.".
//
// The model string is compared whole and case-sensitive with "SerratK90",
// "SerratK95" and "SerratK40"; it decides which rows are written.

// The alarm status report: the error history table (rows 1 to 8, or 1 to 16
// for "SerratK95") and one line per row of the event log grid, its first
// column, 300 twips apart from 7605 (10300 for "SerratK95"). The lines flow
// onto as many pages as they need.
void GenerateAlarmStausReport(CReportHeader header, CAlarmStatusReport record, IGridPtr eventLog, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, AutoString model, QWidget* parent);

// The alarm / alerts report: every annunciator's active and masked flag as
// "X" or empty, with the values, thresholds and units behind them and the
// device information texts.
void GenerateAlarmAnnuncReport(CReportHeader header, CAlarmAnnunciatorReport record, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, AutoString model, QWidget* parent);

namespace AlarmReportLayout
{
// Where the event log starts and how its lines are laid, in twips.
inline constexpr int LogStartK95 = 10300;
inline constexpr int LogStart = 7605;
inline constexpr int LogLeft = 150;
inline constexpr int LogStep = 300;
inline constexpr int LogWidth = 11115;
inline constexpr int LogHeight = 285;
} // namespace AlarmReportLayout
