#pragma once

#include <QString>

#include <functional>

struct DeviceData;
struct ReportRecords;
struct TellboxImports;
class AppLog;
class CCalibrationStorage;
class CSigDataStorage;
class CommandDispatch;
class FormPage;
class MiscAccessors;
class MultiTestRun;
class PageHelpers;
class QObject;
class Prompts;
class StatusStrip;
class TimerService;

// Everything a page may reach of the program, and the only way it reaches
// it: the device, the status strip, the log, the questions to the user, the
// timers, the records it prints, the state it shares with other pages, and
// navigation. The application implements it; a page never sees the frame.
class PageContext
{
public:
    virtual ~PageContext() = default;

    // The device data block and the two dispatchers every exchange goes through.
    virtual DeviceData& deviceData() = 0;
    virtual CommandDispatch& dispatch() = 0;
    virtual MiscAccessors& misc() = 0;

    virtual const AppLog& log() const = 0;
    virtual StatusStrip& strip() = 0;
    virtual PageHelpers& helpers() = 0;
    // The library functions the program imports by number.
    virtual const TellboxImports& imports() const = 0;
    Prompts& prompts() const;
    TimerService& timers() const;

    // What pages keep for the whole run and share.
    virtual ReportRecords& records() = 0;
    virtual CSigDataStorage& sigData() = 0;
    virtual CCalibrationStorage& calibrationStorage() = 0;
    virtual MultiTestRun& multiTest() = 0;

    // The caption of the pages' questions: "CLIPWELL", or the device tag and
    // " CLIPWELL" once the identity strip has read it.
    virtual QString MessageCaption() const;

    // Selects the tree item of a PageCode, which switches to its page (hub
    // buttons, a test page handing back to the diagnostics hub).
    virtual void SelectPageCode(int pageCode) = 0;
    // Swaps a page into the page pane without the tree (wizard steps), by its
    // class name, and returns it so the caller can activate it; nullptr (and
    // nothing swapped) for a class the program does not have.
    virtual FormPage* ReplaceView(const char* pageClass) = 0;
    // Refreshes the strip of the page shown, with one status read.
    virtual void RefreshAllStatusStrips() = 0;
    // Loads the model's error-definition priorities (once, by the page that owns that step).
    virtual void LoadErrorDefinitions() = 0;
    // Calls `follow` after every decoded status reply, whichever page asked,
    // for as long as `follower` lives.
    virtual void followStatusReplies(QObject* follower, std::function<void()> follow) = 0;
};
