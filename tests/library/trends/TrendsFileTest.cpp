// Saving the four trend plots into one trends file and loading it back.
#include "TrendsPlotsFixture.h"

#include "ReportTestSupport.h"
#include "core/GuardedExport.h"
#include "trends/TrendsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

using namespace TrendsChannels;

namespace
{
const QString Degree = QString(QChar(0x00BA));
}

class TrendsFileTest : public TrendsPlotsFixture
{
protected:
    // Fills the hours plot as a whole acquisition would: 24 hours, and the
    // copies of the 30 days, 12 months and 25 years; the three other plots
    // get the same series.
    void fillAcquisition(double largest)
    {
        const int counts[4] = { 24, 30, 12, 25 };
        for (int p = 0; p < 4; ++p) {
            for (int x = 1; x <= counts[p]; ++x) {
                for (int s = 0; s < SignalCount; ++s) {
                    const double y = valueAt(p, s, x);
                    channel(p, Signals[size_t(s)])->AddXY(x, y);
                    if (p > 0)
                        channel(0, copyName(p - 1, s))->AddXY(x, y);
                }
            }
        }
        channel(0, QStringLiteral("Friction"))->AddXY(5, largest);
    }
    static double valueAt(int period, int signal, int x) { return 10.0 * period + signal + x * 0.5; }

    QString save(const QString& name)
    {
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Trends Results As"));
        m_record.SaveTrends(hours(), days(), months(), years());
        return path;
    }
    bool load(const QString& path)
    {
        prompts().answerFile(path, QStringLiteral("Open Trends Results"));
        return m_record.LoadTrends(hours(), days(), months(), years());
    }
    std::vector<double> buttonSetting(const QString& path)
    {
        Plot scratch;
        scratch.LoadDataFile(path);
        return scratch.ChannelByName(ButtonSetting)->data().ys;
    }
    // The value axes follow the values shown, not the span a file stores:
    // `hours` is the 24-hours plot's range, the three others show 0 to 100
    // (their values lie inside with room, or they have none).
    void expectValueAxes(double hoursMin, double hoursMax)
    {
        EXPECT_DOUBLE_EQ(plot(0).YAxis(0)->GetMin(), hoursMin);
        EXPECT_DOUBLE_EQ(plot(0).YAxis(0)->GetMax(), hoursMax);
        for (int p = 1; p < 4; ++p) {
            EXPECT_EQ(plot(p).YAxis(0)->GetMin(), 0.0) << "plot " << p;
            EXPECT_EQ(plot(p).YAxis(0)->GetMax(), 100.0) << "plot " << p;
        }
    }
    void clearPlots()
    {
        for (int p = 0; p < 4; ++p)
            plot(p).ClearAllData();
    }
    // A file whose "ButtonSetting" holds exactly these points.
    QString fileWithSettings(const QString& name, const std::vector<double>& ys)
    {
        Plot maker;
        const IPlotPtr pointer(&maker);
        Plot others[3];
        ConfigureTrendsPlotControl(pointer, IPlotPtr(&others[0]), IPlotPtr(&others[1]), IPlotPtr(&others[2]));
        m_record.SetUpTrendsPlotChannels(pointer, IPlotPtr(&others[0]), IPlotPtr(&others[1]), IPlotPtr(&others[2]));
        maker.ChannelByName(copyName(0, 3))->AddXY(1, 42);
        for (size_t k = 0; k < ys.size(); ++k)
            maker.ChannelByName(ButtonSetting)->AddXY(double(k), ys[k]);
        const QString path = tempPath(name);
        maker.SaveDataFile(path);
        return path;
    }
};

TEST_F(TrendsFileTest, SaveProposesTheTaggedNameAndStoresSpanAndUnitCodesOnceHoweverOftenSaved)
{
    clock().setLocalStart(QDateTime(QDate(2026, 4, 30), QTime(17, 45)));
    // The blanks that pad a device tag to eight characters name no file.
    m_record.Tag = AutoString("PV-101  ");
    m_record.PressureUnitCode = 12;
    m_record.TemperatureUnitCode = 33;
    fillAcquisition(150);

    const QString path = save(QStringLiteral("first.trd"));

    ASSERT_EQ(prompts().records().size(), 1u);
    const Prompts::FileDialog& dialog = prompts().records()[0].dialog;
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.initialName, QStringLiteral("PV-101_2026_4_30_17h_45m.trd"));
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.trd)|*.trd|"));
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("trd"));
    EXPECT_TRUE(dialog.confirmOverwrite);
    EXPECT_EQ(dialog.owner, nullptr);
    EXPECT_EQ(buttonSetting(path), (std::vector<double> { 150, 12, 33 }));
    // The hours hold 0.5 to 150: 4 % of room is more than twelve tenths.
    expectValueAxes(-20, 160);

    const QString second = save(QStringLiteral("second.trd"));
    EXPECT_EQ(buttonSetting(second), (std::vector<double> { 150, 12, 33 }));
}

