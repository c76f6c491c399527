// What a result keeps on each test page, on both models: a run, then Save
// and Load of its file, then the page left and shown again. The fields
// shown and the report printed (read back from its PDF) stay the same at
// every step; a loaded result's report names the file's tag and none of the
// connected device's actuator and valve lines. At every step each view of
// the page and each report picture holds its traces inside its axes and off
// their borders, lists only traces it draws and prints its legend readable
// on paper; a test's views and pictures keep the same axes at every step,
// in the hub's report and on its compare page with the file alone.
#include "TestPageResultTest.h"

#include "DrawnPlotTexts.h"
#include "ReportPictures.h"
#include "ReportTestSupport.h"

#include "report/ReportControl.h"

#include "RampTestPageTest.h"
#include "diagnostics/CDataLogger.h"
#include "diagnostics/CHDRLCompareView.h"
#include "diagnostics/CRampTestCompare.h"
#include "diagnostics/CStepCompareView.h"
#include "diagnostics/CTrends.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <functional>
#include <optional>
#include <vector>

namespace
{

using Fields = std::vector<int>;

// One result family: how its page runs, saves, loads and prints, and the
// controls that show its result. `valueFields` show the same after a Load
// as after the run; `fields` (values and unit labels) the same once loaded,
// however often the page is left and shown again. `views` are the buttons
// of the page's views, the one it shows a result in last.
struct Family {
    const char* name;
    int pageCode;
    Fields valueFields;
    Fields fields;
    const char* reportTitle;
    Fields views = {};
    // The hub's box of the test, its compare page and that page's views;
    // 0: the result has none.
    int hubBox = 0;
    int comparePage = 0;
    Fields compareViews = {};
};

const Family Ramp { "ramp", 41,
    { CRampTest::StartEdit, CRampTest::StopEdit, CRampTest::HoldEdit, CRampTest::DurationEdit,
        CRampTest::StrokeLengthEdit, CRampTest::SpringInitialEdit, CRampTest::SpringFinalEdit,
        CRampTest::SpringRateEdit, CRampTest::BidirectionalBox },
    { CRampTest::StartEdit, CRampTest::StopEdit, CRampTest::HoldEdit, CRampTest::DurationEdit,
        CRampTest::StrokeLengthEdit, CRampTest::ActuatorSizeEdit, CRampTest::SpringInitialEdit,
        CRampTest::SpringFinalEdit, CRampTest::SpringRateEdit, CRampTest::BidirectionalBox, CRampTest::SpringRateUnit,
        CRampTest::SpringInitialUnit, CRampTest::StatusEdit },
    "Save Ramp ReportAs",
    { CRampTest::PressureViewButton, CRampTest::SignalsViewButton, CRampTest::FrictionViewButton,
        CRampTest::RampViewButton },
    CDiagnosticsMain::RampBox, 411,
    { CRampTestCompare::PressureVsPositionButton, CRampTestCompare::SignalsVsCommandButton,
        CRampTestCompare::FrictionButton, CRampTestCompare::RampTestButton } };
const Family Step { "step", 42, { CStepTest::StartEdit, CStepTest::StopEdit, CStepTest::HoldEdit },
    { CStepTest::StartEdit, CStepTest::StopEdit, CStepTest::HoldEdit, CStepTest::StatusEdit },
    "Save Step Test Report As", { CStepTest::PressureViewButton, CStepTest::StepViewButton }, CDiagnosticsMain::StepBox,
    421, { CStepCompareView::PressureViewButton, CStepCompareView::StepViewButton } };
const Family Pst { "partial stroke", 46,
    { CPartialStrokeTest::StartEdit, CPartialStrokeTest::StopEdit, CPartialStrokeTest::TimeToTargetEdit,
        CPartialStrokeTest::DurationEdit, CPartialStrokeTest::ResultEdit, CPartialStrokeTest::PressureUnitLabel },
    { CPartialStrokeTest::StartEdit, CPartialStrokeTest::StopEdit, CPartialStrokeTest::TimeToTargetEdit,
        CPartialStrokeTest::DurationEdit, CPartialStrokeTest::BreakAwayTimeEdit,
        CPartialStrokeTest::BreakAwayPressureEdit, CPartialStrokeTest::TimeToTargetResultEdit,
        CPartialStrokeTest::ResultEdit, CPartialStrokeTest::PressureUnitLabel, CPartialStrokeTest::StatusEdit },
    "Save PST ReportAs", {}, CDiagnosticsMain::PSTBox, 461 };
const Family Hdrl { "HDRL", 43,
    { CHDRLTest::HysDeadAverageEdit, CHDRLTest::HysDeadMaximumEdit, CHDRLTest::RepeatAverageEdit,
        CHDRLTest::RepeatMaximumEdit, CHDRLTest::LinearityEdit, CHDRLTest::SettlingEdit },
    { CHDRLTest::HysDeadAverageEdit, CHDRLTest::HysDeadMaximumEdit, CHDRLTest::RepeatAverageEdit,
        CHDRLTest::RepeatMaximumEdit, CHDRLTest::LinearityEdit, CHDRLTest::SettlingEdit },
    "Save HDRL Test Report As", { CHDRLTest::HDRButton, CHDRLTest::LinearityButton, CHDRLTest::ControlSignalButton },
    CDiagnosticsMain::HDRLBox, 431,
    { CHDRLCompareView::HDRButton, CHDRLCompareView::LinearityButton, CHDRLCompareView::ControlSignalButton } };
const Family Logger { "data logger", 44,
    { CDataLogger::IntervalCombo, CDataLogger::UnitsCombo, CDataLogger::DurationField },
    { CDataLogger::IntervalCombo, CDataLogger::UnitsCombo, CDataLogger::DurationField, CDataLogger::SaveButton },
    "Save Data Logger Report As" };
const Family Trends { "trends", 45, { CTrends::RowCounter },
    { CTrends::RowCounter, CTrends::SupplyButton, CTrends::TemperatureButton }, "Save Trend Report As",
    { CTrends::PositionButton, CTrends::CommandButton, CTrends::DeviationButton, CTrends::FrictionButton,
        CTrends::SupplyButton, CTrends::TemperatureButton, CTrends::SelectAllButton } };

const char* const K90 = "Sim/K90/PV-101";
const char* const K40 = "Sim/K40/PV-102";

struct Case {
    const Family* family;
    const char* path;
    bool bothWays = false; // the ramp only
    // A ramp both ways whose spring shows no value: the device has no stroke
    // length, so no spring can be worked out.
    bool noSpring = false;
};

const Case Cases[] = {
    { &Ramp, K90 },
    { &Ramp, K40 },
    { &Ramp, K90, true },
    { &Ramp, K40, true },
    { &Ramp, K90, true, true },
    { &Ramp, K40, true, true },
    { &Step, K90 },
    { &Step, K40 },
    { &Pst, K90 },
    { &Pst, K40 },
    { &Hdrl, K90 },
    { &Hdrl, K40 },
    { &Logger, K90 },
    { &Logger, K40 },
    { &Trends, K90 },
};

class ResultRoundTripTest : public TestPageResultTest
{
protected:
    FormPage& shownPage(const Family& f)
    {
        if (&f == &Logger)
            return page<CDataLogger>();
        if (&f == &Trends)
            return page<CTrends>();
        return testPage(f.pageCode);
    }

