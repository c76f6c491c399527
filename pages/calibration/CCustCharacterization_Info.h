#pragma once

#include "StripPage.h"

#include "controls/Plot.h"
#include "controls/SwitchToggle.h"

#include <array>

class QComboBox;
class QProgressBar;

// The page "Stroke Characterization" (dialog 178): which characterization
// curve the positioner uses (linear, equal percentage or its custom curve),
// drawn in a plot; the user picks another and turns the local interface flag
// on or off, and Apply writes both. "Customize..." opens the custom curve
// editor, whose Back returns here.
class CCustCharacterization_Info : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 178;
    static constexpr int EqualRangeability = 30;

    // Control ids of the page.
    enum : int {
        CurveCombo = 423,
        ApplyButton = 424,
        RetrieveButton = 425,
        CustomizeButton = 453,
        ProgressBar = 1081,
        ConfigurationGroup = 1071,
        WarningLabel = 1086,
        WarningText = 1087,
        NoteLabel = 1088,
        NoteText = 1089,
        // Placeholders and the controls made over them.
        PlotHost = 1072,
        LocalInterfaceHost = 1074,
        OverrideHost = 1075,
        PlotId = 5530,
        LocalInterfaceToggle = 5528,
        OverrideToggle = 5529,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    // The page the editor is.
    static const char* const EditorPage;

    explicit CCustCharacterization_Info(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnRetrieve();
    void OnCurveTypeChanged();
    void OnOverrideToggled();
    void OnApply();
    void OnCustomize();

    const IPlotPtr& plot() const { return m_pPlot; }
    const ISwitchTogglePtr& localInterfaceToggle() const { return m_pLocalInterface; }
    const ISwitchTogglePtr& overrideToggle() const { return m_pOverride; }
    QComboBox* combo() const;
    QProgressBar* progress() const;
    const std::array<double, 21>& curvePoints() const { return m_CurvePoints; }

private:
    // The curve display of activation and Retrieve.
    void showDeviceCurve();
    void readCustomCurve();

    IPlotPtr m_pPlot;
    ISwitchTogglePtr m_pLocalInterface;
    ISwitchTogglePtr m_pOverride;
    std::array<double, 21> m_CurvePoints {};
    // Whether 246 was answered since the page was last activated: Apply
    // writes the configuration bytes back only then.
    bool m_ConfigRead = false;
};
