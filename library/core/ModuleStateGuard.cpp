#include "core/ModuleStateGuard.h"

namespace
{
// Per thread, as the switch is per call and per thread.
thread_local ModuleStateGuard::Module t_current = ModuleStateGuard::Module::Program;
}

ModuleStateGuard::ModuleStateGuard() noexcept
    : m_previous(t_current)
{
    t_current = Module::Tellbox;
}

ModuleStateGuard::~ModuleStateGuard()
{
    t_current = m_previous;
}

ModuleStateGuard::Module ModuleStateGuard::current() noexcept
{
    return t_current;
}
