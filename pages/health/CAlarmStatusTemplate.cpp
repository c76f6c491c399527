#include "CAlarmStatus.h"

namespace
{
using C = ControlSpec;
}

// clang-format off
const PageTemplate CAlarmStatus::Template { 568, 315, {
    C::group(HistoryGroupId, QStringLiteral("ALARM HISTORY"), 3, 27, 503, 169),
    C::placeholder(HistoryGridHost, 15, 40, 488, 92),
    C::button(ResetHistoryButton, QStringLiteral("Reset History"), 453, 135, 50, 14),
    C::label(DescriptionLabel, QStringLiteral("Description:"), 16, 145, 37, 8),
    C::edit(DescriptionEdit, 15, 158, 488, 34, C::MultiLine | C::ReadOnly | C::VScroll | C::Border),
    C::group(LogGroupId, QStringLiteral("Alarm Log (While Connected to Device)"), 3, 204, 503, 94),
    C::placeholder(EventLogGridHost, 15, 214, 488, 60),
    C::placeholder(ReportHost, 158, 279, 32, 15),
    C::button(ClearLogButton, QStringLiteral("Clear Log"), 346, 279, 50, 14),
    C::button(SaveToDiskButton, QStringLiteral("Save to Disk"), 400, 279, 50, 14),
    C::button(PrintButton, QStringLiteral("Print Report"), 453, 279, 50, 14),
    C::placeholder(PrinterHost, 194, 280, 8, 9),
} };

const ToolTipTable CAlarmStatus::ToolTips {
    { HistoryGridId, QStringLiteral("Alarm History") },
    { ResetHistoryButton, QStringLiteral("Reset the Error History Log.") },
    { ClearLogButton, QStringLiteral("Clears the Active Error Log History.") },
    { SaveToDiskButton, QStringLiteral("Saves the Active Error Log History to a text file.") },
    { DescriptionEdit, QStringLiteral("Description of the selected alarm") },
    { EventLogGridId, QStringLiteral("Event log") },
    { PrintButton, QStringLiteral("Print a alarms to the default printer.") },
};
// clang-format on
