#include "SwTest.h"

#include "automation/ComError.h"
#include "characterization/CStrokeCharacterizationReport.h"
#include "characterization/CharacterizationCurves.h"
#include "controls/Plot.h"
#include "trends/TrendsPlots.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>

#include <functional>

namespace
{

// The characterization plot as the pages set it up, and the page's progress bar.
class CharacterizationCurvesTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        ConfigureCharInfoPlotControl(plot());
    }
    IPlotPtr plot() { return IPlotPtr(&m_plot); }
    IPlotChannelPtr curve() { return m_plot.ChannelByName(QStringLiteral("CharCurve")); }
    std::vector<std::pair<double, double>> points()
    {
        std::vector<std::pair<double, double>> out;
        for (int i = 0; i < curve()->Count(); ++i)
            out.emplace_back(curve()->GetX(i), curve()->GetY(i));
        return out;
    }
    std::vector<double> xs()
    {
        std::vector<double> out;
        for (const auto& [x, y] : points())
            out.push_back(x);
        return out;
    }

    Plot m_plot;
    QProgressBar m_progress;
};

const std::vector<double> Grid { 0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100 };

} // namespace

TEST_F(CharacterizationCurvesTest, SetUpGivesOneVisibleCharCurveOnAxesFromZeroToHundred)
{
    EXPECT_EQ(m_plot.GetTitle(), QStringLiteral("Characterization Curve"));
    const IPlotAxisPtr input = m_plot.XAxis(0);
    const IPlotAxisPtr output = m_plot.YAxis(0);
    EXPECT_EQ(input->GetName(), QStringLiteral("Input Signal (%)"));
    EXPECT_EQ(input->GetTitle(), QStringLiteral("Input Signal (%)"));
    EXPECT_EQ(output->GetName(), QStringLiteral("Output Signal (%)"));
    EXPECT_EQ(output->GetTitle(), QStringLiteral("Output Signal (%)"));
    for (const IPlotAxisPtr& axis : { input, output }) {
        EXPECT_EQ(axis->GetMin(), 0.0);
        EXPECT_EQ(axis->GetSpan(), 100.0);
    }
    ASSERT_EQ(m_plot.ChannelCount(), 1);
    ASSERT_TRUE(curve());
    EXPECT_EQ(curve()->GetTitle(), QStringLiteral("Characterization"));
    EXPECT_EQ(curve()->GetColor(), 0xFF6633u);
    EXPECT_TRUE(curve()->GetVisible());
    EXPECT_FALSE(m_plot.ChannelByName(QStringLiteral("Channel 1")));

    // Setting up again drops whatever the plot held.
    OnLoadLinearGraph(plot(), m_progress);
    m_plot.AddChannel();
    SetUpCharacterizationPlotChannels(plot());
    EXPECT_EQ(m_plot.ChannelCount(), 1);
    EXPECT_EQ(curve()->Count(), 0);
}

TEST_F(CharacterizationCurvesTest, EveryBuilderDrawsTwentyOnePointsAndLeavesTheProgressWhereItsTableSays)
{
    double custom[21] {};
    for (int i = 0; i < 21; ++i)
        custom[i] = 100.0 - i;
    custom[0] = 55; // never read
    custom[7] = 140; // drawn as it is
    struct Case {
        const char* name;
        std::function<void(IPlotPtr, QProgressBar&)> build;
        int maximum;
        int position;
        std::vector<std::pair<int, double>> somePoints; // index, output
    };
    const Case cases[] = {
        { "linear", [](IPlotPtr p, QProgressBar& b) { OnLoadLinearGraph(p, b); }, 100, 100,
            { { 0, 0 }, { 7, 35 }, { 20, 100 } } },
        { "equal 50", [](IPlotPtr p, QProgressBar& b) { OnLoadEqualGraph(p, 50, b); }, 100, 95,
            { { 0, 0 }, { 10, 12.142 }, { 19, 80.234 }, { 20, 100 } } },
        { "equal 30", [](IPlotPtr p, QProgressBar& b) { OnLoadEqualGraph(p, 30, b); }, 100, 95,
            { { 1, 0.6179 }, { 10, 14.9241 }, { 19, 81.0281 }, { 20, 100 } } },
        { "equal 1", [](IPlotPtr p, QProgressBar& b) { OnLoadEqualGraph(p, 1, b); }, 100, 95,
            { { 1, 0 }, { 10, 0 }, { 19, 0 }, { 20, 100 } } },
        { "quick opening", [](IPlotPtr p, QProgressBar& b) { OnLoadQuickOpenGraph(p, b); }, 21, 21,
            { { 1, 18.8 }, { 5, 84.3 }, { 19, 99.5 }, { 20, 100 } } },
        { "custom", [&custom](IPlotPtr p, QProgressBar& b) { OnLoadCustomGraph(p, custom, b); }, 19, 19,
            { { 0, 0 }, { 1, 99 }, { 7, 140 }, { 19, 81 }, { 20, 100 } } },
    };
    for (const Case& c : cases) {
        // Twice: the second run replaces the first.
        for (int run = 0; run < 2; ++run) {
            m_progress.setRange(0, 7);
            m_progress.setValue(3);
            c.build(plot(), m_progress);
            EXPECT_EQ(xs(), Grid) << c.name;
            EXPECT_EQ(m_progress.minimum(), 0) << c.name;
            EXPECT_EQ(m_progress.maximum(), c.maximum) << c.name;
            EXPECT_EQ(m_progress.value(), c.position) << c.name;
            for (const auto& [index, output] : c.somePoints)
                EXPECT_NEAR(curve()->GetY(index), output, 0.0005) << c.name << " point " << index;
        }
    }
}

