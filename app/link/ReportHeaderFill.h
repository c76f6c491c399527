#pragma once

#include <QString>

#include <cstdint>

struct DeviceData;
class CommandDispatch;
class CReportHeader;

// Refreshes the report header from the device: reads 13, 230, 234 and 246
// and turns their catalogue code bytes into the texts printed at the head of
// every report. The reads' outcome is not examined: a device that did not
// answer leaves the fields at their last values, and the header is filled
// from those. The device version is left as it is.
void FillReportHeader(CReportHeader& header, DeviceData& data, CommandDispatch& dispatch);

// The head of a loaded result's report: the file's tag, and none of the
// connected device's actuator and valve body texts, which the file does not
// hold (their lines are left out).
void ShowLoadedResultHeader(CReportHeader& header, const QString& fileTag);

// The catalogue tables: code 99 gives "Other", a listed code its text, any
// other code the text of code 0.
namespace ReportCatalogue
{
QString ActuatorMaker(uint8_t code);
QString ActuatorKind(uint8_t code);
QString ActuatorModelSize(uint8_t code);
QString SpringType(uint8_t code);
QString ValveType(uint8_t code);
QString ValveSize(uint8_t code);
QString FlowDirection(uint8_t code); // 1 "Flow Under", else "Flow Over"
QString FailPosition(uint8_t code); // 2 "Open", else "Closed"
} // namespace ReportCatalogue
