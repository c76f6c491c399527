// The hub's Print Report: what it takes from the four test pages, what it
// leaves as it was (the pages' records and plots), the pictures it has
// written, the one date of the report, the definition of each model and a
// definition that lacks a key; read back from the PDF.
#include "DiagnosticsHubPageTest.h"

#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "ClockThatMovesOnEveryReading.h"
#include "controls/XYPlot.h"
#include "core/PlotConfiguration.h"
#include "report/ReportDocument.h"
#include "ui/TestClock.h"
#include "ui/TimerService.h"

#include <QFile>
#include <QFileInfo>

namespace
{

// Each picture of the report and the field it goes into.
const std::pair<const char*, const char*> FieldOfPicture[] = { { "RampTest.bmp", "RampGrph" },
    { "RampTest2.bmp", "RampGrph2" }, { "RampTest3.bmp", "RampGrph3" }, { "RampTest4.bmp", "RampGrph4" },
    { "StepTest.bmp", "StepRampGrph" }, { "StepTest2.bmp", "StepRampGrph2" }, { "PstComp.bmp", "PSTRampGrph" },
    { "HDRControl.bmp", "HDRLRampGrph" }, { "HDRHDR.bmp", "HDRLRampGrph2" }, { "HDRLin.bmp", "HDRLRampGrph3" } };

QStringList texts(std::initializer_list<const AutoString*> strings)
{
    QStringList out;
    for (const AutoString* s : strings)
        out << (s->isNull() ? QStringLiteral("<null>") : s->toQString());
    return out;
}

class MultiTestPrintTest : public DiagnosticsHubPrintTest
{
protected:
    // The hub shown, with a program folder of this test's own, whose
    // definitions a test may change.
    void showHubWithOwnFolder(const char* path = K90Path)
    {
        showHub(path);
        m_folder = ownProgramFolder({ "AllTestReport.xml", "AllTestReport_K40.xml" });
    }

    // What the four records hold, member by member.
    QStringList records()
    {
        const ReportRecords& r = app().records();
        const CRampReport& ramp = r.m_RampReport;
        const CStepTestReport& step = r.m_StepTestReport;
        const CPSTReport& pst = r.m_PSTReport;
        const CHDRLReport& hdrl = r.m_HDRLReport;
        QStringList all = texts({ &ramp.m_strTag, &ramp.m_strStartPosition, &ramp.m_strStopPosition,
            &ramp.m_strHoldTime, &ramp.m_strTestDuration, &ramp.m_strSpare, &ramp.m_strSpringRate,
            &ramp.m_strSpringInitial, &ramp.m_strSpringFinal, &ramp.m_strStrokeLength, &ramp.m_strActuatorSize,
            &ramp.m_strActuatorSizeUnit, &ramp.m_strStrokeLengthUnit, &ramp.m_strSpringRateUnit,
            &ramp.m_strSpringPressureUnit, &step.m_strStartPosition, &step.m_strStopPosition, &step.m_strHoldTime,
            &step.m_strPressureAxisTitle, &step.m_strTag, &step.m_strSpare, &pst.m_strStartPosition,
            &pst.m_strStopPosition, &pst.m_strTimeToTarget, &pst.m_strTestDuration, &pst.m_strBreakAwayTime,
            &pst.m_strBreakAwayPressure, &pst.m_strBreakAwayUnit, &pst.m_strTimeToTargetResult, &pst.m_strResult,
            &pst.m_strTag, &pst.m_strSpare, &hdrl.m_strTag, &hdrl.m_strSpare, &hdrl.m_strPosSettlingTime,
            &hdrl.m_strRepeatAverage, &hdrl.m_strRepeatMaximum, &hdrl.m_strHysDeadAverage, &hdrl.m_strHysDeadMaximum,
            &hdrl.m_strLinearError });
        for (int byte : { ramp.m_nPressureUnit, ramp.m_nLengthUnit, ramp.m_bBiDirectional, ramp.m_bSingleActing,
                 ramp.m_bPressureSensor, ramp.m_bPressureData, step.m_nPressureUnit, step.m_bSingleActing,
                 step.m_bPressureSensor, step.m_bPressureData, pst.m_nPressureUnit, pst.m_nResult, pst.m_bSingleActing,
                 pst.m_bPressureSensor })
            all << QString::number(byte);
        return all;
    }

