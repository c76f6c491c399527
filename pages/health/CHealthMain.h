#pragma once

#include "StripPage.h"

// The page "Health" (dialog 280, page table slot 28).
class CHealthMain : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 280;

    explicit CHealthMain(QWidget* parent = nullptr);
};
