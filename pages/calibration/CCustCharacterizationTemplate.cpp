#include "CCustCharacterization.h"

#include "ValidityMark.h"

namespace
{
using C = ControlSpec;
using Page = CCustCharacterization;

constexpr int RowTop = 66;
constexpr int RowStep = 14;

ControlSpec spin(int id, int x, int y, int w, QVariantMap properties)
{
    return C::vendor(id, QString::fromLatin1(SpinEditBox::ProgId), x, y, w, 13, std::move(properties));
}

ControlSpec pointSpin(int id, int row)
{
    return spin(id, 114, RowTop + RowStep * row, 12,
        { { QStringLiteral("Min"), 0.0 }, { QStringLiteral("Max"), 10001.0 }, { QStringLiteral("Increment"), 1.0 } });
}

// The 0 % and 100 % rows: fields that show their fixed value and never change.
ControlSpec fixedField(int id, int row, double value)
{
    return spin(id, 60, RowTop + RowStep * row, 66,
        { { QStringLiteral("Min"), 0.0 }, { QStringLiteral("Max"), 10001.0 }, { QStringLiteral("Value"), value } });
}

std::vector<ControlSpec> controls()
{
    std::vector<ControlSpec> out {
        // The banner above its text, both between the status strip and the curve group.
        C::vendor(Page::WarningLabel, QStringLiteral("TiLabel"), 10, 21, 60, 12),
        C::label(Page::WarningText,
            QStringLiteral("Applying new custom characterization values while the positioner "
                           "is set to CUSTOM will cause closure member movement."),
            10, 33, 450, 9),
        C::group(Page::CurveGroup, QStringLiteral("Characterization Curve"), 10, 42, 200, 318),
        // Both heads in the page's font, a blank apart: the first takes some
        // of the second's room, which moves right over the spin column.
        C::label(-1, QStringLiteral("Input Signal %"), 11, 54, 54, 8),
        C::label(-1, QStringLiteral("Output Signal %"), 70, 54, 62, 8),
        fixedField(Page::ZeroPointField, 0, 0),
        fixedField(Page::FullPointField, 20, 100),
    };
    for (int row = 0; row <= 20; ++row) {
        const int y = RowTop + RowStep * row + 2;
        out.push_back(C::label(-1, QString::number(row + 1), 16, y, 12, 8, C::AlignRight));
        out.push_back(C::label(-1, QString::number(5 * row), 32, y, 20, 8, C::AlignRight));
    }
    for (int k = 1; k <= Page::PointRows; ++k) {
        out.push_back(C::edit(Page::PointEdits[static_cast<size_t>(k - 1)], 60, RowTop + RowStep * k, 52, 12));
        out.push_back(pointSpin(Page::PointSpins[static_cast<size_t>(k - 1)], k));
        out.push_back(C::picture(Page::PointMarks[static_cast<size_t>(k - 1)], ValidityMark::ValidIcon, 128,
            RowTop + RowStep * k + 2, 8, 8));
    }
    const std::vector<ControlSpec> rest {
        C::placeholder(Page::PlotHost, 220, 42, 310, 190),
        C::label(-1, QStringLiteral("Characterization Setting:"), 220, 240, 90, 8),
        C::edit(Page::SettingEdit, 312, 238, 70, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("Retreival Progress:"), 220, 256, 90, 8),
        C::progress(Page::ProgressBar, 312, 254, 218, 12),
        C::placeholder(Page::RangeabilityImageHost, 220, 270, 90, 16),
        C::edit(Page::RangeabilityEdit, 312, 272, 36, 12),
        spin(Page::RangeabilitySpin, 350, 271, 12,
            { { QStringLiteral("Min"), 30.0 }, { QStringLiteral("Max"), 300.0 }, { QStringLiteral("Increment"), 1.0 },
                { QStringLiteral("PageSize"), 10.0 }, { QStringLiteral("Value"), 30.0 },
                { QStringLiteral("AllowKeyEdit"), true } }),
        C::button(Page::EqualPercentButton, QString::number(158), 370, 269, 22, 18, C::Bitmap),
        C::button(Page::ResetButton, QString::number(156), 396, 269, 22, 18, C::Bitmap),
        C::placeholder(Page::FormulaImageHost, 220, 292, 200, 20),
        C::button(Page::DefaultButton, QStringLiteral("Default"), 220, 320, 48, 14),
        C::button(Page::LoadButton, QStringLiteral("Load"), 272, 320, 48, 14),
        C::button(Page::SaveButton, QStringLiteral("Save"), 324, 320, 48, 14),
        C::button(Page::ApplyButton, QStringLiteral("Apply"), 376, 320, 48, 14),
        C::button(Page::RetrieveButton, QStringLiteral("Retrieve"), 428, 320, 48, 14),
        C::button(Page::BackButton, QStringLiteral("Back"), 480, 320, 48, 14),

        C::group(Page::LinkageGroup, QStringLiteral(" Optional Linkage Linearization Procedure"), 10, 364, 520, 86),
        C::check(
            Page::Step1Check, QStringLiteral("1. Ensure stroke calibration has been performed."), 18, 376, 340, 10),
        C::check(Page::Step2Check,
            QStringLiteral("2. Adjust command signal so feedback arm is parallel to the slot in the take-off arm."), 18,
            388, 340, 10),
        C::check(Page::Step3Check, QStringLiteral("3. Enter feedback arm length."), 18, 400, 340, 10),
        C::check(Page::Step4Check, QStringLiteral("4.Enter Actual Stroke length."), 18, 412, 340, 10),
        C::label(-1, QStringLiteral("Arm Length:"), 362, 376, 54, 8, C::AlignRight),
        C::edit(Page::ArmLengthEdit, 420, 374, 40, 12),
        C::label(-1, QStringLiteral("in."), 464, 376, 30, 8),
        C::label(-1, QStringLiteral("Stroke Length:"), 362, 390, 54, 8, C::AlignRight),
        C::edit(Page::StrokeLengthEdit, 420, 388, 40, 12),
        C::label(Page::StrokeUnitLabel, QString(), 464, 390, 40, 8),
        // Right of the unit texts, inside the group.
        C::picture(Page::ArmLengthMark, ValidityMark::ValidIcon, 508, 376, 8, 8),
        C::picture(Page::StrokeLengthMark, ValidityMark::ValidIcon, 508, 390, 8, 8),
        C::label(-1, QStringLiteral("Position:"), 362, 404, 54, 8, C::AlignRight),
        C::edit(Page::PositionEdit, 420, 402, 40, 12, C::ReadOnly),
        C::label(-1, QStringLiteral("%"), 464, 404, 20, 8),
        C::label(-1, QStringLiteral("Error:"), 18, 432, 30, 8),
        C::edit(Page::ErrorEdit, 52, 430, 306, 12, C::ReadOnly),
        C::button(Page::CalculateButton, QStringLiteral("Calculate"), 420, 428, 50, 14, C::Disabled),
    };
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}
} // namespace

