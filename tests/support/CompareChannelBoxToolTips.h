#pragma once

#include "PageTexts.h"

// The tips of the 18 channel boxes of the step and ramp compare pages, by their
// ids: file 1, file 2, difference. Both pages give them word for word.
inline const ExpectedToolTips CompareChannelBoxToolTips = {
    { 1119, "Check box to display Position from file 1 in graph." },
    { 1118, "Check box to display Position from file 2 in graph." },
    { 1112, "Check box to display Position difference in graph." },
    { 1120, "Check box to display Control Command from file 1 in graph." },
    { 1121, "Check box to display Control Command from file 2 in graph." },
    { 1113, "Check box to display Control Command difference in graph." },
    { 1122, "Check box to display Port1 from file 1 in graph." },
    { 1123, "Check box to display Port1 from file 2 in graph." },
    { 1114, "Check box to display Port1 difference in graph." },
    { 1124, "Check box to display Port2 from file 1 in graph." },
    { 1125, "Check box to display Port2 from file 2 in graph." },
    { 1115, "Check box to display Port2 difference  in graph." },
    { 1126, "Check box to display Pilot Relay Command from file 1 in graph." },
    { 1127, "Check box to display Pilot Relay Command from file 2 in graph." },
    { 1116, "Check box to display Pilot Relay Command difference in graph." },
    { 1128, "Check box to display Pilot Relay Position from file 1 in graph." },
    { 1129, "Check box to display Pilot Relay Position from file 2 in graph." },
    { 1117, "Check box to display Pilot Relay Position difference in graph." },
};

// A compare page's own tips, then those of its channel boxes.
inline ExpectedToolTips withCompareChannelBoxToolTips(ExpectedToolTips own)
{
    own.insert(own.end(), CompareChannelBoxToolTips.begin(), CompareChannelBoxToolTips.end());
    return own;
}
