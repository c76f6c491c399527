// Feeds arbitrary bytes to the plot data file reader. Whatever it accepts
// must write back to the very same bytes; everything else must be refused
// with ComError, never crash or allocate beyond the input.
#include "automation/ComError.h"
#include "controls/PlotDataFile.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    std::vector<PlotChannelData> channels;
    try {
        channels = PlotDataFile::read(in);
    } catch (const ComError&) {
        return 0;
    }
    std::vector<const PlotChannelData*> pointers;
    for (const PlotChannelData& channel : channels)
        pointers.push_back(&channel);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const auto kind = static_cast<PlotDataFile::Kind>(static_cast<uint8_t>(input.at(6)));
    PlotDataFile::write(out, kind, pointers);
    if (out.data() != input)
        std::abort();
    return 0;
}
