#pragma once

#include "core/ResultFile.h"

#include <QString>

#include <cstdint>

// What the partial stroke compare loaders take from one .pst file.
namespace PstCompare
{

inline const CompareFileDialog OpenDialog { QStringLiteral("Open PST Results"), QStringLiteral("(*.pst)|*.pst|"),
    QStringLiteral("pst") };

struct FileValues {
    QString tag; // "NO TAG" when "TagName" holds no point
    QString testDate; // month/day/year of saving, unpadded
    QString start;
    QString stop;
    QString timeToTarget; // the setting
    QString duration;
    QString breakAwayTime; // "%5.2f"
    QString timeToTargetResult; // "%5.2f"
    QString breakAwayPressure; // "%5.2f"
    QString unitText; // "bar", "Kg/cm²", "kPa", "%", else "psi"
    QString result; // "Pass" or "Fail"
    uint8_t singleActing = 0;
    uint8_t pressureSensor = 0;
};

// Reads a partial stroke file held in the scratch plot (or in loaded
// channels): ComError unless it has the six signals, "TagName", ten settings
// points and four results.
FileValues read(const ResultFileFrame::ChannelLookup& lookup);

// The unit text of a pressure unit code in the compare loaders' words.
QString pressureUnitText(int unitCode);

} // namespace PstCompare
