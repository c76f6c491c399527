// Identity: who the device is (0, 13/18) and the actuator and valve it is
// fitted to (230/231, 234/235, 236/237).
#include "SimulatedPositionerImpl.h"

#include "opc/HartFrame.h"

#include <cmath>

using namespace SimDevice;

void SimulatedPositioner::Impl::installIdentityCommands()
{
    const ValveModelParams& p = valve.params();
    handlers[0] = [this](const QByteArray&) { return identity(); };
    handlers[13] = [this](const QByteArray&) { return tagDescriptorDate(); };
    handlers[18] = [this](const QByteArray& data) { return writeTagDescriptorDate(data); };
    // An actuator of the shipped actuator table with the simulated area:
    // Tevo P-100 (maker 4, model 65) on the K90, Ostelm T-6 (1, 51) on the K40.
    const bool k40 = model == SimModel::K40;
    table(230, { 231 },
        ReplyWriter().u8(k40 ? 1 : 4).u8(0).u8(k40 ? 51 : 65).u8(1).u16(uint16_t(std::lround(p.areaIn2 * 10))).data());
    table(234, { 235 }, QByteArray::fromHex("00020001000000000100000000") + QByteArray("GLOBE     "));
    table(236, { 237 }, floats({ 2.0f, 1.5f, 0.0f, 0.0f, 0.0f }));
}

QByteArray SimulatedPositioner::Impl::identity() const
{
    ReplyWriter out;
    out.u8(254).u8(manufacturerId).u8(uint8_t(model)).u8(5).u8(5).u8(1).u8(3).u8(0x08).u8(0);
    out.u8(uint8_t(deviceId >> 16)).u8(uint8_t(deviceId >> 8)).u8(uint8_t(deviceId));
    return out.data();
}

QByteArray SimulatedPositioner::Impl::tagDescriptorDate() const
{
    ReplyWriter out;
    out.bytes(HartPackedAscii::pack(tag, 8)).bytes(HartPackedAscii::pack(descriptor, 16));
    out.u8(date[0]).u8(date[1]).u8(date[2]);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::writeTagDescriptorDate(const QByteArray& data)
{
    tag = HartPackedAscii::unpack(data.mid(0, 6));
    descriptor = HartPackedAscii::unpack(data.mid(6, 12));
    for (int i = 0; i < 3 && 18 + i < data.size(); ++i)
        date[size_t(i)] = uint8_t(data[18 + i]);
    return data;
}
