#include "SimDeviceHooks.h"

void SimDeviceHooks::scriptReply(uint8_t command, const QByteArray& reply, int times)
{
    if (times != 0)
        m_scripted[command] = { reply, times };
}

std::optional<QByteArray> SimDeviceHooks::scriptedReply(uint8_t command)
{
    auto script = m_scripted.find(command);
    if (script == m_scripted.end())
        return std::nullopt;
    const QByteArray whole = script->second.reply;
    if (script->second.times > 0 && --script->second.times == 0)
        m_scripted.erase(script);
    return whole;
}
