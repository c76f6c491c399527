#pragma once

#include "DiagnosticTestRules.h"
#include "FieldRange.h"
#include "MultiTestRun.h"
#include "ShownResult.h"
#include "StripPage.h"
#include "TestPageHandBack.h"

#include "controls/Plot.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

// What the step, ramp and partial stroke test pages share: their hidden
// report and printer controls, the channel boxes' checked state, Compare,
// which leads to the page's compare page, and the run itself: its buttons,
// elapsed time and progress, the signature read back sample by sample, and
// how a run completes or is stopped, alone or in a multi-test run.
class DiagnosticTestPage : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DiagnosticCode = 4;

    // The six signals of one sample in the order the device records them: as
    // its words, and as the values the plots show.
    template <class T> struct Signals {
        T command {};
        T position {};
        T relayCommand {};
        T relayPosition {};
        T port1 {};
        T port2 {};
    };
    using SignatureWords = Signals<int16_t>;
    using SignalSample = Signals<double>;
    // The two samples of one block of the recorded signature.
    using SignatureBlock = std::array<SignatureWords, 2>;

    // A settings edit: its validity mark, the values it takes and the tip
    // that names them.
    struct SettingField {
        int edit;
        int mark;
        FieldRange range;
        const QString* tip;
    };

    void OnCompare();

    bool testRunning() const { return m_TestRunning; }
    // Whether the page shows a result loaded from a file.
    bool offlineData() const { return m_Result.fromFile(); }

