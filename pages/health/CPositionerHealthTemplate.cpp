#include "CPositionerHealth.h"

#include "IndicatorColours.h"
#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
constexpr unsigned Value = C::ReadOnly | C::AlignCenter;
constexpr unsigned Limit = C::AlignRight;

// A hidden spin beside a limit's edit: it holds the limit within its range.
ControlSpec spinBox(int id, int x, int y, double increment, double pageSize, double maximum)
{
    const QVariantMap properties { { QStringLiteral("Increment"), increment }, { QStringLiteral("Max"), maximum },
        { QStringLiteral("Min"), 0.0 }, { QStringLiteral("PageSize"), pageSize },
        { QStringLiteral("AllowKeyEdit"), true }, { QStringLiteral("CheckRange"), true } };
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, 12, 12, properties, C::Hidden);
}

const QString ImplicationsCaption = QStringLiteral("Implications and Possible Solutions");
const char* const HallSolution
    = "Check for adequate supply pressure.  A hall sensor problem may be cleared by briefly pushing the tapset "
      "button, which will force the positioner to use the parameters from the last valid calibration.  Check the "
      "internal wiring harnesses for good connections.  Check the pilot relay (spool) for sticking problems.  If the "
      "positioner still does not operate replace the piezo, driver module assembly, and/or pilot relay assembly.";
const char* const WearSolution = "Inspect for high air consumption and signs of wear.";

// The gauge groups stand one under another, each 66 dialog units below the last.
constexpr int G0 = 26;
constexpr int G1 = 92;
constexpr int G2 = 158;
constexpr int G3 = 224;
constexpr int Gb = 291;
}

