// The ramp test page's Save, Load and Print Report: the files it writes and
// reads, the refused files, and the report read back from its PDF.
#include "RampTestPageTest.h"

#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "core/PlotConfiguration.h"
#include "ramp/RampTestChannels.h"
#include "ramp/RampTestFile.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

using Ramp = CRampTest;

class RampTestFilesTest : public RampTestPageTest
{
protected:
    // Reports print from a program folder of the test's own (only while they
    // print: the rest of the program keeps its own), whose definitions a
    // test may change.
    void SetUp() override
    {
        RampTestPageTest::SetUp();
        PrintBackend::install(&m_printed);
        m_home = tempPath(QStringLiteral("home"));
        QDir().mkpath(m_home + QStringLiteral("/Dependencies"));
        for (const char* name : { "RampTestRept.xml", "RampTestRept_K40.xml" })
            QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Dependencies/") + QLatin1String(name),
                dependencies() + QLatin1String(name));
    }
    QString dependencies() const { return m_home + QStringLiteral("/Dependencies/"); }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        qunsetenv("STROKEWISE_HOME");
        RampTestPageTest::TearDown();
    }

    // The local clock reads `when` now.
    void setLocalNow(const QDateTime& when) { clock().setLocalStart(when.addMSecs(-clock().elapsedMs())); }

    // `inches`: the device reads its travel in inches, its pressure in psi.
    void runRamp(bool bidirectional, const char* path = K90Path, bool inches = false)
    {
        if (inches) {
            start({ QStringLiteral("/d") + QString::fromLatin1(path) });
            useUnits(6, path);
            clock().advance(2000);
            select(RampTestCode);
            clock().advance(1000);
        } else {
            showRampPage(path);
        }
        typeRamp("20", "80", "2", "3", bidirectional);
        startRamp();
        runRampToCompletion();
        ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed"));
    }

    // A ramp file of another device: kPa and millimetres, size 23.86.
    QString otherDevicesFile(bool bidirectional, int settingsPoints = 18)
    {
        CRampReport other;
        other.m_strStartPosition = AutoString("12.5");
        other.m_strStopPosition = AutoString("70");
        other.m_strHoldTime = AutoString("5");
        other.m_strTestDuration = AutoString("60");
        other.m_strTag = AutoString("TV-9");
        other.m_nPressureUnit = 12;
        other.m_nLengthUnit = 49;
        other.m_bBiDirectional = bidirectional ? 1 : 0;
        other.m_bSingleActing = 1;
        other.m_strActuatorSize = AutoString("23.86");
        other.m_strStrokeLength = AutoString("1.5");
        other.m_strSpringInitial = AutoString("40.125");
        other.m_strSpringFinal = AutoString(" - ");
        other.m_strSpringRate = AutoString("7");
        XYPlot source;
        const IXYPlotPtr plot(&source);
        ConfigureRampPlotControl(plot);
        other.SetupRampPlotChannels(plot);
        source.ChannelByName(QStringLiteral("Position"))->AddXY(0, 12.5);
        source.ChannelByName(QStringLiteral("Position"))->AddXY(10, 70);
        const QString file = tempPath(QStringLiteral("other%1.rmp").arg(settingsPoints));
        prompts().answerFile(file);
        other.SaveRamp(plot);
        if (settingsPoints < RampTestFile::SettingsPoints) {
            XYPlot cut;
            cut.LoadDataFile(file);
            const IXYPlotChannelPtr settings = cut.ChannelByName(QStringLiteral("TestSettings"));
            std::vector<double> ys;
            for (int k = 0; k < settingsPoints; ++k)
                ys.push_back(settings->GetY(k));
            settings->Clear();
            for (size_t k = 0; k < ys.size(); ++k)
                settings->AddXY(double(k), ys[k]);
            cut.SaveDataFile(file);
        }
        return file;
    }

    static std::vector<double> settingsOf(const QString& path)
    {
        XYPlot file;
        file.LoadDataFile(path);
        std::vector<double> ys;
        const IXYPlotChannelPtr settings = file.ChannelByName(QStringLiteral("TestSettings"));
        for (int k = 0; k < settings->Count(); ++k)
            ys.push_back(settings->GetY(k));
        return ys;
    }
    static QString tagOf(const QString& path)
    {
        XYPlot file;
        file.LoadDataFile(path);
        QString tag;
        const IXYPlotChannelPtr points = file.ChannelByName(QStringLiteral("TagName"));
        for (int k = 0; k < points->Count(); ++k)
            tag += QChar(int(points->GetY(k)));
        return tag;
    }

    QString print(const char* pdfName)
    {
        const QString pdf = tempPath(QString::fromLatin1(pdfName));
        QFile::remove(pdf);
        prompts().clearRecords();
        prompts().answerFile(pdf, QStringLiteral("Save Ramp ReportAs"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        qputenv("STROKEWISE_HOME", m_home.toUtf8());
        ramp().PrintRampReport();
        qunsetenv("STROKEWISE_HOME");
        return ReportTestSupport::pdfText(pdf).simplified();
    }

    RecordingPrintBackend m_printed;
    QString m_home;
};

TEST_F(RampTestFilesTest, SaveProposesTagAndTimeAndWritesNineteenSettingsEachTime)
{
    // Run on 10/2/2027, saved a week later: the name is the time of saving,
    // the file's date the day of the run.
    clock().setLocalStart(QDateTime(QDate(2027, 10, 2), QTime(9, 0, 0)));
    runRamp(true);
    setLocalNow(QDateTime(QDate(2027, 10, 9), QTime(16, 20, 0)));
    const DeviceData& dd = data();
    for (const char* name : { "first.rmp", "second.rmp" }) {
        const QString path = tempPath(QString::fromLatin1(name));
        prompts().clearRecords();
        prompts().answerFile(path, QStringLiteral("Save Ramp Test Results As"));
        ramp().SaveRampResults();
        ASSERT_EQ(prompts().records().size(), 1u);
        EXPECT_EQ(prompts().records()[0].dialog.initialName, QStringLiteral("PV-101_2027_10_9_16h_20m.rmp")) << name;
        const std::vector<double> settings = settingsOf(path);
        ASSERT_EQ(settings.size(), 19u) << name;
        const std::vector<double> head(settings.begin(), settings.begin() + 12);
        EXPECT_EQ(head,
            (std::vector<double> { 20, 80, 2, 3, 1, double(dd.Config28Bit5 != 0), double(dd.PressureSensorFlag != 0),
                10, 2, 2027, double(dd.PressureUnit), double(dd.TravelUnit) }))
            << name;
        // The pressure data flag follows the pressure sensor flag.
        EXPECT_EQ(settings[14], settings[6]) << name;
        EXPECT_NEAR(settings[17], rampText(Ramp::SpringRateEdit).toDouble(), 0.01) << name;
        // Every spring field holds a value.
        EXPECT_EQ(settings[18], 0.0) << name;
        // The device's tag as it reads it, padding included.
        EXPECT_EQ(tagOf(path), data().Tag) << name;
        EXPECT_TRUE(tagOf(path).startsWith(QStringLiteral("PV-101"))) << name;
        EXPECT_EQ(xy("Position")->Count(), 417) << name;
    }
    keepAsFuzzSeed(tempPath(QStringLiteral("first.rmp")), QStringLiteral("ramp_test.rmp"));
}

TEST_F(RampTestFilesTest, SaveWritesAPaddedSettingAsTheRunSentItTheWholeTextRead)
{
    showRampPage();
    // Blanks around a number are no part of it, however many.
    const QString padded = QString(254, QLatin1Char(' ')) + QStringLiteral("25");
    typeRamp("20", "80", "2", "3", false);
    ramp().setWindowText(Ramp::StartEdit, padded);
    startRamp();
    runRampToCompletion();
    ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed"));
    EXPECT_EQ(data().SigSettings.Floats[0], 25.0f);
    const QString path = tempPath(QStringLiteral("padded.rmp"));
    prompts().answerFile(path, QStringLiteral("Save Ramp Test Results As"));
    ramp().SaveRampResults();
    EXPECT_EQ(settingsOf(path).at(0), 25.0);
    EXPECT_EQ(app().records().m_RampReport.m_strStartPosition.toQString(), QStringLiteral("25.00"));
}

TEST_F(RampTestFilesTest, LoadShowsTheFileOffLineAndSaveKeepsItsTagAndCodes)
{
    runRamp(false);
    prompts().answerFile(otherDevicesFile(true), QStringLiteral("Open Ramp Test Results"));
    ramp().LoadRampResults();
    ASSERT_TRUE(ramp().offlineData());
    const std::pair<int, const char*> shown[] = {
        { Ramp::StartEdit, "12.5" },
        { Ramp::StopEdit, "70" },
        { Ramp::DurationEdit, "60" },
        { Ramp::ActuatorSizeEdit, "23.9" },
        { Ramp::StrokeLengthEdit, "1.50" },
        { Ramp::SpringInitialEdit, "40.12" },
        { Ramp::SpringFinalEdit, " - " },
        { Ramp::SpringRateEdit, "7.00" },
        { Ramp::SpringInitialUnit, "kPa" },
        { Ramp::StrokeLengthUnit, "mm" },
        // The area unit as a run in millimetres shows it.
        { Ramp::ActuatorSizeUnit, "cm²" },
        { Ramp::SpringRateUnit, "kg/mm" },
        { Ramp::StatusEdit, "Off line data" },
    };
    for (const auto& [id, text] : shown)
        EXPECT_EQ(rampText(id), QString::fromUtf8(text)) << id;
    EXPECT_EQ(ramp().plot()->YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [kPa]"));
    EXPECT_TRUE(rampChecked(Ramp::BidirectionalBox));
    EXPECT_EQ(xy("Position")->Count(), 2);

    const QString again = tempPath(QStringLiteral("again.rmp"));
    prompts().answerFile(again);
    ramp().SaveRampResults();
    EXPECT_EQ(tagOf(again), QStringLiteral("TV-9"));
    const std::vector<double> settings = settingsOf(again);
    EXPECT_EQ(settings.at(10), 12.0);
    EXPECT_EQ(settings.at(11), 49.0);
    EXPECT_EQ(settings.at(5), 1.0);
    EXPECT_NEAR(settings.at(12), 23.9, 1e-5);

    // A one-way file shows no spring values.
    prompts().answerFile(otherDevicesFile(false));
    ramp().LoadRampResults();
    for (int id : { Ramp::SpringRateEdit, Ramp::SpringInitialEdit, Ramp::SpringFinalEdit })
        EXPECT_EQ(rampText(id), QStringLiteral(" - ")) << id;
    EXPECT_FALSE(rampChecked(Ramp::BidirectionalBox));
}

TEST_F(RampTestFilesTest, RefusedFilesLeavePlotEditsAndRecordAsTheyWere)
{
    runRamp(false);
    // A step test file renamed, a truncated ramp file, a bi-directional file
    // one settings point short.
    const QString renamed = tempPath(QStringLiteral("step.rmp"));
    {
        CStepTestReport step;
        Plot source;
        ConfigureStepTestPlotControl(IPlotPtr(&source));
        step.SetupStepTestPlotChannels(IPlotPtr(&source));
        prompts().answerFile(renamed);
        step.SaveStepTest(IPlotPtr(&source));
    }
    const QString whole = otherDevicesFile(true);
    QFile in(whole);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    in.close();
    const QString truncated = tempPath(QStringLiteral("truncated.rmp"));
    QFile out(truncated);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() * 2 / 3));
    out.close();
    const QString shortSettings = otherDevicesFile(true, 17);

    const CRampReport before = app().records().m_RampReport;
    for (const QString& file : { renamed, truncated, shortSettings }) {
        prompts().clearRecords();
        prompts().answerFile(file);
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
        ramp().LoadRampResults();
        ASSERT_EQ(prompts().messages().size(), 1u) << file.toStdString();
        EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File open error."));
        EXPECT_FALSE(ramp().offlineData()) << file.toStdString();
        EXPECT_EQ(xy("Position")->Count(), 209) << file.toStdString();
        EXPECT_EQ(rampText(Ramp::StartEdit), QStringLiteral("20"));
        EXPECT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed"));
        EXPECT_EQ(app().records().m_RampReport.m_strTag, before.m_strTag);
        EXPECT_EQ(app().records().m_RampReport.m_strStartPosition, before.m_strStartPosition);
    }
}

