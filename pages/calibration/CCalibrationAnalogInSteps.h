#pragma once

#include "AnalogInputWizardPage.h"

#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QPointer>

#include <initializer_list>

// The five steps of the analog input calibration wizard. Each step tells the
// positioner what the user just did by a code of Write_Cal_Loop_cmd; the
// positioner does the arithmetic and reports its progress as the state.

// Step 1 (dialog 275): the last calibration's date and initials, today's
// date, and the start of the calibration with Next.
class CCalibrationAnalogIn1 : public AnalogInputWizardPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 275;
    static constexpr int LiveTimerId = 5003;
    static constexpr int FirstLiveMs = 1000;
    static constexpr int LiveMs = 5000;
    static constexpr uint8_t NextCode = 3;

    enum : int {
        CommandEdit = 1212,
        CurrentEdit = 1213,
        ZeroFlag = 1216,
        SpanFlag = 1217,
        RangeFlag = 1218,
        StateIndicator = 245,
        PreviousButton = 1215,
        NextButton = 1214,
        LastDateEdit = 1211,
        LastByEdit = 398,
        TodayEdit = 1056,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Monitor Controls;

    explicit CCalibrationAnalogIn1(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void OnPrevious();
    void OnNext();
};

// Steps 2 to 4 share their shape: Accept sends the step's codes, enables
// Next and from then on re-reads the state on a second timer.
class AnalogInputAcceptStep : public AnalogInputWizardPage
{
    Q_OBJECT

public:
    struct Setup {
        int step; // 2, 3 or 4
        int acceptButton;
        int previousButton;
        int nextButton;
        int liveTimerId;
        int liveMs; // the first timer's period
        int stateTimerId; // armed by Accept
        int liveAfterStateMs; // the first timer's delay when the state timer re-arms it
        uint8_t previousCode; // sent by Previous
    };
    static constexpr int FirstLiveMs = 1000;
    static constexpr int StateMs = 3000;

    AnalogInputAcceptStep(PageContext& context, const QString& className, int dialogId, const Monitor& monitor,
        const Setup& setup, const PageTemplate& pageTemplate, const ToolTipTable& toolTips, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnPrevious();
    void OnNext();
    virtual void OnAccept() = 0;

protected:
    // The first timer: live values, flags and strip.
    void armLiveTimer(int firstMs);
    // The state timer, after Accept: both timers stopped, the state read, both armed again.
    void armStateTimer();
    // What Accept does on every step: Accept disabled, `codes` sent in their
    // order with the state shown after each, Next enabled and the state timer armed.
    void acceptWithCodes(std::initializer_list<uint8_t> codes);

    Setup m_setup;
};

// Step 2 (dialog 276): the 4 mA reference point.
class CCalibrationAnalogIn2 : public AnalogInputAcceptStep
{
    Q_OBJECT

public:
    static constexpr int DialogId = 276;
    enum : int {
        CommandEdit = 1220,
        CurrentEdit = 1018,
        ZeroFlag = 1222,
        SpanFlag = 1223,
        RangeFlag = 1224,
        StateIndicator = 1225,
        AcceptButton = 582,
        PreviousButton = 1250,
        NextButton = 1221,
    };
    static constexpr uint8_t ReferenceCode = 8;
    static constexpr uint8_t ReferenceSetCode = 3;
    static constexpr uint8_t PreviousCode = AbortCode;

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Monitor Controls;
    static const Setup Steps;

    explicit CCalibrationAnalogIn2(PageContext& context, QWidget* parent = nullptr);
    void ActivatePage() override;
    void OnAccept() override;
};

// Step 3 (dialog 277): the 0 % level.
class CCalibrationAnalogIn3 : public AnalogInputAcceptStep
{
    Q_OBJECT

public:
    static constexpr int DialogId = 277;
    enum : int {
        CommandEdit = 1226,
        CurrentEdit = 398,
        CountEdit = 1018,
        ZeroFlag = 1230,
        SpanFlag = 1231,
        RangeFlag = 1232,
        StateIndicator = 1233,
        AcceptButton = 1228,
        PreviousButton = 1229,
        NextButton = 1227,
    };
    static constexpr uint8_t AcceptCode = 12;
    static constexpr uint8_t PreviousCode = 11;

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Monitor Controls;
    static const Setup Steps;

    explicit CCalibrationAnalogIn3(PageContext& context, QWidget* parent = nullptr);
    void ActivatePage() override;
    void OnAccept() override;
};

// Step 4 (dialog 278): the 100 % level.
class CCalibrationAnalogIn4 : public AnalogInputAcceptStep
{
    Q_OBJECT

public:
    static constexpr int DialogId = 278;
    enum : int {
        CommandEdit = 1018,
        CurrentEdit = 1241,
        CountEdit = 1242,
        ZeroFlag = 1234,
        SpanFlag = 1235,
        RangeFlag = 1236,
        StateIndicator = 1237,
        AcceptButton = 1238,
        PreviousButton = 1239,
        NextButton = 1240,
    };
    static constexpr uint8_t AcceptCode = 13;
    static constexpr uint8_t PreviousCode = 11;

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Monitor Controls;
    static const Setup Steps;

    explicit CCalibrationAnalogIn4(PageContext& context, QWidget* parent = nullptr);
    void ActivatePage() override;
    void OnAccept() override;
};

// Step 5 (dialog 279): the initials, Finish with the date and the initials,
// and the printed report.
class CCalibrationAnalogIn5 : public AnalogInputWizardPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 279;
    static constexpr uint8_t FinishCode = 14;
    static constexpr uint8_t PreviousCode = 12;
    enum : int {
        CommandEdit = 1247,
        CurrentEdit = 398,
        ZeroFlag = 1243,
        SpanFlag = 1244,
        RangeFlag = 1245,
        StateIndicator = 1246,
        PreviousButton = 1248,
        FinishButton = 583,
        PrintButton = 1429,
        BackButton = 1029,
        StartPercentEdit = 1249,
        ActualPercentEdit = 1018,
        InitialsEdit = 409,
        InitialsMark = 1008,
        ReportHost = 1431,
        PrinterHost = 1430,
        ReportId = 5522,
        PrinterId = 5523,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;
    static const Monitor Controls;
    static const QString InitialsTip;

    explicit CCalibrationAnalogIn5(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;
    void OnPrevious();
    void OnBack();
    void OnFinish();
    void OnPrintReport();
    void OnChangeNewCalibrationBy();

    const IReportPtr& reportControl() const { return m_pReport; }

private:
    // The flags into the report record as well; returns byte 8, or nothing
    // when the device did not report it (the record keeps the flags it has).
    std::optional<uint8_t> showFlagsAndRecord();

    QString m_strToday;
    QPointer<QWidget> m_reportWindow;
    QPointer<QWidget> m_printerWindow;
    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
};
