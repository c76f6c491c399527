#include "RampTestFile.h"

#include "RampTestChannels.h"

#include "automation/UnitText.h"
#include "core/ModuleStateGuard.h"

namespace RampTestFile
{

namespace
{
constexpr int ActuatorSizePoint = 12;
constexpr int StrokeLengthPoint = 13;
constexpr int SpringInitialPoint = 15;
constexpr int SpringFinalPoint = 16;
constexpr int SpringRatePoint = 17;
const QString NoSpringValue = QStringLiteral(" - ");

// The spring fields in the order of their bits at SpringNoValuePoint.
constexpr int SpringPoints[] = { SpringInitialPoint, SpringFinalPoint, SpringRatePoint };
constexpr AutoString CRampReport::*SpringTexts[]
    = { &CRampReport::m_strSpringInitial, &CRampReport::m_strSpringFinal, &CRampReport::m_strSpringRate };

// The spring points follow each other in the order of their bits.
int springBit(int point)
{
    return point >= SpringInitialPoint && point <= SpringRatePoint ? 1 << (point - SpringInitialPoint) : 0;
}

// A spring field as the file holds it: " - " where the run found none.
AutoString springText(const PlotChannelData& settings, int point)
{
    if (!springHolds(settings, point))
        return AutoString(NoSpringValue);
    return AutoString(NumberText::format("%3.2f", ResultFileFrame::valueAt(settings, point)));
}

// What the shared reader leaves: the unit texts, the size and stroke in
// their formats from the value the file holds, the pressure data flag as the
// sensor flag whatever its point says, and the spring only for a
// bi-directional test (" - " otherwise, and the file may end before it).
void completeRecord(CRampReport& record, const PlotChannelData& settings)
{
    const auto fixed = [&settings](const char* format, int index) {
        return AutoString(NumberText::format(format, ResultFileFrame::valueAt(settings, index)));
    };
    const UnitTexts units = unitTexts(record.m_nPressureUnit, record.m_nLengthUnit, PressureUnitSpelling::KgPerSqCm);
    record.m_strSpringPressureUnit = AutoString(units.springPressure);
    record.m_strStrokeLengthUnit = AutoString(units.strokeLength);
    record.m_strActuatorSizeUnit = AutoString(units.actuatorSize);
    record.m_strSpringRateUnit = AutoString(units.springRate);
    record.m_strActuatorSize = fixed("%3.1f", ActuatorSizePoint);
    record.m_strStrokeLength = fixed("%3.2f", StrokeLengthPoint);
    record.m_bPressureData = record.m_bPressureSensor;
    const bool biDirectional = record.m_bBiDirectional != 0;
    for (int k = 0; k < int(std::size(SpringPoints)); ++k)
        record.*SpringTexts[k] = biDirectional ? springText(settings, SpringPoints[k]) : AutoString(NoSpringValue);
}

// A spring field that shows no value is saved as 0 with its bit set at
// SpringNoValuePoint, so that it loads as " - " again.
void completeSettings(const CRampReport& record, std::vector<double>& settings)
{
    int bits = 0;
    for (int k = 0; k < int(std::size(SpringPoints)); ++k)
        if (showsNoValue((record.*SpringTexts[k]).toQString()))
            bits |= 1 << k;
    settings.resize(SpringNoValuePoint + 1, 0.0);
    settings[SpringNoValuePoint] = bits;
}
} // namespace

const ResultFileFamily<CRampReport>& family()
{
    static const ResultFileFamily<CRampReport> ramps = [] {
        using Slot = ResultSlot<CRampReport>;
        using Kind = ResultValueKind;
        ResultFileFamily<CRampReport> f;
        f.nameDialogs(QStringLiteral("Save Ramp Test Results As"), QStringLiteral("Open Ramp Test Results"),
            QStringLiteral("rmp"));
        f.settings = {
            Slot { Kind::Number, &CRampReport::m_strStartPosition },
            Slot { Kind::Number, &CRampReport::m_strStopPosition },
            Slot { Kind::Number, &CRampReport::m_strHoldTime },
            Slot { Kind::Number, &CRampReport::m_strTestDuration },
            Slot { Kind::ExactFlag, nullptr, &CRampReport::m_bBiDirectional },
            Slot { Kind::ExactFlag, nullptr, &CRampReport::m_bSingleActing },
            Slot { Kind::ExactFlag, nullptr, &CRampReport::m_bPressureSensor },
            Slot { Kind::Month },
            Slot { Kind::Day },
            Slot { Kind::Year },
            Slot { Kind::UnitCode, nullptr, &CRampReport::m_nPressureUnit },
            Slot { Kind::UnitCode, nullptr, &CRampReport::m_nLengthUnit },
            // Size, stroke, the pressure data flag and the spring: see completeRecord.
            Slot { Kind::Derived, &CRampReport::m_strActuatorSize },
            Slot { Kind::Derived, &CRampReport::m_strStrokeLength },
            Slot { Kind::Derived, nullptr, &CRampReport::m_bPressureData },
            Slot { Kind::Derived, &CRampReport::m_strSpringInitial },
            Slot { Kind::Derived, &CRampReport::m_strSpringFinal },
            Slot { Kind::Derived, &CRampReport::m_strSpringRate },
        };
        // A steep thrust over a short travel gives a spring far beyond the
        // integers; it is only shown, so the file the page saved opens again.
        f.measuredPoints = { SpringInitialPoint, SpringFinalPoint, SpringRatePoint };
        f.signalChannels = ResultChannelNames(RampTestChannels::SignalsInHidingOrder);
        f.tag = &CRampReport::m_strTag;
        // A loaded result keeps its own tag and unit codes for a later save.
        f.fileTag = &CRampReport::m_strTag;
        f.testDate = &CRampReport::m_strTestDate;
        f.completeRecord = completeRecord;
        f.completeSettings = completeSettings;
        return f;
    }();
    return ramps;
}

bool showsNoValue(const QString& text)
{
    const QString shown = text.trimmed();
    return shown.isEmpty() || shown == QStringLiteral("-");
}

bool springHolds(const PlotChannelData& settings, int point)
{
    // A file saved before the bits were kept holds every spring as a number.
    if (settings.ys.size() <= size_t(SpringNoValuePoint))
        return true;
    return (HiddenChannelInteger(settings.ys[SpringNoValuePoint]) & springBit(point)) == 0;
}

QString pressureUnitText(int unitCode)
{
    return ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerSqCm);
}

QString lengthUnitText(int unitCode)
{
    return TravelUnitText(unitCode);
}

void readRecord(const ResultFileFrame::ChannelLookup& lookup, CRampReport& record)
{
    // A file of another test (a step file renamed) lacks some of the signal
    // channels the ramp views draw.
    ReadResultRecord(family(), lookup, record);
}

UnitTexts unitTexts(int pressureUnit, int lengthUnit, const QString& kgPerSquareCentimetre)
{
    const QString length = lengthUnitText(lengthUnit);
    return UnitTexts {
        ResultPressureUnitText(pressureUnit, kgPerSquareCentimetre),
        length,
        lengthUnit == 49 ? QStringLiteral("sq.cm") : QStringLiteral("sq.in"),
        (pressureUnit == 6 ? QStringLiteral("lbs") : QStringLiteral("kg")) + QStringLiteral("/") + length,
    };
}

QString pressureAxisTitle(int unitCode)
{
    return ResultPressureAxisTitle(unitCode);
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
        });
}