TEST_F(RampTestFilesTest, PrintWritesThePicturesOfTheRunAndThePdfOfTheModelsDefinition)
{
    const struct {
        const char* path;
        bool bidirectional;
        const char* model;
        bool frictionPicture;
    } cases[] = {
        { K90Path, true, "K90 positioner", true },
        { K40Path, true, "K40 positioner", true },
        { K90Path, false, "K90 positioner", false },
    };
    for (const auto& c : cases) {
        const std::string label = std::string(c.path) + (c.bidirectional ? " both ways" : " one way");
        runRamp(c.bidirectional, c.path, true);
        const QString text = print("report.pdf");
        const QString tag = c.path == K90Path ? QStringLiteral("PV-101") : QStringLiteral("PV-102");
        ASSERT_FALSE(prompts().records().empty()) << label;
        EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(tag + QStringLiteral("_RampReport_")))
            << label;
        for (const QString& expected : { QStringLiteral("Ramp Test Report"), QStringLiteral("Test Date:"),
                 QStringLiteral("Bi-Directional:"), QStringLiteral("Start Position: 20"),
                 QStringLiteral("Test Duration: 3"), QStringLiteral("psi"), QString::fromLatin1(c.model) })
            EXPECT_TRUE(text.contains(expected)) << label << ": " << expected.toStdString() << "\n"
                                                 << text.toStdString();
        if (c.bidirectional) {
            EXPECT_TRUE(text.contains(QStringLiteral("Bi-Directional: Yes"))) << label;
            EXPECT_TRUE(text.contains(QStringLiteral("lbs/in."))) << label;
            EXPECT_TRUE(text.contains(
                QStringLiteral("Stroke Length: ") + rampText(Ramp::StrokeLengthEdit) + QStringLiteral(" in.")))
                << label;
        } else {
            EXPECT_TRUE(text.contains(QStringLiteral("Bi-Directional: No"))) << label;
            EXPECT_TRUE(text.contains(QStringLiteral("Spring Rate: -"))) << label;
        }
        QStringList pictures { "RampGrph", "RampGrph2", "RampGrph3" };
        if (c.frictionPicture)
            pictures << QStringLiteral("RampGrph4");
        EXPECT_EQ(ReportPictures::picturedFields(
                      ReportPictures::reportOf(ramp()), { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" }),
            pictures)
            << label;
        EXPECT_EQ(ramp().plot()->GetTitle(), QStringLiteral("Ramp Test")) << label;
        EXPECT_EQ(ramp().currentView(), Ramp::View::Ramp) << label;
        m_app.reset();
    }
}

TEST_F(RampTestFilesTest, EachViewsPictureGoesIntoItsOwnFieldOfTheReport)
{
    runRamp(true);
    print("pictures.pdf");
    const ReportControl* report = ramp().findChild<ReportControl*>();
    ASSERT_TRUE(report);
    const ReportDocument document = report->layoutDocument();
    const auto view
        = [this](int button) { return [this, button] { ramp().controlAs<QAbstractButton>(button)->click(); }; };
    EXPECT_EQ(
        ReportPictures::viewsInFields(document, *ramp().plot().get(),
            { { "RampGrph", view(Ramp::RampViewButton) }, { "RampGrph2", view(Ramp::PressureViewButton) },
                { "RampGrph3", view(Ramp::SignalsViewButton) }, { "RampGrph4", view(Ramp::FrictionViewButton) } }),
        ReportPictures::inOrder(4));
}

TEST_F(RampTestFilesTest, TheKilogramUnitPrintsAsKgPerSqCmOnlyForABidirectionalTest)
{
    for (bool bidirectional : { true, false }) {
        runRamp(bidirectional);
        ramp().setWindowText(Ramp::SpringInitialUnit, QStringLiteral("Kg/cm²"));
        ramp().setWindowText(Ramp::ActuatorSizeUnit, QStringLiteral("cm²"));
        print("kg.pdf");
        const CRampReport& record = app().records().m_RampReport;
        EXPECT_EQ(record.m_strSpringPressureUnit.toQString(),
            bidirectional ? QStringLiteral("Kg/sq.cm") : QStringLiteral("Kg/cm²"))
            << bidirectional;
        EXPECT_EQ(record.m_strActuatorSizeUnit.toQString(), QStringLiteral("sq.cm")) << bidirectional;
        m_app.reset();
    }
}

TEST_F(RampTestFilesTest, ADefinitionWithoutAKeyGivesOnlyItsMessageAndTheViewComesBack)
{
    QFile shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/Dependencies/RampTestRept.xml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArrayList kept;
    for (const QByteArray& line : shipped.readAll().split('\n')) {
        if (!line.contains("\"SpFinUnit\""))
            kept << line;
    }
    QFile broken(dependencies() + QStringLiteral("RampTestRept.xml"));
    broken.remove();
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(kept.join('\n'));
    broken.close();

    runRamp(true);
    ramp().controlAs<QAbstractButton>(Ramp::FrictionViewButton)->click();
    prompts().clearRecords();
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("Report Definition file could not be found/matched."));
    qputenv("STROKEWISE_HOME", m_home.toUtf8());
    ramp().PrintRampReport();
    ASSERT_EQ(prompts().records().size(), 1u);
    EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(ramp().plot()->GetTitle(), QStringLiteral("Ramp Test"));
    EXPECT_TRUE(ramp().plot()->ScreenBar(0)->GetVisible());
}

