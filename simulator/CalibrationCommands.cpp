// Calibration: the actuator and stroke calibrations (224/225), the command
// loop calibration (226/227), the characterization points (212/213,
// 244/245) and the configuration that picks the curve (246/247).
#include "SimulatedPositionerImpl.h"

using namespace SimDevice;

void SimulatedPositioner::Impl::installCalibrationCommands()
{
    ReplyWriter points;
    for (int i = 0; i <= 20; ++i)
        points.u16(uint16_t(i * 500));
    table(212, { 213 }, points.data().left(20));
    table(244, { 245 }, points.data().mid(20));
    QByteArray config(22, '\0');
    config[10] = 4; // linear
    config[15] = 1; // fails closed
    table(246, { 247 }, config);
    handlers[224] = [this](const QByteArray&) { return calibration224(); };
    handlers[225] = [this](const QByteArray& data) { return writeCalibration(data); };
    handlers[226] = [this](const QByteArray&) { return loopCalibration(); };
    handlers[227] = [this](const QByteArray& data) {
        writeLoopCalibration(data);
        return data;
    };
}

QByteArray SimulatedPositioner::Impl::calibration224()
{
    return ReplyWriter().u8(calibration.state(lastMs)).text(calibration.text(), 14).data();
}

QByteArray SimulatedPositioner::Impl::writeCalibration(const QByteArray& data)
{
    calibration.write(RequestReader(data).u8(0), data.mid(1, 14), lastMs);
    return calibration224();
}

QByteArray SimulatedPositioner::Impl::loopCalibration() const
{
    return ReplyWriter().u8(loopState).text(loopText, 14).data();
}

void SimulatedPositioner::Impl::writeLoopCalibration(const QByteArray& data)
{
    const uint8_t code = RequestReader(data).u8(0);
    switch (code) {
    case 3:
        loopState = 11; // waiting for 4 mA
        break;
    case 8:
        loopState = 3; // reference set
        break;
    case 14:
        loopText = data.mid(1, 14);
        loopState = 0;
        break;
    case 51:
        loopState = 0;
        break;
    default:
        loopState = code;
        break;
    }
}
