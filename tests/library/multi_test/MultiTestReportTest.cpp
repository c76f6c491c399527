// The multi-test report on its shipped definitions: which pictures it takes
// under which flags, the views the plots are left in, the one reading of the
// clock, and its failures, read back from the PDF.
#include "ReportTestSupport.h"

#include "ClockThatMovesOnEveryReading.h"
#include "controls/PlotPainter.h"
#include "core/GuardedExport.h"
#include "core/PlotConfiguration.h"
#include "multi_test/MultiTestReport.h"
#include "report/RecordingPrintBackend.h"
#include "step/CStepTestReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

using namespace ReportTestSupport;

namespace
{

// Each picture of the report and the field it goes into.
const std::pair<const char*, const char*> FieldOfPicture[] = { { "RampTest.bmp", "RampGrph" },
    { "RampTest2.bmp", "RampGrph2" }, { "RampTest3.bmp", "RampGrph3" }, { "RampTest4.bmp", "RampGrph4" },
    { "StepTest.bmp", "StepRampGrph" }, { "StepTest2.bmp", "StepRampGrph2" }, { "PstComp.bmp", "PSTRampGrph" },
    { "HDRControl.bmp", "HDRLRampGrph" }, { "HDRHDR.bmp", "HDRLRampGrph2" }, { "HDRLin.bmp", "HDRLRampGrph3" } };

class MultiTestReportTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        m_header.m_strTag = AutoString("PV-101");
        m_header.m_byModel = 5;

        ConfigureRampPlotControl(IXYPlotPtr(&m_rampPlot));
        m_ramp.SetupRampPlotChannels(IXYPlotPtr(&m_rampPlot));
        ConfigureStepTestPlotControl(IPlotPtr(&m_stepPlot));
        m_step.SetupStepTestPlotChannels(IPlotPtr(&m_stepPlot));
        ConfigurePSTPlotControl(IPlotPtr(&m_pstPlot));
        m_pst.SetupPSTPlotChannels(IPlotPtr(&m_pstPlot));
        ConfigureHDRLPlotControl(IPlotPtr(&m_hdrlPlot));
        m_hdrl.SetupHDRLPlotChannels(IPlotPtr(&m_hdrlPlot));
        for (int x = 0; x < 20; ++x) {
            m_rampPlot.ChannelByName(QStringLiteral("Position"))->AddXY(x, 20 + 3 * x);
            m_stepPlot.ChannelByName(QStringLiteral("Position"))->AddXY(x, x < 10 ? 20 : 60);
            m_pstPlot.ChannelByName(QStringLiteral("Position"))->AddXY(x, 80 - x);
        }

        m_ramp.m_strStartPosition = AutoString("10");
        m_ramp.m_strStopPosition = AutoString("90");
        m_ramp.m_strHoldTime = AutoString("5");
        m_ramp.m_strTestDuration = AutoString("60");
        m_ramp.m_strSpringRate = AutoString("41.5");
        m_ramp.m_strSpringRateUnit = AutoString("lbs/in.");
        m_ramp.m_strSpringInitial = AutoString("6.25");
        m_ramp.m_strSpringFinal = AutoString("18.75");
        m_ramp.m_strSpringPressureUnit = AutoString("psi");
        m_ramp.m_strStrokeLength = AutoString("1.5");
        m_ramp.m_strStrokeLengthUnit = AutoString("in.");
        m_ramp.m_strActuatorSize = AutoString("46");
        m_ramp.m_strActuatorSizeUnit = AutoString("sq.in");
        m_ramp.m_bBiDirectional = 1;
        m_ramp.m_bPressureSensor = 1;
        m_ramp.m_bPressureData = 1;
        m_step.m_strStartPosition = AutoString("20");
        m_step.m_strStopPosition = AutoString("60");
        m_step.m_strHoldTime = AutoString("7");
        const char* pst[] = { "80", "65", "4.99", "12", "1.27", "38.4", "kPa", "3.5", "Pass" };
        AutoString* pstStrings[] = { &m_pst.m_strStartPosition, &m_pst.m_strStopPosition, &m_pst.m_strTimeToTarget,
            &m_pst.m_strTestDuration, &m_pst.m_strBreakAwayTime, &m_pst.m_strBreakAwayPressure,
            &m_pst.m_strBreakAwayUnit, &m_pst.m_strTimeToTargetResult, &m_pst.m_strResult };
        for (size_t k = 0; k < std::size(pst); ++k)
            *pstStrings[k] = AutoString(pst[k]);
        m_hdrl.m_strPosSettlingTime = AutoString("6.5");
        m_hdrl.m_strRepeatAverage = AutoString("0.11");
        m_hdrl.m_strRepeatMaximum = AutoString("0.22");
        m_hdrl.m_strHysDeadAverage = AutoString("0.33");
        m_hdrl.m_strHysDeadMaximum = AutoString("0.44");
        m_hdrl.m_strLinearError = AutoString("0.55");