TEST_F(RampTestFilesTest, AnOffLinePrintReportsUnderTheFilesTag)
{
    runRamp(false);
    prompts().answerFile(otherDevicesFile(true));
    ramp().LoadRampResults();
    const QString text = print("offline.pdf");
    // The connected device keeps its own tag: printing a file names it in the report alone.
    EXPECT_EQ(data().Tag, QStringLiteral("PV-101  "));
    // The report and its proposed name carry the loaded file's tag, not the
    // connected device's.
    ASSERT_FALSE(prompts().records().empty());
    EXPECT_TRUE(prompts().records()[0].dialog.initialName.startsWith(QStringLiteral("TV-9_RampReport_")))
        << prompts().records()[0].dialog.initialName.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("TV-9"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("PV-101"))) << text.toStdString();
}

TEST_F(RampTestFilesTest, ALoadedResultsPressureBoxesComeBackWithTheRampViewAfterTheFrictionViewAndAPrint)
{
    // The friction view takes every box away; the views that draw pressures
    // must give the loaded result's pressure boxes back, as they do for a run.
    struct Case {
        const char* path;
        bool portTwo;
    };
    for (const Case& c : { Case { K90Path, true }, Case { K40Path, false } }) {
        const std::string label = c.path;
        showRampPage(c.path);
        data().Config28Bit5 = 0;
        typeRamp("20", "80", "2", "3", true);
        startRamp();
        runRampToCompletion();
        ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed")) << label;
        const QString file = tempPath(QStringLiteral("boxes.rmp"));
        prompts().answerFile(file, QStringLiteral("Save Ramp Test Results As"));
        ramp().SaveRampResults();
        prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
        ramp().LoadRampResults();
        ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Off line data")) << label;
        const auto boxesOn = [&](const char* when) {
            EXPECT_TRUE(rampEnabled(Ramp::Port1Box)) << label << " " << when;
            EXPECT_EQ(rampEnabled(Ramp::Port2Box), c.portTwo) << label << " " << when;
        };
        boxesOn("after its Load");
        for (int view : { Ramp::RampViewButton, Ramp::PressureViewButton, Ramp::SignalsViewButton }) {
            if (!rampEnabled(Ramp::FrictionViewButton))
                break;
            ramp().controlAs<QAbstractButton>(Ramp::FrictionViewButton)->click();
            EXPECT_FALSE(rampEnabled(Ramp::Port1Box)) << label;
            ramp().controlAs<QAbstractButton>(view)->click();
            boxesOn(("back to view " + std::to_string(view)).c_str());
        }
        if (rampEnabled(Ramp::FrictionViewButton)) {
            ramp().controlAs<QAbstractButton>(Ramp::FrictionViewButton)->click();
            print("boxes.pdf");
            EXPECT_EQ(ramp().currentView(), Ramp::View::Ramp) << label;
            boxesOn("after a print from the friction view");
            // The box still switches its trace.
            ramp().controlAs<QAbstractButton>(Ramp::Port1Box)->click();
            EXPECT_FALSE(shownChannels().contains(QStringLiteral("Port1"))) << label;
        }
        m_app.reset();
    }
}

