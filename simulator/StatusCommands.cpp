// Status and Misc: the status and command (202/203), the pressures (204),
// the additional status (48), the status mask (166/167), the units
// (220/221), the error history (228/229) and the Misc variables (200/201).
#include "SimulatedPositionerImpl.h"

#include <algorithm>

using namespace SimDevice;

void SimulatedPositioner::Impl::installStatusCommands()
{
    handlers[48] = [](const QByteArray&) { return QByteArray(14, '\0'); };
    table(166, { 167 }, QByteArray(10, char(0xFF)));
    handlers[200] = [this](const QByteArray& data) { return readMisc(data); };
    handlers[201] = [this](const QByteArray& data) { return writeMisc(data); };
    handlers[202] = [this](const QByteArray&) { return status(); };
    handlers[203] = [this](const QByteArray& data) { return writeStatus(data); };
    handlers[204] = [this](const QByteArray&) { return pressures(); };
    // Both simulated valves are linear with their stroke in inches, so they
    // report travel in inches, as a real linear valve does.
    table(220, { 221 }, QByteArray("\x2F\x20\x06", 3));
    handlers[228] = [this](const QByteArray&) { return errorHistory(); };
    handlers[229] = [this](const QByteArray& data) { return writeErrorHistory(data); };
}

void SimulatedPositioner::Impl::installMiscVariables()
{
    const ValveModelParams& p = valve.params();
    // Bit 0 of both DIP switch bytes: the simulated actuator opens with air.
    miscBytes = { { ConfigByte, p.doubleActing ? 0x00 : 0x20 }, { 0x37, AirToOpenBit }, { 0x38, AirToOpenBit },
        { BoardsByte, 0x01 } };
    miscWords = { { 0x01, 2000 }, { 0x11, 5000 }, { 0x50, 2000 }, { 0x51, 30000 }, { 0x55, 6400 }, { 0x56, 32000 },
        { 0x57, 0 }, { 0x8E, 0 }, { 0x8F, 0 } };
    // The sensors come calibrated at the nominal supply.
    for (int port : { 1, 2 }) {
        const PressureSensors::PortWords& at = PressureSensors::words(port);
        const PressureSensors::Calibration calibration = sensors.trueCalibration(port, p.supplyPsi);
        miscWords[at.low] = calibration.low;
        miscWords[at.high] = calibration.high;
        miscWords[at.range] = calibration.range;
    }
    miscLongs = { { PressureSensors::CalibrationPressureLong, uint32_t(std::lround(p.supplyPsi * 100)) },
        { 0x69, uint32_t(std::lround(fullScalePsi * 100)) } };
}

QByteArray SimulatedPositioner::Impl::status()
{
    const bool fahrenheit = uint8_t(tables[220].at(1)) == Fahrenheit;
    const double temperature = fahrenheit ? temperatureC() * 9.0 / 5.0 + 32.0 : temperatureC();
    const double analog = std::clamp(analogPercent(), 0.0, 100.0);
    ReplyWriter out;
    out.u8(controlMode).u16(uint16_t(digitalCommand)).u16(ReplyWriter::hundredths(valve.commandPercent()));
    out.u16(ReplyWriter::hundredths(analog)).u16(ReplyWriter::hundredths(valve.positionPercent()));
    out.s16(ReplyWriter::signedHundredths(valve.positionPercent() - valve.commandPercent()));
    out.u16(0).f32(float(temperature)).u8(highestPriority());
    return out.data();
}

QByteArray SimulatedPositioner::Impl::writeStatus(const QByteArray& data)
{
    const RequestReader in(data);
    controlMode = in.u8(0);
    digitalCommand = int16_t(in.u16(1));
    evaluateStatuses();
    return status();
}

QByteArray SimulatedPositioner::Impl::pressures()
{
    ReplyWriter out;
    out.u16(ReplyWriter::hundredths(portPercent(measuredPsi(1))));
    out.u16(ReplyWriter::hundredths(portPercent(measuredPsi(2))));
    out.u32(reportedSupplyShare());
    return out.data();
}

