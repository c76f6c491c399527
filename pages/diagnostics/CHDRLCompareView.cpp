#include "CHDRLCompareView.h"

#include "AppLog.h"
#include "ComparePageControls.h"
#include "ComparePageKit.h"
#include "DeviceData.h"
#include "PageHelpers.h"
#include "ReportDefinitionPath.h"
#include "ReportRecords.h"
#include "TellboxImports.h"
#include "TestPageControls.h"

#include "automation/NumberText.h"
#include "core/PlotChannelHelpers.h"
#include "hdrl/HDRLCompareReport.h"

#include <QLabel>
#include <QPointer>

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

// A record text shown as a number with the box's format ("0.00" for a text
// that is no number).
QString formatted(const AutoString& text, const char* format)
{
    return NumberText::format(format, NumberText::toDouble(text.toQString()));
}
} // namespace

const std::vector<int>& CHDRLCompareView::Boxes()
{
    static const std::vector<int> boxes { Tag1Edit, Date1Edit, File1Edit, Settling1Edit, HysDeadAverage1Edit,
        HysDeadMaximum1Edit, RepeatAverage1Edit, RepeatMaximum1Edit, Linearity1Edit, Tag2Edit, Date2Edit, File2Edit,
        Settling2Edit, HysDeadAverage2Edit, HysDeadMaximum2Edit, RepeatAverage2Edit, RepeatMaximum2Edit,
        Linearity2Edit, HysDeadAverageDiffEdit, HysDeadMaximumDiffEdit, RepeatAverageDiffEdit, RepeatMaximumDiffEdit,
        LinearityDiffEdit };
    return boxes;
}

CHDRLCompareView::CHDRLCompareView(PageContext& context, QWidget* parent)
    : StripPage(context, QStringLiteral("CHDRLCompareView"), DialogId, StripTimer::None, parent)
{
    buildPage(Template);
    // The column captions "1" and "2" stand out in bold above the results.
    ComparePageKit::boldCaptions(*this,
        { HysDeadCaption1, HysDeadCaption2, RepeatCaption1, RepeatCaption2, LinearityCaption1, LinearityCaption2 });
}

// ---------------------------------------------------------------------------
// Initial update

