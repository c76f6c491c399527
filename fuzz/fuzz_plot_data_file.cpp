// Feeds arbitrary bytes to the plot data file reader. Whatever it accepts
// must write back to the very same bytes, and must go through the result
// file readers (settings, results, tag) as a loader would read it, each
// family's own load checks included (data logger, step test and step compare,
// partial stroke test and compare, trends, ramp test and ramp compare, HDRL
// test, the characterization curve); everything else must be refused with
// ComError, never crash or allocate beyond the input.
#include "automation/ComError.h"
#include "characterization/CharacterizationCurves.h"
#include "controls/PlotDataFile.h"
#include "core/ResultFile.h"
#include "data_logger/DataLoggerFile.h"
#include "hdrl/HDRLTestFile.h"
#include "partial_stroke/PstCompare.h"
#include "partial_stroke/PstFile.h"
#include "ramp/RampCompare.h"
#include "ramp/RampTestFile.h"
#include "step/StepCompare.h"
#include "step/StepTestFile.h"
#include "trends/TrendsFile.h"

#include <QBuffer>

#include <cmath>
#include <cstdlib>

namespace
{

// A family that reads every kind of value a result file holds.
struct FuzzRecord {
    AutoString number { "" };
    AutoString month { "" };
    AutoString day { "" };
    AutoString year { "" };
    AutoString result { "" };
    AutoString tag { "" };
    AutoString fileTag { "" };
    uint8_t unit = 0;
    uint8_t flag = 0;
};

const ResultFileFamily<FuzzRecord>& fuzzFamily()
{
    static const ResultFileFamily<FuzzRecord> family = [] {
        using Slot = ResultSlot<FuzzRecord>;
        ResultFileFamily<FuzzRecord> f;
        f.extension = QStringLiteral("fz");
        f.settings = {
            Slot { ResultValueKind::Number, &FuzzRecord::number },
            Slot { ResultValueKind::Month, &FuzzRecord::month },
            Slot { ResultValueKind::Day, &FuzzRecord::day },
            Slot { ResultValueKind::Year, &FuzzRecord::year },
            Slot { ResultValueKind::UnitCode, nullptr, &FuzzRecord::unit },
            Slot { ResultValueKind::Flag, nullptr, &FuzzRecord::flag },
        };
        f.results = { Slot { ResultValueKind::Number, &FuzzRecord::result } };
        f.tag = &FuzzRecord::tag;
        f.fileTag = &FuzzRecord::fileTag;
        return f;
    }();
    return family;
}

void readAsResultFile(const std::vector<PlotChannelData>& channels)
{
    FuzzRecord record;
    try {
        ReadResultRecord(fuzzFamily(), ResultFileFrame::lookupIn(channels), record);
        // What a loader takes, a page can hold: finite settings inside the
        // 32-bit integers, date parts inside a 16-bit word.
        const PlotChannelData* settings = ResultFileFrame::lookupIn(channels)(ResultChannelName::TestSettings);
        for (size_t k = 0; settings && k < settings->ys.size(); ++k) {
            const double whole = std::trunc(settings->ys[k]);
            if (!std::isfinite(whole) || whole < -2147483648.0 || whole > 2147483647.0)
                std::abort();
            if (k >= 1 && k <= 3 && (whole < 0.0 || whole > 65535.0))
                std::abort();
        }
    } catch (const ComError&) {
        // A file without the hidden channels, or with too few points, is refused.
    }
    // The data logger's load checks and reads every file it is given.
    try {
        CDataLoggerReport logger;
        DataLoggerFile::ReadSettings(ResultFileFrame::lookupIn(channels), logger);
    } catch (const ComError&) {
        // Not a whole data logger run: refused.
    }
    // ... and as a step test file, with the step loader's own checks.
    CStepTestReport step;
    try {
        StepTestFile::readRecord(ResultFileFrame::lookupIn(channels), step);
    } catch (const ComError&) {
        // Not a step test file: a channel or a settings point is missing.
    }
    // ... and as a trends file.
    try {
        const TrendsFileContent trends = ReadTrendsFile(ResultFileFrame::lookupIn(channels));
        TrendsFilePressureUnitText(trends.pressureUnitCode);
        TrendsFileTemperatureUnitText(trends.temperatureUnitCode);
        if (!(trends.span > 0.0))
            std::abort();
    } catch (const ComError&) {
        // A file without the trend channels or their settings is refused.
    }
    // ... and as either file of a step comparison.
    try {
        StepCompare::read(ResultFileFrame::lookupIn(channels));
    } catch (const ComError&) {
        // Refused by the compare loaders as by the step loader.
    }
    // ... and as a ramp test file, with the ramp loader's own checks.
    CRampReport ramp;
    try {
        RampTestFile::readRecord(ResultFileFrame::lookupIn(channels), ramp);
    } catch (const ComError&) {
        // Not a ramp test file: a channel or a settings point is missing.
    }
    // ... and as an HDRL test file: what the check lets through has the
    // eight data channels, the tag and the four settings points.
    try {
        const ResultFileFrame::ChannelLookup lookup = ResultFileFrame::lookupIn(channels);
        HDRLTestFile::checkFile(lookup);
        for (const char* name : { "Position", "Command", "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr",
                 "2ndCycle-Decr", "AverageError", "LeastSquareLine", "TagName" }) {
            if (!lookup(QString::fromLatin1(name)))
                std::abort();
        }
        const PlotChannelData* settings = lookup(ResultChannelName::TestSettings);
        if (!settings || settings->ys.size() < 4)
            std::abort();
    } catch (const ComError&) {
        // Not an HDRL file: refused by all three HDRL loaders.
    }
    // ... and as a characterization curve: what the check lets through is
    // 21 finite points the editor can show.
    try {
        const ResultFileFrame::ChannelLookup lookup = ResultFileFrame::lookupIn(channels);
        CharacterizationCurve::checkFile(lookup);
        const PlotChannelData* curve = lookup(CharacterizationCurve::ChannelName);
        if (!curve || curve->xs.size() != CharacterizationCurve::PointCount)
            std::abort();
        for (size_t k = 0; k < curve->xs.size(); ++k) {
            if (!std::isfinite(curve->xs[k]) || !std::isfinite(curve->ys[k]))
                std::abort();
        }
    } catch (const ComError&) {
        // Not a whole curve: refused.
    }
    // ... and as either file of a ramp comparison, whose loaders want every
    // settings point whatever the direction flag says.
    try {
        const RampCompare::FileValues compared = RampCompare::read(ResultFileFrame::lookupIn(channels));
        RampCompare::pressureAxisTitle(RampCompare::pressureUnitText(compared.pressureUnit));
        RampTestFile::lengthUnitText(compared.lengthUnit);
    } catch (const ComError&) {
        // Refused by both compare loaders with "File open error.".
    }
    // ... and as a partial stroke test file, by the single-file loader and
    // by either compare loader.
    try {
        CPSTReport pst;
        PstFile::readRecord(ResultFileFrame::lookupIn(channels), pst);
    } catch (const ComError&) {
        // Not a partial stroke file: a signal, a settings point or a result is missing.
    }
    try {
        PstCompare::read(ResultFileFrame::lookupIn(channels));
    } catch (const ComError&) {
        // Refused by the compare loaders as by the single-file loader.
    }
    // Every channel is read as a tag too: any points a file holds must give one.
    for (const PlotChannelData& channel : channels)
        TagFromPoints(channel.ys);
}

} // namespace

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
    readAsResultFile(channels);
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
