#include "AlarmStatusTables.h"

#include <algorithm>
#include <iterator>

namespace
{
struct StatusTexts {
    int status;
    const char* name;
    const char* help;
    const char* k40Name = nullptr; // the smaller model's wording, where it differs
    const char* k40Help = nullptr;
};

// clang-format off
const StatusTexts Table[] = {
    { 0, "Initializing Mode", "INITIALIZING MODE displays a blink sequence 3 times when the unit is powering up." },
    { 1, "Factory Reset State - Calibrate", "FACTORY RESET STATE indicates the unit has had a factory reset and has not yet been calibrated.  The positioner holds its default settings and will not position the valve correctly.  Run a stroke calibration to clear this state." },
    { 2, "Digital Command Mode", "DIGITAL COMMAND MODE indicates a HART signal is needed to change the position command and the analog 4-20 mA input signal is ignored." },
    { 3, "Squawk Mode On/Off", "SQUAWK MODE ON/OFF (user set) When ON, this indicates a user has set the positioner to flash a special sequence so that it can be visually located." },
    { 4, "Jog Command State - Control locally", "JOG COMMAND STATE indicates the unit has been placed in a local override mode where the valve can only be stroked using the two local jog buttons.  Control the valve using the jog buttons." },
    { 5, "Signature In Progress Mode", "SIGNATURE IN PROGRESS MODE indicates that a test has been initiated by Hollenby supplied software." },
    { 8, "Position Deviation Alarm", "POSITION DEVIATION ALARM (user set) indicates the difference between the command and the actual position has been greater than the user-set limit for longer than a user-set time." },
    { 9, "Soft Stop Upper Limit Alert", "SOFT STOP UPPER LIMIT ALERT (user set) indicates the unit is being commanded to exceed a user defined upper position limit and the internal software is holding the position at the limit.  The valve cannot be moved beyond this limit until the command returns inside it or the limit is changed.  Check the command signal and the upper soft stop setting." },
    { 10, "Soft Stop Lower Limit Alert", "SOFT STOP LOWER LIMIT ALERT (user set) indicates the unit is being commanded to exceed a user defined lower position limit and the internal software is holding the position at the limit.  The valve cannot be moved below this limit until the command returns inside it or the limit is changed.  Check the command signal and the lower soft stop setting." },
    { 11, "Position Upper Limit Alert", "POSITION UPPER LIMIT ALERT (user set) indicates the position has reached or is exceeding a user defined upper position indicator similar to a limit switch indicator." },
    { 12, "Position Lower Limit Alert", "POSITION LOWER LIMIT ALERT (user set) indicates the position has reached or is exceeding a user defined lower position indicator similar to a limit switch indicator." },
    { 13, "MPC Active Mode", "MPC ACTIVE MODE Tight shutoff (MPC) active (user set) indicates the command is beyond the user set limit for tight shutoff feature.  While it is active the actuator is driven fully to its end of travel to hold the valve tightly shut or fully open.  It clears when the command returns inside the tight shutoff limit." },
    { 14, "Local Interface Disabled/Enabled", "LOCAL INTERFACE DISABLED/ENABLED  When DISABLED, indicates PC software has been used to disable the local interface. This code is only present for a short time when the Tapset button is pressed." },
    { 15, "Error History Reset Alert", "ERROR HISTORY RESET ALERT momentarily indicates that a flag has been set for the positioner to clear its internal history.  The indication clears by itself once the history has been cleared.  No action is needed." },
    { 16, "Actuation Ratio Warning", "ACTUATION RATIO WARNING (user set) indicates a decreased ability of the system to actuate the valve.  The force available to move the valve is low compared with the force needed.  Check the supply pressure, the actuator size and the valve friction." },
    { 17, "Pneumatic Inability to Fail Safe Warning", "PNEUMATIC INABILITY TO FAIL SAFE WARNING indicates that upon loss of air supply, the valve may move to the fail-safe position.  The actuator may not be able to drive the valve to its fail-safe position with its spring alone.  Check the spring range and the actuator for leaks." },
    { 18, "Friction High Warning", "FRICTION HIGH WARNING (user set) indicates the vavle/actuator friction has passed the user set limit.  High friction can cause sticking, slow response and poor control.  Check the packing, the stem and the actuator for wear or damage." },
    { 19, "Friction Low Warning", "FRICTION LOW WARNING (user set) indicates the friction has passed below the user set limit." },
    { 20, "Friction High Alarm", "FRICTION HIGH ALARM (user set) indicates the valve/actuator friction has passed the user set limit.  The alarm indicates a more severe condition than the warning.  The valve may stick or fail to follow the command; service the packing, the stem and the actuator." },
    { 21, "Friction Low Alarm", "FRICTION LOW ALARM (user set) indicates the friction has passed below the user set limit.  The alarm indicates a more severe condition than the warning." },
    { 22, "Valve Cycles Limit Alert", "VALVE CYCLES LIMIT ALERT (user set) indicates that the cycle limit has been exceeded.  The cycle counting criterion and count limit are set by the user to track the usage of the valve." },
    { 23, "Valve Travel Limit Alert", "VALVE TRAVEL LIMIT ALERT (user set) indicates that the total accumulated travel limit has been exceeded.  The travel counting criterion and travel limit are set by the user to track the wear of the valve.  Plan maintenance of the packing and the trim." },
    { 24, "Stroke Calibration Mode", "STROKE CALIBRATION MODE indicates that the calibration sequence started either by using the local Tapset button or by Hollenby supplied software." },
    { 25, "Command Loop Calibration Mode", "COMMAND LOOP CALIBRATION MODE indicates the command calibration sequence started by using Hollenby supplied software." },
    { 26, "Pressure Calibration Mode", "PRESSURE CALIBRATION MODE indicates a pressure calibration sequence controlled by Hollenby supplied software." },
    { 27, "Analog Output Calibration Mode", "ANALOG OUTPUT CALIBRATION MODE indicates the analog output calibration sequence started, controlled by Hollenby supplied software." },
    { 28, "Set Inner Loop Offset Mode", "SET INNER LOOP OFFSET MODE indicates an automatic step in the calibration process that is done with the valve at 50% position.  This must be completed for proper calibration." },
    { 32, "Circuit Board Temperature High Warning", "CIRCUIT BOARD TEMPERATURE HIGH WARNING (user set) indicates the internal electronics have exceeded the user set limit.  Operation above the limit may shorten the life of the electronics.  Check the ambient temperature and any nearby sources of heat." },
    { 33, "Circuit Board Temperature Low Warning", "CIRCUIT BOARD TEMPERATURE LOW WARNING (user set) indicates the internal electronics have exceeded the user set limit.  Operation below the limit may slow the response of the positioner.  Check the ambient temperature and consider protecting the positioner from the cold." },
    { 34, "Shunt Voltage Reference Alarm", "SHUNT VOLTAGE REFERENCE ALARM indicates that the circuit board is drawing too much power." },
    { 35, "Piezo Voltage Alarm", "PIEZO VOLTAGE ALARM indicates the portion of the circuit board that drives the piezo is bad, or piezo valve itself is bad." },
    { 36, "Watch Dog Time Out Alarm", "WATCH DOG TIME OUT ALARM indicates that functions in the firmware took longer than expected to execute.  This can be caused when intermittent operation occurs when connecting power." },
    { 37, "Non-Volatile RAM Checksum Alarm", "NON-VOLATILE RAM CHECKSUM ALARM indicates the checksum of the internal data was not updated correctly. This may affect the function of the positioner in various ways or not at all." },
    { 39, "Electronic Inability to Fail Safe Warning", "ELECTRONIC INABILITY TO FAIL SAFE WARNING indicates that the piezo may be damaged.  The positioner may not be able to drive the valve to its fail-safe position when the signal is lost.  Contact Hollenby service." },
    { 40, "Supply Pressure Low Alarm", "SUPPLY PRESSURE LOW ALARM (user set) indicates that the supply pressure is below the user set alarm limit.  The positioner may not be able to move the valve over its full travel.  Check the air supply, the regulator and the supply lines." },
    { 41, "Supply Pressure High Warning", "SUPPLY PRESSURE HIGH WARNING indicates the positioner has determined that the supply pressure is above the user set warning limit.  A supply pressure above the actuator's rating may damage the actuator.  Check the setting of the supply regulator." },
    { 42, "Supply Pressure Low Warning", "SUPPLY PRESSURE LOW WARNING (user set) indicates the positioner has determined that the supply pressure is below the user set warning limit.  The valve may respond slowly or fail to reach its full travel.  Check the air supply, the regulator and the supply lines." },
    { 43, "Pressure Port 1 Out Of Range Warning", "PRESSURE PORT 1 OUT OF RANGE WARNING indicates the internal pressure sensor at port 1 is either saturated with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed." },
    { 44, "Pressure Port 2 Out Of Range Warning", "PRESSURE PORT 2 OUT OF RANGE WARNING indicates the internal pressure sensor at port 2 is either saturated with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed.", "Pressure Supply Out Of Range Warning", "PRESSURE SUPPLY OUT OF RANGE WARNING indicates the internal pressure sensor at supply port is either saturated with a pressure over 150 PSI (10.3 bar) or the sensor or sensor connection has failed." },
    { 45, "Pressure Port 1 Range Small Warning", "PRESSURE PORT 1 RANGE SMALL WARNING indicates that during a pressure sensor calibration the range of applied pressures to port 1 was too small for optimum performance." },
    { 46, "Pressure Port 2 Range Small Warning", "PRESSURE PORT 2 RANGE SMALL WARNING indicates that during a pressure sensor calibration the range of applied pressures to port 2 was too small for optimum performance.", "Pressure Supply Range Small Warning", "PRESSURE SUPPLY RANGE SMALL WARNING indicates that during a pressure sensor calibration the range of applied pressures to supply port was too small for optimum performance." },
    { 47, "Pneumatic Leak Warning", "PNEUMATIC LEAK WARNING (user set) indicates that the positioner has detected a leak in the actuation assembly.  A leak lowers the force available to move the valve and wastes air.  Check the tubing, the fittings and the actuator seals." },
    { 48, "Pilot Relay Response Warning", "PILOT RELAY RESPONSE WARNING (user set) indicates that the pilot relay is sticking or slow to respond.  Control may become sluggish or unstable.  Check the air supply for water, oil or dirt, and service the pilot relay." },
    { 49, "Pilot Relay Response Alarm", "PILOT RELAY RESPONSE ALARM (user set) indicates that the pilot relay is sticking or extremely slow to respond.  The positioner may lose control of the valve.  Check the air supply for water, oil or dirt, and service or replace the pilot relay." },
    { 50, "Pilot Cycles Limit Alert", "PILOT CYCLES LIMIT ALERT (user set) indicates the pilot cycle limit set by the user has been exceeded.  The cycle count is kept to track the wear of the pilot relay.  Plan maintenance of the pilot relay." },
    { 51, "Pilot Travel Limit Alert", "PILOT TRAVEL LIMIT ALERT (user set) indicates the total accumulated pilot travel (in %) set by the user has been exceeded.  The travel total is kept to track the wear of the pilot relay.  Plan maintenance of the pilot relay." },
    { 52, "Hall Sensor Upper Position Alarm", "HALL SENSOR UPPER POSITION ALARM indicates the pilot relay (spool) appears to be fixed at the upper (pressurized) limit and is not responding.  The valve may move to and stay at one end of its travel.  Check the air supply for dirt or moisture and service the pilot relay." },
    { 53, "Hall Sensor Lower Position Alarm", "HALL SENSOR LOWER POSITION ALARM indicates the pilot relay (spool) appears to be fixed at the lower (depressurized) limit and is not responding.  The valve may move to and stay at one end of its travel.  Check the air supply and service the pilot relay." },
    { 56, "Feedback Range Too Small Alarm", "FEEDBACK RANGE TOO SMALL ALARM indicates that during calibration, the range of motion of the position feedback arm was too small for optimum performance." },
    { 57, "0% Position Out Of Range Alarm", "0% POSITION OUT OF RANGE ALARM indicates that during calibration, the feedback sensor moved beyond it's range of operation at the 0% (closed) position." },
    { 58, "100% Position Out Of Range Alarm", "100% POSITION OUT OF RANGE ALARM  indicates that during calibration, the feedback sensor moved beyond it's range of operation at the 100% (open) position." },
    { 59, "Feedback No Motion Time Out Alarm", "NO MOTION TIME OUT ALARM indicates that during calibration, there was no motion of the actuator based on the current stroke time configuration." },
    { 60, "Feedback Non-Settle Time Out Alarm", "NON-SETTLE TIME OUT ALARM indicates that during calibration, the position feedback sensor did not settle." },
    { 61, "Inner Loop Offset Time Out Alarm", "INNER LOOP OFFSET TIME OUT ALARM During calibration, the Inner Loop Offset value did not settle.  This could result in less accurate positioning." },
    { 62, "Jog Calibration State", "JOG CALIBRATION STATE indicates that during a jog calibration, the unit is waiting for the user to manually adjust the valve position to the desired 100% open position." },
    { 64, "Command Loop Range Too Small Warning", "COMMAND LOOP RANGE TOO SMALL WARNING indicates that during a Command Loop Calibration, the difference between the signal at 0% and the signal at 100% was too small.  The positioner keeps its previous command calibration.  Check the signal source and repeat the calibration with a wider range." },
    { 65, "Command Loop 100% Signal Out Of Range Warning", "COMMAND LOOP 100% SIGNAL OUT OF RANGE WARNING indicates that during Command Loop Calibration, the 100% signal was out of range." },
    { 66, "Command Loop 0% Signal Out Of Range Warning", "COMMAND LOOP 0% SIGNAL OUT OF RANGE WARNING indicates that during Command Loop Calibration, the 0% signal was out of range." },
    { 67, "Analog Output Range Too Small Warning", "ANALOG OUTPUT RANGE TOO SMALL WARNING indicates during an Analog Output Calibration the difference between the milliamp signal at 0% and the milliamp signal at 100% was too small." },
    { 72, "Pressure Sensor Board Present/Absent", "PRESSURE SENSOR BOARD PRESENT/ABSENT  When PRESENT indicates pressures sensors are physically present in the positioner.  When ABSENT, the pressure readings and the pressure based diagnostics are not available." },
    { 73, "Analog Output Board Present/Absent", "ANALOG OUTPUT BOARD PRESENT/ABSENT  When PRESENT, this indicates an analog output board is physically present in the positioner.  Otherwise the board option has not been installed." },
    { 74, "Pressure Control Locked/Inactive", "PRESSURE CONTROL LOCKED/INACTIVE (user set) When LOCKED, indicates the control algorithm is using pressure feedback to hold the valve position when the position is inside the error band setting.  When INACTIVE, the valve position is held by position feedback alone." },
    { 75, "Feedback Pot Rotation Reversed/Normal", "FEEDBACK POTENTIOMETER ROTATION REVERSED/NORMAL  When REVERSED, this indicates that the positioner feedback sensor is rotating clockwise to close.  When NORMAL, the feedback sensor rotates counter-clockwise to close.  The rotation is set during installation and must match the mounting of the positioner." },
};
// clang-format on

const StatusTexts* find(uint8_t status)
{
    const auto found = std::find_if(
        std::begin(Table), std::end(Table), [status](const StatusTexts& t) { return t.status == status; });
    return found == std::end(Table) ? nullptr : &*found;
}
} // namespace

QString GetAlarmName(uint8_t status, int deviceType)
{
    const StatusTexts* texts = find(status);
    if (!texts)
        return QString();
    return QString::fromUtf8(deviceType == 6 && texts->k40Name ? texts->k40Name : texts->name);
}

QString GetAlarmHelp(uint8_t status, int deviceType)
{
    const StatusTexts* texts = find(status);
    if (!texts)
        return QString();
    return QString::fromUtf8(deviceType == 6 && texts->k40Help ? texts->k40Help : texts->help);
}
