#include "HDRLAnalysis.h"

#include "HDRLTestChannels.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

struct Names {
    QString command;
    QString position;
    QString averageError;
    QString line;
};

std::optional<Names> namesOf(int which)
{
    if (which != 1 && which != 2)
        return std::nullopt;
    const QString suffix = which == 2 ? QStringLiteral("2") : QString();
    return Names { QStringLiteral("Command") + suffix, QStringLiteral("Position") + suffix,
        QStringLiteral("AverageError") + suffix, QStringLiteral("LeastSquareLine") + suffix };
}

IPlotChannelPtr channel(const IPlotPtr& plot, const QString& name)
{
    return GetDispatchDriverIPlotXChannelByName(plot, AutoString(name));
}

// The position channel of a whole run, or null when the gate is not passed.
IPlotChannelPtr runPosition(const IPlotPtr& plot, int which)
{
    const std::optional<Names> names = namesOf(which);
    if (!names)
        return {};
    if (channel(plot, names->command)->Count() != HDRLTestChannels::RunPoints)
        return {};
    return channel(plot, names->position);
}

template <class Pairs>
void pairDifferences(const IPlotChannelPtr& position, const Pairs& pairs, double* average, double* maximum)
{
    double largest = 0.0;
    double sum = 0.0;
    int count = 0;
    for (const auto& [a, b] : pairs) {
        const double d = std::fabs(position->GetY(a) - position->GetY(b));
        largest = std::max(largest, d);
        sum += d;
        ++count;
    }
    if (average)
        *average = sum / count;
    if (maximum)
        *maximum = largest;
}

// The largest |average error − line| over the indices both channels hold.
double linearityOf(const IPlotChannelPtr& averageError, const IPlotChannelPtr& line)
{
    const int n = std::min(averageError->Count(), line->Count());
    double largest = 0.0;
    for (int i = 0; i < n; ++i)
        largest = std::max(largest, std::fabs(averageError->GetY(i) - line->GetY(i)));
    return largest;
}

} // namespace

void CalculateRepeatError(IPlotPtr plot, int, int, double* average, double* maximum, int which)
{
    ModuleStateGuard moduleState;
    const IPlotChannelPtr position = runPosition(plot, which);
    if (!position)
        return;
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i <= 24; i += 2)
        pairs.emplace_back(i, i + 24);
    pairDifferences(position, pairs, average, maximum);
}

void CalculateHD_Error(IPlotPtr plot, int, int, double* average, double* maximum, int which)
{
    ModuleStateGuard moduleState;
    const IPlotChannelPtr position = runPosition(plot, which);
    if (!position)
        return;
    const std::pair<int, int> pairs[] = { { 2, 22 }, { 4, 20 }, { 6, 18 }, { 8, 16 }, { 10, 14 } };
    pairDifferences(position, pairs, average, maximum);
}

void CalculateAverageError(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    const IPlotChannelPtr incr1 = channel(plot, QStringLiteral("1stCycle-Incr"));
    const IPlotChannelPtr decr1 = channel(plot, QStringLiteral("1stCycle-Decr"));
    const IPlotChannelPtr incr2 = channel(plot, QStringLiteral("2ndCycle-Incr"));
    const IPlotChannelPtr decr2 = channel(plot, QStringLiteral("2ndCycle-Decr"));
    const IPlotChannelPtr averageError = channel(plot, QStringLiteral("AverageError"));
    constexpr int Commands[] = { 10, 30, 50, 70, 90 };
    double sums[5] = {};
    for (int i = 0; i < 5; ++i) {
        for (int c = 0; c < 5; ++c) {
            const int command = Commands[c];
            if (command == 50) {
                if (incr1->GetX(i) == 50.0)
                    sums[c] += incr1->GetY(i) + decr1->GetY(i) + incr2->GetY(i) + decr2->GetY(i);
                continue;
            }
            if (incr1->GetX(i) == command)
                sums[c] += incr1->GetY(i) + incr2->GetY(i);
            if (decr1->GetX(i) == command)
                sums[c] += decr1->GetY(i) + decr2->GetY(i);
        }
    }
    for (int c = 0; c < 5; ++c)
        averageError->AddXY(Commands[c], sums[c] / 4.0);
}

void CalculateSum(IPlotPtr plot, int, int, double* linearityError, int which)
{
    ModuleStateGuard moduleState;
    const std::optional<Names> names = namesOf(which);
    if (!names) {
        if (linearityError)
            *linearityError = 0.0;
        return;
    }
    const IPlotChannelPtr averageError = channel(plot, names->averageError);
    const IPlotChannelPtr line = channel(plot, names->line);
    const int n = averageError->Count();
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = averageError->GetX(i);
        const double y = averageError->GetY(i);
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    // Fewer than two points, or all at one command, have no line.
    const double denominator = n > 0 ? sxx - sx * sx / n : 0.0;
    // The line is that of the average error now: one fitted again (a file
    // that brought its line along) replaces the old points rather than
    // drawing the line a second time after them.
    line->Clear();
    if (n >= 2 && denominator != 0.0 && std::isfinite(denominator)) {
        const double slope = (sxy - sx * sy / n) / denominator;
        const double intercept = sy / n - (sx / n) * slope;
        for (int command : { 10, 30, 50, 70, 90 })
            line->AddXY(command, command * slope + intercept);
    }
    if (linearityError)
        *linearityError = linearityOf(averageError, line);
}

void CalculateLinError(IPlotPtr plot, int, int, double* linearityError, int which)
{
    ModuleStateGuard moduleState;
    const std::optional<Names> names = namesOf(which);
    double result = 0.0;
    if (names)
        result = linearityOf(channel(plot, names->averageError), channel(plot, names->line));
    if (linearityError)
        *linearityError = result;
}
