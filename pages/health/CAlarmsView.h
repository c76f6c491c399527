#pragma once

#include "StripPage.h"

// The page "Alarms" (dialog 285, page table slot 4).
class CAlarmsView : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 285;

    explicit CAlarmsView(QWidget* parent = nullptr);
};
