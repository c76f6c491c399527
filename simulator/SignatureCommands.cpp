// Signatures: the test start (233), its data blocks (252), its settings (253)
// and the partial stroke results (175).
#include "SimulatedPositionerImpl.h"

#include <cmath>

using namespace SimDevice;

void SimulatedPositioner::Impl::installSignatureCommands()
{
    handlers[233] = [this](const QByteArray& data) { return startSignature(data); };
    handlers[252] = [this](const QByteArray&) { return signature.nextBlock(); };
    handlers[253] = [this](const QByteArray&) { return signatureSettings(); };
    handlers[175] = [this](const QByteArray&) { return partialStrokeInfo(); };
}

QByteArray SimulatedPositioner::Impl::startSignature(const QByteArray& data)
{
    const RequestReader in(data);
    SignatureSettings settings;
    settings.type = in.u8(0);
    settings.mode = in.u8(1);
    for (int i = 0; i < 4; ++i)
        settings.values[size_t(i)] = in.f32(2 + 4 * i);
    settings.timeToTarget = in.u16(18);
    if (settings.type == 0) {
        signature.stop();
        signature.keepEnds(settings.values[0], settings.values[1]);
    } else {
        // Every test starts from its start position: the device brings the
        // valve there before it steps or ramps the command.
        const bool fromStart
            = settings.type == SignatureRecorder::PartialStrokeType || settings.type == SignatureRecorder::RampType;
        if (fromStart && std::isfinite(settings.values[0]))
            valve.settleAt(characterized(settings.values[0]));
        signature.start(settings, lastMs, valve.positionPercent());
    }
    evaluateStatuses();
    return ReplyWriter().u8(settings.type).bytes(data.mid(1)).data();
}

QByteArray SimulatedPositioner::Impl::signatureSettings() const
{
    const SignatureSettings& s = signature.settings();
    ReplyWriter out;
    out.u8(s.type).u8(s.mode);
    for (float v : s.values)
        out.f32(v);
    out.u16(s.timeToTarget);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::partialStrokeInfo() const
{
    return ReplyWriter()
        .u16(signature.breakAwayTime())
        .u16(signature.breakAwayPressure())
        .u16(signature.timeToTarget())
        .u8(signature.result())
        .data();
}
