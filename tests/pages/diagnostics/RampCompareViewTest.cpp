// The ramp compare page: ramp tests run on the simulated positioner and
// saved by the ramp test page, opened side by side, their fields, the box
// rules of the four views, printing and the way back.
#include "PageTexts.h"
#include "RampTestPageTest.h"

#include "CompareChannelBoxToolTips.h"
#include "CompareFileAttempts.h"
#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "diagnostics/CRampTestCompare.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{

using V = CRampTestCompare;
using Ramp = CRampTest;
using namespace CompareBoxGrid;

const QString OpenTitle = QStringLiteral("Open Ramp Test Results");

// How the device stood when a ramp was run and saved.
struct SavedRamp {
    const char* tag = "FV-9";
    const char* start = "10";
    const char* stop = "90";
    const char* hold = "3";
    const char* duration = "45";
    bool bidirectional = true;
    uint8_t pressureUnit = 7;
    uint8_t sensors = 1;
    uint8_t singleActing = 0;
    double frictionFactor = 1.0;
};

class RampCompareViewTest : public RampTestPageTest
{
protected:
    void SetUp() override
    {
        RampTestPageTest::SetUp();
        PrintBackend::install(&m_printed);
        // Reports print from a program folder of the test's own, so that the
        // pictures written there are not shared with other test processes.
        m_home = tempPath(QStringLiteral("home"));
        QDir().mkpath(dependencies());
        for (const char* name : { "RampTestCmpRept.xml", "RampTestCmpRept_K40.xml" })
            QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Dependencies/") + QLatin1String(name),
                dependencies() + QLatin1String(name));
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        qunsetenv("STROKEWISE_HOME");
        RampTestPageTest::TearDown();
    }
    QString dependencies() const { return m_home + QStringLiteral("/Dependencies/"); }

    V& compare() { return page<V>(); }

    void startOn(const char* path)
    {
        m_path = path;
        clock().setLocalStart(QDateTime(QDate(2025, 6, 7), QTime(9, 5, 0)));
        showRampPage(path);
        m_physics = device(path).physics();
    }

    // A ramp run on the simulated positioner and saved by the ramp page.
    QString savedRamp(const QString& name, const SavedRamp& run)
    {
        // The device set to the run's units before the page reads them: the
        // run is recorded, and saved, in those.
        DeviceData& dd = data();
        dd.PressureUnit = run.pressureUnit;
        dd.TravelUnit = 47; // inches
        EXPECT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteUnits));
        select(RampTestCode);
        clock().advance(1000);
        ValveModelParams physics = m_physics;
        physics.staticFrictionLbf *= run.frictionFactor;
        physics.dynamicFrictionLbf *= run.frictionFactor;
        device(m_path).setPhysics(physics);
        device(m_path).setTag(QByteArray(run.tag));
        typeRamp(run.start, run.stop, run.hold, run.duration, run.bidirectional);
        startRamp();
        runRampToCompletion();
        EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed")) << name.toStdString();
        dd.PressureSensorFlag = run.sensors;
        dd.Config28Bit5 = run.singleActing;
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Ramp Test Results As"));
        ramp().SaveRampResults();
        EXPECT_TRUE(QFileInfo::exists(path));
        return path;
    }

    void showCompare()
    {
        select(RampTestCode * 10 + 1);
        clock().advance(1000);
        ASSERT_EQ(app().shownPage(), &compare());
    }

    bool open1(const QString& path)
    {
        prompts().answerFile(path, OpenTitle);
        compare().OnOpenFile1();
        return compare().file1Loaded();
    }
    bool open2(const QString& path, std::optional<int> answer = std::nullopt)
    {
        prompts().answerFile(path, OpenTitle);
        if (answer)
            prompts().answerMessage(*answer);
        compare().OnOpenFile2();
        return compare().file2Loaded();
    }

    QString print(const char* pdfName)
    {
        const QString pdf = tempPath(QString::fromLatin1(pdfName));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save Ramp Compare Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        qputenv("STROKEWISE_HOME", m_home.toUtf8());
        compare().OnPrintReport();
        qunsetenv("STROKEWISE_HOME");
        return QFileInfo::exists(pdf) ? ReportTestSupport::pdfText(pdf).simplified() : QString();
    }

    // The device pads its tag with blanks; the files and fields keep them.
    QString field(int id) { return compare().windowText(id).trimmed(); }
    bool on(int id) { return compare().control(id)->isEnabled(); }
    bool ticked(int id) { return compare().controlAs<QAbstractButton>(id)->isChecked(); }
    bool visibleBox(int id) { return compare().control(id)->isVisibleTo(&compare()); }
    void click(int id) { compare().controlAs<QAbstractButton>(id)->click(); }
    IXYPlotChannelPtr trace(const char* name) { return compare().plot()->ChannelByName(QString::fromLatin1(name)); }
    bool axisShown(bool x, const char* name)
    {
        const IPlotAxisPtr axis = x ? compare().plot()->XAxisByName(QString::fromLatin1(name))
                                    : compare().plot()->YAxisByName(QString::fromLatin1(name));
        return axis->GetVisible() && axis->GetTitleVisible();
    }
    std::set<std::string> drawn()
    {
        std::set<std::string> names;
        for (const PlotChannel* c : compare().plot()->channels())
            if (c->GetVisible())
                names.insert(c->GetName().toStdString());
        return names;
    }

    // What the user sees of the page and what Print takes: every field and
    // unit text, every box (ticked, usable), the buttons and the drawn
    // channels.
    struct Seen {
        std::map<int, QString> fields;
        std::map<int, std::pair<bool, bool>> boxes;
        std::map<int, bool> buttons;
        std::set<std::string> drawn;
        V::View view = V::RampTestView;
    };
    Seen seen()
    {
        Seen s;
        for (const ControlSpec& spec : V::Template.controls)
            if (spec.kind == ControlSpec::Kind::Edit)
                s.fields[spec.id] = compare().windowText(spec.id);
        for (int id :
            { V::StrokeLengthUnit, V::ActuatorSizeUnit, V::SpringRateUnit, V::SpringInitialUnit, V::SpringFinalUnit })
            s.fields[id] = compare().windowText(id);
        for (int box : allBoxes())
            s.boxes[box] = { ticked(box), on(box) };
        for (int id : { V::OpenFile2Button, V::PrintButton, V::RampTestButton, V::PressureVsPositionButton,
                 V::SignalsVsCommandButton, V::FrictionButton })
            s.buttons[id] = on(id);
        s.drawn = drawn();
        s.view = compare().currentView();
        return s;
    }
    void expectSeen(const Seen& expected, const std::string& what)
    {
        const Seen now = seen();
        for (const auto& [id, text] : expected.fields)
            EXPECT_EQ(now.fields.at(id), text) << what << ", field " << id;
        for (const auto& [box, state] : expected.boxes) {
            EXPECT_EQ(now.boxes.at(box).first, state.first) << what << ", box ticked " << box;
            EXPECT_EQ(now.boxes.at(box).second, state.second) << what << ", box usable " << box;
        }
        for (const auto& [id, state] : expected.buttons)
            EXPECT_EQ(now.buttons.at(id), state) << what << ", button " << id;
        EXPECT_EQ(now.drawn, expected.drawn) << what;
        EXPECT_EQ(now.view, expected.view) << what;
    }

    const char* m_path = K90Path;
    ValveModelParams m_physics;
    RecordingPrintBackend m_printed;
    QString m_home;
};

