#include "CAlarmStatus.h"

#include "AlarmGrid.h"
#include "AlarmStatusTables.h"
#include "AppLog.h"
#include "CommandDispatch.h"
#include "DeviceData.h"
#include "FieldRange.h"
#include "PageHelpers.h"
#include "ReportHeaderFill.h"
#include "ReportRecords.h"
#include "TellboxImports.h"

#include "alarms/AlarmReports.h"
#include "automation/ComError.h"
#include "automation/NumberText.h"
#include "core/ResultFile.h"
#include "ui/Prompts.h"
#include "ui/TimerService.h"

#include <QPlainTextEdit>

namespace
{
// The statuses the event log follows: bytes 0 to 6 of the history reply.
constexpr int LoggedStatuses = 56;
constexpr int HistoryEntries = 8;
constexpr int SaveFormatText = 4;
} // namespace

CAlarmStatus::CAlarmStatus(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CAlarmStatus"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

QPlainTextEdit* CAlarmStatus::description() const
{
    return controlAs<QPlainTextEdit>(DescriptionEdit);
}

void CAlarmStatus::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    m_pAlarmHistoryGrid = createGrid(HistoryGridHost, HistoryGridId, 9, 2);
    m_pEventLogGrid = createGrid(EventLogGridHost, EventLogGridId, 1, 1);
    const TellboxImports& imports = context().imports();
    if (imports.CreateReportControl)
        m_pReport = imports.CreateReportControl(this, m_reportHostWindow, controlScreenRect(ReportHost), ReportId);
    if (imports.CreatePrintControl)
        m_pPrinter = imports.CreatePrintControl(this, m_printerHostWindow, controlScreenRect(PrinterHost), PrinterId);
    on(m_pAlarmHistoryGrid, &GridControl::Click, "OnClickAlarmHistory", [this] { OnClickAlarmHistory(); });
    onClicked(ResetHistoryButton, "OnResetHistory", [this] { OnResetHistory(); });
    onClicked(ClearLogButton, "OnClearLog", [this] { OnClearLog(); });
    onClicked(SaveToDiskButton, "OnSaveToDisk", [this] { OnSaveToDisk(); });
    onClicked(PrintButton, "OnPrintReport", [this] { OnPrintReport(); });
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

IGridPtr CAlarmStatus::createGrid(int hostId, int id, int rows, int cols)
{
    IGridPtr grid = CreateAlarmGrid(this, controlScreenRect(hostId), id, context().log());
    if (!grid)
        return grid;
    grid->SetRows(rows);
    grid->SetCols(cols);
    grid->SetFixedCols(0);
    grid->SetBackColor(0xFFFFFF);
    grid->SetBackColorFixed(0x8000000F);
    if (cols == 2) {
        grid->SetFixedRows(1);
        grid->SetColWidth(0, 1230);
        grid->SetColWidth(1, 12000);
        grid->Select(0, 0);
        grid->SetText(QStringLiteral("Error"));
        grid->Select(0, 1);
        grid->SetText(QStringLiteral("Description"));
    } else {
        // The event log has no header: its first row is its first event.
        grid->SetFixedRows(0);
        grid->SetColWidth(0, 13000);
        grid->SetRows(0);
    }
    return grid;
}

void CAlarmStatus::ActivatePage()
{
    StripPage::ActivatePage();
    RefreshErrorHistory();
    every(HistoryTimerId, HistoryMs, "OnTimer", [this] { RefreshErrorHistory(); });
}

void CAlarmStatus::RefreshErrorHistory()
{
    read(HartCommand::ReadErrorHist);
    ShowErrorHistory();
}

void CAlarmStatus::ShowErrorHistory()
{
    const DeviceData& d = data();
    CAlarmStatusReport& record = context().records().m_AlarmStatusReport;
    for (int k = 1; k <= HistoryEntries; ++k) {
        const uint8_t code = d.ErrorHistory[size_t(11 + k)];
        const QString number = QString::number(code);
        const QString name = GetAlarmName(code, d.DeviceType);
        m_pAlarmHistoryGrid->Select(k, 0);
        m_pAlarmHistoryGrid->SetText(number);
        record.m_strErrorCode[k - 1] = AutoString(number);
        m_pAlarmHistoryGrid->Select(k, 1);
        m_pAlarmHistoryGrid->SetText(name);
        record.m_strDescription[k - 1] = AutoString(name);
    }

    m_pAlarmHistoryGrid->Select(0, 0); // the whole table in view again, header first
    std::copy_n(d.ErrorHistory.begin(), m_CurStatusBits.size(), m_CurStatusBits.begin());
    const QDateTime now = context().timers().localNow();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString stamp = NumberText::format("%.2d/%.2d/%d %2d:%02d:%02d ", date.month(), date.day(), date.year(),
        time.hour(), time.minute(), time.second());
    for (int n = 0; n < LoggedStatuses; ++n) {
        const size_t i = size_t(n / 8);
        const auto mask = uint8_t(1u << (n % 8));
        if ((m_CurStatusBits[i] & mask) == (m_PrevStatusBits[i] & mask))
            continue;
        const bool on = m_CurStatusBits[i] & mask;
        m_pEventLogGrid->AddItem(
            stamp + GetAlarmName(uint8_t(n), d.DeviceType) + (on ? QStringLiteral(" Start") : QStringLiteral(" End")));
    }
    m_PrevStatusBits = m_CurStatusBits;
}

void CAlarmStatus::OnResetHistory()
{
    description()->clear();
    data().ErrorHistory[10] = 0;
    write(HartCommand::WriteErrorHist);
    ShowErrorHistory();
}

void CAlarmStatus::OnClearLog()
{
    // The bits seen stay as they are: only later changes are logged.
    m_pEventLogGrid->SetRows(0);
}

void CAlarmStatus::OnSaveToDisk()
{
    read(HartCommand::ReadTagDescriptorDate);
    const QDateTime now = context().timers().localNow();
    Prompts::FileDialog dialog;
    dialog.save = true;
    dialog.title = QStringLiteral("Alarm Error Log");
    dialog.filter = QStringLiteral("(*.txt)|*.txt|");
    dialog.defaultExt = QStringLiteral("txt");
    dialog.initialName = ProposedNameTag(data().Tag)
        + QStringLiteral("_Errorlog_%1_%2_%3_%4h_%5m.txt")
              .arg(now.date().year())
              .arg(now.date().month())
              .arg(now.date().day())
              .arg(now.time().hour())
              .arg(now.time().minute());
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = Prompts::instance().file(dialog);
    if (!path)
        return;
    try {
        m_pEventLogGrid->SaveText(*path, SaveFormatText);
    } catch (const ComError& error) {
        context().log().WriteLog(QStringLiteral("Alarm Error Log not saved to %1: %2").arg(*path, error.text()));
        // The user must not take the log for saved.
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

void CAlarmStatus::OnClickAlarmHistory()
{
    description()->clear();
    const int row = m_pAlarmHistoryGrid->Row();
    m_pAlarmHistoryGrid->Select(row, 0);
    // Only a status number the page wrote there has a help text: a cell that
    // holds anything else (a row not yet filled) shows none.
    const std::optional<double> status
        = FieldRange { 0.0, 255.0, FieldStep::Whole }.take(NumberText::toNumber(m_pAlarmHistoryGrid->Text()));
    if (status)
        description()->setPlainText(GetAlarmHelp(uint8_t(*status), data().DeviceType));
}

void CAlarmStatus::OnPrintReport()
{
    ReportRecords& records = context().records();
    FillReportHeader(records.m_ReportHeader, data(), context().dispatch());
    const QString folder = context().helpers().GetAppFolder();
    QString path;
    if (data().DeviceType == 6)
        path = folder + QStringLiteral("Dependencies/AlarmStatReport_K40.xml");
    else if (data().DeviceType == 5)
        path = folder + QStringLiteral("Dependencies/AlarmStatReport-K90.xml");
    // Both models print with the larger model's string: it places the log.
    GenerateAlarmStausReport(CReportHeader(records.m_ReportHeader), CAlarmStatusReport(records.m_AlarmStatusReport),
        m_pEventLogGrid, m_pReport, m_pPrinter, AutoString(path), AutoString(QStringLiteral("SerratK90")), this);
}
