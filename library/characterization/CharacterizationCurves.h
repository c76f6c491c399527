#pragma once

#include "controls/Plot.h"
#include "core/ResultFile.h"

#include <QString>

class QProgressBar;

// The characterization plot: output signal against input signal, both in
// percent, in one channel "CharCurve" of 21 points at the inputs 0, 5, ...,
// 100. Every builder clears the channel, draws its 21 points from (0, 0) to
// (100, 100) and moves the page's progress bar while it draws. Nothing is
// caught here: a failing plot call, or a plot without "CharCurve", raises
// ComError to the caller; the points added so far stay.
namespace CharacterizationCurve
{
inline const QString ChannelName = QStringLiteral("CharCurve");
inline constexpr int PointCount = 21;
inline constexpr uint32_t Colour = 0xFF6633; // a Windows colour value: red 51, green 102, blue 255

// The check a loaded curve file passes: "CharCurve" with its 21 points, each
// at finite coordinates with an output from 0 to 100; gives that channel. ComError when it does not.
const PlotChannelData& checkFile(const ResultFileFrame::ChannelLookup& lookup);
} // namespace CharacterizationCurve

// Title, axes 0..100 "Input Signal (%)" and "Output Signal (%)", then the channel.
void ConfigureCharInfoPlotControl(IPlotPtr plot);
// Replaces every channel of the plot by "CharCurve" (which clears its data).
void SetUpCharacterizationPlotChannels(IPlotPtr plot);

// (x, x) for x = 0, 5, ..., 100; progress 0..100 at x.
void OnLoadLinearGraph(IPlotPtr plot, QProgressBar& progress);
// 100 (R^((x - 100) / 100) - 1/R) in single precision for x = 5 ... 95,
// between (0, 0) and (100, 100); progress 0..100 at x, 95 at the end. An R of
// 0 or below changes nothing at all.
void OnLoadEqualGraph(IPlotPtr plot, int rangeability, QProgressBar& progress);
// The fixed quick-opening table; progress 0..21, 21 at the end.
void OnLoadQuickOpenGraph(IPlotPtr plot, QProgressBar& progress);
// (5i, values[i]) for i = 1 ... 19 between (0, 0) and (100, 100); values[0]
// and anything past values[19] are not read. Progress 0..19 at i.
void OnLoadCustomGraph(IPlotPtr plot, const double* values, QProgressBar& progress);
