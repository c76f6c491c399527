#include "MiscAccessors.h"

#include "CommandDispatch.h"
#include "DeviceData.h"

#include <cmath>

MiscAccessors::MiscAccessors(DeviceData& data, CommandDispatch& dispatch)
    : m_data(data)
    , m_dispatch(dispatch)
{
}

void MiscAccessors::PresetMiscSelector()
{
    auto& r = m_data.Request;
    r[0] = 5;
    r[1] = 200;
    r[2] = 3;
    r[3] = NoByte;
    r[4] = NoWord;
    r[5] = NoLong;
}

uint32_t MiscAccessors::readSlot(Slot slot, uint8_t address, bool* ok)
{
    PresetMiscSelector();
    m_data.Request[3 + static_cast<int>(slot)] = address;
    m_dispatch.DispatchRead(200);

    // Only a whole reply for the address asked for counts: after a failed
    // read the reply fields belong to another variable.
    const DeviceData& dd = m_data;
    bool good = dd.Reply && dd.Reply->size() >= 14 && static_cast<uint8_t>(dd.Reply->at(0)) == 200;
    uint32_t value = 0;
    switch (slot) {
    case Slot::Byte:
        good = good && dd.MiscReplyByteAddr == address;
        value = dd.MiscReplyByte;
        break;
    case Slot::Word:
        good = good && dd.MiscReplyWordAddr == address;
        value = dd.MiscReplyWord;
        break;
    case Slot::Long:
        good = good && dd.MiscReplyLongAddr == address;
        value = dd.MiscReplyLong;
        break;
    }
    if (ok)
        *ok = good;
    const auto key = std::make_pair(slot, address);
    if (good) {
        m_lastGood[key] = value;
        return value;
    }
    const auto last = m_lastGood.find(key);
    return last == m_lastGood.end() ? 0 : last->second;
}

uint8_t MiscAccessors::ReadMiscByte(uint8_t address, bool* ok)
{
    return static_cast<uint8_t>(readSlot(Slot::Byte, address, ok));
}

uint16_t MiscAccessors::ReadMiscWord(uint8_t address, bool* ok)
{
    return static_cast<uint16_t>(readSlot(Slot::Word, address, ok));
}

uint32_t MiscAccessors::ReadMiscLong(uint8_t address, bool* ok)
{
    return readSlot(Slot::Long, address, ok);
}

bool MiscAccessors::HasReportedWord(uint8_t address) const
{
    return m_lastGood.count(std::make_pair(Slot::Word, address)) != 0;
}

uint8_t MiscAccessors::ReadMiscByte82(bool* ok)
{
    return ReadMiscByte(0x82, ok);
}
uint8_t MiscAccessors::ReadMiscByte92(bool* ok)
{
    return ReadMiscByte(0x92, ok);
}
uint8_t MiscAccessors::ReadMiscByte28(bool* ok)
{
    return ReadMiscByte(0x28, ok);
}

uint8_t MiscAccessors::ReadMiscByte82Bit0(bool* ok)
{
    return readFlag(0x82, 0x01, m_data.PressureSensorFlag, ok);
}

uint8_t MiscAccessors::ReadMiscByte28Bit5(bool* ok)
{
    return readFlag(0x28, 0x20, m_data.Config28Bit5, ok);
}

uint8_t MiscAccessors::readFlag(uint8_t address, uint8_t mask, uint8_t& field, bool* ok)
{
    bool good = false;
    const uint8_t bit = (ReadMiscByte(address, &good) & mask) ? 1 : 0;
    // Only a reply for this address may change what the program believes.
    if (good)
        field = bit;
    if (ok)
        *ok = good;
    return bit;
}

float MiscAccessors::ReadMiscWord01(bool* ok)
{
    return ReadMiscWord(0x01, ok) * 0.01f;
}
float MiscAccessors::ReadMiscWord12(bool* ok)
{
    return ReadMiscWord(0x12, ok) * 0.01f;
}
float MiscAccessors::ReadMiscWord34(bool* ok)
{
    return ReadMiscWord(0x34, ok) * 0.01f;
}

int MiscAccessors::ReadMiscWord11(bool* ok)
{
    return static_cast<int>(std::lround(ReadMiscWord(0x11, ok) * 0.01));
}

