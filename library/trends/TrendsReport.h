#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"
#include "trends/CTrendsReport.h"

class QWidget;

// The "Trend Report": the header block, which of the six signals the 24-hours
// plot shows, each signal's unit (supply and temperature from the record),
// and a picture of each of the four plots, written as TrendHours.bmp,
// TrendDays.bmp, TrendMonths.bmp and TrendYears.bmp in the report's own
// picture folder.
// Saved as PDF and offered for printing; every failure shows "Report
// Definition file could not be found/matched.".
void GenerateTrendsReport(CReportHeader header, CTrendsReport record, IPlotPtr hours, IPlotPtr days, IPlotPtr months,
    IPlotPtr years, IReportPtr report, IPrinterPtr printer, AutoString definitionPath, QWidget* parent);
