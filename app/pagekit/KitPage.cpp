#include "KitPage.h"

#include "CommandDispatch.h"
#include "PageControls.h"

#include "ui/Prompts.h"
#include "ui/TimerService.h"

const QString KitPage::MovementQuestion
    = QStringLiteral("The following procedure will cause closure member movement. Do you wish to continue?");

KitPage::KitPage(PageContext& context, const QString& className, int templateId, QWidget* parent)
    : FormPage(className, templateId, parent)
    , m_context(context)
{
}

void KitPage::every(int id, int ms, const char* handler, std::function<void()> body, int firstMs, OnStop onStop)
{
    arm(id, firstMs >= 0 ? firstMs : ms, { handler, std::move(body), ms, Kind::Every, onStop });
}

void KitPage::once(int id, int ms, const char* handler, std::function<void()> body, OnStop onStop)
{
    arm(id, ms, { handler, std::move(body), ms, Kind::Once, onStop });
}

void KitPage::repeat(int id, int ms, const char* handler, std::function<void()> body)
{
    arm(id, ms, { handler, std::move(body), ms, Kind::Repeat, OnStop::Kill });
}

void KitPage::arm(int id, int firstMs, KitTimer timer)
{
    timer.generation = ++m_generation;
    m_timers[id] = std::move(timer);
    TimerService::instance().arm(this, id, firstMs, [this, id] { fire(id); });
}

void KitPage::fire(int id)
{
    const auto found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    // A copy: the body may stop this timer, or arm it again with another body.
    const KitTimer timer = found->second;
    if (timer.kind == Kind::Repeat) {
        guard(timer.handler, timer.body);
        return;
    }
    FormPage::killTimer(id);
    guard(timer.handler, timer.body);
    const auto now = m_timers.find(id);
    const bool untouched = now != m_timers.end() && now->second.generation == timer.generation;
    if (!untouched)
        return; // stopped or armed anew by the body: that stands
    if (timer.kind == Kind::Every)
        TimerService::instance().arm(this, id, timer.ms, [this, id] { fire(id); });
    else
        m_timers.erase(now);
}

void KitPage::killTimer(int id)
{
    m_timers.erase(id);
    FormPage::killTimer(id);
}

void KitPage::StopTimers()
{
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->second.onStop == OnStop::Kill) {
            FormPage::killTimer(it->first);
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

bool KitPage::read(HartCommand command)
{
    Q_ASSERT(HartCommandTable::IsReadCommand(static_cast<int>(command)));
    return m_context.dispatch().DispatchRead(command);
}

bool KitPage::write(HartCommand command)
{
    Q_ASSERT(!HartCommandTable::IsReadCommand(static_cast<int>(command)));
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

bool KitPage::userAllowsMovement(const QString& caption)
{
    return Prompts::show(MovementQuestion, caption, Prompts::Buttons::YesNo, Prompts::Icon::Question, this)
        == Prompts::IdYes;
}
