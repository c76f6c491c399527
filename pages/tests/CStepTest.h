#pragma once

#include "StripPage.h"

// The page "Step Test" (dialog 266, page table slot 21).
class CStepTest : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 266;

    explicit CStepTest(QWidget* parent = nullptr);
};
