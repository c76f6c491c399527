#include "StepCompare.h"
#include "StepTestChannels.h"
#include "StepTestFile.h"

#include "automation/ComError.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/SettingsComparison.h"
#include "step/CStepTestCompareReport.h"

namespace StepCompare
{

FileValues read(const ResultFileFrame::ChannelLookup& lookup)
{
    // The step loader's own checks: the eight signals, "TagName" and the
    // nine settings points (start, stop, hold, date, flags, unit).
    CStepTestReport step;
    StepTestFile::readRecord(lookup, step);
    const PlotChannelData& settings = ResultFileFrame::required(lookup, ResultChannelName::TestSettings);
    const auto datePart = [&settings](int index) {
        return QString::number(static_cast<uint16_t>(HiddenChannelInteger(ResultFileFrame::valueAt(settings, index))));
    };
    FileValues values;
    values.tag = step.m_strTag.toQString();
    values.testDate = datePart(3) + QLatin1Char('/') + datePart(4) + QLatin1Char('/') + datePart(5);
    values.start = step.m_strStartPosition.toQString();
    values.stop = step.m_strStopPosition.toQString();
    values.hold = step.m_strHoldTime.toQString();
    values.singleActing = step.m_bSingleActing;
    values.pressureSensor = step.m_bPressureSensor;
    values.unitText = StepTestFile::pressureUnitText(step.m_nPressureUnit);
    return values;
}

QString pressureAxisTitle(const QString& unitText)
{
    return QStringLiteral("Pressure [") + unitText + QLatin1Char(']');
}

} // namespace StepCompare

namespace
{

using namespace StepCompare;
using StepTestChannels::PositionAxis;
using StepTestChannels::PressureAxis;
using StepTestChannels::TimeAxis;

// The chosen file, read from the scratch plot; nothing when the user
// cancelled or the file was refused with "File open error.".
std::optional<std::pair<QString, FileValues>> openFile(const IPlotPtr& scratch)
{
    return OpenCompareFile(OpenTitle, OpenFilter, QStringLiteral("stp"), scratch, &StepCompare::read);
}

void copy(const IPlotPtr& from, const IPlotPtr& to, const char* name, bool shown)
{
    LoadChannel(AutoString(name), AutoString(name), shown, from, to);
}

void fitAxes(const IPlotPtr& plot)
{
    plot->XAxisByName(TimeAxis)->FitToData();
    plot->YAxisByName(PositionAxis)->FitToData();
    plot->YAxisByName(PressureAxis)->FitToData();
}

} // namespace

bool CStepTestCompareReport::LoadFile_1(IPlotPtr scratch, IPlotPtr visible)
{
    ModuleStateGuard moduleState;
    return TakeCompareFile1(
        openFile(scratch), visible,
        { &m_strTag1, &m_strTag2, &m_strTestDate1, &m_strTestDate2, &m_strFile1, &m_strFile2 },
        { &m_strStartPosition1, &m_strStartPosition2, &m_strStopPosition1, &m_strStopPosition2, &m_strHoldTime1,
            &m_strHoldTime2 },
        [&](const QString& path, const FileValues& values) {
            const QString title = pressureAxisTitle(values.unitText);
            m_strFile1 = AutoString(path);
            m_strStartPosition1 = AutoString(values.start);
            m_strStopPosition1 = AutoString(values.stop);
            m_strHoldTime1 = AutoString(values.hold);
            m_strTestDate1 = AutoString(values.testDate);
            m_bSingleActing1 = values.singleActing;
            m_bPressureSensor1 = values.pressureSensor;
            visible->YAxisByName(PressureAxis)->SetTitle(title);
            m_strPressureUnit1 = AutoString(values.unitText);
            m_strTag1 = AutoString(values.tag);
        },
        [&](const FileValues& values) {
            const QString title = pressureAxisTitle(values.unitText);
            ResetGridView(visible);
            const bool pressure = m_bPressureSensor1 != 0;
            const bool port2 = pressure && m_bSingleActing1 == 0;
            copy(scratch, visible, "Position", true);
            copy(scratch, visible, "Command", true);
            copy(scratch, visible, "Port1", pressure);
            copy(scratch, visible, "Port2", port2);
            copy(scratch, visible, "ILCmd", true);
            copy(scratch, visible, "ILPOS", true);
            copy(scratch, visible, "PvPPort1", pressure);
            copy(scratch, visible, "PvPPort2", port2);
            fitAxes(visible);
            visible->YAxisByName(PressureAxis)->SetTitle(title);
            StepTestChannels::ShowYAxis(visible, PressureAxis, pressure);
        });
}

bool CStepTestCompareReport::LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent)
{
    ModuleStateGuard moduleState;
    // File 2 as it was: what the user does not accept (or what cannot be
    // compared) leaves it as shown before.
    return TakeCompareFile2(
        openFile(scratch), *this, parent,
        [this](const QString& path, const FileValues& values) {
            m_strFile2 = AutoString(path);
            m_strStartPosition2 = AutoString(values.start);
            m_strStopPosition2 = AutoString(values.stop);
            m_strHoldTime2 = AutoString(values.hold);
            m_strTestDate2 = AutoString(values.testDate);
            m_bSingleActing2 = values.singleActing;
            m_bPressureSensor2 = values.pressureSensor;
            m_strPressureUnit2 = AutoString(values.unitText);
            m_strTag2 = AutoString(values.tag);
        },
        [this] {
            return SameSettings(m_strStartPosition1, m_strStartPosition2, m_strStopPosition1, m_strStopPosition2,
                m_strHoldTime1, m_strHoldTime2, m_bPressureSensor1, m_bPressureSensor2, m_bSingleActing1,
                m_bSingleActing2, m_strPressureUnit1, m_strPressureUnit2);
        },
        [&] {
            for (const char* name : { "PvPPort1_2", "PvPPort2_2", "PvPPort1Diff", "PvPPort2Diff", "Position2",
                     "PositionDiff", "Command2", "CommandDiff", "Port1_2", "Port1Diff", "Port2_2", "Port2Diff",
                     "ILCmd2", "ILCmdDiff", "ILPOS2", "ILPOSDiff" })
                OnCheckBoxChanged(visible, AutoString(name), false);
            const bool pressure = m_bPressureSensor2 != 0;
            const bool port2 = pressure && m_bSingleActing2 == 0;
            LoadCompareRows(CopyRows.data(), CopyRows.size(), pressure, port2, scratch, visible);
            fitAxes(visible);
            StepTestChannels::ShowYAxis(visible, PressureAxis, pressure);
        },
        // The channels copied before a failure stay; the caller is told that
        // the comparison is not complete.
        MismatchedChannels, LoadCaption);
}
