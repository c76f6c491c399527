#include "PstCompare.h"

#include "PstChannels.h"
#include "PstFile.h"

#include "automation/ComError.h"
#include "automation/NumberText.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/SettingsComparison.h"
#include "partial_stroke/CPSTCompareReport.h"

#include <cmath>

namespace PstCompare
{

QString pressureUnitText(int unitCode)
{
    return ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerCm2);
}

FileValues read(const ResultFileFrame::ChannelLookup& lookup)
{
    // The single-file loader's checks: six signals, "TagName", ten settings
    // points and four results.
    CPSTReport record;
    PstFile::readRecord(lookup, record);
    const PlotChannelData& settings = ResultFileFrame::required(lookup, ResultChannelName::TestSettings);
    const PlotChannelData& results = ResultFileFrame::required(lookup, ResultChannelName::Results);
    const auto integer = [](const PlotChannelData& channel, int index) {
        return HiddenChannelInteger(ResultFileFrame::valueAt(channel, index));
    };
    const auto number = [](const PlotChannelData& channel, int index) {
        return NumberText::format("%5.2f", ResultFileFrame::valueAt(channel, index));
    };
    FileValues values;
    values.tag = record.m_strTag.toQString();
    values.testDate
        = QStringLiteral("%1/%2/%3").arg(integer(settings, 4)).arg(integer(settings, 5)).arg(integer(settings, 6));
    values.start = record.m_strStartPosition.toQString();
    values.stop = record.m_strStopPosition.toQString();
    values.timeToTarget = record.m_strTimeToTarget.toQString();
    values.duration = record.m_strTestDuration.toQString();
    values.breakAwayTime = number(results, 0);
    values.breakAwayPressure = number(results, 1);
    values.timeToTargetResult = number(results, 2);
    values.result = integer(results, 3) == 1 ? QStringLiteral("Pass") : QStringLiteral("Fail");
    values.unitText = pressureUnitText(integer(settings, 7) & 0xFF);
    values.singleActing = record.m_bSingleActing;
    values.pressureSensor = record.m_bPressureSensor;
    return values;
}

} // namespace PstCompare

namespace
{

using PstChannels::PositionAxis;
using PstChannels::PressureAxis;
using PstChannels::TimeAxis;

// The chosen file, read from the scratch plot; nothing when the user
// cancelled or the file was refused with "File open error.".
std::optional<std::pair<QString, PstCompare::FileValues>> openFile(const IPlotPtr& scratch)
{
    return OpenCompareFile(
        PstCompare::OpenTitle, PstCompare::OpenFilter, QStringLiteral("pst"), scratch, &PstCompare::read);
}

void fitAxes(const IPlotPtr& plot)
{
    plot->XAxisByName(TimeAxis)->FitToData();
    plot->YAxisByName(PositionAxis)->FitToData();
    plot->YAxisByName(PressureAxis)->FitToData();
}

QString pressureAxisTitle(const QString& unitText)
{
    return QStringLiteral("Pressure [") + unitText + QLatin1Char(']');
}

// |first - second| of two result texts.
AutoString difference(const AutoString& first, const AutoString& second)
{
    const double value = NumberText::toDouble(first.toQString()) - NumberText::toDouble(second.toQString());
    return AutoString(NumberText::format("%5.2f", std::fabs(value)));
}

} // namespace

void CPSTCompareReport::SetupSrcPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    PstChannels::LayOut(plot, PstChannels::ScratchRows.data(), PstChannels::ScratchRows.size());
}

void CPSTCompareReport::SetupDestPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    PstChannels::LayOut(plot, PstChannels::CompareRows.data(), PstChannels::CompareRows.size());
}

