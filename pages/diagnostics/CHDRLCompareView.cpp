#include "CHDRLCompareView.h"

#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "hdrl/HDRLCompareReport.h"

#include <cmath>
#include <span>

namespace
{
using P = CHDRLCompareView;

// Each view's button, its layout in the record and the channels it shows
// of file 1; file 2's are the same names with "2".
struct ViewRow {
    int button;
    void (CHDRLCompareReport::*layout)(IPlotPtr);
    std::vector<const char*> channels;
};
const ViewRow Views[] = {
    { P::ControlSignalButton, &CHDRLCompareReport::OnCompareControl, { "Position", "Command" } },
    { P::HDRButton, &CHDRLCompareReport::OnCompareHDR,
        { "1stCycle-Incr", "1stCycle-Decr", "2ndCycle-Incr", "2ndCycle-Decr" } },
    { P::LinearityButton, &CHDRLCompareReport::OnCompareLinearity, { "AverageError", "LeastSquareLine" } },
};

// A difference that rounds to nothing shows as no difference, not "-0.00".
double unsignedWhenRoundedAway(double value, double scale)
{
    return std::round(value * scale) == 0.0 ? 0.0 : value;
}
// A record text shown as a number with the box's format ("0.00" for a text
// that is no number).
QString twoDecimals(const QString& text)
{
    return NumberText::format("%1.2f", unsignedWhenRoundedAway(NumberText::toDouble(text), 100.0));
}
QString fourDecimals(const QString& text)
{
    return NumberText::format("%1.4f", unsignedWhenRoundedAway(NumberText::toDouble(text), 10000.0));
}

// The fields each file fills, its identity first, and the differences file 2
// brings.
using R = CHDRLCompareReport;
const ComparePageKit::FileField<R> Fields[] = {
    ComparePageKit::TagField<R>,
    ComparePageKit::DateField<R>,
    ComparePageKit::FileNameField<R>,
    { { P::Settling1Edit, P::Settling2Edit, -1 }, { &R::m_strPosSettlingTime1, &R::m_strPosSettlingTime2, nullptr } },
    { { P::HysDeadAverage1Edit, P::HysDeadAverage2Edit, P::HysDeadAverageDiffEdit },
        { &R::m_strHysDeadAverage1, &R::m_strHysDeadAverage2, &R::m_strHysDeadAverageDiff }, twoDecimals },
    { { P::HysDeadMaximum1Edit, P::HysDeadMaximum2Edit, P::HysDeadMaximumDiffEdit },
        { &R::m_strHysDeadMaximum1, &R::m_strHysDeadMaximum2, &R::m_strHysDeadMaximumDiff }, twoDecimals },
    { { P::RepeatAverage1Edit, P::RepeatAverage2Edit, P::RepeatAverageDiffEdit },
        { &R::m_strRepeatAverage1, &R::m_strRepeatAverage2, &R::m_strRepeatAverageDiff }, twoDecimals },
    { { P::RepeatMaximum1Edit, P::RepeatMaximum2Edit, P::RepeatMaximumDiffEdit },
        { &R::m_strRepeatMaximum1, &R::m_strRepeatMaximum2, &R::m_strRepeatMaximumDiff }, twoDecimals },
    { { P::Linearity1Edit, P::Linearity2Edit, P::LinearityDiffEdit },
        { &R::m_strLinearError1, &R::m_strLinearError2, &R::m_strLinearErrorDiff }, fourDecimals },
};
constexpr std::span<const ComparePageKit::FileField<R>> Identity(Fields, 3);
} // namespace

const std::vector<int>& CHDRLCompareView::Boxes()
{
    static const std::vector<int> boxes { Tag1Edit, Date1Edit, File1Edit, Settling1Edit, HysDeadAverage1Edit,
        HysDeadMaximum1Edit, RepeatAverage1Edit, RepeatMaximum1Edit, Linearity1Edit, Tag2Edit, Date2Edit, File2Edit,
        Settling2Edit, HysDeadAverage2Edit, HysDeadMaximum2Edit, RepeatAverage2Edit, RepeatMaximum2Edit, Linearity2Edit,
        HysDeadAverageDiffEdit, HysDeadMaximumDiffEdit, RepeatAverageDiffEdit, RepeatMaximumDiffEdit,
        LinearityDiffEdit };
    return boxes;
}

CHDRLCompareView::CHDRLCompareView(PageContext& context, QWidget* parent)
    : ComparePage(context, Setup, parent)
{
}

