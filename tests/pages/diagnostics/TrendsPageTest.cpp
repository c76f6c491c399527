// The trends page against the simulated positioner: the trend state
// handshake, the rows into four plots, the buttons, units, Clear Trends,
// the trends file and the trend report as the user meets them.
#include "TrendsPageTest.h"
#include "DrawnPlotTexts.h"
#include "PageTexts.h"

#include "core/GuardedExport.h"
#include "core/ReportFrame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using C = CTrends;

namespace
{
const QString Ordinal = QString(QChar(0x00BA));
const char* const SignalNames[] = { "Position", "Command", "Deviation", "Friction", "Supply", "Temperature" };

double mean(const std::vector<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.empty() ? 0 : sum / double(values.size());
}
}

TEST_F(TrendsPageTest, OpensWithTheFourPlotsLaidOutAndStopAndSelectAllDisabled)
{
    showPage();
    ASSERT_EQ(plot(0).ChannelCount(), 25);
    const char* titles[] = { "24 Hours", "30 Days", "12 Months", "25 Years" };
    const double xMax[] = { 24, 30, 12, 25 };
    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(titles[p]);
        if (p > 0) {
            EXPECT_EQ(plot(p).ChannelCount(), 6);
        }
        int shown = 0;
        for (const PlotChannel* c : plot(p).channels())
            shown += c->GetVisible() ? 1 : 0;
        EXPECT_EQ(shown, 6);
        EXPECT_FALSE(plot(p).ChannelByName(QStringLiteral("Channel 1")));
        EXPECT_EQ(plot(p).GetTitle(), QString::fromLatin1(titles[p]));
        EXPECT_EQ(plot(p).XAxis(0)->GetMin(), 1.0);
        EXPECT_EQ(plot(p).XAxis(0)->GetMax(), xMax[p]);
        EXPECT_EQ(plot(p).YAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(span(p), 100.0);
        EXPECT_EQ(pointsIn(p), 0);
    }
    EXPECT_FALSE(enabled(C::StopButton));
    EXPECT_FALSE(enabled(C::SelectAllButton));
    for (int id : { C::PositionButton, C::SupplyButton, C::LoadButton, C::SaveButton, C::RetrieveButton,
             C::ClearTrendsButton, C::PrintReportButton })
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("0"));
    EXPECT_EQ(trends().control(C::HoursPlotId)->geometry(), trends().controlRect(C::HoursPlotHost));
    expectToolTips(trends(),
        {
            { StripPage::LedId, "LED status" },
            { StripPage::ActiveId,
                "Active Indicator displays the highest priority active status indicator and its respective number." },
            { StripPage::SourceId,
                "Command Source shows if the positioner command is an analog (4-20) or digital (HART) signal." },
            { C::RowCounter, "Number of acquired trend data points." },
            { C::ProgressBar, "Progress of retrieving trends from the device." },
            { C::PositionButton, "Display only the Position trend on the graph." },
            { C::CommandButton, "Display only the Command trend on the graph." },
            { C::DeviationButton, "Display only the Deviation trend on the graph." },
            { C::FrictionButton, "Display only the Friction trend on the graph." },
            { C::SupplyButton, "Display only the Supply Pressure trend on the graph." },
            { C::TemperatureButton, "Display only the ambient Temperature trend on the graph." },
            { C::SelectAllButton, "Display All Channels on the graph." },
            { C::ClearTrendsButton, "Clear all trends from Device and graph." },
            { C::RetrieveButton, "Clear existing data and start a new trends acquisition from device." },
            { C::StopButton, "Stop retrieving trends from device." },
            { C::LoadButton, "load the already saved test results into the display." },
            { C::SaveButton, "save the test results into the local disc." },
            { C::PrintReportButton, "print the Trends Test result and Device Configuration to the default printer." },
        });
}

