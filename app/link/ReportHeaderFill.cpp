#include "ReportHeaderFill.h"

#include "CommandDispatch.h"
#include "DeviceData.h"

#include "core/CReportHeader.h"

#include <array>
#include <utility>

namespace
{

using Entry = std::pair<uint8_t, const char*>;

// Code 99 is "Other"; a listed code gives its text; any other code the text of code 0.
template <size_t N> QString lookUp(const Entry (&table)[N], uint8_t code)
{
    if (code == 99)
        return QStringLiteral("Other");
    for (const auto& [listed, text] : table)
        if (listed == code)
            return QString::fromLatin1(text);
    return QString::fromLatin1(table[0].second);
}

constexpr Entry Makers[] = { { 0, "Drelvik (Piston)" }, { 1, "Ostelm" }, { 2, "Drelvik (Diaphragm Rotary)" },
    { 3, "Quirrel" }, { 4, "Tevo" }, { 5, "Drelvik (Diaphragm Linear)" }, { 6, "Plenmark" } };

constexpr Entry Kinds[]
    = { { 0, "Linear (piston)" }, { 1, "Linear (diaphragm)" }, { 2, "Rotary (piston)" }, { 3, "Rotary (diaphragm)" } };

constexpr Entry Springs[] = { { 0, "Single" }, { 1, "Heavy duty" }, { 2, "Dual" }, { 3, "None" } };

constexpr Entry ValveTypes[] = { { 0, "Corla 10" }, { 1, "Corla 20" }, { 2, "Corla 30" }, { 3, "Corla 10S" },
    { 4, "Veltrane" }, { 5, "Ombrel" }, { 6, "Pendra 40" } };

constexpr Entry ValveSizes[] = { { 0, ".5 INCH" }, { 1, ".75 INCH" }, { 2, "1.0 INCH" }, { 3, "1.5 INCH" },
    { 4, "2.0 INCH" }, { 5, "3.0 INCH" }, { 6, "4.0 INCH" }, { 7, "6.0 INCH" }, { 8, "8.0 INCH" }, { 9, "10.0 INCH" },
    { 10, "12.0 INCH" }, { 11, "14.0 INCH" }, { 12, "18.0 INCH" } };

// Actuator model and size designations, codes 0 to 95, in runs of one kind each.
constexpr std::array<const char*, 96> ModelSizes = {
    // 0-12: piston bores
    "P06",
    "P08",
    "P10",
    "P12",
    "P14",
    "P16",
    "P18",
    "P20",
    "P24",
    "P28",
    "P32",
    "P36",
    "P42",
    // 13-23: diaphragm areas
    "25D",
    "33D",
    "45D",
    "60D",
    "70D",
    "87D",
    "100D",
    "125D",
    "150D",
    "200D",
    "250D",
    // 24-42: rotary actuators by torque class
    "RA-15",
    "RA-20",
    "RA-25",
    "RA-30",
    "RA-35",
    "RA-40",
    "RA-45",
    "RA-50",
    "RA-60",
    "RA-70",
    "RA-80",
    "RA-90",
    "RA-100",
    "RA-115",
    "RA-130",
    "RA-150",
    "RA-175",
    "RA-200",
    "RA-250",
    // 43-45
    "Q10",
    "Q20",
    "Q30",
    // 46-53
    "T-1",
    "T-2",
    "T-3",
    "T-4",
    "T-5",
    "T-6",
    "T-7",
    "T-8",
    // 54-64: plain sizes
    "16",
    "20",
    "23",
    "29",
    "33",
    "40",
    "46",
    "53",
    "60",
    "70",
    "80",
    // 65-70
    "P-100",
    "P-150",
    "P-200",
    "P-250",
    "P-300",
    "P-400",
    // 71-73
    "345-12",
    "345-16",
    "345-20",
    // 74-84
    "L25A",
    "L30A",
    "L35A",
    "L40A",
    "L45A",
    "L50A",
    "L60A",
    "L70A",
    "L80A",
    "L90A",
    "L100A",
    // 85-95
    "DP150",
    "DP200",
    "DP250",
    "DP300",
    "DP350",
    "DP400",
    "DP450",
    "DP500",
    "DP600",
    "DP700",
    "DP800",
};

// Every member the fill sets holds a text, an empty one included, never the null string.
AutoString present(const QString& text)
{
    return text.isNull() ? AutoString("") : AutoString(text);
}

} // namespace

namespace ReportCatalogue
{

QString ActuatorMaker(uint8_t code)
{
    return lookUp(Makers, code);
}
QString ActuatorKind(uint8_t code)
{
    return lookUp(Kinds, code);
}
QString SpringType(uint8_t code)
{
    return lookUp(Springs, code);
}
QString ValveType(uint8_t code)
{
    return lookUp(ValveTypes, code);
}
QString ValveSize(uint8_t code)
{
    return lookUp(ValveSizes, code);
}

QString ActuatorModelSize(uint8_t code)
{
    if (code == 99)
        return QStringLiteral("Other");
    return QString::fromLatin1(code < ModelSizes.size() ? ModelSizes[code] : ModelSizes[0]);
}

QString FlowDirection(uint8_t code)
{
    return code == 1 ? QStringLiteral("Flow Under") : QStringLiteral("Flow Over");
}

QString FailPosition(uint8_t code)
{
    return code == 2 ? QStringLiteral("Open") : QStringLiteral("Closed");
}

} // namespace ReportCatalogue

void FillReportHeader(CReportHeader& header, DeviceData& data, CommandDispatch& dispatch)
{
    using namespace ReportCatalogue;
    if (data.DeviceType == 6)
        header.m_byModel = 6;

    dispatch.DispatchRead(13);
    header.m_strTag = present(data.Tag);

    dispatch.DispatchRead(230);
    header.m_strActManufacturer = AutoString(ActuatorMaker(data.ActuatorCodes[0]));
    header.m_strActSize = AutoString(ActuatorModelSize(data.ActuatorCodes[2]));
    header.m_strActType = AutoString(ActuatorKind(data.ActuatorCodes[1]));
    header.m_strSpringType = AutoString(SpringType(data.ActuatorCodes[3]));

    dispatch.DispatchRead(234);
    header.m_strBodyModel = AutoString(ValveType(data.ValveCodes[8]));
    header.m_strBodySize = AutoString(ValveSize(data.ValveCodes[1]));
    header.m_strFlowDirection = AutoString(FlowDirection(data.ValveCodes[3]));

    dispatch.DispatchRead(246);
    header.m_strFailPosition = AutoString(FailPosition(data.Config[15]));
}

void ShowLoadedResultHeader(CReportHeader& header, const QString& fileTag)
{
    header.m_strTag = present(fileTag);
    for (AutoString* text :
        { &header.m_strActSize, &header.m_strActManufacturer, &header.m_strActType, &header.m_strSpringType,
            &header.m_strBodyModel, &header.m_strBodySize, &header.m_strFlowDirection, &header.m_strFailPosition })
        *text = AutoString("");
}
