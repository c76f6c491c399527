#include "KitPage.h"

#include "CommandDispatch.h"
#include "PageControls.h"

#include "ui/TimerService.h"

KitPage::KitPage(PageContext& context, const QString& className, int templateId, QWidget* parent)
    : FormPage(className, templateId, parent)
    , m_context(context)
{
}

void KitPage::every(int id, int ms, const char* handler, std::function<void()> body, int firstMs, OnStop onStop)
{
    m_timers[id] = { handler, std::move(body), ms, true, onStop };
    TimerService::instance().arm(this, id, firstMs >= 0 ? firstMs : ms, [this, id] { fire(id); });
}

void KitPage::once(int id, int ms, const char* handler, std::function<void()> body, OnStop onStop)
{
    m_timers[id] = { handler, std::move(body), ms, false, onStop };
    TimerService::instance().arm(this, id, ms, [this, id] { fire(id); });
}

void KitPage::fire(int id)
{
    const auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    // A copy: the body may arm this timer again with another body.
    const KitTimer timer = found->second;
    killTimer(id);
    guard(timer.handler, timer.body);
    if (timer.repeat)
        TimerService::instance().arm(this, id, timer.ms, [this, id] { fire(id); });
}

void KitPage::StopTimers()
{
    for (const auto& [id, timer] : m_timers) {
        if (timer.onStop == OnStop::Kill)
            killTimer(id);
    }
}

bool KitPage::read(HartCommand command)
{
    return m_context.dispatch().DispatchRead(command);
}

bool KitPage::write(HartCommand command)
{
    return m_context.dispatch().DispatchWrite(command);
}

DeviceData& KitPage::data() const
{
    return m_context.deviceData();
}

void KitPage::buildPage(const PageTemplate& pageTemplate)
{
    buildTemplate(pageTemplate.widthDu, pageTemplate.heightDu, pageTemplate.controls);
    PageControls::fitLabels(this);
}
