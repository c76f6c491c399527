#pragma once

#include "ui/TestClock.h"

// A clock that moves on a day with every reading, so two readings in one
// report would disagree.
class ClockThatMovesOnEveryReading : public TestClock
{
public:
    using TestClock::TestClock;
    QDateTime localNow() const override { return TestClock::localNow().addDays(m_readings++); }
    mutable int m_readings = 0;
};
