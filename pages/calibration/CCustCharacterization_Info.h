#pragma once

#include "StripPage.h"

// The page "Stroke Characterization" (dialog 178, page table slot 39).
class CCustCharacterization_Info : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 178;

    explicit CCustCharacterization_Info(QWidget* parent = nullptr);
};