TEST_F(TrendsPageTest, HandshakeStartsRowsOnlyFromStateZeroOrOneAndCountsNoFailure)
{
    struct Case {
        const char* what;
        int heldState; // -1: the device's own handshake
        int initialState;
        QStringList before; // the trend frames before the first row
        bool rows;
    };
    const Case cases[] = {
        { "idle device", -1, 0, { "01 B8", "03 B6 01 02" }, true },
        { "device left in read mode", -1, 1, { "01 B8", "03 B6 01 01", "03 B6 01 02" }, true },
        { "state held at 5", 5, 5, { "01 B8" }, false },
        { "state stuck at 1", 1, 1, { "01 B8", "03 B6 01 01" }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showPage();
        if (c.initialState == 1)
            device().respond(182, QByteArray(1, '\x02'));
        if (c.heldState >= 0)
            device().holdTrendState(c.heldState);
        device().clearRequests();

        retrieve();
        EXPECT_EQ(frames(), c.before);
        EXPECT_EQ(data().FailureCount, 0);
        EXPECT_TRUE(enabled(C::StopButton));
        EXPECT_FALSE(enabled(C::RetrieveButton));
        EXPECT_EQ(dueIn(StripPage::StripTimerId), -1);
        EXPECT_EQ(dueIn(C::RowTimerId), c.rows ? C::RowMs : -1);

        clock().advance(60000);
        EXPECT_EQ(count(181) > 0, c.rows);
        if (!c.rows) {
            // Waiting: only Stop leads back, and the strip stays still until the next visit.
            click(C::StopButton);
            EXPECT_TRUE(enabled(C::RetrieveButton));
            EXPECT_FALSE(enabled(C::StopButton));
            clock().advance(60000);
            EXPECT_EQ(dueIn(StripPage::StripTimerId), -1);
            EXPECT_EQ(count(202), 0);
            trends().ActivatePage();
            EXPECT_EQ(dueIn(StripPage::StripTimerId), StripPage::FirstReadMs);
        }
        m_app.reset();
    }
}

TEST_F(TrendsPageTest, LeavingMidAcquisitionWritesNoStateAndTheNextRetrieveResetsItFirst)
{
    showPage();
    retrieve(12);
    ASSERT_EQ(count(181), 12);
    device().clearRequests();

    tree().SelectItem(tree().itemForCode(1));
    clock().advance(10000);
    EXPECT_EQ(count(182), 0);
    EXPECT_EQ(count(181), 0);
    tree().SelectItem(tree().itemForCode(TrendsCode));
    EXPECT_TRUE(enabled(C::RetrieveButton));
    EXPECT_FALSE(enabled(C::StopButton));
    device().clearRequests();

    retrieve(1);
    EXPECT_EQ(frames(), (QStringList { "01 B8", "03 B6 01 01", "03 B6 01 02", "01 B5" }));
    EXPECT_EQ(data().FailureCount, 0);
}

TEST_F(TrendsPageTest, ReadsNinetyOneRowsThreeSecondsApartThenWritesStateOneAndResumesTheStrip)
{
    showPage();
    const qint64 start = clock().elapsedMs();
    retrieve();
    clock().advance(91 * C::RowMs);

    const auto rows = device().requestsFor(181);
    ASSERT_EQ(rows.size(), 91u);
    for (size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(rows[k].timeMs - start, qint64(k + 1) * C::RowMs) << k;
    EXPECT_EQ(count(202), 0);
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("90"));

    clock().advance(C::RowMs);
    EXPECT_EQ(count(181), 91);
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("91"));
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(frames({ 182 }).last(), QStringLiteral("03 B6 01 01"));
    EXPECT_EQ(frames({ 182 }).count(QStringLiteral("03 B6 01 01")), 1);
    EXPECT_EQ(dueIn(StripPage::StripTimerId), StripPage::RefreshMs);
    EXPECT_EQ(dueIn(C::RowTimerId), -1);
    EXPECT_TRUE(enabled(C::RetrieveButton));
    EXPECT_FALSE(enabled(C::StopButton));
    // Every period got its rows.
    EXPECT_EQ(ys(0, "Position").size(), 24u);
    EXPECT_EQ(ys(1, "Position").size(), 30u);
    EXPECT_EQ(ys(2, "Supply").size(), 12u);
    EXPECT_EQ(ys(3, "Temperature").size(), 25u);
    EXPECT_EQ(ys(0, "25Temp").size(), 25u);
    EXPECT_EQ(data().FailureCount, 0);
}

TEST_F(TrendsPageTest, StopEndsTheAcquisitionAtTheNextTick)
{
    showPage();
    retrieve(37);
    click(C::StopButton);
    EXPECT_EQ(progress(), 0);
    EXPECT_TRUE(enabled(C::RetrieveButton));
    device().clearRequests();

    clock().advance(C::RowMs);
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("37"));
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(frames(), QStringList { "03 B6 01 01" });
    EXPECT_EQ(dueIn(StripPage::StripTimerId), StripPage::RefreshMs);
    clock().advance(30000);
    EXPECT_EQ(count(181), 0);
}

