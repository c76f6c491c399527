#include "StepTestFile.h"

#include "StepTestChannels.h"

#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "ui/TimerService.h"

namespace StepTestFile
{

const ResultFileFamily<CStepTestReport>& family()
{
    static const ResultFileFamily<CStepTestReport> steps = [] {
        using Slot = ResultSlot<CStepTestReport>;
        using Kind = ResultValueKind;
        ResultFileFamily<CStepTestReport> f;
        f.nameDialogs(QStringLiteral("Save Step Test Results As"), QStringLiteral("Open Step Test Results"),
            QStringLiteral("stp"));
        f.signalChannels = ResultChannelNames(StepTestChannels::SignalsInHidingOrder);
        f.settings = {
            Slot { Kind::Number, &CStepTestReport::m_strStartPosition },
            Slot { Kind::Number, &CStepTestReport::m_strStopPosition },
            Slot { Kind::Number, &CStepTestReport::m_strHoldTime },
            Slot { Kind::Month },
            Slot { Kind::Day },
            Slot { Kind::Year },
            Slot { Kind::Flag, nullptr, &CStepTestReport::m_bSingleActing },
            Slot { Kind::Flag, nullptr, &CStepTestReport::m_bPressureSensor },
            Slot { Kind::UnitCode, nullptr, &CStepTestReport::m_nPressureUnit },
            Slot { Kind::Spare },
        };
        f.tag = &CStepTestReport::m_strTag;
        // A loaded result keeps its own tag and unit for a later save or print.
        f.fileTag = &CStepTestReport::m_strTag;
        f.testDate = &CStepTestReport::m_strTestDate;
        f.completeRecord = [](CStepTestReport& record, const PlotChannelData&) {
            record.m_strPressureAxisTitle = AutoString(pressureAxisTitle(record.m_nPressureUnit));
        };
        return f;
    }();
    return steps;
}

QString pressureUnitText(int unitCode)
{
    return ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerCm2);
}

QString pressureAxisTitle(int unitCode)
{
    return ResultPressureAxisTitle(unitCode);
}

void readRecord(const ResultFileFrame::ChannelLookup& lookup, CStepTestReport& record)
{
    // A file of another test (a partial stroke file renamed) lacks some of
    // the signal channels a step view draws.
    ReadResultRecord(family(), lookup, record);
}

} // namespace StepTestFile

namespace
{

void save(const CStepTestReport& record, const IPlotPtr& plot, const std::vector<double>& extra)
{
    const ResultFileFamily<CStepTestReport>& f = StepTestFile::family();
    const QDateTime now = TimerService::instance().localNow();
    const std::optional<QString> path = ResultFileFrame::askSavePath(
        f.saveTitle, f.saveFilter, f.extension, ProposedResultFileName(record.m_strTag, now, f.extension));
    if (!path)
        return;
    try {
        std::vector<double> settings = ResultValuesOf(
            f.settings, record, ResultDateToSave(record.m_strTestDate, TimerService::instance().localNow()));
        settings.insert(settings.end(), extra.begin(), extra.end());
        ResultFileFrame::writeHiddenChannels(plot, settings, std::nullopt, record.m_strTag);
        plot->SaveDataFile(*path);
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

} // namespace

void CStepTestReport::SaveStepTest(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    save(*this, plot, {});
}

void CStepTestReport::SaveStepTest(
    IPlotPtr plot, bool position, bool command, bool port1, bool port2, bool relayCommand, bool relayPosition)
{
    ModuleStateGuard moduleState;
    std::vector<double> shown;
    for (bool flag : { position, command, port1, port2, relayCommand, relayPosition })
        shown.push_back(flag ? 1.0 : 0.0);
    save(*this, plot, shown);
}

namespace
{

// Both loaders.
bool load(CStepTestReport& record, const IPlotPtr& plot, bool showSavedChannels)
{
    return LoadResultFileWith<Plot>(
        StepTestFile::family(), record, plot,
        [](Plot& scratch, CStepTestReport& loaded) {
            StepTestFile::readRecord(ResultFileFrame::lookupIn(scratch), loaded);
        },
        [showSavedChannels](const IPlotPtr& shown, CStepTestReport& loaded) {
            shown->YAxisByName(StepTestChannels::PressureAxis)->SetTitle(loaded.m_strPressureAxisTitle.toQString());
            if (showSavedChannels)
                loaded.SetStepLoadSettings(shown, true);
        });
}

} // namespace

bool CStepTestReport::LoadStepTest(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    return load(*this, plot, false);
}

bool CStepTestReport::LoadStepTest(IPlotPtr plot, bool)
{
    ModuleStateGuard moduleState;
    return load(*this, plot, true);
}

void CStepTestReport::SetStepLoadSettings(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    try {
        const bool pressure = m_bPressureSensor != 0;
        const bool port2 = pressure && m_bSingleActing == 0;
        StepTestChannels::ShowSignals(plot, false);
        const std::pair<const char*, bool> shown[] = { { "Position", true }, { "Command", true }, { "Port1", pressure },
            { "Port2", port2 }, { "ILCmd", true }, { "ILPOS", true }, { "PvPPort1", pressure }, { "PvPPort2", port2 } };
        for (const auto& [name, show] : shown)
            OnCheckBoxChanged(plot, AutoString(name), show);
        StepTestChannels::ShowYAxis(plot, StepTestChannels::PressureAxis, pressure);
    } catch (...) {
        // Channels after a failing one stay hidden.
    }
}

void CStepTestReport::SetStepLoadSettings(IPlotPtr plot, bool)
{
    ModuleStateGuard moduleState;
    try {
        StepTestChannels::ShowSignals(plot, false);
        const IPlotChannelPtr settings
            = GetDispatchDriverIPlotXChannelByName(plot, AutoString(ResultChannelName::TestSettings));
        const char* names[] = { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" };
        for (int k = 0; k < 6; ++k)
            OnCheckBoxChanged(plot, AutoString(names[k]), HiddenChannelInteger(settings->GetY(10 + k)) == 1);
    } catch (...) {
        // A file saved without the channel flags leaves every signal hidden.
    }
}
