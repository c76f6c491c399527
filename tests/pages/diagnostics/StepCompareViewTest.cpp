// The step compare page: two step test files run on the simulated positioner
// and saved by the step test page, opened side by side, their channels picked
// with the 18 boxes in both views, refused files, printing and the way back.
#include "PageTexts.h"
#include "StepTestPageTest.h"

#include "CompareChannelBoxToolTips.h"
#include "CompareFileAttempts.h"
#include "CompareSeen.h"
#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "diagnostics/CStepCompareView.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"
#include "step/StepCompare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

using V = CStepCompareView;
using namespace CompareBoxGrid;

const QString OpenTitle = QStringLiteral("Open Step Test Results");
const QString SettingsQuestion
    = QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue");

// How the device stood when a test was run and saved.
struct SavedRun {
    const char* tag = "FV-7";
    const char* start = "25";
    const char* stop = "60";
    const char* hold = "5";
    uint8_t unit = 7;
    uint8_t sensors = 1;
    uint8_t singleActing = 0;
    double frictionFactor = 1.0;
    QDate date { 2025, 3, 5 };
    bool stopEarly = false; // stopped while the signature is read out
};

class StepCompareViewTest : public StepTestPageTest
{
protected:
    void SetUp() override
    {
        StepTestPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        StepTestPageTest::TearDown();
    }

    V& compare() { return page<V>(); }

    void startOn(const char* path)
    {
        m_path = path;
        clock().setLocalStart(QDateTime(QDate(2025, 3, 5), QTime(9, 5, 0)));
        showPage(path);
        m_friction = device(path).physics().staticFrictionLbf;
    }

