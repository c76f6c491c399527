#include "multi_test/MultiTestReport.h"

#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "ramp/RampTestReport.h"
#include "ui/Prompts.h"

#include <memory>

namespace
{

// The generator's own copies of what it prints; the views are called on them.
struct MultiTestCopies {
    CReportHeader header;
    CRampReport ramp;
    CStepTestReport step;
    CPSTReport pst;
    CHDRLReport hdrl;
    IPlotPtr stepPlot;
    IPlotPtr pstPlot;
    IPlotPtr hdrlPlot;
    IXYPlotPtr rampPlot;
};

// One plot's pictures: each view in turn, then the plot back in its first view.
struct PlotPictures {
    IPlotPtr plot;
    std::function<void()> firstView; // none: the plot is pictured as it is shown
    std::vector<std::pair<std::function<void()>, QString>> shots;
};

// Each plot is put back in its first view as soon as its pictures are taken;
// a plot whose picture fails is put back too before the report ends, so no
// page is left showing a view it did not choose. Plots after it are not
// touched.
void takePlotPictures(const std::vector<PlotPictures>& plots, const QString& folder, const ReportPictureSizes& sizeOf)
{
    for (const PlotPictures& group : plots) {
        try {
            for (const auto& [view, file] : group.shots) {
                if (view)
                    view();
                const ReportPictureTaken taken = sizeOf(file);
                group.plot->SaveImage(folder + file, taken.pixels, 1.0, taken.paperPoints);
            }
        } catch (...) {
            if (group.firstView) {
                try {
                    group.firstView();
                } catch (...) {
                    // The first failure is the one the report ends with.
                }
            }
            throw;
        }
        if (group.firstView)
            group.firstView();
    }
}

bool set(uint8_t flag)
{
    return flag != 0;
}

} // namespace