TEST_F(CharacterizationCurvesTest, EqualPercentageWithoutAPositiveRatioChangesNothing)
{
    OnLoadQuickOpenGraph(plot(), m_progress);
    const auto before = points();
    for (int ratio : { 0, -3 }) {
        OnLoadEqualGraph(plot(), ratio, m_progress);
        EXPECT_EQ(points(), before) << ratio;
        EXPECT_EQ(m_progress.maximum(), 21) << ratio;
        EXPECT_EQ(m_progress.value(), 21) << ratio;
    }
}

TEST_F(CharacterizationCurvesTest, BuilderOnAPlotWithoutCharCurveRaisesAndKeepsTheProgress)
{
    m_plot.RemoveAllChannels();
    m_progress.setRange(0, 7);
    m_progress.setValue(3);
    EXPECT_THROW(OnLoadLinearGraph(plot(), m_progress), ComError);
    EXPECT_EQ(m_progress.value(), 3);
    EXPECT_THROW(OnLoadCustomGraph(IPlotPtr(), Grid.data(), m_progress), ComError);
}

// ---------------------------------------------------------------------------
// The curve file

namespace
{
class CurveFileTest : public CharacterizationCurvesTest
{
protected:
    void save(const QString& path)
    {
        prompts().answerFile(path, QStringLiteral("Save Stroke Characterization As"));
        m_record.SaveStrokeCustom(plot());
    }
    void load(const std::optional<QString>& path)
    {
        prompts().answerFile(path, QStringLiteral("Open Stroke Characterization"));
        m_record.LoadStrokeCustom(plot());
    }
    CStrokeCharacterizationReport m_record;
};
} // namespace

TEST_F(CurveFileTest, SavedCurveLoadsBackWithItsPointsAndTheDialogsAreTheCurveFilesOwn)
{
    clock().setLocalStart(QDateTime(QDate(2032, 1, 9), QTime(6, 7, 0)));
    m_record.m_strTag = AutoString(QStringLiteral("LV/7    "));
    OnLoadQuickOpenGraph(plot(), m_progress);
    const auto drawn = points();
    const QString path = tempPath(QStringLiteral("quick.curve"));
    save(path);
    const Prompts::FileDialog saveDialog = prompts().records().back().dialog;
    EXPECT_TRUE(saveDialog.save);
    EXPECT_EQ(saveDialog.initialName, QStringLiteral("LV_7_2032_1_9_6h_7m.curve"));
    EXPECT_EQ(saveDialog.filter, QStringLiteral("(*.curve)|*.curve|"));
    EXPECT_EQ(saveDialog.defaultExt, QStringLiteral("curve"));
    EXPECT_TRUE(saveDialog.confirmOverwrite);
    EXPECT_EQ(m_record.m_strTag.toQString(), QStringLiteral("LV/7    ")) << "the record keeps the device's bytes";

    Plot written;
    written.LoadDataFile(path);
    EXPECT_EQ(written.ChannelCount(), 1) << "no hidden channels";

    OnLoadLinearGraph(plot(), m_progress);
    load(path);
    EXPECT_EQ(points(), drawn);
    const Prompts::FileDialog openDialog = prompts().records().back().dialog;
    EXPECT_FALSE(openDialog.save);
    EXPECT_EQ(openDialog.filter, QStringLiteral("*.curve|*.curve|"));
    EXPECT_EQ(openDialog.defaultExt, QStringLiteral("curve"));
    EXPECT_TRUE(prompts().messages().empty());

    // An empty tag proposes a name that starts with "_".
    m_record.m_strTag = AutoString(QStringLiteral(""));
    prompts().answerFile(std::nullopt);
    m_record.SaveStrokeCustom(plot());
    EXPECT_TRUE(prompts().records().back().dialog.initialName.startsWith(QStringLiteral("_2032_1_9_6h_7m")));
}

