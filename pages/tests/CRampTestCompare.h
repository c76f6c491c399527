#pragma once

#include "StripPage.h"

// The page "Ramp Test Compare" (dialog 361, page table slot 36).
// Its strip is painted on activation; it arms no timer 100.
class CRampTestCompare : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 361;

    explicit CRampTestCompare(QWidget* parent = nullptr);
};