protected:
    // The channel boxes, top to bottom as the column shows them.
    struct ChannelBoxes {
        int position;
        int command;
        int port1;
        int port2;
        int relayCommand;
        int relayPosition;
    };

    // The controls and the multi-test hand-back of the page's run.
    struct RunControls {
        ChannelBoxes boxes;
        int statusEdit;
        int progressBar;
        int elapsedEdit; // with elapsedTimer: 0 when the page counts no time
        int elapsedTimer;
        int startButton;
        int stopButton;
        std::array<int, 4> idleButtons; // load, save, compare and print: only while no run goes on
        bool MultiTestRun::*done; // the page's test in a multi-test run
        QString completedLine; // its line in the run's list when it ends
        QString stoppedLine; // and when the user stops it
    };
    // The run's controls of a page whose enum names them as every test page does.
    template <class Page>
    static RunControls runControls(int elapsedEdit, int elapsedTimer, bool MultiTestRun::*done,
        const QString& completedLine, const QString& stoppedLine)
    {
        return { { Page::PositionBox, Page::CommandBox, Page::Port1Box, Page::Port2Box, Page::RelayCommandBox,
                     Page::RelayPositionBox },
            Page::StatusEdit, Page::ProgressBar, elapsedEdit, elapsedTimer, Page::StartButton, Page::StopButton,
            { Page::LoadButton, Page::SaveButton, Page::CompareButton, Page::PrintButton }, done, completedLine,
            stoppedLine };
    }

    DiagnosticTestPage(PageContext& context, const QString& name, int dialogId, int compareCode, RunControls run,
        QWidget* parent = nullptr);

    // The report and printer controls, hidden behind the page.
    void createReportControls(int reportHost, int reportId, int printerHost, int printerId);

    // Reads the test status byte and keeps it as the device's; nothing when
    // the reply was lost.
    std::optional<uint8_t> readTestStatus();
    // The test status as readTestStatus reads it; while the test runs
    // `statusEdit` shows `runningText`. The byte once the test has ended;
    // nothing while it runs or when the reply was lost (the next tick asks again).
    std::optional<uint8_t> endedTestStatus(int statusEdit, const QString& runningText);

    bool checked(int boxId) const;
    void setChecked(int boxId, bool on);

    // Whether the port 2 box the smaller model hides is left checked.
    enum class HiddenPort2 { Unchecked, Checked };
    // Every channel box checked and the port boxes usable; on the smaller
    // model, which has no port 2, the port 2 box goes, the column closes up
    // and, when the plot was made, the port 2 trace is hidden.
    void setUpChannelBoxes(bool plotMade, HiddenPort2 hidden);
    // The port boxes as the device allows, and the port traces as the boxes say.
    void showPortTraces();
    virtual void showTrace(const char* channel, bool shown) = 0;

    // The time, position and pressure axes of a plot against time, as an
    // empty plot shows them: once the plot holds a result, its axes fit it.
    static void scaleSignalAxes(
        const IPlotPtr& plot, double timeSpan, double positionMin, double positionSpan, double pressureSpan);

    // Reads the edit's whole text, shows its mark and gives its number when it
    // is one in the field's range.
    std::optional<double> checkSetting(const SettingField& field);
    // The numbers of `fields` in their order as a run takes them, every mark
    // shown; nothing when any field is marked, and the log says that `test`
    // was not started. Nothing reaches the device from a marked field.
    std::optional<std::vector<double>> settingsForRun(std::initializer_list<SettingField> fields, const QString& test);
    // A settings edit's number where the plot is laid out before a run: 0
    // while the edit holds none, as an empty edit has always given.
    double layoutNumber(int edit) const;

    // Start waits for the page's settings to be valid and for its run to end.
    virtual bool settingsAllowStart() const = 0;
    void updateStartButton();
    // Load, Save, Compare, Print and Start while no run goes on, Stop while one does.
    void enableIdleButtons(bool enable);
    // The buttons once a run has completed or was stopped.
    virtual void showIdleButtons();
    void setProgressRange(int last);
    void setProgress(int value);
    // Counts the run's seconds in the elapsed edit until the run has ended.
    void countElapsedSeconds(int ms);

    // One point of `channel` on the page's plot.
    virtual void addPoint(const char* channel, double x, double y) = 0;
    // The six signals of `sample` at time `t` on their channels against time.
    void plotAgainstTime(double t, const SignalSample& sample);
    // The first sample of a run, before the device has recorded one: the
    // start position as command and position, the port pressures and the
    // relay's command and position as they are now.
    template <class Pressure> SignalSample startSample(double start, Pressure pressure)
    {
        const StartReadings now = readStartReadings();
        return { start, start, now.relayCommand, now.relayPosition, pressure(now.port1), pressure(now.port2) };
    }
    // The first sample with its pressures in hundredths of a percent of `fullScale`.
    SignalSample startSampleOfFullScale(double start, double fullScale)
    {
        return startSample(
            start, [fullScale](uint16_t word) { return DiagnosticTestRules::pressureOf(word, fullScale); });
    }
    // A sample's words as the plot shows them, through the page's own scales.
    template <class Percent, class Pressure>
    static SignalSample scaled(const SignatureWords& words, Percent percent, Pressure pressure)
    {
        return { percent(words.command), percent(words.position), percent(words.relayCommand),
            percent(words.relayPosition), pressure(words.port1), pressure(words.port2) };
    }
    // A sample's words in hundredths of a percent, its pressures of `fullScale`.
    static SignalSample scaledOfFullScale(const SignatureWords& words, double fullScale)
    {
        return scaled(
            words, [](int16_t word) { return DiagnosticTestRules::percentOf(word); },
            [fullScale](int16_t word) { return DiagnosticTestRules::pressureOf(word, fullScale); });
    }
    // One read of the recorded signature: its two samples, or nothing when
    // no values came.
    std::optional<SignatureBlock> readSignatureBlock();
    // Hands the block's two samples, numbered from `firstSample`, to `take`.
    // A block whose values did not come leaves its two samples empty, logged
    // under `where`, so the later blocks keep their places in the device's
    // sequence.
    void takeSamples(const std::optional<SignatureBlock>& block, const QString& where, int firstSample,
        const std::function<void(int sample, const SignatureWords& words)>& take);

    // The status edit once the page's reads on showing it have ended: what it
    // says of the shown result.
    void showResultStatus();
    // The run's state in the status edit, kept as the state the run shown is in.
    void showRunState(const QString& statusText);
    // The run has ended: `statusText` in the status edit and the buttons back;
    // in a multi-test run the page marks its test done and shows the hub.
    void completeRun(const QString& statusText);
    // The user stopped the run: "Stopped" and the buttons back; in a
    // multi-test run the whole run ends.
    void stopRun(UserStop how);
    // Ends the signature test running on the device (a start of type 0 with
    // the settings as they stand), which gives the valve back to its command.
    void sendSignatureStop();

    // The settings of the result shown: the run's, or the loaded file's as
    // the edits showed them when it was loaded.
    QString settingText(int editId) const;
    double settingNumber(int editId) const { return m_Result.number(*this, editId); }
    // The settings the hub held for `test` into `edits`, as ShowHeldSettings
    // puts them. Whether there were any.
    bool showHeldSettings(MultiTest test, std::initializer_list<int> edits);
    // The device keeps one block of test settings for the step, ramp and
    // partial stroke tests, written by whichever of them started last (and it
    // names the step and the partial stroke alike). Whether that block is
    // this page's own test's: by the last start the device answered from this
    // program, or before any, by the type the device last read back keeps with
    // the block. (`ownType` is the type the page's start
    // sets in `DeviceData::SignatureType`.) With the block another test's,
    // the page keeps the settings its edits hold: its own from before.
    bool deviceSettingsAreOwn(uint16_t ownType) const;
    // The model the shown result was recorded on.
    uint8_t resultModel() const;
    // The device's units as the page last read them; a run starts in these.
    virtual ResultUnits deviceUnits() const;
    // The units of the run shown, as they were when it started; with no run
    // shown, the device's.
    ResultUnits shownUnits() const;
    // The device of the shown result, for the hub's report: a loaded file's
    // tag and actuator flags as its record holds them, a run's from the device.
    template <class Record> MultiTestResultDevice resultDevice(const Record& record) const
    {
        MultiTestResultDevice device;
        device.model = resultModel();
        if (m_Result.fromFile())
            device.fileTag = m_Result.fileTag();
        device.singleActing = m_Result.fromFile() ? record.m_bSingleActing != 0 : data().Config28Bit5 != 0;
        device.pressureSensor = m_Result.fromFile() ? record.m_bPressureSensor != 0 : data().PressureSensorFlag != 0;
        return device;
    }
    // The report head of the shown result, after reading the connected
    // device's header: the file's tag and model for a loaded file.
    CReportHeader resultHeader();

    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    bool m_TestRunning = false;
    ShownResult m_Result;

private:
    struct StartReadings {
        uint16_t port1 = 0;
        uint16_t port2 = 0;
        double relayCommand = 0.0;
        double relayPosition = 0.0;
    };
    StartReadings readStartReadings();
    void onElapsed();

    const int m_compareCode;
    const RunControls m_run;
    int m_ElapsedSeconds = 0;
};