TEST_F(CurveFileTest, CancelWritesAndChangesNothing)
{
    OnLoadLinearGraph(plot(), m_progress);
    prompts().answerFile(std::nullopt);
    m_record.SaveStrokeCustom(plot());
    load(std::nullopt);
    EXPECT_EQ(xs(), Grid);
    EXPECT_EQ(curve()->GetY(20), 100.0);
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_TRUE(QDir(stateDir()).entryList({ QStringLiteral("*.curve") }).isEmpty());
}

TEST_F(CurveFileTest, ForeignDamagedOrShortFilesAreRefusedAndLeaveTheCurveAsItWas)
{
    const QString good = tempPath(QStringLiteral("good.curve"));
    OnLoadLinearGraph(plot(), m_progress);
    save(good);

    Plot other;
    other.AddChannel();
    other.Channel(0)->SetName(QStringLiteral("Position"));
    for (int k = 0; k < 21; ++k)
        other.Channel(0)->AddXY(k, k);
    const QString foreign = tempPath(QStringLiteral("foreign.curve"));
    other.SaveDataFile(foreign);

    Plot shortCurve;
    ConfigureCharInfoPlotControl(IPlotPtr(&shortCurve));
    shortCurve.ChannelByName(QStringLiteral("CharCurve"))->AddXY(0, 0);
    const QString twenty = tempPath(QStringLiteral("short.curve"));
    shortCurve.SaveDataFile(twenty);
    // A curve one point short is a seed of the plot data file fuzzer's corpus.
    keepAsFuzzSeed(twenty, QStringLiteral("short_curve.curve"));

    QFile whole(good);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString truncated = tempPath(QStringLiteral("truncated.curve"));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() - 9));
    cut.close();

    for (const QString& path : { foreign, twenty, truncated, tempPath(QStringLiteral("missing.curve")) }) {
        OnLoadQuickOpenGraph(plot(), m_progress);
        prompts().clearRecords();
        prompts().answerFile(path);
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        m_record.LoadStrokeCustom(plot());
        ASSERT_EQ(prompts().messages().size(), 1u) << path.toStdString();
        EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File open error."));
        EXPECT_EQ(prompts().messages()[0].caption, QString());
        EXPECT_EQ(m_plot.ChannelCount(), 1) << path.toStdString();
        ASSERT_TRUE(curve()) << path.toStdString();
        EXPECT_EQ(xs(), Grid) << path.toStdString();
        // The quick opening curve is still drawn: 18.8 at 5 %, 94.8 at 50 %.
        EXPECT_EQ(curve()->GetY(1), 18.8) << path.toStdString();
        EXPECT_EQ(curve()->GetY(10), 94.8) << "the quick opening curve stays";
        // The builders still work on the plot.
        OnLoadLinearGraph(plot(), m_progress);
        EXPECT_EQ(xs(), Grid);
    }
}

TEST_F(CurveFileTest, FailedSaveShowsTheBoxAndLeavesTheOldFile)
{
    const QString path = tempPath(QStringLiteral("kept.curve"));
    OnLoadLinearGraph(plot(), m_progress);
    save(path);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    // A plot that cannot give its data: the old file stays whole.
    prompts().answerFile(path);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File save error."));
    m_record.SaveStrokeCustom(IPlotPtr());
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File save error."));
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);

    // A folder that cannot be made: the box again, and no file.
    prompts().clearRecords();
    const QString below = path + QStringLiteral("/below.curve");
    prompts().answerFile(below);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File save error."));
    m_record.SaveStrokeCustom(plot());
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File save error."));
    EXPECT_FALSE(QFileInfo::exists(below));
}

