#include "AppLog.h"
#include "BuiltInServer.h"
#include "DeviceData.h"
#include "DeviceLink.h"
#include "ReportHeaderFill.h"
#include "SimTestHooks.h"
#include "SwTest.h"

#include "core/CReportHeader.h"

#include <QFile>

namespace
{

constexpr const char* K90Path = "Sim/K90/PV-101";

// The device link as start-up opens it, against the built-in server's
// simulated positioner, whose faults reach every failure path.
class SimulatorLink : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        registerBuiltInOpcServer();
        SimTestHooks::reset();
        ASSERT_EQ(link.Open(QString::fromLatin1(K90Path), QString()), 1);
        ASSERT_TRUE(link.ReadDeviceType());
        device = SimTestHooks::device(QString::fromLatin1(K90Path));
        ASSERT_NE(device, nullptr);
        device->clearRequests();
    }
    void TearDown() override
    {
        SimTestHooks::reset();
        SwTest::TearDown();
    }

    QStringList logTexts() const
    {
        QFile file(AppLog::filePath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList texts;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            texts << line.mid(23);
        return texts;
    }
    // The log lines that are not the request lines of the dispatchers.
    QStringList events() const
    {
        QStringList result;
        for (const QString& text : logTexts())
            if (!text.startsWith("<- ") && !text.startsWith("-> "))
                result << text;
        return result;
    }
    static QByteArray bytes(std::initializer_list<int> values)
    {
        QByteArray result;
        for (int v : values)
            result.append(char(v));
        return result;
    }

    DeviceData data;
    AppLog log;
    DeviceLink link { data, log };
    SimulatedPositioner* device = nullptr;
};

} // namespace

TEST_F(SimulatorLink, StartUpLearnsTheModelAndFramesReachTheDeviceAsLaid)
{
    EXPECT_EQ(data.DeviceType, 5);
    SimTestHooks::scriptReply(*device, 220, bytes({ 220, 5, 0, 0, 49, 33, 7 }));
    EXPECT_TRUE(link.dispatch().DispatchRead(220));
    ASSERT_EQ(device->requestsFor(220).size(), 1u);
    EXPECT_EQ(device->requestsFor(220)[0].bytes, bytes({ 220 }));
    EXPECT_EQ(data.TravelUnitLabel, "mm");
    EXPECT_EQ(data.TemperatureUnitLabel, "degF");
    EXPECT_EQ(data.PressureUnitLabel, "bar");
    EXPECT_EQ(data.PressureUnitText, "bar");
    EXPECT_EQ(data.FlowUnitLabel, "slm");

    EXPECT_TRUE(link.misc().WriteMiscWord64(0x1234));
    EXPECT_EQ(device->requestsFor(201).back().bytes, bytes({ 201, 10, 238, 0, 0x64, 0x12, 0x34, 254, 0, 0, 0, 0 }));
    EXPECT_EQ(device->miscWord(0x64), 0x1234);

    device->setMiscWord(0x11, 149);
    EXPECT_EQ(link.misc().ReadMiscWord11(), 1);
    device->setMiscWord(0x11, 151);
    EXPECT_EQ(link.misc().ReadMiscWord11(), 2);
}

TEST_F(SimulatorLink, StatusReadFollowsTheDevice)
{
    device->setStatus(44, true);
    EXPECT_TRUE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.ActiveStatus, device->highestPriorityStatus());
    EXPECT_NE(data.ActiveStatus, 255);
    EXPECT_EQ(data.FailureCount, 0);
}

TEST_F(SimulatorLink, EveryOpcFaultHasItsOwnEffect)
{
    struct Case {
        SimFault fault;
        QStringList logged;
        bool replied;
    };
    const Case cases[] = {
        { SimFault::WriteCallFailure, {}, false },
        { SimFault::WriteItemError, { "write failed." }, false },
        { SimFault::ReadCallFailure, { "Read failed." }, false },
        { SimFault::ReadItemError, {}, false },
        { SimFault::CorruptChecksum, {}, false },
        { SimFault::NoResponse, {}, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.fault));
        QFile::remove(AppLog::filePath());
        data.FailureCount = 0;
        SimTestHooks::faults(*device).inject(c.fault, 1, 202);
        EXPECT_FALSE(link.dispatch().DispatchRead(202));
        EXPECT_EQ(data.Reply.has_value(), c.replied);
        EXPECT_EQ(events(), c.logged);
        EXPECT_EQ(data.FailureCount, 0) << "counted only by the next read";
        EXPECT_TRUE(link.dispatch().DispatchRead(202)) << "the device answers again";
        EXPECT_EQ(data.FailureCount, 0);
    }
}

TEST_F(SimulatorLink, MismatchedEchoIsCountedAtOnceAndAMissingReplyByTheNextRead)
{
    SimTestHooks::faults(*device).inject(SimFault::WrongEcho, 1, 202);
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 1);
    EXPECT_EQ(events(), QStringList { "reply count :1" });

    SimTestHooks::faults(*device).inject(SimFault::ReadItemError, 1, 202);
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 1);
    SimTestHooks::faults(*device).inject(SimFault::ReadItemError, 1, 202);
    EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 2) << "the missing reply before is counted now";
    EXPECT_EQ(data.Connected, 0);

    EXPECT_TRUE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_EQ(data.Connected, 0) << "the flag lags one transaction";
    EXPECT_TRUE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.Connected, 1);
}

