#pragma once

#include "PlotChannelData.h"

#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;

// The plot's data file: every channel with its settings and its points, so
// that a load gives back exactly what a save wrote.
//
// Layout (version 1). Integers and doubles are little-endian; a double is its
// 8 IEEE-754 bytes, so every value comes back bit for bit (-0.0 and NaN
// included). A text is a uint32 byte count followed by that many UTF-8 bytes.
//
//   header   uint32  magic 0x46504C53 (the bytes "SLPF")
//            uint16  version (1)
//            uint8   kind: 0 time plot, 1 XY plot (informative; either kind loads into either plot)
//            uint32  channel count
//   channel  text    name
//            text    title (legend text)
//            uint32  colour (Windows colour value 0x00BBGGRR)
//            text    X axis name, then Y axis name (kept even when no axis bears them)
//            int32   line width
//            uint8   switches: bit 0 visible, bit 1 shown in the legend, bit 2 markers shown,
//                    bit 3 individual point marking; other bits are 0
//            int32   marker style, then marker size
//            uint64  point count n (at most 2^31 - 1)
//            double  n x values, then n y values, in order of adding
//            uint8   0: no point marked; 1 (only when n > 0): followed by ceil(n / 8) bytes, point i
//                    marked when bit (i mod 8) of byte (i / 8) is set; bits past the last point are 0
//   trailer  uint32  magic 0x444E4553 (the bytes "SEND"), then the end of the file
//
// Anything else (another magic, a newer version, a count beyond the bytes that
// follow, unknown switch bits, a text that is not UTF-8, marks on a channel
// without points, bytes after the trailer) is refused, so that every file read
// writes back to the very same bytes.
class PlotDataFile
{
public:
    enum class Kind : uint8_t { TimePlot = 0, XYPlot = 1 };

    static constexpr uint32_t Magic = 0x46504C53u;
    static constexpr uint32_t TrailerMagic = 0x444E4553u;
    static constexpr uint16_t Version = 1;

    // Writes the file through a temporary one, so a failure leaves the previous
    // file intact. Raises ComError when the file cannot be written.
    static void save(const QString& path, Kind kind, const std::vector<const PlotChannelData*>& channels);
    // Raises ComError when the file cannot be read or is not a plot data file.
    static std::vector<PlotChannelData> load(const QString& path);

    // The same on an open device.
    static void write(QIODevice& device, Kind kind, const std::vector<const PlotChannelData*>& channels);
    static std::vector<PlotChannelData> read(QIODevice& device);
};
