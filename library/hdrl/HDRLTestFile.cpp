#include "HDRLTestFile.h"

#include "HDRLAnalysis.h"
#include "HDRLTestChannels.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "ui/TimerService.h"

#include <optional>

namespace HDRLTestFile
{

const ResultFileFamily<CHDRLReport>& family()
{
    static const ResultFileFamily<CHDRLReport> hdrl = [] {
        using Slot = ResultSlot<CHDRLReport>;
        using Kind = ResultValueKind;
        ResultFileFamily<CHDRLReport> f;
        f.nameDialogs(QStringLiteral("Save HDRL Test Results As"), QStringLiteral("Open HDRL Test Results"),
            QStringLiteral("hdrl"));
        f.signalChannels = ResultChannelNames(HDRLTestChannels::DataChannels);
        f.settings = {
            Slot { Kind::Month },
            Slot { Kind::Day },
            Slot { Kind::Year },
            // At least the page's 6 s, at most the longest step its timer
            // can wait (2^31 - 1 ms): the plot's staircase is drawn from it.
            Slot { Kind::Number, &CHDRLReport::m_strPosSettlingTime, nullptr, ResultRange { 6, 2147483 } },
        };
        f.tag = &CHDRLReport::m_strTag;
        // A loaded result is saved again under its own tag.
        f.fileTag = &CHDRLReport::m_strTag;
        f.testDate = &CHDRLReport::m_strTestDate;
        return f;
    }();
    return hdrl;
}

namespace
{

// The file's own settling time, not its single-precision text: the
// staircase's times are multiples of it.
double settlingOf(const PlotChannelData& settings)
{
    return ResultFileFrame::valueAt(settings, HDRLTestChannels::SettingsPoints - 1);
}

} // namespace

double checkFile(const ResultFileFrame::ChannelLookup& lookup)
{
    // A file of another test (a partial stroke file renamed) lacks some of
    // the channels the HDRL views and the analysis read.
    return settlingOf(CheckResultFile(family(), lookup));
}

namespace
{

IPlotChannelPtr channel(const IPlotPtr& plot, const char* name)
{
    return GetDispatchDriverIPlotXChannelByName(plot, AutoString(name));
}

AutoString resultText(const std::optional<double>& value)
{
    return AutoString(value ? NumberText::fromDouble(*value) : QString());
}

} // namespace

void toStaircase(const IPlotPtr& plot, const QString& position, const QString& command, double settling)
{
    for (const QString& name : { position, command }) {
        const IPlotChannelPtr ch = GetDispatchDriverIPlotXChannelByName(plot, AutoString(name));
        std::vector<double> xs;
        std::vector<double> ys;
        for (int k = 0; k < HDRLTestChannels::StepCount; ++k) {
            xs.push_back(ch->GetX(k));
            ys.push_back(ch->GetY(k));
        }
        ch->Clear();
        for (int k = 0; k < HDRLTestChannels::StepCount; ++k) {
            ch->AddXY(k * settling, ys[size_t(k)]);
            if (k < HDRLTestChannels::StepCount - 1)
                ch->AddXY(xs[size_t(k)] + settling, ys[size_t(k)]);
        }
    }
}

void evaluate(const IPlotPtr& scratch, CHDRLReport& record)
{
    const ResultFileFrame::ChannelLookup lookup = ResultFileFrame::lookupIn(*scratch);
    ReadResultRecord(family(), lookup, record);
    const double settling = settlingOf(ResultFileFrame::required(lookup, ResultChannelName::TestSettings));
    if (channel(scratch, "Command")->Count() == HDRLTestChannels::StepCount)
        toStaircase(scratch, QStringLiteral("Position"), QStringLiteral("Command"), settling);
    double average = 0.0;
    double maximum = 0.0;
    std::optional<double> repeatAverage;
    std::optional<double> repeatMaximum;
    if (channel(scratch, "Command")->Count() == HDRLTestChannels::RunPoints) {
        CalculateRepeatError(scratch, 0, 0, &average, &maximum, 1);
        repeatAverage = average;
        repeatMaximum = maximum;
    }
    double linearity = 0.0;
    CalculateSum(scratch, 0, 0, &linearity, 1);
    std::optional<double> hysDeadAverage;
    std::optional<double> hysDeadMaximum;
    if (channel(scratch, "Command")->Count() == HDRLTestChannels::RunPoints) {
        CalculateHD_Error(scratch, 0, 0, &average, &maximum, 1);
        hysDeadAverage = average;
        hysDeadMaximum = maximum;
    }
    // A file that is no whole run has no repeatability or hysteresis: its
    // texts are emptied rather than left from the file shown before.
    record.m_strRepeatAverage = resultText(repeatAverage);
    record.m_strRepeatMaximum = resultText(repeatMaximum);
    record.m_strLinearError = AutoString(NumberText::fromDouble(linearity));
    record.m_strHysDeadAverage = resultText(hysDeadAverage);
    record.m_strHysDeadMaximum = resultText(hysDeadMaximum);
}

} // namespace HDRLTestFile

void CHDRLReport::SaveHDRL(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    const ResultFileFamily<CHDRLReport>& f = HDRLTestFile::family();
    const QDateTime now = TimerService::instance().localNow();
    const std::optional<QString> path = ResultFileFrame::askSavePath(
        f.saveTitle, f.saveFilter, f.extension, ProposedResultFileName(m_strTag, now, f.extension));
    if (!path)
        return;
    try {
        const ResultDate date = ResultDateToSave(m_strTestDate, TimerService::instance().localNow());
        ResultFileFrame::writeHiddenChannels(plot, ResultValuesOf(f.settings, *this, date), std::nullopt, m_strTag);
        plot->SaveDataFile(*path);
        HDRLTestChannels::ResetAxes(plot, NumberText::toDouble(m_strPosSettlingTime.toQString()));
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

bool CHDRLReport::LoadHDRL(IPlotPtr plot)
{
    // The file is evaluated whole in the scratch plot before anything is shown.
    return LoadResultFileWith<Plot>(
        HDRLTestFile::family(), *this, plot,
        [](Plot& scratch, CHDRLReport& loaded) { HDRLTestFile::evaluate(IPlotPtr(&scratch), loaded); },
        [](const IPlotPtr& shown, const CHDRLReport& record) {
            HDRLTestChannels::ResetAxes(shown, NumberText::toDouble(record.m_strPosSettlingTime.toQString()));
        });
}
