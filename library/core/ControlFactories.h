#pragma once

#include "controls/LedRound.h"
#include "controls/NumEdit.h"
#include "controls/Plot.h"
#include "controls/SwitchToggle.h"
#include "controls/XYPlot.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;

// The library's control factories. Each creates its control by ProgID inside
// `parent` and returns the control's interface, or a null pointer when the
// control cannot be created. The four arguments are the same for all:
//   parent      the window (usually the page) that holds the control;
//   window      the caller's handle to the control's window, set to the new
//               window (the parent owns it);
//   screenRect  where the control goes, in SCREEN coordinates;
//   id          the control's child-window id (on a FormPage, control(id)
//               finds it afterwards).
// A control that cannot be created shows nothing, except the switch, whose
// factory tells the user. Failing settings on the new control raise ComError
// to the caller.

ILedRoundPtr CreateLedRoundControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);
INumEditPtr CreateEditXControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);
IPlotPtr CreatePlotControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);
IXYPlotPtr CreateRampPlotControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);
IReportPtr CreateReportControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);
IPrinterPtr CreatePrintControl(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);
ISwitchTogglePtr CreateSwitchToggle(QWidget* parent, QPointer<QWidget>& window, const QRect& screenRect, int id);

namespace ControlFactoryText
{
inline const QString CannotCreate
    = QStringLiteral("Failed to instantiate the ActiveX control. Contact your system administrator");
}
