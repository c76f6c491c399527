#pragma once

#include "StripPage.h"

// The page "Alarm Annunciators" (dialog 286, page table slot 6).
// Its strip is painted on activation; it arms no timer 100.
class CAlarmAnnunciator : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 286;

    explicit CAlarmAnnunciator(QWidget* parent = nullptr);
};
