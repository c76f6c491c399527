#pragma once

#include "opc/HartFrame.h"

#include <QByteArray>

#include <optional>

class SimulatedPositioner;

// What a HART master does for one device: wraps the program's request
// [command][byte count][data...] into a frame (command 0 as a short frame to
// polling address 0, later commands as long frames to the address command 0
// gave), hands it to the device, checks the response frame and unwraps it
// into [command][byte count][response code][device status][data...].
class HartMasterLink
{
public:
    explicit HartMasterLink(SimulatedPositioner& device);

    // The reply, or nothing when the device gave no valid response frame.
    std::optional<QByteArray> exchange(const QByteArray& request);

    const std::optional<HartAddress>& knownAddress() const { return m_address; }

private:
    HartAddress addressFor(uint8_t command) const;
    void learnAddress(const HartFrame& response);
    // The time the exchange keeps the program waiting: the wire at HART's
    // pace when asked for, and a reply the device was told to delay.
    void keepPace(uint8_t command, int wireBytes) const;

    SimulatedPositioner& m_device;
    std::optional<HartAddress> m_address;
    bool m_hartPace;
};