    // A step test run on the simulated positioner and saved by the step test
    // page under `name`.
    QString savedRun(const QString& name, const SavedRun& run)
    {
        select(StepTestCode);
        clock().advance(1000);
        const qint64 elapsed = QDateTime(QDate(2025, 3, 5), QTime(9, 5, 0)).msecsTo(clock().localNow());
        clock().setLocalStart(QDateTime(run.date, QTime(9, 5, 0)).addMSecs(-elapsed));
        setFriction(m_friction * run.frictionFactor, m_path);
        device(m_path).setTag(QByteArray(run.tag));
        DeviceData& dd = data();
        dd.PressureUnit = run.unit;
        EXPECT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteUnits));
        dd.PressureSensorFlag = run.sensors;
        dd.Config28Bit5 = run.singleActing;
        typeSettings(run.start, run.stop, run.hold);
        startTest();
        if (run.stopEarly) {
            for (int k = 0; k < 600 && step().sampleCount() < 60; ++k)
                clock().advance(500);
            step().OnStopTest();
        } else {
            runToCompletion();
        }
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Step Test Results As"));
        step().OnSaveResults();
        return path;
    }

    void showCompare()
    {
        select(V::StepTestCode * 10 + 1);
        clock().advance(1000);
        ASSERT_EQ(app().shownPage(), &compare());
    }

    bool open1(const QString& path, std::optional<std::pair<int, QString>> box = std::nullopt)
    {
        prompts().answerFile(path, OpenTitle);
        if (box)
            prompts().answerMessage(box->first, box->second);
        compare().OnOpenFile1();
        return compare().file1Loaded();
    }
    bool open2(const QString& path, std::optional<std::pair<int, QString>> box = std::nullopt)
    {
        prompts().answerFile(path, OpenTitle);
        if (box)
            prompts().answerMessage(box->first, box->second);
        compare().OnOpenFile2();
        return compare().file2Loaded();
    }

    QString field(int id) { return compare().windowText(id); }
    bool on(int id) { return compare().control(id)->isEnabled(); }
    bool ticked(int id) { return compare().controlAs<QAbstractButton>(id)->isChecked(); }
    bool shown(int id) { return compare().control(id)->isVisibleTo(&compare()); }
    void click(int id) { compare().controlAs<QAbstractButton>(id)->click(); }
    IPlotChannelPtr trace(const char* name) { return compare().plot()->ChannelByName(QString::fromLatin1(name)); }
    bool drawn(const char* name) { return trace(name)->GetVisible(); }
    bool axisShown(bool x, const char* name)
    {
        const IPlotAxisPtr axis = x ? compare().plot()->XAxisByName(QString::fromLatin1(name))
                                    : compare().plot()->YAxisByName(QString::fromLatin1(name));
        return axis->GetVisible() && axis->GetTitleVisible();
    }
    std::set<std::string> drawnChannels()
    {
        std::set<std::string> names;
        for (const PlotChannel* c : compare().plot()->channels())
            if (c->GetVisible())
                names.insert(c->GetName().toStdString());
        return names;
    }

    // What the user sees of the page and what Print takes: every field,
    // every box (ticked, usable), "2..." and Print, and the drawn channels.
    using Seen = CompareSeen;
    Seen seen()
    {
        Seen s;
        for (const ControlSpec& spec : V::Template.controls)
            if (spec.kind == ControlSpec::Kind::Edit)
                s.fields[spec.id] = field(spec.id);
        for (int box : allBoxes())
            s.boxes[box] = { ticked(box), on(box) };
        s.file2 = on(V::OpenFile2Button);
        s.print = on(V::PrintButton);
        s.drawn = drawnChannels();
        return s;
    }
    void expectSeen(const Seen& expected, const std::string& what) { expectSameSeen(expected, seen(), what); }
    QString printed()
    {
        ownProgramFolder({ "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        return QFileInfo::exists(pdf) ? ReportTestSupport::pdfText(pdf).simplified() : QString();
    }

    const char* m_path = K90Path;
    double m_friction = 0.0;
    RecordingPrintBackend m_printed;
};

TEST_F(StepCompareViewTest, SetUpHidesEveryChannelAndWaitsForFileOne)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        showCompare();
        ASSERT_TRUE(compare().plot());
        ASSERT_TRUE(compare().scratchPlot());
        EXPECT_FALSE(compare().scratchPlot()->isVisible());
        EXPECT_EQ(compare().scratchPlot()->ChannelCount(), 10);
        EXPECT_TRUE(compare().scratchPlot()->ChannelByName(QStringLiteral("TestSettings")));
        const IPlotPtr& plot = compare().plot();
        ASSERT_EQ(plot->ChannelCount(), 24);
        const IPlotChannelPtr diff = plot->Channel(23);
        EXPECT_EQ(diff->GetName(), QStringLiteral("PvPPort2Diff"));
        EXPECT_EQ(diff->GetTitle(), QStringLiteral("Port2 Delta Pressure (2 - 1)"));
        EXPECT_EQ(diff->GetColor(), 0xCC00CCu);
        EXPECT_EQ(diff->GetXAxisName(), QStringLiteral("Position"));
        EXPECT_EQ(diff->GetYAxisName(), QStringLiteral("Pressure"));
        EXPECT_EQ(diff->GetMarkerStyle(), 5);
        EXPECT_TRUE(drawnChannels().empty()) << path;
        for (int box : allBoxes())
            EXPECT_FALSE(ticked(box)) << path << " " << box;
        EXPECT_FALSE(on(V::StepViewButton));
        EXPECT_TRUE(on(V::PressureViewButton));
        EXPECT_FALSE(on(V::OpenFile2Button));
        EXPECT_FALSE(on(V::PrintButton));
        EXPECT_TRUE(on(V::OpenFile1Button));
        // Every tooltip, the page's own and the channel boxes'; the plot carries none.
        expectToolTips(compare(),
            withCompareChannelBoxToolTips({
                { StripPage::LedId, "LED status" },
                { StripPage::ActiveId,
                    "Active Indicator displays the highest priority active status indicator and its respective "
                    "number." },
                { StripPage::SourceId,
                    "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
                { V::OpenFile1Button, "Click this button to open the first comparison file." },
                { V::OpenFile2Button, "Click this button to open the second comparison file." },
                { V::BackButton, "Return to the Step Test page." },
                { V::PrintButton, "Print a comparison report to the default printer." },
                { V::StepViewButton, "View a Step Test comparison." },
                { V::PressureViewButton, "View a Pressure vs. Position comparison." },
            }));
        // The column captions, bold, above the settings and the boxes.
        for (const auto& [id, caption] : { std::pair { int(V::SettingsCaption1), "1" }, { V::SettingsCaption2, "2" },
                 { Caption1, "1" }, { Caption2, "2" } }) {
            EXPECT_EQ(compare().windowText(id), QString::fromLatin1(caption)) << id;
            EXPECT_TRUE(compare().control(id)->font().bold()) << id;
        }
        // A second set-up leaves 24 channels.
        compare().OnInitialUpdate();
        EXPECT_EQ(plot->ChannelCount(), 24);
        m_app.reset();
    }
}

TEST_F(StepCompareViewTest, BeforeAnyFileThePressureViewChangesOnlyTitleAxesAndButtons)
{
    startOn(K90Path);
    showCompare();
    click(V::PressureViewButton);
    EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Pressure Vs Position"));
    EXPECT_TRUE(axisShown(true, "Position"));
    EXPECT_TRUE(axisShown(false, "Pressure"));
    EXPECT_FALSE(axisShown(true, "Time"));
    EXPECT_TRUE(on(V::StepViewButton));
    EXPECT_FALSE(on(V::PressureViewButton));
    EXPECT_TRUE(drawnChannels().empty());
    for (int box : allBoxes())
        EXPECT_FALSE(ticked(box)) << box;
}