TEST_F(RampCompareViewTest, SetUpHidesEverythingAndWaitsForFileOneAndTheSmallerModelClosesUpTheGrid)
{
    std::map<int, QRect> largerModel;
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        showCompare();
        ASSERT_TRUE(compare().plot());
        ASSERT_TRUE(compare().scratchPlot());
        EXPECT_FALSE(compare().scratchPlot()->isVisible());
        EXPECT_EQ(compare().scratchPlot()->ChannelCount(), 26);
        const IXYPlotPtr& plot = compare().plot();
        ASSERT_EQ(plot->ChannelCount(), 69);
        const IXYPlotChannelPtr close2 = trace("Port2vCmdClose2");
        EXPECT_EQ(close2->GetTitle(), QStringLiteral("Port 2 Pressure(closing) 2"));
        EXPECT_EQ(close2->GetColor(), 0x000080u);
        EXPECT_EQ(close2->GetXAxisName(), QStringLiteral("Command"));
        EXPECT_EQ(close2->GetMarkerStyle(), 0);
        EXPECT_EQ(trace("ILPOSDiff")->GetMarkerStyle(), 5);
        EXPECT_TRUE(drawn().empty()) << path;
        for (int box : allBoxes())
            EXPECT_FALSE(ticked(box)) << path << " " << box;
        EXPECT_FALSE(on(V::OpenFile2Button));
        EXPECT_FALSE(on(V::PrintButton));
        EXPECT_FALSE(on(V::RampTestButton));
        EXPECT_TRUE(on(V::FrictionButton));
        // Every tooltip: the page's own, the settings of file 1, then of file 2, and the channel boxes'.
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
                { V::BackButton, "Return to the Ramp Test page." },
                { V::PrintButton, "Print a comparison report to the default printer." },
                { V::PressureVsPositionButton, "View a Pressure vs. Position comparison." },
                { V::SignalsVsCommandButton, "View a Signal vs. Command comparison." },
                { V::FrictionButton, "View a Friction comparison." },
                { 891, "Start Position from file1." },
                { 892, "Stop Position from file1." },
                { 893, "Hold Time from file1." },
                { 894, "Test Duration from file1." },
                { 356, "Stroke Lenth from file1." },
                { 400, "Actuator size from file1." },
                { 404, "Actuation Type from file1." },
                { 1058, "Sensors from file1." },
                { 409, "Bi-directional from file1." },
                { 895, "Start Position from file2." },
                { 896, "Stop Position from file2." },
                { 897, "Hold Time from file2." },
                { 898, "Test Duration from file2." },
                { 357, "Stroke Lenth from file2." },
                { 401, "Actuator size from file2." },
                { 405, "Actuation Type from file2." },
                { 1002, "Sensors from file2." },
                { 410, "Bi-directional from file2." },
            }));
        // The column captions, bold, above the settings, the spring set and the boxes.
        for (const auto& [id, caption] : { std::pair { int(V::SettingsCaption1), "1" }, { V::SettingsCaption2, "2" },
                 { V::SpringCaption1, "1" }, { V::SpringCaption2, "2" }, { Caption1, "1" }, { Caption2, "2" } }) {
            EXPECT_EQ(compare().windowText(id), QString::fromLatin1(caption)) << id;
            EXPECT_TRUE(compare().control(id)->font().bold()) << path << " " << id;
        }
        if (std::string(path) == K90Path) {
            for (int box : allBoxes())
                largerModel[box] = compare().controlRect(box);
            EXPECT_TRUE(visibleBox(Port2First));
        } else {
            for (int box : { Port2First, Port2Second, Port2Diff })
                EXPECT_FALSE(visibleBox(box)) << box;
            EXPECT_EQ(compare().controlRect(RelayCommand1), largerModel[Port2First]);
            EXPECT_EQ(compare().controlRect(RelayCommand2), largerModel[Port2Second]);
            EXPECT_EQ(compare().controlRect(RelayCommandDiff), largerModel[Port2Diff]);
            EXPECT_EQ(compare().controlRect(RelayPosition1), largerModel[RelayCommand1]);
        }
        compare().OnInitialUpdate();
        EXPECT_EQ(plot->ChannelCount(), 69);
        EXPECT_EQ(compare().scratchPlot()->ChannelCount(), 26);
        m_app.reset();
    }
}

