// The printed report frame that every report generator runs, filled into real
// definitions, rendered to PDF and read back with poppler.
#include "core/ReportFrame.h"
#include "ClockThatMovesOnEveryReading.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"
#include "core/GuardedExport.h"
#include "core/ModuleStateGuard.h"
#include "report/RecordingPrintBackend.h"
#include "ui/HandlerGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

using namespace ReportTestSupport;

namespace
{

const QString NoTitleDefinition = QStringLiteral("FrameFixtureWithoutTitle.xml");

// Builds every string at run time, so that a string still shared with the
// frame afterwards shows as not detached.
AutoString owned(const char* text)
{
    return AutoString(QString::fromUtf8(text));
}

class ReportFrameTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        PrintBackend::install(&m_printed);
        m_report = IReportPtr(&m_reportControl);
        m_printer = IPrinterPtr(&m_printerControl);
        m_header.m_strTag = owned("FCV-7");
        m_header.m_strDeviceVersion = owned("3");
        m_header.m_strActSize = owned("12");
        m_header.m_strActType = owned("Piston");
        m_header.m_strSpringType = owned("Fail Close");
        m_header.m_strBodyModel = owned("GX");
        m_header.m_strBodySize = owned("2 in");
        m_header.m_strFlowDirection = owned("Up");
        m_header.m_strFailPosition = owned("Closed");
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        SwTest::TearDown();
    }

    // The frame test definition, copied where the pictures may be written.
    QString fixtureCopy(const QString& file = QStringLiteral("FrameFixture.xml"))
    {
        const QString copy = tempPath(file);
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(fixtureDefinition(file), copy));
        return copy;
    }

    ReportFrameDescriptor fixtureDescriptor() const
    {
        ReportFrameDescriptor descriptor { ReportFrameRows::Trends };
        descriptor.fields = [](const ReportFrameFields& fields) {
            fields.setText(QStringLiteral("OwnValue"), QStringLiteral("own value 42"));
        };
        return descriptor;
    }

    void generate(const ReportFrameDescriptor& descriptor, const QString& definition)
    {
        ReportFrame::Generate(descriptor, m_header, m_report, m_printer, AutoString(definition), &m_page);
    }

    std::vector<ScriptedPrompts::Record> fileDialogs() const
    {
        std::vector<ScriptedPrompts::Record> dialogs;
        for (const auto& record : prompts().records())
            if (record.kind == ScriptedPrompts::Kind::File)
                dialogs.push_back(record);
        return dialogs;
    }
    // "box:<text>" and "file:<title>" in the order the user met them.
    QStringList promptSequence() const
    {
        QStringList sequence;
        for (const auto& record : const_cast<ReportFrameTest*>(this)->prompts().records()) {
            if (record.kind == ScriptedPrompts::Kind::File)
                sequence << QStringLiteral("file:") + record.dialog.title;
            else if (record.kind == ScriptedPrompts::Kind::Message)
                sequence << QStringLiteral("box:") + record.message.text;
        }
        return sequence;
    }
    QString fieldText(const QString& key) const
    {
        // The laid-out document is a value: the item found lives only as long as it.
        const auto document = m_report->layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }

    ScriptedPrompts& prompts() const { return const_cast<ReportFrameTest*>(this)->SwTest::prompts(); }

    RecordingPrintBackend m_printed;
    ReportControl m_reportControl;
    PrinterControl m_printerControl;
    QWidget m_page;
    IReportPtr m_report;
    IPrinterPtr m_printer;
    CReportHeader m_header;
};

} // namespace

