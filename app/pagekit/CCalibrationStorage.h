#pragma once

#include <QString>

#include <cstdint>

// What the analog input calibration wizard's pages share while the user goes
// through its steps. One instance lives for the whole run.
class CCalibrationStorage
{
public:
    virtual ~CCalibrationStorage() = default;

    // What the wizard's latest pass came to, as its report states it: a pass
    // is completed only by a Finish the device took with the new range; any
    // other code sent since leaves it open on the device. A Finish the device
    // answered but whose flags it did not report back is not known to have
    // taken the range.
    enum class LoopPass { NotFinished, NotConfirmed, RangeTooSmall, Completed };

    // Clears both flags (the Previous buttons of the middle steps).
    void ResetFlags()
    {
        m_bFourMilliampSet = false;
        m_bKeepState12Text = false;
    }

    bool m_bFourMilliampSet = false; // the 4 mA point was accepted
    // The wizard has written a code since its last abort or Finish: the
    // device is in its loop calibration until the wizard ends it.
    bool m_bLoopCalibrationOpen = false;
    bool m_bKeepState12Text = false;
    LoopPass m_loopPass = LoopPass::NotFinished;
    uint16_t m_wVariable57 = 0; // word variable 0x57 as the start page last read it
    double m_dStartPercent = 0.0; // the command in percent when the first step was shown
    // Today's date as the first step showed it ("11/30/2029"): the final step
    // sends it with the initials and prints it as the calibration date.
    QString m_strTodayDate;
};
