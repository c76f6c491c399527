#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"
#include "core/CReportHeader.h"
#include "core/ReportFrame.h"
#include "data_logger/CDataLoggerReport.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

class QWidget;

// The data logger report's departures from the common frame: the plot's
// picture ("DataLogger.bmp", as the plot is shown) is taken right after the
// definition is loaded, and the settings fields print the record's interval,
// duration and unit texts as they are passed.
ReportFrameDescriptor DataLoggerReportDescriptor(const CDataLoggerReport& record, const IPlotPtr& plot);

// "Data Logger Report": the header block, the logger's settings and a picture
// of the plot, saved as a PDF the user names and offered for printing. Every
// failure shows "Report Definition file could not be found/matched.".
void GenerateDataLoggerReport(CReportHeader header, CDataLoggerReport record, IPlotPtr plot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* parent);