    // Results the pages and their records hold from earlier tests.
    void givePagesResults()
    {
        for (int x = 0; x < 12; ++x) {
            ramp().plot()->ChannelByName(QStringLiteral("Position"))->AddXY(x, 20 + x);
            step().plot()->ChannelByName(QStringLiteral("Position"))->AddXY(x, x < 6 ? 20 : 60);
            pst().plot()->ChannelByName(QStringLiteral("Position"))->AddXY(x, 80 - x);
            hdrl().plot()->ChannelByName(QStringLiteral("Position"))->AddXY(x, x * 4);
        }
        ReportRecords& r = app().records();
        r.m_RampReport.m_strStartPosition = AutoString("33");
        r.m_RampReport.m_strSpringRate = AutoString("12.5");
        r.m_RampReport.m_bPressureData = 1;
        r.m_RampReport.m_bSingleActing = 1;
        r.m_StepTestReport.m_strHoldTime = AutoString("9");
        r.m_StepTestReport.m_bPressureSensor = 1;
        r.m_PSTReport.m_strResult = AutoString("Pass");
        r.m_PSTReport.m_strBreakAwayUnit = AutoString("psi");
        r.m_HDRLReport.m_strLinearError = AutoString("0.75");
        ramp().setWindowText(CRampTest::SpringRateEdit, QStringLiteral("41.5"));
        ramp().setWindowText(CRampTest::SpringInitialEdit, QStringLiteral("6.25"));
        ramp().setWindowText(CRampTest::SpringFinalEdit, QStringLiteral("18.75"));
    }
    int points(const IPlotPtr& plot) { return plot->ChannelByName(QStringLiteral("Position"))->Count(); }

