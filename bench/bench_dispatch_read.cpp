// One DispatchRead through the whole device link against the in-process
// simulated positioner: request laying, the OPC write and device read, the
// simulated device's answer, reply decoding and the log line. A real device
// takes a few hundred milliseconds per exchange; the program's share should
// be far below a millisecond.
#include "AppLog.h"
#include "BuiltInServer.h"
#include "DeviceData.h"
#include "DeviceLink.h"

#include "BenchApplication.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace
{

void startQt()
{
    BenchApplication::ensure("bench_dispatch_read");
    registerBuiltInOpcServer();
}

void BM_DispatchReadStatus(benchmark::State& state)
{
    startQt();
    DeviceData data;
    AppLog log;
    DeviceLink link(data, log);
    if (link.Open(QStringLiteral("Sim/K90/PV-101"), QString()) != 1 || !link.ReadDeviceType()) {
        state.SkipWithError("the simulated positioner cannot be reached");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(link.dispatch().DispatchRead(202));
    state.counters["FailureCount"] = data.FailureCount;
}
BENCHMARK(BM_DispatchReadStatus)->Unit(benchmark::kMicrosecond);

void BM_ParseStatusReply(benchmark::State& state)
{
    startQt();
    DeviceData data;
    AppLog log;
    DeviceLink link(data, log);
    data.Reply = QByteArray::fromHex("ca1400004012340fa00fa00f9aff38000041bc0000ff");
    for (auto _ : state)
        benchmark::DoNotOptimize(link.parser().ParseReply(202));
}
BENCHMARK(BM_ParseStatusReply)->Unit(benchmark::kNanosecond);

} // namespace
