#pragma once

#include "IndicatorColours.h"

#include "controls/LedRound.h"
#include "controls/NumEdit.h"

#include <QRect>
#include <QString>

#include <cstdint>

struct DeviceData;
class AppLog;
class CommandDispatch;
class FormPage;

// The status strip every page carries: a round LED, the active indicator
// (highest-priority active status, number and text) and the command source.
// This turns the last status the device reported into those three, with the
// priorities of the model's error-definition file.
class StatusStrip
{
public:
    static constexpr uint32_t Green = IndicatorColour::Green;
    static constexpr uint32_t Yellow = IndicatorColour::Yellow;
    static constexpr uint32_t Red = IndicatorColour::Red;
    static constexpr int NoStatus = 255;

    StatusStrip(DeviceData& data, CommandDispatch& dispatch, const AppLog& log);

    // Reads the model's error-definition file from `programFolder` into
    // DeviceData::StatusPriority and resets the strip state. A missing file
    // leaves every priority at 0 (every status then shows green) and is logged;
    // a damaged one is read all the same, and the log names the file and its
    // first line that did not parse, once per load.
    void LoadErrorDefinitions(const QString& programFolder);

    QString GetStatusText(int statusNumber) const;

    // Paints one page's strip from the status DeviceData already holds;
    // nothing is sent. A control that was never created is left out; a
    // failing control call raises ComError.
    void EvaluateStatus(const ILedRoundPtr& led, const INumEditPtr& activeIndicator, const INumEditPtr& commandSource);
    // One Read_Status_cmd (202), then EvaluateStatus.
    void RefreshStatusStrip(
        const ILedRoundPtr& led, const INumEditPtr& activeIndicator, const INumEditPtr& commandSource);

    // The state of the last evaluation.
    QString StatusNumberText;
    QString StatusText;
    uint8_t StatusLedFlag = 1;
    uint32_t StatusLedColour = Green;
    QString CommandSourceText;

private:
    void resetState();
    void computeState();

    DeviceData& m_data;
    CommandDispatch& m_dispatch;
    const AppLog& m_log;
};

// The strip's LED ("DigitalLib.LedRound", id 5001 on every page) over the
// placeholder's screen rectangle, with the settings every strip LED gets.
// Empty, with a log line, when the control cannot be created.
ILedRoundPtr CreateStatusStripLed(FormPage* page, const QRect& screenRect, int id, const AppLog& log);

// One of the strip's two edits ("AnalogLib.NumEdit": 5002 active indicator,
// 5003 command source) over the placeholder's screen rectangle, grey with a
// bold 11-point face. Empty, with a log line, when it cannot be created.
INumEditPtr CreateStatusStripEdit(FormPage* page, const QRect& screenRect, int id, const AppLog& log);