TEST_F(RampTestFilesTest, TheReportsPicturesKeepTheirLabelsApartAndTheirLegendEntriesWhole)
{
    // Both ways over most of the stroke and a long duration: the friction
    // picture spans thousands of pounds and the time axis over a minute.
    const struct {
        const char* path;
        const char* duration;
    } cases[] = { { K90Path, "60" }, { K40Path, "60" }, { K90Path, "3" } };
    for (const auto& c : cases) {
        const std::string label = std::string(c.path) + " " + c.duration + " s";
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        useUnits(6, c.path);
        clock().advance(2000);
        select(RampTestCode);
        clock().advance(1000);
        typeRamp("5", "95", "2", c.duration, true);
        startRamp();
        runRampToCompletion();
        ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed")) << label;
        DrawnPlotTexts drawn;
        print("readable.pdf");
        // Spring return on either model: the friction picture is printed.
        const bool frictionPicture = true;
        const std::vector<DrawnPlotTexts::Painting> friction
            = drawn.titled(QStringLiteral("Friction & Thrust Vs Position"));
        EXPECT_EQ(friction.empty(), !frictionPicture) << label;
        // The force labels (the one Y axis shown) read whole hundreds of pounds.
        for (const DrawnPlotTexts::Painting& picture : friction) {
            ASSERT_EQ(picture.texts.axisLabels.size(), 2u) << label;
            EXPECT_GE(picture.texts.axisLabels[1].size(), 2u) << label;
            for (const PlotPainter::DrawnText& force : picture.texts.axisLabels[1])
                EXPECT_EQ(std::fmod(force.text.toDouble(), 100.0), 0.0) << label << " " << force.text.toStdString();
        }
        EXPECT_FALSE(drawn.titled(QStringLiteral("Signals Vs Command")).empty()) << label;
        EXPECT_EQ(drawn.faults(), QStringList()) << label;
        m_app.reset();
    }
}