TEST_F(StepCompareViewTest, FileOneFillsItsColumnAndShowsItsSignals)
{
    startOn(K90Path);
    const QString file = savedRun(QStringLiteral("one.stp"), SavedRun {});
    showCompare();
    prompts().clearRecords();
    ASSERT_TRUE(open1(file));
    const auto& dialog = prompts().records().front().dialog;
    EXPECT_EQ(dialog.title, OpenTitle);
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.stp)|*.stp|"));
    const struct {
        int id;
        QString text;
    } fields[] = { { V::Tag1Edit, QStringLiteral("FV-7") }, { V::Date1Edit, QStringLiteral("3/5/2025") },
        { V::File1Edit, file }, { V::Start1Edit, QStringLiteral("25") }, { V::Stop1Edit, QStringLiteral("60") },
        { V::Hold1Edit, QStringLiteral("5") }, { V::SingleActing1Edit, QStringLiteral("NO") },
        { V::Sensors1Edit, QStringLiteral("YES") }, { V::Tag2Edit, QString() }, { V::Start2Edit, QString() } };
    for (const auto& f : fields)
        EXPECT_EQ(field(f.id), f.text) << f.id;
    for (int box : { Position1, Command1, Port1First, Port2First, RelayCommand1, RelayPosition1 })
        EXPECT_TRUE(ticked(box)) << box;
    for (int box : { Position2, PositionDiff, Port1Second, Port1Diff })
        EXPECT_FALSE(ticked(box)) << box;
    EXPECT_EQ(drawnChannels(), (std::set<std::string> { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" }));
    EXPECT_EQ(compare().plot()->YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [bar]"));
    EXPECT_TRUE(on(V::OpenFile2Button));
    EXPECT_TRUE(on(V::PrintButton));
    EXPECT_TRUE(on(V::PressureViewButton));
    EXPECT_FALSE(compare().pressureView());
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
}

TEST_F(StepCompareViewTest, FileTwoOfTheSameSettingsChecksEveryBoxAndDrawsTheDifferences)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun other;
    other.tag = "FV-8";
    other.date = QDate(2025, 11, 12);
    const QString second = savedRun(QStringLiteral("two.stp"), other);
    showCompare();
    ASSERT_TRUE(open1(first));
    prompts().clearRecords();
    ASSERT_TRUE(open2(second));
    EXPECT_TRUE(prompts().messageTexts().isEmpty()) << "no question";
    for (int box : allBoxes()) {
        EXPECT_TRUE(ticked(box)) << box;
        EXPECT_TRUE(on(box)) << box;
    }
    EXPECT_EQ(field(V::Tag2Edit), QStringLiteral("FV-8"));
    EXPECT_EQ(field(V::Date2Edit), QStringLiteral("11/12/2025"));
    EXPECT_EQ(field(V::File2Edit), second);
    EXPECT_EQ(field(V::Sensors2Edit), QStringLiteral("YES"));
    const struct {
        const char* name;
        int spacing;
    } marked[] = { { "Position2", 25 }, { "Command2", 20 }, { "PvPPort2_2", 22 }, { "PositionDiff", 25 } };
    for (const auto& m : marked) {
        const IPlotChannelPtr c = trace(m.name);
        ASSERT_GT(c->Count(), 60) << m.name;
        for (int k = 0; k < c->Count(); ++k)
            EXPECT_EQ(c->GetPointMarked(k), k % m.spacing == 0) << m.name << " " << k;
    }
    const IPlotChannelPtr one = trace("Position");
    const IPlotChannelPtr two = trace("Position2");
    const IPlotChannelPtr diff = trace("PositionDiff");
    ASSERT_EQ(diff->Count(), std::min(one->Count(), two->Count()));
    for (int k : { 0, 10, 40, diff->Count() - 1 }) {
        EXPECT_DOUBLE_EQ(diff->GetX(k), one->GetX(k)) << k;
        EXPECT_DOUBLE_EQ(diff->GetY(k), one->GetY(k) - two->GetY(k)) << k;
    }
    EXPECT_EQ(drawnChannels().size(), 18u);
}

TEST_F(StepCompareViewTest, FileTwoOfOtherSettingsAsksAndCancelLeavesThePage)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun stop61;
    stop61.stop = "61";
    SavedRun unit12;
    unit12.unit = 12;
    const struct {
        const char* what;
        QString file;
    } cases[] = { { "stop 61", savedRun(QStringLiteral("stop.stp"), stop61) },
        { "unit 12", savedRun(QStringLiteral("unit.stp"), unit12) } };
    showCompare();
    for (const auto& c : cases) {
        ASSERT_TRUE(open1(first)) << c.what;
        prompts().clearRecords();
        EXPECT_FALSE(open2(c.file, std::make_pair(int(Prompts::IdCancel), SettingsQuestion))) << c.what;
        ASSERT_EQ(prompts().messages().size(), 1u) << c.what;
        EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("Compare"));
        EXPECT_EQ(prompts().messages()[0].buttons, Prompts::Buttons::OkCancel);
        EXPECT_EQ(prompts().messages()[0].owner, &compare());
        EXPECT_EQ(trace("Position2")->Count(), 0) << c.what;
        EXPECT_FALSE(ticked(Position2)) << c.what;
        EXPECT_EQ(field(V::Tag2Edit), QString()) << c.what;

        EXPECT_TRUE(open2(c.file, std::make_pair(int(Prompts::IdOk), SettingsQuestion))) << c.what;
        EXPECT_GT(trace("Position2")->Count(), 0) << c.what;
        EXPECT_TRUE(ticked(Position2)) << c.what;
        EXPECT_EQ(field(V::Stop2Edit), QString::fromLatin1(c.what == cases[0].what ? "61" : "60")) << c.what;
    }
}

