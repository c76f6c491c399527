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

std::vector<size_t> listedLines(const ErrorDefinitions& definitions, int deviceType, bool config28Bit5)
{
    std::vector<size_t> rows;
    const std::vector<ErrorDefinitionLine>& lines = definitions.lines();
    for (size_t i = 0; i < lines.size() && i < size_t(MaskLines); ++i) {
        const ErrorDefinitionLine& line = lines[i];
        if (line.statusNumber < 0 || line.statusNumber >= MaskLines)
            continue;
        if (listed(line.maskClass, deviceType, config28Bit5))
            rows.push_back(i);
    }
    return rows;
}

std::vector<int> listedStatuses(const ErrorDefinitions& definitions, int deviceType, bool config28Bit5)
{
    std::vector<int> statuses;
    for (size_t i : listedLines(definitions, deviceType, config28Bit5))
        statuses.push_back(definitions.lines()[i].statusNumber);
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
