#pragma once

#include "core/Tellbox.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Every record's members as the record tables give them: in declaration order,
// each with its type and its default. A text default of nullopt means the
// member starts null (missing), not as an empty text.
template <typename R> struct Field {
    std::string name;
    std::function<AutoString*(R&)> text; // set for a text member
    std::function<uint8_t*(R&)> byte; // set for a byte member
    std::optional<const char*> defaultText;
    uint8_t defaultByte = 0;

    bool isText() const { return static_cast<bool>(text); }
    std::size_t offsetIn(R& record) const
    {
        const char* at
            = isText() ? reinterpret_cast<const char*>(text(record)) : reinterpret_cast<const char*>(byte(record));
        return static_cast<std::size_t>(at - reinterpret_cast<const char*>(&record));
    }
};

template <typename R> Field<R> textField(AutoString R::*member, const char* name, std::optional<const char*> value)
{
    return { name, [member](R& r) { return &(r.*member); }, {}, value, 0 };
}

template <typename R> Field<R> byteField(uint8_t R::*member, const char* name, uint8_t value)
{
    return { name, {}, [member](R& r) { return &(r.*member); }, std::nullopt, value };
}

template <typename R, std::size_t N>
void addTextArray(std::vector<Field<R>>& fields, AutoString (R::*member)[N], const char* name, const char* value)
{
    for (std::size_t i = 0; i < N; ++i)
        fields.push_back({ std::string(name) + "[" + std::to_string(i) + "]",
            [member, i](R& r) { return &(r.*member)[i]; }, {}, value, 0 });
}

template <typename R, std::size_t N>
void addByteArray(std::vector<Field<R>>& fields, uint8_t (R::*member)[N], const char* name, uint8_t value)
{
    for (std::size_t i = 0; i < N; ++i)
        fields.push_back({ std::string(name) + "[" + std::to_string(i) + "]", {},
            [member, i](R& r) { return &(r.*member)[i]; }, std::nullopt, value });
}

#define SW_TEXT(member, value) textField<R>(&R::member, #member, value)
#define SW_NULL_TEXT(member) textField<R>(&R::member, #member, std::nullopt)
#define SW_BYTE(member, value) byteField<R>(&R::member, #member, value)

template <typename R> std::vector<Field<R>> recordFields();

template <> inline std::vector<Field<CReportHeader>> recordFields()
{
    using R = CReportHeader;
    return { SW_BYTE(m_byModel, 5), SW_TEXT(m_strTag, ""), SW_TEXT(m_strDeviceVersion, ""), SW_TEXT(m_strActSize, ""),
        SW_TEXT(m_strActManufacturer, ""), SW_TEXT(m_strActType, ""), SW_TEXT(m_strSpringType, ""),
        SW_TEXT(m_strBodyModel, ""), SW_TEXT(m_strBodySize, ""), SW_TEXT(m_strFlowDirection, ""),
        SW_TEXT(m_strFailPosition, "") };
}

template <> inline std::vector<Field<CPSTReport>> recordFields()
{
    using R = CPSTReport;
    return { SW_TEXT(m_strStartPosition, ""), SW_TEXT(m_strStopPosition, ""), SW_TEXT(m_strTimeToTarget, ""),
        SW_TEXT(m_strTestDuration, ""), SW_TEXT(m_strBreakAwayTime, ""), SW_TEXT(m_strBreakAwayPressure, ""),
        SW_TEXT(m_strBreakAwayUnit, ""), SW_TEXT(m_strTimeToTargetResult, ""), SW_TEXT(m_strResult, ""),
        SW_TEXT(m_strTag, "TAG"), SW_TEXT(m_strTestDate, ""), SW_TEXT(m_strSpare, " "), SW_BYTE(m_nPressureUnit, 6), SW_BYTE(m_nResult, 1),
        SW_BYTE(m_bSingleActing, 0), SW_BYTE(m_bPressureSensor, 1) };
}

