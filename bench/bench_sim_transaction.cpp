// One HART transaction in process, as the device link runs it: the write of
// the request to the frame item (framing, the device's step of simulated
// time and its reply) and the device read that unwraps the reply.
#include "BuiltInServer.h"
#include "opc/OpcServerRegistry.h"
#include "ui/TestClock.h"

#include <benchmark/benchmark.h>

namespace
{

struct Link {
    std::shared_ptr<OpcServer> server;
    std::shared_ptr<OpcGroup> group;
    std::shared_ptr<OpcSyncIO> io;
    uint32_t item = 0;

    Link()
    {
        registerBuiltInOpcServer();
        OpcServerRegistry::instance().create(QString::fromLatin1(BuiltInServer::ProgId), QString(), server);
        OpcGroupDef definition;
        definition.name = QStringLiteral("Hollenby1");
        server->addGroup(definition, group);
        io = group->syncIO();
        OpcItemDef def;
        def.itemId = QStringLiteral("Sim/K90/PV-101/Param/HART_Frame");
        def.requestedType = Opc::VarType::UnsignedByteArray;
        std::vector<OpcItemResult> results;
        std::vector<Opc::Result> errors;
        group->itemMgt()->addItems({ def }, results, errors);
        item = results.at(0).serverHandle;
    }

    QByteArray transact(const QByteArray& request)
    {
        std::vector<Opc::Result> errors;
        io->write({ item }, { request }, errors);
        std::vector<OpcItemState> states;
        io->read(Opc::DataSource::Device, { item }, states, errors);
        return states.at(0).value;
    }
};

void transaction(benchmark::State& state, QByteArray request, int msBetween)
{
    TestClock clock;
    TimerService::install(&clock);
    Link link;
    link.transact(QByteArray(1, '\0'));
    for (auto _ : state) {
        clock.advance(msBetween);
        benchmark::DoNotOptimize(link.transact(request));
    }
    TimerService::install(nullptr);
}

// The status read, back to back, and once every 100 ms of device time (100 physics steps each).
BENCHMARK_CAPTURE(transaction, status_read, QByteArray(1, char(202)), 0);
BENCHMARK_CAPTURE(transaction, status_read_every_100ms, QByteArray(1, char(202)), 100);
BENCHMARK_CAPTURE(transaction, misc_write, QByteArray::fromHex("c90a9200f60000fe00000000"), 0);

} // namespace