TEST_F(TrendsFileTest, SpanIsTheLargestSignalOfTheHoursPlotAndNeverBelowOneHundred)
{
    struct Case {
        const char* what;
        double hoursValue;
        double copyValue;
        double span;
        double hoursMax; // the hours' value axis from 0
    };
    const Case cases[] = {
        { "nothing retrieved yet", std::nan(""), std::nan(""), 100, 100 },
        { "every value at most 100", 100, 0, 100, 110 },
        { "a copy larger than every signal does not count", 20, 900, 100, 100 },
        { "a signal of 150", 150, 0, 150, 160 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearPlots();
        if (!std::isnan(c.hoursValue)) {
            channel(0, QStringLiteral("Supply"))->AddXY(1, c.hoursValue);
            channel(0, QStringLiteral("25Supp"))->AddXY(1, c.copyValue);
        }
        const QString path = save(QStringLiteral("span.trd"));
        EXPECT_EQ(buttonSetting(path)[0], c.span);
        expectValueAxes(0, c.hoursMax);
    }
}

TEST_F(TrendsFileTest, SaveWithoutASignalChannelShowsFileSaveErrorAndWritesNothing)
{
    plot(0).ChannelByName(QStringLiteral("Deviation"))->SetName(QStringLiteral("Gone"));
    const QString path = tempPath(QStringLiteral("none.trd"));
    prompts().answerFile(path, QStringLiteral("Save Trends Results As"));
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::FileSave);

    m_record.SaveTrends(hours(), days(), months(), years());

    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(prompts().messages().back().caption, QString());
    EXPECT_TRUE(channel(0, ButtonSetting)->data().ys.empty());
}

TEST_F(TrendsFileTest, AFileThatCannotBeWrittenShowsFileSaveError)
{
    fillAcquisition(150);
    const QString path = tempPath(QStringLiteral("no such folder/trends.trd"));
    prompts().answerFile(path, QStringLiteral("Save Trends Results As"));
    prompts().answerMessage(Prompts::IdOk, ExportFailureText::FileSave);

    m_record.SaveTrends(hours(), days(), months(), years());

    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages().back().text, ExportFailureText::FileSave);
    EXPECT_EQ(prompts().messages().back().caption, QString());
    EXPECT_EQ(prompts().messages().back().owner, nullptr);
}

TEST_F(TrendsFileTest, LoadRebuildsTheLongerPeriodsFromTheCopiesWithTheFileUnitsAndSpan)
{
    m_record.PressureUnitCode = 12;
    m_record.TemperatureUnitCode = 33;
    fillAcquisition(180);
    const QString path = save(QStringLiteral("full.trd"));
    ConfigureTrendsPlotControl(hours(), days(), months(), years());
    m_record.SetUpTrendsPlotChannels(hours(), days(), months(), years());
    m_record = CTrendsReport();

    ASSERT_TRUE(load(path));

    const int counts[4] = { 24, 30, 12, 25 };
    for (int p = 1; p < 4; ++p) {
        for (int s = 0; s < SignalCount; ++s) {
            const PlotChannelData& d = channel(p, Signals[size_t(s)])->data();
            ASSERT_EQ(d.xs.size(), size_t(counts[p])) << p << " " << s;
            for (int i = 0; i < counts[p]; ++i) {
                EXPECT_EQ(d.xs[size_t(i)], i + 1.0);
                EXPECT_EQ(d.ys[size_t(i)], valueAt(p, s, i + 1));
            }
        }
    }
    EXPECT_EQ(channel(0, QStringLiteral("Position"))->Count(), 24);
    EXPECT_FALSE(channel(0, QStringLiteral("30Posn"))->GetVisible());
    EXPECT_FALSE(channel(0, ButtonSetting)->GetVisible());
    EXPECT_EQ(m_record.PressureUnitCode, 12);
    EXPECT_EQ(m_record.PressureUnitText.toQString(), QStringLiteral("kPa"));
    EXPECT_EQ(m_record.TemperatureUnitCode, 33);
    EXPECT_EQ(m_record.TemperatureUnitText.toQString(), Degree + QStringLiteral("F"));
    EXPECT_EQ(m_record.TemperatureUnitText.toQString().toUtf8(),
        QByteArray("\xC2\xBA"
                   "F"));
    // The hours hold 0.5 to 180, -6.7 to 187.2 with room, in steps of 20;
    // each period's time axis runs from 0 to the label past its last point.
    expectValueAxes(-20, 200);
    const double xMax[] = { 30, 35, 14, 30 };
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(plot(p).XAxis(0)->GetMin(), 0.0);
        EXPECT_EQ(plot(p).XAxis(0)->GetMax(), xMax[p]);
    }
}

