#include "RampTestFile.h"

#include "RampTestChannels.h"

#include "core/ModuleStateGuard.h"

namespace RampTestFile
{

namespace
{
constexpr int PressureCodePoint = 10;
constexpr int LengthCodePoint = 11;
constexpr int ActuatorSizePoint = 12;
constexpr int StrokeLengthPoint = 13;
constexpr int SpringInitialPoint = 15;
constexpr int SpringFinalPoint = 16;
constexpr int SpringRatePoint = 17;
const QString NoSpringValue = QStringLiteral(" - ");
} // namespace

const ResultFileFamily<CRampReport>& family()
{
    static const ResultFileFamily<CRampReport> ramps = [] {
        using Slot = ResultSlot<CRampReport>;
        using Kind = ResultValueKind;
        ResultFileFamily<CRampReport> f;
        f.saveTitle = QStringLiteral("Save Ramp Test Results As");
        f.openTitle = QStringLiteral("Open Ramp Test Results");
        f.saveFilter = QStringLiteral("(*.rmp)|*.rmp|");
        f.openFilter = QStringLiteral("*.rmp|*.rmp|");
        f.extension = QStringLiteral("rmp");
        f.settings = {
            Slot { Kind::Number, &CRampReport::m_strStartPosition },
            Slot { Kind::Number, &CRampReport::m_strStopPosition },
            Slot { Kind::Number, &CRampReport::m_strHoldTime },
            Slot { Kind::Number, &CRampReport::m_strTestDuration },
            Slot { Kind::Flag, nullptr, &CRampReport::m_bBiDirectional },
            Slot { Kind::Flag, nullptr, &CRampReport::m_bSingleActing },
            Slot { Kind::Flag, nullptr, &CRampReport::m_bPressureSensor },
            Slot { Kind::Month },
            Slot { Kind::Day },
            Slot { Kind::Year },
            Slot { Kind::UnitCode, nullptr, &CRampReport::m_nPressureUnit },
            Slot { Kind::UnitCode, nullptr, &CRampReport::m_nLengthUnit },
            Slot { Kind::Number, &CRampReport::m_strActuatorSize },
            Slot { Kind::Number, &CRampReport::m_strStrokeLength },
            // The pressure data flag, which follows the pressure sensor flag.
            Slot { Kind::Flag, nullptr, &CRampReport::m_bPressureData },
            Slot { Kind::Number, &CRampReport::m_strSpringInitial },
            Slot { Kind::Number, &CRampReport::m_strSpringFinal },
            Slot { Kind::Number, &CRampReport::m_strSpringRate },
        };
        // A steep thrust over a short travel gives a spring far beyond the
        // integers; it is only shown, so the file the page saved opens again.
        f.measuredPoints = { SpringInitialPoint, SpringFinalPoint, SpringRatePoint };
        f.signalChannels = ResultChannelNames(RampTestChannels::SignalsInHidingOrder);
        f.tag = &CRampReport::m_strTag;
        // A loaded result keeps its own tag and unit codes for a later save.
        f.fileTag = &CRampReport::m_strTag;
        return f;
    }();
    return ramps;
}

void checkSettings(const PlotChannelData& settings)
{
    CheckResultSettings(family().settings, settings, family().measuredPoints);
}

QString pressureUnitText(int unitCode)
{
    return ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerSqCm);
}

QString lengthUnitText(int unitCode)
{
    switch (unitCode) {
    case 49:
        return QStringLiteral("mm");
    case 57:
        return QStringLiteral("%");
    case 143:
        return QStringLiteral("deg");
    default:
        return QStringLiteral("in.");
    }
}

