#pragma once

#include <cstdint>
#include <map>

struct DeviceData;
class CommandDispatch;

// Single device variables through the Misc selector: Read_Misc_cmd (200)
// reads one byte, one word and one long variable chosen by address,
// Write_Misc_cmd (201) writes them. The address 238 in the byte slot, 246 in
// the word slot and 254 in the long slot means "no variable".
//
// A read accessor takes the reply only when one came and it carries the
// address asked for; otherwise it returns the last good value of that address
// (0 when it was never read) and leaves the flags it keeps in DeviceData
// unchanged. `ok`, when given, tells which case it was.
class MiscAccessors
{
public:
    static constexpr uint8_t NoByte = 238;
    static constexpr uint8_t NoWord = 246;
    static constexpr uint8_t NoLong = 254;

    MiscAccessors(DeviceData& data, CommandDispatch& dispatch);

    // Lays the neutral read request (5, 200, 3, 238, 246, 254).
    void PresetMiscSelector();

    uint8_t ReadMiscByte82(bool* ok = nullptr);
    uint8_t ReadMiscByte82Bit0(bool* ok = nullptr); // also PressureSensorFlag
    uint8_t ReadMiscByte92(bool* ok = nullptr);
    uint8_t ReadMiscByte28(bool* ok = nullptr);
    uint8_t ReadMiscByte28Bit5(bool* ok = nullptr); // also Config28Bit5

    float ReadMiscWord01(bool* ok = nullptr); // x 0.01
    int ReadMiscWord11(bool* ok = nullptr); // x 0.01 rounded to the nearest integer
    float ReadMiscWord12(bool* ok = nullptr); // x 0.01
    float ReadMiscWord34(bool* ok = nullptr); // x 0.01
    // The raw unsigned word; each page applies the signedness it needs.
    uint16_t ReadMiscWord50(bool* ok = nullptr);
    uint16_t ReadMiscWord51(bool* ok = nullptr);
    uint16_t ReadMiscWord55(bool* ok = nullptr);
    uint16_t ReadMiscWord56(bool* ok = nullptr);
    uint16_t ReadMiscWord57(bool* ok = nullptr);
    uint16_t ReadMiscWord58(bool* ok = nullptr);
    uint16_t ReadMiscWord5F(bool* ok = nullptr);
    uint16_t ReadMiscWord60(bool* ok = nullptr);
    uint16_t ReadMiscWord61(bool* ok = nullptr);
    uint16_t ReadMiscWord62(bool* ok = nullptr);
    uint16_t ReadMiscWord64(bool* ok = nullptr);
    uint16_t ReadMiscWord65(bool* ok = nullptr);
    uint16_t ReadMiscWord66(bool* ok = nullptr);
    uint16_t ReadMiscWord67(bool* ok = nullptr);

    float ReadMiscLong63(bool* ok = nullptr); // unsigned x 0.01
    float ReadMiscLong69(bool* ok = nullptr); // unsigned x 0.01; also MiscLong69Value

    // Generic forms of the above, for any address.
    uint8_t ReadMiscByte(uint8_t address, bool* ok = nullptr);
    uint16_t ReadMiscWord(uint8_t address, bool* ok = nullptr);
    uint32_t ReadMiscLong(uint8_t address, bool* ok = nullptr);
    // Whether the device ever answered a read of this word variable, so that
    // the value a failed read returns is one it reported, not the 0 of none.
    bool HasReportedWord(uint8_t address) const;

    // Each lays the whole 12-byte write request and returns whether it succeeded.
    bool WriteMiscByte28(uint8_t value);
    bool WriteMiscWord64(uint16_t value);
    bool WriteMiscWord65(uint16_t value);
    bool WriteMiscWord66(uint16_t value);
    bool WriteMiscLong63(uint32_t value);
    bool WriteMiscLong69(uint32_t value);

    bool WriteMiscByte(uint8_t address, uint8_t value);
    bool WriteMiscWord(uint8_t address, uint16_t value);
    bool WriteMiscLong(uint8_t address, uint32_t value);

private:
    enum class Slot { Byte, Word, Long };
    // Reads one slot; returns the reply value or the last good one.
    uint32_t readSlot(Slot slot, uint8_t address, bool* ok);
    // Reads one bit of a byte variable into `field` (1 or 0) when the reply is good.
    uint8_t readFlag(uint8_t address, uint8_t mask, uint8_t& field, bool* ok);
    bool writeRecord(uint8_t byteAddr, uint8_t byteValue, uint8_t wordAddr, uint16_t wordValue, uint8_t longAddr,
        uint32_t longValue);

    DeviceData& m_data;
    CommandDispatch& m_dispatch;
    std::map<std::pair<Slot, uint8_t>, uint32_t> m_lastGood;
};
