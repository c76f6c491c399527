#pragma once

#include "StripPage.h"
#include "StrokeCalibrationRules.h"

#include "automation/AutoString.h"
#include "controls/LedRound.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QPointer>

#include <cstdint>
#include <functional>

class CReportHeader;

// What the actuator and the stroke calibration pages do alike: the initials
// check, a run's start, the state polling and the end of the run, Abort, and
// the report and printer controls. Each page names its controls and texts and
// keeps what is its own (flags, gauges, its other buttons).
class CalibrationRunPage : public StripPage
{
    Q_OBJECT

public:
    // One page's controls, timer and texts.
    struct RunSetup {
        StrokeCalibrationRules::Page page;
        int todayEdit;
        int initialsEdit;
        int initialsMark;
        int lastDateEdit;
        int lastByEdit;
        int stateEdit;
        int progressBar;
        int startButton;
        int abortButton;
        int printButton;
        int reportHost;
        int printerHost;
        int reportId;
        int printerId;
        int pollTimerId;
        int pollMs;
        uint8_t startCode;
        uint8_t abortCode;
        QString movementCaption;
        QString initialsTip;
        QString completedText;
        QString abortedText;
    };

    // The calibration flags' LEDs, lit while a flag is raised.
    static constexpr uint32_t FlagLitColour = 0x0A0AFF;
    static constexpr uint32_t FlagUnlitColour = 0x00FF00;

    void StopTimers() override;

    virtual void OnChangeNewCalibrationBy() = 0;
    virtual void OnStartCalibration() = 0;
    virtual void OnAbortCalibration() = 0;
    virtual void OnPrintReport() = 0;

    bool calibrating() const { return m_bCalibrating; }
    const IReportPtr& reportControl() const { return m_pReport; }

protected:
    // Builds the page from `pageTemplate`.
    CalibrationRunPage(PageContext& context, const QString& name, int dialogId, const RunSetup& setup,
        const PageTemplate& pageTemplate, QWidget* parent = nullptr);

    // The report and printer controls and the progress bar's range.
    void createReportControls();
    // The initials edit and the Start, Abort and Print buttons to their handlers.
    void connectRunControls();
    // A calibration flag's LED over the placeholder `hostId`, unlit.
    ILedRoundPtr createFlagLed(int hostId, int id);
    // The six stroke flags' tooltips, on the LEDs from `firstLed` on.
    static ToolTipTable strokeFlagTips(int firstLed);
    // The activation both pages share: the strip, today's date, an empty
    // state, the progress at zero and the last calibration's date and initials.
    void activateRun();
    // The last calibration's date and initials as the device holds them; the
    // initials edit is checked as it is set.
    void showLastCalibration();
    // true: the initials were set from the device and are taken as they are
    // (the mark shows them valid); false: the user's initials are to be checked.
    bool takeDeviceInitials();
    // Shows and returns whether the initials in the edit are acceptable.
    bool markInitials();
    // Checks the initials and then asks before the valve moves; true: the run
    // may start, with the calibration text set from today's date and the initials.
    bool mayStartRun();
    // Starts the run on the device and polls it, tick after tick, until it ends.
    void startRun(std::function<void()> tick);
    // Reads the state and shows it; true: the run has ended and the page
    // shows the new calibration.
    bool pollRunState();
    // Aborts the run on the device; the poll timer stops on its next tick.
    void abortRun();

    // Print: the report header and then `fillResults` read from the device,
    // the record's date, initials and state as the page shows them, and the
    // report generated from the model's file of `definition`.
    template <class Record, class Generate>
    void printRunReport(
        Record& record, const QString& definition, const std::function<void()>& fillResults, Generate generate)
    {
        CReportHeader& header = readReportHeader();
        fillResults();
        record.m_strLastCalDate = AutoString(windowText(m_setup.todayEdit));
        record.m_strNewCalBy = AutoString(windowText(m_setup.initialsEdit));
        record.m_strState = AutoString(windowText(m_setup.stateEdit));
        generate(header, record, m_pReport, m_pPrinter, reportDefinition(definition), this);
    }

    // Sets an edit's text and runs its change handler even when the text
    // stays the same: the handler runs for every text the page sets.
    template <class PageClass> void fillEdit(int id, const QString& text, void (PageClass::*handler)())
    {
        const bool same = windowText(id) == text;
        setWindowText(id, text);
        if (same)
            (static_cast<PageClass*>(this)->*handler)();
    }

    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;

private:
    CReportHeader& readReportHeader();
    AutoString reportDefinition(const QString& definition) const;

    const RunSetup m_setup;
    bool m_bCalibrating = false;
    bool m_bSkipInitialsCheck = true;
    QPointer<QWidget> m_reportWindow;
    QPointer<QWidget> m_printerWindow;
};
