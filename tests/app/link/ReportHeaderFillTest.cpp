#include "ReportHeaderFill.h"
#include "LinkTest.h"

#include "core/CReportHeader.h"

using namespace ReportCatalogue;

namespace
{

class ReportHeaderFill_ : public LinkTest
{
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        open();
    }
    static QString text(const AutoString& s) { return s.toQString(); }
};

} // namespace

TEST_F(ReportHeaderFill_, DeviceThatNeverAnsweredGivesTheCodeZeroTexts)
{
    server->failReadCall = true;
    CReportHeader header;
    header.m_strDeviceVersion = AutoString("1.07");
    FillReportHeader(header, data, link.dispatch());
    EXPECT_EQ(header.m_byModel, 5);
    EXPECT_FALSE(header.m_strTag.isNull());
    EXPECT_EQ(text(header.m_strTag), "");
    EXPECT_EQ(text(header.m_strActManufacturer), "Drelvik (Piston)");
    EXPECT_EQ(text(header.m_strActSize), ActuatorModelSize(0));
    EXPECT_EQ(text(header.m_strActType), "Linear (piston)");
    EXPECT_EQ(text(header.m_strSpringType), "Single");
    EXPECT_EQ(text(header.m_strBodyModel), "Corla 10");
    EXPECT_EQ(text(header.m_strBodySize), ".5 INCH");
    EXPECT_EQ(text(header.m_strFlowDirection), "Flow Over");
    EXPECT_EQ(text(header.m_strFailPosition), "Closed");
    EXPECT_EQ(text(header.m_strDeviceVersion), "1.07") << "the version is not the fill's";
    EXPECT_EQ(
        server->written, (std::vector<QByteArray> { bytes({ 13 }), bytes({ 230 }), bytes({ 234 }), bytes({ 246 }) }));
}

TEST_F(ReportHeaderFill_, AnsweringDeviceGivesItsOwnIdentity)
{
    data.DeviceType = 6;
    server->responder = [](const QByteArray& request) {
        switch (uint8_t(request[0])) {
        case 13: // "TAG-7   " packed, descriptor of '@'s, date
            return reply(13, bytes({ 0x50, 0x11, 0xED, 0xDE, 0x08, 0x20 }) + QByteArray(12, 0) + bytes({ 1, 2, 3 }));
        case 230:
            return reply(230, { 4, 3, 99, 2, 0, 100 });
        case 234:
            return reply(
                234, { 0, 12, 0, 1, 0, 0, 0, 0, 6, 0, 0, 0, 0, 'V', 'A', 'L', 'V', 'E', ' ', ' ', ' ', ' ', ' ' });
        default: {
            QByteArray config(22, 0);
            config[15] = 2;
            return reply(246, config);
        }
        }
    };
    CReportHeader header;
    FillReportHeader(header, data, link.dispatch());
    EXPECT_EQ(header.m_byModel, 6);
    EXPECT_EQ(text(header.m_strTag), "TAG-7   ");
    EXPECT_EQ(text(header.m_strActManufacturer), "Tevo");
    EXPECT_EQ(text(header.m_strActType), "Rotary (diaphragm)");
    EXPECT_EQ(text(header.m_strActSize), "Other");
    EXPECT_EQ(text(header.m_strSpringType), "Dual");
    EXPECT_EQ(text(header.m_strBodyModel), "Pendra 40");
    EXPECT_EQ(text(header.m_strBodySize), "18.0 INCH");
    EXPECT_EQ(text(header.m_strFlowDirection), "Flow Under");
    EXPECT_EQ(text(header.m_strFailPosition), "Open");
}

TEST(ReportCatalogue, OtherCodesFallBackToCodeZeroAndNinetyNineIsOther)
{
    for (auto table : { ActuatorMaker, ActuatorKind, ActuatorModelSize, SpringType, ValveType, ValveSize }) {
        EXPECT_EQ(table(99), "Other");
        EXPECT_EQ(table(200), table(0));
        EXPECT_EQ(table(98), table(0));
    }
    EXPECT_EQ(ActuatorMaker(7), "Drelvik (Piston)");
    EXPECT_EQ(ValveSize(13), ".5 INCH");
    EXPECT_EQ(SpringType(4), "Single");
    EXPECT_EQ(FlowDirection(99), "Flow Over");
    EXPECT_EQ(FlowDirection(2), "Flow Over");
    EXPECT_EQ(FailPosition(99), "Closed");
    EXPECT_EQ(FailPosition(1), "Closed");
    EXPECT_EQ(ActuatorModelSize(96), ActuatorModelSize(0));
    for (int code = 0; code <= 95; ++code) {
        const QString size = ActuatorModelSize(uint8_t(code));
        EXPECT_GE(size.size(), 2) << code;
        EXPECT_LE(size.size(), 7) << code;
    }
}
