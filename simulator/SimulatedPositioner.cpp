#include "SimulatedPositionerImpl.h"

#include "opc/HartFrame.h"

#include <QCryptographicHash>

#include <algorithm>
#include <iterator>

using namespace SimDevice;

namespace
{

uint32_t deviceIdFor(const QString& path)
{
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return (uint32_t(uint8_t(hash[0])) << 16) | (uint32_t(uint8_t(hash[1])) << 8) | uint8_t(hash[2]);
}

QByteArray tagFor(const QString& path)
{
    const QString last = path.section(QLatin1Char('/'), -1);
    return last.toUpper().toLatin1().left(8);
}

} // namespace

SimulatedPositioner::Impl::Impl(SimModel m, const QString& p)
    : model(m)
    , path(p)
    , deviceId(deviceIdFor(p))
    , valve(m == SimModel::K40 ? ValveModelParams::k40() : ValveModelParams::k90())
    , fullScalePsi(valve.params().supplyPsi)
    , sensors(fullScalePsi)
    , lastMs(TimerService::instance().elapsedMs())
    , tag(tagFor(p))
    , descriptor(m == SimModel::K40 ? "K40 POSITIONER" : "K90 POSITIONER")
{
    installHandlers();
    // The device has long been running when the program reaches it: what the
    // first reads see must not depend on how soon after start-up they come.
    valve.settleAt(commandPercent());
}

// ======================================================================
// The command table: one handler per command, grouped by family in the
// *Commands.cpp files.

void SimulatedPositioner::Impl::installHandlers()
{
    installIdentityCommands();
    installStatusCommands();
    installHealthCommands();
    installLimitCommands();
    installSignatureCommands();
    installTrendCommands();
    installCalibrationCommands();
    installMiscVariables();
}

void SimulatedPositioner::Impl::table(uint8_t read, std::initializer_list<uint8_t> writes, const QByteArray& initial)
{
    tables[read] = initial;
    if (!handlers.count(read))
        handlers[read] = [this, read](const QByteArray&) { return tables[read]; };
    for (uint8_t write : writes)
        patch(write, read, { { 0, 0 } });
}

// A write that sets byte spans of a read table: each span maps write data
// offset `first` onto the table from offset `second`, in order. Writes
// answer with what they were sent.
void SimulatedPositioner::Impl::patch(uint8_t write, uint8_t read, std::vector<std::pair<int, int>> spans)
{
    handlers[write] = [this, read, spans](const QByteArray& data) {
        QByteArray& t = tables[read];
        for (size_t i = 0; i < spans.size(); ++i) {
            const int from = spans[i].first;
            const int to = spans[i].second;
            const int end = i + 1 < spans.size() ? spans[i + 1].first : int(data.size());
            for (int k = from; k < end && k < data.size() && to + (k - from) < t.size(); ++k)
                t[to + (k - from)] = data[k];
        }
        return data;
    };
}

QByteArray SimulatedPositioner::Impl::reply(uint8_t command, const QByteArray& data)
{
    uint8_t responseCode = 0;
    QByteArray body;
    if (std::optional<QByteArray> script = hooks->scriptedReply(command))
        return *script;
    auto handler = handlers.find(command);
    if (handler == handlers.end())
        responseCode = CommandNotImplemented;
    else
        body = handler->second(data);
    QByteArray out;
    out.append(char(command));
    out.append(char(uint8_t(std::min<qsizetype>(body.size() + 2, 255))));
    out.append(char(responseCode));
    out.append('\0'); // device status: the program never looks at it
    out.append(body.left(253));
    int length = 0;
    if (hooks->take(SimFault::WrongEcho, command))
        out[0] = char(uint8_t(command + 1));
    if (hooks->take(SimFault::ShortReply, command, &length))
        out.truncate(std::max(length > 0 ? length : 5, 4));
    return out;
}