TEST_F(TrendsPageTest, EachRowLandsInItsPeriodAtItsPlaceWithItsCopies)
{
    struct Case {
        const char* what;
        uint8_t row;
        std::array<int16_t, 5> words; // command, position, friction, supply, temperature
        int period; // -1: nowhere
        double x;
        double position, command, deviation;
        const char* copyPrefix;
    };
    const Case cases[] = {
        { "an hour", 7, { 6250, 6000, 40, 5000, 2400 }, 0, 8, 60, 62.5, 2.5, nullptr },
        { "the first hour", 0, { 5000, 4900, 40, 5000, 2400 }, 0, 1, 49, 50, 1, nullptr },
        { "a day", 30, { 6250, 6000, 40, 5000, 2400 }, 1, 7, 60, 62.5, 2.5, "30" },
        { "the last day", 53, { 6250, 6000, 40, 5000, 2400 }, 1, 30, 60, 62.5, 2.5, "30" },
        { "a month", 60, { 6250, 6000, 40, 5000, 2400 }, 2, 7, 60, 62.5, 2.5, "12" },
        { "a year", 70, { 6250, 6000, 40, 5000, 2400 }, 3, 5, 60, 62.5, 2.5, "25" },
        { "the last year", 90, { 6250, 6000, 40, 5000, 2400 }, 3, 25, 60, 62.5, 2.5, "25" },
        { "a negative position", 2, { 100, -250, 40, 5000, 2400 }, 0, 3, -2.5, 1, 3.5, nullptr },
        { "command below position", 2, { 5000, 6000, 40, 5000, 2400 }, 0, 3, 60, 50, 10, nullptr },
        { "past the table", 96, { 6250, 6000, 40, 5000, 2400 }, -1, 0, 0, 0, 0, nullptr },
    };
    showPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scriptRow(c.row, c.words);
        retrieve(1);
        EXPECT_EQ(text(C::RowCounter), QStringLiteral("0"));
        EXPECT_EQ(trends().RowsRead, 1);
        EXPECT_EQ(trends().DeviceRow, c.row);
        for (int p = 0; p < 4; ++p) {
            if (p != c.period && p != 0) {
                EXPECT_EQ(pointsIn(p), 0) << "plot " << p;
            }
        }
        if (c.period < 0) {
            // Nothing shown: the value axis shows its range of an empty plot.
            EXPECT_EQ(pointsIn(0), 0);
            EXPECT_EQ(plot(0).YAxis(0)->GetMin(), 0.0);
            EXPECT_EQ(span(0), 100.0);
        } else {
            EXPECT_EQ(xs(c.period, "Position"), std::vector<double> { c.x });
            EXPECT_EQ(ys(c.period, "Position"), std::vector<double> { c.position });
            EXPECT_EQ(ys(c.period, "Command"), std::vector<double> { c.command });
            EXPECT_EQ(ys(c.period, "Deviation"), std::vector<double> { c.deviation });
            EXPECT_EQ(ys(c.period, "Friction"), std::vector<double> { 40 });
            EXPECT_EQ(ys(c.period, "Temperature"), std::vector<double> { 24 });
            int copies = 0;
            for (int s = 0; s < 6; ++s) {
                for (const char* prefix : { "30", "12", "25" }) {
                    const QString name
                        = QString::fromLatin1(prefix) + QStringList { "Posn", "Cmd", "Dev", "Fric", "Supp", "Temp" }[s];
                    const PlotChannelData& d = channel(0, name).data();
                    copies += int(d.ys.size());
                    if (c.copyPrefix && QLatin1String(prefix) == QLatin1String(c.copyPrefix)) {
                        ASSERT_EQ(d.xs.size(), 1u) << name.toStdString();
                        EXPECT_EQ(d.xs[0], c.x);
                        EXPECT_EQ(d.ys[0], channel(c.period, QString::fromLatin1(SignalNames[s])).GetY(0));
                    }
                }
            }
            EXPECT_EQ(copies, c.copyPrefix ? 6 : 0);
        }
        clock().advance(C::RowMs); // the next row is read as the device gives it
        EXPECT_EQ(text(C::RowCounter), QStringLiteral("1"));
        click(C::StopButton);
        clock().advance(C::RowMs);
    }
}

