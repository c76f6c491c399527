#include "PageRegistry.h"

#include "CForm1.h"
#include "CForm2.h"

#include "calibration/CCalib_Actuator.h"
#include "calibration/CCalibrationActuatorIntro.h"
#include "calibration/CCalibrationAnalogIn.h"
#include "calibration/CCalibrationAnalogInSteps.h"
#include "calibration/CCalibrationMain.h"
#include "calibration/CCalibrationStroke.h"
#include "calibration/CCalibrationZeroSupply.h"
#include "calibration/CConfigMain.h"
#include "calibration/CCustCharacterization.h"
#include "calibration/CCustCharacterization_Info.h"
#include "calibration/CPressureDisablePage.h"
#include "diagnostics/CDataLogger.h"
#include "diagnostics/CDiagnosticsMain.h"
#include "diagnostics/CHDRLCompareView.h"
#include "diagnostics/CHDRLTest.h"
#include "diagnostics/CPSTCompare.h"
#include "diagnostics/CPartialStrokeTest.h"
#include "diagnostics/CRampTest.h"
#include "diagnostics/CRampTestCompare.h"
#include "diagnostics/CStepCompareView.h"
#include "diagnostics/CStepTest.h"
#include "diagnostics/CTrends.h"
#include "health/CActuatorHealth.h"
#include "health/CAlarmAnnunciator.h"
#include "health/CAlarmConfig.h"
#include "health/CAlarmStatus.h"
#include "health/CAlarmsView.h"
#include "health/CAdvDashboard.h"
#include "health/CControlHealth.h"
#include "health/CHealthMain.h"
#include "health/CPositionerHealth.h"
#include "health/CValveHealth.h"
#include "health/CValveHealthToleranceSettings.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace
{
using Timer = StripPage::StripTimer;

template <class T> FormPage* page(PageContext& context, const PageRow&)
{
    if constexpr (std::is_constructible_v<T, PageContext&>)
        return new T(context);
    else
        return new T;
}

[[maybe_unused]] FormPage* shell(PageContext& context, const PageRow& row)
{
    return new ShellPage(context, QString::fromLatin1(row.pageClass), row.shell);
}

// clang-format off
const PageRow Rows[] = {
    // slot class                          make             code depth tree text                      flags
    { 3,  "CAdvDashboard",                 page<CAdvDashboard>, 1, 1, "Dashboard",                  Expanded | SwapFirst | FocusFirst | Home },
    { 4,  "CAlarmsView",                   page<CAlarmsView>, 2, 1, "Alarms",                       Expanded },
    { 5,  "CAlarmStatus",                  page<CAlarmStatus>, 21, 2, "Alarm Status",               SwapFirst },
    { 6,  "CAlarmAnnunciator",             page<CAlarmAnnunciator>, 22, 2, "Alarm Annunciators",    SwapFirst },
    { 7,  "CAlarmConfig",                  page<CAlarmConfig>, 23, 2, "Alarm Configuration",        0 },
    { 28, "CHealthMain",                   page<CHealthMain>, 3, 1, "Health",                       Expanded | OptionalOnK40 },
    { 29, "CValveHealth",                  page<CValveHealth>, 31, 2, "Valve Health",               Expanded | OptionalOnK40 | SwapFirst },
    { 30, "CValveHealthToleranceSettings", page<CValveHealthToleranceSettings>, 311, 3, "Friction Tolerance Settings", OptionalOnK40 },
    { 31, "CPositionerHealth",             page<CPositionerHealth>, 32, 2, "Positioner Health",     OptionalOnK40 },
    { 32, "CActuatorHealth",               page<CActuatorHealth>, 33, 2, "Actuator Health",         OptionalOnK40 | SwapFirst },
    { 33, "CControlHealth",                page<CControlHealth>, 34, 2, "Control Health",           OptionalOnK40 },
    { 20, "CDiagnosticsMain",              page<CDiagnosticsMain>, 4, 1, "Diagnostic",              Expanded },
    { 37, "CRampTest",                     page<CRampTest>, 41,  2, "Ramp Test",                    Expanded | SwapFirst },
    { 36, "CRampTestCompare",              page<CRampTestCompare>, 411, 3, "Compare",               SwapFirst },
    { 21, "CStepTest",                     page<CStepTest>, 42,  2, "Step Test",                    Expanded },
    { 22, "CStepCompareView",              page<CStepCompareView>, 421, 3, "Compare",               0 },
    { 23, "CHDRLTest",                     page<CHDRLTest>, 43,  2, "HDRL",                         Expanded | SwapFirst | FocusFirst },
    { 24, "CHDRLCompareView",              page<CHDRLCompareView>, 431, 3, "Compare",               SwapFirst },
    { 25, "CDataLogger",                   page<CDataLogger>, 44, 2, "Data Logger",                SwapFirst },
    { 26, "CTrends",                       page<CTrends>,   45,  2, "Trends",                       OptionalOnK40 },
    { 34, "CPartialStrokeTest",            page<CPartialStrokeTest>, 46,  2, "Partial Stroke Test", Expanded | OptionalOnK40 | SwapFirst },
    { 35, "CPSTCompare",                   page<CPSTCompare>, 461, 3, "Compare",                    OptionalOnK40 | SwapFirst },
    { 10, "CCalibrationMain",              page<CCalibrationMain>, 5, 1, "Calibration",             Expanded },
    { 11, "CCalibrationActuatorIntro",     page<CCalibrationActuatorIntro>, 51, 2, "Actuator /Stroke /Friction", 0 },
    { 13, "CCalibrationStroke",            page<CCalibrationStroke>, 52, 2, "Stroke",                0 },
    { 14, "CCalibrationAnalogIn",          page<CCalibrationAnalogIn>, 53, 2, "Analog Input",            0 },
    { 38, "CConfigMain",                   page<CConfigMain>, 6,  1, "Configuration",                Expanded },
    { 39, "CCustCharacterization_Info",    page<CCustCharacterization_Info>, 61, 2, "Stroke Characterization", 0 },
    // Pages without a tree item: panes of the frame and wizard steps.
    { 1,  "CForm1",                        page<CForm1>,    0, 0, nullptr,                          Pane },
    { 2,  "CForm2",                        page<CForm2>,    0, 0, nullptr,                          Pane },
    { 9,  "CPressureDisablePage",          page<CPressureDisablePage>, 0, 0, nullptr,               0 },
    { 12, "CCalib_Actuator",               page<CCalib_Actuator>, 0, 0, nullptr,                    0 },
    { 15, "CCalibrationAnalogIn1",         page<CCalibrationAnalogIn1>, 0, 0, nullptr,                   0 },
    { 16, "CCalibrationAnalogIn2",         page<CCalibrationAnalogIn2>, 0, 0, nullptr,                   0 },
    { 17, "CCalibrationAnalogIn3",         page<CCalibrationAnalogIn3>, 0, 0, nullptr,                   0 },
    { 18, "CCalibrationAnalogIn4",         page<CCalibrationAnalogIn4>, 0, 0, nullptr,                   0 },
    { 19, "CCalibrationAnalogIn5",         page<CCalibrationAnalogIn5>, 0, 0, nullptr,                   0 },
    { 40, "CCustCharacterization",         page<CCustCharacterization>, 0, 0, nullptr,              0 },
    { 41, "CCalibrationZeroSupply",        page<CCalibrationZeroSupply>, 0, 0, nullptr,             StoppedOnK40Only },
};
// clang-format on
}

namespace PageRegistry
{

std::span<const PageRow> rows()
{
    return Rows;
}

const PageRow* rowForSlot(int slot)
{
    const auto found
        = std::find_if(std::begin(Rows), std::end(Rows), [slot](const PageRow& row) { return row.slot == slot; });
    return found == std::end(Rows) ? nullptr : &*found;
}

const PageRow* rowForCode(int pageCode)
{
    if (pageCode == 0)
        return nullptr;
    const auto found = std::find_if(
        std::begin(Rows), std::end(Rows), [pageCode](const PageRow& row) { return row.treeCode == pageCode; });
    return found == std::end(Rows) ? nullptr : &*found;
}

const PageRow* rowForClass(const char* pageClass)
{
    if (!pageClass)
        return nullptr;
    const auto found = std::find_if(std::begin(Rows), std::end(Rows),
        [pageClass](const PageRow& row) { return std::strcmp(row.pageClass, pageClass) == 0; });
    return found == std::end(Rows) ? nullptr : &*found;
}

int homeSlot()
{
    const auto found
        = std::find_if(std::begin(Rows), std::end(Rows), [](const PageRow& row) { return row.flags & Home; });
    return found == std::end(Rows) ? 0 : found->slot;
}

} // namespace PageRegistry
