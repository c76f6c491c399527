#include "PstCompare.h"

#include "PstChannels.h"
#include "PstFile.h"

#include "automation/ComError.h"
#include "automation/NumberText.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
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
    values.testDate = CompareFileDate(settings, 4);
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

// The chosen file, read from the scratch plot; nothing when the user
// cancelled or the file was refused with "File open error.".
std::optional<CompareFile<PstCompare::FileValues>> openFile(const IPlotPtr& scratch)
{
    return OpenCompareFile(PstCompare::OpenDialog, scratch, &PstCompare::read);
}

// What the record keeps of each file; a new comparison empties both files'
// identity and results and puts "0.0" in their settings.
const CompareRecordLayout<CPSTCompareReport, PstCompare::FileValues>& layout()
{
    using R = CPSTCompareReport;
    using V = PstCompare::FileValues;
    const char* const empty = "";
    const char* const zero = "0.0";
    static const CompareRecordLayout<R, V> fields = CompareRecordWithPositions<R, V>(&R::m_strFileName1,
        &R::m_strFileName2,
        {
            CompareTextField(&R::m_strTimeToTarget1, &R::m_strTimeToTarget2, &V::timeToTarget, zero),
            CompareTextField(&R::m_strTestDuration1, &R::m_strTestDuration2, &V::duration, zero),
            CompareTextField(&R::m_strBreakAwayTime1, &R::m_strBreakAwayTime2, &V::breakAwayTime, empty),
            CompareTextField(&R::m_strBreakAwayPressure1, &R::m_strBreakAwayPressure2, &V::breakAwayPressure, empty),
            CompareTextField(&R::m_strTimeToTargetResult1, &R::m_strTimeToTargetResult2, &V::timeToTargetResult, empty),
            CompareTextField(&R::m_strBreakAwayUnit1, &R::m_strBreakAwayUnit2, &V::unitText, empty),
            CompareTextField(&R::m_strResult1, &R::m_strResult2, &V::result, empty),
            CompareByteField(&R::m_bSingleActing1, &R::m_bSingleActing2, &V::singleActing),
            CompareByteField(&R::m_bPressureSensor1, &R::m_bPressureSensor2, &V::pressureSensor),
        });
    return fields;
}

// File 2's result less file 1's, the sign the plotted differences have: a
// later break-away reads as a positive difference in both.
AutoString difference(const AutoString& first, const AutoString& second)
{
    const double value = NumberText::toDouble(second.toQString()) - NumberText::toDouble(first.toQString());
    // Results equal to the hundredth are no difference, not "-0.00".
    const double hundredths = std::round(value * 100.0) / 100.0;
    return AutoString(NumberText::format("%5.2f", hundredths == 0.0 ? 0.0 : hundredths));
}

} // namespace

void CPSTCompareReport::SetupSrcPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    LayOutChannels(plot, PstChannels::ScratchRows.data(), PstChannels::ScratchRows.size());
}

void CPSTCompareReport::SetupDestPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    LayOutChannels(plot, PstChannels::CompareRows.data(), PstChannels::CompareRows.size());
}

bool CPSTCompareReport::LoadFile_1(IPlotPtr scratch, IPlotPtr visible)
{
    ModuleStateGuard moduleState;
    using File = CompareFile<PstCompare::FileValues>;
    return TakeCompareFile1(
        openFile(scratch), visible, *this, layout(),
        [&](const File& file) {
            // A new comparison has no differences yet.
            for (AutoString* text :
                { &m_strBreakAwayTimeDiff, &m_strTimeToTargetResultDiff, &m_strBreakAwayPressureDiff })
                *text = AutoString("");
            PutCompareFile(*this, 1, file, layout());
            scratch->YAxisByName(PressureAxis)->SetTitle(ComparePressureAxisTitle(file.values.unitText));
        },
        [&](const File& file) {
            const bool pressure = m_bPressureSensor1 != 0;
            const bool port2 = pressure && m_bSingleActing1 == 0;
            LoadCompareSources(
                PstChannels::CopyRows.data(), PstChannels::CopyRows.size(), pressure, port2, scratch, visible);
            visible->YAxisByName(PressureAxis)->SetTitle(ComparePressureAxisTitle(file.values.unitText));
        });
}

bool CPSTCompareReport::LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent)
{
    ModuleStateGuard moduleState;
    // File 2 as it was: what the user does not accept (or what cannot be
    // compared) leaves it, and its differences, as shown before.
    return TakeCompareFile2(
        openFile(scratch), *this, parent,
        [this](const CompareFile<PstCompare::FileValues>& file) {
            PutCompareFile(*this, 2, file, layout());
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
        });
}
