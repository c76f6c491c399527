#include "WaitCursor.h"

namespace
{
std::function<void(bool)>& presenter()
{
    static std::function<void(bool)> shown;
    return shown;
}
}

void WaitCursor::setPresenter(std::function<void(bool busy)> shown)
{
    presenter() = std::move(shown);
}

WaitCursor::WaitCursor()
    : m_active(static_cast<bool>(presenter()))
{
    if (m_active)
        presenter()(true);
}

WaitCursor::~WaitCursor()
{
    if (m_active && presenter())
        presenter()(false);
}
