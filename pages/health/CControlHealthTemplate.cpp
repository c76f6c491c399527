#include "CControlHealth.h"

#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
constexpr unsigned ReadOnly = C::ReadOnly;

// A spin with its own field: whole steps and pages of ten, typed values kept
// as typed (the page holds or marks them), no range check of its own. A step
// from a value off the whole numbers (the device's 15.75, a typed 12.5) lands
// on the whole number that way, which Apply writes, not on another fraction.
ControlSpec spinBox(int id, int x, int y, double maximum, int decimals)
{
    const QVariantMap properties { { QStringLiteral("Increment"), 1.0 }, { QStringLiteral("Max"), maximum },
        { QStringLiteral("PageSize"), 10.0 }, { QStringLiteral("AllowKeyEdit"), true },
        { QStringLiteral("CheckRange"), false }, { QStringLiteral("Decimals"), decimals },
        { QStringLiteral("IntegersOnly"), false }, { QStringLiteral("StepsLandOnIncrements"), true } };
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, 50, 13, properties);
}
}

// clang-format off
const PageTemplate CControlHealth::Template { 524, 262, {
    C::group(DeviationGroupId, QStringLiteral("Deviation Alert"), 3, 26, 250, 110),
    C::label(ToleranceCaption, QStringLiteral("Tolerable error +/-:"), 10, 44, 80, 8, C::AlignRight),
    spinBox(ToleranceSpin, 95, 42, MaxTolerance, 2),
    C::label(ToleranceUnit, QStringLiteral("%"), 149, 44, 20, 8),
    C::picture(ToleranceMark, ValidityMark::ValidIcon, 170, 44, 8, 8),
    C::label(TimeFrameCaption, QStringLiteral("Deviation time frame:"), 10, 64, 80, 8, C::AlignRight),
    spinBox(TimeFrameSpin, 95, 62, MaxTimeFrame, 1),
    C::label(TimeFrameUnit, QStringLiteral("sec"), 149, 64, 20, 8),
    C::picture(TimeFrameMark, ValidityMark::ValidIcon, 170, 64, 8, 8),
    C::label(ActualValueCaption, QStringLiteral("Actual Value:"), 10, 84, 80, 8, C::AlignRight),
    C::edit(ActualValueEdit, 95, 82, 50, 12, ReadOnly | C::AlignRight),
    C::label(RuleCaption,
        QStringLiteral("If the closure member position error exceeds the tolerable error band for the deviation "
                       "time frame, an alert will be generated."),
        10, 104, 236, 26),

    C::group(-1, QString(), 259, 26, 262, 136),
    C::placeholder(IllustrationHost, 265, 36, 250, 120),

    C::radio(HelpButton, QStringLiteral("Implications and Possible Solutions"), 3, 143, 160, 15, C::GroupStart),
    C::group(-1, QStringLiteral("Implications"), 3, 165, 256, 74),
    C::edit(ImplicationsEdit, 8, 175, 246, 60, ReadOnly | C::MultiLine | C::VScroll),
    C::group(-1, QStringLiteral("Possible Solution"), 265, 165, 256, 74),
    C::edit(SolutionsEdit, 270, 175, 246, 60, ReadOnly | C::MultiLine | C::VScroll),
    C::button(ApplyButton, QStringLiteral("Apply"), 411, 244, 50, 14),
    C::button(RetrieveButton, QStringLiteral("Retrieve"), 467, 244, 50, 14),
} };
// clang-format on

const ToolTipTable CControlHealth::ToolTips {
    { ToleranceSpin, QStringLiteral("Information about the tolerable error +/-.") },
    { TimeFrameSpin, QStringLiteral("Information about the deviation time frame.") },
    { ActualValueEdit, QStringLiteral("Deviation") },
    { HelpButton,
        QStringLiteral("Select this button to display the Implications and Possible Solutions related to Control "
                       "Settings (See boxes to your right).") },
    { ImplicationsEdit, QStringLiteral("Implications") },
    { SolutionsEdit, QStringLiteral("Possible Solutions") },
    { ApplyButton, QStringLiteral("Saves your changes to device.") },
    { RetrieveButton, QStringLiteral("Retrieve information from the device.") },
};

const char* const CControlHealth::Implications
    = "POSITION DEVIATION ALARM (user set) indicates the difference between the command and the actual position has "
      "been greater than the user-set limit for longer than a user-set time.";
const char* const CControlHealth::Solutions = "Review active alarms and warnings to find root causes of this alarm.";
