#pragma once

#include "StripPage.h"

// The page "Configuration" (dialog 1082, page table slot 38).
class CConfigMain : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 1082;

    explicit CConfigMain(QWidget* parent = nullptr);
};