ReportFrameDescriptor MultiTestReportDescriptor(const CReportHeader& header, const CRampReport& ramp,
    const CStepTestReport& step, const CPSTReport& pst, const CHDRLReport& hdrl, const IPlotPtr& stepPlot,
    const IPlotPtr& pstPlot, const IPlotPtr& hdrlPlot, const IXYPlotPtr& rampPlot)
{
    using namespace MultiTestReportText;
    const auto copies = std::make_shared<MultiTestCopies>(
        MultiTestCopies { header, ramp, step, pst, hdrl, stepPlot, pstPlot, hdrlPlot, rampPlot });
    const bool pressureData = set(ramp.m_bPressureData);
    const bool friction = RampFrictionPictured(ramp, header.m_byModel);
    const IPlotPtr rampPicturePlot = rampPlot ? rampPlot.query<Plot>() : IPlotPtr();

    ReportFrameDescriptor descriptor(ReportFrameRows::MultiTest);
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.dateLabelKey = QStringLiteral("lblTestDate");
    descriptor.dateLabelText = QStringLiteral("Test Date:");
    // Each section is dated by its own result; a section without one prints no date.
    descriptor.resultDates = { { QStringLiteral("lblTestDateResult"), ramp.m_strTestDate.toQString() },
        { QStringLiteral("SteplblTestDateResult"), step.m_strTestDate.toQString() },
        { QStringLiteral("PSTlblTestDateResult"), pst.m_strTestDate.toQString() },
        { QStringLiteral("HDRLlblTestDateResult"), hdrl.m_strTestDate.toQString() } };

    // The pictures as they are put into the report, each only when its condition holds.
    const auto picture = [&descriptor](const IPlotPtr& plot, const QString& file, const char* key) {
        descriptor.pictures.push_back(ReportFramePicture { plot, nullptr, file, QString::fromLatin1(key) });
    };
    picture(rampPicturePlot, RampPicture, "RampGrph");
    if (pressureData)
        picture(rampPicturePlot, RampPressurePicture, "RampGrph2");
    picture(rampPicturePlot, RampSignalsPicture, "RampGrph3");
    if (friction)
        picture(rampPicturePlot, RampFrictionPicture, "RampGrph4");
    picture(stepPlot, StepPicture, "StepRampGrph");
    if (pressureData)
        picture(stepPlot, StepPressurePicture, "StepRampGrph2");
    picture(pstPlot, PstPicture, "PSTRampGrph");
    picture(hdrlPlot, HDRLControlPicture, "HDRLRampGrph");
    picture(hdrlPlot, HDRLHysteresisPicture, "HDRLRampGrph2");
    picture(hdrlPlot, HDRLLinearityPicture, "HDRLRampGrph3");

    descriptor.takePictures = [copies, pressureData, friction, rampPicturePlot](
                                  const QString& folder, const ReportPictureSizes& sizeOf) {
        MultiTestCopies& c = *copies;
        const auto rampView = [&c] { c.ramp.SetRampView(c.rampPlot, c.header); };
        const auto stepView = [&c] { c.step.OnStepClick(c.stepPlot, c.header); };
        const auto hdrlView = [&c] { c.hdrl.ControlClick(c.hdrlPlot); };
        PlotPictures rampPictures { rampPicturePlot, rampView, { { rampView, RampPicture } } };
        if (pressureData)
            rampPictures.shots.emplace_back(
                [&c] { c.ramp.SetPressureVPosView(c.rampPlot, c.header); }, RampPressurePicture);
        rampPictures.shots.emplace_back([&c] { c.ramp.SetSigVCommandView(c.rampPlot, c.header); }, RampSignalsPicture);
        if (friction)
            rampPictures.shots.emplace_back([&c] { c.ramp.SetFrictionView(c.rampPlot); }, RampFrictionPicture);
        PlotPictures stepPictures { c.stepPlot, stepView, { { stepView, StepPicture } } };
        // The ramp record says whether pressure was measured; the step record's own flags are not asked.
        if (pressureData)
            stepPictures.shots.emplace_back([&c] { c.step.OnPvPClick(c.stepPlot, c.header); }, StepPressurePicture);
        const PlotPictures pstPictures { c.pstPlot, nullptr, { { nullptr, PstPicture } } };
        const PlotPictures hdrlPictures { c.hdrlPlot, hdrlView,
            { { hdrlView, HDRLControlPicture }, { [&c] { c.hdrl.HDRClicked(c.hdrlPlot); }, HDRLHysteresisPicture },
                { [&c] { c.hdrl.LinearityClicked(c.hdrlPlot); }, HDRLLinearityPicture } } };
        takePlotPictures({ rampPictures, stepPictures, pstPictures, hdrlPictures }, folder, sizeOf);
    };

    descriptor.fields = [copies](const ReportFrameFields& fields) {
        const MultiTestCopies& c = *copies;
        const auto text
            = [&fields](const char* key, const QString& value) { fields.setText(QString::fromLatin1(key), value); };
        FillRampSectionFields(fields, c.ramp);

        text("StepStartPosn", c.step.m_strStartPosition.toQString());
        text("StepStopPosn", c.step.m_strStopPosition.toQString());
        text("StepHoldTime", c.step.m_strHoldTime.toQString());

        text("PSTStartPosn", c.pst.m_strStartPosition.toQString());
        text("PSTStopPosn", c.pst.m_strStopPosition.toQString());
        text("PSTTimeTargetValue", c.pst.m_strTimeToTarget.toQString());
        text("PSTTestDuration", c.pst.m_strTestDuration.toQString());
        text("PSTStartPosn1", c.pst.m_strBreakAwayTime.toQString());
        text("PSTPressureValue", c.pst.m_strBreakAwayPressure.toQString());
        text("BwUnits", c.pst.m_strBreakAwayUnit.toQString());
        text("TimeTargetValueInfo", c.pst.m_strTimeToTargetResult.toQString());
        text("PSTResultValue", c.pst.m_strResult.toQString());

        text("lblAverageValue", c.hdrl.m_strHysDeadAverage.toQString());
        text("lblMaximumValue", c.hdrl.m_strHysDeadMaximum.toQString());
        text("lblAverageValueReapt", c.hdrl.m_strRepeatAverage.toQString());
        text("lblMaximumValueReapt", c.hdrl.m_strRepeatMaximum.toQString());
        text("lblLinearErrorValue", c.hdrl.m_strLinearError.toQString());
        text("lblPosSettlingTimeValue", c.hdrl.m_strPosSettlingTime.toQString());
    };
    return descriptor;
}

void GenerateMultiTestReport(CReportHeader header, CRampReport ramp, CStepTestReport step, CPSTReport pst,
    CHDRLReport hdrl, IPlotPtr stepPlot, IPlotPtr pstPlot, IPlotPtr hdrlPlot, IXYPlotPtr rampPlot, IReportPtr report,
    IPrinterPtr printer, AutoString definitionPath, QWidget* page)
{
    ModuleStateGuard moduleState;
    try {
        const ReportFrameDescriptor descriptor
            = MultiTestReportDescriptor(header, ramp, step, pst, hdrl, stepPlot, pstPlot, hdrlPlot, rampPlot);
        ReportFrame::Generate(
            descriptor, header, std::move(report), std::move(printer), std::move(definitionPath), page);
    } catch (...) {
        // Making the descriptor asks a missing ramp plot for its picture side.
        Prompts::show(ExportFailureText::ReportDefinition,
            QString::fromLatin1(ReportFrameRows::MultiTest.failureCaption), Prompts::Buttons::Ok);
    }
}
