#include "HDRLAnalysis.h"
#include "HDRLCompare.h"
#include "HDRLTestChannels.h"
#include "HDRLTestFile.h"

#include "core/ModuleStateGuard.h"
#include "core/PlotChannelHelpers.h"
#include "core/PlotConfiguration.h"
#include "hdrl/CHDRLCompareReport.h"

#include <optional>
#include <utility>
#include <vector>

namespace
{

const CompareFileDialog OpenDialog { QStringLiteral("Open HDRL Test Results"), QStringLiteral("(*.hdrl)|*.hdrl|"),
    QStringLiteral("hdrl") };

void show(const IPlotPtr& plot, const char* name, bool shown)
{
    OnCheckBoxChanged(plot, AutoString(name), shown);
}

void showAxis(const IPlotAxisPtr& axis, bool shown)
{
    axis->SetVisible(shown);
    axis->SetTitleVisible(shown);
}

enum AxisSide { X, Y };

// A view of the compare plot: everything hidden, then its title, its
// channels and the axes it draws on, in that order.
void showView(CHDRLCompareReport& record, const IPlotPtr& plot, const char* title,
    std::initializer_list<const char*> channels, std::initializer_list<std::pair<AxisSide, QString>> axes)
{
    record.ResetHDRLGridView(plot);
    plot->SetTitle(QString::fromLatin1(title));
    // Without file 2 a view shows file 1 alone: its channels and its time
    // axis are those whose names end in "2".
    const bool secondFile = !record.m_strFileName2.toQString().isEmpty();
    const auto ofFile2 = [](const QString& name) { return name.endsWith(QLatin1Char('2')); };
    for (const char* name : channels)
        show(plot, name, secondFile || !ofFile2(QString::fromLatin1(name)));
    for (const auto& [side, name] : axes)
        if (secondFile || !ofFile2(name))
            showAxis(side == X ? plot->XAxisByName(name) : plot->YAxisByName(name), true);
}

// What one compared file gives: its identity, settling time and results.
struct FileFigures {
    QString tag;
    QString date;
    QString settlingText;
    double settling = 0.0;
    QString repeatAverage;
    QString repeatMaximum;
    QString hysDeadAverage;
    QString hysDeadMaximum;
    QString linearity;
};

// Reads the identity of the file in the scratch plot, after the file check.
FileFigures identityOf(const ResultFileFrame::ChannelLookup& lookup)
{
    FileFigures f;
    f.settling = HDRLTestFile::checkFile(lookup);
    f.date = CompareFileDate(ResultFileFrame::required(lookup, ResultChannelName::TestSettings), 0);
    f.settlingText = NumberText::fromSingle(f.settling);
    f.tag = TagFromPoints(ResultFileFrame::required(lookup, ResultChannelName::TagName).ys).toQString();
    return f;
}

// Copies the file's data channels into the compare plot under the file's
// names, turns a one-point-per-step run into steps, and computes the
// results on the copies (the average error and its line come from the file).
void copyAndEvaluate(const IPlotPtr& scratch, const IPlotPtr& visible, int which, FileFigures& f)
{
    const QString suffix = which == 2 ? QStringLiteral("2") : QString();
    for (const char* name : HDRLCompare::CopyOrder)
        LoadChannel(AutoString(name), AutoString(QString::fromLatin1(name) + suffix), true, scratch, visible);
    const QString command = QStringLiteral("Command") + suffix;
    const QString position = QStringLiteral("Position") + suffix;
    const auto count = [&] { return GetDispatchDriverIPlotXChannelByName(visible, AutoString(command))->Count(); };
    if (count() == HDRLTestChannels::StepCount)
        HDRLTestFile::toStaircase(visible, position, command, f.settling);
    const auto text = [](const std::optional<double>& v) { return v ? NumberText::fromDouble(*v) : QString(); };
    std::optional<double> repeatAverage, repeatMaximum, hysAverage, hysMaximum;
    if (count() == HDRLTestChannels::RunPoints) {
        double average = 0.0, maximum = 0.0;
        CalculateRepeatError(visible, 0, 0, &average, &maximum, which);
        repeatAverage = average;
        repeatMaximum = maximum;
        CalculateHD_Error(visible, 0, 0, &average, &maximum, which);
        hysAverage = average;
        hysMaximum = maximum;
    }
    double linearity = 0.0;
    CalculateLinError(visible, 0, 0, &linearity, which);
    // A file that is no whole run has no repeatability or hysteresis texts.
    f.repeatAverage = text(repeatAverage);
    f.repeatMaximum = text(repeatMaximum);
    f.hysDeadAverage = text(hysAverage);
    f.hysDeadMaximum = text(hysMaximum);
    f.linearity = NumberText::fromDouble(linearity);
}

// The file-2 curves of the compare plot as they were before a file 2 was
// copied in: a file refused while its results are worked out leaves the file
// 2 shown before (the axes follow the curves).
class ShownFile2
{
public:
    explicit ShownFile2(const IPlotPtr& plot)
        : m_plot(plot)
    {
        for (const char* name : HDRLCompare::CopyOrder) {
            const IPlotChannelPtr channel = GetDispatchDriverIPlotXChannelByName(
                plot, AutoString(QString::fromLatin1(name) + QStringLiteral("2")));
            m_curves.push_back(channel->data());
        }
    }

