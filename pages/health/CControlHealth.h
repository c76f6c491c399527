#pragma once

#include "StripPage.h"

// The page "Control Health" (dialog 284, page table slot 33).
class CControlHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 284;

    explicit CControlHealth(QWidget* parent = nullptr);
};
