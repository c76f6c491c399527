#include "CalibrationReportBlock.h"

namespace CalibrationReportBlock
{

QString flagText(uint8_t flag)
{
    return flag != 0 ? QStringLiteral("X") : QString();
}

void write(const ReportFrameFields& fields, std::span<const Row> rows)
{
    for (const Row& row : rows) {
        fields.setText(QString::fromLatin1(row.labelKey), QString::fromLatin1(row.labelText));
        if (row.valueKey)
            fields.setText(QString::fromLatin1(row.valueKey), row.value);
    }
}

} // namespace CalibrationReportBlock
