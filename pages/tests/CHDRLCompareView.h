#pragma once

#include "StripPage.h"

// The page "HDRL Compare" (dialog 1075, page table slot 24).
// Its strip is painted on activation; it arms no timer 100.
class CHDRLCompareView : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1075;

    explicit CHDRLCompareView(QWidget* parent = nullptr);
};