TEST_F(StepCompareViewTest, FileTwoWithoutSensorsKeepsItsPortBoxesAndChannelsOff)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun noSensors;
    noSensors.sensors = 0;
    const QString second = savedRun(QStringLiteral("two.stp"), noSensors);
    showCompare();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second, std::make_pair(int(Prompts::IdOk), SettingsQuestion)));
    for (int box : { Port1Second, Port2Second, Port1Diff, Port2Diff }) {
        EXPECT_FALSE(on(box)) << box;
        EXPECT_FALSE(ticked(box)) << box;
    }
    for (const char* name : { "Port1_2", "Port2_2", "Port1Diff", "Port2Diff" })
        EXPECT_FALSE(drawn(name)) << name;
    EXPECT_TRUE(drawn("Port1"));
    EXPECT_TRUE(drawn("Position2"));
    EXPECT_EQ(field(V::Sensors2Edit), QStringLiteral("NO"));

    // In the pressure view file 1's port 1 is drawn on the pressure axis
    // though file 2 has no port boxes ticked.
    click(V::PressureViewButton);
    EXPECT_TRUE(ticked(Port1First));
    EXPECT_EQ(drawnChannels(), (std::set<std::string> { "PvPPort1", "PvPPort2" }));
    for (int box : { Port1Second, Port2Second, Port1Diff, Port2Diff }) {
        EXPECT_FALSE(on(box)) << box;
        EXPECT_FALSE(ticked(box)) << box;
    }
    EXPECT_TRUE(axisShown(true, "Position"));
    EXPECT_TRUE(axisShown(false, "Pressure"));
}

TEST_F(StepCompareViewTest, AFileStoppedDuringItsReadOutComparesOverItsLength)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun early;
    early.stopEarly = true;
    const QString second = savedRun(QStringLiteral("short.stp"), early);
    showCompare();
    prompts().clearRecords();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    ASSERT_LT(trace("Position2")->Count(), trace("Position")->Count());
    EXPECT_EQ(trace("PositionDiff")->Count(), trace("Position2")->Count());
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
}

TEST_F(StepCompareViewTest, BoxRulesInBothViews)
{
    startOn(K90Path);
    const QString both = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun single;
    single.singleActing = 1;
    const QString singleActing = savedRun(QStringLiteral("single.stp"), single);
    SavedRun none;
    none.sensors = 0;
    const QString noSensors = savedRun(QStringLiteral("none.stp"), none);
    showCompare();

    // Both port 1 boxes cleared: the next step view keeps the pressure axis
    // for the port 2 traces still checked.
    ASSERT_TRUE(open1(both));
    ASSERT_TRUE(open2(both));
    click(Port1First);
    click(Port1Second);
    EXPECT_FALSE(drawn("Port1"));
    EXPECT_TRUE(ticked(Port1Diff)) << "a click leaves the difference box until the next view";
    EXPECT_TRUE(axisShown(false, "Pressure")) << "a click touches no axis";
    compare().ShowStepView();
    EXPECT_TRUE(ticked(Port2First));
    EXPECT_TRUE(drawn("Port2"));
    EXPECT_TRUE(axisShown(false, "Pressure"));
    EXPECT_FALSE(on(Port1Diff));
    EXPECT_FALSE(ticked(Port1Diff));

    // The pressure view: the non-port boxes disabled; the axis follows the
    // file 2 port boxes; the boxes draw their pressure channels.
    click(V::PressureViewButton);
    for (int box : { Position1, Position2, PositionDiff, Command1, Command2, CommandDiff, RelayCommand1, RelayCommand2,
             RelayCommandDiff, RelayPosition1, RelayPosition2, RelayPositionDiff })
        EXPECT_FALSE(on(box)) << box;
    EXPECT_EQ(drawnChannels(),
        (std::set<std::string> { "PvPPort1", "PvPPort1_2", "PvPPort1Diff", "PvPPort2", "PvPPort2_2", "PvPPort2Diff" }));
    EXPECT_TRUE(axisShown(false, "Pressure"));
    click(Port1Second);
    EXPECT_FALSE(drawn("PvPPort1_2"));
    EXPECT_FALSE(drawn("Port1_2"));
    click(Position1);
    EXPECT_TRUE(drawnChannels().count("Position") == 0);

    // A single-acting file 1: its port 2 box off in both views.
    ASSERT_TRUE(open1(singleActing));
    for (bool pressure : { false, true }) {
        click(pressure ? V::PressureViewButton : V::StepViewButton);
        EXPECT_FALSE(on(Port2First)) << pressure;
        EXPECT_FALSE(ticked(Port2First)) << pressure;
        EXPECT_FALSE(drawn("Port2"));
        EXPECT_FALSE(drawn("PvPPort2"));
    }

    // File 1 without sensors: both its port boxes off and no pressure view.
    click(V::StepViewButton);
    ASSERT_TRUE(open1(noSensors));
    EXPECT_FALSE(on(Port1First));
    EXPECT_FALSE(ticked(Port1First));
    EXPECT_FALSE(on(Port2First));
    EXPECT_FALSE(ticked(Port2First));
    EXPECT_FALSE(on(V::PressureViewButton));
    EXPECT_FALSE(drawn("Port1"));
    EXPECT_FALSE(drawn("Port2"));
}

