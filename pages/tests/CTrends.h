#pragma once

#include "StripPage.h"

// The page "Trends" (dialog 273, page table slot 26).
class CTrends : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 273;

    explicit CTrends(QWidget* parent = nullptr);
};
