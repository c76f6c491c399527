#pragma once

#include "FieldRange.h"
#include "StripPage.h"

#include "controls/ImageDisplay.h"
#include "controls/SpinEditBox.h"

#include <cstdint>

// The page "Control Health" (dialog 284): the position deviation alert of the
// device, a tolerable error band in percent and a deviation time frame in
// seconds, with the present deviation, an illustration of the rule and the
// alarm's implications and possible solutions.
class CControlHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 284;
    static constexpr int DeviationTimerId = 3013;
    static constexpr int DeviationMs = 10000;
    static constexpr int IllustrationPicture = 150;
    // What Apply writes: whole percent and whole seconds within these.
    static constexpr double MaxTolerance = 100.0;
    static constexpr double MaxTimeFrame = 60.0;
    static constexpr FieldRange ToleranceRange { 0.0, MaxTolerance, FieldStep::Whole };
    static constexpr FieldRange TimeFrameRange { 0.0, MaxTimeFrame, FieldStep::Whole };

    // Control ids of the page.
    enum : int {
        DeviationGroupId = 1035,
        ToleranceCaption = 900,
        ToleranceSpin = 1169,
        ToleranceUnit = 235,
        TimeFrameCaption = 902,
        TimeFrameSpin = 1170,
        TimeFrameUnit = 236,
        ToleranceMark = 1181,
        TimeFrameMark = 1182,
        ActualValueCaption = 903,
        ActualValueEdit = 799,
        RuleCaption = 901,
        IllustrationHost = 1044,
        IllustrationId = 8027,
        HelpButton = 619,
        ImplicationsEdit = 1177,
        SolutionsEdit = 1172,
        ApplyButton = 424,
        RetrieveButton = 425,
    };

    // The dialog template, its tooltips and help texts (CControlHealthTemplate.cpp).
    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const char* const Implications;
    static const char* const Solutions;

    explicit CControlHealth(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnApply();
    void OnRetrieve();
    void ShowDeviationHelp();
    // One read of the alert settings into the spins / of the status into "Actual Value".
    void ReadDeviationLimits();
    void ReadActualDeviation();

    ISpinEditBoxPtr spin(int spinId) const;
    const IImageDisplayPtr& illustration() const { return m_pIllustration; }

private:
    // Whether the spin's value goes out as it stands: one on the device's
    // step within the range, or the device's own value left as shown. The
    // mark beside the spin shows it.
    bool checkSpin(int spinId);

    IImageDisplayPtr m_pIllustration;
    // Whether a 218 reply came since the page was shown: only then do the
    // two words Apply does not edit hold what the device has.
    bool m_bAlertsRead = false;
    // What the spins were last given, and the words they came from, so that
    // a value the user did not touch goes back as the device gave it.
    double m_ShownTolerance = 0.0;
    double m_ShownTimeFrame = 0.0;
    uint16_t m_ToleranceWord = 0;
    uint16_t m_TimeFrameWord = 0;
    uint8_t m_TimeFrameInTenths = 0;
};
