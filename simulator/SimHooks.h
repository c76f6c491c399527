#pragma once

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <optional>

class BuiltInServer;

// Where an exchange with a simulated device can go wrong, with what the
// program sees:
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

// The points at which a test steps into one simulated device's exchanges.
// The program sets none, and this base answers every point with "carry on":
// the device answers as itself. The means to inject faults and script
// replies live in the testing target, which only tests and benchmarks link.
class SimExchangeHooks
{
public:
    virtual ~SimExchangeHooks() = default;

    // Called once per exchange by the server, before it looks at faults.
    virtual void beginExchange() { }
    // Whether `fault` hits this exchange of `command` (using it up);
    // `argument` receives the fault's argument.
    virtual bool take(SimFault fault, int command, int* argument = nullptr) { return false; }
    // Whether `fault` hits this Read_Misc exchange, which asks for the long
    // variable at `address` (using it up).
    virtual bool takeOnMiscLong(SimFault fault, uint8_t address) { return false; }
    // The device answers no frame at all.
    virtual bool silent() const { return false; }
    // A whole reply ([command][byte count]...) to give instead of the device's own.
    virtual std::optional<QByteArray> scriptedReply(uint8_t command) { return std::nullopt; }
};

// The connection steps of the built-in server that a test can refuse.
enum class SimServerStep { Creation, Group, SyncIO, AddItemsCall, Items };

// The points at which a test steps into the built-in server; none are set in
// the program.
class SimServerHooks
{
public:
    virtual ~SimServerHooks() = default;

    virtual bool refuses(SimServerStep step) const = 0;
    // A server was created.
    virtual void created(const std::shared_ptr<BuiltInServer>& server) = 0;

    static void install(SimServerHooks* hooks);
    static SimServerHooks* installed();
    // Whether the set hooks refuse `step` (never when none are set).
    static bool refused(SimServerStep step);
};
