#pragma once

#include "StripPage.h"

// The page "Dashboard" (dialog 307, page table slot 3).
// Its strip is painted on activation; it arms no timer 100.
class CAdvDashboard : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 307;

    explicit CAdvDashboard(QWidget* parent = nullptr);

    // Called after every decoded status reply (202, 203), whichever page
    // asked; the live values follow with the dashboard's own behaviour.
    void UpdateFromStatus() { }
};
