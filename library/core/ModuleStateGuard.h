#pragma once

// The library keeps a module state of its own. Every export opens one of these
// on entry; leaving the scope, normally or by an exception, gives the caller
// its previous state back. On this platform the state carries nothing the
// library needs, so the switch only records which module is current, which
// lets tests see that every way out restores the caller's state.
class ModuleStateGuard
{
public:
    enum class Module { Program, Tellbox };

    ModuleStateGuard() noexcept;
    ~ModuleStateGuard();
    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

    // The module state of the calling thread.
    static Module current() noexcept;

private:
    Module m_previous;
};
