// The rest of the partial stroke test page: the continuous stroke switch,
// the two models' boxes, Save, Load and Print Report.
#include "PstPageTest.h"

#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "core/PlotConfiguration.h"
#include "core/ResultFile.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"
#include "report/ReportControl.h"

#include <QFile>
#include <QFileInfo>

namespace
{

using P = CPartialStrokeTest;

class PstPageSideTest : public PstPageTest
{
protected:
    void SetUp() override
    {
        PstPageTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        PstPageTest::TearDown();
    }
    void click(int id) { pst().controlAs<QAbstractButton>(id)->click(); }
    bool shown(int id) { return !pst().control(id)->isHidden(); }
    std::vector<double> pointsOf(const QString& path, const char* channel)
    {
        Plot file;
        file.LoadDataFile(path);
        std::vector<double> ys;
        const IPlotChannelPtr c = file.ChannelByName(QString::fromLatin1(channel));
        for (int k = 0; k < c->Count(); ++k)
            ys.push_back(c->GetY(k));
        return ys;
    }

    RecordingPrintBackend m_printed;
};

TEST_F(PstPageSideTest, ContinuousStrokeAsksInThePageAndWritesOnlyBit0x02)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    device().setMiscByte(0x28, 0x20);
    select(PstCode);
    EXPECT_TRUE(pstChecked(P::DisableRadio));
    EXPECT_FALSE(pstChecked(P::EnableRadio));
    EXPECT_FALSE(shown(P::YesButton));
    EXPECT_EQ(data().ConfigByte28, 0x20);

    // NO: the radios as they were, nothing sent.
    device().clearRequests();
    click(P::EnableRadio);
    EXPECT_TRUE(shown(P::QuestionText));
    EXPECT_EQ(pstText(P::QuestionText), QStringLiteral("Do you want to Enable?"));
    click(P::NoButton);
    EXPECT_TRUE(pstChecked(P::DisableRadio));
    EXPECT_FALSE(pstChecked(P::EnableRadio));
    EXPECT_FALSE(shown(P::QuestionText));
    EXPECT_TRUE(framesOf(201).isEmpty());

    // YES: the byte read, with bit 0x02 set.
    click(P::EnableRadio);
    click(P::YesButton);
    EXPECT_EQ(framesOf(201), QStringList { QStringLiteral("C9 0A 28 22 F6 00 00 FE 00 00 00 00") });
    EXPECT_TRUE(pstChecked(P::EnableRadio));
    EXPECT_FALSE(shown(P::YesButton));

    // ... and back off.
    device().clearRequests();
    click(P::DisableRadio);
    EXPECT_EQ(pstText(P::QuestionText), QStringLiteral("Do you want to Disable?"));
    click(P::YesButton);
    EXPECT_EQ(framesOf(201), QStringList { QStringLiteral("C9 0A 28 20 F6 00 00 FE 00 00 00 00") });
    EXPECT_TRUE(pstChecked(P::DisableRadio));
}

TEST_F(PstPageSideTest, WithoutTheActivationsConfigurationByteYesSendsNothing)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    device().setMiscByte(0x28, 0x20);
    select(PstCode);
    select(DashboardCode);
    // The Misc reads of the next activation (full scale, then 0x28) answer
    // for other variables.
    SimTestHooks::faults(device()).inject(SimFault::MiscOtherAddress, 2, 200);
    select(PstCode);
    clock().advance(500);
    device().clearRequests();
    click(P::EnableRadio);
    click(P::YesButton);
    EXPECT_TRUE(framesOf(201).isEmpty());
    EXPECT_TRUE(pstChecked(P::DisableRadio));
    EXPECT_FALSE(pstChecked(P::EnableRadio));
    EXPECT_EQ(logTexts().filter(QStringLiteral("WriteMiscByte28 not sent")).size(), 1);
}