        m_folder = ownProgramFolder({ "AllTestReport.xml", "AllTestReport_K40.xml" });
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    // The program folder's definition with the field `without` renamed away.
    QString definitionWithout(const QString& without)
    {
        const QString path = m_folder + QStringLiteral("AllTestReport.xml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray xml = file.readAll();
        file.close();
        EXPECT_TRUE(xml.contains(QByteArray("key=\"") + without.toLatin1() + "\""));
        xml.replace(QByteArray("key=\"") + without.toLatin1() + "\"", "key=\"Other\"");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(xml);
        return path;
    }

    void generate(const QString& definition, IXYPlotPtr rampPlot)
    {
        GenerateMultiTestReport(m_header, m_ramp, m_step, m_pst, m_hdrl, IPlotPtr(&m_stepPlot), IPlotPtr(&m_pstPlot),
            IPlotPtr(&m_hdrlPlot), rampPlot, IReportPtr(&m_report), IPrinterPtr(&m_printer), AutoString(definition),
            &m_page);
    }
    void generate(const QString& definition = QString())
    {
        generate(definition.isEmpty() ? m_folder + QStringLiteral("AllTestReport.xml") : definition,
            IXYPlotPtr(&m_rampPlot));
    }

    const ReportPageItem* field(const QString& key) const
    {
        m_document = m_report.layoutDocument();
        return m_document.find(key);
    }
    QString fieldText(const char* key) const
    {
        const ReportPageItem* item = field(QString::fromLatin1(key));
        return item ? item->text : QStringLiteral("<no such field>");
    }
    bool pictured(const char* key) const
    {
        const ReportPageItem* item = field(QString::fromLatin1(key));
        return item && !item->picture.isNull();
    }
    // The pictures the report holds, by the names they were taken under.
    QStringList picturesPlaced() const
    {
        QStringList placed;
        for (const auto& [file, key] : FieldOfPicture)
            if (pictured(key))
                placed << QString::fromLatin1(file);
        return placed;
    }
    std::vector<Prompts::FileDialog> fileDialogs()
    {
        std::vector<Prompts::FileDialog> dialogs;
        for (const ScriptedPrompts::Record& record : prompts().records())
            if (record.kind == ScriptedPrompts::Kind::File)
                dialogs.push_back(record.dialog);
        return dialogs;
    }
    void expectNoMorePrompts() { EXPECT_TRUE(fileDialogs().empty()); }

    RecordingPrintBackend m_printed;
    ReportControl m_report;
    PrinterControl m_printer;
    QWidget m_page;
    CReportHeader m_header;
    CRampReport m_ramp;
    CStepTestReport m_step;
    CPSTReport m_pst;
    CHDRLReport m_hdrl;
    XYPlot m_rampPlot;
    Plot m_stepPlot;
    Plot m_pstPlot;
    Plot m_hdrlPlot;
    QString m_folder;
    mutable ReportDocument m_document;
};

} // namespace