const char* const CCustCharacterization::SelectionPage = "CCustCharacterization_Info";

const std::array<int, CCustCharacterization::PointRows> CCustCharacterization::PointEdits { 860, 861, 862, 863, 864,
    865, 866, 867, 868, 869, 870, 871, 872, 873, 874, 875, 876, 877, 878 };
const std::array<int, CCustCharacterization::PointRows> CCustCharacterization::PointSpins { 742, 741, 751, 732, 743,
    733, 744, 734, 745, 735, 746, 736, 747, 737, 748, 738, 749, 739, 750 };
const std::array<int, CCustCharacterization::PointRows> CCustCharacterization::PointMarks { 1201, 1202, 1203, 1204,
    1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213, 1214, 1215, 1216, 1217, 1218, 1219 };

const PageTemplate CCustCharacterization::Template { 540, 458, controls() };

namespace
{
std::vector<std::pair<int, QString>> toolTips()
{
    ToolTipTable tips {
        { Page::PlotId, QStringLiteral("Plot") },
        { Page::EqualPercentButton, QStringLiteral("Button to calculate and graph the custom equal % curve.") },
        { Page::ResetButton, QStringLiteral("Reset to the existing custom characterization curve.") },
        { Page::RangeabilityEdit, QStringLiteral("Use to calculate a custom equal % curve.") },
        { Page::DefaultButton, QStringLiteral("Set and graph the default custom characterization curve.") },
        { Page::ApplyButton, QStringLiteral("Saves your changes to device.") },
        { Page::RetrieveButton, QStringLiteral("Retrieve information from the device.") },
        { Page::ArmLengthEdit, QStringLiteral("Enter arm length") },
        { Page::StrokeLengthEdit, QStringLiteral("Actual Stroke length") },
        { Page::PositionEdit, QStringLiteral("Actual valve position.") },
        { Page::CalculateButton, QStringLiteral("Calculate a linearized custom characterization curve.") },
        { Page::LoadButton, QStringLiteral("load the already saved test results into the display.") },
        { Page::SaveButton, QStringLiteral("save the test results into the local disc.") },
        { Page::BackButton, QStringLiteral("Back to the Stroke Characterization main page.") },
    };
    for (int edit : Page::PointEdits)
        tips.emplace_back(edit, QStringLiteral("Enter a characterization value for this point."));
    for (int box : { Page::Step1Check, Page::Step2Check, Page::Step3Check, Page::Step4Check })
        tips.emplace_back(box, QStringLiteral("Check when this step is complete."));
    return tips;
}
} // namespace

const ToolTipTable CCustCharacterization::ToolTips = toolTips();