TEST_F(StepCompareViewTest, TheSmallerModelHasNoPortTwoRow)
{
    startOn(K40Path);
    const QString file = savedRun(QStringLiteral("one.stp"), SavedRun {});
    V& page = compare();
    const QRect port2[] = { page.controlRect(Port2First), page.controlRect(Port2Second), page.controlRect(Port2Diff) };
    showCompare();
    for (int box : { Port2First, Port2Second, Port2Diff })
        EXPECT_FALSE(shown(box)) << box;
    // The relay rows sit one row higher: the command row where port 2 was,
    // the position row right below it (rows are a pixel apart at most).
    const int step = page.controlRect(Port1First).top() - page.controlRect(Command1).top();
    EXPECT_EQ(page.controlRect(RelayCommand1), port2[0]);
    EXPECT_EQ(page.controlRect(RelayCommand2), port2[1]);
    EXPECT_EQ(page.controlRect(RelayCommandDiff), port2[2]);
    EXPECT_NEAR(page.controlRect(Port2First).top(), page.controlRect(Port1First).top() + step, 1);
    EXPECT_NEAR(page.controlRect(RelayPosition1).top(), page.controlRect(RelayCommand1).top() + step, 1);
    EXPECT_EQ(page.controlRect(RelayPosition1).left(), page.controlRect(RelayCommand1).left());
    ASSERT_TRUE(open1(file));
    ASSERT_TRUE(open2(file));
    for (bool pressure : { false, true }) {
        click(pressure ? V::PressureViewButton : V::StepViewButton);
        for (const char* name : { "Port2", "Port2_2", "Port2Diff", "PvPPort2", "PvPPort2_2", "PvPPort2Diff" })
            EXPECT_FALSE(drawn(name)) << name << " " << pressure;
        EXPECT_FALSE(ticked(Port2First));
    }
}

TEST_F(StepCompareViewTest, RefusedFilesLeaveWhatWasShown)
{
    startOn(K90Path);
    const QString good = savedRun(QStringLiteral("one.stp"), SavedRun {});
    QFile whole(good);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString truncated = tempPath(QStringLiteral("truncated.stp"));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() * 2 / 3));
    cut.close();
    const QString junk = tempPath(QStringLiteral("junk.stp"));
    QFile other(junk);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a plot file at all");
    other.close();
    showCompare();
    ASSERT_TRUE(open1(good));
    const int points = trace("Position")->Count();
    for (const QString& file : { truncated, junk }) {
        prompts().clearRecords();
        EXPECT_FALSE(open2(file, std::make_pair(int(Prompts::IdOk), QStringLiteral("File open error."))));
        ASSERT_EQ(prompts().messages().size(), 1u);
        EXPECT_EQ(prompts().messages()[0].caption, QString());
        EXPECT_EQ(field(V::Tag1Edit), QStringLiteral("FV-7"));
        EXPECT_EQ(trace("Position")->Count(), points);
        EXPECT_TRUE(drawn("Position"));
        EXPECT_EQ(field(V::Tag2Edit), QString());
    }
    // A failed file 1 leaves nothing loaded: the page is as before any file.
    EXPECT_FALSE(open1(junk, std::make_pair(int(Prompts::IdOk), QStringLiteral("File open error."))));
    EXPECT_EQ(trace("Position")->Count(), 0);
    EXPECT_EQ(field(V::Tag1Edit), QString());
    EXPECT_FALSE(on(V::OpenFile2Button));
    EXPECT_FALSE(on(V::PrintButton));
    EXPECT_FALSE(compare().file1Loaded());
}

TEST_F(StepCompareViewTest, ACancelledOrRefusedFileOneLeavesThePageAsBeforeAnyFile)
{
    const QString junk = tempPath(QStringLiteral("junk.stp"));
    ASSERT_TRUE(CompareFileAttempts::writeJunk(junk, "not a plot file at all"));
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
        SavedRun other;
        other.tag = "FV-8";
        const QString second = savedRun(QStringLiteral("two.stp"), other);
        showCompare();
        const Seen fresh = seen();
        for (const bool refused : { false, true }) {
            const std::string what = std::string(path) + (refused ? " refused" : " cancelled");
            ASSERT_TRUE(open1(first)) << what;
            ASSERT_TRUE(open2(second)) << what;
            click(V::PressureViewButton);
            if (refused) {
                EXPECT_FALSE(open1(junk, std::make_pair(int(Prompts::IdOk), QStringLiteral("File open error."))));
            } else {
                prompts().answerFile(std::nullopt, OpenTitle);
                compare().OnOpenFile1();
            }
            EXPECT_FALSE(compare().file1Loaded()) << what;
            EXPECT_FALSE(compare().file2Loaded()) << what;
            expectSeen(fresh, what);
            EXPECT_FALSE(compare().pressureView()) << what;
            EXPECT_EQ(trace("Position")->Count(), 0) << what;
            EXPECT_EQ(trace("Position2")->Count(), 0) << what;
            // Nothing comes back at the next views.
            click(V::PressureViewButton);
            click(V::StepViewButton);
            expectSeen(fresh, what + ", after the views");
        }
        m_app.reset();
    }
}

