#pragma once

// Shows the wait cursor for the lifetime of the object (nested uses stack).
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_active;
};