// clang-format off
const PageTemplate CPositionerHealth::Template { 544, 396, {
    C::group(TemperatureGroupId, QStringLiteral("Positioner Temperature"), 3, G0, 367, 64),
    C::label(-1, QStringLiteral("Temperature Value:"), 10, G0 + 42, 70, 8),
    C::label(-1, QStringLiteral("Low Warning:"), 97, G0 + 42, 60, 8),
    C::label(-1, QStringLiteral("High Warning:"), 187, G0 + 42, 60, 8),
    C::edit(TemperatureEdit, 10, G0 + 51, 60, 12, Value),
    C::edit(LowTemperatureEdit, 86, G0 + 51, 60, 12, Value),
    C::edit(HighTemperatureEdit, 176, G0 + 51, 60, 12, Value),
    C::radio(TemperatureButton, ImplicationsCaption, 239, G0 + 10, 125, 14, C::GroupStart),

    C::group(ResponseGroupId, QStringLiteral("Pilot Relay Response Time"), 3, G1, 367, 64),
    C::label(-1, QStringLiteral("Response Value:"), 10, G1 + 42, 70, 8),
    C::label(-1, QStringLiteral("Warning:"), 97, G1 + 42, 60, 8),
    C::label(-1, QStringLiteral("Alarm:"), 187, G1 + 42, 60, 8),
    C::edit(ResponseEdit, 10, G1 + 51, 60, 12, Value),
    C::label(-1, QStringLiteral("ms"), 72, G1 + 53, 12, 8),
    C::edit(ResponseWarningEdit, 86, G1 + 51, 60, 12, Limit),
    spinBox(ResponseWarningSpin, 146, G1 + 51, 1, 10, 999),
    C::label(-1, QStringLiteral("ms"), 160, G1 + 53, 12, 8),
    // Where the hidden spin stands: the next edit leaves no room past "ms".
    C::picture(ResponseWarningMark, ValidityMark::ValidIcon, 148, G1 + 53, 8, 8),
    C::edit(ResponseAlarmEdit, 176, G1 + 51, 60, 12, Limit),
    spinBox(ResponseAlarmSpin, 236, G1 + 51, 1, 10, 1000),
    C::label(-1, QStringLiteral("ms"), 250, G1 + 53, 12, 8),
    C::picture(ResponseAlarmMark, ValidityMark::ValidIcon, 264, G1 + 53, 8, 8),
    C::radio(ResponseButton, ImplicationsCaption, 239, G1 + 10, 125, 14),

    C::group(CyclesGroupId, QStringLiteral("Pilot Relay Count"), 3, G2, 367, 64),
    C::label(-1, QStringLiteral("Current Value:"), 10, G2 + 42, 70, 8),
    C::label(-1, QStringLiteral("Initial Warning:"), 97, G2 + 42, 70, 8),
    C::label(-1, QStringLiteral("Full Warning:"), 187, G2 + 42, 60, 8),
    C::edit(CyclesEdit, 10, G2 + 51, 60, 12, Value),
    C::edit(CyclesInitialWarningEdit, 86, G2 + 51, 60, 12, Value),
    C::edit(CyclesFullWarningEdit, 176, G2 + 51, 60, 12, Limit),
    spinBox(CyclesFullWarningSpin, 236, G2 + 51, 1000, 100000, 400000000),
    C::picture(CyclesFullWarningMark, ValidityMark::ValidIcon, 250, G2 + 53, 8, 8),
    C::button(ResetCyclesButton, QStringLiteral("Reset Cycle Counter"), 239, G2 + 26, 90, 13),
    C::radio(CyclesButton, ImplicationsCaption, 239, G2 + 10, 125, 14),

    C::group(TravelGroupId, QStringLiteral("Pilot Relay Travel"), 3, G3, 367, 64),
    C::label(-1, QStringLiteral("Current Value:"), 10, G3 + 42, 70, 8),
    C::label(-1, QStringLiteral("Initial Warning:"), 97, G3 + 42, 70, 8),
    C::label(-1, QStringLiteral("Full Warning:"), 187, G3 + 42, 60, 8),
    C::edit(TravelEdit, 10, G3 + 51, 60, 12, Value),
    C::label(-1, QStringLiteral("%"), 72, G3 + 53, 12, 8),
    C::edit(TravelInitialWarningEdit, 86, G3 + 51, 60, 12, Value),
    C::label(-1, QStringLiteral("%"), 160, G3 + 53, 12, 8),
    C::edit(TravelFullWarningEdit, 176, G3 + 51, 60, 12, Limit),
    spinBox(TravelFullWarningSpin, 236, G3 + 51, 1000, 10, 400000000),
    C::label(-1, QStringLiteral("%"), 250, G3 + 53, 12, 8),
    C::picture(TravelFullWarningMark, ValidityMark::ValidIcon, 264, G3 + 53, 8, 8),
    C::button(ResetTravelButton, QStringLiteral("Reset Travel Counter"), 239, G3 + 26, 90, 13),
    C::radio(TravelButton, ImplicationsCaption, 239, G3 + 10, 125, 14),

    C::group(BinaryGroupId, QStringLiteral("Binary Indicators"), 3, Gb, 367, 101),
    C::label(FirstIndicatorCaption + 0, QStringLiteral("Shunt Voltage Reference Alarm"), 26, Gb + 12, 160, 9),
    C::label(FirstIndicatorCaption + 1, QStringLiteral("Piezo Voltage Error"), 26, Gb + 24, 160, 9),
    C::label(FirstIndicatorCaption + 2, QStringLiteral("Watch Dog Timeout"), 26, Gb + 36, 160, 9),
    C::label(FirstIndicatorCaption + 3, QStringLiteral("NVRam Checksum"), 26, Gb + 48, 160, 9),
    C::label(FirstIndicatorCaption + 4, QStringLiteral("Electronic Inability to Fail Safe"), 26, Gb + 60, 160, 9),
    C::label(FirstIndicatorCaption + 5, QStringLiteral("Hall Sensor Upper Position"), 26, Gb + 72, 160, 9),
    C::label(FirstIndicatorCaption + 6, QStringLiteral("Hall Sensor Lower Position"), 26, Gb + 84, 160, 9),
    C::radio(ShuntVoltageButton, ImplicationsCaption, 239, Gb + 11, 125, 10),
    C::radio(PiezoVoltageButton, ImplicationsCaption, 239, Gb + 23, 125, 10),
    C::radio(WatchDogButton, ImplicationsCaption, 239, Gb + 35, 125, 10),
    C::radio(NvRamButton, ImplicationsCaption, 239, Gb + 47, 125, 10),
    C::radio(FailSafeButton, ImplicationsCaption, 239, Gb + 59, 125, 10),
    C::radio(HallUpperButton, ImplicationsCaption, 239, Gb + 71, 125, 10),
    C::radio(HallLowerButton, ImplicationsCaption, 239, Gb + 83, 125, 10),

    C::group(-1, QStringLiteral("Implications"), 377, 26, 144, 170),
    C::edit(ImplicationsEdit, 380, 35, 138, 157, C::ReadOnly | C::MultiLine | C::VScroll),
    C::group(-1, QStringLiteral("Possible Solution"), 377, 198, 144, 170),
    C::edit(SolutionsEdit, 380, 207, 138, 157, C::ReadOnly | C::MultiLine | C::VScroll),
    C::button(ApplyButton, QStringLiteral("Apply"), 411, 376, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 467, 376, 50, 14),

    C::placeholder(LowTemperatureKeyHost, 86, G0 + 42, 9, 8),
    C::placeholder(HighTemperatureKeyHost, 176, G0 + 42, 9, 8),
    C::placeholder(ResponseWarningKeyHost, 86, G1 + 42, 9, 8),
    C::placeholder(ResponseAlarmKeyHost, 176, G1 + 42, 9, 8),
    C::placeholder(CyclesInitialKeyHost, 86, G2 + 42, 9, 8),
    C::placeholder(CyclesFullKeyHost, 176, G2 + 42, 9, 8),
    C::placeholder(TravelInitialKeyHost, 86, G3 + 42, 9, 8),
    C::placeholder(TravelFullKeyHost, 176, G3 + 42, 9, 8),
    C::placeholder(TemperatureGaugeHost, 10, G0 + 10, 211, 31),
    C::placeholder(ResponseGaugeHost, 10, G1 + 10, 211, 30),
    C::placeholder(CyclesGaugeHost, 10, G2 + 10, 211, 30),
    C::placeholder(TravelGaugeHost, 10, G3 + 10, 211, 30),
    C::placeholder(FirstIndicatorHost + 0, 10, Gb + 11, 10, 10),
    C::placeholder(FirstIndicatorHost + 1, 10, Gb + 23, 10, 10),
    C::placeholder(FirstIndicatorHost + 2, 10, Gb + 35, 10, 10),
    C::placeholder(FirstIndicatorHost + 3, 10, Gb + 47, 10, 10),
    C::placeholder(FirstIndicatorHost + 4, 10, Gb + 59, 10, 10),
    C::placeholder(FirstIndicatorHost + 5, 10, Gb + 71, 10, 10),
    C::placeholder(FirstIndicatorHost + 6, 10, Gb + 83, 10, 10),
} };

