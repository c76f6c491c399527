#include "BuiltInServer.h"
#include "LinkTest.h"

#include "opc/OpcServerRegistry.h"

#include <QRegularExpression>

using DeviceLink_ = LinkTest;

TEST_F(DeviceLink_, OpenAsksForTheDevicesFrameItemInAnInactiveGroup)
{
    int step = -1;
    const QString progId = QString::fromLatin1(OpcConnection::ServerProgId);
    OpcServerRegistry::instance().add(progId, [this] { return server; });
    EXPECT_EQ(link.Open(QStringLiteral("HART/ABC"), QString(), &step), 1);
    registerBuiltInOpcServer(); // the program's own server again
    EXPECT_EQ(step, 0);
    EXPECT_EQ(server->lastItemId, "HART/ABC/Param/HART_Frame");
    EXPECT_TRUE(QRegularExpression("^Hollenby\\d+$").match(server->lastGroup.name).hasMatch());
    EXPECT_FALSE(server->lastGroup.active);
    EXPECT_EQ(server->lastGroup.requestedUpdateRateMs, 2000u);
    EXPECT_EQ(server->lastGroup.clientHandle, 2345u);
    EXPECT_TRUE(link.connection().IsOpen());
}

TEST_F(DeviceLink_, DeviceTypeComesFromAWholeCommandZeroReplyOnly)
{
    open();
    server->replies.push_back(bytes({ 0, 4, 0, 0, 254, 0x26 })); // cut before the type byte
    EXPECT_FALSE(link.ReadDeviceType());
    EXPECT_EQ(data.DeviceType, 0);
    EXPECT_EQ(server->written.back(), bytes({ 0 }));

    server->replies.push_back(reply(0, { 254, 0x26, 6, 5, 5, 1 }));
    EXPECT_TRUE(link.ReadDeviceType());
    EXPECT_EQ(data.DeviceType, 6);
    EXPECT_EQ(data.FailureCount, 0) << "command 0 is neither counted";
    EXPECT_TRUE(logLines().isEmpty()) << "nor logged";
}
