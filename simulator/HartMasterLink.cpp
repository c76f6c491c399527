#include "HartMasterLink.h"

#include "SimulatedPositioner.h"
#include "ui/TimerService.h"

namespace
{

// 11 bits per byte (start, 8 data, odd parity, stop) at 1200 bit/s.
constexpr double WireMsPerByte = 11.0 * 1000.0 / 1200.0;
// The device's own turnaround between request and response.
constexpr int DeviceTurnaroundMs = 20;
constexpr int DefaultReplyDelayMs = 1000;

// Identity bytes of the command 0 reply data: manufacturer at 1, device type at 2, device id at 9..11.
constexpr int IdentityManufacturer = 1;
constexpr int IdentityDeviceType = 2;
constexpr int IdentityDeviceId = 9;

} // namespace

HartMasterLink::HartMasterLink(SimulatedPositioner& device)
    : m_device(device)
    , m_hartPace(qgetenv("STROKEWISE_SIM_PACE").trimmed().toLower() == "hart")
{
}

std::optional<QByteArray> HartMasterLink::exchange(const QByteArray& request)
{
    if (request.isEmpty())
        return std::nullopt;
    HartFrame frame;
    frame.kind = HartFrame::Kind::Request;
    frame.command = uint8_t(request.at(0));
    frame.address = addressFor(frame.command);
    if (request.size() > 1)
        frame.data = request.mid(2, uint8_t(request.at(1)));
    const QByteArray requestFrame = HartFrameCodec::encode(frame);
    const QByteArray responseFrame = m_device.respondToFrame(requestFrame);
    keepPace(frame.command, requestFrame.size() + responseFrame.size());

    const auto decoded = HartFrameCodec::decode(responseFrame, frame.address);
    if (!decoded.ok() || decoded.frame.kind != HartFrame::Kind::Response || decoded.frame.data.size() < 2)
        return std::nullopt;
    if (frame.command == 0)
        learnAddress(decoded.frame);
    QByteArray reply;
    reply.append(char(decoded.frame.command));
    reply.append(char(uint8_t(decoded.frame.data.size())));
    reply.append(decoded.frame.data);
    return reply;
}

HartAddress HartMasterLink::addressFor(uint8_t command) const
{
    if (command == 0 || !m_address)
        return HartAddress::shortAddress(0);
    return *m_address;
}

void HartMasterLink::learnAddress(const HartFrame& response)
{
    // Response data: response code, device status, then the identity.
    const QByteArray identity = response.data.mid(2);
    if (identity.size() < IdentityDeviceId + 3)
        return;
    const uint32_t deviceId = (uint32_t(uint8_t(identity.at(IdentityDeviceId))) << 16)
        | (uint32_t(uint8_t(identity.at(IdentityDeviceId + 1))) << 8) | uint8_t(identity.at(IdentityDeviceId + 2));
    m_address = HartAddress::fromIdentity(
        uint8_t(identity.at(IdentityManufacturer)), uint8_t(identity.at(IdentityDeviceType)), deviceId);
}

void HartMasterLink::keepPace(uint8_t command, int wireBytes) const
{
    qint64 waitMs = m_hartPace ? qint64(wireBytes * WireMsPerByte) + DeviceTurnaroundMs : 0;
    int delayMs = 0;
    if (m_device.exchangeHooks().take(SimFault::DelayedReply, command, &delayMs))
        waitMs += delayMs > 0 ? delayMs : DefaultReplyDelayMs;
    if (waitMs > 0)
        TimerService::instance().waitInTransaction(waitMs);
}
