// Every text the two stroke characterization pages give: their tooltips,
// warnings, notes, captions and the linkage procedure's step labels, letter
// for letter.
#include "CharacterizationPageTest.h"
#include "PageTexts.h"

using CharacterizationTextsTest = CharacterizationPageTest;

TEST_F(CharacterizationTextsTest, TheSelectionPageShowsItsWarningNoteCaptionsAndTips)
{
    showSelection();
    expectToolTips(info(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { Info::ApplyButton, "Saves your changes to device." },
            { Info::RetrieveButton, "Retrieve information from the device." },
            { Info::LocalInterfaceToggle, "Displays the software DIP Switch Setting. (On/OFF)" },
            { Info::OverrideToggle, "If it is other, the physical dip switches will be overridden." },
            { Info::CurveCombo, "Select the desired characterization curve." },
            { Info::CustomizeButton, "Go to the customization page." },
            { Info::PlotId, "Plot" },
        });
    expectShownTexts(info(),
        {
            "WARNING",
            "Overriding the DIP switches on the Serrat positioner may cause the valve to stroke suddenly.  Continue "
            "only "
            "if you are certain the changes will not cause harm to personnel or processes.",
            "NOTE",
            "If the \"Dip Switches\"  on the Characterization Configuration displays \"ENABLED\" the device will "
            "revert to "
            "the characterization type specified by the DIP switch settings at the next stroke calibration procedure.",
            "Characterization Configuration",
            "Local Interface Enabled:",
            "Stroke Characteristic Software Override:",
            "Characterization Selection:",
            "Retrieval Progress:",
            "Active Indicator:",
            "Command Source:",
            "On",
            "Off",
            "Linear",
            "Other",
            "Customize...",
            "Apply",
            "Retrieve",
        });
}

TEST_F(CharacterizationTextsTest, TheEditorShowsItsWarningCaptionsStepLabelsAndTips)
{
    showEditor();
    ExpectedToolTips tips = {
        { StripPage::LedId, "LED status" },
        { StripPage::ActiveId,
            "Active Indicator displays the highest priority active status indicator and its respective number." },
        { StripPage::SourceId,
            "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
        { Editor::PlotId, "Plot" },
        { Editor::EqualPercentButton, "Button to calculate and graph the custom equal % curve." },
        { Editor::ResetButton, "Reset to the existing custom characterization curve." },
        { Editor::RangeabilityEdit, "Use to calculate a custom equal % curve." },
        { Editor::DefaultButton, "Set and graph the default custom characterization curve." },
        { Editor::ApplyButton, "Saves your changes to device." },
        { Editor::RetrieveButton, "Retrieve information from the device." },
        { Editor::ArmLengthEdit, "Enter arm length" },
        { Editor::StrokeLengthEdit, "Actual Stroke length" },
        { Editor::PositionEdit, "Actual valve position." },
        { Editor::CalculateButton, "Calculate a linearized custom characterization curve." },
        { Editor::LoadButton, "load the already saved test results into the display." },
        { Editor::SaveButton, "save the test results into the local disc." },
        { Editor::BackButton, "Back to the Stroke Characterization main page." },
    };
    for (int point : Editor::PointEdits)
        tips.push_back({ point, "Enter a characterization value for this point." });
    for (int step : { Editor::Step1Check, Editor::Step2Check, Editor::Step3Check, Editor::Step4Check })
        tips.push_back({ step, "Check when this step is complete." });
    expectToolTips(editor(), tips);
    EXPECT_EQ(Editor::PointEdits.front(), 860);
    EXPECT_EQ(Editor::PointEdits.back(), 878);
    expectShownTexts(editor(),
        {
            "WARNING",
            "Applying new custom characterization values while the positioner is set to CUSTOM will cause closure "
            "member "
            "movement.",
            "Characterization Curve",
            " Optional Linkage Linearization Procedure",
            "Input Signal %",
            "Output Signal %",
            "Characterization Setting:",
            "Retreival Progress:",
            "1. Ensure stroke calibration has been performed.",
            "2. Adjust command signal so feedback arm is parallel to the slot in the take-off arm.",
            "3. Enter feedback arm length.",
            "4.Enter Actual Stroke length.",
            "Arm Length:",
            "in.",
            "Stroke Length:",
            "Position:",
            "%",
            "Error:",
            "Calculate",
            "Default",
            "Back",
            "Load",
            "Save",
            "Apply",
            "Retrieve",
        });
}