TEST_F(TrendsFileTest, StoredCodesAndSpanReadAsTheirUnitsOrAsUnknown)
{
    struct Case {
        const char* what;
        std::vector<double> ys;
        uint8_t pressure;
        const char* pressureText;
        uint8_t temperature;
        const char* temperatureText;
    };
    const Case cases[] = {
        { "bar and Celsius", { 120, 7, 32 }, 7, "bar", 32, "\u00BAC" },
        { "kg/sq.cm", { 100, 10, 33 }, 10, "kg/sq.cm", 33, "\u00BAF" },
        { "percent", { 100, 57, 33 }, 57, "%", 33, "\u00BAF" },
        { "psi and any other temperature", { 100, 6, 40 }, 6, "psi", 40, "\u00BAF" },
        { "the largest code and the least span", { 1, 255, 32 }, 255, "psi", 32, "\u00BAC" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = fileWithSettings(QStringLiteral("codes.trd"), c.ys);
        ASSERT_TRUE(load(path));
        EXPECT_EQ(m_record.PressureUnitCode, c.pressure);
        EXPECT_EQ(m_record.PressureUnitText.toQString(), QString::fromUtf8(c.pressureText));
        EXPECT_EQ(m_record.TemperatureUnitCode, c.temperature);
        EXPECT_EQ(m_record.TemperatureUnitText.toQString(), QString::fromUtf8(c.temperatureText));
        // The one value, 42, lies inside 0 to 100 with room: the stored span does not count.
        expectValueAxes(0, 100);
        EXPECT_EQ(channel(1, QStringLiteral("Friction"))->GetY(0), 42.0);
    }
}

TEST_F(TrendsFileTest, SettingsThatAreNoNumberOrThatNoPlotOrUnitCanHoldRefuseTheFile)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, std::vector<double>> files[] = {
        { "pressure code beyond the byte", { 100, 268.9, 32 } },
        { "temperature code beyond the byte", { 100, 7, 288 } },
        { "a negative code", { 100, -250, 32 } },
        { "span below zero", { -5, 7, 32 } },
        { "span of no whole unit", { 5e-307, 7, 32 } },
        { "pressure code not a number", { 100, nan, 32 } },
        { "temperature code beyond the integers", { 100, 7, 1e300 } },
        { "pressure code of 2^31", { 100, 2147483648.0, 32 } },
        { "span not a number", { nan, 7, 32 } },
        { "span infinite", { std::numeric_limits<double>::infinity(), 7, 32 } },
    };
    for (const auto& [what, ys] : files) {
        SCOPED_TRACE(what);
        const QString path = fileWithSettings(QStringLiteral("odd.trd"), ys);
        clearPlots();
        fillAcquisition(120);
        m_record.PressureUnitCode = 12;
        prompts().answerFile(path, QStringLiteral("Open Trends Results"));
        prompts().answerMessage(Prompts::IdOk, ExportFailureText::FileOpen);

        EXPECT_FALSE(m_record.LoadTrends(hours(), days(), months(), years()));

        EXPECT_EQ(m_record.PressureUnitCode, 12);
        EXPECT_EQ(channel(1, QStringLiteral("Position"))->Count(), 30);
        EXPECT_EQ(channel(0, QStringLiteral("Friction"))->GetYMax(), 120.0);
    }
}

