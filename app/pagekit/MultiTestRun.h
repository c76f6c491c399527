#pragma once

#include "controls/Plot.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// The tests the diagnostics hub runs one after another.
enum class MultiTest { Ramp, Step, PartialStroke, HDRL, Count };

// The lines of a multi-test run ("Ramp test completed", ...), shown by the
// hub's "Test Status" list; the hub and the test pages add to it.
class TestStatusList
{
public:
    void AddString(const QString& line);
    void ResetContent();
    const QStringList& lines() const { return m_lines; }
    // Called after every change (the list box that shows the lines).
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

private:
    QStringList m_lines;
    std::function<void()> m_changed;
};

class QWidget;

// The device a test page's shown result was recorded on, and the flags of
// that recording which decide what its pictures show. The multi-test report
// names this device, not the connected one, for that result.
struct MultiTestResultDevice {
    uint8_t model = 0; // 5 or 6
    // A loaded file's tag; none: the result was recorded by the connected device.
    std::optional<QString> fileTag;
    bool singleActing = false;
    bool pressureSensor = false;
};

// What a test page offers the hub: its Save, its plot, the reset of its
// view, and what the multi-test report takes from its shown result: the
// texts it prints, as the page's own report prints them, and the device.
struct MultiTestPage {
    std::function<void()> Save;
    std::function<IPlotPtr()> plot;
    std::function<void()> ResetView;
    std::function<QStringList()> reportTexts;
    // The ramp page's: whether the run it shows went both ways; nothing
    // while it shows no run of its own.
    std::function<std::optional<bool>()> ranBothWays;
    // An empty plot of the page's kind, set up as the page sets up its own,
    // hidden, made under `owner` (which deletes it): the report pictures it
    // for a test the user left out, and the page's own result stays.
    std::function<IPlotPtr(QWidget* owner)> MakeScratchPlot;
    // The device the shown result was recorded on.
    std::function<MultiTestResultDevice()> resultDevice;
    // When the shown result was recorded ("12/3/2024"): the date its section
    // of the report prints.
    std::function<QString()> resultDate;
};

// The state of a multi-test run that the test pages and the diagnostics hub
// share, owned by the application: while the run flag is set a test page asks
// no movement question and starts by itself; a page that finishes sets its
// done flag, adds its line and hands back to the hub. A done flag means
// finished in the run now on: a new run clears them all, and a test the user
// stopped leaves its own clear.
class MultiTestRun
{
public:
    bool m_bMultiTestRunning = false;
    bool m_bRampDone = false;
    bool m_bStepDone = false;
    bool m_bPSTDone = false;
    bool m_bHDRLDone = false;
    TestStatusList m_TestStatusList;
    // Writes the HDRL page's settling time edit; the hub hands over its own
    // settling time, as typed there, before it shows that page. Empty until
    // the page registers it.
    std::function<void(const QString&)> SetHDRLSettlingTime;
    // The hub's own Stop: ends the run, unticks its boxes and offers Start
    // and Print Report again. Empty until the hub registers it.
    std::function<void()> StopMultiTest;
    // The user stopped the run on a test page: the hub, when next shown,
    // shows the run as it ended (its lines and settings) rather than
    // starting afresh. The hub clears it.
    bool m_bShowStoppedRun = false;

    bool& done(MultiTest test);

    // The settings the hub held for a test of a run the user stopped before
    // that test started, as the hub's edits read them, in the order of the
    // test page's own settings edits (ramp: start, stop, hold time, duration;
    // step: start, stop, hold time; partial stroke: start, stop, time to
    // target, duration; HDRL: settling time); empty when it holds none. The
    // device then keeps another test's settings, so a test page that shows
    // no result of its own offers these. A new run clears them.
    void holdSettings(MultiTest test, const QStringList& texts);
    const QStringList& heldSettings(MultiTest test) const;
    void clearHeldSettings();

    // A test the user stopped (its Stop button, or leaving its page) ends the
    // whole run as the hub's Stop does, so no further test starts.
    void StopByUser();

    // A test page registers what the hub may call; registering again replaces it.
    void registerPage(MultiTest test, MultiTestPage page);
    // What the page registered, or nullptr.
    const MultiTestPage* page(MultiTest test) const;

private:
    std::array<MultiTestPage, static_cast<size_t>(MultiTest::Count)> m_pages;
    std::array<bool, static_cast<size_t>(MultiTest::Count)> m_registered {};
    std::array<QStringList, static_cast<size_t>(MultiTest::Count)> m_held;
};
