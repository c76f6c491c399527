// HART frames from the wire: decoding must never read past the bytes given,
// and whatever decodes must encode back to a frame that decodes the same.
#include "opc/HartFrame.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto decoded = HartFrameCodec::decode(bytes);
    if (decoded.ok()) {
        const auto again = HartFrameCodec::decode(HartFrameCodec::encode(decoded.frame), decoded.frame.address);
        if (!again.ok() || again.frame.command != decoded.frame.command || again.frame.data != decoded.frame.data
            || again.frame.kind != decoded.frame.kind || !(again.frame.address == decoded.frame.address))
            std::abort();
    }
    const QByteArray text = HartPackedAscii::unpack(bytes);
    if (text.size() != qsizetype(size / 3 * 4))
        std::abort();
    return 0;
}