    // Print Report pressed, the PDF saved as `pdf`, no printing.
    void print(const QString& pdf)
    {
        prompts().answerFile(pdf, QStringLiteral("Save MultiTest Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        click(D::PrintButton);
    }

    QString fieldText(const char* key)
    {
        m_document = hub().report()->layoutDocument();
        const ReportPageItem* item = m_document.find(QString::fromLatin1(key));
        return item ? item->text : QStringLiteral("<no such field>");
    }
    bool pictured(const char* key)
    {
        m_document = hub().report()->layoutDocument();
        const ReportPageItem* item = m_document.find(QString::fromLatin1(key));
        return item && !item->picture.isNull();
    }
    // The pictures the report holds, by the names they were taken under.
    QStringList picturesWritten()
    {
        QStringList placed;
        for (const auto& [file, key] : FieldOfPicture) {
            if (pictured(key))
                placed << QString::fromLatin1(file);
        }
        return placed;
    }
    std::vector<Prompts::FileDialog> fileDialogs()
    {
        std::vector<Prompts::FileDialog> dialogs;
        for (const ScriptedPrompts::Record& record : prompts().records()) {
            if (record.kind == ScriptedPrompts::Kind::File)
                dialogs.push_back(record.dialog);
        }
        return dialogs;
    }
    // The plots' titles (their views) and whether each screen bar shows:
    // ramp, step, partial stroke, HDRL.
    QStringList views()
    {
        QStringList out;
        for (const IPlotPtr& plot : { ramp().plot().query<Plot>(), step().plot(), pst().plot(), hdrl().plot() })
            out << plot->GetTitle() + (plot->ScreenBar(0)->GetVisible() ? QString() : QStringLiteral(" (no bar)"));
        return out;
    }

    QString m_folder;
    ReportDocument m_document;
    // `recorded` saved as a ramp file named `name`, its position going from
    // 20 % at 0 s to 80 % at `seconds`.
    QString savedRampFile(CRampReport recorded, double seconds, const char* name)
    {
        XYPlot source;
        const IXYPlotPtr plot(&source);
        ConfigureRampPlotControl(plot);
        recorded.SetupRampPlotChannels(plot);
        source.ChannelByName(QStringLiteral("Position"))->AddXY(0, 20);
        source.ChannelByName(QStringLiteral("Position"))->AddXY(seconds, 80);
        const QString file = tempPath(QString::fromLatin1(name));
        prompts().answerFile(file);
        recorded.SaveRamp(plot);
        return file;
    }
};

TEST_F(MultiTestPrintTest, TestsLeftOutPrintNAAndKeepTheirPlotsAndRecords)
{
    showHubWithOwnFolder();
    givePagesResults();
    tick(D::HDRLBox);
    select(HDRLCode);
    hdrl().OnHDRView();
    step().ShowPressureView(false);
    select(DiagnosticCode);
    QStringList viewsAfter = views();
    viewsAfter[3] = QStringLiteral("Position vs. Time");
    const QStringList before = records();
    const QString pdf = tempPath(QStringLiteral("multi.pdf"));
    print(pdf);

    EXPECT_EQ(records(), before) << "the application's records are as they were";
    EXPECT_EQ(points(ramp().plot().query<Plot>()), 12);
    EXPECT_EQ(points(step().plot()), 12);
    EXPECT_EQ(points(pst().plot()), 12);
    EXPECT_EQ(points(hdrl().plot()), 12);
    for (const char* key :
        { "StartPosn", "StopPosn", "HoldTime", "TestDuration", "SpRateValue", "SpInitValue", "SpFinValue",
            "StepStartPosn", "StepStopPosn", "StepHoldTime", "PSTStartPosn", "PSTStopPosn", "PSTTimeTargetValue",
            "PSTTestDuration", "PSTStartPosn1", "PSTPressureValue", "TimeTargetValueInfo", "PSTResultValue" })
        EXPECT_EQ(fieldText(key), QStringLiteral("NA")) << key;
    for (const char* key : { "SpRateUnit", "SpInitUnit", "BwUnits" })
        EXPECT_EQ(fieldText(key), QString()) << key;
    // The HDRL section as the HDRL page shows it.
    EXPECT_EQ(fieldText("lblPosSettlingTimeValue"), hdrl().windowText(CHDRLTest::SettlingEdit));
    EXPECT_EQ(fieldText("lblAverageValue"), hdrl().windowText(CHDRLTest::HysDeadAverageEdit));
    EXPECT_EQ(fieldText("lblLinearErrorValue"), hdrl().windowText(CHDRLTest::LinearityEdit));
    const QString text = ReportTestSupport::pdfText(pdf).simplified();
    EXPECT_GE(text.count(QStringLiteral(" NA ")), 10) << text.toStdString();

    // No pressure data: seven pictures, the other three fields as defined.
    EXPECT_EQ(picturesWritten(),
        QStringList({ "RampTest.bmp", "RampTest3.bmp", "StepTest.bmp", "PstComp.bmp", "HDRControl.bmp", "HDRHDR.bmp",
            "HDRLin.bmp" }));
    for (const char* key : { "RampGrph2", "RampGrph4", "StepRampGrph2" })
        EXPECT_FALSE(pictured(key)) << key;
    for (const char* key : { "RampGrph", "RampGrph3", "StepRampGrph", "PSTRampGrph", "HDRLRampGrph3" })
        EXPECT_TRUE(pictured(key)) << key;
    // The HDRL plot is back in its first view; the plots of the tests left
    // out were not touched.
    EXPECT_EQ(views(), viewsAfter);
    EXPECT_TRUE(hub().findChildren<Plot*>().isEmpty()) << "no scratch plot is left behind";
}

TEST_F(MultiTestPrintTest, TickedTestsWithNothingRunOrLoadedPrintAsLeftOut)
{
    showHubWithOwnFolder();
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    click(D::BidirectionalBox);
    print(tempPath(QStringLiteral("nothing.pdf")));
    for (const char* key : { "StartPosn", "StopPosn", "HoldTime", "TestDuration", "SpRateValue", "SpInitValue",
             "SpFinValue", "StepStartPosn", "StepStopPosn", "StepHoldTime", "PSTStartPosn", "PSTStopPosn",
             "PSTTimeTargetValue", "PSTTestDuration", "PSTStartPosn1", "PSTPressureValue", "TimeTargetValueInfo",
             "PSTResultValue", "lblPosSettlingTimeValue", "lblAverageValue", "lblMaximumValue", "lblAverageValueReapt",
             "lblMaximumValueReapt", "lblLinearErrorValue" })
        EXPECT_EQ(fieldText(key), QStringLiteral("NA")) << key;
    EXPECT_EQ(fieldText("BiDirValue"), QStringLiteral("No"));
}

TEST_F(MultiTestPrintTest, TheRampSectionComesFromTheRampPageAndTheHubsDirectionBox)
{
    const struct {
        const char* path;
        bool bidirectional;
        uint8_t sensor;
        const char* springRate;
        int pictures;
        const char* model;
    } cases[] = {
        { K90Path, false, 0, " - ", 7, "K90 positioner" },
        { K40Path, true, 1, "41.5", 10, "K40 positioner" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        showHubWithOwnFolder(c.path);
        givePagesResults();
        device(c.path).setMiscByte(0x82, c.sensor);
        data().PressureSensorFlag = c.sensor;
        tick(D::RampBox);
        tick(D::StepBox);
        tick(D::PSTBox);
        if (c.bidirectional)
            click(D::BidirectionalBox);
        // The ramp page shows its own settings; its own direction box does not count.
        ramp().setWindowText(CRampTest::StartEdit, QStringLiteral("15"));
        ramp().setWindowText(CRampTest::StopEdit, QStringLiteral("85"));
        ramp().controlAs<QAbstractButton>(CRampTest::BidirectionalBox)->setChecked(!c.bidirectional);
        step().setWindowText(CStepTest::HoldEdit, QStringLiteral("7"));
        pst().setWindowText(CPartialStrokeTest::TimeToTargetEdit, QStringLiteral("4.99"));
        step().ShowPressureView(false);
        ramp().ShowSignalsVsCommandView(false);
        const QStringList viewsBefore = views();
        const QStringList before = records();
        if (c.path == K40Path)
            QFile::remove(m_folder + QStringLiteral("AllTestReport.xml"));
        const QString pdf = tempPath(QStringLiteral("ramp.pdf"));
        print(pdf);
        EXPECT_EQ(records(), before);
        EXPECT_EQ(fieldText("StartPosn"), QStringLiteral("15"));
        EXPECT_EQ(fieldText("StopPosn"), QStringLiteral("85"));
        EXPECT_EQ(fieldText("BiDirValue"), c.bidirectional ? QStringLiteral("Yes") : QStringLiteral("No"));
        for (const char* key : { "SpRateValue", "SpInitValue", "SpFinValue" })
            EXPECT_EQ(fieldText(key) == QString::fromLatin1(c.springRate),
                key == std::string("SpRateValue") || !c.bidirectional)
                << key;
        EXPECT_EQ(fieldText("SpRateUnit"), ramp().windowText(CRampTest::SpringRateUnit));
        EXPECT_EQ(fieldText("SpInitUnit"), ramp().windowText(CRampTest::SpringInitialUnit));
        EXPECT_EQ(fieldText("StLenValue"), ramp().windowText(CRampTest::StrokeLengthEdit));
        EXPECT_EQ(fieldText("ActSizeUnit"), ramp().windowText(CRampTest::ActuatorSizeUnit));
        EXPECT_EQ(fieldText("StepHoldTime"), QStringLiteral("7"));
        EXPECT_EQ(fieldText("PSTTimeTargetValue"), QStringLiteral("4.99"));
        EXPECT_EQ(fieldText("PSTResultValue"), pst().windowText(CPartialStrokeTest::ResultEdit));
        EXPECT_EQ(fieldText("lblPosSettlingTimeValue"), QStringLiteral("NA"));
        EXPECT_EQ(picturesWritten().size(), c.pictures) << picturesWritten().join(' ').toStdString();
        EXPECT_EQ(picturesWritten().contains(QStringLiteral("RampTest4.bmp")), c.sensor && c.bidirectional);
        EXPECT_EQ(pictured("RampGrph2"), c.sensor != 0);
        EXPECT_EQ(pictured("StepRampGrph2"), c.sensor != 0);
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.model))) << text.toStdString();
        EXPECT_EQ(points(ramp().plot().query<Plot>()), 12);
        EXPECT_EQ(views(),
            QStringList({ QStringLiteral("Ramp Test"), QStringLiteral("Step Test"), viewsBefore[2], viewsBefore[3] }));
        m_app.reset();
        qunsetenv("STROKEWISE_HOME");
    }
}

TEST_F(MultiTestPrintTest, AfterALoadTheRampSectionPrintsTheLoadedFilesDirectionWhateverTheHubsBox)
{
    // A file recorded one way with the hub's box ticked, and one recorded
    // both ways with it unticked.
    const struct {
        bool fileBothWays;
        bool hubBox;
        const char* printed[4]; // direction, spring rate, initial and final
    } cases[] = {
        { false, true,
            { "Bi-Directional: No", "Spring Rate: - lbs/in.", "Spring Initial: - psi", "Spring Final: - psi" } },
        { true, false,
            { "Bi-Directional: Yes", "Spring Rate: 12.34 lbs/in.", "Spring Initial: 6.50 psi",
                "Spring Final: 18.75 psi" } },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(path) + (c.fileBothWays ? ", both ways" : ", one way"));
            showHubWithOwnFolder(path);
            CRampReport recorded;
            recorded.m_strStartPosition = AutoString("20");
            recorded.m_strStopPosition = AutoString("80");
            recorded.m_strHoldTime = AutoString("2");
            recorded.m_strTestDuration = AutoString("30");
            recorded.m_bBiDirectional = c.fileBothWays ? 1 : 0;
            recorded.m_strSpringRate = AutoString(c.fileBothWays ? "12.34" : "0");
            recorded.m_strSpringInitial = AutoString(c.fileBothWays ? "6.5" : "0");
            recorded.m_strSpringFinal = AutoString(c.fileBothWays ? "18.75" : "0");
            const QString file = savedRampFile(recorded, 30, "recorded.rmp");

            tick(D::RampBox);
            if (hubChecked(D::BidirectionalBox) != c.hubBox)
                click(D::BidirectionalBox);
            select(RampTestCode);
            prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
            ramp().LoadRampResults();
            ASSERT_EQ(ramp().windowText(CRampTest::StatusEdit), QStringLiteral("Off line data"));
            select(DiagnosticCode);
            ASSERT_EQ(hubChecked(D::BidirectionalBox), c.hubBox);
            const QString pdf = tempPath(QStringLiteral("loaded.pdf"));
            print(pdf);
            const QString text = ReportTestSupport::pdfText(pdf).simplified();
            for (const char* printed : c.printed)
                EXPECT_TRUE(text.contains(QString::fromLatin1(printed))) << printed << "\n" << text.toStdString();
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            m_app.reset();
            qunsetenv("STROKEWISE_HOME");
        }
    }
}