void CHDRLCompareView::OnInitialUpdate()
{
    context().log().WriteLog(QStringLiteral("CHDRLCompareView enter"));
    StripPage::OnInitialUpdate();
    const TellboxImports& imports = context().imports();
    CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    CreateCompareControls(
        this, imports, { ReportHost, ReportId, PrinterHost, PrinterId, PlotFrame, PlotId, ScratchHost, ScratchPlotId },
        m_pReport, m_pPrinter, m_pPlot, m_pScratchPlot, imports.ConfigureHDRLPlotControl,
        [&] { record.SetupHDRLDestPlotChannels(m_pPlot); },
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
    setToolTips(StripToolTips);
    setToolTips(ToolTips);
    connectHandlers();
    context().log().WriteLog(QStringLiteral("CHDRLCompareView exit"));
}

void CHDRLCompareView::connectHandlers()
{
    ConnectCompareHandlers(*this,
        { [this] { OnOpenFile1(); }, [this] { OnOpenFile2(); }, [this] { OnPrintReport(); }, [this] { OnBack(); } });
    onClicked(ControlSignalButton, "OnControlSignalView", [this] { OnControlSignalView(); });
    onClicked(HDRButton, "OnHDRView", [this] { OnHDRView(); });
    onClicked(LinearityButton, "OnLinearityView", [this] { OnLinearityView(); });
}

void CHDRLCompareView::ActivatePage()
{
    // Only the strip, from what is known; nothing is sent to the device.
    StripPage::ActivatePage();
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

void CHDRLCompareView::OnOpenFile1()
{
    CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    const bool ok = record.LoadFile_1(m_pScratchPlot, m_pPlot);
    m_File1Loaded = ok;
    m_File2Loaded = false;
    if (!ok) {
        // The page as before any file: every field empty, an empty plot in
        // the control signal view, neither file 2 nor Print to be had.
        m_pPlot->ClearAllData();
        ComparePageKit::showNoFile(
            *this, Boxes(), {}, ComparePageKit::NoFileBoxes::Untick, [this] { showView(ControlSignalButton); });
        return;
    }
    for (int id : Boxes())
        setWindowText(id, QString());
    ComparePageKit::showFileIdentity(
        *this, 1, record.m_strTag1.toQString(), record.m_strTestDate1.toQString(), record.m_strFileName1.toQString());
    setWindowText(Settling1Edit, record.m_strPosSettlingTime1.toQString());
    setWindowText(HysDeadAverage1Edit, formatted(record.m_strHysDeadAverage1, "%1.2f"));
    setWindowText(HysDeadMaximum1Edit, formatted(record.m_strHysDeadMaximum1, "%1.2f"));
    setWindowText(RepeatAverage1Edit, formatted(record.m_strRepeatAverage1, "%1.2f"));
    setWindowText(RepeatMaximum1Edit, formatted(record.m_strRepeatMaximum1, "%1.2f"));
    setWindowText(Linearity1Edit, formatted(record.m_strLinearError1, "%1.4f"));
    showView(ControlSignalButton);
    enableControl(OpenFile2Button, true);
    enableControl(PrintButton, true);
}

void CHDRLCompareView::OnOpenFile2()
{
    CHDRLCompareReport& record = context().records().m_HDRLCompareReport;
    // A file 2 cancelled, refused or not accepted at the settings question
    // leaves the file 2 shown before, if any.
    if (!record.LoadFile_2(m_pScratchPlot, m_pPlot, this))
        return;
    m_File2Loaded = true;
    ComparePageKit::showFileIdentity(
        *this, 2, record.m_strTag2.toQString(), record.m_strTestDate2.toQString(), record.m_strFileName2.toQString());
    setWindowText(Settling2Edit, record.m_strPosSettlingTime2.toQString());
    setWindowText(HysDeadAverage2Edit, formatted(record.m_strHysDeadAverage2, "%1.2f"));
    setWindowText(HysDeadMaximum2Edit, formatted(record.m_strHysDeadMaximum2, "%1.2f"));
    setWindowText(RepeatAverage2Edit, formatted(record.m_strRepeatAverage2, "%1.2f"));
    setWindowText(RepeatMaximum2Edit, formatted(record.m_strRepeatMaximum2, "%1.2f"));
    setWindowText(Linearity2Edit, formatted(record.m_strLinearError2, "%1.4f"));
    setWindowText(HysDeadAverageDiffEdit, formatted(record.m_strHysDeadAverageDiff, "%1.2f"));
    setWindowText(HysDeadMaximumDiffEdit, formatted(record.m_strHysDeadMaximumDiff, "%1.2f"));
    setWindowText(RepeatAverageDiffEdit, formatted(record.m_strRepeatAverageDiff, "%1.2f"));
    setWindowText(RepeatMaximumDiffEdit, formatted(record.m_strRepeatMaximumDiff, "%1.2f"));
    setWindowText(LinearityDiffEdit, formatted(record.m_strLinearErrorDiff, "%1.4f"));
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
    ComparePageKit::showFileIdentity(
        *this, 1, record.m_strTag1.toQString(), record.m_strTestDate1.toQString(), record.m_strFileName1.toQString());
    const std::pair<AutoString*, int> texts[] = { { &record.m_strTag1, Tag1Edit }, { &record.m_strTag2, Tag2Edit },
        { &record.m_strTestDate1, Date1Edit }, { &record.m_strTestDate2, Date2Edit },
        { &record.m_strFileName1, File1Edit }, { &record.m_strFileName2, File2Edit },
        { &record.m_strPosSettlingTime1, Settling1Edit }, { &record.m_strPosSettlingTime2, Settling2Edit },
        { &record.m_strRepeatAverage1, RepeatAverage1Edit }, { &record.m_strRepeatAverage2, RepeatAverage2Edit },
        { &record.m_strRepeatAverageDiff, RepeatAverageDiffEdit },
        { &record.m_strRepeatMaximum1, RepeatMaximum1Edit }, { &record.m_strRepeatMaximum2, RepeatMaximum2Edit },
        { &record.m_strRepeatMaximumDiff, RepeatMaximumDiffEdit },
        { &record.m_strHysDeadAverage1, HysDeadAverage1Edit }, { &record.m_strHysDeadAverage2, HysDeadAverage2Edit },
        { &record.m_strHysDeadAverageDiff, HysDeadAverageDiffEdit },
        { &record.m_strHysDeadMaximum1, HysDeadMaximum1Edit }, { &record.m_strHysDeadMaximum2, HysDeadMaximum2Edit },
        { &record.m_strHysDeadMaximumDiff, HysDeadMaximumDiffEdit }, { &record.m_strLinearError1, Linearity1Edit },
        { &record.m_strLinearError2, Linearity2Edit }, { &record.m_strLinearErrorDiff, LinearityDiffEdit } };
    for (const auto& [member, id] : texts)
        *member = AutoString(windowText(id));
    const QString definition = ReportDefinitionPath(
        context().helpers().GetAppFolder(), QStringLiteral("HDRLTestCmpRept"), data().DeviceType);
    GenerateHDRLTestCompareReport(record, m_pPlot, m_pReport, m_pPrinter, AutoString(definition), this);
    showView(ControlSignalButton);
}

void CHDRLCompareView::OnBack()
{
    context().SelectPageCode(HDRLCode);
}