    void restore()
    {
        for (PlotChannelData& curve : m_curves) {
            const IPlotChannelPtr channel = GetDispatchDriverIPlotXChannelByName(m_plot, AutoString(curve.name));
            channel->replaceData(std::move(curve));
        }
    }

private:
    IPlotPtr m_plot;
    std::vector<PlotChannelData> m_curves;
};

// File 2's figure less file 1's, the sign every compare states its
// differences in: a file 2 with the larger error reads positive.
QString difference(const AutoString& first, const AutoString& second)
{
    return NumberText::fromDouble(NumberText::toDouble(second.toQString()) - NumberText::toDouble(first.toQString()));
}

} // namespace

void CHDRLCompareReport::SetupHDRLDestPlotChannels(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    plot.checked();
    LayOutChannels(plot, HDRLCompare::Rows.data(), HDRLCompare::Rows.size());
}

void CHDRLCompareReport::ResetHDRLGridView(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    for (const char* name : { "Position", "Position2", "Command", "Command2", "AverageError", "AverageError2",
             "LeastSquareLine", "LeastSquareLine2", "1stCycle-Incr", "1stCycle-Incr2", "1stCycle-Decr",
             "1stCycle-Decr2", "2ndCycle-Incr", "2ndCycle-Incr2", "2ndCycle-Decr", "2ndCycle-Decr2" })
        show(plot, name, false);
    using namespace HDRLTestChannels;
    const IPlotAxisPtr axes[] = { plot->XAxisByName(TimeAxis), plot->XAxisByName(Time2Axis),
        plot->XAxisByName(CommandAxis), plot->YAxisByName(PositionAxis), plot->YAxisByName(PositionErrorAxis) };
    for (const IPlotAxisPtr& axis : axes)
        axis->SetVisible(false);
    for (const IPlotAxisPtr& axis : axes)
        axis->SetTitleVisible(false);
}

void CHDRLCompareReport::OnCompareControl(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    using namespace HDRLTestChannels;
    showView(*this, plot, "Position Vs Time", { "Position", "Command", "Position2", "Command2" },
        { { Y, PositionAxis }, { X, TimeAxis }, { X, Time2Axis } });
    plot->XAxisByName(Time2Axis)->SetLabelsVisible(true);
}

void CHDRLCompareReport::OnCompareHDR(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    showView(*this, plot, "Position Error Vs Position",
        { "1stCycle-Incr", "1stCycle-Incr2", "1stCycle-Decr", "1stCycle-Decr2", "2ndCycle-Incr", "2ndCycle-Incr2",
            "2ndCycle-Decr", "2ndCycle-Decr2" },
        { { Y, HDRLTestChannels::PositionErrorAxis }, { X, HDRLTestChannels::CommandAxis } });
}

void CHDRLCompareReport::OnCompareLinearity(IPlotPtr plot)
{
    ModuleStateGuard moduleState;
    showView(*this, plot, "Position Error Vs Command",
        { "AverageError", "AverageError2", "LeastSquareLine", "LeastSquareLine2" },
        { { Y, HDRLTestChannels::PositionErrorAxis }, { X, HDRLTestChannels::CommandAxis } });
}