TEST_F(MultiTestPrintTest, AfterAStopTheTestThatCompletedPrintsAsRunWithItsOwnDevicesValues)
{
    // The K40, whose ramp page showed another device's file before the run:
    // stroke 1.5 and size 100.
    showHubWithOwnFolder(K40Path);
    CRampReport recorded;
    recorded.m_strTag = AutoString("PV-101");
    recorded.m_strStartPosition = AutoString("20");
    recorded.m_strStopPosition = AutoString("80");
    recorded.m_strHoldTime = AutoString("2");
    recorded.m_strTestDuration = AutoString("3");
    recorded.m_strStrokeLength = AutoString("1.5");
    recorded.m_strActuatorSize = AutoString("100");
    const QString file = savedRampFile(recorded, 3, "earlier.rmp");
    select(RampTestCode);
    prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
    ramp().LoadRampResults();
    ASSERT_EQ(ramp().windowText(CRampTest::StrokeLengthEdit), QStringLiteral("1.50"));

    // A ramp one way from 30 to 60 completes; the HDRL test after it is stopped.
    select(DiagnosticCode);
    tick(D::RampBox);
    tick(D::HDRLBox);
    fillParameters();
    setText(D::RampStartEdit, "30");
    setText(D::RampStopEdit, "60");
    ASSERT_FALSE(hubChecked(D::BidirectionalBox));
    startRun();
    runUntil([this] { return hdrl().running(); });
    ASSERT_EQ(listed().value(1), QStringLiteral("Ramp test completed"));
    hdrl().OnStop();
    processEvents();
    ASSERT_TRUE(runEnded());
    ASSERT_FALSE(hubChecked(D::RampBox)) << "the stop unticks every box";

    const QString pdf = tempPath(QStringLiteral("stopped.pdf"));
    print(pdf);
    const std::pair<const char*, const char*> fields[] = { { "StartPosn", "30" }, { "StopPosn", "60" },
        { "BiDirValue", "No" }, { "StLenValue", "0.75" }, { "StLenUnit", "in." }, { "ActSizeValue", "50.0" },
        { "ActSizeUnit", "sq.in" }, { "lblPosSettlingTimeValue", "NA" }, { "lblAverageValue", "NA" } };
    for (const auto& [key, text] : fields)
        EXPECT_EQ(fieldText(key), QString::fromLatin1(text)) << key;
    EXPECT_TRUE(pictured("RampGrph"));
    const QString text = ReportTestSupport::pdfText(pdf).simplified();
    for (const char* expected : { "DEVICE TAG ID: PV-102", "ACTUATOR INFO", "K40 positioner" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();

    // Ticked again by hand and unticked, the box says the ramp is left out.
    click(D::RampBox);
    click(D::RampBox);
    print(tempPath(QStringLiteral("left out.pdf")));
    for (const char* key : { "StartPosn", "StLenValue", "ActSizeValue" })
        EXPECT_EQ(fieldText(key), QStringLiteral("NA")) << key;
}

TEST_F(MultiTestPrintTest, EachPagesViewGoesIntoItsOwnPictureField)
{
    showHubWithOwnFolder(K40Path);
    givePagesResults();
    device(K40Path).setMiscByte(0x82, 1);
    data().PressureSensorFlag = 1;
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    click(D::BidirectionalBox);
    print(tempPath(QStringLiteral("pictures.pdf")));
    ASSERT_EQ(picturesWritten().size(), 10) << picturesWritten().join(' ').toStdString();
    m_document = hub().report()->layoutDocument();
    Plot& rampPlot = *ramp().plot().get();
    Plot& stepPlot = *step().plot().get();
    Plot& pstPlot = *pst().plot().get();
    Plot& hdrlPlot = *hdrl().plot().get();
    EXPECT_EQ(ReportPictures::viewsInFields(m_document, rampPlot,
                  {
                      { "RampGrph", [this] { ramp().ShowRampTestView(false); }, &rampPlot },
                      { "RampGrph2", [this] { ramp().ShowPressureVsPositionView(false); }, &rampPlot },
                      { "RampGrph3", [this] { ramp().ShowSignalsVsCommandView(false); }, &rampPlot },
                      { "RampGrph4", [this] { ramp().ShowFrictionThrustView(); }, &rampPlot },
                      { "StepRampGrph", [this] { step().ShowStepView(false); }, &stepPlot },
                      { "StepRampGrph2", [this] { step().ShowPressureView(false); }, &stepPlot },
                      { "PSTRampGrph", [] {}, &pstPlot },
                      { "HDRLRampGrph", [this] { hdrl().OnControlSignalView(); }, &hdrlPlot },
                      { "HDRLRampGrph2", [this] { hdrl().OnHDRView(); }, &hdrlPlot },
                      { "HDRLRampGrph3", [this] { hdrl().OnLinearityView(); }, &hdrlPlot },
                  }),
        ReportPictures::inOrder(10));
}

TEST_F(MultiTestPrintTest, OneReadingOfTheClockNamesThePdfAndASectionWithoutAResultPrintsNoDate)
{
    // The step box ticked, but no page shows a result: no section is dated,
    // not even by the day of printing.
    showHubWithOwnFolder();
    tick(D::StepBox);
    ClockThatMovesOnEveryReading movingClock(QDateTime(QDate(2031, 12, 31), QTime(23, 59)));
    const QString pdf = tempPath(QStringLiteral("dated.pdf"));
    prompts().clearRecords();
    prompts().answerFile(pdf, QStringLiteral("Save MultiTest Report As"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
    TimerService::install(&movingClock);
    hub().PrintMultiTestReport();
    TimerService::install(&clock());
    ASSERT_GE(movingClock.m_readings, 1);
    ASSERT_EQ(fileDialogs().size(), 1u);
    const Prompts::FileDialog dialog = fileDialogs()[0];
    EXPECT_EQ(dialog.title, QStringLiteral("Save MultiTest Report As"));
    // Named from a reading of the moving clock, which steps on at every reading.
    EXPECT_TRUE(dialog.initialName.startsWith(QStringLiteral("PV-101_MultiTestReport_203")))
        << dialog.initialName.toStdString();
    for (const char* key :
        { "lblTestDateResult", "SteplblTestDateResult", "PSTlblTestDateResult", "HDRLlblTestDateResult" })
        EXPECT_EQ(fieldText(key), QString()) << key;
    EXPECT_EQ(fieldText("lblTestDate"), QStringLiteral("Test Date:"));
    EXPECT_TRUE(QFileInfo::exists(pdf));
}

TEST_F(MultiTestPrintTest, ADefinitionWithoutAPictureFieldGivesOnlyItsMessage)
{
    showHubWithOwnFolder();
    givePagesResults();
    tick(D::HDRLBox);
    const QString definition = m_folder + QStringLiteral("AllTestReport.xml");
    QFile file(definition);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray xml = file.readAll();
    file.close();
    ASSERT_TRUE(xml.contains("key=\"HDRLRampGrph3\""));
    xml.replace("key=\"HDRLRampGrph3\"", "key=\"Other\"");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml);
    file.close();
    hdrl().OnLinearityView();
    const QStringList before = records();
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    click(D::PrintButton);
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts().records()[0].message.caption, QStringLiteral("MULTI-TEST REPORT"));
    EXPECT_EQ(hdrl().plot()->GetTitle(), QStringLiteral("Position vs. Time"));
    EXPECT_TRUE(hdrl().plot()->ScreenBar(0)->GetVisible());
    EXPECT_EQ(records(), before);
    EXPECT_TRUE(hub().findChildren<Plot*>().isEmpty());
}

TEST_F(MultiTestPrintTest, AfterAFullRunTheReportShowsWhatThePagesShow)
{
    showHubWithOwnFolder();
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    fillParameters();
    prompts().answerMessage(Prompts::IdYes, Movement);
    prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
    click(D::StartButton);
    processEvents();
    runUntil([this] { return runEnded(); });
    ASSERT_EQ(listed().size(), 9) << listed().join(QLatin1Char('|')).toStdString();
    const QString pdf = tempPath(QStringLiteral("full.pdf"));
    print(pdf);
    const QString text = ReportTestSupport::pdfText(pdf).simplified();
    QStringList expected { QStringLiteral("MULTI-TEST REPORT"), QStringLiteral("DEVICE TAG ID: PV-101"),
        QStringLiteral("Ramp Test Settings") };
    for (int id : { CStepTest::StartEdit, CStepTest::StopEdit, CStepTest::HoldEdit })
        expected << step().windowText(id);
    for (int id : { CPartialStrokeTest::StartEdit, CPartialStrokeTest::StopEdit, CPartialStrokeTest::TimeToTargetEdit,
             CPartialStrokeTest::BreakAwayTimeEdit, CPartialStrokeTest::ResultEdit })
        expected << pst().windowText(id).trimmed();
    for (int id : { CHDRLTest::HysDeadAverageEdit, CHDRLTest::RepeatMaximumEdit, CHDRLTest::LinearityEdit,
             CHDRLTest::SettlingEdit })
        expected << hdrl().windowText(id).trimmed();
    for (const QString& e : expected) {
        EXPECT_FALSE(e.isEmpty());
        EXPECT_TRUE(text.contains(e)) << e.toStdString() << "\n" << text.toStdString();
    }
    EXPECT_EQ(fieldText("PSTTimeTargetValue"), QStringLiteral("4.99"));
    EXPECT_EQ(fieldText("StepHoldTime"), QStringLiteral("5"));
    EXPECT_EQ(fieldText("HoldTime"), QStringLiteral("2"));
}

TEST_F(MultiTestPrintTest, EveryValueFieldTakesItsOwnPageText)
{
    showHubWithOwnFolder();
    for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
        tick(box);
    click(D::BidirectionalBox);
    givePagesResults();
    // Each shown text differs from every other, so a value taken from the
    // neighbouring edit or label shows in the wrong field.
    const struct {
        FormPage* page;
        int id;
        const char* field;
    } shown[] = {
        { &ramp(), CRampTest::StartEdit, "StartPosn" },
        { &ramp(), CRampTest::StopEdit, "StopPosn" },
        { &ramp(), CRampTest::HoldEdit, "HoldTime" },
        { &ramp(), CRampTest::DurationEdit, "TestDuration" },
        { &ramp(), CRampTest::SpringRateEdit, "SpRateValue" },
        { &ramp(), CRampTest::SpringRateUnit, "SpRateUnit" },
        { &ramp(), CRampTest::SpringInitialEdit, "SpInitValue" },
        { &ramp(), CRampTest::SpringInitialUnit, "SpInitUnit" },
        { &ramp(), CRampTest::SpringFinalEdit, "SpFinValue" },
        { &ramp(), CRampTest::StrokeLengthEdit, "StLenValue" },
        { &ramp(), CRampTest::StrokeLengthUnit, "StLenUnit" },
        { &ramp(), CRampTest::ActuatorSizeEdit, "ActSizeValue" },
        { &ramp(), CRampTest::ActuatorSizeUnit, "ActSizeUnit" },
        { &step(), CStepTest::StartEdit, "StepStartPosn" },
        { &step(), CStepTest::StopEdit, "StepStopPosn" },
        { &step(), CStepTest::HoldEdit, "StepHoldTime" },
        { &pst(), CPartialStrokeTest::StartEdit, "PSTStartPosn" },
        { &pst(), CPartialStrokeTest::StopEdit, "PSTStopPosn" },
        { &pst(), CPartialStrokeTest::TimeToTargetEdit, "PSTTimeTargetValue" },
        { &pst(), CPartialStrokeTest::DurationEdit, "PSTTestDuration" },
        { &pst(), CPartialStrokeTest::BreakAwayTimeEdit, "PSTStartPosn1" },
        { &pst(), CPartialStrokeTest::BreakAwayPressureEdit, "PSTPressureValue" },
        { &pst(), CPartialStrokeTest::PressureUnitLabel, "BwUnits" },
        { &pst(), CPartialStrokeTest::TimeToTargetResultEdit, "TimeTargetValueInfo" },
        { &pst(), CPartialStrokeTest::ResultEdit, "PSTResultValue" },
        { &hdrl(), CHDRLTest::HysDeadAverageEdit, "lblAverageValue" },
        { &hdrl(), CHDRLTest::HysDeadMaximumEdit, "lblMaximumValue" },
        { &hdrl(), CHDRLTest::RepeatAverageEdit, "lblAverageValueReapt" },
        { &hdrl(), CHDRLTest::RepeatMaximumEdit, "lblMaximumValueReapt" },
        { &hdrl(), CHDRLTest::LinearityEdit, "lblLinearErrorValue" },
        { &hdrl(), CHDRLTest::SettlingEdit, "lblPosSettlingTimeValue" },
    };
    int k = 0;
    for (const auto& s : shown)
        s.page->setWindowText(s.id, QStringLiteral("v%1").arg(++k));
    // The final value shares the initial value's unit; the final unit label is not printed.
    ramp().setWindowText(CRampTest::SpringFinalUnit, QStringLiteral("not printed"));
    const QString pdf = tempPath(QStringLiteral("fields.pdf"));
    print(pdf);
    k = 0;
    for (const auto& s : shown)
        EXPECT_EQ(fieldText(s.field), QStringLiteral("v%1").arg(++k)) << s.field;
    EXPECT_EQ(fieldText("SpFinUnit"), ramp().windowText(CRampTest::SpringInitialUnit));
    EXPECT_EQ(fieldText("BiDirValue"), QStringLiteral("Yes"));
}

TEST_F(MultiTestPrintTest, ThePicturesOfAFullRunKeepTheirLabelsApartAndTheirTracesInsideTheirAxesAndPrintTheirLegendsReadable)
{
    for (const char* path : { K90Path, K40Path }) {
        showHubWithOwnFolder(path);
        for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
            tick(box);
        fillParameters();
        prompts().answerMessage(Prompts::IdYes, Movement);
        prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
        click(D::StartButton);
        processEvents();
        runUntil([this] { return runEnded(); });
        DrawnPlotTexts drawn;
        print(tempPath(QStringLiteral("readable.pdf")));
        EXPECT_GE(drawn.paintings().size(), 4u) << path;
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            EXPECT_FALSE(painting.texts.legendEntries.empty()) << path << " " << painting.plotTitle.toStdString();
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        EXPECT_EQ(ReportPictures::legendsPrintedTooSmall(hub().report()->layoutDocument(), drawn.paintings()),
            QStringList())
            << path;
        m_app.reset();
    }
}

} // namespace