TEST_F(ReportFrameTest, TrendReportOnItsShippedDefinitionProposesTheTaggedNameAndPrintsTheHeaderBlock)
{
    clock().setLocalStart(QDateTime(QDate(2028, 2, 29), QTime(14, 8)));
    const QString pdf = tempPath(QStringLiteral("chosen/Trend.pdf"));
    QDir().mkpath(QFileInfo(pdf).path());
    prompts().answerFile(pdf, QStringLiteral("Save Trend Report As"));
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

    generate(ReportFrameDescriptor { ReportFrameRows::Trends }, shippedDefinition(QStringLiteral("TrendRept.xml")));

    const auto dialogs = fileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].dialog.save);
    EXPECT_EQ(dialogs[0].dialog.initialName, QStringLiteral("FCV-7_TrendReport_2028_2_29_14h_8m"));
    EXPECT_EQ(dialogs[0].dialog.defaultExt, QStringLiteral("pdf"));
    EXPECT_EQ(dialogs[0].dialog.filter, QStringLiteral("(*.pdf)|*.pdf|"));
    EXPECT_TRUE(dialogs[0].dialog.confirmOverwrite);
    EXPECT_EQ(dialogs[0].dialog.owner, nullptr);
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(
        fieldText(QStringLiteral("DeviceLine")), QStringLiteral("DEVICE TAG ID: FCV-7           DEVICE VERSION: 3"));
    // pdftotext spaces words by their place on the page, so the blanks are
    // counted in the laid-out field and the PDF is read with blanks folded.
    const QString text = pdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("DEVICE TAG ID: FCV-7 DEVICE VERSION: 3"))) << text.toStdString();
    EXPECT_TRUE(text.contains(
        QStringLiteral("ACTUATOR INFO --> Size: 12, Manufacturer: , Type: Piston, Spring Type: Fail Close")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(
        QStringLiteral("VALVE BODY INFO --> Model: GX, Body Size: 2 in, Flow Direction: Up, Fail Position: Closed")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1/1"))) << text.toStdString();
    EXPECT_TRUE(m_printed.printed().empty());
}

TEST_F(ReportFrameTest, ATagThatLooksLikeAnExpressionPrintsLiterallyAndNamesTheFileSafely)
{
    m_header.m_strTag = owned("[Page] & \"x\"/..");
    const QString pdf = tempPath(QStringLiteral("Literal.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo);

    generate(fixtureDescriptor(), fixtureCopy());

    ASSERT_EQ(fileDialogs().size(), 1u);
    EXPECT_TRUE(fileDialogs()[0].dialog.initialName.startsWith(QStringLiteral("[Page] & \"x\"_.._TrendReport_")))
        << fileDialogs()[0].dialog.initialName.toStdString();
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("DEVICE TAG ID: [Page] & \"x\"/..")));
}

TEST_F(ReportFrameTest, SingleTestDateLineAndFileNameComeFromTheOneClockReading)
{
    ClockThatMovesOnEveryReading movingClock(QDateTime(QDate(2028, 2, 29), QTime(23, 59)));
    TimerService::install(&movingClock);
    ReportFrameDescriptor descriptor = fixtureDescriptor();
    descriptor.dateLabelKey = QStringLiteral("lblTestDate");
    descriptor.dateValueKeys = { QStringLiteral("lblTestDateResult") };
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);

    generate(descriptor, fixtureCopy());
    TimerService::install(&clock());

    EXPECT_EQ(fieldText(QStringLiteral("lblTestDate")), QStringLiteral("TestDate:"));
    EXPECT_EQ(fieldText(QStringLiteral("lblTestDateResult")), QStringLiteral("2/29/2028"));
    ASSERT_EQ(fileDialogs().size(), 1u);
    EXPECT_EQ(fileDialogs()[0].dialog.initialName, QStringLiteral("FCV-7_TrendReport_2028_2_29_23h_59m"));
    EXPECT_EQ(movingClock.m_readings, 1);
}

TEST_F(ReportFrameTest, CompareReportWritesNoHeaderBlockNorDateLineAndTakesFileOnesTag)
{
    ReportFrameDescriptor descriptor = fixtureDescriptor();
    descriptor.headerBlock = false;
    descriptor.fileTag = owned("CMP-1");
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);

    generate(descriptor, fixtureCopy());

    for (const char* key : { "DeviceLine", "ActInfoLine", "BodInfoLine", "lblTestDate", "lblTestDateResult" })
        EXPECT_EQ(fieldText(QString::fromUtf8(key)), QString()) << key;
    EXPECT_EQ(fieldText(QStringLiteral("OwnValue")), QStringLiteral("own value 42"));
    ASSERT_EQ(fileDialogs().size(), 1u);
    EXPECT_TRUE(fileDialogs()[0].dialog.initialName.startsWith(QStringLiteral("CMP-1_TrendReport_")));
}

