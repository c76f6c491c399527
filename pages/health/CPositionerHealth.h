#pragma once

#include "StripPage.h"

// The page "Positioner Health" (dialog 283, page table slot 31).
class CPositionerHealth : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 283;

    explicit CPositionerHealth(QWidget* parent = nullptr);
};
