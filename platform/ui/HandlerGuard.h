#pragma once

#include <QString>

#include <functional>

// Every Qt entry point of a page (button, timer tick, control event) runs its
// body through this guard: an exception that left a slot would end the
// program, so a ComError or std::exception becomes one log line and the page
// stays as it is.
namespace HandlerGuard
{

using LogHook = std::function<void(const QString& line)>;

// Where the guard's lines go; the application core points it at its log.
// Without a hook the lines go to the platform's logging category.
void setLogHook(LogHook hook);

// Writes one line where the guard's lines go: a failure that is handled,
// and told to the user, but that the log should still name.
void log(const QString& line) noexcept;

// Runs `body`; returns false when it threw. `where` is "<page> <handler>".
bool run(const QString& where, const std::function<void()>& body) noexcept;

} // namespace HandlerGuard