TEST_F(TrendsPageTest, ARowThatDidNotComeWholeAddsNoPointsButTheCounterStillAdvances)
{
    showPage();
    retrieve(2);
    const size_t before = ys(0, "Position").size();
    ASSERT_EQ(before, 2u);
    const int deviceRow = trends().DeviceRow;

    // A reply too short for its row, then a lost reply.
    scriptReply(181, QByteArray("\x05\x00\x00", 3));
    clock().advance(C::RowMs);
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 181);
    clock().advance(C::RowMs);
    EXPECT_EQ(ys(0, "Position").size(), before);
    EXPECT_EQ(trends().RowsRead, 4);
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("3"));
    EXPECT_EQ(trends().DeviceRow, deviceRow);
    EXPECT_TRUE(logTexts().contains(QStringLiteral("CTrends trend row 3 not read: no points added")));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("CTrends trend row 4 not read: no points added")));
    clock().advance(C::RowMs);
    EXPECT_EQ(ys(0, "Position").size(), before + 1);
}

// Each plot's value axis holds the values it shows with room at both ends,
// on round labels, from 0 to 100 while they lie inside with room; a plot
// without values shows 0 to 100. Worked out: values 0 to 120 (supply 8000
// hundredths x 150 %) give -4.8 to 124.8, more than twelve tenths, so steps
// of 20; a friction of 260 gives -10.4 to 270.4 in steps of 50; values 0 to
// 50 give -4 and the kept 100.
TEST_F(TrendsPageTest, EachValueAxisHoldsItsPlotsValuesWithRoomAndStartsAgainWithTheNextRetrieval)
{
    const auto expectRange = [this](double min, double max, const std::string& what) {
        EXPECT_DOUBLE_EQ(plot(0).YAxis(0)->GetMin(), min) << what;
        EXPECT_DOUBLE_EQ(plot(0).YAxis(0)->GetMax(), max) << what;
        for (int p = 1; p < 4; ++p) {
            EXPECT_EQ(plot(p).YAxis(0)->GetMin(), 0.0) << what << ", plot " << p;
            EXPECT_EQ(span(p), 100.0) << what << ", plot " << p;
        }
    };
    showPage();
    device().setMiscLong(0x69, 15000);
    scriptRow(0, { 5000, 5000, 40, 8000, 2400 });
    retrieve(1);
    EXPECT_DOUBLE_EQ(ys(0, "Supply").at(0), 120.0);
    expectRange(-20, 140, "supply 120");

    scriptRow(1, { 5000, 5000, 260, 100, 2400 });
    clock().advance(C::RowMs);
    scriptRow(2, { 5000, 5000, 30, 100, 2400 });
    clock().advance(C::RowMs);
    expectRange(-50, 300, "friction 260");

    click(C::StopButton);
    clock().advance(C::RowMs);
    scriptRow(0, { 5000, 5000, 30, 100, 2400 });
    retrieve(1);
    expectRange(-10, 100, "the next retrieval");
}

// The trends of the simulated valve (a deviation at or near 0) stand clear
// of every border of all four plots, on the page and in the report's
// pictures, after a retrieval and after they are saved and loaded again; the
// Load shows the axes the retrieval showed.
TEST_F(TrendsPageTest, TheTrendsStandClearOfTheBordersAfterARetrievalAndAfterALoad)
{
    showPage();
    retrieve(92);
    ASSERT_EQ(ys(3, "Deviation").size(), 25u);
    const auto ranges = [this] {
        std::vector<double> all;
        for (int p = 0; p < 4; ++p)
            for (const PlotAxis* axis : { plot(p).XAxis(0).get(), plot(p).YAxis(0).get() })
                all.insert(all.end(), { axis->GetMin(), axis->GetMax() });
        return all;
    };
    const auto expectPageAndPicturesClear = [&](const std::string& what) {
        DrawnPlotTexts drawn;
        trends().grab();
        ownProgramFolder({ "TrendRept.xml", "TrendRept_K40.xml" });
        prompts().answerFile(tempPath(QStringLiteral("trends.pdf")), QStringLiteral("Save Trend Report As"));
        prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
        click(C::PrintReportButton);
        for (const char* title : { "24 Hours", "30 Days", "12 Months", "25 Years" })
            EXPECT_GE(drawn.titled(QString::fromLatin1(title)).size(), 2u) << what << ", " << title;
        EXPECT_EQ(drawn.faults(), QStringList()) << what;
    };
    const std::vector<double> retrieved = ranges();
    // Each period's time axis from 0 to the label past its last point.
    const double xMax[] = { 30, 35, 14, 30 };
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(plot(p).XAxis(0)->GetMin(), 0.0) << p;
        EXPECT_EQ(plot(p).XAxis(0)->GetMax(), xMax[p]) << p;
        EXPECT_LT(plot(p).YAxis(0)->GetMin(), 0.0) << p << ": a deviation of 0 needs room below it";
    }
    expectPageAndPicturesClear("retrieved");

    const QString path = tempPath(QStringLiteral("trends.trd"));
    prompts().answerFile(path, QStringLiteral("Save Trends Results As"));
    click(C::SaveButton);
    for (int p = 0; p < 4; ++p)
        plot(p).ClearAllData();
    prompts().answerFile(path, QStringLiteral("Open Trends Results"));
    click(C::LoadButton);
    ASSERT_TRUE(trends().FileLoaded);
    EXPECT_EQ(ranges(), retrieved);
    expectPageAndPicturesClear("loaded");
}