const CPositionerHealth::ColourKey CPositionerHealth::ColourKeys[8] {
    { LowTemperatureKeyHost, 149 },
    { HighTemperatureKeyHost, 151 },
    { ResponseWarningKeyHost, 149 },
    { ResponseAlarmKeyHost, 155 },
    { CyclesInitialKeyHost, 149 },
    { CyclesFullKeyHost, 151 },
    { TravelInitialKeyHost, 149 },
    { TravelFullKeyHost, 151 },
};

const CPositionerHealth::GaugeSetup CPositionerHealth::Gauges[GaugeCount] {
    { Temperature, TemperatureGaugeHost, TemperatureGaugeId, -50, 200,
        { IndicatorColour::Yellow, IndicatorColour::Amber }, { 0, 0 }, { false, false } },
    { Response, ResponseGaugeHost, ResponseGaugeId, 0, 1000,
        { IndicatorColour::Yellow, IndicatorColour::Red }, { 0, 0 }, { true, true } },
    { Cycles, CyclesGaugeHost, CyclesGaugeId, 0, 400000000,
        { IndicatorColour::Yellow, IndicatorColour::Amber }, { 50, 0 }, { false, true } },
    { Travel, TravelGaugeHost, TravelGaugeId, 0, 400000000,
        { IndicatorColour::Yellow, IndicatorColour::Amber }, { 0, 100 }, { false, true } },
};

const CPositionerHealth::IndicatorLed CPositionerHealth::IndicatorLeds[7] {
    { FirstIndicatorHost + 0, 5072, ShuntVoltageButton },
    { FirstIndicatorHost + 1, 5066, PiezoVoltageButton },
    { FirstIndicatorHost + 2, 5067, WatchDogButton },
    { FirstIndicatorHost + 3, 5068, NvRamButton },
    { FirstIndicatorHost + 4, 5069, FailSafeButton },
    { FirstIndicatorHost + 5, 5070, HallUpperButton },
    { FirstIndicatorHost + 6, 5071, HallLowerButton },
};
// clang-format on

namespace
{
QString helpTip(const char* subject)
{
    return QStringLiteral("Select this button to display the Implications and Possible Solutions related to %1 "
                          "(See boxes to your right).")
        .arg(QString::fromLatin1(subject));
}
}

