#include "data_logger/DataLoggerFile.h"

#include "automation/ComError.h"
#include "controls/PlotDataFile.h"
#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "data_logger/DataLoggerPlot.h"
#include "ui/TimerService.h"

#include <algorithm>

namespace
{

using R = CDataLoggerReport;
using Slot = ResultSlot<R>;

// clang-format off
const std::vector<Slot> SettingsLayout {
    Slot { ResultValueKind::Number,   &R::m_strInterval },
    // The duration field holds 1 to 60 of its unit, whole ones.
    Slot { ResultValueKind::Number,   &R::m_strDuration, nullptr, ResultRange { 1, 60, true } },
    Slot { ResultValueKind::Number,   &R::m_strDurationUnit },
    Slot { ResultValueKind::Month },
    Slot { ResultValueKind::Day },
    Slot { ResultValueKind::Year },
    Slot { ResultValueKind::Flag,     nullptr, &R::m_bSingleActing },
    Slot { ResultValueKind::Flag,     nullptr, &R::m_bPressureSensor },
    Slot { ResultValueKind::UnitCode, nullptr, &R::m_nPressureUnit },
    Slot { ResultValueKind::UnitCode, nullptr, &R::m_nTemperatureUnit },
    Slot { ResultValueKind::UnitCode, nullptr, &R::m_nDeviceCode },
};
// clang-format on

const ResultFileFamily<R>& family()
{
    static const ResultFileFamily<R> logger = [] {
        ResultFileFamily<R> f;
        f.nameDialogs(QStringLiteral("Save DataLogger Results As"), QStringLiteral("Open DataLogger Results"),
            QStringLiteral("lgr"));
        // A file of another test has other channels: it is refused as a
        // whole, not read as a run without samples.
        f.signalChannels = ResultChannelNames(DataLoggerChannel::Samples);
        f.settings = SettingsLayout;
        // The tag only needs to be there: a load keeps the record's own.
        f.tag = &R::m_strTag;
        f.testDate = &R::m_strTestDate;
        return f;
    }();
    return logger;
}

IPlotAxisPtr requiredAxis(const IPlotPtr& plot, const char* name)
{
    IPlotAxisPtr axis = plot->YAxisByName(QString::fromLatin1(name));
    if (!axis)
        throw ComError(ComError::InvalidPointer, QStringLiteral("Invalid pointer"));
    return axis;
}

} // namespace

namespace DataLoggerFile
{

std::vector<double> SettingsValues(const CDataLoggerReport& record, const QDateTime& now)
{
    return ResultValuesOf(SettingsLayout, record, ResultDateToSave(record.m_strTestDate, now));
}

AutoString NarrowedTag(const AutoString& tag)
{
    const QString text = tag.toQString();
    for (qsizetype k = 0; k < text.size(); ++k) {
        if ((text.at(k).unicode() & 0xFF) == 0)
            return AutoString(text.left(k));
    }
    return tag;
}

UnitCodes ReadSettings(const ResultFileFrame::ChannelLookup& lookup, CDataLoggerReport& record)
{
    const uint8_t pressureUnit = record.m_nPressureUnit;
    const uint8_t temperatureUnit = record.m_nTemperatureUnit;
    ReadResultRecord(family(), lookup, record);
    // The file's unit codes only title the axes; the record keeps its own.
    const UnitCodes codes { record.m_nPressureUnit, record.m_nTemperatureUnit };
    record.m_nPressureUnit = pressureUnit;
    record.m_nTemperatureUnit = temperatureUnit;
    return codes;
}

std::vector<PlotChannelData> InPlotsOwnLook(const IPlotPtr& plot, std::vector<PlotChannelData>&& loaded)
{
    std::vector<PlotChannelData> taken;
    const int count = plot->ChannelCount();
    taken.reserve(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        PlotChannelData own = plot->Channel(k)->data();
        own.xs.clear();
        own.ys.clear();
        own.marked.clear();
        const auto file = std::find_if(loaded.begin(), loaded.end(),
            [&own](const PlotChannelData& c) { return c.name.compare(own.name, Qt::CaseInsensitive) == 0; });
        if (file != loaded.end()) {
            own.xs = std::move(file->xs);
            own.ys = std::move(file->ys);
            own.marked = std::move(file->marked);
            const bool sample = std::any_of(std::begin(DataLoggerChannel::Samples),
                std::end(DataLoggerChannel::Samples),
                [&own](const char* name) { return own.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; });
            if (sample)
                own.visible = own.legendVisible = file->visible;
            // A second channel of the same name in the file is not taken again.
            loaded.erase(file);
        }
        taken.push_back(std::move(own));
    }
    return taken;
}

QString PressureAxisTitle(uint8_t code)
{
    return ResultPressureAxisTitle(code);
}

QString TemperatureAxisTitle(uint8_t code)
{
    return code == 32 ? QStringLiteral("Temperature [\u00BAC]") : QStringLiteral("Temperature [\u00BAF]");
}

} // namespace DataLoggerFile

void CDataLoggerReport::SaveDataLogger(IPlotPtr plot) const
{
    ModuleStateGuard moduleState;
    const ResultFileFamily<R>& f = family();
    const QDateTime proposedAt = TimerService::instance().localNow();
    const std::optional<QString> path = ResultFileFrame::askSavePath(
        f.saveTitle, f.saveFilter, f.extension, ProposedResultFileName(m_strTag, proposedAt, f.extension));
    if (!path)
        return;
    try {
        // A run without a date of its own takes the day after the dialog closed.
        const QDateTime now = TimerService::instance().localNow();
        ResultFileFrame::writeHiddenChannels(
            plot, DataLoggerFile::SettingsValues(*this, now), std::nullopt, DataLoggerFile::NarrowedTag(m_strTag));
        plot->SaveDataFile(*path);
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

bool CDataLoggerReport::LoadDataLogger(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    const std::optional<QString> path
        = ResultFileFrame::askOpenPath(family().openTitle, family().openFilter, family().extension);
    if (!path)
        return false;
    try {
        // The file is read and checked on its own; only a whole, valid run
        // replaces the plot's points (moved, not copied: a run of weeks is
        // large), so a wrong file leaves an unsaved run as it was.
        std::vector<PlotChannelData> channels = PlotDataFile::load(*path);
        CDataLoggerReport loaded = *this;
        const DataLoggerFile::UnitCodes codes
            = DataLoggerFile::ReadSettings(ResultFileFrame::lookupIn(channels), loaded);
        const IPlotAxisPtr pressure = requiredAxis(plot, DataLoggerAxis::Pressure);
        const IPlotAxisPtr temperature = requiredAxis(plot, DataLoggerAxis::Temperature);
        plot->LoadDataFrom(DataLoggerFile::InPlotsOwnLook(plot, std::move(channels)));
        pressure->SetTitle(DataLoggerFile::PressureAxisTitle(codes.pressure));
        temperature->SetTitle(DataLoggerFile::TemperatureAxisTitle(codes.temperature));
        *this = loaded;
        return true;
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen);
        return false;
    }
}
