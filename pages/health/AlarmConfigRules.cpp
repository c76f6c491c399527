#include "AlarmConfigRules.h"

namespace AlarmConfigRules
{

bool listed(int maskClass, int deviceType, bool config28Bit5)
{
    if (maskClass <= 0)
        return false;
    if (deviceType == 5)
        return true;
    if (deviceType == 6)
        return maskClass <= 2 || config28Bit5;
    return false;
}

std::vector<int> listedStatuses(const ErrorDefinitions& definitions, int deviceType, bool config28Bit5)
{
    std::vector<int> statuses;
    int lineIndex = 0;
    for (const ErrorDefinitionLine& line : definitions.lines()) {
        if (lineIndex++ >= MaskLines)
            break;
        if (line.statusNumber < 0 || line.statusNumber >= MaskLines)
            continue;
        if (listed(line.maskClass, deviceType, config28Bit5))
            statuses.push_back(line.statusNumber);
    }
    return statuses;
}

bool maskBit(const std::array<uint8_t, 10>& mask, int status)
{
    return (mask[size_t(status / 8)] >> (status % 8)) & 1u;
}

void setMaskBit(std::array<uint8_t, 10>& mask, int status, bool enabled)
{
    const auto bit = uint8_t(1u << (status % 8));
    if (enabled)
        mask[size_t(status / 8)] |= bit;
    else
        mask[size_t(status / 8)] &= uint8_t(~bit);
}

} // namespace AlarmConfigRules