TEST_F(PstPageSideTest, ThePort2BoxFollowsTheModel)
{
    const struct {
        const char* path;
        uint8_t config;
        bool visible;
        bool enabled;
    } cases[] = {
        { K90Path, 0x00, true, true },
        { K90Path, 0x20, true, false },
        { K40Path, 0x20, false, false },
    };
    for (const auto& c : cases) {
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        clock().advance(2000);
        device(c.path).setMiscByte(0x28, c.config);
        data().Config28Bit5 = c.config ? 1 : 0;
        select(PstCode);
        EXPECT_EQ(shown(P::Port2Box), c.visible) << c.path << int(c.config);
        EXPECT_EQ(pstEnabled(P::Port2Box), c.enabled) << c.path << int(c.config);
        EXPECT_EQ(pstChecked(P::Port2Box), c.enabled) << c.path << int(c.config);
        EXPECT_EQ(pstChannel("Port2")->GetVisible(), c.enabled) << c.path << int(c.config);
        if (!c.visible) {
            // The pilot relay boxes sit one place up.
            const QRect port2 = pst().controlRect(P::Port2Box);
            EXPECT_EQ(pst().controlRect(P::RelayCommandBox), port2);
            EXPECT_NEAR(pst().controlRect(P::RelayPositionBox).top() - port2.top(),
                port2.top() - pst().controlRect(P::Port1Box).top(), 1);
        }
        m_app.reset();
    }
}

TEST_F(PstPageSideTest, SaveWritesTheShownResultsAndLoadShowsThemOffLine)
{
    showPst();
    device().setMiscLong(0x69, 8000);
    select(DashboardCode);
    select(PstCode);
    type("85", "70", "0.29", "7");
    startPst();
    scriptData(175, words({ 200, 4000, 0xFFFF }) + QByteArray(1, '\0'));
    runUntil([this] { return !pst().testRunning(); });
    clock().setLocalStart(QDateTime(QDate(2026, 1, 2), QTime(8, 3, 0)).addMSecs(-clock().elapsedMs()));
    const QString path = tempPath(QStringLiteral("saved.pst"));
    for (int save = 0; save < 2; ++save) {
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Save Partial Stroke Test Results As"));
        pst().SavePstFile();
        EXPECT_EQ(prompts().records()[0].dialog.initialName, QStringLiteral("PV-101_2026_1_2_8h_3m.pst"));
    }
    EXPECT_EQ(pointsOf(path, "TestSettings").size(), 10u);
    const std::vector<double> results = pointsOf(path, "Results");
    ASSERT_EQ(results.size(), 4u);
    EXPECT_DOUBLE_EQ(results[0], 2.0);
    EXPECT_DOUBLE_EQ(results[1], 32.0);
    EXPECT_DOUBLE_EQ(results[2], double(655.35f));
    EXPECT_DOUBLE_EQ(results[3], 0.0);

    // A file of another device in kg/cm²: shown off line, saved again under its own tag and codes.
    CPSTReport other;
    Plot source;
    ConfigurePSTPlotControl(IPlotPtr(&source));
    other.SetupPSTPlotChannels(IPlotPtr(&source));
    source.ChannelByName(QStringLiteral("Position"))->AddXY(0, 85);
    source.ChannelByName(QStringLiteral("Position"))->AddXY(8000, 70);
    other.m_strTag = AutoString("TV-9");
    other.m_strStartPosition = AutoString("85");
    other.m_strStopPosition = AutoString("70");
    other.m_strTimeToTarget = AutoString("0.29");
    other.m_strTestDuration = AutoString("7");
    other.m_strBreakAwayTime = AutoString("2");
    other.m_strBreakAwayPressure = AutoString("32");
    other.m_strTimeToTargetResult = AutoString("655.35");
    other.m_nPressureUnit = 10;
    other.m_nResult = 0;
    const QString file = tempPath(QStringLiteral("other.pst"));
    prompts().answerFile(file);
    other.SavePST(IPlotPtr(&source));
    prompts().answerFile(file, QStringLiteral("Open Partial Stroke Test Results"));
    pst().OnLoad();
    ASSERT_TRUE(pst().offLineData());
    const std::pair<int, const char*> edits[] = { { P::StartEdit, "85" }, { P::StopEdit, "70" },
        { P::TimeToTargetEdit, "0.29" }, { P::DurationEdit, "7" }, { P::BreakAwayTimeEdit, "2.00" },
        { P::BreakAwayPressureEdit, "32.00" }, { P::TimeToTargetResultEdit, "-" }, { P::ResultEdit, "Fail" },
        { P::StatusEdit, "Off line data" }, { P::PressureUnitLabel, "Kg/cm²" } };
    // The unit as the run that recorded the file showed it.
    for (const auto& [id, expected] : edits)
        EXPECT_EQ(pstText(id), QString::fromUtf8(expected)) << id;
    EXPECT_EQ(pst().plot()->YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [Kg/cm²]"));

    const QString again = tempPath(QStringLiteral("again.pst"));
    prompts().answerFile(again);
    pst().SavePstFile();
    EXPECT_EQ(TagFromPoints(pointsOf(again, "TagName")).toQString(), QStringLiteral("TV-9"));
    EXPECT_EQ(pointsOf(again, "TestSettings").at(7), 10.0);
    EXPECT_DOUBLE_EQ(pointsOf(again, "Results").at(2), double(655.35f));
    EXPECT_EQ(pointsOf(again, "Results").at(3), 0.0);

    // A step file renamed, and a file cut short: refused, nothing changes.
    const QString truncated = tempPath(QStringLiteral("cut.pst"));
    QFile whole(again);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.readAll().left(200));
    cut.close();
    CStepTestReport step;
    Plot stepPlot;
    ConfigureStepTestPlotControl(IPlotPtr(&stepPlot));
    step.SetupStepTestPlotChannels(IPlotPtr(&stepPlot));
    const QString renamed = tempPath(QStringLiteral("step.pst"));
    prompts().answerFile(renamed);
    step.SaveStepTest(IPlotPtr(&stepPlot));
    for (const QString& bad : { truncated, renamed }) {
        prompts().answerFile(bad, QStringLiteral("Open Partial Stroke Test Results"));
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        pst().OnLoad();
        EXPECT_EQ(pstText(P::PressureUnitLabel), QStringLiteral("Kg/cm²"));
        EXPECT_EQ(pstChannel("Position")->Count(), 2);
        EXPECT_EQ(app().records().m_PSTReport.m_strTag.toQString(), QStringLiteral("TV-9"));
    }
}

