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

FileValues read(const ResultFileFrame::ChannelLookup& lookup)
{
    // Unlike a load, the comparison shows the spring values whatever the
    // direction flag says, so every settings point must be there.
    const PlotChannelData& settings = CheckResultFile(RampTestFile::family(), lookup);
    ResultFileFrame::valueAt(settings, RampTestFile::SettingsPoints - 1);
    const PlotChannelData& tag = ResultFileFrame::required(lookup, ResultChannelName::TagName);

    const auto value = [&settings](int index) { return ResultFileFrame::valueAt(settings, index); };
    const auto flag = [&value](int index) { return uint8_t(value(index) != 0.0 ? 1 : 0); };
    const auto fixed = [&value](int index) { return NumberText::format("%3.2f", value(index)); };
    FileValues values;
    values.start = NumberText::fromSingle(value(0));
    values.stop = NumberText::fromSingle(value(1));
    values.hold = NumberText::fromSingle(value(2));
    values.duration = NumberText::fromSingle(value(3));
    values.biDirectional = flag(4);
    values.singleActing = flag(5);
    values.pressureSensor = flag(6);
    values.testDate = CompareFileDate(settings, 7);
    values.pressureUnit = static_cast<uint8_t>(HiddenChannelInteger(value(10)) & 0xFF);
    values.lengthUnit = static_cast<uint8_t>(HiddenChannelInteger(value(11)) & 0xFF);
    values.actuatorSize = fixed(12);
    values.strokeLength = fixed(13);
    if (values.biDirectional != 0) {
        const auto spring
            = [&](int index) { return RampTestFile::springHolds(settings, index) ? fixed(index) : NoSpringValue; };
        values.springInitial = spring(15);
        values.springFinal = spring(16);
        values.springRate = spring(17);
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
using RampTestChannels::PressureAxis;

// A chosen file that passed the checks, held in a plot of its own until the
// loader takes it.
using CheckedFile = CompareFile<FileValues, XYPlot>;

// Nothing when the user cancelled or the file was refused with "File open
// error." (under `caption`); the scratch plot is left as it was then.
std::optional<CheckedFile> chooseFile(const IXYPlotPtr& scratch, const std::optional<QString>& caption)
{
    return OpenCompareFile<XYPlot>(OpenDialog, scratch, &RampCompare::read, caption);
}

// The scratch plot takes the checked file's channels.
void intoScratch(const IXYPlotPtr& scratch, const CheckedFile& file)
{
    scratch->ClearAllData();
    scratch->LoadDataFrom(*file.aside);
    scratch->YAxisByName(PressureAxis)->SetTitle(pressureAxisTitle(pressureUnitText(file.values.pressureUnit)));
}

// File 2's copies in the order they are made, table by table; a late
// difference is drawn after its table's copies. Friction and thrust only for
// a bi-directional file 2.
constexpr bool Late = true;
constexpr CompareCopyRow TimeCopies[] = {
    { "Position", "Position2", "PositionDiff", 25 },
    { "Command", "Command2", "CommandDiff", 20 },
    { "Port1", "Port1_2", "Port1Diff", 22, Late },
    { "Port2", "Port2_2", "Port2Diff", 24, Late },
};
constexpr CompareCopyRow RelayAndPressureCopies[] = {
    { "ILCmd", "ILCmd2", "ILCmdDiff", 26 },
    { "ILPOS", "ILPOS2", "ILPOSDiff", 28 },
    { "PvPPort1", "PvPPort12", "PvPPort1Diff", 25, Late },
    { "PvPPort2", "PvPPort22", "PvPPort2Diff", 20, Late },
    { "PvPPort1_2", "PvPPort1_2_2", "PvPPort1_2Diff", 22, Late },
    { "PvPPort2_2", "PvPPort2_2_2", "PvPPort2_2Diff", 24, Late },
};
constexpr CompareCopyRow CommandCopies[] = {
    { "PosnvCmdOpen", "PosnvCmdOpen2", "PosnvCmdOpenDiff", 20 },
    { "PosnvCmdClose", "PosnvCmdClose2", "PosnvCmdCloseDiff", 22 },
    { "Port1vCmdOpen", "Port1vCmdOpen2", "Port1vCmdOpenDiff", 24, Late },
    { "Port1vCmdClose", "Port1vCmdClose2", "Port1vCmdCloseDiff", 25, Late },
    { "Port2vCmdOpen", "Port2vCmdOpen2", "Port2vCmdOpenDiff", 26, Late },
    { "Port2vCmdClose", "Port2vCmdClose2", "Port2vCmdCloseDiff", 28, Late },
};
constexpr CompareCopyRow RelayCommandCopies[] = {
    { "ILCmdvCmdOpen", "ILCmdvCmdOpen2", "ILCmdvCmdOpenDiff", 30 },
    { "ILCmdvCmdClose", "ILCmdvCmdClose2", "ILCmdvCmdCloseDiff", 30 },
    { "ILPosnvCmdOpen", "ILPosnvCmdOpen2", "ILPosnvCmdOpenDiff", 18 },
    { "ILPosnvCmdClose", "ILPosnvCmdClose2", "ILPosnvCmdCloseDiff", 32 },
};
constexpr CompareCopyRow FrictionCopies[] = {
    { "Friction", "Friction2", "FrictionDiff", 30, Late },
    { "ThrustOpen", "ThrustOpen2", "ThrustOpenDiff", 18, Late },
    { "ThrustClose", "ThrustClose2", "ThrustCloseDiff", 32, Late },
};

// Every copy is shown: the ramp compare plot hides nothing by sensor.
template <size_t N> void copyAll(const CompareCopyRow (&rows)[N], const IXYPlotPtr& scratch, const IXYPlotPtr& compare)
{
    LoadCompareRows(rows, N, true, true, scratch, compare);
}

// The file-1 signals in the order they are copied; friction and thrust only
// for a bi-directional file.
constexpr const char* FirstFileSignals[] = { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1",
    "PvPPort2", "PvPPort1_2", "PvPPort2_2", "PosnvCmdOpen", "PosnvCmdClose", "Port1vCmdOpen", "Port1vCmdClose",
    "Port2vCmdOpen", "Port2vCmdClose", "ILCmdvCmdOpen", "ILCmdvCmdClose", "ILPosnvCmdOpen", "ILPosnvCmdClose" };
constexpr const char* FrictionSignals[] = { "Friction", "ThrustOpen", "ThrustClose" };

// What the record keeps of each file. A new comparison empties both files'
// identity and actuator values, puts "0.0" in their settings and takes both
// as double acting, bi-directional and with pressures.
const CompareRecordLayout<CRampCompareReport, FileValues>& layout()
{
    using R = CRampCompareReport;
    using V = FileValues;
    const char* const empty = "";
    const char* const zero = "0.0";
    static const CompareRecordLayout<R, V> fields
        = CompareRecordWithPositions<R, V>(&R::m_strFileName1, &R::m_strFileName2,
            {
                CompareTextField(&R::m_strHoldTime1, &R::m_strHoldTime2, &V::hold, zero),
                CompareTextField(&R::m_strTestDuration1, &R::m_strTestDuration2, &V::duration, zero),
                CompareTextField(&R::m_strActuatorSize1, &R::m_strActuatorSize2, &V::actuatorSize, empty),
                CompareTextField(&R::m_strStrokeLength1, &R::m_strStrokeLength2, &V::strokeLength, empty),
                CompareTextField(&R::m_strSpringRate1, &R::m_strSpringRate2, &V::springRate, empty),
                CompareTextField(&R::m_strSpringInitial1, &R::m_strSpringInitial2, &V::springInitial, empty),
                CompareTextField(&R::m_strSpringFinal1, &R::m_strSpringFinal2, &V::springFinal, empty),
                CompareByteField(&R::m_bSingleActing1, &R::m_bSingleActing2, &V::singleActing, uint8_t(0)),
                CompareByteField(&R::m_bBiDirectional1, &R::m_bBiDirectional2, &V::biDirectional, uint8_t(1)),
                CompareByteField(&R::m_bPressureSensor1, &R::m_bPressureSensor2, &V::pressureSensor, uint8_t(1)),
                CompareByteField(&R::m_bShowPressure1, &R::m_bShowPressure2, &V::pressureSensor, uint8_t(1)),
            });
    return fields;
}

// The unit members exist once: the file taken last sets them.
void setUnits(CRampCompareReport& record, const FileValues& values)
{
    record.m_nPressureUnit = values.pressureUnit;
    record.m_nLengthUnit = values.lengthUnit;
    const RampTestFile::UnitTexts units
        = RampTestFile::unitTexts(record.m_nPressureUnit, record.m_nLengthUnit, PressureUnitSpelling::KgPerCm2);
    record.m_strSpringPressureUnit = AutoString(units.springPressure);
    record.m_strStrokeLengthUnit = AutoString(units.strokeLength);
    record.m_strActuatorSizeUnit = AutoString(units.actuatorSize);
    record.m_strSpringRateUnit = AutoString(units.springRate);
}

// The compare plot after a file is taken: the pressure title of the file
// taken last and the ramp view.
void showTaken(
    CRampCompareReport& record, const IXYPlotPtr& compare, const FileValues& values, const CReportHeader& header)
{
    compare->YAxisByName(PressureAxis)->SetTitle(pressureAxisTitle(pressureUnitText(values.pressureUnit)));
    record.ResetRampComparePlot(compare);
    record.SetRampView(compare, header);
}

} // namespace

bool CRampCompareReport::LoadFile_1(IXYPlotPtr scratch, IXYPlotPtr compare, CReportHeader header)
{
    ModuleStateGuard moduleState;
    return TakeCompareFile1(
        chooseFile(scratch, std::nullopt), compare, *this, layout(),
        [&](const CheckedFile& file) {
            for (AutoString* unit :
                { &m_strActuatorSizeUnit, &m_strStrokeLengthUnit, &m_strSpringRateUnit, &m_strSpringPressureUnit })
                *unit = AutoString("");
            intoScratch(scratch, file);
            PutCompareFile(*this, 1, file, layout());
            setUnits(*this, file.values);
        },
        [&](const CheckedFile& file) {
            for (const char* name : FirstFileSignals)
                LoadChannel(AutoString(name), AutoString(name), true, scratch, compare);
            if (m_bBiDirectional1 != 0) {
                for (const char* name : FrictionSignals)
                    LoadChannel(AutoString(name), AutoString(name), true, scratch, compare);
            }
            showTaken(*this, compare, file.values, header);
        });
}

bool CRampCompareReport::LoadFile_2(IXYPlotPtr scratch, IXYPlotPtr compare, QWidget* parent, CReportHeader header)
{
    ModuleStateGuard moduleState;
    const std::optional<CheckedFile> file = chooseFile(scratch, CompareLoadText::LoadCaption);
    // File 2 and the units as they were: what the user does not accept (or
    // what cannot be compared) leaves them as shown before.
    return TakeCompareFile2(
        file, *this, parent,
        [&](const CheckedFile& taken) {
            intoScratch(scratch, taken);
            PutCompareFile(*this, 2, taken, layout());
            setUnits(*this, taken.values);
        },
        [this] { return SameSettings(); },
        [&] {
            copyAll(TimeCopies, scratch, compare);
            copyAll(RelayAndPressureCopies, scratch, compare);
            copyAll(CommandCopies, scratch, compare);
            copyAll(RelayCommandCopies, scratch, compare);
            if (m_bBiDirectional2 != 0)
                copyAll(FrictionCopies, scratch, compare);
        },
        // The channels copied before a failure stay, and the comparison goes
        // on to its view.
        { CompareLoadText::LoadCaption, CompareLoadText::MismatchedChannels, CompareLoadText::LoadCaption, true },
        [&] { showTaken(*this, compare, file->values, header); });
}
