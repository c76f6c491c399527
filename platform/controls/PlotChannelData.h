#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Everything a plot channel holds: what the data file keeps and what the
// painter draws. Points are kept as two parallel arrays of doubles, in order of
// adding, so a channel of millions of points costs 16 bytes per point.
struct PlotChannelData {
    QString name;
    QString title; // the legend text
    uint32_t color = 0; // a Windows colour value (0x00BBGGRR)
    QString xAxisName; // empty: the first axis; a name no axis bears: not drawn
    QString yAxisName;
    int lineWidth = 1;
    bool visible = true;
    bool legendVisible = true;
    bool markersVisible = false;
    bool individualMarking = false; // markers only at marked points (all points when none is marked)
    int markerStyle = 0;
    int markerSize = 3;
    std::vector<double> xs;
    std::vector<double> ys;
    std::vector<bool> marked; // empty when no point was ever marked, else one flag per point
};