// ---------------------------------------------------------------------------
// Initial update

void CHDRLCompareView::setUpPage()
{
    const TellboxImports& imports = context().imports();
    CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    createControls(
        { ReportHost, ReportId, PrinterHost, PrinterId, PlotFrame, PlotId, ScratchHost, ScratchPlotId },
        imports.CreatePlotControl, imports.ConfigureHDRLPlotControl, [&] { record.SetupHDRLDestPlotChannels(m_pPlot); },
        [&] {
            m_pScratchPlot->SetLegendVisible(false);
            record.SetupHDRLSrcPlotChannels(m_pScratchPlot);
            m_pScratchPlot->ClearAllData();
        },
        [&] {
            if (m_pPlot) {
                m_pPlot->ClearAllData();
                showView(ControlSignalButton);
                hideAllChannels();
            }
        });
    enableControl(PrintButton, false);
    enableControl(OpenFile2Button, false);
}

void CHDRLCompareView::connectPageHandlers()
{
    onClicked(ControlSignalButton, "OnControlSignalView", [this] { OnControlSignalView(); });
    onClicked(HDRButton, "OnHDRView", [this] { OnHDRView(); });
    onClicked(LinearityButton, "OnLinearityView", [this] { OnLinearityView(); });
}

// ---------------------------------------------------------------------------
// Views

void CHDRLCompareView::hideAllChannels()
{
    for (const char* name : { "Position", "Command", "Position2", "Command2", "1stCycle-Incr", "1stCycle-Incr2",
             "1stCycle-Decr", "1stCycle-Decr2", "2ndCycle-Incr", "2ndCycle-Incr2", "2ndCycle-Decr", "2ndCycle-Decr2",
             "AverageError", "AverageError2", "LeastSquareLine", "LeastSquareLine2" })
        OnCheckBoxChanged(m_pPlot, AutoString(name), false);
}

void CHDRLCompareView::showView(int button)
{
    CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    for (const ViewRow& view : Views) {
        enableControl(view.button, view.button != button);
        if (view.button != button)
            continue;
        (record.*view.layout)(m_pPlot);
        hideAllChannels();
        for (const char* name : view.channels) {
            if (m_File1Loaded)
                OnCheckBoxChanged(m_pPlot, AutoString(name), true);
            if (m_File2Loaded)
                OnCheckBoxChanged(m_pPlot, AutoString(QString::fromLatin1(name) + QStringLiteral("2")), true);
        }
    }
}

void CHDRLCompareView::OnControlSignalView()
{
    showView(ControlSignalButton);
}

void CHDRLCompareView::OnHDRView()
{
    showView(HDRButton);
}

void CHDRLCompareView::OnLinearityView()
{
    showView(LinearityButton);
}

// ---------------------------------------------------------------------------
// Files

bool CHDRLCompareView::loadFile(int file)
{
    CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    return file == 1 ? record.LoadFile_1(m_pScratchPlot, m_pPlot) : record.LoadFile_2(m_pScratchPlot, m_pPlot, this);
}

void CHDRLCompareView::showFile(int file)
{
    const CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    if (file == 1) {
        for (int id : Boxes())
            setWindowText(id, QString());
    }
    ComparePageKit::showFileFields(*this, record, Fields, file);
    if (file == 2)
        ComparePageKit::showFileFields(*this, record, Fields, 0);
    showView(ControlSignalButton);
    if (file == 1) {
        enableControl(OpenFile2Button, true);
        enableControl(PrintButton, true);
    }
}

// Before any file: an empty plot in the control signal view.
void CHDRLCompareView::showEmptyView()
{
    showView(ControlSignalButton);
}

// ---------------------------------------------------------------------------
// Print and Back

void CHDRLCompareView::OnPrintReport()
{
    ReportRecords& records = context().records();
    CHDRLCompareReport& record = records.m_HDRLCompareReport;
    // File 1's identity is shown again as the record holds it, then every
    // box is read back into the record.
    ComparePageKit::showFileFields(*this, record, Identity, 1);
    ComparePageKit::readFileFields(*this, record, Fields);
    // Printed for file 1's device, whatever is connected.
    const QString definition
        = ReportDefinitionPath(context().helpers().GetAppFolder(), QStringLiteral("HDRLTestCmpRept"), reportModel());
    GenerateHDRLTestCompareReport(record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    showView(ControlSignalButton);
}
