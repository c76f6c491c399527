#include "SimFixture.h"

#include "HartMasterLink.h"
#include "opc/HartFrame.h"

namespace
{

class BuiltInServerConnection : public SimFixture
{
};

TEST_F(BuiltInServerConnection, CommandZeroGivesTheModelsDeviceType)
{
    const struct {
        const char* path;
        int deviceType;
    } cases[] = { { "Sim/K90/PV-101", 5 }, { "Sim/K40/PV-102", 6 } };
    for (const auto& c : cases) {
        SimLink device;
        ASSERT_TRUE(device.open(QString::fromLatin1(c.path))) << c.path;
        const QByteArray reply = device.ask(SimLink::read(0));
        ASSERT_GE(reply.size(), 7) << c.path;
        EXPECT_EQ(replyU8(reply, 0), 0);
        EXPECT_EQ(replyU8(reply, 1), reply.size() - 2);
        EXPECT_EQ(replyU8(reply, 4), 254);
        EXPECT_EQ(replyU8(reply, 6), c.deviceType) << c.path;
    }
}

TEST_F(BuiltInServerConnection, ConnectionStepsGiveTheirOwnResults)
{
    EXPECT_EQ(link.connect(QStringLiteral("Other.Server.1")), OpcServerRegistry::NoClassId);

    QStringList lines;
    OpcServerRegistry::instance().setLogHook([&](const QString& line) { lines << line; });
    EXPECT_EQ(link.connect(QString::fromLatin1(BuiltInServer::ProgId), QStringLiteral("PLANT1")),
        OpcServerRegistry::NoClassObject);
    OpcServerRegistry::instance().setLogHook(nullptr);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(QLatin1String("PLANT1"))) << lines[0].toStdString();

    for (const QString& local : { QString(), QStringLiteral("localhost"), QStringLiteral("127.0.0.1") })
        EXPECT_EQ(link.connect(QString::fromLatin1(BuiltInServer::ProgId), local), OpcServerRegistry::Created)
            << local.toStdString();

    SimTestHooks::refuseCreation(true);
    EXPECT_EQ(link.connect(), OpcServerRegistry::CreationRefused);
}

TEST_F(BuiltInServerConnection, ItemsOtherThanSimulatedDevicesAreItemErrors)
{
    ASSERT_EQ(link.connect(), 1);
    ASSERT_EQ(link.createGroup(), 1);
    EXPECT_EQ(link.addItem(QStringLiteral("Plant/XYZ")), -1);
    EXPECT_EQ(link.addItem(QStringLiteral("Sim/K55/PV-1")), -1);
    EXPECT_EQ(link.addItem(QStringLiteral("Sim/K40/PV-102")), 1);
}

TEST_F(BuiltInServerConnection, RefusalsAtEachStepReachTheCaller)
{
    SimTestHooks::refuseGroup(true);
    ASSERT_EQ(link.connect(), 1);
    EXPECT_EQ(link.createGroup(), 0);
    SimTestHooks::reset();

    SimTestHooks::refuseSyncIO(true);
    EXPECT_EQ(link.createGroup(), 0);
    SimTestHooks::reset();

    ASSERT_EQ(link.createGroup(), 1);
    SimTestHooks::failAddItemsCall(true);
    EXPECT_EQ(link.addItem(QStringLiteral("Sim/K90/PV-101")), -2);
    SimTestHooks::reset();
    SimTestHooks::rejectItems(true);
    EXPECT_EQ(link.addItem(QStringLiteral("Sim/K90/PV-101")), -1);
}

TEST_F(BuiltInServerConnection, OneDevicePerPathKeptForTheServersLife)
{
    SimulatedPositioner& device = open();
    // A second item of the same path on the same server reaches the same device.
    ASSERT_EQ(link.addItem(QStringLiteral("Sim/K90/PV-101")), 1);
    EXPECT_EQ(SimTestHooks::device(QStringLiteral("Sim/K90/PV-101")), &device);
    EXPECT_NE(SimTestHooks::device(QStringLiteral("Sim/K90/PV-103")), &device);
}

TEST_F(BuiltInServerConnection, TheDeviceIsFramedAtItsPollingAddressThenItsLongAddress)
{
    SimulatedPositioner& device = open();
    // A long frame to another device's address gets no answer.
    HartFrame frame;
    frame.command = 202;
    frame.address = HartAddress::fromIdentity(device.manufacturerId(), 6, device.deviceId());
    EXPECT_TRUE(device.respondToFrame(HartFrameCodec::encode(frame)).isEmpty());
    frame.address = device.longAddress();
    const auto answer = HartFrameCodec::decode(device.respondToFrame(HartFrameCodec::encode(frame)), frame.address);
    ASSERT_TRUE(answer.ok()) << HartFrameCodec::errorText(answer.error);
    EXPECT_EQ(answer.frame.kind, HartFrame::Kind::Response);
    EXPECT_EQ(answer.frame.command, 202);
    // Through the server, the program's requests after command 0 reach it too.
    EXPECT_EQ(replyU8(link.ask(SimLink::read(202)), 0), 202);
}

TEST_F(BuiltInServerConnection, TheMasterLearnsTheLongAddressFromAWholeCommandZeroReply)
{
    SimulatedPositioner device(SimModel::K40, QStringLiteral("Sim/K40/PV-9"));
    HartMasterLink master(device);
    EXPECT_FALSE(master.knownAddress().has_value());

    // A cut identity teaches nothing; the device still answers at its polling address.
    SimTestHooks::faults(device).inject(SimFault::ShortReply, 1, 0, 8);
    ASSERT_TRUE(master.exchange(SimLink::read(0)).has_value());
    EXPECT_FALSE(master.knownAddress().has_value());

    const auto identity = master.exchange(SimLink::read(0));
    ASSERT_TRUE(identity.has_value());
    ASSERT_TRUE(master.knownAddress().has_value());
    EXPECT_TRUE(*master.knownAddress() == device.longAddress());
    EXPECT_EQ(replyU8(*identity, 6), 6);
    const auto status = master.exchange(SimLink::write(203, QByteArray::fromHex("401388")));
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(replyU8(*status, 0), 203);
    EXPECT_EQ(replyU16(*status, 5), 5000);
    EXPECT_FALSE(master.exchange(QByteArray()).has_value()) << "no command, no exchange";
}

} // namespace
