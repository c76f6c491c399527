#pragma once

#include "core/ReportFrame.h"

#include <QString>

#include <cstdint>
#include <span>

// The body that the calibration reports (actuator, stroke, analog input,
// analog output) print below their header block. Each report is a list of
// rows, top to bottom: a heading is a label with no value; every other row
// writes its fixed label text into the label field and then its value into
// the value field right after it. Values come formatted by the caller and are
// written exactly as passed; a failure indication is printed by the flag rule.
//
// A report builds its rows from its record and hands them to write():
//
//     const CalibrationReportBlock::Row rows[] = {
//         CalibrationReportBlock::heading("CalInfoLbl", "Calibration Information"),
//         { "DateLastLbl", "Calibration Date:", "LastCalDate", record.m_strLastCalDate.toQString() },
//         { "StrkCal0PosOutLbl", "0% Signal OORange", "StrkCal0PosOutChk", flagText(record.m_b0SignalOut) },
//     };
//     CalibrationReportBlock::write(fields, rows);
//
// A key the definition lacks throws from the field write; the report frame
// turns that into its one failure box, with every earlier row already written.
namespace CalibrationReportBlock
{
struct Row {
    const char* labelKey;
    const char* labelText; // Latin-1, written as it stands, blanks included
    const char* valueKey = nullptr; // none for a heading
    QString value;
};

// A heading: a label with no value.
inline Row heading(const char* labelKey, const char* labelText)
{
    return Row { labelKey, labelText, nullptr, QString() };
}

// The flag rule: "X" for any value but 0, the empty text for 0. The field is
// written in both cases, so a flag never keeps an older mark.
QString flagText(uint8_t flag);

// Writes the rows into section "Detail" in their order, each label before
// its value.
void write(const ReportFrameFields& fields, std::span<const Row> rows);
} // namespace CalibrationReportBlock
