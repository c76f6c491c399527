#include "RampCompare.h"
#include "RampTestChannels.h"
#include "RampTestFile.h"

#include "automation/ComError.h"
#include "automation/NumberText.h"
#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "ramp/CRampCompareReport.h"

#include <optional>

namespace RampCompare
{

namespace
{
constexpr int SettingsPoints = 18;
} // namespace

FileValues read(const ResultFileFrame::ChannelLookup& lookup)
{
    // A file of another test lacks some of the ramp's signal channels; the
    // settings must be all there, spring values included, whatever the
    // direction flag says.
    for (const char* name : RampTestChannels::SignalsInHidingOrder)
        ResultFileFrame::required(lookup, QString::fromLatin1(name));
    const PlotChannelData& settings = ResultFileFrame::required(lookup, ResultChannelName::TestSettings);
    ResultFileFrame::valueAt(settings, SettingsPoints - 1);
    RampTestFile::checkSettings(settings);
    const PlotChannelData& tag = ResultFileFrame::required(lookup, ResultChannelName::TagName);

    const auto value = [&settings](int index) { return ResultFileFrame::valueAt(settings, index); };
    const auto flag = [&value](int index) { return uint8_t(value(index) != 0.0 ? 1 : 0); };
    const auto datePart
        = [&value](int index) { return QString::number(static_cast<uint16_t>(HiddenChannelInteger(value(index)))); };
    const auto fixed = [&value](int index) { return NumberText::format("%3.2f", value(index)); };
    FileValues values;
    values.start = NumberText::fromSingle(value(0));
    values.stop = NumberText::fromSingle(value(1));
    values.hold = NumberText::fromSingle(value(2));
    values.duration = NumberText::fromSingle(value(3));
    values.biDirectional = flag(4);
    values.singleActing = flag(5);
    values.pressureSensor = flag(6);
    values.testDate = datePart(7) + QLatin1Char('/') + datePart(8) + QLatin1Char('/') + datePart(9);
    values.pressureUnit = static_cast<uint8_t>(HiddenChannelInteger(value(10)) & 0xFF);
    values.lengthUnit = static_cast<uint8_t>(HiddenChannelInteger(value(11)) & 0xFF);
    values.actuatorSize = fixed(12);
    values.strokeLength = fixed(13);
    if (values.biDirectional != 0) {
        values.springInitial = fixed(15);
        values.springFinal = fixed(16);
        values.springRate = fixed(17);
    } else {
        values.springInitial = NoSpringValue;
        values.springFinal = NoSpringValue;
        values.springRate = NoSpringValue;
    }
    values.tag = TagFromPoints(tag.ys).toQString();
    return values;
}

QString pressureUnitText(int unitCode)
{
    return ResultPressureUnitText(unitCode, PressureUnitSpelling::KgPerCm2);
}

QString pressureAxisTitle(const QString& unitText)
{
    return QStringLiteral("Pressure [") + unitText + QStringLiteral(" ]");
}

} // namespace RampCompare

namespace
{

using namespace RampCompare;
using RampTestChannels::CommandAxis;
using RampTestChannels::ForceAxis;
using RampTestChannels::PositionAxis;
using RampTestChannels::PressureAxis;
using RampTestChannels::TimeAxis;

// A chosen file that passed the checks, held in a plot of its own until the
// loader commits it.
struct CheckedFile {
    QString path;
    std::unique_ptr<XYPlot> plot;
    FileValues values;
};

// Asks for a file and checks it before anything of the comparison changes;
// nothing when the user cancelled or the file was refused with "File open
// error." (under `caption`).
std::optional<CheckedFile> chooseFile(const QString& caption)
{
    const std::optional<QString> path = ResultFileFrame::askOpenPath(OpenTitle, OpenFilter, Extension);
    if (!path)
        return std::nullopt;
    try {
        CheckedFile file { *path, std::make_unique<XYPlot>(), {} };
        file.plot->LoadDataFile(*path);
        file.values = read(ResultFileFrame::lookupIn(*file.plot));
        return file;
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen, caption);
        return std::nullopt;
    }
}

// The scratch plot takes the checked file's channels.
void intoScratch(const IXYPlotPtr& scratch, const CheckedFile& file, const QString& unitText)
{
    scratch->ClearAllData();
    scratch->LoadDataFrom(*file.plot);
    scratch->YAxisByName(PressureAxis)->SetTitle(pressureAxisTitle(unitText));
}

