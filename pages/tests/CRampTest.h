#pragma once

#include "StripPage.h"

// The page "Ramp Test" (dialog 268, page table slot 37).
class CRampTest : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 268;

    explicit CRampTest(QWidget* parent = nullptr);
};
