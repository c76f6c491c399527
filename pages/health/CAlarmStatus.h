#pragma once

#include "StripPage.h"

#include "report/GridControl.h"
#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <QPointer>

#include <array>
#include <cstdint>

class QPlainTextEdit;

// The page "Alarm Status" (dialog 316): the device's alarm history (its last
// eight recorded statuses with their names, and the help text of the one
// clicked), an event log of the status changes noticed while connected, and
// the alarm status report.
class CAlarmStatus : public StripPage
{
    Q_OBJECT

public:
    static constexpr int DialogId = 316;
    static constexpr int HistoryTimerId = 2001;
    static constexpr int HistoryMs = 30000;

    // Control ids of the page.
    enum : int {
        HistoryGroupId = 1090,
        LogGroupId = 1091,
        HistoryGridHost = 1026,
        EventLogGridHost = 1025,
        ResetHistoryButton = 310,
        DescriptionLabel = 220,
        DescriptionEdit = 390,
        ReportHost = 1071,
        PrinterHost = 1073,
        ClearLogButton = 308,
        SaveToDiskButton = 309,
        PrintButton = 1022,
        HistoryGridId = 3001,
        EventLogGridId = 3002,
        ReportId = 7001,
        PrinterId = 7002,
    };

    static const PageTemplate Template;
    static const ToolTipTable ToolTips;

    explicit CAlarmStatus(PageContext& context, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void ActivatePage() override;

    // One 228 read, then the grids and the record from it.
    void RefreshErrorHistory();
    void ShowErrorHistory();
    void OnResetHistory();
    void OnClearLog();
    void OnSaveToDisk();
    void OnClickAlarmHistory();
    void OnPrintReport();

    const IGridPtr& historyGrid() const { return m_pAlarmHistoryGrid; }
    const IGridPtr& eventLogGrid() const { return m_pEventLogGrid; }
    QPlainTextEdit* description() const;

private:
    IGridPtr createGrid(int hostId, int id, int rows, int cols);

    IGridPtr m_pAlarmHistoryGrid;
    IGridPtr m_pEventLogGrid;
    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    QPointer<QWidget> m_reportHostWindow;
    QPointer<QWidget> m_printerHostWindow;
    std::array<uint8_t, 7> m_CurStatusBits {};
    std::array<uint8_t, 7> m_PrevStatusBits {};
};
