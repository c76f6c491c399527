#include "CAlarmConfig.h"

#include "AlarmConfigRules.h"
#include "AlarmGrid.h"
#include "AppLog.h"
#include "DeviceData.h"
#include "ErrorDefinitions.h"
#include "PageHelpers.h"
#include "StatusText.h"

#include "automation/ComError.h"
#include "automation/NumberText.h"

#include <QAbstractButton>

namespace
{
const QString Enabled = QStringLiteral("Enabled");
const QString Disabled = QStringLiteral("Disabled");
const QString CannotOpen = QStringLiteral("unable to open input file");
} // namespace

CAlarmConfig::CAlarmConfig(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CAlarmConfig"), DialogId, StripTimer::OnActivation, parent)
{
    buildPage(Template);
}

void CAlarmConfig::OnInitialUpdate()
{
    StripPage::OnInitialUpdate();
    createMaskGrid();
    if (m_pGrid) {
        listStatuses();
        on(m_pGrid, &GridControl::Click, "OnGridClick", [this] { OnGridClick(); });
    }
    onClicked(EnableButton, "OnEnable", [this] { OnEnable(); });
    onClicked(DisableButton, "OnDisable", [this] { OnDisable(); });
    onClicked(ApplyButton, "OnApply", [this] { OnApply(); });
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
}

void CAlarmConfig::createMaskGrid()
{
    m_pGrid = CreateAlarmGrid(this, controlScreenRect(GridHost), GridId, context().log());
    if (!m_pGrid)
        return;
    m_pGrid->SetRows(1);
    m_pGrid->SetCols(3);
    m_pGrid->SetFixedRows(1);
    m_pGrid->SetFixedCols(0);
    m_pGrid->SetBackColorFixed(0x8000000F);
    m_pGrid->SetColWidth(0, 1230);
    m_pGrid->SetColWidth(1, 5000);
    m_pGrid->SetColWidth(2, 2520);
    m_pGrid->Select(0, 0);
    m_pGrid->SetText(QStringLiteral("Alarm"));
    m_pGrid->Select(0, 1);
    m_pGrid->SetText(QStringLiteral("Description"));
    m_pGrid->Select(0, 2);
    m_pGrid->SetText(QStringLiteral("Alarm Status"));
}

void CAlarmConfig::listStatuses()
{
    const int type = data().DeviceType;
    const QString path = context().helpers().GetAppFolder() + ErrorDefinitions::fileName(type);
    bool opened = false;
    const ErrorDefinitions definitions = ErrorDefinitions::load(path, &opened);
    if (!opened) {
        m_pGrid->SetRows(2);
        m_pGrid->Select(1, 0);
        m_pGrid->SetText(CannotOpen);
        return;
    }
    try {
        for (size_t i : AlarmConfigRules::listedLines(definitions, type, data().Config28Bit5 != 0)) {
            const ErrorDefinitionLine& line = definitions.lines()[i];
            const int status = line.statusNumber;
            const int row = m_pGrid->Rows();
            m_pGrid->SetRows(row + 1);
            m_pGrid->Select(row, 0);
            m_pGrid->SetText(line.statusField);
            m_pGrid->Select(row, 1);
            m_pGrid->SetText(GetStatusText(status, type));
            m_listed.push_back(status);
        }
    } catch (const ComError&) {
        m_pGrid->Select(std::max(1, m_pGrid->Rows() - 1), 0);
        m_pGrid->SetText(CannotOpen);
    }
}

void CAlarmConfig::ActivatePage()
{
    StripPage::ActivatePage();
    m_bMaskRead = false;
    try {
        FillMaskColumn();
        m_pGrid->Select(0, 0); // brings the header into view before the row is made current
        m_pGrid->SetRow(m_nSelectedRow);
        m_pGrid->SetSelectionHighlight(1);
    } catch (const ComError&) {
        if (m_pGrid) {
            m_pGrid->SetRow(0);
            m_pGrid->SetSelectionHighlight(1);
        }
    }
    setButtons(true, true);
    controlAs<QAbstractButton>(ApplyButton)->setEnabled(true);
}

void CAlarmConfig::FillMaskColumn()
{
    if (!m_bSkipRead && read(HartCommand::ReadStatusMask))
        m_bMaskRead = true;
    m_WorkingStatusMask = data().StatusMask;
    if (!m_pGrid)
        return;
    for (size_t r = 0; r < m_listed.size(); ++r) {
        m_pGrid->Select(int(r) + 1, 2);
        m_pGrid->SetText(AlarmConfigRules::maskBit(m_WorkingStatusMask, m_listed[r]) ? Enabled : Disabled);
    }
}

void CAlarmConfig::OnGridClick()
{
    m_nSelectedRow = m_pGrid->Row();
    m_pGrid->SetSelectionHighlight(1);
    m_pGrid->Select(m_nSelectedRow, 2);
    if (m_pGrid->Text() == Enabled)
        setButtons(false, true);
    else
        setButtons(true, false);
}

int CAlarmConfig::currentStatus() const
{
    const int row = m_pGrid->Row();
    if (row < 1 || row > int(m_listed.size()))
        return -1;
    return m_listed[size_t(row - 1)];
}

void CAlarmConfig::OnEnable()
{
    const int status = currentStatus();
    if (status < 0)
        return;
    AlarmConfigRules::setMaskBit(m_WorkingStatusMask, status, true);
    m_pGrid->Select(m_pGrid->Row(), 2);
    m_pGrid->SetText(Enabled);
    setButtons(false, true);
}

void CAlarmConfig::OnDisable()
{
    const int status = currentStatus();
    if (status < 0)
        return;
    AlarmConfigRules::setMaskBit(m_WorkingStatusMask, status, false);
    m_pGrid->Select(m_pGrid->Row(), 2);
    m_pGrid->SetText(Disabled);
    setButtons(true, false);
}

void CAlarmConfig::OnApply()
{
    setButtons(true, true);
    if (m_pGrid)
        m_pGrid->SetSelectionHighlight(0);
    m_nSelectedRow = 1;
    data().StatusMask = m_WorkingStatusMask;
    if (m_bMaskRead)
        write(HartCommand::WriteStatusMask);
    else
        context().log().WriteLog(
            QStringLiteral("Write_Status_Mask_LDXD_Mode not sent: no Read_Status_Mask_LDXD_Mode reply"));
    m_bSkipRead = true;
    FillMaskColumn();
    m_bSkipRead = false;
}

void CAlarmConfig::setButtons(bool enable, bool disable)
{
    controlAs<QAbstractButton>(EnableButton)->setEnabled(enable);
    controlAs<QAbstractButton>(DisableButton)->setEnabled(disable);
}
