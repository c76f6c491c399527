#pragma once

#include "StripPage.h"

// The page "Stroke Characterization Curve" (dialog 1077, page table slot 40).
class CCustCharacterization : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1077;

    explicit CCustCharacterization(QWidget* parent = nullptr);
};
