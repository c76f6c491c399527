#pragma once

#include "StripPage.h"

// The page "Valve Health" (dialog 282, page table slot 29).
class CValveHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 282;

    explicit CValveHealth(QWidget* parent = nullptr);
};
