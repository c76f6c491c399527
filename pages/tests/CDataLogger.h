#pragma once

#include "StripPage.h"

// The page "Data Logger" (dialog 254, page table slot 25).
class CDataLogger : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 254;

    explicit CDataLogger(QWidget* parent = nullptr);
};