    void run(const Case& c)
    {
        const Family& f = *c.family;
        FormPage& p = shownPage(f);
        if (&f == &Logger) {
            p.controlAs<QComboBox>(CDataLogger::IntervalCombo)->setCurrentText(QStringLiteral("3"));
            p.controlAs<QComboBox>(CDataLogger::UnitsCombo)->setCurrentText(QStringLiteral("Minute(s)"));
            page<CDataLogger>().durationField()->setValue(1);
            p.controlAs<QAbstractButton>(CDataLogger::StartButton)->click();
            clock().advance(9500);
            p.controlAs<QAbstractButton>(CDataLogger::StopButton)->click();
            return;
        }
        if (&f == &Trends) {
            page<CTrends>().OnRetrieve();
            for (int k = 0; k <= 91; ++k)
                clock().advance(CTrends::RowMs);
            return;
        }
        runResult(f.pageCode, [&](FormPage& shown) {
            if (&f == &Ramp)
                shown.controlAs<QAbstractButton>(CRampTest::BidirectionalBox)->setChecked(c.bothWays);
        });
    }

    void save(const Family& f, const QString& file)
    {
        if (&f == &Logger) {
            prompts().answerFile(file);
            page<CDataLogger>().SaveLoggerResults();
        } else if (&f == &Trends) {
            prompts().answerFile(file);
            page<CTrends>().OnSave();
        } else {
            saveResult(f.pageCode, file);
        }
    }
    // Load, answering the file dialog with `file` (nothing: Cancel).
    void load(const Family& f, const std::optional<QString>& file)
    {
        if (&f == &Logger) {
            prompts().answerFile(file);
            page<CDataLogger>().LoadLoggerResults();
        } else if (&f == &Trends) {
            prompts().answerFile(file);
            page<CTrends>().OnLoad();
        } else {
            loadResult(f.pageCode, file);
        }
    }
    // Print Report, read back from the PDF line by line.
    QStringList print(const Family& f, const QString& pdf)
    {
        QFile::remove(pdf);
        prompts().answerFile(pdf, QString::fromLatin1(f.reportTitle));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        if (&f == &Logger)
            page<CDataLogger>().PrintLoggerReport();
        else if (&f == &Trends)
            page<CTrends>().OnPrintReport();
        else
            printTestReport(f.pageCode);
        QStringList lines;
        for (const QString& line : ReportTestSupport::pdfText(pdf).split(QLatin1Char('\n'))) {
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        }
        return lines;
    }
    // Print Report after each view the page offers is painted: the report's
    // lines. Every painting, on the page and in the report, is checked.
    QStringList printChecked(const Family& f, const QString& pdf, const char* when)
    {
        SCOPED_TRACE(when);
        DrawnPlotTexts drawn;
        FormPage& p = shownPage(f);
        for (int view : f.views) {
            if (auto* button = p.controlAs<QAbstractButton>(view); button->isEnabled() && !button->isHidden())
                button->click();
            p.grab();
        }
        if (f.views.empty())
            p.grab();
        const QStringList lines = print(f, pdf);
        EXPECT_EQ(drawn.faults(), QStringList());
        m_axes = axesOf(drawn);
        const ReportControl* report = p.findChild<ReportControl*>();
        EXPECT_TRUE(report);
        if (report) {
            const ReportDocument document = report->layoutDocument();
            EXPECT_EQ(ReportPictures::legendsPrintedTooSmall(document, drawn.paintings()), QStringList());
            EXPECT_EQ(ReportPictures::emptyFrames(document), QStringList());
        }
        return lines;
    }
    // The axes of each painting that draws a trace, one line a plot title
    // ("Step Test: Step Time 0..7, Position 0..100, ..."). A view drawn on
    // the page and in a picture on two ranges gives two lines of one title.
    static QStringList axesOf(const DrawnPlotTexts& drawn)
    {
        QStringList out;
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            if (painting.drawsTraces)
                out << painting.plotTitle + QStringLiteral(": ") + painting.axes;
        out.removeDuplicates();
        out.sort();
        return out;
    }
    static QStringList titlesOf(const QStringList& axes)
    {
        QStringList titles;
        for (const QString& line : axes)
            titles << line.section(QStringLiteral(": "), 0, 0);
        return titles;
    }
    // The hub's report of this test alone: the axes of its pictures.
    QStringList hubAxes(const Family& f, const QString& pdf)
    {
        select(DiagnosticCode);
        clock().advance(1000);
        for (int box : { D::RampBox, D::StepBox, D::PSTBox, D::HDRLBox })
            if (hubChecked(box) != (box == f.hubBox))
                click(box);
        DrawnPlotTexts drawn;
        prompts().answerFile(pdf, QStringLiteral("Save MultiTest Report As"));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        click(D::PrintButton);
        EXPECT_EQ(drawn.faults(), QStringList()) << "the hub's report";
        return axesOf(drawn);
    }
    // The test's compare page with `file` opened as the first file alone:
    // the axes of each of its views.
    QStringList compareAxes(const Family& f, const QString& file)
    {
        select(f.comparePage);
        clock().advance(1000);
        FormPage* compare = app().shownPage();
        EXPECT_TRUE(compare);
        if (!compare)
            return {};
        DrawnPlotTexts drawn;
        prompts().answerFile(file);
        // The same button on every compare page.
        compare->controlAs<QAbstractButton>(CStepCompareView::OpenFile1Button)->click();
        for (int view : f.compareViews) {
            if (auto* button = compare->controlAs<QAbstractButton>(view); button->isEnabled() && !button->isHidden())
                button->click();
            compare->grab();
        }
        if (f.compareViews.empty())
            compare->grab();
        EXPECT_EQ(drawn.faults(), QStringList()) << "the compare page";
        return axesOf(drawn);
    }

