#pragma once

#include "StripPage.h"

// What a page shows while it has nothing but its status strip: its heading
// under the strip, and the strip's refresh as the page's own would run.
struct ShellSpec {
    int dialogId = 0;
    const char* heading = nullptr;
    StripPage::StripTimer timer = StripPage::StripTimer::OnActivation;
};

class ShellPage : public StripPage
{
    Q_OBJECT

public:
    enum : int { HeadingId = 1010 };

    ShellPage(PageContext& context, const QString& className, const ShellSpec& spec, QWidget* parent = nullptr);
};