TEST_F(SimulatorLink, ShortReplyIsCountedAsEchoedAndDecodedNoFurther)
{
    link.dispatch().DispatchRead(202);
    const uint8_t status = data.ActiveStatus;
    data.Position = 12345;
    SimTestHooks::faults(*device).inject(SimFault::ShortReply, 1, 202, 6);
    EXPECT_TRUE(link.dispatch().DispatchRead(202)) << "the echo is there";
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_EQ(data.Position, 12345);
    EXPECT_EQ(data.ActiveStatus, status);
    EXPECT_EQ(events(), QStringList { "short reply 202 6" });
}

TEST_F(SimulatorLink, MiscReplyForAnotherAddressIsNotTaken)
{
    device->setMiscByte(0x82, 0x01);
    EXPECT_EQ(link.misc().ReadMiscByte82Bit0(), 1);
    device->setMiscByte(0x82, 0x00);
    SimTestHooks::faults(*device).inject(SimFault::MiscOtherAddress, 1, 200);
    bool ok = true;
    EXPECT_EQ(link.misc().ReadMiscByte82(&ok), 0x01) << "the last good value of 0x82";
    EXPECT_FALSE(ok);
    EXPECT_EQ(data.PressureSensorFlag, 1);
    EXPECT_EQ(link.misc().ReadMiscByte82(&ok), 0x00);
    EXPECT_TRUE(ok);
}

TEST_F(SimulatorLink, GoodAlarmMaskAndTrendHandshakeRepliesAreNoMismatch)
{
    ASSERT_TRUE(link.dispatch().DispatchRead(166));
    EXPECT_TRUE(link.dispatch().DispatchWrite(167));
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_TRUE(link.dispatch().DispatchWrite(HartCommand::WriteTrendState1));
    EXPECT_EQ(data.FailureCount, 0);
    EXPECT_EQ(device->requestsFor(182).back().bytes, bytes({ 182, 1, 1 }));
    EXPECT_TRUE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.Connected, 1);
}

TEST_F(SimulatorLink, PositionAlertsGoBackAsStored)
{
    ASSERT_TRUE(link.dispatch().DispatchRead(218));
    const auto alerts = data.PositionAlerts;
    data.PositionAlerts[3] = 25;
    EXPECT_TRUE(link.dispatch().DispatchWrite(219));
    ASSERT_TRUE(link.dispatch().DispatchRead(218));
    EXPECT_EQ(data.PositionAlerts[0], alerts[0]);
    EXPECT_EQ(data.PositionAlerts[1], alerts[1]);
    EXPECT_EQ(data.PositionAlerts[2], alerts[2]);
}

TEST_F(SimulatorLink, TextFieldsAreLaidAtTheirFixedLength)
{
    ASSERT_TRUE(link.dispatch().DispatchRead(234));
    data.ValveText = "SEAT";
    EXPECT_TRUE(link.dispatch().DispatchWrite(235));
    EXPECT_EQ(device->requestsFor(235).back().bytes.size(), 25);
    EXPECT_TRUE(link.dispatch().DispatchRead(234));
    EXPECT_EQ(data.ValveText, "SEAT      ");
}

TEST_F(SimulatorLink, SilentDeviceDropsTheFlagAndComesBack)
{
    SimTestHooks::faults(*device).goSilent();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(link.dispatch().DispatchRead(202));
    EXPECT_EQ(data.Connected, 0);
    EXPECT_GE(data.FailureCount, 1);
    SimTestHooks::faults(*device).comeBack();
    link.dispatch().DispatchRead(202);
    link.dispatch().DispatchRead(202);
    EXPECT_EQ(data.Connected, 1);
}

TEST_F(SimulatorLink, NoLinkMeansNoReplyAndNoCrash)
{
    DeviceData lone;
    DeviceLink unopened(lone, log);
    EXPECT_FALSE(unopened.dispatch().DispatchWrite(221));
    EXPECT_FALSE(unopened.dispatch().DispatchRead(202));
    EXPECT_FALSE(unopened.misc().WriteMiscWord64(1));
    EXPECT_EQ(lone.Connected, 0);
    EXPECT_EQ(lone.FailureCount, 1);
    EXPECT_FALSE(unopened.ReadDeviceType());
    EXPECT_EQ(lone.DeviceType, 0);

    int step = -1;
    EXPECT_EQ(unopened.Open(QString::fromLatin1(K90Path), QStringLiteral("PLANT1"), &step), -3);
    EXPECT_EQ(step, 1);
    SimTestHooks::rejectItems(true);
    EXPECT_EQ(unopened.Open(QStringLiteral("Plant/XYZ"), QString(), &step), -1);
    EXPECT_EQ(step, 3);
    EXPECT_FALSE(unopened.dispatch().DispatchRead(202));
    EXPECT_EQ(lone.Connected, 0);
}

TEST_F(SimulatorLink, ReportHeaderCarriesTheDevicesOwnIdentity)
{
    device->setTag("FV-2031 ");
    CReportHeader header;
    FillReportHeader(header, data, link.dispatch());
    EXPECT_EQ(header.m_strTag.toQString(), "FV-2031 ");
    EXPECT_EQ(header.m_byModel, 5);
    EXPECT_EQ(header.m_strActManufacturer.toQString(), ReportCatalogue::ActuatorMaker(data.ActuatorCodes[0]));
    EXPECT_EQ(header.m_strActSize.toQString(), ReportCatalogue::ActuatorModelSize(data.ActuatorCodes[2]));
    EXPECT_EQ(header.m_strBodySize.toQString(), ReportCatalogue::ValveSize(data.ValveCodes[1]));
    EXPECT_EQ(header.m_strFailPosition.toQString(), ReportCatalogue::FailPosition(data.Config[15]));
    for (uint8_t command : { 13, 230, 234, 246 })
        EXPECT_EQ(device->requestsFor(command).size(), 1u) << int(command);
    EXPECT_EQ(data.FailureCount, 0);
}
