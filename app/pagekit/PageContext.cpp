#include "PageContext.h"

#include "ui/Prompts.h"
#include "ui/TimerService.h"

Prompts& PageContext::prompts() const
{
    return Prompts::instance();
}

TimerService& PageContext::timers() const
{
    return TimerService::instance();
}

QString PageContext::MessageCaption() const
{
    return QStringLiteral("CLIPWELL");
}
