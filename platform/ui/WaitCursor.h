#pragma once

#include <functional>

// Shows the wait cursor for the lifetime of the object (nested uses stack).
// The cursor itself belongs to the widget side of the platform, which installs
// how to show and restore it; code below the widgets (the device link) only
// says when it is busy.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // How the cursor is shown (true) and restored (false); none: nothing shows.
    static void setPresenter(std::function<void(bool busy)> presenter);

private:
    bool m_active;
};