    QStringList m_axes; // of the last printChecked

    // What the controls show: a box as ticked or not, a combo its text, the
    // data logger's duration its value, Save as on or off.
    QStringList shown(const Family& f, const Fields& ids)
    {
        FormPage& p = shownPage(f);
        QStringList out;
        for (int id : ids) {
            // A field without a value shows it as a dash; an empty field
            // shows nothing at all, another look.
            if (const QString text = p.windowText(id).trimmed(); text.isEmpty() || text == QStringLiteral("-")) {
                out << (text.isEmpty() ? QStringLiteral("empty") : QStringLiteral("no value"));
                continue;
            }
            QWidget* control = p.control(id);
            if (auto* combo = qobject_cast<QComboBox*>(control))
                out << combo->currentText();
            else if (&f == &Logger && id == CDataLogger::DurationField)
                out << QString::number(page<CDataLogger>().durationField()->value());
            else if (id == CDataLogger::SaveButton && &f == &Logger)
                out << (control->isEnabled() ? QStringLiteral("Save on") : QStringLiteral("Save off"));
            else if (auto* box = qobject_cast<QAbstractButton*>(control); box && box->isCheckable())
                out << (box->isChecked() ? QStringLiteral("ticked") : QStringLiteral("unticked"));
            else
                out << p.windowText(id);
        }
        return out;
    }
    // The report as far as it tells the result: the head's device lines left aside.
    static QStringList resultLines(QStringList lines)
    {
        lines.removeIf([](const QString& line) {
            return line.startsWith(QStringLiteral("ACTUATOR INFO"))
                || line.startsWith(QStringLiteral("VALVE BODY INFO"))
                || line.startsWith(QStringLiteral("DEVICE TAG ID"));
        });
        return lines;
    }
};

TEST_F(ResultRoundTripTest, EveryResultShowsAndPrintsTheSameAfterSaveLoadAndComingBack)
{
    for (const Case& c : Cases) {
        const Family& f = *c.family;
        const QString label = QStringLiteral("%1 %2%3").arg(
            QLatin1String(f.name), QLatin1String(c.path), c.bothWays ? QStringLiteral(" both ways") : QString());
        SCOPED_TRACE(label.toStdString());
        const QString temporary = ownTemporaryFolder();
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        if (c.noSpring)
            device(c.path).setMiscWord(0x74, 0);
        clock().advance(2000);
        select(f.pageCode);
        clock().advance(1000);
        ownProgramFolder({ "RampTestRept.xml", "RampTestRept_K40.xml", "StepTestRept.xml", "StepTestRept_K40.xml",
            "PSTestRept.xml", "PSTestRept_K40.xml", "HDRLTestRept.xml", "HDRLTestRept_K40.xml", "DataLogRept.xml",
            "DataLogRept_K40.xml", "TrendRept.xml", "TrendRept_K40.xml", "AllTestReport.xml",
            "AllTestReport_K40.xml" });

        run(c);
        ASSERT_FALSE(testRunning(f.pageCode));
        // A spring not found, or not sought one way, shows " - ".
        if (&f == &Ramp) {
            for (int id : { CRampTest::SpringRateEdit, CRampTest::SpringInitialEdit, CRampTest::SpringFinalEdit })
                EXPECT_EQ(ramp().windowText(id) == QStringLiteral(" - "), !c.bothWays || c.noSpring) << id;
        }
        const QStringList ranValues = shown(f, f.valueFields);
        // A Load cancelled in its dialog leaves the result as it is shown.
        load(f, std::nullopt);
        EXPECT_EQ(shown(f, f.valueFields), ranValues) << "after a cancelled Load";
        const QStringList ranReport = printChecked(f, tempPath(QStringLiteral("ran.pdf")), "after the run");
        ASSERT_FALSE(ranReport.isEmpty());
        // The axes of each view, on the page and on paper alike, stage by
        // stage: they follow the result alone.
        const QStringList ranAxes = m_axes;
        if (f.hubBox) {
            EXPECT_FALSE(ranAxes.isEmpty());
            QStringList titles = titlesOf(ranAxes);
            const qsizetype views = titles.size();
            titles.removeDuplicates();
            EXPECT_EQ(titles.size(), views) << "a view drawn on two ranges after the run:\n"
                                            << ranAxes.join(QLatin1Char('\n')).toStdString();
        }
        const auto sameAxes = [&](const char* stage) { EXPECT_EQ(m_axes, ranAxes) << stage; };
        // What the report prints of the run is the page's: its tag and the
        // connected device's actuator and valve lines.
        EXPECT_TRUE(ranReport.join(QLatin1Char('\n')).contains(QStringLiteral("ACTUATOR INFO")));
        if (&f == &Ramp) {
            EXPECT_EQ(ranReport.join(QLatin1Char('\n')).contains(QStringLiteral("Spring Rate: - ")),
                !c.bothWays || c.noSpring);
        }

        const QString file = tempPath(QStringLiteral("result.") + QString::number(f.pageCode));
        save(f, file);
        EXPECT_EQ(printChecked(f, tempPath(QStringLiteral("saved.pdf")), "after its Save"), ranReport);
        sameAxes("after its Save");
        EXPECT_EQ(shown(f, f.valueFields), ranValues) << "after its Save";
        load(f, file);
        EXPECT_EQ(shown(f, f.valueFields), ranValues);
        const QStringList loaded = shown(f, f.fields);
        const QStringList loadedReport = printChecked(f, tempPath(QStringLiteral("loaded.pdf")), "after its Load");
        sameAxes("after its Load");
        EXPECT_EQ(resultLines(loadedReport), resultLines(ranReport));
        // The file's tag.
        EXPECT_EQ(loadedReport.filter(QStringLiteral("DEVICE TAG ID")),
            QStringList(QStringLiteral("DEVICE TAG ID: %1 DEVICE VERSION:")
                            .arg(QString::fromLatin1(c.path).section(QLatin1Char('/'), -1))));
        EXPECT_EQ(loadedReport.filter(QStringLiteral("ACTUATOR INFO")), QStringList());
        EXPECT_EQ(loadedReport.filter(QStringLiteral("VALVE BODY INFO")), QStringList());
        EXPECT_EQ(shown(f, f.fields), loaded) << "printing changes nothing";

        // Away and back, twice with a print between: the loaded file stays.
        for (int visit = 0; visit < 2; ++visit) {
            select(DashboardCode);
            clock().advance(1000);
            select(f.pageCode);
            clock().advance(1000);
            EXPECT_EQ(shown(f, f.fields), loaded) << "visit " << visit;
            EXPECT_EQ(printChecked(f, tempPath(QStringLiteral("back.pdf")), "back on the page"), loadedReport)
                << "visit " << visit;
            sameAxes(visit == 0 ? "back on the page" : "back on the page again");
        }
        if (f.hubBox) {
            // The hub pictures the page's views; its compare page, the file
            // alone, draws what the page draws of the result.
            const QStringList hub = hubAxes(f, tempPath(QStringLiteral("hub.pdf")));
            EXPECT_FALSE(hub.isEmpty());
            for (const QString& line : hub)
                EXPECT_TRUE(ranAxes.contains(line)) << "the hub's report draws " << line.toStdString() << "\n"
                                                    << ranAxes.join(QLatin1Char('\n')).toStdString();
            const QStringList compared = compareAxes(f, file);
            EXPECT_FALSE(compared.isEmpty());
            for (const QString& line : compared)
                EXPECT_TRUE(ranAxes.contains(line)) << "the compare page draws " << line.toStdString() << "\n"
                                                    << ranAxes.join(QLatin1Char('\n')).toStdString();
            select(f.pageCode);
            clock().advance(1000);
        }
        // A Save now stores the file's result as it was loaded.
        const QString again = tempPath(QStringLiteral("again.") + QString::number(f.pageCode));
        if (&f != &Logger) {
            save(f, again);
            load(f, again);
            EXPECT_EQ(shown(f, f.fields), loaded);
        }
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        // Every picture printed went again with its report's own folder.
        QStringList pictures;
        for (QDirIterator left(temporary, { QStringLiteral("*.bmp") }, QDir::Files, QDirIterator::Subdirectories);
             left.hasNext();)
            pictures << left.next();
        EXPECT_EQ(pictures, QStringList());
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ResultRoundTripTest, ARunKeepsItsUnitsStrokeAndActuatorSizeWhenTheDeviceIsSetToOthersSince)
{
    // Each run on the K90 in psi and inches, its stroke 1.50 in. and its
    // actuator 100.0 in². The device is then set to bar and millimetres, a
    // stroke of 3.00 and an actuator of 50.0, and the page left and shown
    // again: the run's result still shows, prints and saves what it ran in.
    struct UnitCase {
        Case run;
        // What the page's controls show of the run; the trends' supply button
        // for the trends.
        std::vector<std::pair<int, const char*>> shown;
        // What the page's report prints (and the hub's, where it prints the test).
        std::vector<const char*> printed;
        // The pressure and (ramp) length unit codes the saved file holds, read
        // back by loading it.
        std::function<std::pair<int, int>(const ReportRecords&)> saved;
        // What the page shows once a new run has gone in the device's new units.
        std::vector<std::pair<int, const char*>> rerun;
    };
    const UnitCase cases[] = {
        { { &Step, K90 }, {}, {},
            [](const ReportRecords& r) {
                return std::pair { int(r.m_StepTestReport.m_nPressureUnit), 0 };
            },
            {} },
        { { &Pst, K90 }, { { CPartialStrokeTest::PressureUnitLabel, "psi" } }, { "Pressure: 22.30 psi" },
            [](const ReportRecords& r) {
                return std::pair { int(r.m_PSTReport.m_nPressureUnit), 0 };
            },
            { { CPartialStrokeTest::PressureUnitLabel, "bar" } } },
        { { &Ramp, K90, true },
            { { CRampTest::SpringInitialUnit, "psi" }, { CRampTest::SpringFinalUnit, "psi" },
                { CRampTest::SpringRateUnit, "lbs/in." }, { CRampTest::StrokeLengthEdit, "1.50" },
                { CRampTest::StrokeLengthUnit, "in." }, { CRampTest::ActuatorSizeEdit, "100.0" },
                { CRampTest::ActuatorSizeUnit, "in²" } },
            { "Spring Rate: 1592.19 lbs/in. Spring Initial: 8.16 psi", "Spring Final: 32.05 psi",
                "Stroke Length: 1.50 in. Actuator Size: 100.0 sq.in" },
            [](const ReportRecords& r) {
                return std::pair { int(r.m_RampReport.m_nPressureUnit), int(r.m_RampReport.m_nLengthUnit) };
            },
            { { CRampTest::SpringInitialUnit, "bar" }, { CRampTest::StrokeLengthEdit, "3.00" },
                { CRampTest::StrokeLengthUnit, "mm" } } },
        { { &Trends, K90 }, { { CTrends::SupplyButton, "Supply (psi)" } }, { "Supply Pressure(psi) Yes" },
            [](const ReportRecords& r) {
                return std::pair { int(r.m_TrendsReport.PressureUnitCode), 0 };
            },
            { { CTrends::SupplyButton, "Supply (bar)" } } },
    };
    for (const UnitCase& u : cases) {
        const Family& f = *u.run.family;
        SCOPED_TRACE(f.name);
        start({ QStringLiteral("/d") + QString::fromLatin1(K90) });
        clock().advance(2000);
        select(f.pageCode);
        clock().advance(1000);
        ownProgramFolder(
            { "RampTestRept.xml", "StepTestRept.xml", "PSTestRept.xml", "TrendRept.xml", "AllTestReport.xml" });
        run(u.run);
        ASSERT_FALSE(testRunning(f.pageCode));

        DeviceData& dd = data();
        dd.PressureUnit = 7; // bar
        dd.TravelUnit = 49; // mm
        EXPECT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteUnits));
        dd.ActuatorArea = 500;
        EXPECT_TRUE(app().dispatch().DispatchWrite(HartCommand::WriteActuator));
        device(K90).setMiscWord(0x74, 300);
        select(DashboardCode);
        clock().advance(1000);
        select(f.pageCode);
        clock().advance(1000);
        // The page has read the device's new units.
        ASSERT_EQ(data().PressureUnitLabel, QStringLiteral("bar"));

        FormPage& p = shownPage(f);
        const auto expectShown = [&](const char* when, const std::vector<std::pair<int, const char*>>& shown,
                                     const QString& pressureTitle) {
            for (const auto& [id, text] : shown)
                EXPECT_EQ(p.windowText(id), QString::fromUtf8(text)) << when << " " << id;
            if (&f != &Trends) {
                const IPlotPtr plot = &f == &Ramp ? ramp().plot().query<Plot>()
                    : &f == &Step                 ? step().plot()
                                                  : pst().plot();
                EXPECT_EQ(plot->YAxisByName(QStringLiteral("Pressure"))->GetTitle(), pressureTitle) << when;
            }
        };
        const QString psi = QStringLiteral("Pressure [psi]");
        expectShown("back on the page", u.shown, psi);
        // The report's lines, and the unit its pictures' pressure axes name
        // (the trends' pictures name none).
        const auto expectPrinted = [&](const QStringList& lines, const DrawnPlotTexts& drawn, const char* which) {
            QStringList titles;
            for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
                for (const PlotPainter::DrawnText& title : painting.texts.axisTitles)
                    if (painting.texts.picture && title.text.startsWith(QStringLiteral("Pressure [")))
                        titles << title.text;
            titles.removeDuplicates();
            EXPECT_EQ(titles, &f == &Trends ? QStringList() : QStringList(QStringLiteral("Pressure [psi]"))) << which;
            const QString text = lines.join(QLatin1Char('\n'));
            for (const char* printed : u.printed)
                EXPECT_TRUE(text.contains(QString::fromUtf8(printed))) << which << ": " << printed << "\n"
                                                                       << text.toStdString();
        };
        {
            DrawnPlotTexts drawn;
            expectPrinted(print(f, tempPath(QStringLiteral("back.pdf"))), drawn, "the page's report");
        }
        if (f.hubBox) {
            select(DiagnosticCode);
            clock().advance(1000);
            tick(f.hubBox);
            DrawnPlotTexts drawn;
            const QString pdf = tempPath(QStringLiteral("hub.pdf"));
            prompts().answerFile(pdf, QStringLiteral("Save MultiTest Report As"));
            prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
            hub().PrintMultiTestReport();
            QStringList lines;
            for (const QString& line : ReportTestSupport::pdfText(pdf).split(QLatin1Char('\n')))
                if (!line.simplified().isEmpty())
                    lines << line.simplified();
            expectPrinted(lines, drawn, "the hub's report");
            select(f.pageCode);
            clock().advance(1000);
            expectShown("back from the hub", u.shown, psi);
        }

        const QString file = tempPath(QStringLiteral("units.") + QString::number(f.pageCode));
        save(f, file);
        load(f, file);
        EXPECT_EQ(u.saved(app().records()), (std::pair { 6, &f == &Ramp ? 47 : 0 }));
        expectShown("its file loaded", u.shown, psi);
        // A new run goes in the units the device is set to now.
        run(u.run);
        expectShown("a new run", u.rerun, QStringLiteral("Pressure [bar]"));
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ResultRoundTripTest, AnotherModelsFileStaysItsOwnOnItsPageAndInTheHubReport)
{
    // Recorded on the smaller model, PV-102, travelling in millimetres; each
    // file loaded on the larger model, PV-101, whose own settings and units
    // differ. The hub prints the test pages' results.
    struct Other {
        const Family* family;
        int hubBox; // 0: the hub does not print it
        std::vector<const char*> printed; // what the page's and the hub's reports print of the file
    };
    const Other others[] = {
        { &Ramp, CDiagnosticsMain::RampBox, { "Stroke Length:", " mm", "Actuator Size:", "sq.cm" } },
        { &Step, CDiagnosticsMain::StepBox, {} },
        { &Pst, CDiagnosticsMain::PSTBox, {} },
        { &Hdrl, CDiagnosticsMain::HDRLBox, {} },
        { &Logger, 0, {} },
    };
    for (const Other& o : others) {
        const Family& f = *o.family;
        SCOPED_TRACE(f.name);
        start({ QStringLiteral("/d") + QString::fromLatin1(K40) });
        device(K40).setTravelUnit(49);
        clock().advance(2000);
        select(f.pageCode);
        clock().advance(1000);
        run(Case { &f, K40 });
        const QString file = tempPath(QStringLiteral("other.") + QString::number(f.pageCode));
        save(f, file);
        m_app.reset();
        SimTestHooks::reset();

        start({ QStringLiteral("/d") + QString::fromLatin1(K90) });
        clock().advance(2000);
        select(f.pageCode);
        clock().advance(1000);
        ownProgramFolder({ "RampTestRept.xml", "RampTestRept_K40.xml", "StepTestRept.xml", "StepTestRept_K40.xml",
            "PSTestRept.xml", "PSTestRept_K40.xml", "HDRLTestRept.xml", "HDRLTestRept_K40.xml", "DataLogRept.xml",
            "DataLogRept_K40.xml", "AllTestReport.xml", "AllTestReport_K40.xml", "RampTestCmpRept.xml",
            "RampTestCmpRept_K40.xml", "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml", "PSTTestCmpRept.xml",
            "PSTTestCmpRept_K40.xml", "HDRLTestCmpRept.xml", "HDRLTestCmpRept_K40.xml" });
        load(f, file);
        const QStringList loaded = shown(f, f.fields);
        const QStringList report = printChecked(f, tempPath(QStringLiteral("loaded.pdf")), "after its Load");
        // The file's device heads the report: its tag, its model's running
        // head, and none of the connected device's actuator and valve lines.
        const auto expectFilesDevice = [&o](const QStringList& lines, const char* which) {
            const QString text = lines.join(QLatin1Char('\n'));
            EXPECT_EQ(lines.filter(QStringLiteral("DEVICE TAG ID")),
                QStringList(QStringLiteral("DEVICE TAG ID: PV-102 DEVICE VERSION:")))
                << which;
            EXPECT_TRUE(text.contains(QStringLiteral("K40 positioner"))) << which << "\n" << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("K90 positioner"))) << which;
            EXPECT_EQ(lines.filter(QStringLiteral("ACTUATOR INFO")), QStringList()) << which;
            EXPECT_EQ(lines.filter(QStringLiteral("VALVE BODY INFO")), QStringList()) << which;
            for (const char* unit : o.printed)
                EXPECT_TRUE(text.contains(QString::fromLatin1(unit))) << which << ": " << unit;
        };
        expectFilesDevice(report, "the page's report");
        select(DashboardCode);
        clock().advance(1000);
        select(f.pageCode);
        clock().advance(1000);
        EXPECT_EQ(shown(f, f.fields), loaded);
        EXPECT_EQ(printChecked(f, tempPath(QStringLiteral("back.pdf")), "back on the page"), report);
        if (o.hubBox != 0) {
            select(DiagnosticCode);
            clock().advance(1000);
            tick(o.hubBox);
            const QString pdf = tempPath(QStringLiteral("hub.pdf"));
            prompts().answerFile(pdf, QStringLiteral("Save MultiTest Report As"));
            prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
            hub().PrintMultiTestReport();
            QStringList hubLines;
            for (const QString& line : ReportTestSupport::pdfText(pdf).split(QLatin1Char('\n')))
                if (!line.simplified().isEmpty())
                    hubLines << line.simplified();
            expectFilesDevice(hubLines, "the hub's report");
            select(f.pageCode);
            clock().advance(1000);
        }
        // On its compare page as file 1, it prints under its own model's head.
        if (f.comparePage != 0) {
            select(f.comparePage);
            clock().advance(1000);
            FormPage* compare = app().shownPage();
            ASSERT_TRUE(compare);
            prompts().answerFile(file);
            compare->controlAs<QAbstractButton>(CStepCompareView::OpenFile1Button)->click();
            const QString pdf = tempPath(QStringLiteral("compare.pdf"));
            prompts().answerFile(pdf);
            prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
            compare->controlAs<QAbstractButton>(CStepCompareView::PrintButton)->click();
            const QString text = ReportTestSupport::pdfText(pdf);
            EXPECT_TRUE(text.contains(QStringLiteral("K40 positioner"))) << "the compare report\n"
                                                                         << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("K90 positioner"))) << "the compare report";
            select(f.pageCode);
            clock().advance(1000);
        }
        // Saved again, it is still PV-102's result, recorded on the K40.
        if (&f != &Logger) {
            const QString again = tempPath(QStringLiteral("again.") + QString::number(f.pageCode));
            save(f, again);
            load(f, again);
            EXPECT_EQ(printChecked(f, tempPath(QStringLiteral("again.pdf")), "saved and loaded again"), report);
        }
        EXPECT_EQ(prompts().pendingAnswers(), 0);
        m_app.reset();
        SimTestHooks::reset();
    }
}