// Every view on the page and every report picture after a run both ways,
// after its Save, and after its file is loaded back onto a page that a
// one-way run from 70 to 50 % showed last: each shown trace inside its axes
// and off their borders (the pilot relay below the position scale, the
// thrust above 1000 lbs), the same axes at every step, no legend entry
// without its trace, the legends read on paper and no frame printed round a
// picture the report leaves out.
TEST_F(RampTestFilesTest, EveryViewAndPictureHoldsItsTracesAfterARunItsSaveAndItsLoad)
{
    // The second ramp runs past both ends of the fixed 0-100 % position and
    // command axes that a load puts back.
    const std::pair<const char*, const char*> ramps[] = { { "10", "90" }, { "-5", "105" } };
    for (const auto& [start, stop] : ramps)
        for (const char* path : { K90Path, K40Path }) {
            runRamp(true, path, true);
            typeRamp(start, stop, "3", "12", true);
            startRamp();
            runRampToCompletion();
            ASSERT_EQ(rampText(Ramp::StatusEdit), QStringLiteral("Test completed")) << path;
            const QString file = tempPath(QStringLiteral("held.rmp"));
            QStringList ranAxes;
            const auto check = [&](const char* when) {
                const std::string label = std::string(path) + " " + start + " to " + stop + " " + when;
                DrawnPlotTexts drawn;
                const bool flag = data().Config28Bit5 != 0;
                ramp().ShowPressureVsPositionView(flag);
                ramp().grab();
                ramp().ShowSignalsVsCommandView(flag);
                ramp().grab();
                if (rampEnabled(Ramp::FrictionViewButton)) {
                    ramp().ShowFrictionThrustView();
                    ramp().grab();
                }
                ramp().ShowRampTestView(flag);
                ramp().grab();
                print("held.pdf");
                EXPECT_EQ(drawn.faults(), QStringList()) << label;
                const ReportControl* report = ramp().findChild<ReportControl*>();
                ASSERT_TRUE(report) << label;
                const ReportDocument document = report->layoutDocument();
                EXPECT_EQ(ReportPictures::legendsPrintedTooSmall(document, drawn.paintings()), QStringList()) << label;
                EXPECT_EQ(ReportPictures::emptyFrames(document), QStringList()) << label;
                QStringList axes;
                for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
                    axes << painting.plotTitle + QStringLiteral(": ") + painting.axes;
                axes.removeDuplicates();
                axes.sort();
                if (ranAxes.isEmpty())
                    ranAxes = axes;
                // Every view and picture on the axes it had after the run.
                EXPECT_EQ(axes, ranAxes) << label;
            };
            check("after the run");
            prompts().answerFile(file, QStringLiteral("Save Ramp Test Results As"));
            ramp().SaveRampResults();
            check("after its Save");
            typeRamp("70", "50", "3", "2", false);
            startRamp();
            runRampToCompletion();
            prompts().answerFile(file, QStringLiteral("Open Ramp Test Results"));
            ramp().LoadRampResults();
            ASSERT_TRUE(ramp().offlineData()) << path;
            check("after its Load");
            // The pressure axis keeps the highest pressure clear of its top
            // border; with a port at 0 psi its zero goes below the floor.
            const XYPlot& plot = *ramp().plot().get();
            const PlotAxis* pressure = plot.YAxisByName(QStringLiteral("Pressure")).get();
            ASSERT_TRUE(pressure) << path;
            EXPECT_EQ(pressure->GetMin() < 0.0, std::string(start) == "-5") << path;
            for (const PlotChannel* channel : plot.channels()) {
                const PlotChannelData& data = channel->data();
                if (!data.visible || data.ys.empty() || data.yAxisName != QStringLiteral("Pressure"))
                    continue;
                EXPECT_LT(*std::max_element(data.ys.begin(), data.ys.end()), 0.98 * pressure->GetMax())
                    << path << " " << data.title.toStdString();
            }
            m_app.reset();
        }
}

} // namespace
