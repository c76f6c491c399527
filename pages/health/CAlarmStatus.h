#pragma once

#include "StripPage.h"

// The page "Alarm Status" (dialog 316, page table slot 5).
class CAlarmStatus : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 316;

    explicit CAlarmStatus(QWidget* parent = nullptr);
};
