#include "HandlerGuard.h"

#include "PlatformLog.h"
#include "automation/ComError.h"

namespace
{
HandlerGuard::LogHook& hook()
{
    static HandlerGuard::LogHook h;
    return h;
}

void writeLine(const QString& line) noexcept
{
    try {
        if (hook())
            hook()(line);
        else
            qCWarning(lcPlatform).noquote() << line;
    } catch (...) {
        // A failing log must not take the program down either.
    }
}
}

namespace HandlerGuard
{

void setLogHook(LogHook h)
{
    hook() = std::move(h);
}

void log(const QString& line) noexcept
{
    writeLine(line);
}

bool run(const QString& where, const std::function<void()>& body) noexcept
{
    try {
        body();
        return true;
    } catch (const ComError& error) {
        writeLine(QStringLiteral("%1: automation error %2").arg(where, error.codeText()));
    } catch (const std::exception& error) {
        writeLine(QStringLiteral("%1: error %2").arg(where, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        writeLine(QStringLiteral("%1: unknown error").arg(where));
    }
    return false;
}

} // namespace HandlerGuard
