#include "opc/OpcServerRegistry.h"

#include <QSysInfo>

#include <gtest/gtest.h>

namespace
{

class StubServer : public OpcServer
{
public:
    Opc::Result addGroup(const OpcGroupDef&, std::shared_ptr<OpcGroup>& group) override
    {
        group.reset();
        return Opc::Failure;
    }
};

class OpcServerRegistryTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        OpcServerRegistry::instance().remove(QStringLiteral("Test.Server.1"));
        OpcServerRegistry::instance().setLogHook(nullptr);
    }
    OpcServerRegistry& registry() { return OpcServerRegistry::instance(); }
};

TEST_F(OpcServerRegistryTest, CreationResultsTellTheStepsApart)
{
    bool refuse = false;
    registry().add(QStringLiteral("Test.Server.1"),
        [&]() -> std::shared_ptr<OpcServer> { return refuse ? nullptr : std::make_shared<StubServer>(); });
    QStringList lines;
    registry().setLogHook([&](const QString& line) { lines << line; });
    std::shared_ptr<OpcServer> server;

    EXPECT_EQ(registry().create(QStringLiteral("Test.Server.1"), QString(), server), OpcServerRegistry::Created);
    EXPECT_NE(server, nullptr);
    EXPECT_EQ(registry().create(QStringLiteral("Unknown.Server.1"), QString(), server), OpcServerRegistry::NoClassId);
    EXPECT_EQ(server, nullptr);
    EXPECT_EQ(registry().create(QStringLiteral("Test.Server.1"), QStringLiteral("PLANT1"), server),
        OpcServerRegistry::NoClassObject);
    refuse = true;
    EXPECT_EQ(
        registry().create(QStringLiteral("Test.Server.1"), QString(), server), OpcServerRegistry::CreationRefused);
    EXPECT_EQ(lines, QStringList { QStringLiteral("OPC server machine not reachable: PLANT1") });
}

TEST_F(OpcServerRegistryTest, OnlyThisMachineIsLocal)
{
    const QString host = QSysInfo::machineHostName();
    const struct {
        QString name;
        bool local;
    } cases[] = {
        { QString(), true },
        { QStringLiteral("localhost"), true },
        { QStringLiteral("LOCALHOST"), true },
        { QStringLiteral("127.0.0.1"), true },
        { host, true },
        { host.toUpper(), true },
        { QStringLiteral("PLANT1"), false },
        { QStringLiteral("10.0.0.7"), false },
        { QStringLiteral("\\\\PLANT1"), false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpcServerRegistry::isLocalMachine(c.name), c.local) << c.name.toStdString();
}

} // namespace
