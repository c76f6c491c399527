#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

// What the actuator calibration page and the stroke calibration page decide
// without their widgets: the state texts, the progress, the entry checks,
// the supply pressure written at the start, the port gauges' pressures and
// the stroke calibration flags.
namespace StrokeCalibrationRules
{

enum class Page { Actuator, Stroke };

// The text the state edit shows for a calibration state (not 0).
QString stateText(Page page, uint8_t state);
// The progress bar's position for a state: state - 20 for 20..46, the full
// bar for 0 (the end), nothing for every other state (the bar stays).
std::optional<int> progressFor(uint8_t state);
constexpr int ProgressMaximum = 27;

// Initials are acceptable when they are exactly three characters, counted as
// typed (" AB" is three), and not all blanks.
bool initialsAcceptable(const QString& initials);
// A supply pressure is acceptable from 0 to the gauge's full scale, both included.
bool pressureAcceptable(double value, int fullScale);

// The factor from the display pressure unit to psi; an unknown unit takes
// the supply in psi (long 0x63) x 0.01.
double unitToPsi(uint8_t unit, double supplyPsi);

// The two supply pressure variables the start writes: long 0x69 in the
// display unit x 100, rounded to the nearest hundredth, and long 0x63 in psi
// x 100, the word nearest to the value converted.
struct SupplyWords {
    uint32_t displayUnit;
    uint32_t psi;
};
SupplyWords supplyWords(float shown, double unitToPsi);

// A port gauge: ((count - zero) / range) x the supply, with the three words
// taken as signed, in single precision; a range of 0 shows 0.
struct PortPressure {
    double value;
    QString text; // "%5.2f"
};
PortPressure portPressure(uint16_t count, uint16_t zero, uint16_t range, double supplyPressure);

// "MM/DD/YYYY" of a date.
QString dateText(const QDate& date);
// The text sent with the start code: the date, a blank and the first three
// characters of the initials; the stroke page trims both first.
QString calibrationText(Page page, const QString& date, const QString& initials);
// The date and the initials of a calibration text, by their places in it:
// characters 1 to 10 and 12 to 14, blanks and all.
QString lastDate(const QString& calText);
QString lastInitials(const QString& calText);
// The initials as the calibration pages show them: from their place, without
// the blanks the device pads them with. A device never calibrated holds only
// blanks there: no initials, so the three the user types are all the edit
// holds.
QString shownInitials(const QString& calText);

// The stroke calibration flags in the order the pages show them: the bit of
// error-history byte 7, the row label and the LED's tooltip.
struct StrokeFlag {
    uint8_t bit;
    const char* label;
    const char* tip;
};
extern const StrokeFlag StrokeFlags[6];

// Marks the record flag of every bit set in `byte7`; a clear bit leaves its
// flag as it is. For the actuator and the stroke records alike.
template <class Record> void markStrokeFlags(Record& record, uint8_t byte7)
{
    uint8_t* flags[6] = { &record.m_b0PosOut, &record.m_b100PosOut, &record.m_bFdbkSmall, &record.m_bILOTO,
        &record.m_bNoMoTO, &record.m_bNoSetTimeOut };
    for (int k = 0; k < 6; ++k) {
        if (byte7 & StrokeFlags[k].bit)
            *flags[k] = 1;
    }
}
template <class Record> void clearStrokeFlags(Record& record)
{
    record.m_b0PosOut = record.m_b100PosOut = record.m_bFdbkSmall = 0;
    record.m_bILOTO = record.m_bNoMoTO = record.m_bNoSetTimeOut = 0;
}

} // namespace StrokeCalibrationRules