TEST_F(TrendsPageTest, OneSignalButtonShowsOnlyItsSignalAndSelectAllShowsAllSixAgain)
{
    showPage();
    retrieve(91);
    click(C::SupplyButton);
    for (int p = 0; p < 4; ++p)
        for (const PlotChannel* c : plot(p).channels())
            EXPECT_EQ(c->GetVisible(), c->GetName() == QStringLiteral("Supply")) << c->GetName().toStdString();
    EXPECT_TRUE(enabled(C::SelectAllButton));
    EXPECT_FALSE(enabled(C::SupplyButton));
    EXPECT_TRUE(enabled(C::PositionButton));

    click(C::SelectAllButton);
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < plot(p).ChannelCount(); ++k)
            EXPECT_EQ(plot(p).channels()[size_t(k)]->GetVisible(), k < 6) << p << " " << k;
    }
    EXPECT_FALSE(enabled(C::SelectAllButton));
}

TEST_F(TrendsPageTest, ALoadedFileIsShownAsTheChannelButtonsStandNotAsItWasSaved)
{
    showPage();
    retrieve(91);
    clock().advance(C::RowMs);
    // Saved while only Supply was shown.
    click(C::SupplyButton);
    const QString path = tempPath(QStringLiteral("supply.trd"));
    prompts().answerFile(path, QStringLiteral("Save Trends Results As"));
    click(C::SaveButton);
    ASSERT_TRUE(QFileInfo::exists(path));

    const auto expectShown = [this](const QString& only, const std::string& what) {
        for (int p = 0; p < 4; ++p) {
            for (const PlotChannel* c : plot(p).channels()) {
                const int signal
                    = int(std::find_if(std::begin(SignalNames), std::end(SignalNames), [c](const char* name) {
                          return c->GetName() == QLatin1String(name);
                      }) - std::begin(SignalNames));
                const bool shown = signal < 6 && (only.isEmpty() || c->GetName() == only);
                EXPECT_EQ(c->GetVisible(), shown) << what << ", plot " << p << " " << c->GetName().toStdString();
            }
        }
    };
    click(C::SelectAllButton);
    prompts().answerFile(path, QStringLiteral("Open Trends Results"));
    click(C::LoadButton);
    ASSERT_TRUE(trends().FileLoaded);
    EXPECT_FALSE(enabled(C::SelectAllButton));
    expectShown(QString(), "all six selected");

    click(C::PositionButton);
    prompts().answerFile(path, QStringLiteral("Open Trends Results"));
    click(C::LoadButton);
    EXPECT_FALSE(enabled(C::PositionButton));
    expectShown(QStringLiteral("Position"), "Position selected");
}

