#include "characterization/CStrokeCharacterizationReport.h"

#include "characterization/CharacterizationCurves.h"
#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "core/ResultFile.h"
#include "ui/TimerService.h"

namespace
{
const ResultFileDialogs Dialogs = ResultFileDialogs::named(QStringLiteral("Save Stroke Characterization As"),
    QStringLiteral("Open Stroke Characterization"), QStringLiteral("curve"));
} // namespace

void CStrokeCharacterizationReport::SaveStrokeCustom(IPlotPtr plot) const
{
    ModuleStateGuard moduleState;
    const QDateTime now = TimerService::instance().localNow();
    const std::optional<QString> path = ResultFileFrame::askSavePath(Dialogs.saveTitle, Dialogs.saveFilter,
        Dialogs.extension, ProposedResultFileName(m_strTag, now, Dialogs.extension));
    if (!path)
        return;
    try {
        // A curve with no points (a plot before any curve was drawn) would
        // give a file that Load refuses.
        const IPlotChannelPtr curve = plot->ChannelByName(CharacterizationCurve::ChannelName);
        if (!curve || curve->Count() == 0)
            throw ComError(ComError::InvalidPointer, QStringLiteral("CharCurve holds no points"));
        plot->SaveDataFile(*path);
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileSave);
    }
}

void CStrokeCharacterizationReport::LoadStrokeCustom(IPlotPtr plot) const
{
    ModuleStateGuard moduleState;
    const std::optional<QString> path
        = ResultFileFrame::askOpenPath(Dialogs.openTitle, Dialogs.openFilter, Dialogs.extension);
    if (!path)
        return;
    // The file is read and checked aside first: a refused file leaves the
    // curve on the plot as it was, matching the edits beside it.
    PlotChannelData loaded;
    try {
        Plot scratch;
        scratch.LoadDataFile(*path);
        loaded = CharacterizationCurve::checkFile(ResultFileFrame::lookupIn(scratch));
    } catch (...) {
        ResultFileFrame::showFailure(ExportFailureText::FileOpen);
        return;
    }
    try {
        // Only the file's points are taken: the curve keeps its own look,
        // whatever the file says of its visibility, title, colour or axes.
        plot->ClearAllData();
        SetUpCharacterizationPlotChannels(plot);
        const IPlotChannelPtr curve = plot->ChannelByName(CharacterizationCurve::ChannelName);
        for (int k = 0; k < CharacterizationCurve::PointCount; ++k)
            curve->AddXY(loaded.xs[static_cast<size_t>(k)], loaded.ys[static_cast<size_t>(k)]);
    } catch (...) {
        // The plot's one channel is put in place again, so the page's curve
        // operations keep working.
        try {
            SetUpCharacterizationPlotChannels(plot);
        } catch (...) {
        }
        ResultFileFrame::showFailure(ExportFailureText::FileOpen);
    }
}
