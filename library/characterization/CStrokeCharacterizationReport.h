#pragma once

#include "automation/AutoString.h"
#include "controls/Plot.h"

#include <cstdint>

// A custom characterization curve: the device tag that names its file.
class CStrokeCharacterizationReport
{
public:
    CStrokeCharacterizationReport();
    CStrokeCharacterizationReport(const CStrokeCharacterizationReport& other);
    CStrokeCharacterizationReport& operator=(const CStrokeCharacterizationReport& other);
    ~CStrokeCharacterizationReport();

    // Proposes "<tag>_Y_M_D_<h>h_<m>m.curve", asks where, and writes the
    // plot's data file there as it stands ("CharCurve" alone). Cancel writes
    // nothing; a failure shows "File save error." and leaves an old file as
    // it was.
    void SaveStrokeCustom(IPlotPtr plot) const;
    // Asks for a ".curve" file; on OK clears the plot's data and loads the
    // file. A file that cannot be read or holds no "CharCurve" of 21 points
    // shows "File open error." and leaves the plot with an empty "CharCurve":
    // the previous curve does not come back. Cancel leaves the plot alone.
    // The record does not change.
    void LoadStrokeCustom(IPlotPtr plot) const;

    AutoString m_strTag { "" }; // device tag
};
