#include "SimFaults.h"

#include <algorithm>

void SimFaults::inject(SimFault fault, int times, int command, int argument)
{
    if (times != 0)
        m_rules.push_back({ fault, times, command, argument });
}

void SimFaults::injectOnMiscLong(SimFault fault, int times, uint8_t address)
{
    if (times != 0)
        m_miscLongRules.push_back({ fault, times, 200, address });
}

void SimFaults::goSilent(int fromNth)
{
    m_untilSilent = std::max(fromNth, 1);
}

void SimFaults::comeBack()
{
    m_untilSilent = -1;
}

void SimFaults::clear()
{
    m_rules.clear();
    m_miscLongRules.clear();
    comeBack();
}

void SimFaults::beginExchange()
{
    if (m_untilSilent > 0)
        --m_untilSilent;
}

bool SimFaults::take(SimFault fault, int command, int* argument)
{
    for (auto it = m_rules.begin(); it != m_rules.end(); ++it) {
        if (it->fault != fault || (it->command != AnyCommand && it->command != command))
            continue;
        if (argument)
            *argument = it->argument;
        if (it->times > 0 && --it->times == 0)
            m_rules.erase(it);
        return true;
    }
    return false;
}

bool SimFaults::takeOnMiscLong(SimFault fault, uint8_t address)
{
    for (auto it = m_miscLongRules.begin(); it != m_miscLongRules.end(); ++it) {
        if (it->fault != fault || it->argument != address)
            continue;
        if (it->times > 0 && --it->times == 0)
            m_miscLongRules.erase(it);
        return true;
    }
    return false;
}