template <> inline std::vector<Field<CPSTCompareReport>> recordFields()
{
    using R = CPSTCompareReport;
    return { SW_TEXT(m_strSpare, ""), SW_TEXT(m_strTag1, ""), SW_TEXT(m_strTag2, ""), SW_TEXT(m_strTestDate1, ""),
        SW_TEXT(m_strTestDate2, ""), SW_TEXT(m_strFileName1, ""), SW_TEXT(m_strFileName2, ""),
        SW_TEXT(m_strStartPosition1, ""), SW_TEXT(m_strStartPosition2, ""), SW_TEXT(m_strStopPosition1, ""),
        SW_TEXT(m_strStopPosition2, ""), SW_TEXT(m_strTimeToTarget1, ""), SW_TEXT(m_strTimeToTarget2, ""),
        SW_TEXT(m_strTestDuration1, ""), SW_TEXT(m_strTestDuration2, ""), SW_TEXT(m_strBreakAwayTime1, ""),
        SW_TEXT(m_strBreakAwayTime2, ""), SW_TEXT(m_strBreakAwayTimeDiff, ""), SW_TEXT(m_strTimeToTargetResult1, ""),
        SW_TEXT(m_strTimeToTargetResult2, ""), SW_TEXT(m_strTimeToTargetResultDiff, ""),
        SW_TEXT(m_strBreakAwayPressure1, ""), SW_TEXT(m_strBreakAwayPressure2, ""),
        SW_TEXT(m_strBreakAwayPressureDiff, ""), SW_TEXT(m_strBreakAwayUnit1, ""), SW_TEXT(m_strBreakAwayUnit2, ""),
        SW_TEXT(m_strResult1, ""), SW_TEXT(m_strResult2, ""), SW_BYTE(m_bSingleActing1, 0),
        SW_BYTE(m_bPressureSensor1, 1), SW_BYTE(m_bSingleActing2, 0), SW_BYTE(m_bPressureSensor2, 1) };
}

template <> inline std::vector<Field<CStepTestReport>> recordFields()
{
    using R = CStepTestReport;
    return { SW_TEXT(m_strStartPosition, ""), SW_TEXT(m_strStopPosition, ""), SW_TEXT(m_strHoldTime, ""),
        SW_NULL_TEXT(m_strPressureAxisTitle), SW_TEXT(m_strTag, "TAG"), SW_TEXT(m_strTestDate, ""), SW_TEXT(m_strSpare, " "),
        SW_BYTE(m_nPressureUnit, 6), SW_BYTE(m_bSingleActing, 0), SW_BYTE(m_bPressureSensor, 0),
        SW_BYTE(m_bPressureData, 0) };
}

template <> inline std::vector<Field<CStepTestCompareReport>> recordFields()
{
    using R = CStepTestCompareReport;
    return { SW_TEXT(m_strSpare, ""), SW_TEXT(m_strTag1, ""), SW_TEXT(m_strTag2, ""), SW_TEXT(m_strTestDate1, ""),
        SW_TEXT(m_strTestDate2, ""), SW_TEXT(m_strFile1, ""), SW_TEXT(m_strFile2, ""), SW_TEXT(m_strStartPosition1, ""),
        SW_TEXT(m_strStartPosition2, ""), SW_TEXT(m_strStopPosition1, ""), SW_TEXT(m_strStopPosition2, ""),
        SW_NULL_TEXT(m_strHoldTime1), SW_NULL_TEXT(m_strHoldTime2), SW_TEXT(m_strPressureUnit1, ""),
        SW_TEXT(m_strPressureUnit2, ""), SW_BYTE(m_bSingleActing1, 0), SW_BYTE(m_bPressureSensor1, 0),
        SW_BYTE(m_bSingleActing2, 0), SW_BYTE(m_bPressureSensor2, 0), SW_BYTE(m_bSpareFlag5, 0),
        SW_BYTE(m_bSpareFlag6, 0) };
}

template <> inline std::vector<Field<CRampReport>> recordFields()
{
    using R = CRampReport;
    return { SW_TEXT(m_strTag, ""), SW_TEXT(m_strTestDate, ""), SW_TEXT(m_strStartPosition, ""), SW_TEXT(m_strStopPosition, ""),
        SW_TEXT(m_strHoldTime, ""), SW_TEXT(m_strTestDuration, ""), SW_TEXT(m_strSpare, ""),
        SW_TEXT(m_strSpringRate, ""), SW_TEXT(m_strSpringInitial, ""), SW_TEXT(m_strSpringFinal, ""),
        SW_TEXT(m_strStrokeLength, ""), SW_TEXT(m_strActuatorSize, ""), SW_TEXT(m_strActuatorSizeUnit, ""),
        SW_TEXT(m_strStrokeLengthUnit, ""), SW_BYTE(m_nPressureUnit, 6), SW_BYTE(m_nLengthUnit, 47),
        SW_TEXT(m_strSpringRateUnit, ""), SW_TEXT(m_strSpringPressureUnit, ""), SW_BYTE(m_bBiDirectional, 1),
        SW_BYTE(m_bSingleActing, 0), SW_BYTE(m_bPressureSensor, 1), SW_BYTE(m_bPressureData, 0) };
}

