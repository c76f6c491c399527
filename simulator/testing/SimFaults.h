#pragma once

#include "SimHooks.h"

#include <vector>

// The faults a test puts on one simulated device (what each does to the
// exchange: SimFault). Rules are used up in the order they were injected.
class SimFaults
{
public:
    static constexpr int AnyCommand = -1;
    static constexpr int UntilCleared = -1;

    // The next `times` exchanges (of `command`, or of any) get the fault.
    void inject(SimFault fault, int times = 1, int command = AnyCommand, int argument = 0);
    // The next `times` Read_Misc exchanges that ask for the long variable at
    // `address` get the fault (only NoResponse is looked for there).
    void injectOnMiscLong(SimFault fault, int times, uint8_t address);
    // The device stops answering from the n-th exchange from now on (1 = the
    // next one) until comeBack().
    void goSilent(int fromNth = 1);
    void comeBack();
    void clear();
    bool empty() const { return m_rules.empty() && m_miscLongRules.empty() && m_untilSilent < 0; }

    // Called once per exchange by the server, before it looks at faults.
    void beginExchange();
    // Consumes one use of a matching rule; `argument` receives its argument.
    bool take(SimFault fault, int command, int* argument = nullptr);
    // Consumes one use of a matching rule for a Read_Misc of the long at `address`.
    bool takeOnMiscLong(SimFault fault, uint8_t address);
    bool silent() const { return m_untilSilent == 0; }

private:
    struct Rule {
        SimFault fault;
        int times;
        int command;
        int argument;
    };
    std::vector<Rule> m_rules;
    std::vector<Rule> m_miscLongRules; // `argument` is the long's address
    int m_untilSilent = -1; // exchanges until silence; 0 = silent; -1 = not planned
};
