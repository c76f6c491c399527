// Reply decoding over arbitrary bytes: the first input byte picks the command
// the reply is decoded as, the rest is the reply as the device sent it.
// Whatever the bytes and their length, decoding must stay inside the reply.
#include "AppLog.h"
#include "DeviceData.h"
#include "ReplyParser.h"

#include <QDir>
#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace
{

// Every number a reply is decoded under, and a few it is not.
constexpr std::array<int, 44> Commands
    = { 13, 48, 166, 167, 173, 174, 175, 177, 178, 179, 180, 181, 182, 184, 187, 188, 189, 190, 194, 195, 196, 197, 198,
          200, 202, 203, 204, 212, 218, 220, 224, 225, 226, 227, 228, 229, 230, 234, 236, 240, 244, 246, 252, 253 };

// The log goes to a folder of its own, never the user's.
void keepTheLogAside()
{
    static QTemporaryDir folder;
    static const bool set = qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
    (void)set;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    keepTheLogAside();
    if (size == 0)
        return 0;
    DeviceData device;
    AppLog log;
    ReplyParser parser(device, log);
    int pushes = 0;
    parser.setStatusHook([&] { ++pushes; });

    const int command = data[0] < Commands.size() ? Commands[data[0]] : data[0];
    device.Reply = QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    parser.ParseReply(command);
    parser.ParseSigStartReply();
    // A second pass runs over the fields the first one filled.
    parser.ParseReply(command);
    // Only status replies reach the dashboard, once per reply decoded.
    const bool isStatus = command == 202 || command == 203;
    if (pushes != (isStatus ? 2 : 0))
        std::abort();
    // A reply that echoed its command leaves no failure counted.
    const bool echoed = size > 1 && data[1] == command;
    if (echoed != (device.FailureCount == 0))
        std::abort();
    return 0;
}