// The record keeps the program's bytes as it wrote them ([command] for a
// read). A program left polling for days must not grow it without end: past
// the limit the older half goes.
void SimulatedPositioner::Impl::record(uint8_t command, const QByteArray& data, const QByteArray& reply)
{
    QByteArray bytes(1, char(command));
    if (!data.isEmpty())
        bytes.append(char(uint8_t(data.size()))).append(data);
    requests.push_back({ lastMs, command, bytes, reply });
    if (requests.size() > MaxRecordedRequests)
        requests.erase(requests.begin(), requests.begin() + MaxRecordedRequests / 2);
}

// ======================================================================
// The device as the server and the tests see it

SimulatedPositioner::SimulatedPositioner(SimModel model, const QString& path)
    : d(std::make_unique<Impl>(model, path))
{
}

SimulatedPositioner::~SimulatedPositioner() = default;

SimModel SimulatedPositioner::model() const
{
    return d->model;
}

const QString& SimulatedPositioner::path() const
{
    return d->path;
}

uint8_t SimulatedPositioner::manufacturerId() const
{
    return d->manufacturerId;
}

uint32_t SimulatedPositioner::deviceId() const
{
    return d->deviceId;
}

uint8_t SimulatedPositioner::pollAddress() const
{
    return d->pollAddress;
}

HartAddress SimulatedPositioner::longAddress() const
{
    return HartAddress::fromIdentity(d->manufacturerId, deviceType(), d->deviceId);
}

QByteArray SimulatedPositioner::respondToFrame(const QByteArray& requestFrame)
{
    const auto decoded = HartFrameCodec::decode(requestFrame);
    if (!decoded.ok() || decoded.frame.kind != HartFrame::Kind::Request)
        return {};
    const HartFrame& request = decoded.frame;
    const HartAddress expected = request.address.isLong ? longAddress() : HartAddress::shortAddress(d->pollAddress);
    if (!(request.address == expected))
        return {};
    // A Read_Misc request's third data byte names its long variable.
    const bool silent = d->hooks->silent() || d->hooks->take(SimFault::NoResponse, request.command)
        || (request.command == 200 && request.data.size() > 2
            && d->hooks->takeOnMiscLong(SimFault::NoResponse, uint8_t(request.data.at(2))));
    const QByteArray reply = silent ? QByteArray() : respond(request.command, request.data);
    if (silent) {
        d->advanceToNow();
        d->record(request.command, request.data, {});
    }
    if (reply.size() < 4)
        return {};
    HartFrame response;
    response.kind = HartFrame::Kind::Response;
    response.address = request.address;
    response.primaryMaster = request.primaryMaster;
    response.command = uint8_t(reply.at(0));
    response.data = reply.mid(2);
    QByteArray frame = HartFrameCodec::encode(response);
    if (d->hooks->take(SimFault::CorruptChecksum, request.command))
        frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x01);
    return frame;
}

QByteArray SimulatedPositioner::respond(uint8_t command, const QByteArray& data)
{
    d->advanceToNow();
    const QByteArray reply = d->reply(command, data);
    d->record(command, data, reply);
    return reply;
}

void SimulatedPositioner::advanceToNow()
{
    d->advanceToNow();
}

ValveModelParams SimulatedPositioner::physics() const
{
    return d->valve.params();
}

void SimulatedPositioner::setPhysics(const ValveModelParams& params)
{
    d->advanceToNow();
    d->valve.setParams(params);
    d->valve.settleAt(d->commandPercent());
    if (d->model == SimModel::K90)
        d->miscBytes[ConfigByte] = uint8_t((d->miscBytes[ConfigByte] & ~0x20) | (params.doubleActing ? 0 : 0x20));
}

const ValveModel& SimulatedPositioner::valve()
{
    d->advanceToNow();
    return d->valve;
}

void SimulatedPositioner::setAnalogCommand(double percent)
{
    d->advanceToNow();
    d->setAnalogPercent(percent);
}

void SimulatedPositioner::setLoopCurrent(double milliamps)
{
    d->advanceToNow();
    d->loopCurrentMa = milliamps;
}

double SimulatedPositioner::loopCurrent() const
{
    return d->loopCurrentMa;
}

