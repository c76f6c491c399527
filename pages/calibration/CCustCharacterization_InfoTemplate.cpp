#include "CCustCharacterization_Info.h"

namespace
{
using C = ControlSpec;

ControlSpec banner(int id, int x, int y)
{
    return C::vendor(id, QStringLiteral("TiLabel"), x, y, 60, 12);
}
} // namespace

const char* const CCustCharacterization_Info::EditorPage = "CCustCharacterization";

// clang-format off
const PageTemplate CCustCharacterization_Info::Template { 524, 330, {
    banner(WarningLabel, 10, 26),
    C::label(WarningText, QStringLiteral("Overriding the DIP switches on the Serrat positioner may cause the valve to "
        "stroke suddenly.  Continue only if you are certain the changes will not cause harm to personnel or "
        "processes."), 10, 40, 500, 18),
    banner(NoteLabel, 10, 60),
    C::label(NoteText, QStringLiteral("If the \"Dip Switches\"  on the Characterization Configuration displays "
        "\"ENABLED\" the device will revert to the characterization type specified by the DIP switch settings at "
        "the next stroke calibration procedure."), 10, 74, 500, 18),

    C::group(ConfigurationGroup, QStringLiteral("Characterization Configuration"), 10, 96, 200, 150),
    C::label(-1, QStringLiteral("Local Interface Enabled:"), 18, 110, 180, 8),
    C::label(-1, QStringLiteral("On"), 40, 124, 20, 8, C::AlignRight),
    C::placeholder(LocalInterfaceHost, 64, 118, 40, 20),
    C::label(-1, QStringLiteral("Off"), 108, 124, 30, 8),
    C::label(-1, QStringLiteral("Stroke Characteristic Software Override:"), 18, 146, 180, 8),
    C::label(-1, QStringLiteral("Linear"), 30, 160, 30, 8, C::AlignRight),
    C::placeholder(OverrideHost, 64, 154, 40, 20),
    C::label(-1, QStringLiteral("Other"), 108, 160, 30, 8),
    C::label(-1, QStringLiteral("Characterization Selection:"), 18, 182, 180, 8),
    C::combo(CurveCombo, {}, 18, 194, 100, 12),
    C::button(CustomizeButton, QStringLiteral("Customize..."), 130, 193, 66, 14),
    C::button(ApplyButton, QStringLiteral("Apply"), 40, 222, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 110, 222, 50, 14),

    C::placeholder(PlotHost, 220, 96, 294, 190),
    C::label(-1, QStringLiteral("Retrieval Progress:"), 220, 296, 70, 8),
    C::progress(ProgressBar, 292, 294, 222, 12),
} };

const ToolTipTable CCustCharacterization_Info::ToolTips {
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
    { LocalInterfaceToggle, QStringLiteral("Displays the software DIP Switch Setting. (On/OFF)") },
    { OverrideToggle, QStringLiteral("If it is other, the physical dip switches will be overridden.") },
    { CurveCombo, QStringLiteral("Select the desired characterization curve.") },
    { CustomizeButton, QStringLiteral("Go to the customization page.") },
    { PlotId, QStringLiteral("Plot") },
};
// clang-format on