TEST_F(ReportFrameTest, SaveAndPrintAnswersDecideWhatIsWrittenAndPrintedAndAFailedPrintIsToldAsSuch)
{
    struct Case {
        const char* name;
        bool save;
        int printAnswer;
        bool nullPrinter;
        bool failingPrinter;
        bool pdfWritten;
        size_t printed;
        const char* failure; // the box after the print question; none: no box
    };
    const Case cases[] = {
        { "Cancel then Yes", false, Prompts::IdYes, false, false, false, 1, nullptr },
        { "OK then No", true, Prompts::IdNo, false, false, true, 0, nullptr },
        { "OK then Yes without a printer control", true, Prompts::IdYes, true, false, true, 0,
            "The report could not be printed. The PDF file was saved." },
        { "OK then Yes with no printer", true, Prompts::IdYes, false, true, true, 0,
            "The report could not be printed. The PDF file was saved." },
        { "Cancel then Yes with no printer", false, Prompts::IdYes, false, true, false, 0,
            "The report could not be printed." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrintBackend backend;
        PrintBackend::install(&backend);
        if (c.failingPrinter)
            backend.failWith(ComError(ComError::Failure, QStringLiteral("No printer is available")));
        const QString pdf = tempPath(QString::fromUtf8(c.name) + QStringLiteral(".pdf"));
        prompts().clearRecords();
        prompts().answerFile(c.save ? std::optional<QString>(pdf) : std::nullopt);
        prompts().answerMessage(c.printAnswer, ReportFrameText::PrintQuestion);
        if (c.failure)
            prompts().answerMessage(Prompts::IdOk, QString::fromUtf8(c.failure));

        ReportFrame::Generate(fixtureDescriptor(), m_header, m_report, c.nullPrinter ? IPrinterPtr() : m_printer,
            AutoString(fixtureCopy()), &m_page);

        EXPECT_EQ(QFileInfo::exists(pdf), c.pdfWritten);
        if (c.pdfWritten) {
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.read(4), QByteArray("%PDF"));
        }
        EXPECT_EQ(backend.printed().size(), c.printed);
        const auto messages = prompts().messages();
        ASSERT_EQ(messages.size(), c.failure ? 2u : 1u);
        EXPECT_EQ(messages[0].caption.value_or(QStringLiteral("<default>")), QStringLiteral("Print Report"));
        EXPECT_EQ(messages[0].buttons, Prompts::Buttons::YesNo);
        EXPECT_EQ(messages[0].owner, &m_page);
        if (c.failure) {
            EXPECT_EQ(messages[1].text, QString::fromUtf8(c.failure));
            EXPECT_EQ(messages[1].buttons, Prompts::Buttons::Ok);
            EXPECT_EQ(messages[1].caption.value_or(QStringLiteral("<default>")), QString());
            EXPECT_EQ(messages[1].owner, nullptr);
        }
        PrintBackend::install(&m_printed);
    }
}