bool CPSTCompareReport::LoadFile_1(IPlotPtr scratch, IPlotPtr visible)
{
    ModuleStateGuard moduleState;
    return TakeCompareFile1(
        openFile(scratch), visible,
        { &m_strTag1, &m_strTag2, &m_strTestDate1, &m_strTestDate2, &m_strFileName1, &m_strFileName2,
            &m_strBreakAwayTime1, &m_strBreakAwayTime2, &m_strBreakAwayTimeDiff, &m_strTimeToTargetResult1,
            &m_strTimeToTargetResult2, &m_strTimeToTargetResultDiff, &m_strBreakAwayPressure1, &m_strBreakAwayPressure2,
            &m_strBreakAwayPressureDiff, &m_strBreakAwayUnit1, &m_strBreakAwayUnit2, &m_strResult1, &m_strResult2 },
        { &m_strStartPosition1, &m_strStartPosition2, &m_strStopPosition1, &m_strStopPosition2, &m_strTimeToTarget1,
            &m_strTimeToTarget2, &m_strTestDuration1, &m_strTestDuration2 },
        [&](const QString& path, const PstCompare::FileValues& values) {
            const QString title = pressureAxisTitle(values.unitText);
            m_strFileName1 = AutoString(path);
            m_strStartPosition1 = AutoString(values.start);
            m_strStopPosition1 = AutoString(values.stop);
            m_strTimeToTarget1 = AutoString(values.timeToTarget);
            m_strTestDuration1 = AutoString(values.duration);
            m_bSingleActing1 = values.singleActing;
            m_bPressureSensor1 = values.pressureSensor;
            m_strTestDate1 = AutoString(values.testDate);
            m_strBreakAwayUnit1 = AutoString(values.unitText);
            scratch->YAxisByName(PressureAxis)->SetTitle(title);
            m_strTag1 = AutoString(values.tag);
            m_strBreakAwayTime1 = AutoString(values.breakAwayTime);
            m_strBreakAwayPressure1 = AutoString(values.breakAwayPressure);
            m_strTimeToTargetResult1 = AutoString(values.timeToTargetResult);
            m_strResult1 = AutoString(values.result);
        },
        [&](const PstCompare::FileValues& values) {
            const QString title = pressureAxisTitle(values.unitText);
            const bool pressure = m_bPressureSensor1 != 0;
            const bool port2 = pressure && m_bSingleActing1 == 0;
            const std::pair<const char*, bool> copies[] = { { "Position", true }, { "Command", true },
                { "Port1", pressure }, { "Port2", port2 }, { "ILCmd", true }, { "ILPOS", true } };
            for (const auto& [name, shown] : copies)
                LoadChannel(AutoString(name), AutoString(name), shown, scratch, visible);
            fitAxes(visible);
            visible->YAxisByName(PressureAxis)->SetTitle(title);
        });
}

bool CPSTCompareReport::LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent)
{
    ModuleStateGuard moduleState;
    // File 2 as it was: what the user does not accept (or what cannot be
    // compared) leaves it, and its differences, as shown before.
    return TakeCompareFile2(
        openFile(scratch), *this, parent,
        [this](const QString& path, const PstCompare::FileValues& values) {
            m_strFileName2 = AutoString(path);
            m_strStartPosition2 = AutoString(values.start);
            m_strStopPosition2 = AutoString(values.stop);
            m_strTimeToTarget2 = AutoString(values.timeToTarget);
            m_strTestDuration2 = AutoString(values.duration);
            m_bSingleActing2 = values.singleActing;
            m_bPressureSensor2 = values.pressureSensor;
            m_strTestDate2 = AutoString(values.testDate);
            m_strBreakAwayUnit2 = AutoString(values.unitText);
            m_strTag2 = AutoString(values.tag);
            m_strBreakAwayTime2 = AutoString(values.breakAwayTime);
            m_strBreakAwayPressure2 = AutoString(values.breakAwayPressure);
            m_strTimeToTargetResult2 = AutoString(values.timeToTargetResult);
            m_strResult2 = AutoString(values.result);
            m_strBreakAwayTimeDiff = difference(m_strBreakAwayTime1, m_strBreakAwayTime2);
            m_strBreakAwayPressureDiff = difference(m_strBreakAwayPressure1, m_strBreakAwayPressure2);
            m_strTimeToTargetResultDiff = difference(m_strTimeToTargetResult1, m_strTimeToTargetResult2);
        },
        [this] {
            // The time to target setting may differ: the device judges each test by its own.
            return SameSettings(m_strStartPosition1, m_strStartPosition2, m_strStopPosition1, m_strStopPosition2,
                m_strTestDuration1, m_strTestDuration2, m_strBreakAwayUnit1, m_strBreakAwayUnit2);
        },
        [&] {
            const bool pressure = m_bPressureSensor2 != 0;
            const bool port2 = pressure && m_bSingleActing2 == 0;
            LoadCompareRows(
                PstChannels::CopyRows.data(), PstChannels::CopyRows.size(), pressure, port2, scratch, visible);
            fitAxes(visible);
        },
        ExportFailureText::FileOpen);
}