TEST_F(RampCompareViewTest, FileOneFillsItsColumnsAndAOneWayFileHasNoSpringSet)
{
    startOn(K90Path);
    const QString file = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
    SavedRamp oneWay;
    oneWay.bidirectional = false;
    const QString oneWayFile = savedRamp(QStringLiteral("oneway.rmp"), oneWay);
    showCompare();
    prompts().clearRecords();
    ASSERT_TRUE(open1(file));
    const auto& dialog = prompts().records().front().dialog;
    EXPECT_EQ(dialog.title, OpenTitle);
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.rmp)|*.rmp|"));
    const struct {
        int id;
        QString text;
    } fields[] = { { V::Tag1Edit, QStringLiteral("FV-9") }, { V::Date1Edit, QStringLiteral("6/7/2025") },
        { V::File1Edit, file }, { V::Start1Edit, QStringLiteral("10") }, { V::Stop1Edit, QStringLiteral("90") },
        { V::Hold1Edit, QStringLiteral("3") }, { V::Duration1Edit, QStringLiteral("45") },
        { V::SingleActing1Edit, QStringLiteral("No") }, { V::Sensors1Edit, QStringLiteral("Yes") },
        { V::BiDirectional1Edit, QStringLiteral("Yes") }, { V::SpringInitialUnit, QStringLiteral("bar") },
        { V::SpringFinalUnit, QStringLiteral("bar") }, { V::SpringRateUnit, QStringLiteral("kg/in.") },
        { V::StrokeLengthUnit, QStringLiteral("in.") }, { V::ActuatorSizeUnit, QStringLiteral("sq.in") } };
    for (const auto& f : fields)
        EXPECT_EQ(field(f.id), f.text) << f.id;
    for (int id : { V::SpringRate1Edit, V::SpringInitial1Edit, V::SpringFinal1Edit, V::StrokeLength1Edit }) {
        EXPECT_TRUE(field(id).contains(QLatin1Char('.'))) << id;
        EXPECT_NE(field(id), QStringLiteral(" - ")) << id;
    }
    for (int box : { Position1, Command1, Port1First, Port2First, RelayCommand1, RelayPosition1 })
        EXPECT_TRUE(ticked(box)) << box;
    for (int box : { Position2, PositionDiff, Port1Second })
        EXPECT_FALSE(ticked(box)) << box;
    EXPECT_EQ(drawn(), (std::set<std::string> { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" }));
    EXPECT_EQ(compare().currentView(), V::RampTestView);
    EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_TRUE(on(V::OpenFile2Button));
    EXPECT_TRUE(on(V::PrintButton));
    for (int id : { V::Tag2Edit, V::Date2Edit, V::File2Edit, V::Start2Edit, V::SpringRate2Edit, V::Sensors2Edit })
        EXPECT_EQ(field(id), QString()) << id;
    EXPECT_GT(trace("Friction")->Count(), 10);

    ASSERT_TRUE(open1(oneWayFile));
    for (int id : { V::SpringRate1Edit, V::SpringInitial1Edit, V::SpringFinal1Edit })
        EXPECT_EQ(compare().windowText(id), QStringLiteral(" - ")) << id;
    EXPECT_EQ(field(V::BiDirectional1Edit), QStringLiteral("No"));
    EXPECT_EQ(trace("Friction")->Count(), 0);
    EXPECT_EQ(trace("ThrustClose")->Count(), 0);
}

TEST_F(RampCompareViewTest, FileTwoOfTheSameSettingsChecksEveryBoxAndReloadingFileOneForgetsIt)
{
    startOn(K90Path);
    const QString first = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
    SavedRamp other;
    other.tag = "FV-10";
    other.pressureUnit = 10;
    const QString second = savedRamp(QStringLiteral("two.rmp"), other);
    showCompare();
    ASSERT_TRUE(open1(first));
    prompts().clearRecords();
    ASSERT_TRUE(open2(second));
    EXPECT_TRUE(prompts().messageTexts().isEmpty()) << "no question";
    for (int box : allBoxes()) {
        EXPECT_TRUE(ticked(box)) << box;
        EXPECT_TRUE(on(box)) << box;
    }
    EXPECT_EQ(field(V::Tag2Edit), QStringLiteral("FV-10"));
    EXPECT_EQ(field(V::File2Edit), second);
    EXPECT_EQ(field(V::Duration2Edit), QStringLiteral("45"));
    // The unit texts stay file 1's, the record's follow file 2.
    EXPECT_EQ(field(V::SpringInitialUnit), QStringLiteral("bar"));
    EXPECT_EQ(app().records().m_RampCompareReport.m_strSpringPressureUnit.toQString(), QStringLiteral("Kg/cm²"));
    EXPECT_EQ(
        compare().plot()->YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [Kg/cm² ]"));
    EXPECT_TRUE(axisShown(false, "Pressure"));
    const std::set<std::string> all = drawn();
    for (const char* name :
        { "Position2", "PositionDiff", "Port1_2", "Port1Diff", "Port2_2", "Port2Diff", "ILPOSDiff" })
        EXPECT_TRUE(all.count(name)) << name;
    EXPECT_EQ(all.size(), 18u);
    const IXYPlotChannelPtr difference = trace("PositionDiff");
    const IXYPlotChannelPtr one = trace("Position");
    const IXYPlotChannelPtr two = trace("Position2");
    ASSERT_EQ(difference->Count(), std::min(one->Count(), two->Count()));
    for (int k = 0; k < difference->Count(); k += 17) {
        EXPECT_DOUBLE_EQ(difference->GetX(k), one->GetX(k));
        EXPECT_DOUBLE_EQ(difference->GetY(k), two->GetY(k) - one->GetY(k));
    }

    // Loading file 1 again forgets file 2.
    ASSERT_TRUE(open1(second));
    EXPECT_FALSE(compare().file2Loaded());
    EXPECT_EQ(field(V::Tag2Edit), QString());
    EXPECT_EQ(field(V::SpringRate2Edit), QString());
    EXPECT_FALSE(ticked(Position2));
    EXPECT_EQ(drawn(), (std::set<std::string> { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" }));
}

TEST_F(RampCompareViewTest, ACancelledOrRefusedFileOneLeavesThePageAsBeforeAnyFile)
{
    const QString junk = tempPath(QStringLiteral("junk.rmp"));
    ASSERT_TRUE(CompareFileAttempts::writeJunk(junk, "not a plot file at all"));
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        SavedRamp firstRun;
        firstRun.tag = "FV-1";
        firstRun.sensors = 0; // its port boxes and the pressure view are off
        const QString first = savedRamp(QStringLiteral("one.rmp"), firstRun);
        SavedRamp secondRun;
        secondRun.tag = "FV-2";
        secondRun.sensors = 0;
        const QString second = savedRamp(QStringLiteral("two.rmp"), secondRun);
        showCompare();
        const Seen fresh = seen();
        for (const auto attempt : { CompareFileAttempts::Attempt::Cancel, CompareFileAttempts::Attempt::Refused }) {
            const std::string what = std::string(path) + " " + CompareFileAttempts::name(attempt);
            ASSERT_TRUE(open1(first)) << what;
            ASSERT_TRUE(open2(second)) << what;
            click(V::SignalsVsCommandButton);
            prompts().clearRecords();
            CompareFileAttempts::scriptNotAccepted(prompts(), attempt, junk, OpenTitle);
            compare().OnOpenFile1();
            EXPECT_FALSE(compare().file1Loaded()) << what;
            EXPECT_FALSE(compare().file2Loaded()) << what;
            expectSeen(fresh, what);
            for (const char* name : { "Position", "Position2", "PositionDiff", "Friction" })
                EXPECT_EQ(trace(name)->Count(), 0) << what << " " << name;
            // Nothing comes back at the next views.
            click(V::SignalsVsCommandButton);
            click(V::RampTestButton);
            expectSeen(fresh, what + ", after the views");
        }
        m_app.reset();
    }
}

TEST_F(RampCompareViewTest, AFileTwoNotAcceptedLeavesTheFileTwoShownAndPrintedBefore)
{
    startOn(K90Path);
    SavedRamp firstRun;
    firstRun.tag = "FV-1";
    const QString first = savedRamp(QStringLiteral("one.rmp"), firstRun);
    SavedRamp otherRun;
    otherRun.tag = "FV-3";
    otherRun.duration = "46";
    otherRun.pressureUnit = 12;
    const QString other = savedRamp(QStringLiteral("other.rmp"), otherRun);
    SavedRamp secondRun;
    secondRun.tag = "FV-2";
    const QString second = savedRamp(QStringLiteral("two.rmp"), secondRun);
    const QString junk = tempPath(QStringLiteral("junk.rmp"));
    ASSERT_TRUE(CompareFileAttempts::writeJunk(junk, "not a plot file at all"));
    showCompare();
    for (const auto& [withFile2, attempt, what] : CompareFileAttempts::fileTwoAttempts()) {
        ASSERT_TRUE(open1(first)) << what;
        if (withFile2) {
            ASSERT_TRUE(open2(second)) << what;
        }
        const Seen before = seen();
        const CRampCompareReport kept = app().records().m_RampCompareReport;
        prompts().clearRecords();
        if (attempt == CompareFileAttempts::Attempt::NoAtTheQuestion) {
            open2(other, Prompts::IdCancel);
        } else {
            CompareFileAttempts::scriptNotAccepted(prompts(), attempt, junk, OpenTitle);
            compare().OnOpenFile2();
        }
        EXPECT_EQ(compare().file2Loaded(), withFile2) << what;
        expectSeen(before, what);
        const CRampCompareReport& record = app().records().m_RampCompareReport;
        EXPECT_EQ(record.m_strTag2, kept.m_strTag2) << what;
        EXPECT_EQ(record.m_strFileName2, kept.m_strFileName2) << what;
        EXPECT_EQ(record.m_strTestDuration2, kept.m_strTestDuration2) << what;
        EXPECT_EQ(record.m_nPressureUnit, kept.m_nPressureUnit) << what;
        EXPECT_EQ(record.m_strSpringPressureUnit, kept.m_strSpringPressureUnit) << what;
        // The next views show file 2 as before.
        click(V::SignalsVsCommandButton);
        click(V::RampTestButton);
        expectSeen(before, what + ", after the views");

        const QString text = print("compare.pdf");
        EXPECT_TRUE(text.contains(first)) << what << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("FV-3"))) << what << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(other)) << what;
        EXPECT_FALSE(text.contains(QStringLiteral("kPa"))) << what;
        EXPECT_EQ(text.contains(QStringLiteral("FV-2")), withFile2) << what << "\n" << text.toStdString();
        EXPECT_EQ(text.contains(second), withFile2) << what;
    }
}

TEST_F(RampCompareViewTest, TheBoxRulesFollowSensorsActuationModelAndView)
{
    startOn(K90Path);
    const QString full = savedRamp(QStringLiteral("full.rmp"), SavedRamp {});
    SavedRamp bare;
    bare.sensors = 0;
    const QString noSensors = savedRamp(QStringLiteral("nosensors.rmp"), bare);
    SavedRamp single;
    single.singleActing = 1;
    const QString singleActing = savedRamp(QStringLiteral("single.rmp"), single);
    showCompare();

    // File 2 without sensors: its port boxes and the port differences go.
    ASSERT_TRUE(open1(full));
    ASSERT_TRUE(open2(noSensors, Prompts::IdOk));
    for (int box : { Port1Second, Port2Second, Port1Diff, Port2Diff }) {
        EXPECT_FALSE(ticked(box)) << box;
        EXPECT_FALSE(on(box)) << box;
    }
    for (int box : { Port1First, Port2First })
        EXPECT_TRUE(on(box) && ticked(box)) << box;
    EXPECT_FALSE(drawn().count("Port1_2"));
    EXPECT_TRUE(drawn().count("Port1"));

    // The port 1 difference follows both port 1 boxes, from the next view.
    ASSERT_TRUE(open1(full));
    ASSERT_TRUE(open2(full));
    EXPECT_TRUE(on(Port1Diff) && ticked(Port1Diff));
    click(Port1Second);
    EXPECT_TRUE(on(Port1Diff) && ticked(Port1Diff)) << "not before the next view";
    EXPECT_FALSE(drawn().count("Port1_2"));
    click(V::SignalsVsCommandButton);
    EXPECT_FALSE(on(Port1Diff));
    EXPECT_FALSE(ticked(Port1Diff));
    EXPECT_FALSE(on(Command1));
    EXPECT_FALSE(on(CommandDiff));
    EXPECT_TRUE(on(Position1));
    EXPECT_TRUE(drawn().count("Port1vCmdOpen") && !drawn().count("Port1vCmdOpen2"));
    EXPECT_TRUE(axisShown(true, "Command") && axisShown(false, "Pressure"));
    click(V::PressureVsPositionButton);
    EXPECT_TRUE(ticked(Port1Second)) << "checked again in the pressure view";
    EXPECT_FALSE(on(Position1));
    EXPECT_TRUE(drawn().count("PvPPort1_2_2") && drawn().count("PvPPort1_2Diff"));

    // The friction view disables every box and shows the differences only with both files.
    click(V::FrictionButton);
    for (int box : allBoxes())
        EXPECT_FALSE(on(box)) << box;
    EXPECT_EQ(drawn().count("FrictionDiff"), 1u);
    EXPECT_TRUE(axisShown(true, "Position") && axisShown(false, "FrictionY"));
    ASSERT_TRUE(open1(full));
    click(V::FrictionButton);
    EXPECT_EQ(drawn(), (std::set<std::string> { "Friction", "ThrustOpen", "ThrustClose" }));
    // Back in the ramp view with file 1 alone: the port channels drawn on the pressure axis.
    click(V::RampTestButton);
    EXPECT_TRUE(axisShown(false, "Pressure"));
    EXPECT_TRUE(drawn().count("Port1"));
    // The file 2 and difference boxes stay usable and act on their channels.
    EXPECT_TRUE(on(Position2));
    EXPECT_FALSE(ticked(Position2));
    click(Position2);
    EXPECT_TRUE(drawn().count("Position2"));
    click(Position2);
    EXPECT_FALSE(drawn().count("Position2"));

    // A single-acting file: its port 2 box is cleared and disabled.
    ASSERT_TRUE(open1(singleActing));
    EXPECT_FALSE(on(Port2First));
    EXPECT_FALSE(ticked(Port2First));
    EXPECT_FALSE(drawn().count("Port2"));
    EXPECT_TRUE(on(Port1First));
}

TEST_F(RampCompareViewTest, TwiceTheFrictionComparesWithoutAQuestionAndTheDifferenceIsTheFriction)
{
    startOn(K90Path);
    // In psi, the unit the simulated pressures are in: the thrust, and the
    // friction from it, in pounds as the valve has them.
    SavedRamp plain;
    plain.pressureUnit = 6;
    const QString first = savedRamp(QStringLiteral("one.rmp"), plain);
    SavedRamp stiff = plain;
    stiff.frictionFactor = 2.0;
    const QString second = savedRamp(QStringLiteral("two.rmp"), stiff);
    showCompare();
    ASSERT_TRUE(open1(first));
    prompts().clearRecords();
    ASSERT_TRUE(open2(second));
    EXPECT_TRUE(prompts().messageTexts().isEmpty());
    const IXYPlotChannelPtr difference = trace("FrictionDiff");
    ASSERT_GT(difference->Count(), 10);
    double sum = 0.0;
    for (int k = 0; k < difference->Count(); ++k)
        sum += difference->GetY(k);
    const double mean = sum / difference->Count();
    EXPECT_GT(mean, 0.5 * m_physics.dynamicFrictionLbf);
    EXPECT_LT(mean, 1.5 * m_physics.dynamicFrictionLbf);
}

TEST_F(RampCompareViewTest, PrintSendsOnlyTheTagReadAndPrintsWhatTheFieldsShow)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        const QString first = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
        SavedRamp other;
        other.tag = "FV-10";
        const QString second = savedRamp(QStringLiteral("two.rmp"), other);
        device(path).setTag(QByteArray("PV-101"));
        showCompare();
        ASSERT_TRUE(open1(first));
        ASSERT_TRUE(open2(second));
        if (std::string(path) == K40Path) {
            // The smaller model has no port 2: its boxes stay clear and disabled, its traces hidden.
            for (int box : { Port2First, Port2Second, Port2Diff })
                EXPECT_FALSE(ticked(box) || on(box)) << box;
            for (const char* name : { "Port2", "Port2_2", "Port2Diff" })
                EXPECT_FALSE(drawn().count(name)) << name;
            EXPECT_TRUE(ticked(Port1First) && ticked(Port1Second) && ticked(Port1Diff));
        }
        click(V::SignalsVsCommandButton);
        device(path).clearRequests();
        const QString text = print("compare.pdf");
        EXPECT_EQ(joined(sent(path)), "13") << path;
        ASSERT_FALSE(prompts().records().empty());
        EXPECT_TRUE(prompts().records().front().dialog.initialName.startsWith(
            QStringLiteral("PV-101_RampCompareReport_2025_6_7_")))
            << prompts().records().front().dialog.initialName.toStdString();
        for (const QString& expected :
            { QStringLiteral("Ramp Test Comparison Report"), QStringLiteral("File#1"), QStringLiteral("File#2"),
                QStringLiteral("FV-9"), QStringLiteral("FV-10"), first, second, QStringLiteral("Sensors Available:"),
                QStringLiteral("Spring Rate:"), QStringLiteral("Spring Initial:"), QStringLiteral("Spring Final:"),
                field(V::SpringRate1Edit), QStringLiteral("kg/in.") })
            EXPECT_TRUE(text.contains(expected)) << path << ": " << expected.toStdString();
        const CRampCompareReport& record = app().records().m_RampCompareReport;
        EXPECT_EQ(record.m_strSpare.toQString().trimmed(), QStringLiteral("PV-101"));
        EXPECT_EQ(record.m_strSpringRate2.toQString(), compare().windowText(V::SpringRate2Edit));
        EXPECT_EQ(record.m_strSpringPressureUnit.toQString(), field(V::SpringInitialUnit));
        EXPECT_EQ(app().records().m_ReportHeader.m_byModel, std::string(path) == K40Path ? 6 : 5);
        EXPECT_EQ(ReportPictures::picturedFields(
                      ReportPictures::reportOf(compare()), { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" }),
            QStringList({ "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" }))
            << path;
        EXPECT_EQ(compare().currentView(), V::RampTestView);
        EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Ramp Test"));
        EXPECT_TRUE(compare().plot()->ScreenBar(0)->GetVisible());
        m_app.reset();
    }
}

// A comparison of one file shows and prints that file: no file 2 values or
// flags, no file 2 or difference traces in the legends, and each trace on
// the page and in the pictures read on an axis of its own (the pressures on
// the pressure axis, not stretched over the position scale).
TEST_F(RampCompareViewTest, OneFileShowsAndPrintsOnlyThatFileEachTraceOnAnAxisShown)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        const QString first = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
        showCompare();
        ASSERT_TRUE(open1(first));
        DrawnPlotTexts drawn;
        for (int view :
            { V::RampTestButton, V::PressureVsPositionButton, V::SignalsVsCommandButton, V::FrictionButton }) {
            click(view);
            compare().grab();
        }
        const QString text = print("one.pdf");
        for (const char* once : { "Tag:", "File Date:", "Filename:" })
            EXPECT_EQ(text.count(QString::fromLatin1(once)), 1) << path << ": " << once << "\n" << text.toStdString();
        // Each flag shows file 1's answer alone.
        for (const char* flag : { "Single Acting:", "Bi-directional:", "Sensors Available:" }) {
            const QString label = QString::fromLatin1(flag);
            EXPECT_TRUE(text.contains(QRegularExpression(label + QStringLiteral(" (Yes|No)"))))
                << path << ": " << flag << "\n"
                << text.toStdString();
            EXPECT_FALSE(text.contains(QRegularExpression(label + QStringLiteral(" (Yes|No) (Yes|No)"))))
                << path << ": " << flag << "\n"
                << text.toStdString();
        }
        QStringList entries;
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
                entries << entry.text;
        EXPECT_FALSE(entries.isEmpty()) << path;
        for (const QString& entry : entries)
            EXPECT_TRUE(!entry.endsWith(QStringLiteral(" 2")) && !entry.contains(QStringLiteral("Delta")))
                << path << ": " << entry.toStdString();
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

TEST_F(RampCompareViewTest, EachViewsPictureGoesIntoItsOwnFieldOfTheReport)
{
    startOn(K90Path);
    // In psi, the unit the simulated pressures are in: the thrust, and the
    // friction from it, in pounds as the valve has them.
    SavedRamp plain;
    plain.pressureUnit = 6;
    const QString first = savedRamp(QStringLiteral("one.rmp"), plain);
    SavedRamp stiff = plain;
    stiff.frictionFactor = 2.0;
    const QString second = savedRamp(QStringLiteral("two.rmp"), stiff);
    showCompare();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    print("pictures.pdf");
    const ReportControl* report = compare().findChild<ReportControl*>();
    ASSERT_TRUE(report);
    const ReportDocument document = report->layoutDocument();
    const auto view
        = [this](int button) { return [this, button] { compare().controlAs<QAbstractButton>(button)->click(); }; };
    // The signals against command span the page (11226 twips), laid out as
    // many times wider than the plot as the half-page fields (5473 twips).
    EXPECT_EQ(ReportPictures::viewsInFields(document, *compare().plot().get(),
                  { { "RampGrph", view(V::RampTestButton) }, { "RampGrph2", view(V::PressureVsPositionButton) },
                      { "RampGrph3", view(V::SignalsVsCommandButton), nullptr, 11226.0 / 5473.0 },
                      { "RampGrph4", view(V::FrictionButton) } }),
        ReportPictures::inOrder(4));
}

TEST_F(RampCompareViewTest, PrintTakesEachShownSizeLengthAndSpringTextIntoItsOwnString)
{
    startOn(K90Path);
    const QString first = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
    showCompare();
    ASSERT_TRUE(open1(first));
    CRampCompareReport& record = app().records().m_RampCompareReport;
    const std::pair<int, AutoString*> shown[] = {
        { V::ActuatorSize1Edit, &record.m_strActuatorSize1 },
        { V::ActuatorSize2Edit, &record.m_strActuatorSize2 },
        { V::ActuatorSizeUnit, &record.m_strActuatorSizeUnit },
        { V::StrokeLength1Edit, &record.m_strStrokeLength1 },
        { V::StrokeLength2Edit, &record.m_strStrokeLength2 },
        { V::StrokeLengthUnit, &record.m_strStrokeLengthUnit },
        { V::SpringRate1Edit, &record.m_strSpringRate1 },
        { V::SpringRate2Edit, &record.m_strSpringRate2 },
        { V::SpringRateUnit, &record.m_strSpringRateUnit },
        { V::SpringInitial1Edit, &record.m_strSpringInitial1 },
        { V::SpringInitial2Edit, &record.m_strSpringInitial2 },
        { V::SpringInitialUnit, &record.m_strSpringPressureUnit },
        { V::SpringFinal1Edit, &record.m_strSpringFinal1 },
        { V::SpringFinal2Edit, &record.m_strSpringFinal2 },
    };
    // Every field shows a text of its own; the spring final unit is not printed.
    for (const auto& [id, member] : shown)
        compare().setWindowText(id, QStringLiteral("shown %1").arg(id));
    compare().setWindowText(V::SpringFinalUnit, QStringLiteral("not printed"));
    record.m_strTag2 = AutoString("KEPT");
    print("shown.pdf");
    for (const auto& [id, member] : shown)
        EXPECT_EQ(member->toQString(), QStringLiteral("shown %1").arg(id)) << id;
    EXPECT_EQ(record.m_strTag2.toQString(), QStringLiteral("KEPT"));
    EXPECT_EQ(record.m_strTag1.toQString().trimmed(), QStringLiteral("FV-9"));
}

TEST_F(RampCompareViewTest, OneWayFilesWithoutSensorsPrintTwoPicturesAndLeaveAStaleOne)
{
    startOn(K90Path);
    SavedRamp bare;
    bare.bidirectional = false;
    bare.sensors = 0;
    const QString first = savedRamp(QStringLiteral("one.rmp"), bare);
    const QString second = savedRamp(QStringLiteral("two.rmp"), bare);
    showCompare();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    for (const char* name : { "RampTestCmp.bmp", "RampTestCmp2.bmp", "RampTestCmp3.bmp", "RampTestCmp4.bmp" })
        QFile::remove(dependencies() + QLatin1String(name));
    QFile stale(dependencies() + QStringLiteral("RampTestCmp2.bmp"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    print("bare.pdf");
    EXPECT_EQ(ReportPictures::picturedFields(
                  ReportPictures::reportOf(compare()), { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" }),
        QStringList({ "RampGrph", "RampGrph3" }));
    ASSERT_TRUE(stale.open(QIODevice::ReadOnly));
    EXPECT_EQ(stale.readAll(), QByteArray("stale"));
}

TEST_F(RampCompareViewTest, AFailedReportShowsItsMessagesAndTheRampViewComesBack)
{
    startOn(K40Path);
    const QString first = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
    showCompare();
    ASSERT_TRUE(open1(first));
    click(V::FrictionButton);

    // A definition without a key: the inner message, then still the PDF and the question.
    QFile definition(dependencies() + QStringLiteral("RampTestCmpRept_K40.xml"));
    ASSERT_TRUE(definition.open(QIODevice::ReadOnly));
    QByteArrayList kept;
    for (const QByteArray& line : definition.readAll().split('\n'))
        if (!line.contains("\"SprFinUnit\""))
            kept << line;
    definition.close();
    ASSERT_TRUE(definition.open(QIODevice::WriteOnly | QIODevice::Truncate));
    definition.write(kept.join('\n'));
    definition.close();
    const QString pdf = tempPath(QStringLiteral("partial.pdf"));
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report may not be generated due to some error."));
    prompts().answerFile(pdf, QStringLiteral("Save Ramp Compare Report As"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    qputenv("STROKEWISE_HOME", m_home.toUtf8());
    compare().OnPrintReport();
    EXPECT_EQ(prompts().records().size(), 3u);
    EXPECT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(compare().currentView(), V::RampTestView);
    EXPECT_TRUE(compare().plot()->ScreenBar(0)->GetVisible());

    // No definition at all: only its message.
    QFile::remove(dependencies() + QStringLiteral("RampTestCmpRept_K40.xml"));
    click(V::FrictionButton);
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    compare().OnPrintReport();
    qunsetenv("STROKEWISE_HOME");
    EXPECT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(compare().currentView(), V::RampTestView);
    EXPECT_EQ(compare().plot()->GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_TRUE(compare().plot()->ScreenBar(0)->GetVisible());
}

TEST_F(RampCompareViewTest, BackShowsTheRampTestPageAndTheGrabbedPageShowsTheDeltaSignAndPosition)
{
    startOn(K90Path);
    const QString first = savedRamp(QStringLiteral("one.rmp"), SavedRamp {});
    const QString second = savedRamp(QStringLiteral("two.rmp"), SavedRamp {});
    showCompare();
    device(K90Path).clearRequests();
    ASSERT_TRUE(open1(first));
    ASSERT_TRUE(open2(second));
    click(V::PressureVsPositionButton);
    click(V::RampTestButton);
    clock().advance(60000);
    EXPECT_EQ(joined(sent()), "") << "opening and viewing send nothing";

    const auto count = [](const QImage& image, const QRect& where, auto test) {
        int n = 0;
        for (int y = where.top(); y <= where.bottom(); ++y)
            for (int x = where.left(); x <= where.right(); ++x)
                n += test(QColor(image.pixel(x, y))) ? 1 : 0;
        return n;
    };
    const auto isPositionRed = [](const QColor& c) { return c.red() > 230 && c.green() < 40 && c.blue() < 40; };
    const QImage image = compare().grab().toImage();
    const QRect box = compare().controlRect(PositionDiff);
    const int step = compare().controlRect(Command1).top() - compare().controlRect(Position1).top();
    const QRect delta(box.left(), box.top() - step, box.height() * 2, step);
    EXPECT_GT(count(image, delta, [](const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; }), 4);
    EXPECT_GT(count(image, compare().controlRect(V::PlotHost), isPositionRed), 20);

    click(V::BackButton);
    clock().advance(1000);
    EXPECT_EQ(app().shownPage(), &ramp());
}

TEST_F(RampCompareViewTest, EveryViewOnThePageAndInTheReportKeepsItsLabelsApartAndItsLegendEntriesWhole)
{
    for (const char* path : { K90Path, K40Path }) {
        startOn(path);
        SavedRamp longRun;
        longRun.start = "5";
        longRun.stop = "95";
        longRun.duration = "90";
        const QString first = savedRamp(QStringLiteral("one.rmp"), longRun);
        longRun.frictionFactor = 3.0;
        const QString second = savedRamp(QStringLiteral("two.rmp"), longRun);
        showCompare();
        ASSERT_TRUE(open1(first));
        ASSERT_TRUE(open2(second));
        DrawnPlotTexts drawn;
        for (int view :
            { V::RampTestButton, V::PressureVsPositionButton, V::SignalsVsCommandButton, V::FrictionButton }) {
            click(view);
            compare().grab();
        }
        print("readable.pdf");
        for (const char* title :
            { "Ramp Test", "Pressure Vs Position", "Signals Vs Command", "Friction & Thrust Vs Position" })
            EXPECT_GE(drawn.titled(QString::fromLatin1(title)).size(), 2u) << path << " " << title;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

// File 1 both ways alone, and with a one-way file 2 of less friction: every
// view on the page and in the report holds its traces inside its axes (the
// friction off the thrust's scale border), lists no closing trace of file 2
// nor its difference, which do not exist, and prints its legends read on paper.
TEST_F(RampCompareViewTest, EveryViewListsAndHoldsOnlyTheTracesItsFilesHoldOnThePageAndInTheReport)
{
    const struct {
        const char* label;
        bool second;
    } cases[] = { { "file 1 alone", false }, { "file 2 one way", true } };
    for (const auto& c : cases) {
        startOn(K90Path);
        const QString first = savedRamp(QStringLiteral("both.rmp"), SavedRamp {});
        SavedRamp oneWay;
        oneWay.bidirectional = false;
        oneWay.frictionFactor = 0.5;
        const QString second = c.second ? savedRamp(QStringLiteral("oneway.rmp"), oneWay) : QString();
        showCompare();
        ASSERT_TRUE(open1(first)) << c.label;
        if (c.second) {
            ASSERT_TRUE(open2(second, Prompts::IdOk)) << c.label;
        }
        DrawnPlotTexts drawn;
        for (int view :
            { V::RampTestButton, V::PressureVsPositionButton, V::SignalsVsCommandButton, V::FrictionButton }) {
            click(view);
            compare().grab();
        }
        print("held.pdf");
        EXPECT_EQ(drawn.faults(), QStringList()) << c.label;
        const ReportControl* report = compare().findChild<ReportControl*>();
        ASSERT_TRUE(report) << c.label;
        EXPECT_EQ(ReportPictures::legendsPrintedTooSmall(report->layoutDocument(), drawn.paintings()), QStringList())
            << c.label;
        m_app.reset();
    }
}

// The smaller model has no port 2, whatever its file says of the actuator:
// on the larger model neither file place offers a port 2 trace for such a
// file, while the larger model's own file keeps its own; and file 1 heads
// the report as the device it was recorded on.
TEST_F(RampCompareViewTest, ASmallerModelsFileShowsNoPort2AndHeadsTheReportAsItsOwnDevice)
{
    startOn(K40Path);
    const QString small = savedRamp(QStringLiteral("small.rmp"), SavedRamp {});
    m_app.reset();
    SimTestHooks::reset();
    startOn(K90Path);
    const QString large = savedRamp(QStringLiteral("large.rmp"), SavedRamp {});
    showCompare();
    ASSERT_TRUE(open1(large));
    ASSERT_TRUE(open2(small, Prompts::IdOk));
    for (int view : { V::RampTestButton, V::PressureVsPositionButton, V::SignalsVsCommandButton }) {
        click(view);
        EXPECT_TRUE(ticked(Port2First) && on(Port2First)) << view;
        for (int box : { Port2Second, Port2Diff })
            EXPECT_FALSE(ticked(box) || on(box)) << view << ", box " << box;
    }
    click(V::RampTestButton);
    EXPECT_TRUE(drawn().count("Port2"));
    for (const char* name : { "Port2_2", "Port2Diff" })
        EXPECT_FALSE(drawn().count(name)) << name;

    ASSERT_TRUE(open1(small));
    EXPECT_FALSE(ticked(Port2First) || on(Port2First));
    EXPECT_FALSE(drawn().count("Port2"));
    const QString text = print("small.pdf");
    EXPECT_TRUE(text.contains(QStringLiteral("K40 positioner"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("K90 positioner")));
}

} // namespace