TEST_F(ResultRoundTripTest, AfterAMultiTestRunEachPageShowsItsOwnResultWhateverTheDeviceStoresSince)
{
    // A ramp one way (20 to 40, opening), a step and then a partial stroke
    // test (80 to 65, closing): the device keeps the partial stroke test's
    // settings afterwards.
    // The K90 with its pressure sensors, so the pressure view has traces to draw.
    start({ QStringLiteral("/d") + QString::fromLatin1(K90) });
    device(K90).setMiscByte(0x82, 1);
    clock().advance(2000);
    data().PressureSensorFlag = 1;
    select(DiagnosticCode);
    clock().advance(1000);
    for (int box : { D::RampBox, D::StepBox, D::PSTBox })
        tick(box);
    fillParameters();
    startRun();
    prompts().answerMessage(Prompts::IdCancel, SaveQuestion);
    runUntil([this] { return runEnded(); });
    ASSERT_EQ(listed().filter(QStringLiteral("completed")).size(), 3) << listed().join(QLatin1Char('|')).toStdString();
    ownProgramFolder({ "RampTestRept.xml" });

    // Each page shows the settings its own test ran with.
    const struct {
        int pageCode;
        std::vector<std::pair<int, const char*>> settings;
    } pages[] = {
        { RampTestCode,
            { { CRampTest::StartEdit, "20" }, { CRampTest::StopEdit, "40" }, { CRampTest::HoldEdit, "2" },
                { CRampTest::DurationEdit, "10" } } },
        { StepTestCode,
            { { CStepTest::StartEdit, "20" }, { CStepTest::StopEdit, "60" }, { CStepTest::HoldEdit, "5" } } },
        { PstCode,
            { { CPartialStrokeTest::StartEdit, "80" }, { CPartialStrokeTest::StopEdit, "65" },
                { CPartialStrokeTest::TimeToTargetEdit, "4.99" }, { CPartialStrokeTest::DurationEdit, "12" } } },
    };
    for (const auto& p : pages) {
        select(p.pageCode);
        clock().advance(1000);
        for (const auto& [edit, text] : p.settings)
            EXPECT_EQ(testPage(p.pageCode).windowText(edit), QString::fromLatin1(text))
                << "page " << p.pageCode << " edit " << edit;
    }

    // The ramp's views draw the way it ran, on the page and in its report,
    // after the run and after its file is loaded again: each shows traces
    // that hold points, and its legend lists them.
    select(RampTestCode);
    clock().advance(1000);
    const auto expectViewsDraw = [this](const char* when) {
        SCOPED_TRACE(when);
        for (int view : { CRampTest::PressureViewButton, CRampTest::SignalsViewButton }) {
            DrawnPlotTexts drawn;
            ramp().controlAs<QAbstractButton>(view)->click();
            ramp().grab();
            const QStringList channels = shownRampChannels(ramp());
            EXPECT_FALSE(channels.isEmpty()) << view;
            for (const QString& channel : channels)
                EXPECT_GT(ramp().plot()->ChannelByName(channel)->Count(), 0) << view << " " << channel.toStdString();
            ASSERT_FALSE(drawn.paintings().empty()) << view;
            EXPECT_EQ(drawn.paintings().back().texts.legendEntries.size(), size_t(channels.size())) << view;
            EXPECT_EQ(drawn.faults(), QStringList()) << view;
        }
        const QStringList report = print(Ramp, tempPath(QStringLiteral("ramp.pdf")));
        for (const char* line : { "Start Position: 20", "Stop Position: 40", "Bi-Directional: No" })
            EXPECT_TRUE(report.join(QLatin1Char('\n')).contains(QString::fromLatin1(line)))
                << line << "\n"
                << report.join(QLatin1Char('\n')).toStdString();
        const ReportDocument document = ReportPictures::reportOf(ramp());
        for (const char* key : { "RampGrph2", "RampGrph3" })
            EXPECT_FALSE(ReportPictures::pictureIn(document, key).isNull()) << key;
    };
    expectViewsDraw("after the run");
    const QString file = tempPath(QStringLiteral("one way.rmp"));
    save(Ramp, file);
    load(Ramp, file);
    expectViewsDraw("after its Load");
    EXPECT_EQ(prompts().pendingAnswers(), 0);
}

} // namespace