TEST_F(StepCompareViewTest, AFileTwoNotAcceptedLeavesTheFileTwoShownAndPrintedBefore)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun refusedRun;
    refusedRun.tag = "FV-9";
    refusedRun.stop = "61";
    const QString other = savedRun(QStringLiteral("other.stp"), refusedRun);
    SavedRun accepted;
    accepted.tag = "FV-8";
    const QString second = savedRun(QStringLiteral("two.stp"), accepted);
    const QString junk = tempPath(QStringLiteral("junk.stp"));
    ASSERT_TRUE(CompareFileAttempts::writeJunk(junk, "not a plot file at all"));
    showCompare();
    for (const auto& [withFile2, attempt, what] : CompareFileAttempts::fileTwoAttempts()) {
        ASSERT_TRUE(open1(first)) << what;
        if (withFile2) {
            ASSERT_TRUE(open2(second)) << what;
        }
        const Seen before = seen();
        prompts().clearRecords();
        if (attempt == CompareFileAttempts::Attempt::NoAtTheQuestion) {
            open2(other, std::make_pair(int(Prompts::IdCancel), SettingsQuestion));
        } else {
            CompareFileAttempts::scriptNotAccepted(prompts(), attempt, junk, OpenTitle);
            compare().OnOpenFile2();
        }
        EXPECT_EQ(compare().file2Loaded(), withFile2) << what;
        expectSeen(before, what);
        // The next views show file 2 as before.
        click(V::PressureViewButton);
        click(V::StepViewButton);
        expectSeen(before, what + ", after the views");

        const QString text = printed();
        EXPECT_TRUE(text.contains(first)) << what << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("FV-9"))) << what << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(other)) << what;
        EXPECT_EQ(text.contains(QStringLiteral("FV-8")), withFile2) << what << "\n" << text.toStdString();
        EXPECT_EQ(text.contains(second), withFile2) << what;
    }
}

TEST_F(StepCompareViewTest, TwiceTheFrictionLagsAndTheDifferenceSettles)
{
    startOn(K90Path);
    SavedRun base;
    base.start = "30";
    base.stop = "70";
    const QString first = savedRun(QStringLiteral("one.stp"), base);
    SavedRun stiff = base;
    stiff.frictionFactor = 2.0;
    const QString second = savedRun(QStringLiteral("two.stp"), stiff);
    showCompare();
    ASSERT_TRUE(open1(first));
    prompts().clearRecords();
    ASSERT_TRUE(open2(second));
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
    const IPlotChannelPtr one = trace("Position");
    const IPlotChannelPtr diff = trace("PositionDiff");
    // The stiffer valve lags behind the first on the way up: file 2 less
    // file 1 stays below zero while the valve moves.
    int moving = 0;
    for (int k = 0; k < diff->Count(); ++k) {
        if (one->GetY(k) > 35 && one->GetY(k) < 65) {
            ++moving;
            EXPECT_LT(diff->GetY(k), 0.0) << k;
        }
    }
    EXPECT_GT(moving, 0);
    EXPECT_NEAR(diff->GetY(diff->Count() - 1), 0.0, 1.5);
}