TEST_F(TrendsPageTest, UnitTextsFollowTheDeviceUntilAFileIsLoaded)
{
    struct Case {
        const char* units; // travel, temperature, pressure
        const char* supplyButton;
        const char* recordPressure;
        const char* temperatureButton;
        const char* recordTemperature;
    };
    const Case cases[] = {
        { "\x39\x21\x0C", "Supply (kPa)", "kPa", "Temp(\u00BAF)", "degF" },
        { "\x39\x20\x06", "Supply (psi)", "psi", "Temp(\u00BAC)", "degC" },
        { "\x39\x20\x0A", nullptr, "kg/sq.cm", "Temp(\u00BAC)", "degC" },
    };
    showPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.recordPressure);
        device().respond(221, QByteArray(c.units, 3));
        trends().ActivatePage();
        if (c.supplyButton) {
            EXPECT_EQ(text(C::SupplyButton), QString::fromUtf8(c.supplyButton));
        }
        EXPECT_EQ(record().PressureUnitText.toQString(), QString::fromUtf8(c.recordPressure));
        EXPECT_EQ(text(C::TemperatureButton), QString::fromUtf8(c.temperatureButton));
        EXPECT_EQ(record().TemperatureUnitText.toQString(), QString::fromUtf8(c.recordTemperature));
    }
    EXPECT_EQ(text(C::TemperatureButton).toUtf8(),
        QByteArray("Temp(\xC2\xBA"
                   "C)"));

    // A file of codes 7 and 32: its units stay on show, the device is not asked.
    record().PressureUnitCode = 7;
    record().TemperatureUnitCode = 32;
    record().Tag = AutoString("PV-101");
    const QString path = tempPath(QStringLiteral("bar.trd"));
    prompts().answerFile(path);
    record().SaveTrends(trends().HoursPlot, trends().DaysPlot, trends().MonthsPlot, trends().YearsPlot);
    prompts().answerFile(path, QStringLiteral("Open Trends Results"));
    click(C::LoadButton);
    EXPECT_TRUE(trends().FileLoaded);
    EXPECT_EQ(text(C::SupplyButton), QStringLiteral("Supply (bar)"));
    EXPECT_EQ(text(C::TemperatureButton), QStringLiteral("Temp(") + Ordinal + QStringLiteral("C)"));
    device().clearRequests();
    trends().StopTimers();
    trends().ActivatePage();
    EXPECT_EQ(count(220), 0);
    // Retrieve returns to the device's units.
    retrieve();
    EXPECT_EQ(count(220), 1);
    EXPECT_FALSE(trends().FileLoaded);
}

TEST_F(TrendsPageTest, ClearTrendsAsksThenClearsTheDeviceAndThePlotsOnlyWhenTheDeviceAnswered)
{
    showPage();
    retrieve(30);
    click(C::StopButton);
    clock().advance(C::RowMs);
    device().clearRequests();
    const QString caption = app().documentTitle().toQString();
    // The identity strip keeps the tag padded to eight characters: "PV-101   CLIPWELL".
    EXPECT_EQ(caption.simplified(), QStringLiteral("PV-101 CLIPWELL"));

    prompts().answerMessage(Prompts::IdCancel, C::ClearQuestion);
    click(C::ClearTrendsButton);
    // The question's caption shows the tag without its padding.
    EXPECT_EQ(prompts().messages().back().caption, QStringLiteral("PV-101 CLIPWELL"));
    EXPECT_EQ(prompts().messages().back().buttons, Prompts::Buttons::OkCancel);
    EXPECT_EQ(prompts().messages().back().owner, &trends());
    EXPECT_TRUE(device().requests().empty());
    EXPECT_EQ(pointsIn(1), 6 * 6);

    // The answer is lost: the plots keep their points.
    SimTestHooks::faults(device()).inject(SimFault::NoResponse, 1, 182);
    prompts().answerMessage(Prompts::IdOk, C::ClearQuestion);
    click(C::ClearTrendsButton);
    EXPECT_EQ(pointsIn(1), 6 * 6);
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("30"));
    EXPECT_TRUE(logTexts().contains(QStringLiteral("CTrends clear trends: no reply from the device, plots kept")));
    device().clearRequests();

    prompts().answerMessage(Prompts::IdOk, C::ClearQuestion);
    click(C::ClearTrendsButton);
    EXPECT_EQ(frames({ 182 }), QStringList { "03 B6 01 04" });
    EXPECT_EQ(device().requests().size(), 1u);
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(pointsIn(p), 0) << p;
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("0"));
    EXPECT_EQ(data().FailureCount, 0);

    retrieve(3);
    for (const char* name : SignalNames)
        EXPECT_EQ(ys(0, name), (std::vector<double> { 0, 0, 0 })) << name;
}