template <> inline std::vector<Field<CRampCompareReport>> recordFields()
{
    using R = CRampCompareReport;
    return { SW_TEXT(m_strSpare, ""), SW_TEXT(m_strTag1, ""), SW_TEXT(m_strTag2, ""), SW_TEXT(m_strTestDate1, ""),
        SW_TEXT(m_strTestDate2, ""), SW_TEXT(m_strFileName1, ""), SW_TEXT(m_strFileName2, ""),
        SW_TEXT(m_strStartPosition1, ""), SW_TEXT(m_strStartPosition2, ""), SW_TEXT(m_strStopPosition1, ""),
        SW_TEXT(m_strStopPosition2, ""), SW_TEXT(m_strHoldTime1, ""), SW_TEXT(m_strHoldTime2, ""),
        SW_TEXT(m_strTestDuration1, ""), SW_TEXT(m_strTestDuration2, ""), SW_TEXT(m_strActuatorSize1, ""),
        SW_TEXT(m_strActuatorSize2, ""), SW_TEXT(m_strActuatorSizeUnit, ""), SW_TEXT(m_strStrokeLength1, ""),
        SW_TEXT(m_strStrokeLength2, ""), SW_TEXT(m_strStrokeLengthUnit, ""), SW_TEXT(m_strSpringRate1, ""),
        SW_TEXT(m_strSpringRate2, ""), SW_TEXT(m_strSpringRateUnit, ""), SW_TEXT(m_strSpringInitial1, ""),
        SW_TEXT(m_strSpringInitial2, ""), SW_TEXT(m_strSpringPressureUnit, ""), SW_TEXT(m_strSpringFinal1, ""),
        SW_TEXT(m_strSpringFinal2, ""), SW_BYTE(m_bSingleActing1, 0), SW_BYTE(m_bSingleActing2, 0),
        SW_BYTE(m_bBiDirectional1, 1), SW_BYTE(m_bBiDirectional2, 1), SW_BYTE(m_bPressureSensor1, 1),
        SW_BYTE(m_bPressureSensor2, 1), SW_BYTE(m_bShowPressure1, 1), SW_BYTE(m_bShowPressure2, 1),
        SW_BYTE(m_nPressureUnit, 0), SW_BYTE(m_nLengthUnit, 0) };
}

template <> inline std::vector<Field<CHDRLReport>> recordFields()
{
    using R = CHDRLReport;
    return { SW_TEXT(m_strTag, ""), SW_TEXT(m_strTestDate, ""), SW_TEXT(m_strSpare, ""), SW_TEXT(m_strPosSettlingTime, "3"),
        SW_TEXT(m_strRepeatAverage, ""), SW_TEXT(m_strRepeatMaximum, ""), SW_TEXT(m_strHysDeadAverage, ""),
        SW_TEXT(m_strHysDeadMaximum, ""), SW_TEXT(m_strLinearError, "") };
}

template <> inline std::vector<Field<CHDRLCompareReport>> recordFields()
{
    using R = CHDRLCompareReport;
    return { SW_TEXT(m_strSpare, ""), SW_TEXT(m_strTag1, ""), SW_TEXT(m_strTag2, ""), SW_TEXT(m_strTestDate1, ""),
        SW_TEXT(m_strTestDate2, ""), SW_TEXT(m_strFileName1, ""), SW_TEXT(m_strFileName2, ""),
        SW_TEXT(m_strPosSettlingTime1, ""), SW_TEXT(m_strPosSettlingTime2, ""), SW_TEXT(m_strRepeatAverage1, ""),
        SW_TEXT(m_strRepeatAverage2, ""), SW_TEXT(m_strRepeatAverageDiff, ""), SW_TEXT(m_strRepeatMaximum1, ""),
        SW_TEXT(m_strRepeatMaximum2, ""), SW_TEXT(m_strRepeatMaximumDiff, ""), SW_TEXT(m_strHysDeadAverage1, ""),
        SW_TEXT(m_strHysDeadAverage2, ""), SW_TEXT(m_strHysDeadAverageDiff, ""), SW_TEXT(m_strHysDeadMaximum1, ""),
        SW_TEXT(m_strHysDeadMaximum2, ""), SW_TEXT(m_strHysDeadMaximumDiff, ""), SW_TEXT(m_strLinearError1, ""),
        SW_TEXT(m_strLinearError2, ""), SW_TEXT(m_strLinearErrorDiff, "") };
}