TEST_F(StepCompareViewTest, PrintFillsTheReportAndReturnsToTheStepView)
{
    // Each shipped definition names its model in the page heading.
    const struct {
        const char* path;
        const char* definition;
        uint8_t model;
        const char* heading;
    } cases[] = { { K90Path, "StepTestCmpRept.xml", 5, "K90 positioner" },
        { K40Path, "StepTestCmpRept_K40.xml", 6, "K40 positioner" } };
    for (const auto& c : cases) {
        startOn(c.path);
        const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
        SavedRun other;
        other.tag = "FV-8";
        other.hold = "7";
        const QString second = savedRun(QStringLiteral("two.stp"), other);
        showCompare();
        ASSERT_TRUE(open1(first));
        ASSERT_TRUE(open2(second, std::make_pair(int(Prompts::IdOk), SettingsQuestion)));
        click(V::PressureViewButton);
        ownProgramFolder({ "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        EXPECT_EQ(app().records().m_ReportHeader.m_byModel, c.model) << c.definition;
        ASSERT_FALSE(prompts().records().empty());
        const QDateTime now = clock().localNow();
        EXPECT_EQ(prompts().records().front().dialog.initialName,
            QStringLiteral("FV-7_StepTestCompareReport_%1_%2_%3_%4h_%5m")
                .arg(now.date().year())
                .arg(now.date().month())
                .arg(now.date().day())
                .arg(now.time().hour())
                .arg(now.time().minute()))
            << c.definition;
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        for (const QString& expected : { QStringLiteral("Step Test Comparison Report"), QStringLiteral("File #1"),
                 QStringLiteral("File #2"), QStringLiteral("FV-7"), QStringLiteral("FV-8"), first, second,
                 QStringLiteral("Hold Time: 5"), QStringLiteral("Hold Time: 7"), QStringLiteral("Single Acting: NO"),
                 QStringLiteral("Sensors Available: YES") })
            EXPECT_TRUE(text.contains(expected)) << c.definition << ": " << expected.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("DEVICE TAG ID"))) << c.definition;
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.heading))) << c.definition;
        EXPECT_EQ(ReportPictures::picturedFields(ReportPictures::reportOf(compare()), { "StepGrph", "StepGrph2" }),
            QStringList({ "StepGrph", "StepGrph2" }))
            << c.definition;
        EXPECT_FALSE(compare().pressureView()) << c.definition;
        EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Step Test")) << c.definition;
        EXPECT_TRUE(compare().plot()->ScreenBar(0)->GetVisible());
        m_app.reset();
    }
}