uint16_t MiscAccessors::ReadMiscWord50(bool* ok)
{
    return ReadMiscWord(0x50, ok);
}
uint16_t MiscAccessors::ReadMiscWord51(bool* ok)
{
    return ReadMiscWord(0x51, ok);
}
uint16_t MiscAccessors::ReadMiscWord55(bool* ok)
{
    return ReadMiscWord(0x55, ok);
}
uint16_t MiscAccessors::ReadMiscWord56(bool* ok)
{
    return ReadMiscWord(0x56, ok);
}
uint16_t MiscAccessors::ReadMiscWord57(bool* ok)
{
    return ReadMiscWord(0x57, ok);
}
uint16_t MiscAccessors::ReadMiscWord58(bool* ok)
{
    return ReadMiscWord(0x58, ok);
}
uint16_t MiscAccessors::ReadMiscWord5F(bool* ok)
{
    return ReadMiscWord(0x5F, ok);
}
uint16_t MiscAccessors::ReadMiscWord60(bool* ok)
{
    return ReadMiscWord(0x60, ok);
}
uint16_t MiscAccessors::ReadMiscWord61(bool* ok)
{
    return ReadMiscWord(0x61, ok);
}
uint16_t MiscAccessors::ReadMiscWord62(bool* ok)
{
    return ReadMiscWord(0x62, ok);
}
uint16_t MiscAccessors::ReadMiscWord64(bool* ok)
{
    return ReadMiscWord(0x64, ok);
}
uint16_t MiscAccessors::ReadMiscWord65(bool* ok)
{
    return ReadMiscWord(0x65, ok);
}
uint16_t MiscAccessors::ReadMiscWord66(bool* ok)
{
    return ReadMiscWord(0x66, ok);
}
uint16_t MiscAccessors::ReadMiscWord67(bool* ok)
{
    return ReadMiscWord(0x67, ok);
}

float MiscAccessors::ReadMiscLong63(bool* ok)
{
    return static_cast<float>(ReadMiscLong(0x63, ok) * 0.01);
}

float MiscAccessors::ReadMiscLong69(bool* ok)
{
    bool good = false;
    const float value = static_cast<float>(ReadMiscLong(0x69, &good) * 0.01);
    if (good)
        m_data.MiscLong69Value = value;
    if (ok)
        *ok = good;
    return value;
}

bool MiscAccessors::writeRecord(
    uint8_t byteAddr, uint8_t byteValue, uint8_t wordAddr, uint16_t wordValue, uint8_t longAddr, uint32_t longValue)
{
    auto& r = m_data.Request;
    r[0] = 12;
    r[1] = 201;
    r[2] = 10;
    r[3] = byteAddr;
    r[4] = byteValue;
    r[5] = wordAddr;
    r[6] = static_cast<uint8_t>(wordValue >> 8);
    r[7] = static_cast<uint8_t>(wordValue);
    r[8] = longAddr;
    const auto bytes = CommandDispatch::GetValueBytes(longValue);
    r[9] = bytes[3];
    r[10] = bytes[2];
    r[11] = bytes[1];
    r[12] = bytes[0];
    return m_dispatch.DispatchWrite(201);
}

bool MiscAccessors::WriteMiscByte(uint8_t address, uint8_t value)
{
    return writeRecord(address, value, NoWord, 0, NoLong, 0);
}

bool MiscAccessors::WriteMiscWord(uint8_t address, uint16_t value)
{
    return writeRecord(NoByte, 0, address, value, NoLong, 0);
}

bool MiscAccessors::WriteMiscLong(uint8_t address, uint32_t value)
{
    return writeRecord(NoByte, 0, NoWord, 0, address, value);
}

bool MiscAccessors::WriteMiscByte28(uint8_t value)
{
    return WriteMiscByte(0x28, value);
}
bool MiscAccessors::WriteMiscWord64(uint16_t value)
{
    return WriteMiscWord(0x64, value);
}
bool MiscAccessors::WriteMiscWord65(uint16_t value)
{
    return WriteMiscWord(0x65, value);
}
bool MiscAccessors::WriteMiscWord66(uint16_t value)
{
    return WriteMiscWord(0x66, value);
}
bool MiscAccessors::WriteMiscLong63(uint32_t value)
{
    return WriteMiscLong(0x63, value);
}
bool MiscAccessors::WriteMiscLong69(uint32_t value)
{
    return WriteMiscLong(0x69, value);
}
