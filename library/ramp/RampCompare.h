#pragma once

#include "core/CompareChannels.h"
#include "core/ResultFile.h"

#include <QString>

#include <array>
#include <cstdint>

// The ramp compare plot: for each of the 23 signals of a ramp test one
// channel of file 1 (the ramp plot's own name), one of file 2 and one of
// their point-wise difference. The three share colour and axes; file 1 is a
// plain line, file 2 and the difference carry markers of two shapes. The
// file-2 names append "2", except that "Port1"/"Port2" and the closing
// pressure traces "PvPPort1_2"/"PvPPort2_2" append "_2".
namespace RampCompare
{

using ChannelRow = PlotChannelRow;

inline constexpr int ChannelCount = 69;

// In the order they are added: the time signals, the pressures against
// position, the signals against command and the friction curves, each block
// file 1, file 2, difference.
extern const std::array<ChannelRow, ChannelCount> Rows;

// Every compare channel in the order a reset hides them.
extern const std::array<const char*, ChannelCount> HidingOrder;

inline const CompareFileDialog OpenDialog { QStringLiteral("Open Ramp Test Results"), QStringLiteral("(*.rmp)|*.rmp|"),
    QStringLiteral("rmp") };
inline const QString NoSpringValue = QStringLiteral(" - ");

// What a compare loader takes from one ramp test file.
struct FileValues {
    QString tag; // "NO TAG" when "TagName" holds no point
    QString testDate; // month/day/year, unpadded
    QString start;
    QString stop;
    QString hold;
    QString duration;
    uint8_t biDirectional = 0;
    uint8_t singleActing = 0;
    uint8_t pressureSensor = 0;
    uint8_t pressureUnit = 0;
    uint8_t lengthUnit = 0;
    QString actuatorSize; // "%3.2f"
    QString strokeLength;
    QString springInitial; // " - " for a one-way test
    QString springFinal;
    QString springRate;
};

// Reads a ramp test file held in a plot (or in loaded channels): ComError
// unless it has the 23 signal channels, "TagName" and all 18 settings points.
FileValues read(const ResultFileFrame::ChannelLookup& lookup);

// The unit texts of a comparison: 7 "bar", 10 "Kg/cm²", 12 "kPa", 57 "%",
// else "psi"; lengths as the ramp file has them.
QString pressureUnitText(int unitCode);
// "Pressure [bar ]".
QString pressureAxisTitle(const QString& unitText);

} // namespace RampCompare