template <> inline std::vector<Field<CActuatorCalibReport>> recordFields()
{
    using R = CActuatorCalibReport;
    return { SW_TEXT(m_strLastCalDate, ""), SW_TEXT(m_strNewCalBy, ""), SW_TEXT(m_strPressure, ""),
        SW_TEXT(m_strPressureUnit, ""), SW_TEXT(m_strCalActSize, ""), SW_TEXT(m_strState, ""),
        SW_TEXT(m_strFricValue, ""), SW_TEXT(m_strILO, ""), SW_TEXT(m_strLoADVal, ""), SW_TEXT(m_strHiADVal, ""),
        SW_TEXT(m_strADRange, ""), SW_TEXT(m_strPort1Lo, ""), SW_TEXT(m_strPort1Hi, ""), SW_TEXT(m_strPort1Range, ""),
        SW_TEXT(m_strPort2Lo, ""), SW_TEXT(m_strPort2Hi, ""), SW_TEXT(m_strPort2Range, ""), SW_TEXT(m_strSuppLoLbl, ""),
        SW_BYTE(m_bSuppLo, 0), SW_TEXT(m_strSuppP1Lbl, ""), SW_BYTE(m_bSuppP1, 0), SW_TEXT(m_strSuppP2Lbl, ""),
        SW_BYTE(m_bSuppP2, 0), SW_BYTE(m_b0PosOut, 0), SW_BYTE(m_b100PosOut, 0), SW_BYTE(m_bFdbkSmall, 0),
        SW_BYTE(m_bILOTO, 0), SW_BYTE(m_bNoMoTO, 0), SW_BYTE(m_bNoSetTimeOut, 0) };
}

template <> inline std::vector<Field<CStrokeCalibReport>> recordFields()
{
    using R = CStrokeCalibReport;
    return { SW_TEXT(m_strLastCalDate, ""), SW_TEXT(m_strNewCalBy, ""), SW_TEXT(m_strState, ""), SW_TEXT(m_strILO, ""),
        SW_TEXT(m_strLoADVal, ""), SW_TEXT(m_strHiADVal, ""), SW_TEXT(m_strADRange, ""), SW_BYTE(m_b0PosOut, 0),
        SW_BYTE(m_b100PosOut, 0), SW_BYTE(m_bFdbkSmall, 0), SW_BYTE(m_bILOTO, 0), SW_BYTE(m_bNoMoTO, 0),
        SW_BYTE(m_bNoSetTimeOut, 0) };
}

template <> inline std::vector<Field<CAICalibReport>> recordFields()
{
    using R = CAICalibReport;
    return { SW_TEXT(m_strLastCalDate, ""), SW_TEXT(m_strNewCalBy, ""), SW_TEXT(m_strState, ""),
        SW_TEXT(m_strAD4mA, ""), SW_TEXT(m_strAD0, ""), SW_TEXT(m_strAD100, ""), SW_TEXT(m_strADRange, ""),
        SW_BYTE(m_b0SignalOut, 0), SW_BYTE(m_b100SignalOut, 0), SW_BYTE(m_bCommSmall, 0) };
}

template <> inline std::vector<Field<CAOCalibReport>> recordFields()
{
    using R = CAOCalibReport;
    return { SW_TEXT(m_strLastCalDate, ""), SW_TEXT(m_strNewCalBy, ""), SW_TEXT(m_strState, ""),
        SW_TEXT(m_strDA4mA, ""), SW_TEXT(m_strDA20mA, ""), SW_TEXT(m_strDARange, "") };
}

template <> inline std::vector<Field<CTrendsReport>> recordFields()
{
    using R = CTrendsReport;
    return { SW_TEXT(Tag, ""), SW_TEXT(PressureUnitText, ""), SW_TEXT(TemperatureUnitText, ""),
        SW_BYTE(PressureUnitCode, 6), SW_BYTE(TemperatureUnitCode, 32) };
}

template <> inline std::vector<Field<CAlarmStatusReport>> recordFields()
{
    using R = CAlarmStatusReport;
    std::vector<Field<R>> fields;
    addTextArray(fields, &R::m_strErrorCode, "m_strErrorCode", "");
    addTextArray(fields, &R::m_strDescription, "m_strDescription", "");
    return fields;
}

template <> inline std::vector<Field<CAlarmAnnunciatorReport>> recordFields()
{
    using R = CAlarmAnnunciatorReport;
    std::vector<Field<R>> fields;
    addByteArray(fields, &R::m_bFlags, "m_bFlags", 0);
    addTextArray(fields, &R::m_strTexts, "m_strTexts", "");
    return fields;
}

template <> inline std::vector<Field<CDataLoggerReport>> recordFields()
{
    using R = CDataLoggerReport;
    return { SW_TEXT(m_strTag, ""), SW_TEXT(m_strTestDate, ""), SW_TEXT(m_strInterval, ""), SW_TEXT(m_strDuration, ""),
        SW_TEXT(m_strDurationUnit, ""), SW_BYTE(m_bSingleActing, 0), SW_BYTE(m_bPressureSensor, 0),
        SW_BYTE(m_nPressureUnit, 6), SW_BYTE(m_nTemperatureUnit, 32), SW_BYTE(m_nDeviceCode, 0) };
}

template <> inline std::vector<Field<CStrokeCharacterizationReport>> recordFields()
{
    using R = CStrokeCharacterizationReport;
    return { SW_TEXT(m_strTag, "") };
}

#undef SW_TEXT
#undef SW_NULL_TEXT
#undef SW_BYTE
