#include "TimerService.h"

#include "QtTimerService.h"

namespace
{
TimerService* g_installed = nullptr;

TimerService& realService()
{
    static QtTimerService service;
    return service;
}
}

TimerService& TimerService::instance()
{
    return g_installed ? *g_installed : realService();
}

void TimerService::install(TimerService* service)
{
    g_installed = service;
}
