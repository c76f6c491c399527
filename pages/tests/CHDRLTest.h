#pragma once

#include "StripPage.h"

// The page "HDRL" (dialog 270, page table slot 23).
class CHDRLTest : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 270;

    explicit CHDRLTest(QWidget* parent = nullptr);
};
