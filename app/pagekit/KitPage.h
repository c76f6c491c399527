#pragma once

#include "HartCommandTable.h"
#include "PageContext.h"
#include "PageTemplate.h"
#include "ProgramControlFactory.h"

#include "ui/FormPage.h"

#include <functional>
#include <map>
#include <span>
#include <type_traits>

struct DeviceData;

// A hub page's navigation button: a click selects the tree item of a page
// code; a tree item the device's model does not have is not selected.
struct NavigationButton {
    int button;
    const char* handler;
    int pageCode;
};

// The base of the program's pages: a FormPage that reaches the program
// through its page context, and writes the mechanics every page needs once:
// timers that stop and re-arm around a guarded handler, guarded control
// events, controls created over their placeholders, and device reads and
// writes by command.
class KitPage : public FormPage
{
    Q_OBJECT

public:
    KitPage(PageContext& context, const QString& className, int templateId, QWidget* parent = nullptr);

    PageContext& context() const { return m_context; }

    // Kills every timer the page armed through every() and once(), except
    // those armed to outlive a stop.
    void StopTimers() override;

    enum class OnStop { Kill, KeepRunning };

    // Asked before anything the page starts moves the valve.
    static const QString MovementQuestion;

protected:
    // The zone indicator arms and stops the timers of the page it paints.
    friend class ZoneIndicator;

    // Arms timer `id`: each time it fires it is killed, `body` runs inside the
    // handler guard under `handler`'s name, and it is armed again for `ms`.
    // The first tick comes after `firstMs` when that is given.
    void every(int id, int ms, const char* handler, std::function<void()> body, int firstMs = -1,
        OnStop onStop = OnStop::Kill);
    // Arms timer `id` to fire once: killed, then `body` inside the guard.
    void once(int id, int ms, const char* handler, std::function<void()> body, OnStop onStop = OnStop::Kill);
    // Arms timer `id` to fire every `ms` on its own beat (a blink): `body`
    // runs inside the guard, and the timer is not stopped around it.
    void repeat(int id, int ms, const char* handler, std::function<void()> body);
    // Stops a timer armed through the kit (or FormPage's own); a body that
    // stops or re-arms its own timer is not undone after it returns.
    void killTimer(int id);

    // Asks the movement question (Yes and No, the question icon) under
    // `caption`; true when the user answers Yes.
    bool userAllowsMovement(const QString& caption);

    // Connects each navigation button to the selection of its page.
    void connectNavigation(std::span<const NavigationButton> buttons)
    {
        for (const NavigationButton& target : buttons) {
            const int code = target.pageCode;
            onClicked(target.button, target.handler, [this, code] { context().SelectPageCode(code); });
        }
    }

    // Creates a registered control over the hidden placeholder `hostId`, with
    // the child id `id`. Empty (logged, never shown) when it cannot be created.
    template <class T> InterfacePtr<T> create(int hostId, int id)
    {
        return ProgramControlFactory::create<T>(this, controlScreenRect(hostId), id, m_context.log());
    }

    // Connects a control's event to `body`, run inside the handler guard
    // under `handler`'s name with the event's arguments when it takes them
    // (after the device transaction in progress, if one is). Nothing for a control
    // that was not created.
    template <class C, class Signal, class Body> void on(C* control, Signal signal, const char* handler, Body body)
    {
        if (!control)
            return;
        connect(control, signal, this, [this, handler, body](auto... args) {
            handle(handler, [body, args...] {
                if constexpr (std::is_invocable_v<Body, decltype(args)...>)
                    body(args...);
                else
                    body();
            });
        });
    }
    template <class C, class Signal, class Body>
    void on(const InterfacePtr<C>& control, Signal signal, const char* handler, Body body)
    {
        on(control.get(), signal, handler, std::move(body));
    }

    // One exchange with the device; whether it succeeded.
    bool read(HartCommand command);
    bool write(HartCommand command);
    DeviceData& data() const;

    // Builds the page from its template and fits one-line captions to their rectangles.
    void buildPage(const PageTemplate& pageTemplate);

private:
    enum class Kind { Every, Once, Repeat };
    struct KitTimer {
        const char* handler = nullptr;
        std::function<void()> body;
        int ms = 0;
        Kind kind = Kind::Every;
        OnStop onStop = OnStop::Kill;
        unsigned generation = 0; // tells a timer armed anew from the one that fired
    };
    void arm(int id, int firstMs, KitTimer timer);
    void fire(int id);

    PageContext& m_context;
    std::map<int, KitTimer> m_timers;
    unsigned m_generation = 0;
};