TEST_F(TrendsPageTest, SaveProposesTheTaggedNameAndAFileSavedAfterLoadingKeepsItsTagAndUnits)
{
    showPage();
    // The trends are retrieved, and saved, in the units the device is set to then.
    device().respond(221, QByteArray("\x39\x21\x0C", 3));
    trends().ActivatePage();
    retrieve(91);
    clock().advance(C::RowMs);
    device().clearRequests();
    clock().setLocalStart(QDateTime(QDate(2026, 4, 30), QTime(17, 45)).addMSecs(-clock().elapsedMs()));
    const QString path = tempPath(QStringLiteral("PV-101.trd"));
    prompts().answerFile(path, QStringLiteral("Save Trends Results As"));
    click(C::SaveButton);

    EXPECT_EQ(count(13), 1);
    EXPECT_EQ(prompts().records().back().dialog.initialName, QStringLiteral("PV-101_2026_4_30_17h_45m.trd"));
    // The record keeps the tag as the device holds it, padding blanks included.
    EXPECT_EQ(record().Tag.toQString(), QStringLiteral("PV-101  "));
    ASSERT_TRUE(QFileInfo::exists(path));
    Plot saved;
    saved.LoadDataFile(path);
    EXPECT_EQ(saved.ChannelByName(QStringLiteral("ButtonSetting"))->data().ys.size(), 3u);
    EXPECT_EQ(saved.ChannelByName(QStringLiteral("ButtonSetting"))->GetY(1), 12.0);
    EXPECT_EQ(saved.ChannelByName(QStringLiteral("ButtonSetting"))->GetY(2), 33.0);

    prompts().answerFile(path, QStringLiteral("Open Trends Results"));
    click(C::LoadButton);
    // The counter tells the rows the file brought.
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("91"));
    EXPECT_EQ(ys(1, "Position").size(), 30u);
    device().respond(221, QByteArray("\x39\x20\x07", 3));
    device().clearRequests();
    const QString again = tempPath(QStringLiteral("again.trd"));
    prompts().answerFile(again, QStringLiteral("Save Trends Results As"));
    click(C::SaveButton);
    EXPECT_EQ(count(13), 0);
    Plot resaved;
    resaved.LoadDataFile(again);
    EXPECT_EQ(resaved.ChannelByName(QStringLiteral("ButtonSetting"))->data().ys,
        (std::vector<double> { saved.ChannelByName(QStringLiteral("ButtonSetting"))->GetY(0), 12, 33 }));

    // A refused file keeps the file's state; the rows retrieved stay on
    // show, and the counter with them.
    retrieve(3);
    click(C::StopButton);
    clock().advance(C::RowMs);
    const int retrieved = pointsIn(0);
    const int retrievedLonger[3] = { pointsIn(1), pointsIn(2), pointsIn(3) };
    ASSERT_GT(retrieved, 0);
    const QString broken = tempPath(QStringLiteral("broken.trd"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a trends file");
    file.close();
    prompts().answerFile(broken);
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::FileOpen);
    click(C::LoadButton);
    EXPECT_EQ(text(C::RowCounter), QStringLiteral("3"));
    EXPECT_FALSE(trends().FileLoaded);
    EXPECT_EQ(pointsIn(0), retrieved);
    for (int p = 1; p < 4; ++p)
        EXPECT_EQ(pointsIn(p), retrievedLonger[p - 1]) << p;
}