void SimulatedPositioner::setSupplyPsi(double psi)
{
    d->advanceToNow();
    d->valve.setSupplyPsi(psi);
    d->evaluateStatuses();
}

void SimulatedPositioner::setSensorZeroShift(int port, double counts)
{
    d->advanceToNow();
    d->sensors.setZeroShift(port, counts);
}

bool SimulatedPositioner::localInterfaceEnabled() const
{
    const QByteArray& config = d->tables.at(246);
    return config.isEmpty() || config.at(0) == 0;
}

void SimulatedPositioner::pressTapsetButton()
{
    d->advanceToNow();
    if (localInterfaceEnabled()) {
        d->calibration.write(CalibrationSequencer::StrokeStart, d->calibration.text(), d->lastMs);
        d->tapsetRefusedMs = -1;
    } else {
        d->tapsetRefusedMs = d->lastMs;
    }
    d->evaluateStatuses();
}

void SimulatedPositioner::setStatus(int status, bool active)
{
    if (status < 0 || status >= StatusCount)
        return;
    d->advanceToNow();
    d->forced.set(size_t(status), active);
    d->evaluateStatuses();
}

bool SimulatedPositioner::statusActive(int status)
{
    d->advanceToNow();
    return status >= 0 && status < StatusCount && d->lastActive.test(size_t(status));
}

std::array<uint8_t, 10> SimulatedPositioner::statusBitmap()
{
    d->advanceToNow();
    return d->bitmap();
}

uint8_t SimulatedPositioner::highestPriorityStatus()
{
    d->advanceToNow();
    return d->highestPriority();
}

uint8_t SimulatedPositioner::miscByte(uint8_t address)
{
    d->advanceToNow();
    return d->miscByte(address);
}

uint16_t SimulatedPositioner::miscWord(uint8_t address)
{
    d->advanceToNow();
    return d->miscWord(address);
}

uint32_t SimulatedPositioner::miscLong(uint8_t address)
{
    return d->miscLong(address);
}

void SimulatedPositioner::setMiscByte(uint8_t address, uint8_t value)
{
    d->miscBytes[address] = value;
}

void SimulatedPositioner::setMiscWord(uint8_t address, uint16_t value)
{
    d->writeMiscWord(address, value);
}

void SimulatedPositioner::setMiscLong(uint8_t address, uint32_t value)
{
    d->setLong(address, value);
}

void SimulatedPositioner::setTag(const QByteArray& tag)
{
    d->tag = tag;
}

void SimulatedPositioner::setDescriptor(const QByteArray& descriptor)
{
    d->descriptor = descriptor;
}

void SimulatedPositioner::setTravelUnit(uint8_t code)
{
    d->tables[220][0] = char(code);
}

const std::vector<SimRequest>& SimulatedPositioner::requests() const
{
    return d->requests;
}

void SimulatedPositioner::clearRequests()
{
    d->requests.clear();
}

std::vector<SimRequest> SimulatedPositioner::requestsFor(uint8_t command) const
{
    std::vector<SimRequest> found;
    std::copy_if(d->requests.begin(), d->requests.end(), std::back_inserter(found),
        [command](const SimRequest& r) { return r.command == command; });
    return found;
}

SimExchangeHooks& SimulatedPositioner::exchangeHooks()
{
    return *d->hooks;
}

void SimulatedPositioner::setExchangeHooks(std::unique_ptr<SimExchangeHooks> hooks)
{
    d->hooks = hooks ? std::move(hooks) : std::make_unique<SimExchangeHooks>();
}

void SimulatedPositioner::holdTrendState(int state)
{
    d->trends.hold(state);
}

void SimulatedPositioner::releaseTrendState()
{
    d->trends.release();
}

void SimulatedPositioner::forceCalibrationState(int state)
{
    d->calibration.force(state);
}

bool SimulatedPositioner::signatureRunning()
{
    d->advanceToNow();
    return d->signature.running();
}

int SimulatedPositioner::signatureBlocksRead() const
{
    return d->signature.blocksRead();
}
