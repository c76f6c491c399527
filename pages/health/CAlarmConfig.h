#pragma once

#include "StripPage.h"

#include "report/GridControl.h"

#include <array>
#include <cstdint>
#include <vector>

// The page "Alarm Configuration" (dialog 317): every alert and alarm the
// device can detect, listed from the model's error-definition file, each
// shown "Enabled" or "Disabled" in the device's status mask. Enable and
// Disable edit a working copy of the mask; Apply writes it.
class CAlarmConfig : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 317;

    // Control ids of the page.
    enum : int {
        AlarmsGroupId = 761,
        GridHost = 1001,
        EnableButton = 436,
        DisableButton = 439,
        ApplyButton = 432,
        GridId = 3000,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CAlarmConfig(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    void OnGridClick();
    void OnEnable();
    void OnDisable();
    void OnApply();
    // Column 2 from the mask, read from the device unless Apply just wrote it.
    void FillMaskColumn();

    const IGridPtr& grid() const { return m_pGrid; }
    const std::array<uint8_t, 10>& workingStatusMask() const { return m_WorkingStatusMask; }
    int selectedRow() const { return m_nSelectedRow; }

private:
    void createMaskGrid();
    void listStatuses();
    // The status number of the current row when it is one of the listed
    // rows; -1 otherwise (the header row, or a row without a status).
    int currentStatus() const;
    void setButtons(bool enable, bool disable);

    IGridPtr m_pGrid;
    std::vector<int> m_listed; // status number of grid row r + 1
    std::array<uint8_t, 10> m_WorkingStatusMask {};
    int m_nSelectedRow = 1;
    bool m_bSkipRead = false;
    // Apply writes the whole mask: only a mask read since the page was shown
    // may be written back.
    bool m_bMaskRead = false;
};