TEST_F(TrendsPageTest, PrintReportUsesTheModelsDefinitionAndPrintsTheShownSignalAndUnits)
{
    for (const char* path : { K90Path, K40Path }) {
        SCOPED_TRACE(path);
        const bool k40 = QLatin1String(path) == QLatin1String(K40Path);
        showPage(path);
        device().respond(221, QByteArray("\x39\x21\x0C", 3));
        trends().ActivatePage();
        retrieve(30);
        click(C::StopButton);
        clock().advance(C::RowMs);
        click(C::FrictionButton);
        ownProgramFolder({ "TrendRept.xml", "TrendRept_K40.xml" });
        const QString pdf = tempPath(QStringLiteral("trends.pdf"));
        prompts().answerFile(pdf, QStringLiteral("Save Trend Report As"));
        prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

        click(C::PrintReportButton);

        const QString proposed = prompts().records().back().kind == ScriptedPrompts::Kind::Message
            ? prompts().records()[prompts().records().size() - 2].dialog.initialName
            : QString();
        EXPECT_TRUE(proposed.startsWith(QString::fromLatin1(k40 ? "PV-102" : "PV-101") + "_TrendReport_"))
            << proposed.toStdString();
        const auto document = trends().ReportControl->layoutDocument();
        for (const char* key : { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" }) {
            const ReportPageItem* picture = document.find(QString::fromLatin1(key));
            EXPECT_TRUE(picture && !picture->picture.isNull()) << key;
        }
        for (const char* key : { "lblPosActive", "lblCommActive", "lblDevActive", "lblSupActive", "lblPTempActive" }) {
            ASSERT_TRUE(document.find(QString::fromLatin1(key))) << key;
            EXPECT_EQ(document.find(QString::fromLatin1(key))->text, QStringLiteral("No")) << key;
        }
        EXPECT_EQ(document.find(QStringLiteral("lblFricActive"))->text, QStringLiteral("Yes"));
        // The header prints the tag as the device holds it; only the proposed name drops the padding.
        ASSERT_TRUE(document.find(QStringLiteral("DeviceLine")));
        EXPECT_TRUE(
            document.find(QStringLiteral("DeviceLine"))
                ->text.startsWith(QStringLiteral("DEVICE TAG ID: ") + QString::fromLatin1(k40 ? "PV-102" : "PV-101")
                    + QStringLiteral("             DEVICE VERSION: ")))
            << document.find(QStringLiteral("DeviceLine"))->text.toStdString();
        EXPECT_FALSE(proposed.contains(QLatin1Char(' '))) << proposed.toStdString();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
        ASSERT_TRUE(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const QString& expected : { QStringLiteral("Trend Report"),
                 QStringLiteral("DEVICE TAG ID: ") + QString::fromLatin1(k40 ? "PV-102" : "PV-101"),
                 QStringLiteral("Supply Pressure(kPa)"), QStringLiteral("Temperature(degF)"),
                 QStringLiteral("Friction(lbs)"), QString::fromLatin1(k40 ? "K40 positioner" : "K90 positioner") })
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
        for (int p = 0; p < 4; ++p)
            EXPECT_TRUE(plot(p).ScreenBar(0)->GetVisible());
        m_app.reset();
    }
}

TEST_F(TrendsPageTest, EachPlotsPictureGoesIntoItsOwnFieldOfTheReport)
{
    showPage();
    retrieve(92);
    // Each plot shows one signal of its own, so each picture carries one
    // colour of the six.
    const struct {
        const char* field;
        const char* signal;
        QColor colour;
    } plots[] = {
        { "RampGrph", "Position", QColor(255, 10, 10) },
        { "RampGrph2", "Command", QColor(0, 192, 0) },
        { "RampGrph3", "Friction", QColor(153, 0, 204) },
        { "RampGrph4", "Temperature", QColor(0, 128, 128) },
    };
    for (int p = 0; p < 4; ++p) {
        ASSERT_GT(pointsIn(p), 0) << p;
        for (const char* signal : SignalNames)
            channel(p, QString::fromLatin1(signal)).SetVisible(QLatin1String(signal) == QLatin1String(plots[p].signal));
    }
    ownProgramFolder({ "TrendRept.xml", "TrendRept_K40.xml" });
    prompts().answerFile(tempPath(QStringLiteral("pictures.pdf")), QStringLiteral("Save Trend Report As"));
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
    click(C::PrintReportButton);
    const ReportDocument document = trends().ReportControl->layoutDocument();
    for (const auto& field : plots) {
        const ReportPageItem* item = document.find(QString::fromLatin1(field.field));
        ASSERT_TRUE(item && !item->picture.isNull()) << field.field;
        for (const auto& other : plots) {
            int pixels = 0;
            for (int y = 0; y < item->picture.height(); ++y)
                for (int x = 0; x < item->picture.width(); ++x)
                    pixels += item->picture.pixelColor(x, y) == other.colour ? 1 : 0;
            if (&other == &field) {
                EXPECT_GT(pixels, 100) << field.field << " shows " << other.signal;
            } else {
                EXPECT_EQ(pixels, 0) << field.field << " shows " << other.signal;
            }
        }
    }
}

TEST_F(TrendsPageTest, TrendRowsFollowTheSimulatedValve)
{
    // One hours acquisition of 24 rows, stopped there.
    const auto acquire = [this] {
        retrieve(24);
        click(C::StopButton);
        clock().advance(C::RowMs);
    };
    showPage();
    acquire();
    const double friction = mean(ys(0, "Friction"));
    const double supply = mean(ys(0, "Supply"));
    const double temperature = mean(ys(0, "Temperature"));
    ASSERT_GT(friction, 0);
    ASSERT_GT(supply, 0);

    ValveModelParams physics = device().physics();
    physics.dynamicFrictionLbf *= 2;
    physics.staticFrictionLbf *= 2;
    device().setPhysics(physics);
    device().setSupplyPsi(physics.supplyPsi * 0.8);
    device().respond(221, QByteArray("\x39\x21\x06", 3));
    trends().ActivatePage();
    acquire();

    EXPECT_GT(mean(ys(0, "Friction")), friction * 1.5);
    EXPECT_LT(mean(ys(0, "Supply")), supply * 0.9);
    for (double t : ys(0, "Temperature")) {
        EXPECT_GT(t, 50.0);
        EXPECT_LT(t, 100.0);
    }
    EXPECT_LT(temperature, 50.0);
}