TEST_F(PstPageSideTest, ALoadedFileSavedAgainKeepsItsSettingsAsLoaded)
{
    start({ QStringLiteral("/dSim/K90/PV-101") });
    clock().advance(2000);
    select(PstCode);
    CPSTReport loaded;
    Plot source;
    ConfigurePSTPlotControl(IPlotPtr(&source));
    loaded.SetupPSTPlotChannels(IPlotPtr(&source));
    source.ChannelByName(QStringLiteral("Position"))->AddXY(0, 85);
    source.ChannelByName(QStringLiteral("Position"))->AddXY(8000, 70);
    loaded.m_strTag = AutoString("TV-9");
    loaded.m_strStartPosition = AutoString("85.25");
    loaded.m_strStopPosition = AutoString("70.5");
    loaded.m_strTimeToTarget = AutoString("12.345");
    loaded.m_strTestDuration = AutoString("14.75");
    const QString file = tempPath(QStringLiteral("loaded.pst"));
    prompts().answerFile(file);
    loaded.SavePST(IPlotPtr(&source));

    prompts().answerFile(file, QStringLiteral("Open Partial Stroke Test Results"));
    pst().OnLoad();
    ASSERT_TRUE(pst().offLineData());
    const std::pair<int, const char*> edits[] = { { P::StartEdit, "85.25" }, { P::StopEdit, "70.5" },
        { P::TimeToTargetEdit, "12.345" }, { P::DurationEdit, "14.75" } };
    for (const auto& [id, expected] : edits)
        EXPECT_EQ(pstText(id), QString::fromLatin1(expected)) << id;

    const QString again = tempPath(QStringLiteral("again.pst"));
    prompts().answerFile(again);
    pst().SavePstFile();
    const std::vector<double> settings = pointsOf(again, "TestSettings");
    ASSERT_GE(settings.size(), 4u);
    EXPECT_EQ(settings[0], double(85.25f));
    EXPECT_EQ(settings[1], double(70.5f));
    EXPECT_EQ(settings[2], double(12.345f));
    EXPECT_EQ(settings[3], double(14.75f));
}

