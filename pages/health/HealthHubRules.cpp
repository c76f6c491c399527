#include "HealthHubRules.h"

#include "DashboardRules.h"

namespace HealthHubRules
{

int worstCaseWordOfRow(int row)
{
    // The dashboard's health matrix has the same rows in the same order.
    return DashboardRules::worstCaseWordOfRow(row);
}

RowBars rowBars(int row, uint16_t word)
{
    constexpr uint16_t AlarmWord = 10000; // 100.00 %
    const bool alarm = row == Valve ? word >= AlarmWord : word == AlarmWord;
    return { static_cast<double>(word), alarm ? 100.0 : 0.0 };
}

} // namespace HealthHubRules