void fitAxes(const IXYPlotPtr& plot)
{
    plot->XAxisByName(TimeAxis)->FitToData();
    plot->XAxisByName(PositionAxis)->FitToData();
    plot->XAxisByName(CommandAxis)->FitToData();
    plot->YAxisByName(PositionAxis)->FitToData();
    plot->YAxisByName(PressureAxis)->FitToData();
    plot->YAxisByName(ForceAxis)->FitToData();
}

// One signal of file 2 copied with a marker every `spacing` points, and its
// difference to file 1 (none: the signal's difference follows later).
struct SecondFileCopy {
    const char* source;
    const char* second;
    const char* difference; // nullptr: no difference right after the copy
    int spacing;
};

// A difference made after a group of copies.
struct LateDifference {
    const char* first;
    const char* second;
    const char* difference;
    int spacing;
};

// The copies and differences of file 2 in the order they are made; the
// friction rows only for a bi-directional file 2.
constexpr SecondFileCopy TimeCopies[] = {
    { "Position", "Position2", "PositionDiff", 25 },
    { "Command", "Command2", "CommandDiff", 20 },
    { "Port1", "Port1_2", nullptr, 22 },
    { "Port2", "Port2_2", nullptr, 24 },
};
constexpr LateDifference PortDifferences[] = {
    { "Port1", "Port1_2", "Port1Diff", 22 },
    { "Port2", "Port2_2", "Port2Diff", 24 },
};
constexpr SecondFileCopy RelayCopies[] = {
    { "ILCmd", "ILCmd2", "ILCmdDiff", 26 },
    { "ILPOS", "ILPOS2", "ILPOSDiff", 28 },
    { "PvPPort1", "PvPPort12", nullptr, 25 },
    { "PvPPort2", "PvPPort22", nullptr, 20 },
    { "PvPPort1_2", "PvPPort1_2_2", nullptr, 22 },
    { "PvPPort2_2", "PvPPort2_2_2", nullptr, 24 },
};
constexpr LateDifference PressureDifferences[] = {
    { "PvPPort1", "PvPPort12", "PvPPort1Diff", 25 },
    { "PvPPort2", "PvPPort22", "PvPPort2Diff", 20 },
    { "PvPPort1_2", "PvPPort1_2_2", "PvPPort1_2Diff", 22 },
    { "PvPPort2_2", "PvPPort2_2_2", "PvPPort2_2Diff", 24 },
};
constexpr SecondFileCopy CommandCopies[] = {
    { "PosnvCmdOpen", "PosnvCmdOpen2", "PosnvCmdOpenDiff", 20 },
    { "PosnvCmdClose", "PosnvCmdClose2", "PosnvCmdCloseDiff", 22 },
    { "Port1vCmdOpen", "Port1vCmdOpen2", nullptr, 24 },
    { "Port1vCmdClose", "Port1vCmdClose2", nullptr, 25 },
    { "Port2vCmdOpen", "Port2vCmdOpen2", nullptr, 26 },
    { "Port2vCmdClose", "Port2vCmdClose2", nullptr, 28 },
};
constexpr LateDifference CommandPortDifferences[] = {
    { "Port1vCmdOpen", "Port1vCmdOpen2", "Port1vCmdOpenDiff", 24 },
    { "Port1vCmdClose", "Port1vCmdClose2", "Port1vCmdCloseDiff", 25 },
    { "Port2vCmdOpen", "Port2vCmdOpen2", "Port2vCmdOpenDiff", 26 },
    { "Port2vCmdClose", "Port2vCmdClose2", "Port2vCmdCloseDiff", 28 },
};
constexpr SecondFileCopy RelayCommandCopies[] = {
    { "ILCmdvCmdOpen", "ILCmdvCmdOpen2", "ILCmdvCmdOpenDiff", 30 },
    { "ILCmdvCmdClose", "ILCmdvCmdClose2", "ILCmdvCmdCloseDiff", 30 },
    { "ILPosnvCmdOpen", "ILPosnvCmdOpen2", "ILPosnvCmdOpenDiff", 18 },
    { "ILPosnvCmdClose", "ILPosnvCmdClose2", "ILPosnvCmdCloseDiff", 32 },
};
constexpr SecondFileCopy FrictionCopies[] = {
    { "Friction", "Friction2", nullptr, 30 },
    { "ThrustOpen", "ThrustOpen2", nullptr, 18 },
    { "ThrustClose", "ThrustClose2", nullptr, 32 },
};
constexpr LateDifference FrictionDifferences[] = {
    { "Friction", "Friction2", "FrictionDiff", 30 },
    { "ThrustOpen", "ThrustOpen2", "ThrustOpenDiff", 18 },
    { "ThrustClose", "ThrustClose2", "ThrustCloseDiff", 32 },
};