TEST_F(MultiTestReportTest, PrintsEveryRecordAsPassedEachUnderItsOwnDateAndNamesThePdfFromOneReading)
{
    // Each section is dated by its record, whenever the report is printed;
    // a record without a date prints none.
    m_ramp.m_strTestDate = AutoString("1/30/2031");
    m_step.m_strTestDate = AutoString("12/3/2024");
    m_hdrl.m_strTestDate = AutoString("11/22/2030");
    ClockThatMovesOnEveryReading movingClock(QDateTime(QDate(2031, 12, 31), QTime(23, 59)));
    TimerService::install(&movingClock);
    const QString pdf = tempPath(QStringLiteral("Multi.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save MultiTest Report As"));
    prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));

    generate();
    TimerService::install(&clock());

    ASSERT_EQ(fileDialogs().size(), 1u);
    EXPECT_EQ(fileDialogs()[0].initialName, QStringLiteral("PV-101_MultiTestReport_2031_12_31_23h_59m"));
    EXPECT_EQ(movingClock.m_readings, 1);
    const std::pair<const char*, const char*> dates[]
        = { { "lblTestDateResult", "1/30/2031" }, { "SteplblTestDateResult", "12/3/2024" },
              { "PSTlblTestDateResult", "" }, { "HDRLlblTestDateResult", "11/22/2030" } };
    for (const auto& [key, date] : dates)
        EXPECT_EQ(fieldText(key), QString::fromLatin1(date)) << key;
    const std::pair<const char*, const char*> fields[] = { { "TitleLbl", "MULTI-TEST REPORT" },
        { "TestSettingsLbl", "Ramp Test Settings" }, { "lblTestDate", "Test Date:" }, { "StartPosn", "10" },
        { "StopPosn", "90" }, { "HoldTime", "5" }, { "TestDuration", "60" }, { "BiDirValue", "Yes" },
        { "SpRateValue", "41.5" }, { "SpRateUnit", "lbs/in." }, { "SpInitValue", "6.25" }, { "SpInitUnit", "psi" },
        { "SpFinValue", "18.75" }, { "SpFinUnit", "psi" }, { "StLenValue", "1.5" }, { "StLenUnit", "in." },
        { "ActSizeValue", "46" }, { "ActSizeUnit", "sq.in" }, { "StepStartPosn", "20" }, { "StepStopPosn", "60" },
        { "StepHoldTime", "7" }, { "PSTStartPosn", "80" }, { "PSTStopPosn", "65" }, { "PSTTimeTargetValue", "4.99" },
        { "PSTTestDuration", "12" }, { "PSTStartPosn1", "1.27" }, { "PSTPressureValue", "38.4" }, { "BwUnits", "kPa" },
        { "TimeTargetValueInfo", "3.5" }, { "PSTResultValue", "Pass" }, { "lblAverageValue", "0.33" },
        { "lblMaximumValue", "0.44" }, { "lblAverageValueReapt", "0.11" }, { "lblMaximumValueReapt", "0.22" },
        { "lblLinearErrorValue", "0.55" }, { "lblPosSettlingTimeValue", "6.5" } };
    for (const auto& [key, text] : fields)
        EXPECT_EQ(fieldText(key), QString::fromLatin1(text)) << key;
    // Kept for people to look at.
    QFile::remove(artifactPath(QStringLiteral("multi_test_report.pdf")));
    QFile::copy(pdf, artifactPath(QStringLiteral("multi_test_report.pdf")));
    const QString text = pdfText(pdf).simplified();
    for (const char* expected : { "MULTI-TEST REPORT", "DEVICE TAG ID: PV-101", "Ramp Test Settings", "Test Date: 12/3/2024" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(MultiTestReportTest, TheRampFlagsDecideWhichPicturesAreTakenAndPlacedOnEitherModel)
{
    const struct {
        uint8_t pressureData;
        uint8_t bidirectional;
        uint8_t model;
        QStringList written;
        const char* biDirValue;
        uint8_t singleActing = 0;
    } cases[] = {
        { 0, 1, 5,
            { "RampTest.bmp", "RampTest3.bmp", "StepTest.bmp", "PstComp.bmp", "HDRControl.bmp", "HDRHDR.bmp",
                "HDRLin.bmp" },
            "Yes" },
        { 1, 0, 5,
            { "RampTest.bmp", "RampTest2.bmp", "RampTest3.bmp", "StepTest.bmp", "StepTest2.bmp", "PstComp.bmp",
                "HDRControl.bmp", "HDRHDR.bmp", "HDRLin.bmp" },
            "No" },
        // The friction picture is taken on the smaller model too, for a
        // spring-return valve; its double-acting valve's port 2 is the supply,
        // which leaves the thrust unknown, and its page shows no such view.
        { 1, 1, 6,
            { "RampTest.bmp", "RampTest2.bmp", "RampTest3.bmp", "RampTest4.bmp", "StepTest.bmp", "StepTest2.bmp",
                "PstComp.bmp", "HDRControl.bmp", "HDRHDR.bmp", "HDRLin.bmp" },
            "Yes", 1 },
        { 1, 1, 6,
            { "RampTest.bmp", "RampTest2.bmp", "RampTest3.bmp", "StepTest.bmp", "StepTest2.bmp", "PstComp.bmp",
                "HDRControl.bmp", "HDRHDR.bmp", "HDRLin.bmp" },
            "Yes", 0 },
        // Only the value 1 prints as bi-directional; the friction picture asks for "not 0".
        { 1, 2, 5,
            { "RampTest.bmp", "RampTest2.bmp", "RampTest3.bmp", "RampTest4.bmp", "StepTest.bmp", "StepTest2.bmp",
                "PstComp.bmp", "HDRControl.bmp", "HDRHDR.bmp", "HDRLin.bmp" },
            "No" },
    };
    ownTemporaryFolder();
    for (const auto& c : cases) {
        m_ramp.m_bPressureData = c.pressureData;
        m_ramp.m_bBiDirectional = c.bidirectional;
        m_ramp.m_bSingleActing = c.singleActing;
        // The step record's own flags are not asked.
        m_step.m_bPressureSensor = 0;
        m_step.m_bPressureData = 0;
        m_header.m_byModel = c.model;
        prompts().answerFile(std::nullopt);
        prompts().answerMessage(Prompts::IdNo);

        generate();

        const std::string label = "pressure " + std::to_string(c.pressureData) + " bidirectional "
            + std::to_string(c.bidirectional) + " model " + std::to_string(c.model) + " single acting "
            + std::to_string(c.singleActing);
        EXPECT_EQ(picturesPlaced(), c.written) << label;
        // Every picture taken went again with the report's own folder.
        EXPECT_EQ(leftInTemporaryFolder(), QStringList()) << label;
        EXPECT_EQ(fieldText("BiDirValue"), QString::fromLatin1(c.biDirValue)) << label;
    }
    // No failure box on any of them.
    for (const auto& message : prompts().messages())
        EXPECT_NE(message.text, ExportFailureText::ReportDefinition);
}

TEST_F(MultiTestReportTest, APictureOfThatNameBesideTheDefinitionIsNeitherReadNorTouched)
{
    // A picture another print left beside the definition, as pictures once
    // were written there: the report neither puts it in nor changes it.
    m_ramp.m_bPressureData = 0;
    QFile old(m_folder + QStringLiteral("RampTest2.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("from an earlier print");
    old.close();
    QImage stale(2000, 1060, QImage::Format_RGB32);
    stale.fill(Qt::black);
    ASSERT_TRUE(stale.save(m_folder + QStringLiteral("RampTest.bmp")));
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);

    generate();

    QFile after(m_folder + QStringLiteral("RampTest2.bmp"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), QByteArray("from an earlier print"));
    EXPECT_FALSE(pictured("RampGrph2"));
    // The ramp picture is the plot's, not the black one beside the definition.
    const ReportPageItem* ramp = field(QStringLiteral("RampGrph"));
    ASSERT_TRUE(ramp && !ramp->picture.isNull());
    const QImage placed = ramp->picture.convertToFormat(QImage::Format_RGB32);
    int black = 0;
    for (int y = 0; y < placed.height(); y += 10)
        for (int x = 0; x < placed.width(); x += 10)
            black += placed.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    EXPECT_LT(black, (placed.width() / 10) * (placed.height() / 10) / 2);
    EXPECT_EQ(QImage(m_folder + QStringLiteral("RampTest.bmp")).pixel(10, 10), qRgb(0, 0, 0));
}

TEST_F(MultiTestReportTest, TheRampStepAndHDRLPlotsAreLeftInTheirFirstViewsThePartialStrokePlotAsItWas)
{
    m_ramp.SetSigVCommandView(IXYPlotPtr(&m_rampPlot), m_header);
    m_step.OnPvPClick(IPlotPtr(&m_stepPlot), m_header);
    m_hdrl.LinearityClicked(IPlotPtr(&m_hdrlPlot));
    m_pstPlot.SetTitle(QStringLiteral("As the page shows it"));
    m_pstPlot.ChannelByName(QStringLiteral("Position"))->SetVisible(false);
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);

    generate();

    EXPECT_EQ(m_rampPlot.GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_EQ(m_stepPlot.GetTitle(), QStringLiteral("Step Test"));
    EXPECT_EQ(m_hdrlPlot.GetTitle(), QStringLiteral("Position vs. Time"));
    EXPECT_EQ(m_pstPlot.GetTitle(), QStringLiteral("As the page shows it"));
    EXPECT_FALSE(m_pstPlot.ChannelByName(QStringLiteral("Position"))->GetVisible());
    EXPECT_EQ(m_pstPlot.ChannelByName(QStringLiteral("Position"))->Count(), 20);
    EXPECT_TRUE(m_rampPlot.ScreenBar(0)->GetVisible());
    for (const Plot* plot : { &m_stepPlot, &m_pstPlot, &m_hdrlPlot })
        EXPECT_TRUE(plot->ScreenBar(0)->GetVisible()) << plot->GetTitle().toStdString();
}

TEST_F(MultiTestReportTest, ADefinitionWithoutAPictureFieldShowsOnlyTheFailureAndLeavesTheHDRLPlotInItsFirstView)
{
    m_hdrl.HDRClicked(IPlotPtr(&m_hdrlPlot));
    const QString definition = definitionWithout(QStringLiteral("HDRLRampGrph3"));
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

    generate(definition);

    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, ExportFailureText::ReportDefinition);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("MULTI-TEST REPORT"));
    expectNoMorePrompts();
    EXPECT_EQ(m_hdrlPlot.GetTitle(), QStringLiteral("Position vs. Time"));
    EXPECT_TRUE(m_hdrlPlot.ScreenBar(0)->GetVisible());
}

TEST_F(MultiTestReportTest, APictureThatCannotBeTakenPutsItsPlotBackAndLeavesTheLaterPlotsAlone)
{
    ownTemporaryFolder();
    // The signals picture cannot be drawn: its painting fails.
    std::function<void(const Plot&, const PlotPainter::DrawnTexts&)>& observer = PlotPainter::drawnTextsObserver();
    const auto before = observer;
    observer = [](const Plot& plot, const PlotPainter::DrawnTexts& drawn) {
        if (drawn.picture && plot.GetTitle() == QStringLiteral("Signals Vs Command"))
            throw ComError(ComError::Failure, QStringLiteral("picture not drawn"));
    };
    m_step.OnPvPClick(IPlotPtr(&m_stepPlot), m_header);
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

    generate();
    observer = before;

    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, ExportFailureText::ReportDefinition);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("MULTI-TEST REPORT"));
    expectNoMorePrompts();
    EXPECT_EQ(m_rampPlot.GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_TRUE(m_rampPlot.ScreenBar(0)->GetVisible());
    EXPECT_EQ(m_stepPlot.GetTitle(), QStringLiteral("Pressure Vs Position"));
    EXPECT_TRUE(m_stepPlot.ScreenBar(0)->GetVisible());
    // The pictures taken before the failure went with the report's folder.
    EXPECT_EQ(leftInTemporaryFolder(), QStringList());
}

TEST_F(MultiTestReportTest, WithoutARampPlotTheReportEndsWithItsFailureBox)
{
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);
    generate(m_folder + QStringLiteral("AllTestReport.xml"), IXYPlotPtr());

    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, QStringLiteral("MULTI-TEST REPORT"));
    expectNoMorePrompts();
    EXPECT_TRUE(m_stepPlot.ScreenBar(0)->GetVisible());
}

TEST_F(MultiTestReportTest, TheSmallerModelsDefinitionHoldsEveryKeyTheReportFills)
{
    m_ramp.m_bPressureData = 1;
    m_ramp.m_bBiDirectional = 1;
    const QString pdf = tempPath(QStringLiteral("K40.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo);

    generate(m_folder + QStringLiteral("AllTestReport_K40.xml"));

    for (const auto& message : prompts().messages())
        EXPECT_NE(message.text, ExportFailureText::ReportDefinition);
    EXPECT_TRUE(pictured("RampGrph4"));
    EXPECT_TRUE(pdfText(pdf).simplified().contains(QStringLiteral("Ramp Test Settings")));
}
