#pragma once

#include "StripPage.h"

#include "controls/ImageDisplay.h"
#include "controls/Plot.h"
#include "controls/SpinEditBox.h"

#include <array>
#include <cstdint>
#include <optional>

class QProgressBar;

// The custom characterization editor (dialog 1077), reached only through
// "Customize..." of the selection page: the device's custom curve as 21
// outputs for the inputs 0, 5, ..., 100 %, edited point by point in 19 rows
// (edit and spin) and drawn in a plot. The default curve, an equal-percentage
// curve of a chosen rangeability, a saved file or the linkage linearization
// can replace it; reset brings back the curve read (or the one last
// applied); Apply writes the stroke length and the curve to the device.
class CCustCharacterization : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1077;
    static constexpr int PointRows = 19;
    static constexpr int InitialRangeability = 30;

    // Control ids of the page.
    enum : int {
        SettingEdit = 1079,
        RangeabilityEdit = 1192,
        RangeabilitySpin = 753,
        ZeroPointField = 755,
        FullPointField = 740,
        DefaultButton = 577,
        EqualPercentButton = 752,
        ResetButton = 754,
        BackButton = 452,
        LoadButton = 454,
        SaveButton = 453,
        ApplyButton = 424,
        RetrieveButton = 425,
        ProgressBar = 1081,
        CurveGroup = 1076,
        WarningLabel = 1086,
        WarningText = 1087,
        // The linkage linearization procedure.
        LinkageGroup = 1175,
        Step1Check = 1176,
        Step2Check = 1177,
        Step3Check = 1178,
        Step4Check = 1179,
        ArmLengthEdit = 1168,
        StrokeLengthEdit = 880,
        StrokeUnitLabel = 641,
        ErrorEdit = 881,
        PositionEdit = 882,
        CalculateButton = 455,
        // The validity marks beside the arm and the stroke length.
        ArmLengthMark = 1220,
        StrokeLengthMark = 1221,
        // Placeholders and the controls made over them.
        PlotHost = 1078,
        RangeabilityImageHost = 1045,
        FormulaImageHost = 1046,
        PlotId = 5530,
        RangeabilityImageId = 8028,
        FormulaImageId = 8029,
    };
    // Point k (1..19) sits at input 5k %: its edit and its spin.
    static const std::array<int, PointRows> PointEdits;
    static const std::array<int, PointRows> PointSpins;
    // The validity mark beside each point edit.
    static const std::array<int, PointRows> PointMarks;
    static constexpr int RangeabilityPicture = 159;
    static constexpr int FormulaPicture = 157;

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // The page Back returns to.
    static const char* const SelectionPage;

    explicit CCustCharacterization(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnRetrieve();
    void OnApply();
    void OnBack();
    void OnSave();
    void OnLoad();
    void OnDefault();
    void OnEqualPercent();
    void OnResetCurve();
    void OnPointChanged(int row);
    void OnPointSpinChanged(int row);
    void OnRangeabilityChanged();
    void OnRangeabilityKillFocus();
    void ShowCurveInEdits();

    // The linkage linearization procedure.
    void SetUpLinearizationSteps();
    void OnStep1Clicked();
    void OnStep2Clicked();
    void OnStep3Clicked();
    void CheckArmLength();
    void OnStep4Clicked();
    void OnCalculate();

    const IPlotPtr& plot() const { return m_pPlot; }
    ISpinEditBoxPtr pointSpin(int row) const;
    ISpinEditBoxPtr rangeabilitySpin() const;
    QProgressBar* progress() const;
    const std::array<double, 21>& workingCurve() const { return m_WorkingCurve; }
    const std::array<double, 21>& savedCurve() const { return m_SavedCurve; }
    bool retrieved() const { return m_Retrieved != 0; }
    bool applied() const { return m_Applied != 0; }

private:
    void readCustomCurve();
    void setStrokeText(const QString& text);
    // Word 0x74 with `stroke`, when the device's stroke was read since
    // activation or the user typed one since: else a log line.
    void writeStrokeLength(double stroke);
    // The stroke and the arm length as typed when each is a number in its
    // range; each mark shows whether it is.
    std::optional<double> checkStroke();
    std::optional<double> checkArm();
    // Marks every point whose text Apply could not write; true when none is.
    bool checkPoints();
    bool checkPoint(int row);
    bool checked(int box) const;
    void setChecked(int box, bool check);
    void connectHandlers();

    IPlotPtr m_pPlot;
    IImageDisplayPtr m_pRangeabilityImage;
    IImageDisplayPtr m_pFormulaImage;
    std::array<double, 21> m_WorkingCurve {};
    std::array<double, 21> m_SavedCurve {};
    uint8_t m_Retrieved = 0;
    uint8_t m_Applied = 0;
    // Whether 173 was answered since the page was last activated, and
    // whether the user typed a stroke length since.
    bool m_StrokeRead = false;
    bool m_StrokeEdited = false;
    bool m_FillingStroke = false;
};