template <size_t N> void copyAll(const SecondFileCopy (&rows)[N], const IXYPlotPtr& scratch, const IXYPlotPtr& compare)
{
    for (const SecondFileCopy& row : rows) {
        LoadChannel(AutoString(row.source), AutoString(row.second), row.spacing, true, scratch, compare);
        if (row.difference)
            LoadDiffChannel(
                AutoString(row.source), AutoString(row.second), AutoString(row.difference), row.spacing, true, compare);
    }
}

template <size_t N> void differenceAll(const LateDifference (&rows)[N], const IXYPlotPtr& compare)
{
    for (const LateDifference& row : rows)
        LoadDiffChannel(
            AutoString(row.first), AutoString(row.second), AutoString(row.difference), row.spacing, true, compare);
}

// The file-1 signals in the order they are copied; friction and thrust only
// for a bi-directional file.
constexpr const char* FirstFileSignals[] = { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1",
    "PvPPort2", "PvPPort1_2", "PvPPort2_2", "PosnvCmdOpen", "PosnvCmdClose", "Port1vCmdOpen", "Port1vCmdClose",
    "Port2vCmdOpen", "Port2vCmdClose", "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen", "ILPosnvCmdClose" };
constexpr const char* FrictionSignals[] = { "Friction", "ThrustOpen", "ThrustClose" };

// The unit members exist once: the file loaded last sets them.
void setUnits(CRampCompareReport& record, const FileValues& values)
{
    record.m_nPressureUnit = values.pressureUnit;
    record.m_nLengthUnit = values.lengthUnit;
    const QString lengthUnit = RampTestFile::lengthUnitText(record.m_nLengthUnit);
    record.m_strSpringPressureUnit = AutoString(RampCompare::pressureUnitText(record.m_nPressureUnit));
    record.m_strStrokeLengthUnit = AutoString(lengthUnit);
    record.m_strActuatorSizeUnit
        = AutoString(record.m_nLengthUnit == 49 ? QStringLiteral("sq.cm") : QStringLiteral("sq.in"));
    record.m_strSpringRateUnit = AutoString((record.m_nPressureUnit == 6 ? QStringLiteral("lbs") : QStringLiteral("kg"))
        + QStringLiteral("/") + lengthUnit);
}

} // namespace

bool CRampCompareReport::LoadFile_1(IXYPlotPtr scratch, IXYPlotPtr compare, CReportHeader header)
{
    ModuleStateGuard moduleState;
    const std::optional<CheckedFile> file = chooseFile(QString());
    if (!file)
        return false;
    const FileValues& values = file->values;
    try {
        compare->ClearAllData();
        // A new comparison: file 2's values go too.
        for (AutoString* text :
            { &m_strTag1, &m_strTag2, &m_strTestDate1, &m_strTestDate2, &m_strFileName1, &m_strFileName2 })
            *text = AutoString("");
        for (AutoString* text : { &m_strStartPosition1, &m_strStartPosition2, &m_strStopPosition1, &m_strStopPosition2,
                 &m_strHoldTime1, &m_strHoldTime2, &m_strTestDuration1, &m_strTestDuration2 })
            *text = AutoString("0.0");
        for (AutoString* text : { &m_strActuatorSize1, &m_strActuatorSize2, &m_strActuatorSizeUnit, &m_strStrokeLength1,
                 &m_strStrokeLength2, &m_strStrokeLengthUnit, &m_strSpringRate1, &m_strSpringRate2,
                 &m_strSpringRateUnit, &m_strSpringInitial1, &m_strSpringInitial2, &m_strSpringPressureUnit,
                 &m_strSpringFinal1, &m_strSpringFinal2 })
            *text = AutoString("");
        m_bSingleActing1 = m_bSingleActing2 = 0;
        m_bBiDirectional1 = m_bBiDirectional2 = 1;
        m_bPressureSensor1 = m_bPressureSensor2 = 1;
        m_bShowPressure1 = m_bShowPressure2 = 1;

        const QString unitText = RampCompare::pressureUnitText(values.pressureUnit);
        intoScratch(scratch, *file, unitText);
        m_strFileName1 = AutoString(file->path);
        m_strStartPosition1 = AutoString(values.start);
        m_strStopPosition1 = AutoString(values.stop);
        m_strHoldTime1 = AutoString(values.hold);
        m_strTestDuration1 = AutoString(values.duration);
        m_bBiDirectional1 = values.biDirectional;
        m_bSingleActing1 = values.singleActing;
        m_bPressureSensor1 = values.pressureSensor;
        m_bShowPressure1 = values.pressureSensor;
        m_strTestDate1 = AutoString(values.testDate);
        setUnits(*this, values);
        m_strActuatorSize1 = AutoString(values.actuatorSize);
        m_strStrokeLength1 = AutoString(values.strokeLength);
        m_strSpringInitial1 = AutoString(values.springInitial);
        m_strSpringFinal1 = AutoString(values.springFinal);
        m_strSpringRate1 = AutoString(values.springRate);
        m_strTag1 = AutoString(values.tag);

        for (const char* name : FirstFileSignals)
            LoadChannel(AutoString(name), AutoString(name), true, scratch, compare);
        if (m_bBiDirectional1 != 0) {
            for (const char* name : FrictionSignals)
                LoadChannel(AutoString(name), AutoString(name), true, scratch, compare);
        }
        compare->YAxisByName(PressureAxis)->SetTitle(RampCompare::pressureAxisTitle(unitText));
        fitAxes(compare);
        ResetRampComparePlot(compare);
        SetRampView(compare, header);
        return true;
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen);
        return false;
    }
}