QByteArray SimulatedPositioner::Impl::errorHistory()
{
    ReplyWriter out;
    for (uint8_t b : bitmap())
        out.u8(b);
    out.u8(historyByte).u8(uint8_t(history.size()));
    for (size_t k = 0; k < 8; ++k)
        out.u8(k < history.size() ? history[k] : NoActiveStatus);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::writeErrorHistory(const QByteArray& data)
{
    historyByte = RequestReader(data).u8(0);
    if (historyByte == 0)
        history.clear();
    return errorHistory();
}

// ---- Pressure sensors

double SimulatedPositioner::Impl::sensorCount(int port) const
{
    return sensors.rawCount(port, port == 1 ? valve.port1Psi() : port2Psi());
}

double SimulatedPositioner::Impl::measuredPsi(int port) const
{
    const PressureSensors::PortWords& at = PressureSensors::words(port);
    auto word = [this](uint8_t address) {
        const auto found = miscWords.find(address);
        return found == miscWords.end() ? uint16_t(0) : found->second;
    };
    const auto reference = miscLongs.find(PressureSensors::CalibrationPressureLong);
    return PressureSensors::calibratedPsi(sensorCount(port), word(at.low), word(at.range),
        reference == miscLongs.end() ? 0 : reference->second);
}

uint32_t SimulatedPositioner::Impl::reportedSupplyShare() const
{
    if (model != SimModel::K40)
        return supplyShare();
    const double share = portPercent(measuredPsi(2)) * 100.0;
    return std::isfinite(share) ? uint32_t(std::lround(std::clamp(share, 0.0, 4.0e9))) : 0;
}

// ---- Misc variables

uint8_t SimulatedPositioner::Impl::miscByte(uint8_t address)
{
    if (address >= FirstStatusByte && address <= LastStatusByte)
        return bitmap()[size_t(address - FirstStatusByte)];
    switch (address) {
    case TestStatusByte:
        return (signature.running() ? TestRunning : 0) | (signature.readOutComplete() ? SignatureReadOut : 0);
    case PollAddressByte:
        return pollAddress;
    default:
        break;
    }
    auto found = miscBytes.find(address);
    return found == miscBytes.end() ? 0 : found->second;
}

uint16_t SimulatedPositioner::Impl::miscWord(uint8_t address)
{
    switch (address) {
    case 0x12:
        return ReplyWriter::hundredths(valve.relayCommandPercent());
    case 0x34:
        return ReplyWriter::hundredths(valve.relayPositionPercent());
    case 0x01: // the design current, from the loop current
        return uint16_t(std::clamp(std::lround(loopCurrentMa * 100.0), 0L, 65535L));
    case 0x58:
        return uint16_t(std::clamp(std::lround(loopCount(loopCurrentMa)), 0L, 65535L));
    case PressureSensors::Port1.count:
        return PressureSensors::countWord(sensorCount(1));
    case PressureSensors::Port2.count:
        return PressureSensors::countWord(sensorCount(2));
    case StrokeLengthWord:
        return tableWord(173, StrokeLengthTableWord);
    default:
        break;
    }
    auto found = miscWords.find(address);
    return found == miscWords.end() ? 0 : found->second;
}

uint32_t SimulatedPositioner::Impl::miscLong(uint8_t address)
{
    auto found = miscLongs.find(address);
    return found == miscLongs.end() ? 0 : found->second;
}

void SimulatedPositioner::Impl::writeMiscByte(uint8_t address, uint8_t value)
{
    if (address >= FirstStatusByte && address <= LastStatusByte)
        return; // the active statuses are the device's own
    if (address == TestStatusByte) {
        if (!(value & TestRunning))
            signature.stop();
        signature.setReadOutComplete(value & SignatureReadOut);
        return;
    }
    miscBytes[address] = value;
}

void SimulatedPositioner::Impl::setLong(uint8_t address, uint32_t value)
{
    miscLongs[address] = value;
    // The pressure words are shares of the calibration pressure: it is the full scale.
    if (address == PressureSensors::CalibrationPressureLong && value > 0)
        fullScalePsi = value / 100.0;
}

void SimulatedPositioner::Impl::writeMiscWord(uint8_t address, uint16_t value)
{
    if (address == StrokeLengthWord) {
        tables[173].replace(StrokeLengthTableWord * 2, 2, ReplyWriter().u16(value).data());
        return;
    }
    miscWords[address] = value;
}

QByteArray SimulatedPositioner::Impl::readMisc(const QByteArray& data)
{
    const RequestReader in(data);
    const uint8_t byteAddress = data.size() > 0 ? in.u8(0) : NoByte;
    const uint8_t wordAddress = data.size() > 1 ? in.u8(1) : NoWord;
    const uint8_t longAddress = data.size() > 2 ? in.u8(2) : NoLong;
    const uint8_t byteValue = byteAddress == NoByte ? 0 : miscByte(byteAddress);
    const uint16_t wordValue = wordAddress == NoWord ? 0 : miscWord(wordAddress);
    const uint32_t longValue = longAddress == NoLong ? 0 : miscLong(longAddress);
    // A fault can make the reply name other variables than those asked for.
    const uint8_t shift = hooks->take(SimFault::MiscOtherAddress, 200) ? 1 : 0;
    ReplyWriter out;
    out.u8(byteAddress + shift).u8(byteValue).u8(wordAddress + shift).u16(wordValue);
    out.u8(longAddress + shift).u32(longValue);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::writeMisc(const QByteArray& data)
{
    const RequestReader in(data);
    if (data.size() >= 2 && in.u8(0) != NoByte)
        writeMiscByte(in.u8(0), in.u8(1));
    if (data.size() >= 5 && in.u8(2) != NoWord)
        writeMiscWord(in.u8(2), in.u16(3));
    if (data.size() >= 10 && in.u8(5) != NoLong)
        setLong(in.u8(5), in.u32(6));
    return data;
}