namespace
{

// The chosen file, read from the scratch plot; nothing when the user
// cancelled or the file was refused with "File open error.".
std::optional<CompareFile<FileFigures>> openFile(const IPlotPtr& scratch)
{
    return OpenCompareFile(OpenDialog, scratch, &identityOf);
}

// What the record takes of each file when it is opened; its results follow
// once its channels are copied. A new comparison starts from an empty record.
const CompareRecordLayout<CHDRLCompareReport, FileFigures>& identityLayout()
{
    using R = CHDRLCompareReport;
    using V = FileFigures;
    static const CompareRecordLayout<R, V> fields {
        ComparePathField<R, V>(&R::m_strFileName1, &R::m_strFileName2),
        CompareTextField(&R::m_strPosSettlingTime1, &R::m_strPosSettlingTime2, &V::settlingText),
        CompareTextField(&R::m_strTestDate1, &R::m_strTestDate2, &V::date),
        CompareTextField(&R::m_strTag1, &R::m_strTag2, &V::tag),
    };
    return fields;
}

// What the record takes of each file once its channels are copied.
const CompareRecordLayout<CHDRLCompareReport, FileFigures>& resultLayout()
{
    using R = CHDRLCompareReport;
    using V = FileFigures;
    static const CompareRecordLayout<R, V> fields {
        CompareTextField(&R::m_strRepeatAverage1, &R::m_strRepeatAverage2, &V::repeatAverage),
        CompareTextField(&R::m_strRepeatMaximum1, &R::m_strRepeatMaximum2, &V::repeatMaximum),
        CompareTextField(&R::m_strHysDeadAverage1, &R::m_strHysDeadAverage2, &V::hysDeadAverage),
        CompareTextField(&R::m_strHysDeadMaximum1, &R::m_strHysDeadMaximum2, &V::hysDeadMaximum),
        CompareTextField(&R::m_strLinearError1, &R::m_strLinearError2, &V::linearity),
    };
    return fields;
}

// Copies file `which` into the compare plot, works its results out there and
// puts them into the record.
void takeResults(CHDRLCompareReport& record, const IPlotPtr& scratch, const IPlotPtr& visible, int which,
    const CompareFile<FileFigures>& file)
{
    CompareFile<FileFigures> evaluated = file;
    copyAndEvaluate(scratch, visible, which, evaluated.values);
    PutCompareFile(record, which, evaluated, resultLayout());
}

} // namespace

bool CHDRLCompareReport::LoadFile_1(IPlotPtr scratch, IPlotPtr visible)
{
    ModuleStateGuard moduleState;
    // The file is checked whole in the scratch plot before the compare plot
    // or the record are emptied.
    return TakeCompareFile1(
        openFile(scratch), visible, *this, {},
        [this](const CompareFile<FileFigures>& file) {
            *this = CHDRLCompareReport();
            PutCompareFile(*this, 1, file, identityLayout());
        },
        [&](const CompareFile<FileFigures>& file) { takeResults(*this, scratch, visible, 1, file); });
}

bool CHDRLCompareReport::LoadFile_2(IPlotPtr scratch, IPlotPtr visible, QWidget* parent)
{
    ModuleStateGuard moduleState;
    const auto file = openFile(scratch);
    // File 2 and the differences as they were: what the user does not accept
    // (or what cannot be compared) leaves them as shown before.
    return TakeCompareFile2(
        file, *this, parent,
        [this](const CompareFile<FileFigures>& f) { PutCompareFile(*this, 2, f, identityLayout()); },
        // The settling time is the one setting compared.
        [this] { return m_strPosSettlingTime1.toQString() == m_strPosSettlingTime2.toQString(); },
        [&] {
            std::optional<ShownFile2> shown;
            try {
                shown.emplace(visible);
                takeResults(*this, scratch, visible, 2, *file);
                m_strRepeatAverageDiff = AutoString(difference(m_strRepeatAverage1, m_strRepeatAverage2));
                m_strRepeatMaximumDiff = AutoString(difference(m_strRepeatMaximum1, m_strRepeatMaximum2));
                m_strHysDeadAverageDiff = AutoString(difference(m_strHysDeadAverage1, m_strHysDeadAverage2));
                m_strHysDeadMaximumDiff = AutoString(difference(m_strHysDeadMaximum1, m_strHysDeadMaximum2));
                m_strLinearErrorDiff = AutoString(difference(m_strLinearError1, m_strLinearError2));
            } catch (...) {
                // The curves shown before come back; the record is put back
                // by the shared order.
                if (shown) {
                    try {
                        shown->restore();
                    } catch (...) {
                        // A compare plot that fails here has nothing left to restore.
                    }
                }
                throw;
            }
        });
}