TEST_F(ReportFrameTest, APdfThatCannotBeWrittenIsAFileSaveErrorLoggedWithItsPathAndThePrintIsStillOffered)
{
    QStringList logged;
    HandlerGuard::setLogHook([&logged](const QString& line) { logged << line; });
    const QString pdf = tempPath(QStringLiteral("no such folder/FCV-7.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::FileSave);
    prompts().answerMessage(Prompts::IdYes, ReportFrameText::PrintQuestion);

    generate(fixtureDescriptor(), fixtureCopy());

    EXPECT_EQ(promptSequence(),
        (QStringList { QStringLiteral("file:Save Trend Report As"), QStringLiteral("box:File save error."),
            QStringLiteral("box:Do you want to print the Report?") }));
    EXPECT_EQ(prompts().messages().at(0).caption.value_or(QStringLiteral("<default>")), QString());
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(m_printed.printed().size(), 1u) << "the report itself was made";
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].contains(pdf)) << logged[0].toStdString();
    HandlerGuard::setLogHook(nullptr);
}

TEST_F(ReportFrameTest, ADefinitionWithoutTheTitleFieldShowsOneBoxAndOffersNothing)
{
    const IReportPtr& callersReport = m_report;
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

    generate(fixtureDescriptor(), fixtureCopy(NoTitleDefinition));

    EXPECT_EQ(promptSequence(), QStringList { QStringLiteral("box:") + ExportFailureText::ReportDefinition });
    const auto message = prompts().messages().at(0);
    EXPECT_EQ(message.caption.value_or(QStringLiteral("<default>")), QString());
    EXPECT_EQ(message.buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(message.owner, nullptr);
    EXPECT_EQ(callersReport.useCount(), 1);
    EXPECT_EQ(m_printer.useCount(), 1);
    EXPECT_TRUE(m_header.m_strTag.toQString().isDetached());
    EXPECT_TRUE(m_header.m_strDeviceVersion.toQString().isDetached());
    EXPECT_TRUE(m_header.m_strFailPosition.toQString().isDetached());
    EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
}

TEST_F(ReportFrameTest, WithTheInnerCatchAFailedFieldStillOffersThePdfWithTheEarlierFields)
{
    ReportFrameDescriptor descriptor = fixtureDescriptor();
    descriptor.innerCatch = true;
    const QString pdf = tempPath(QStringLiteral("Partial.pdf"));
    prompts().answerMessage(Prompts::IdOk, ReportFrameText::InnerFailure);
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

    generate(descriptor, fixtureCopy(NoTitleDefinition));

    EXPECT_EQ(promptSequence(),
        (QStringList { QStringLiteral("box:") + ReportFrameText::InnerFailure,
            QStringLiteral("file:Save Trend Report As"), QStringLiteral("box:") + ReportFrameText::PrintQuestion }));
    EXPECT_EQ(prompts().messages().at(0).caption.value_or(QStringLiteral("<default>")), QString());
    EXPECT_EQ(prompts().messages().at(0).owner, nullptr);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Page 1/1")));
    EXPECT_FALSE(pdfText(pdf).contains(QStringLiteral("own value 42")));
    EXPECT_EQ(m_report.useCount(), 1);
    EXPECT_EQ(m_printer.useCount(), 1);
    EXPECT_TRUE(m_header.m_strTag.toQString().isDetached());
}

TEST_F(ReportFrameTest, TheMultiTestReportFailsUnderItsOwnCaption)
{
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

    generate(ReportFrameDescriptor { ReportFrameRows::MultiTest }, tempPath(QStringLiteral("Missing.xml")));

    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(
        prompts().messages()[0].caption.value_or(QStringLiteral("<default>")), QStringLiteral("MULTI-TEST REPORT"));
    EXPECT_TRUE(fileDialogs().empty());
}

TEST_F(ReportFrameTest, PicturesOfTwoViewsAreTakenAtFullSizeAndLeaveNoFileBehind)
{
    ownTemporaryFolder();
    Plot plot;
    plot.resize(300, 200);
    plot.AddChannel();
    for (int k = 0; k < 200; ++k)
        plot.Channel(0)->AddXY(k, (k * 37) % 100);
    const IPlotPtr plotPtr(&plot);
    std::vector<bool> barShownWhileTaken;
    ReportFrameDescriptor descriptor = fixtureDescriptor();
    for (int view = 1; view <= 2; ++view) {
        descriptor.pictures.push_back({ plotPtr,
            [&plot, &barShownWhileTaken, view] {
                plot.SetTitle(QStringLiteral("view %1").arg(view));
                barShownWhileTaken.push_back(plot.ScreenBar(0)->GetVisible());
            },
            QStringLiteral("Fx%1.bmp").arg(view), QStringLiteral("Fx%1Grph").arg(view) });
    }
    const QString definition = fixtureCopy();
    const QString pdf = tempPath(QStringLiteral("Pictures.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo);

    generate(descriptor, definition);

    const ReportDocument laidOut = m_report->layoutDocument();
    for (const char* key : { "Fx1Grph", "Fx2Grph" }) {
        const ReportPageItem* picture = laidOut.find(QString::fromLatin1(key));
        ASSERT_NE(picture, nullptr) << key;
        EXPECT_EQ(picture->picture.size(), QSize(2000, 1060)) << key;
    }
    // The pictures went into the report's own folder, which is gone again;
    // nothing was written beside the definition.
    EXPECT_EQ(leftInTemporaryFolder(), QStringList());
    for (const char* name : { "Fx1.bmp", "Fx2.bmp" })
        EXPECT_FALSE(QFileInfo::exists(tempPath(QString::fromLatin1(name)))) << name;
    // The first view is set while the strip still shows, then the strip is
    // hidden and each view set again as its picture is taken.
    EXPECT_EQ(barShownWhileTaken, (std::vector<bool> { true, false, false }));
    EXPECT_EQ(plot.GetTitle(), QStringLiteral("view 2"));
    EXPECT_TRUE(plot.ScreenBar(0)->GetVisible());
    // The lower half of the page holds only the two picture fields.
    const QImage page = pdfFirstPageImage(pdf, artifactPath(QStringLiteral("frame_pictures.png")), 50);
    ASSERT_FALSE(page.isNull());
    int dark = 0;
    for (int y = page.height() / 2; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(dark, 200);
}

TEST_F(ReportFrameTest, TwoReportsPrintingAtOnceEachPrintTheirOwnPicturesAndLeaveNoneBehind)
{
    // Two instances of the program print the same report at the same moment:
    // the second runs whole while the first is between its two pictures,
    // with the same definition and the same picture names.
    ownTemporaryFolder();
    const auto plotOf = [](Plot& plot, int slope) {
        plot.resize(300, 200);
        plot.AddChannel();
        for (int k = 0; k < 100; ++k)
            plot.Channel(0)->AddXY(k, slope > 0 ? k : 100 - k);
    };
    Plot firstPlot;
    Plot secondPlot;
    plotOf(firstPlot, 1);
    plotOf(secondPlot, -1);
    firstPlot.SetTitle(QStringLiteral("first instance"));
    secondPlot.SetTitle(QStringLiteral("second instance"));
    const QString definition = fixtureCopy();
    ReportControl secondReport;
    PrinterControl secondPrinter;
    const auto descriptorOf = [this](Plot& plot, const std::function<void()>& betweenPictures) {
        ReportFrameDescriptor descriptor = fixtureDescriptor();
        descriptor.pictures = { { IPlotPtr(&plot), {}, QStringLiteral("Fx1.bmp"), QStringLiteral("Fx1Grph") },
            { IPlotPtr(&plot), betweenPictures, QStringLiteral("Fx2.bmp"), QStringLiteral("Fx2Grph") } };
        return descriptor;
    };
    bool secondRan = false;
    const ReportFrameDescriptor second = descriptorOf(secondPlot, {});
    const ReportFrameDescriptor first = descriptorOf(firstPlot, [&] {
        if (secondRan)
            return;
        secondRan = true;
        ReportFrame::Generate(
            second, m_header, IReportPtr(&secondReport), IPrinterPtr(&secondPrinter), AutoString(definition), &m_page);
    });
    // The second report's questions come while the first one takes its pictures.
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);

    generate(first, definition);

    ASSERT_TRUE(secondRan);
    const ReportDocument firstDocument = m_report->layoutDocument();
    const ReportDocument secondDocument = secondReport.layoutDocument();
    for (const char* key : { "Fx1Grph", "Fx2Grph" }) {
        const ReportPageItem* own = firstDocument.find(QString::fromLatin1(key));
        const ReportPageItem* other = secondDocument.find(QString::fromLatin1(key));
        ASSERT_TRUE(own && !own->picture.isNull()) << key;
        ASSERT_TRUE(other && !other->picture.isNull()) << key;
        const QImage firstView = ReportPictures::viewOf(firstPlot, own->picture);
        const QImage secondView = ReportPictures::viewOf(secondPlot, own->picture);
        EXPECT_LT(ReportPictures::distance(own->picture, firstView), ReportPictures::distance(own->picture, secondView))
            << key << ": the first report holds the second one's picture";
        EXPECT_LT(
            ReportPictures::distance(other->picture, secondView), ReportPictures::distance(other->picture, firstView))
            << key << ": the second report holds the first one's picture";
    }
    EXPECT_EQ(leftInTemporaryFolder(), QStringList());
    EXPECT_EQ(QDir(QFileInfo(definition).absolutePath()).entryList({ QStringLiteral("*.bmp") }), QStringList());
}

TEST_F(ReportFrameTest, APictureThatCannotBeTakenFailsTheReportTheStripComesBackAndNoPictureStays)
{
    ownTemporaryFolder();
    Plot plot;
    const IPlotPtr plotPtr(&plot);
    ReportFrameDescriptor descriptor = fixtureDescriptor();
    descriptor.pictures = { { plotPtr, {}, QStringLiteral("Fx1.bmp"), QStringLiteral("Fx1Grph") },
        { plotPtr, [] { throw ComError(ComError::Failure, QStringLiteral("no view")); }, QStringLiteral("Fx2.bmp"),
            QStringLiteral("Fx2Grph") } };
    const QString definition = fixtureCopy();
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

    generate(descriptor, definition);

    EXPECT_EQ(promptSequence(), QStringList { QStringLiteral("box:") + ExportFailureText::ReportDefinition });
    EXPECT_TRUE(plot.ScreenBar(0)->GetVisible());
    EXPECT_EQ(leftInTemporaryFolder(), QStringList());
}

TEST_F(ReportFrameTest, AddedFieldsFlowOntoThreePagesWithTheirPageLines)
{
    ReportFrameDescriptor descriptor = fixtureDescriptor();
    descriptor.fields = [](const ReportFrameFields& fields) {
        const IReportFieldsPtr detail
            = fields.report()->Sections()->Section(QVariant(QStringLiteral("Detail")))->Fields();
        for (int k = 0; k < 110; ++k)
            detail->AddField(QString(), QStringLiteral("log line %1").arg(k), 150, 2400 + k * 300, 11000, 285);
    };
    const QString pdf = tempPath(QStringLiteral("ThreePages.pdf"));
    prompts().answerFile(pdf);
    prompts().answerMessage(Prompts::IdNo);

    generate(descriptor, fixtureCopy());

    ASSERT_EQ(pdfPages(pdf), 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(pdfText(pdf, page).contains(QStringLiteral("Page %1/3").arg(page))) << page;
}

TEST_F(ReportFrameTest, EveryReportFillsItsDefinitionThroughTheFrame)
{
    clock().setLocalStart(QDateTime(QDate(2031, 12, 1), QTime(7, 0)));
    const QString aoFixture
        = QStringLiteral(SW_TEST_SOURCE_DIR "/../../platform/report/definitions/AnaOutputCalRept.xml");
    const struct {
        ReportFrameRow row;
        QString definition;
        const char* title; // printed, set by the frame or the definition's own
        const char* saveTitle;
        const char* namePiece;
        const char* failureCaption;
    } cases[] = {
        { ReportFrameRows::ActuatorCalibration, shippedDefinition(QStringLiteral("ActStrokeFricCalRept.xml")),
            "Actuator / Stroke / Friction Calibration Report", "Save Actuator Calibration ReportAs",
            "_ActCalibrationReport_", "" },
        { ReportFrameRows::StrokeCalibration, shippedDefinition(QStringLiteral("StrokeCalRept_K40.xml")),
            "Stroke Calibration Report", "Save Stroke Calibration ReportAs", "_StrokeCalibrationReport_", "" },
        { ReportFrameRows::AICalibration, shippedDefinition(QStringLiteral("AnaInputCalRept.xml")),
            "Analog Input Calibration Report", "Save AI Calibration ReportAs", "_AICalibrationReport_", "" },
        { ReportFrameRows::AOCalibration, aoFixture, "Analog Output Calibration Report", "Save AO Calibration ReportAs",
            "_AOCalibrationReport_", "" },
        { ReportFrameRows::Trends, shippedDefinition(QStringLiteral("TrendRept_K40.xml")), "Trend Report",
            "Save Trend Report As", "_TrendReport_", "" },
        { ReportFrameRows::DataLogger, shippedDefinition(QStringLiteral("DataLogRept.xml")), "Data Logger Report",
            "Save Data Logger Report As", "_DataLoggerReport_", "" },
        { ReportFrameRows::MultiTest, shippedDefinition(QStringLiteral("AllTestReport.xml")), "MULTI-TEST REPORT",
            "Save MultiTest Report As", "_MultiTestReport_", "MULTI-TEST REPORT" },
        { ReportFrameRows::AlarmStatus, shippedDefinition(QStringLiteral("AlarmStatReport-K90.xml")),
            "Alarm Status Report", "Save Alarm Status Report As", "_AlarmStatusReport_", "" },
        { ReportFrameRows::AlarmAnnunciator, shippedDefinition(QStringLiteral("AlarmReport_K40.xml")),
            "Alarm / Alerts Report", "Save Alarm Annunce Report As", "_AlarmAnnuncReport_", "" },
    };
    ASSERT_EQ(std::size(ReportFrameRows::All), std::size(cases));
    for (size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        SCOPED_TRACE(c.saveTitle);
        EXPECT_STREQ(ReportFrameRows::All[k].saveTitle, c.row.saveTitle);
        if (c.row.titleKey) {
            EXPECT_STREQ(c.row.titleText, c.title);
        }
        EXPECT_STREQ(c.row.failureCaption, c.failureCaption);
        const QString stem = QString::fromUtf8(c.namePiece).remove(QLatin1Char('_'));
        const QString pdf = artifactPath(QStringLiteral("frame_") + stem + QStringLiteral(".pdf"));
        prompts().clearRecords();
        prompts().answerFile(pdf, QString::fromUtf8(c.saveTitle));
        prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

        generate(ReportFrameDescriptor { c.row }, c.definition);

        ASSERT_EQ(fileDialogs().size(), 1u);
        EXPECT_EQ(fileDialogs()[0].dialog.initialName,
            QStringLiteral("FCV-7") + QString::fromUtf8(c.namePiece) + QStringLiteral("2031_12_1_7h_0m"));
        const QString text = pdfText(pdf);
        QFile kept(artifactPath(QStringLiteral("frame_") + stem + QStringLiteral(".txt")));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write(text.toUtf8());
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.title))) << text.toStdString();
        EXPECT_TRUE(text.simplified().contains(QStringLiteral("DEVICE TAG ID: FCV-7 DEVICE VERSION: 3")))
            << text.toStdString();
        EXPECT_EQ(fieldText(QStringLiteral("DeviceLine")),
            QStringLiteral("DEVICE TAG ID: FCV-7           DEVICE VERSION: 3"));
        EXPECT_TRUE(text.contains(QStringLiteral("Page 1/"))) << text.toStdString();
        const QString pageLine = fieldText(QString::fromUtf8(c.row.pageLineKey));
        EXPECT_TRUE(pageLine.trimmed().startsWith(QStringLiteral("Page 1/"))) << pageLine.toStdString();
    }
}

TEST_F(ReportFrameTest, PicturesTakenBeforeTheFieldsArePutInAfterTheDateLine)
{
    Plot plot;
    plot.resize(300, 200);
    plot.AddChannel();
    plot.Channel(0)->AddXY(0, 10);
    plot.Channel(0)->AddXY(1, 90);
    const IPlotPtr plotPtr(&plot);
    QStringList steps;
    ReportFrameDescriptor descriptor { ReportFrameRows::Trends };
    descriptor.picturePlace = ReportFrameDescriptor::PicturePlace::BeforeFields;
    descriptor.dateLabelKey = QStringLiteral("lblTestDate");
    descriptor.dateLabelText = QStringLiteral("Test Date:");
    descriptor.dateValueKeys = { QStringLiteral("lblTestDateResult") };
    for (int view = 1; view <= 2; ++view) {
        descriptor.pictures.push_back({ plotPtr, [&steps, view] { steps << QStringLiteral("view %1").arg(view); },
            QStringLiteral("Fx%1.bmp").arg(view), QStringLiteral("Fx%1Grph").arg(view) });
    }
    descriptor.afterPictures = [&steps] { steps << QStringLiteral("back to the page's view"); };
    descriptor.fields = [&steps](const ReportFrameFields& fields) {
        steps << QStringLiteral("fields");
        fields.setText(QStringLiteral("OwnValue"), QStringLiteral("own value 42"));
    };
    const QString definition = fixtureCopy();
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo);

    generate(descriptor, definition);

    EXPECT_EQ(steps, QStringList({ "view 1", "view 1", "view 2", "back to the page's view", "fields" }));
    EXPECT_EQ(fieldText(QStringLiteral("lblTestDate")), QStringLiteral("Test Date:"));
    const ReportDocument laidOut = m_report->layoutDocument();
    for (const char* key : { "Fx1Grph", "Fx2Grph" }) {
        const ReportPageItem* picture = laidOut.find(QString::fromLatin1(key));
        ASSERT_NE(picture, nullptr) << key;
        EXPECT_EQ(picture->picture.size(), QSize(2000, 1060)) << key;
    }
    EXPECT_TRUE(plot.ScreenBar(0)->GetVisible());
}

TEST_F(ReportFrameTest, APlotThatCannotBePreparedEndsTheReportAndEveryStripComesBack)
{
    // The first plot's strip is hidden before the second plot fails; with or
    // without the inner catch the report ends with the one box.
    for (const bool innerCatch : { false, true }) {
        Plot plot;
        const IPlotPtr plotPtr(&plot);
        ReportFrameDescriptor descriptor = fixtureDescriptor();
        descriptor.innerCatch = innerCatch;
        descriptor.pictures = { { plotPtr, {}, QStringLiteral("Fx1.bmp"), QStringLiteral("Fx1Grph") },
            { IPlotPtr(), {}, QStringLiteral("Fx2.bmp"), QStringLiteral("Fx2Grph") } };
        prompts().clearRecords();
        prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

        generate(descriptor, fixtureCopy());

        EXPECT_EQ(promptSequence(), QStringList { QStringLiteral("box:") + ExportFailureText::ReportDefinition })
            << "inner catch " << innerCatch;
        EXPECT_TRUE(plot.ScreenBar(0)->GetVisible()) << "inner catch " << innerCatch;
    }
}
