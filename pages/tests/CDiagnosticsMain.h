#pragma once

#include "StripPage.h"

// The page "Diagnostic" (dialog 203, page table slot 20).
class CDiagnosticsMain : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 203;

    explicit CDiagnosticsMain(QWidget* parent = nullptr);
};