TEST_F(TrendsFileTest, DamagedTruncatedOrForeignFilesAreRefusedWithThePlotsAndTheRecordAsTheyWere)
{
    fillAcquisition(120);
    const QString good = save(QStringLiteral("good.trd"));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = goodFile.readAll();

    // A file without "12Fric".
    Plot lacking;
    lacking.LoadDataFile(good);
    lacking.ChannelByName(QStringLiteral("12Fric"))->SetName(QStringLiteral("12Frc"));
    const QString withoutChannel = tempPath(QStringLiteral("lacking.trd"));
    lacking.SaveDataFile(withoutChannel);
    // A step test file: the plot's data file with other channels.
    Plot step;
    step.AddChannel();
    step.Channel(0)->SetName(QStringLiteral("Position"));
    step.Channel(0)->AddXY(0, 1);
    const QString stepFile = tempPath(QStringLiteral("test.stp"));
    step.SaveDataFile(stepFile);
    // "ButtonSetting" with two points only.
    const QString shortSettings = fileWithSettings(QStringLiteral("short.trd"), { 100, 7 });
    ConfigureTrendsPlotControl(hours(), days(), months(), years());
    m_record.SetUpTrendsPlotChannels(hours(), days(), months(), years());

    const auto writeBytes = [this](const QString& name, const QByteArray& content) {
        QFile file(tempPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    };
    const std::pair<const char*, QString> files[] = {
        { "without 12Fric", withoutChannel },
        { "truncated", writeBytes(QStringLiteral("truncated.trd"), bytes.left(bytes.size() / 2)) },
        { "a step test file", stepFile },
        { "not a plot file", writeBytes(QStringLiteral("text.trd"), QByteArray("just some text\n")) },
        { "settings of two points", shortSettings },
    };
    for (const auto& [what, path] : files) {
        SCOPED_TRACE(what);
        // An acquisition not saved yet.
        for (int p = 0; p < 4; ++p)
            plot(p).ClearAllData();
        fillAcquisition(120);
        m_record.PressureUnitCode = 12;
        m_record.PressureUnitText = AutoString("kPa");
        prompts().answerFile(path, QStringLiteral("Open Trends Results"));
        prompts().answerMessage(Prompts::IdOk, ExportFailureText::FileOpen);

        EXPECT_FALSE(m_record.LoadTrends(hours(), days(), months(), years()));

        EXPECT_EQ(prompts().messages().back().caption, QString());
        EXPECT_EQ(prompts().messages().back().owner, nullptr);
        const int counts[4] = { 24, 30, 12, 25 };
        for (int p = 0; p < 4; ++p) {
            const PlotChannelData& position = channel(p, QStringLiteral("Position"))->data();
            ASSERT_EQ(position.ys.size(), size_t(counts[p])) << "plot " << p;
            EXPECT_EQ(position.ys.back(), valueAt(p, 0, counts[p])) << "plot " << p;
        }
        EXPECT_EQ(channel(0, QStringLiteral("Friction"))->GetYMax(), 120.0);
        EXPECT_EQ(channel(0, QStringLiteral("12Fric"))->Count(), 12);
        EXPECT_EQ(plot(0).ChannelCount(), 25);
        EXPECT_EQ(m_record.PressureUnitCode, 12);
        EXPECT_EQ(m_record.PressureUnitText.toQString(), QStringLiteral("kPa"));
    }
}

TEST_F(TrendsFileTest, CancelInEitherDialogChangesNothing)
{
    fillAcquisition(120);
    prompts().answerFile(std::nullopt, QStringLiteral("Save Trends Results As"));
    m_record.SaveTrends(hours(), days(), months(), years());
    EXPECT_TRUE(channel(0, ButtonSetting)->data().ys.empty());
    expectValueAxes(-20, 140);

    prompts().answerFile(std::nullopt, QStringLiteral("Open Trends Results"));
    EXPECT_FALSE(m_record.LoadTrends(hours(), days(), months(), years()));
    EXPECT_EQ(channel(1, QStringLiteral("Position"))->Count(), 30);
    EXPECT_EQ(m_record.PressureUnitText.toQString(), QString());
    const auto& dialog = prompts().records().back().dialog;
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(dialog.filter, QStringLiteral("*.trd|*.trd|"));
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("trd"));
}

// Trends files as the fuzzer's seeds: a whole acquisition, one without
// "25Temp", and one whose settings give no unit and no span. They are kept
// with the test artifacts and copied into the corpus.
TEST_F(TrendsFileTest, WritesTrendsFilesForTheFuzzCorpus)
{
    fillAcquisition(130);
    const QString whole = save(QStringLiteral("seed.trd"));
    Plot lacking;
    lacking.LoadDataFile(whole);
    lacking.ChannelByName(QStringLiteral("25Temp"))->SetName(QStringLiteral("25Tmp"));
    const QString dir = ReportTestSupport::artifactPath(QStringLiteral("trends_seeds"));
    QDir().mkpath(dir);
    QFile::remove(dir + QStringLiteral("/trends_acquisition.trd"));
    ASSERT_TRUE(QFile::copy(whole, dir + QStringLiteral("/trends_acquisition.trd")));
    lacking.SaveDataFile(dir + QStringLiteral("/trends_without_25temp.trd"));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/trends_without_25temp.trd")));
    const QString odd = fileWithSettings(QStringLiteral("odd.trd"), { -5, std::nan(""), 1e300 });
    QFile::remove(dir + QStringLiteral("/trends_odd_settings.trd"));
    ASSERT_TRUE(QFile::copy(odd, dir + QStringLiteral("/trends_odd_settings.trd")));
}