void readRecord(const ResultFileFrame::ChannelLookup& lookup, CRampReport& record)
{
    // A file of another test (a step file renamed) lacks some of the signal
    // channels the ramp views draw.
    RequireSignalChannels(family(), lookup);
    const PlotChannelData& settings = ResultFileFrame::required(lookup, ResultChannelName::TestSettings);
    checkSettings(settings);
    const auto value = [&settings](int index) { return ResultFileFrame::valueAt(settings, index); };
    const auto flag = [&value](int index) { return uint8_t(value(index) == 1.0 ? 1 : 0); };
    record.m_strStartPosition = AutoString(NumberText::fromSingle(value(0)));
    record.m_strStopPosition = AutoString(NumberText::fromSingle(value(1)));
    record.m_strHoldTime = AutoString(NumberText::fromSingle(value(2)));
    record.m_strTestDuration = AutoString(NumberText::fromSingle(value(3)));
    record.m_bBiDirectional = flag(4);
    record.m_bSingleActing = flag(5);
    record.m_bPressureSensor = flag(6);
    record.m_bPressureData = record.m_bPressureSensor;
    for (int index = 7; index <= 9; ++index)
        value(index);
    const int pressureCode = HiddenChannelInteger(value(PressureCodePoint)) & 0xFF;
    const int lengthCode = HiddenChannelInteger(value(LengthCodePoint)) & 0xFF;
    record.m_nPressureUnit = uint8_t(pressureCode);
    record.m_nLengthUnit = uint8_t(lengthCode);
    const QString pressureUnit = pressureUnitText(pressureCode);
    const QString lengthUnit = lengthUnitText(lengthCode);
    record.m_strSpringPressureUnit = AutoString(pressureUnit);
    record.m_strStrokeLengthUnit = AutoString(lengthUnit);
    record.m_strActuatorSizeUnit = AutoString(lengthCode == 49 ? QStringLiteral("sq.cm") : QStringLiteral("sq.in"));
    record.m_strSpringRateUnit = AutoString(
        (pressureCode == 6 ? QStringLiteral("lbs") : QStringLiteral("kg")) + QStringLiteral("/") + lengthUnit);
    record.m_strActuatorSize = AutoString(NumberText::format("%3.1f", value(ActuatorSizePoint)));
    record.m_strStrokeLength = AutoString(NumberText::format("%3.2f", value(StrokeLengthPoint)));
    if (record.m_bBiDirectional != 0) {
        record.m_strSpringInitial = AutoString(NumberText::format("%3.2f", value(SpringInitialPoint)));
        record.m_strSpringFinal = AutoString(NumberText::format("%3.2f", value(SpringFinalPoint)));
        record.m_strSpringRate = AutoString(NumberText::format("%3.2f", value(SpringRatePoint)));
    } else {
        record.m_strSpringInitial = AutoString(NoSpringValue);
        record.m_strSpringFinal = AutoString(NoSpringValue);
        record.m_strSpringRate = AutoString(NoSpringValue);
    }
    record.m_strTag = TagFromPoints(ResultFileFrame::required(lookup, ResultChannelName::TagName).ys);
}

QString pressureAxisTitle(int unitCode)
{
    return QStringLiteral("Pressure [") + pressureUnitText(unitCode) + QStringLiteral(" ]");
}

} // namespace RampTestFile

void CRampReport::SaveRamp(IXYPlotPtr plot)
{
    ModuleStateGuard moduleState;
    // The pressure data flag goes with the pressure sensor flag.
    CRampReport saved = *this;
    saved.m_bPressureData = saved.m_bPressureSensor;
    SaveResultFile(RampTestFile::family(), saved, plot.query<Plot>());
}

bool CRampReport::LoadRamp(IXYPlotPtr plot)
{
    return LoadResultFileWith<XYPlot>(
        RampTestFile::family(), *this, plot,
        [](XYPlot& scratch, CRampReport& loaded) {
            RampTestFile::readRecord(ResultFileFrame::lookupIn(scratch), loaded);
        },
        [](const IXYPlotPtr& shown, const CRampReport& record) {
            shown->YAxisByName(RampTestChannels::PressureAxis)
                ->SetTitle(RampTestFile::pressureAxisTitle(record.m_nPressureUnit));
            shown->XAxisByName(RampTestChannels::TimeAxis)->FitToData();
            shown->YAxisByName(RampTestChannels::PressureAxis)->FitToData();
        });
}
