#pragma once

#include "StripPage.h"

// The page "Partial Stroke Test" (dialog 274, page table slot 34).
class CPartialStrokeTest : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 274;

    explicit CPartialStrokeTest(QWidget* parent = nullptr);
};
