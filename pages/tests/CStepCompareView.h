#pragma once

#include "StripPage.h"

// The page "Step Test Compare" (dialog 364, page table slot 22).
// Its strip is painted on activation; it arms no timer 100.
class CStepCompareView : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 364;

    explicit CStepCompareView(QWidget* parent = nullptr);
};