bool CRampCompareReport::LoadFile_2(IXYPlotPtr scratch, IXYPlotPtr compare, QWidget* parent, CReportHeader header)
{
    ModuleStateGuard moduleState;
    const std::optional<CheckedFile> file = chooseFile(LoadCaption);
    if (!file)
        return false;
    const FileValues& values = file->values;
    // File 2 and the units as they were: what the user does not accept (or
    // what cannot be compared) leaves them as shown before.
    const CRampCompareReport before = *this;
    try {
        const QString unitText = RampCompare::pressureUnitText(values.pressureUnit);
        intoScratch(scratch, *file, unitText);
        m_strFileName2 = AutoString(file->path);
        m_strStartPosition2 = AutoString(values.start);
        m_strStopPosition2 = AutoString(values.stop);
        m_strHoldTime2 = AutoString(values.hold);
        m_strTestDuration2 = AutoString(values.duration);
        m_bBiDirectional2 = values.biDirectional;
        m_bSingleActing2 = values.singleActing;
        m_bPressureSensor2 = values.pressureSensor;
        m_bShowPressure2 = values.pressureSensor;
        m_strTestDate2 = AutoString(values.testDate);
        setUnits(*this, values);
        m_strActuatorSize2 = AutoString(values.actuatorSize);
        m_strStrokeLength2 = AutoString(values.strokeLength);
        m_strSpringInitial2 = AutoString(values.springInitial);
        m_strSpringFinal2 = AutoString(values.springFinal);
        m_strSpringRate2 = AutoString(values.springRate);
        m_strTag2 = AutoString(values.tag);

        if (!SameSettings() && !ContinueDespiteOtherSettings(parent)) {
            *this = before;
            return false;
        }

        try {
            copyAll(TimeCopies, scratch, compare);
            differenceAll(PortDifferences, compare);
            copyAll(RelayCopies, scratch, compare);
            differenceAll(PressureDifferences, compare);
            copyAll(CommandCopies, scratch, compare);
            differenceAll(CommandPortDifferences, compare);
            copyAll(RelayCommandCopies, scratch, compare);
            if (m_bBiDirectional2 != 0) {
                copyAll(FrictionCopies, scratch, compare);
                differenceAll(FrictionDifferences, compare);
            }
        } catch (...) {
            // The channels copied so far stay; the comparison goes on to its view.
            ResultFileFrame::showFailure(MismatchedChannels, LoadCaption);
        }
        compare->YAxisByName(PressureAxis)->SetTitle(RampCompare::pressureAxisTitle(unitText));
        fitAxes(compare);
        ResetRampComparePlot(compare);
        SetRampView(compare, header);
        return true;
    } catch (...) {
        *this = before;
        ResultFileFrame::showFailure(ExportFailureText::FileOpen, LoadCaption);
        return false;
    }
}