// A comparison of one file shows and prints that file: no settings or flags
// under File #2, no file 2 or difference traces in the legends, and each
// trace on the page and in the pictures read on an axis of its own (the
// printed port 1 pressure on the pressure axis, as on the page).
TEST_F(StepCompareViewTest, OneFileShowsAndPrintsOnlyThatFileEachTraceOnAnAxisShown)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
        showCompare();
        ASSERT_TRUE(open1(first));
        DrawnPlotTexts drawn;
        for (int view : { V::PressureViewButton, V::StepViewButton }) {
            click(view);
            compare().grab();
        }
        ownProgramFolder({ "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("one.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        for (const char* once :
            { "Start Position:", "Stop Position:", "Hold Time:", "Single Acting:", "Sensors Available:", "FV-7" })
            EXPECT_EQ(text.count(QString::fromLatin1(once)), 1) << path << ": " << once << "\n" << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Single Acting: NO Sensors Available: YES"))) << text.toStdString();
        QStringList entries;
        for (const char* title : { "Step Test", "Pressure Vs Position" })
            for (const DrawnPlotTexts::Painting& painting : drawn.titled(QString::fromLatin1(title)))
                for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
                    entries << entry.text;
        EXPECT_FALSE(entries.isEmpty()) << path;
        for (const QString& entry : entries)
            EXPECT_TRUE(!entry.contains(QStringLiteral(" 2")) && !entry.contains(QStringLiteral("Delta")))
                << path << ": " << entry.toStdString();
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

TEST_F(StepCompareViewTest, EachViewsPictureGoesIntoItsOwnFieldOfTheReport)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun other;
    other.tag = "FV-8";
    const QString second = savedRun(QStringLiteral("two.stp"), other);
    showCompare();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    ownProgramFolder({ "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" });
    prompts().answerFile(tempPath(QStringLiteral("pictures.pdf")));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    compare().OnPrintReport();
    const ReportControl* report = compare().findChild<ReportControl*>();
    ASSERT_TRUE(report);
    const ReportDocument document = report->layoutDocument();
    const auto view = [this](int button) { return [this, button] { click(button); }; };
    EXPECT_EQ(ReportPictures::viewsInFields(document, *compare().plot().get(),
                  { { "StepGrph", view(V::StepViewButton) }, { "StepGrph2", view(V::PressureViewButton) } }),
        ReportPictures::inOrder(2));
}

TEST_F(StepCompareViewTest, ADefinitionWithoutAKeyGivesOnlyItsMessage)
{
    const QString home = tempPath(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/Dependencies"));
    QFile shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/Dependencies/StepTestCmpRept.xml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArrayList kept;
    for (const QByteArray& line : shipped.readAll().split('\n'))
        if (!line.contains("\"SensorsAvail2Lbl\""))
            kept << line;
    QFile broken(home + QStringLiteral("/Dependencies/StepTestCmpRept.xml"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(kept.join('\n'));
    broken.close();

    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    showCompare();
    ASSERT_TRUE(open1(first));
    qputenv("STROKEWISE_HOME", home.toUtf8());
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    compare().OnPrintReport();
    qunsetenv("STROKEWISE_HOME");
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Step Test"));
}

TEST_F(StepCompareViewTest, TheGrabbedPageShowsTheDeltaSignAndThePositionColour)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    SavedRun other;
    other.tag = "FV-8";
    const QString second = savedRun(QStringLiteral("two.stp"), other);
    showCompare();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    // Only position traces, so that the colour found is theirs.
    for (int box : allBoxes())
        if (box != Position1 && box != Position2 && box != PositionDiff && ticked(box))
            click(box);
    const auto count = [](const QImage& image, const QRect& where, auto test) {
        int n = 0;
        for (int y = where.top(); y <= where.bottom(); ++y)
            for (int x = where.left(); x <= where.right(); ++x)
                n += test(QColor(image.pixel(x, y))) ? 1 : 0;
        return n;
    };
    const auto isPositionRed = [](const QColor& c) { return c.red() > 230 && c.green() < 40 && c.blue() < 40; };
    QImage image = compare().grab().toImage();
    const QRect box = compare().controlRect(PositionDiff);
    const int step = compare().controlRect(Command1).top() - compare().controlRect(Position1).top();
    const QRect delta(box.left(), box.top() - step, box.height() * 2, step);
    EXPECT_GT(count(image, delta, [](const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; }), 4);
    const QRect plotArea = compare().controlRect(V::PlotFrame);
    EXPECT_GT(count(image, plotArea, isPositionRed), 20);
    click(V::PressureViewButton);
    image = compare().grab().toImage();
    EXPECT_EQ(count(image, plotArea, isPositionRed), 0);
}

TEST_F(StepCompareViewTest, BackShowsTheStepTestPageAndTheDeviceHearsNothing)
{
    startOn(K90Path);
    const QString first = savedRun(QStringLiteral("one.stp"), SavedRun {});
    const QString second = savedRun(QStringLiteral("two.stp"), SavedRun {});
    showCompare();
    device(K90Path).clearRequests();
    clock().advance(60000);
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    click(V::PressureViewButton);
    click(Port1First);
    click(V::StepViewButton);
    const QString pdf = tempPath(QStringLiteral("c.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo);
    compare().OnPrintReport();
    clock().advance(60000);
    EXPECT_EQ(joined(sent()), "") << "the compare page sends nothing";
    click(V::BackButton);
    clock().advance(1000);
    EXPECT_EQ(app().shownPage(), &step());
}

TEST_F(StepCompareViewTest, AllEighteenTracesOnThePageAndInTheReportKeepTheirLegendEntriesWhole)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        SavedRun wide;
        wide.start = "5";
        wide.stop = "95";
        wide.hold = "20";
        const QString first = savedRun(QStringLiteral("one.stp"), wide);
        wide.frictionFactor = 3.0;
        const QString second = savedRun(QStringLiteral("two.stp"), wide);
        showCompare();
        ASSERT_TRUE(open1(first));
        ASSERT_TRUE(open2(second));
        DrawnPlotTexts drawn;
        for (int view : { V::PressureViewButton, V::StepViewButton }) {
            click(view);
            compare().grab();
        }
        ownProgramFolder({ "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("readable.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save Step Test Compare Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        compare().OnPrintReport();
        ASSERT_TRUE(QFileInfo::exists(pdf)) << path;
        size_t mostEntries = 0;
        for (const DrawnPlotTexts::Painting& painting : drawn.titled(QStringLiteral("Step Test")))
            mostEntries = std::max(mostEntries, painting.texts.legendEntries.size());
        EXPECT_EQ(mostEntries, std::string(path) == K90Path ? 18u : 15u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

} // namespace

TEST_F(StepCompareViewTest, FileOneRecordedOnTheOtherModelHeadsTheReportAsItsOwnDevice)
{
    // Saved on the smaller model, then compared on the larger one, and the
    // other way round: the report names file 1's device, never the connected one.
    const struct {
        const char* recordedOn;
        const char* comparedOn;
        const char* tag;
        const char* ownHead;
        const char* connectedHead;
    } cases[] = {
        { K40Path, K90Path, "FV-40", "K40 positioner", "K90 positioner" },
        { K90Path, K40Path, "FV-90", "K90 positioner", "K40 positioner" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recordedOn);
        startOn(c.recordedOn);
        SavedRun run;
        run.tag = c.tag;
        const QString file = savedRun(QStringLiteral("other.stp"), run);
        m_app.reset();
        SimTestHooks::reset();

        startOn(c.comparedOn);
        showCompare();
        ASSERT_TRUE(open1(file));
        // The file says its actuator is double acting, but the smaller model
        // has no port 2: the larger one offers none for it, in either place.
        if (std::string(c.recordedOn) == K40Path) {
            ASSERT_TRUE(open2(file));
            for (int view : { V::PressureViewButton, V::StepViewButton }) {
                click(view);
                for (int box : { Port2First, Port2Second, Port2Diff })
                    EXPECT_FALSE(ticked(box) || on(box)) << view << ", box " << box;
                for (const char* name : { "Port2", "Port2_2", "Port2Diff", "PvPPort2", "PvPPort2_2", "PvPPort2Diff" })
                    EXPECT_FALSE(drawn(name)) << name;
                EXPECT_TRUE(ticked(Port1First) && ticked(Port1Second)) << view;
            }
        }
        const QString text = printed();
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.ownHead))) << text.toStdString();
        EXPECT_FALSE(text.contains(QString::fromLatin1(c.connectedHead))) << text.toStdString();
        m_app.reset();
        SimTestHooks::reset();
    }
}