TEST_F(PstPageSideTest, PrintWritesThePictureAndThePdfAndReadsNoSettingsAgain)
{
    const struct {
        const char* path;
        const char* model;
        const char* definition;
        const char* otherDefinition;
    } cases[] = { { K90Path, "K90 positioner", "PSTestRept.xml", "PSTestRept_K40.xml" },
        { K40Path, "K40 positioner", "PSTestRept_K40.xml", "PSTestRept.xml" } };
    for (const auto& c : cases) {
        // The larger model double acting, so that it has a port 2 to draw.
        runAndRetrieve(c.path, true);
        // A device that shows its pressures in kg/cm².
        data().PressureUnitLabel = QStringLiteral("Kg/cm²");
        pst().setWindowText(P::PressureUnitLabel, QStringLiteral("Kg/cm²"));
        // Only the model's own definition is there: a print from the other
        // one would fail.
        const QString dependencies = ownProgramFolder({ c.definition });
        QFile::remove(dependencies + QString::fromLatin1(c.otherDefinition));
        const QString pdf = tempPath(QStringLiteral("report.pdf"));
        QFile::remove(pdf);
        prompts().clearRecords();
        device(c.path).clearRequests();
        // A setting typed for the next run, not yet run.
        pst().setWindowText(P::StopEdit, QStringLiteral("55"));
        const QString status = pst().windowText(P::StatusEdit);
        prompts().answerFile(pdf, QStringLiteral("Save PST ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        pst().OnPrintReport();
        const QString tag = c.path == K90Path ? QStringLiteral("PV-101") : QStringLiteral("PV-102");
        EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(tag + QStringLiteral("_PSTReport_")))
            << prompts().records()[0].dialog.initialName.toStdString();
        EXPECT_EQ(app().records().m_PSTReport.m_strBreakAwayUnit.toQString(), QStringLiteral("Kg/sq.cm"));
        const QString text = ReportTestSupport::pdfText(pdf).simplified();
        for (const QString& expected : { QStringLiteral("Partial Stroke Test Report"),
                 QStringLiteral("Start Position: 85"), QStringLiteral("Time to Target: 0.29"),
                 QStringLiteral("TestDate:"), QStringLiteral("Kg/sq.cm"), QString::fromLatin1(c.model) })
            EXPECT_TRUE(text.contains(expected)) << c.model << ": " << expected.toStdString() << "\n"
                                                 << text.toStdString();
        // The picture has every channel of the model: port 2 (magenta) only on the larger one.
        const QImage picture = ReportPictures::pictureIn(ReportPictures::reportOf(pst()), "RampGrph");
        ASSERT_FALSE(picture.isNull()) << c.model;
        int magenta = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor px(picture.pixel(x, y));
                magenta += px.red() > 150 && px.blue() > 150 && px.green() < 60 ? 1 : 0;
            }
        if (c.path == K90Path) {
            EXPECT_GT(magenta, 20) << c.model;
        } else {
            EXPECT_EQ(magenta, 0) << c.model;
        }
        // Printing leaves the page as it was: no settings read again over
        // what the run showed.
        EXPECT_TRUE(device(c.path).requestsFor(253).empty()) << c.model;
        EXPECT_EQ(pst().windowText(P::StatusEdit), status) << c.model;
        EXPECT_EQ(status, QStringLiteral("Signature retrieved")) << c.model;
        EXPECT_EQ(pst().windowText(P::StopEdit), QStringLiteral("55")) << c.model;
        m_app.reset();
    }
}

TEST_F(PstPageSideTest, TheGrabbedPageShowsThePositionColourAfterARetrieval)
{
    runAndRetrieve();
    for (int box : { P::CommandBox, P::Port1Box, P::Port2Box, P::RelayCommandBox, P::RelayPositionBox })
        click(box);
    const QImage image = pst().grab().toImage();
    const QRect plotArea = pst().controlRect(P::PlotFrame);
    int red = 0;
    for (int y = plotArea.top(); y <= plotArea.bottom(); ++y)
        for (int x = plotArea.left(); x <= plotArea.right(); ++x)
            red += QColor(image.pixel(x, y)) == QColor(255, 10, 10) ? 1 : 0;
    EXPECT_GT(red, 20);
}

TEST_F(PstPageSideTest, ATwentySecondRunKeepsItsTimeLabelsApartAndItsTracesInsideItsAxesOnThePageAndInTheReport)
{
    for (const char* path : { K90Path, K40Path }) {
        showPst(path, std::string(path) == K90Path);
        type("85", "70", "5", "20");
        startPst();
        runUntil([this] { return !pst().testRunning(); });
        pst().StartSignatureRetrieval();
        runUntil([this] { return !pst().retrieving(); });
        DrawnPlotTexts drawn;
        pst().grab();
        ownProgramFolder({ "PSTestRept.xml", "PSTestRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("readable.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save PST ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        pst().OnPrintReport();
        ASSERT_TRUE(QFileInfo::exists(pdf)) << path;
        EXPECT_GE(drawn.paintings().size(), 2u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        const ReportControl* report = pst().findChild<ReportControl*>();
        ASSERT_TRUE(report) << path;
        EXPECT_EQ(ReportPictures::legendsPrintedTooSmall(report->layoutDocument(), drawn.paintings()), QStringList())
            << path;
        m_app.reset();
    }
}

} // namespace