TEST_F(CurveFileTest, ALoadedCurveIsDrawnInItsOwnLookWhateverTheFileSaysOfIt)
{
    struct Case {
        const char* what;
        std::function<void(PlotChannel&)> spoil;
    };
    const Case cases[] = {
        { "hidden", [](PlotChannel& c) { c.SetVisible(false); } },
        { "left out of the legend", [](PlotChannel& c) { c.SetLegendVisible(false); } },
        { "another title", [](PlotChannel& c) { c.SetTitle(QStringLiteral("Someone else's")); } },
        { "another colour", [](PlotChannel& c) { c.SetColor(0x00FF00); } },
        { "on an axis the plot does not have", [](PlotChannel& c) { c.SetYAxisName(QStringLiteral("Elsewhere")); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Plot maker;
        ConfigureCharInfoPlotControl(IPlotPtr(&maker));
        OnLoadQuickOpenGraph(IPlotPtr(&maker), m_progress);
        c.spoil(*maker.ChannelByName(QStringLiteral("CharCurve")));
        const QString path = tempPath(QStringLiteral("spoilt.curve"));
        maker.SaveDataFile(path);
        const auto drawn = std::vector<double>(maker.ChannelByName(QStringLiteral("CharCurve"))->data().ys);

        OnLoadLinearGraph(plot(), m_progress);
        load(path);

        EXPECT_TRUE(prompts().messages().empty());
        ASSERT_EQ(m_plot.ChannelCount(), 1);
        ASSERT_TRUE(curve());
        EXPECT_EQ(xs(), Grid);
        EXPECT_EQ(curve()->data().ys, drawn);
        EXPECT_TRUE(curve()->GetVisible());
        EXPECT_TRUE(curve()->GetLegendVisible());
        EXPECT_EQ(curve()->GetTitle(), QStringLiteral("Characterization"));
        EXPECT_EQ(curve()->GetColor(), 0xFF6633u);
        EXPECT_EQ(curve()->data().yAxisName, QString());
    }
}

TEST_F(CurveFileTest, SaveOfACurveWithNoPointsShowsFileSaveErrorAndWritesNothing)
{
    // A plot whose curve has no points yet, which a refused file leaves so.
    prompts().answerFile(tempPath(QStringLiteral("missing.curve")));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    m_record.LoadStrokeCustom(plot());
    ASSERT_EQ(curve()->Count(), 0);

    const QString path = tempPath(QStringLiteral("empty.curve"));
    prompts().clearRecords();
    prompts().answerFile(path, QStringLiteral("Save Stroke Characterization As"));
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File save error."));
    m_record.SaveStrokeCustom(plot());

    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File save error."));
    EXPECT_EQ(prompts().messages()[0].caption, QString());
    EXPECT_EQ(prompts().messages()[0].owner, nullptr);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(CharacterizationCurveFile, CheckWantsTwentyOneFinitePointsInCharCurve)
{
    auto channel = [](const QString& name, int points, double bad) {
        PlotChannelData data;
        data.name = name;
        for (int k = 0; k < points; ++k) {
            data.xs.push_back(5.0 * k);
            data.ys.push_back(k == 3 ? bad : 5.0 * k);
        }
        return data;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        PlotChannelData data;
        bool accepted;
    };
    const Case cases[] = {
        { channel(QStringLiteral("CharCurve"), 21, 15), true },
        { channel(QStringLiteral("charcurve"), 21, 15), true },
        { channel(QStringLiteral("CharCurve"), 20, 15), false },
        { channel(QStringLiteral("CharCurve"), 22, 15), false },
        { channel(QStringLiteral("CharCurve"), 21, nan), false },
        { channel(QStringLiteral("CharCurve"), 21, std::numeric_limits<double>::infinity()), false },
        { channel(QStringLiteral("Position"), 21, 15), false },
        // An output the device takes lies from 0 to 100 %.
        { channel(QStringLiteral("CharCurve"), 21, 1e300), false },
        { channel(QStringLiteral("CharCurve"), 21, 100.01), false },
        { channel(QStringLiteral("CharCurve"), 21, -0.01), false },
        { channel(QStringLiteral("CharCurve"), 21, 0), true },
        { channel(QStringLiteral("CharCurve"), 21, 100), true },
    };
    for (const Case& c : cases) {
        const std::vector<PlotChannelData> channels { c.data };
        const auto lookup = ResultFileFrame::lookupIn(channels);
        if (c.accepted)
            EXPECT_NO_THROW(CharacterizationCurve::checkFile(lookup)) << c.data.name.toStdString();
        else
            EXPECT_THROW(CharacterizationCurve::checkFile(lookup), ComError) << c.data.name.toStdString();
    }
}
