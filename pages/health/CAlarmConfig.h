#pragma once

#include "StripPage.h"

// The page "Alarm Configuration" (dialog 317, page table slot 7).
class CAlarmConfig : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 317;

    explicit CAlarmConfig(QWidget* parent = nullptr);
};
