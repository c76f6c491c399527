#pragma once

#include <vector>

// Faults a test can put on one simulated device, with what the program sees:
//   WriteCallFailure  the write call fails
//   WriteItemError    the write call succeeds, its item error is a failure
//   ReadCallFailure   the read call fails
//   ReadItemError     the read call succeeds, its item error is a failure
//   CorruptChecksum   the device's response frame carries a wrong checksum, so
//                     the server reports a read item error
//   WrongEcho         the reply's byte 0 is another command
//   ShortReply        the reply is cut to `argument` bytes (default 5)
//   MiscOtherAddress  a Read_Misc reply names other addresses than requested
//   NoResponse        the device does not answer the frame (read item error)
//   DelayedReply      the reply comes `argument` ms late (default 1000): the
//                     exchange keeps the program waiting that long
enum class SimFault {
    WriteCallFailure,
    WriteItemError,
    ReadCallFailure,
    ReadItemError,
    CorruptChecksum,
    WrongEcho,
    ShortReply,
    MiscOtherAddress,
    NoResponse,
    DelayedReply,
};

class SimFaults
{
public:
    static constexpr int AnyCommand = -1;
    static constexpr int UntilCleared = -1;

    // The next `times` exchanges (of `command`, or of any) get the fault.
    void inject(SimFault fault, int times = 1, int command = AnyCommand, int argument = 0);
    // The device stops answering from the n-th exchange from now on (1 = the
    // next one) until comeBack().
    void goSilent(int fromNth = 1);
    void comeBack();
    void clear();
    bool empty() const { return m_rules.empty() && m_untilSilent < 0; }

    // Called once per exchange by the server, before it looks at faults.
    void beginExchange();
    // Consumes one use of a matching rule; `argument` receives its argument.
    bool take(SimFault fault, int command, int* argument = nullptr);
    bool silent() const { return m_untilSilent == 0; }

private:
    struct Rule {
        SimFault fault;
        int times;
        int command;
        int argument;
    };
    std::vector<Rule> m_rules;
    int m_untilSilent = -1; // exchanges until silence; 0 = silent; -1 = not planned
};