const ToolTipTable CPositionerHealth::ToolTips {
    { TemperatureGaugeId, QStringLiteral("Positioner Temperature") },
    { TemperatureButton, helpTip("High and Low temperature") },
    { TemperatureEdit, QStringLiteral("Current positioner temperature in user selected units.") },
    { LowTemperatureEdit, QStringLiteral("Lowest operating temperature.") },
    { HighTemperatureEdit, QStringLiteral("Highest operating temperature.") },
    { ResponseGaugeId, QStringLiteral("Pilot Relay Response Time(ms)") },
    { ResponseButton, helpTip("Pilot Relay Response") },
    { ResponseEdit, QStringLiteral("Pilot Relay response reading from positioner.") },
    { ResponseWarningEdit, QStringLiteral("Pilot relay response warning threshold value.") },
    { ResponseAlarmEdit, QStringLiteral("Pilot relay response alarm threshold value.") },
    { CyclesGaugeId, QStringLiteral("Pilot Relay Count") },
    { CyclesButton, helpTip("High and Low Pilot Relay Cycle limits") },
    { CyclesEdit, QStringLiteral("Current pilot relay cycle count reading from positioner.") },
    { CyclesInitialWarningEdit,
        QStringLiteral("Pilot relay cycle count value at which warning begins.  90% of Pilot Relay High Cycle Count "
                       "limit.") },
    { CyclesFullWarningSpin, QStringLiteral("High Pilot Relay Cycle Alarm Threshold.") },
    { ResetCyclesButton, QStringLiteral("Reset Pilot Relay Cycle Counter to Zero (0).") },
    { TravelGaugeId, QStringLiteral("Pilot Relay Travel") },
    { TravelButton, helpTip("High and Low Pilot Relay Travel limits") },
    { TravelEdit, QStringLiteral("Current pilot relay travel reading from positioner.") },
    { TravelInitialWarningEdit,
        QStringLiteral("Pilot relay travel value at which warning begins.  90% of Pilot Relay High Travel limit.") },
    { TravelFullWarningSpin, QStringLiteral("High Pilot Relay Travel Alarm Threshold.") },
    { ResetTravelButton, QStringLiteral("Reset the Pilot Relay accumulated travel to Zero (0).") },
    { ImplicationsEdit, QStringLiteral("Implications") },
    { SolutionsEdit, QStringLiteral("Possible Solutions") },
    { ShuntVoltageButton, helpTip("Shunt Voltage Reference error") },
    { PiezoVoltageButton, helpTip("Piezo Voltage error") },
    { WatchDogButton, helpTip("Watch Dog Timeout error") },
    { NvRamButton, helpTip("NVRam Checksum error") },
    { HallUpperButton, helpTip("Hall Sensor Upper Position error") },
    { FailSafeButton, helpTip("Electronic Inability to Fail Safe error") },
    { HallLowerButton, helpTip("Hall Sensor Lower Position error") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
};

// UTF-8: the texts hold a typographic apostrophe and degree signs.
const CPositionerHealth::Implication CPositionerHealth::Implications[11] {
    { TemperatureButton,
        "CIRCUIT BOARD TEMPERATURE WARNING indicates the internal electronics have exceeded the user set limit.  The "
        "maximum limit of the electronics and default setting is 185\u00B0F (85\u00B0C).  High temperature may limit "
        "the life of the positioner.  The minimum limit of the electronics and the default setting is -40\u00B0F "
        "(-40\u00B0C).  Low temperature may inhibit responsiveness and accuracy.",
        "Regulate the temperature of the positioner.  If the temperature reading is in error, replace the main "
        "board." },
    { ResponseButton,
        "PILOT RELAY RESPONSE WARNING (user set) indicates that the pilot relay is sticking or slow to respond.  This "
        "affects the responsiveness, increases the chance of limit cycling and excessive air consumption. The pilot "
        "relay is part of the inner loop and consists of the driver module assembly with piezo (I-P relay) which is "
        "coupled to the pilot relay valve.  The value of this indicator corresponds with inner loop lag.  Delayed "
        "response can be caused by a partially clogged piezo or debris, oil, corrosion, or ice on the pilot relay, or "
        "low supply pressure.",
        "Check response of the valve.  If OK, adjust Pilot Relay Response limits.  Check the pilot relay for debris, "
        "oil, corrosion, ice on the pilot relay.  Clean or replace the pilot relay assemply.  Replace the piezo or "
        "driver module assembly.  Maintain a clean, water-free air/gas supply." },
    { CyclesButton,
        "PILOT CYCLES LIMIT ALERT (user set) indicates the pilot cycle limit set by the user has been exceeded. The "
        "pilot cycles indicate the activity level of the pilot relay as it maintains a valve\u2019s position.  "
        "Excessive cycles can contribute to a worn pilot relay which can lead to high air consumption.",
        WearSolution },
    { TravelButton,
        "PILOT TRAVEL LIMIT ALERT (user set) indicates the total accumulated pilot travel (in %) set by the user has "
        "been exceeded.  The pilot travel indicates the activity level of the pilot relay as it maintains a "
        "valve\u2019s position.  Excessive travel can contribute to a worn pilot relay which can lead to high air "
        "consumption.",
        WearSolution },
    { ShuntVoltageButton, "SHUNT VOLTAGE REFERENCE ALARM indicates that the circuit board is drawing too much power.",
        "Check internal wiring and connectors for electrical shorts.  If no shorts are found and alarm persists, "
        "replace the main circuit board." },
    { PiezoVoltageButton,
        "PIEZO VOLTAGE ALARM indicates the portion of the circuit board that drives the piezo is bad, or piezo valve "
        "itself is bad.",
        "If the unit is functioning and controlling, replace the peizo; if it does not operate, replace the main "
        "circuit board." },
    { WatchDogButton,
        "WATCH DOG TIME OUT ALARM indicates that functions in the firmware took longer than expected to execute.  "
        "This can be caused when intermittent operation occurs when connecting power.",
        "Remove power and then reconnect to clear this alarm.  If the alarm persists, replace the main circuit "
        "board." },
    { NvRamButton,
        "NON-VOLATILE RAM CHECKSUM ALARM indicates the checksum of the internal data was not updated correctly. This "
        "may affect the function of the positioner in various ways or not at all.",
        "Error may clear with time.  If error persists, cycle power and complete a Tapset. If the error still "
        "persists, replace the main circuit board." },
    { HallUpperButton,
        "HALL SENSOR UPPER POSITION ALARM indicates the pilot relay (spool) appears to be fixed at the upper "
        "(pressurized) limit and is not responding. This could be due to a hall sensor that is out of calibration, a "
        "broken piezo, stuck pilot relay (spool), or a wire connection problem.",
        HallSolution },
    { FailSafeButton,
        "ELECTRONIC INABILITY TO FAIL SAFE WARNING indicates that the piezo may be damaged.  This may prevent the "
        "proper failure position upon loss of signal/power.  This condition may occur briefly on an air-to-close "
        "valve that is held for long periods of time in the closed position, or and air-to-open valve held in the "
        "open position.",
        "If alarm persists for more than 30 minutes, the Piezo assembly is damaged and should be replaced." },
    { HallLowerButton,
        "HALL SENSOR LOWER POSITION ALARM indicates the pilot relay (spool) appears to be fixed at the lower "
        "(depressurized) limit and is not responding. This could be due to low supply pressure, a hall sensor that is "
        "out of calibration, a broken piezo, stuck pilot relay (spool), or a wire connection problem.",
        HallSolution },
};

// Whole milliseconds, cycles and percent up to their spins' maxima, as the
// device keeps them: a typed fraction is refused, not cut. A full warning's
// top follows its spin, which takes a higher device limit in.
const LimitFieldMarks::Field CPositionerHealth::LimitFields[6] {
    { ResponseWarningEdit, ResponseWarningMark, { 0.0, 999.0, FieldStep::Whole },
        QStringLiteral("the response warning") },
    { ResponseAlarmEdit, ResponseAlarmMark, { 0.0, 1000.0, FieldStep::Whole }, QStringLiteral("the response alarm") },
    { CyclesFullWarningEdit, CyclesFullWarningMark, { 0.0, 400000000.0, FieldStep::Whole },
        QStringLiteral("the cycle full warning") },
    { TravelFullWarningEdit, TravelFullWarningMark, { 0.0, 400000000.0, FieldStep::Whole },
        QStringLiteral("the travel full warning") },
    { CyclesInitialWarningEdit, 0, { 0.0, 4294967295.0 }, QStringLiteral("the cycle initial warning") },
    { TravelInitialWarningEdit, 0, { 0.0, 4294967295.0 }, QStringLiteral("the travel initial warning") },
};
