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
    FileValues values;
    values.tag = step.m_strTag.toQString();
    values.testDate = CompareFileDate(ResultFileFrame::required(lookup, ResultChannelName::TestSettings), 3);
    values.start = step.m_strStartPosition.toQString();
    values.stop = step.m_strStopPosition.toQString();
    values.hold = step.m_strHoldTime.toQString();
    values.singleActing = step.m_bSingleActing;
    values.pressureSensor = step.m_bPressureSensor;
    values.unitText = StepTestFile::pressureUnitText(step.m_nPressureUnit);
    return values;
}

} // namespace StepCompare

namespace
{

using namespace StepCompare;
using StepTestChannels::PressureAxis;

// The chosen file, read from the scratch plot; nothing when the user
// cancelled or the file was refused with "File open error.".
std::optional<CompareFile<FileValues>> openFile(const IPlotPtr& scratch)
{
    return OpenCompareFile(OpenDialog, scratch, &StepCompare::read);
}

// What the record keeps of each file; a new comparison empties both files'
// identity and puts "0.0" in their settings.
const CompareRecordLayout<CStepTestCompareReport, FileValues>& layout()
{
    using R = CStepTestCompareReport;
    using V = FileValues;
    static const CompareRecordLayout<R, V> fields = CompareRecordWithPositions<R, V>(&R::m_strFile1, &R::m_strFile2,
        {
            CompareTextField(&R::m_strHoldTime1, &R::m_strHoldTime2, &V::hold, "0.0"),
            CompareTextField(&R::m_strPressureUnit1, &R::m_strPressureUnit2, &V::unitText),
            CompareByteField(&R::m_bSingleActing1, &R::m_bSingleActing2, &V::singleActing),
            CompareByteField(&R::m_bPressureSensor1, &R::m_bPressureSensor2, &V::pressureSensor),
        });
    return fields;
}

} // namespace

bool CStepTestCompareReport::LoadFile_1(IPlotPtr scratch, IPlotPtr visible)
{
    ModuleStateGuard moduleState;
    return TakeCompareFile1(
        openFile(scratch), visible, *this, layout(),
        [&](const CompareFile<FileValues>& file) {
            PutCompareFile(*this, 1, file, layout());
            visible->YAxisByName(PressureAxis)->SetTitle(ComparePressureAxisTitle(file.values.unitText));
        },
        [&](const CompareFile<FileValues>& file) {
            ResetGridView(visible);
            const bool pressure = m_bPressureSensor1 != 0;
            const bool port2 = pressure && m_bSingleActing1 == 0;
            LoadCompareSources(CopyRows.data(), CopyRows.size(), pressure, port2, scratch, visible);
            visible->YAxisByName(PressureAxis)->SetTitle(ComparePressureAxisTitle(file.values.unitText));
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
        [this](const CompareFile<FileValues>& file) { PutCompareFile(*this, 2, file, layout()); },
        [this] {
            return SameSettings(m_strStartPosition1, m_strStartPosition2, m_strStopPosition1, m_strStopPosition2,
                m_strHoldTime1, m_strHoldTime2, m_bPressureSensor1, m_bPressureSensor2, m_bSingleActing1,
                m_bSingleActing2, m_strPressureUnit1, m_strPressureUnit2);
        },
        [&] {
            for (const CopyRow& row : CopyRows)
                for (const char* name : { row.second, row.difference })
                    OnCheckBoxChanged(visible, AutoString(name), false);
            const bool pressure = m_bPressureSensor2 != 0;
            const bool port2 = pressure && m_bSingleActing2 == 0;
            LoadCompareRows(CopyRows.data(), CopyRows.size(), pressure, port2, scratch, visible);
            StepTestChannels::ShowYAxis(visible, PressureAxis, pressure);
        },
        // The channels copied before a failure stay; the caller is told that
        // the comparison is not complete.
        { std::nullopt, CompareLoadText::MismatchedChannels, CompareLoadText::LoadCaption });
}
