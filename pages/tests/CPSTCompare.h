#pragma once

#include "StripPage.h"

// The page "Partial Stroke Test Compare" (dialog 368, page table slot 35).
// Its strip is painted on activation; it arms no timer 100.
class CPSTCompare : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 368;

    explicit CPSTCompare(QWidget* parent = nullptr);
};
