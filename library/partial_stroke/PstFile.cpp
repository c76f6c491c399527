#include "PstFile.h"

#include "PstChannels.h"

#include "automation/NumberText.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"

namespace PstFile
{

const ResultFileFamily<CPSTReport>& family()
{
    static const ResultFileFamily<CPSTReport> pst = [] {
        using Slot = ResultSlot<CPSTReport>;
        using Kind = ResultValueKind;
        ResultFileFamily<CPSTReport> f;
        f.nameDialogs(QStringLiteral("Save Partial Stroke Test Results As"),
            QStringLiteral("Open Partial Stroke Test Results"), QStringLiteral("pst"));
        f.signalChannels = ResultChannelNames(PstChannels::Signals);
        f.settings = {
            Slot { Kind::Number, &CPSTReport::m_strStartPosition },
            Slot { Kind::Number, &CPSTReport::m_strStopPosition },
            Slot { Kind::Number, &CPSTReport::m_strTimeToTarget },
            Slot { Kind::Number, &CPSTReport::m_strTestDuration },
            Slot { Kind::Month },
            Slot { Kind::Day },
            Slot { Kind::Year },
            Slot { Kind::UnitCode, nullptr, &CPSTReport::m_nPressureUnit },
            Slot { Kind::Flag, nullptr, &CPSTReport::m_bSingleActing },
            Slot { Kind::Flag, nullptr, &CPSTReport::m_bPressureSensor },
        };
        f.results = {
            Slot { Kind::Number, &CPSTReport::m_strBreakAwayTime },
            Slot { Kind::Number, &CPSTReport::m_strBreakAwayPressure },
            Slot { Kind::Number, &CPSTReport::m_strTimeToTargetResult },
            Slot { Kind::UnitCode, nullptr, &CPSTReport::m_nResult },
        };
        f.tag = &CPSTReport::m_strTag;
        // A loaded result keeps its own tag, unit and result code for a later
        // save or print.
        f.fileTag = &CPSTReport::m_strTag;
        f.testDate = &CPSTReport::m_strTestDate;
        f.completeRecord = [](CPSTReport& record, const PlotChannelData&) {
            const auto number = [](const AutoString& text) { return NumberText::toDouble(text.toQString()); };
            record.m_strBreakAwayTime = AutoString(NumberText::format("%3.2f", number(record.m_strBreakAwayTime)));
            record.m_strBreakAwayPressure
                = AutoString(NumberText::format("%6.2f", number(record.m_strBreakAwayPressure)));
            record.m_strTimeToTargetResult
                = AutoString(NumberText::format("%6.2f", number(record.m_strTimeToTargetResult)));
            record.m_strBreakAwayUnit = AutoString(pressureUnitText(record.m_nPressureUnit));
            record.m_strResult = AutoString(record.m_nResult == 1 ? QStringLiteral("Pass") : QStringLiteral("Fail"));
        };
        return f;
    }();
    return pst;
}

QString pressureUnitText(int unitCode)
{
    return ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerSqCm);
}

QString pressureAxisTitle(int unitCode)
{
    return ResultPressureAxisTitle(unitCode);
}

void readRecord(const ResultFileFrame::ChannelLookup& lookup, CPSTReport& record)
{
    // A file of another test (a step file renamed) lacks "Results"; one cut
    // short lacks settings points or signals.
    ReadResultRecord(family(), lookup, record);
}

} // namespace PstFile

void CPSTReport::SetupPSTPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    LayOutChannels(plot, PstChannels::Rows.data(), PstChannels::Rows.size(), { "TestSettings", "Results", "TagName" });
}

void CPSTReport::SavePST(IPlotPtr plot)
{
    SaveResultFile(PstFile::family(), *this, plot);
}

bool CPSTReport::LoadPST(IPlotPtr plot)
{
    return LoadResultFileWith<Plot>(
        PstFile::family(), *this, plot,
        [](Plot& scratch, CPSTReport& loaded) { PstFile::readRecord(ResultFileFrame::lookupIn(scratch), loaded); },
        [](const IPlotPtr& shown, const CPSTReport& record) {
            shown->YAxisByName(PstChannels::PressureAxis)->SetTitle(PstFile::pressureAxisTitle(record.m_nPressureUnit));
        });
}
