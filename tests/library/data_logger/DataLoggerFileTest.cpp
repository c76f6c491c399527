// A data logger run's ".lgr" file: what the hidden channels hold, the load
// that takes a run back, and the files it refuses.
#include "data_logger/DataLoggerFile.h"
#include "ReportTestSupport.h"
#include "SwTest.h"
#include "data_logger/DataLoggerPlot.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace
{

using Content = std::vector<std::pair<QString, std::vector<double>>>;

Content contentOf(const Plot& plot)
{
    Content content;
    for (const PlotChannel* channel : plot.channels()) {
        std::vector<double> values = channel->data().xs;
        values.insert(values.end(), channel->data().ys.begin(), channel->data().ys.end());
        content.emplace_back(channel->GetName(), values);
    }
    return content;
}

std::vector<double> ysOf(const Plot& plot, const char* name)
{
    const IPlotChannelPtr channel = plot.ChannelByName(QString::fromLatin1(name));
    return channel ? channel->data().ys : std::vector<double>();
}

bool sameRecord(const CDataLoggerReport& a, const CDataLoggerReport& b)
{
    return a.m_strTag == b.m_strTag && a.m_strInterval == b.m_strInterval && a.m_strDuration == b.m_strDuration
        && a.m_strDurationUnit == b.m_strDurationUnit && a.m_bSingleActing == b.m_bSingleActing
        && a.m_bPressureSensor == b.m_bPressureSensor && a.m_nPressureUnit == b.m_nPressureUnit
        && a.m_nTemperatureUnit == b.m_nTemperatureUnit && a.m_nDeviceCode == b.m_nDeviceCode;
}

class DataLoggerFileTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        clock().setLocalStart(QDateTime(QDate(2028, 7, 4), QTime(7, 5, 30)));
        layOut(page);
        for (int k = 0; k < 3; ++k) {
            int n = 0;
            for (const char* name : DataLoggerChannel::Samples)
                page.ChannelByName(QString::fromLatin1(name))->AddXY(k * 10, 10 * n++ + k);
        }
        record.m_strTag = AutoString("PV-101");
        record.m_strInterval = AutoString("2");
        record.m_strDuration = AutoString("12");
        record.m_strDurationUnit = AutoString("1");
        record.m_bSingleActing = 1;
        record.m_bPressureSensor = 1;
        record.m_nPressureUnit = 12;
        record.m_nTemperatureUnit = 33;
        record.m_nDeviceCode = 0;
    }

    static void layOut(Plot& plot)
    {
        ConfigureDataLoggerPlotControl(IPlotPtr(&plot));
        SetupDataLoggerPlotChannels(IPlotPtr(&plot));
    }

    // With `failure`, the box expected after the dialog.
    void save(const QString& path, std::optional<QString> failure = std::nullopt)
    {
        prompts().answerFile(path);
        if (failure)
            prompts().answerMessage(Prompts::IdOk, failure);
        record.SaveDataLogger(IPlotPtr(&page));
    }
    bool load(const QString& path, CDataLoggerReport& into, Plot& plot, std::optional<QString> failure = std::nullopt)
    {
        prompts().answerFile(path);
        if (failure)
            prompts().answerMessage(Prompts::IdOk, failure);
        return into.LoadDataLogger(IPlotPtr(&plot));
    }

    Plot page;
    CDataLoggerReport record;
};

TEST_F(DataLoggerFileTest, SaveProposesTheTagAndTimeAndWritesTheElevenSettings)
{
    const QString path = tempPath("run.lgr");
    save(path);
    ASSERT_EQ(prompts().records().size(), 1u);
    const Prompts::FileDialog& dialog = prompts().records()[0].dialog;
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.title, QStringLiteral("Save DataLogger Results As"));
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.lgr)|*.lgr|"));
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("lgr"));
    EXPECT_EQ(dialog.initialName, QStringLiteral("PV-101_2028_7_4_7h_5m.lgr"));
    const std::vector<double> expected { 2, 12, 1, 7, 4, 2028, 1, 1, 12, 33, 0 };
    EXPECT_EQ(ysOf(page, "TestSettings"), expected);
    EXPECT_EQ(ysOf(page, "TagName"), (std::vector<double> { 'P', 'V', '-', '1', '0', '1' }));
    EXPECT_TRUE(QFile::exists(path));

    // Saved again: the settings are replaced, not appended.
    save(tempPath("again.lgr"));
    EXPECT_EQ(ysOf(page, "TestSettings"), expected);

    Plot other;
    layOut(other);
    ASSERT_TRUE(load(tempPath("again.lgr"), record, other));
    EXPECT_EQ(ysOf(other, "TestSettings").size(), 11u);
    // Kept for the file reader's fuzzing seeds.
    const QString kept = ReportTestSupport::artifactPath(QStringLiteral("datalogger_run.lgr"));
    QFile::remove(kept);
    QFile::copy(tempPath("again.lgr"), kept);
}

TEST_F(DataLoggerFileTest, EachFlagAndCodeHasItsOwnSettingsPointAndComesBackToItsOwnMember)
{
    struct Case {
        uint8_t singleActing, pressureSensor, pressureUnit, temperatureUnit, deviceCode;
        std::vector<double> points; // points 6 to 10
    };
    const Case cases[] = {
        { 1, 0, 7, 32, 0, { 1, 0, 7, 32, 0 } },
        { 0, 1, 12, 33, 5, { 0, 1, 12, 33, 5 } },
        // A flag is stored as 1 only when it is 1.
        { 2, 255, 255, 0, 255, { 0, 0, 255, 0, 255 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.deviceCode));
        record.m_bSingleActing = c.singleActing;
        record.m_bPressureSensor = c.pressureSensor;
        record.m_nPressureUnit = c.pressureUnit;
        record.m_nTemperatureUnit = c.temperatureUnit;
        record.m_nDeviceCode = c.deviceCode;
        const QString path = tempPath("flags.lgr");
        save(path);
        const std::vector<double> settings = ysOf(page, "TestSettings");
        ASSERT_EQ(settings.size(), 11u);
        EXPECT_EQ(std::vector<double>(settings.begin() + 6, settings.end()), c.points);

        Plot other;
        layOut(other);
        CDataLoggerReport loaded;
        ASSERT_TRUE(load(path, loaded, other));
        EXPECT_EQ(loaded.m_bSingleActing, c.points[0]);
        EXPECT_EQ(loaded.m_bPressureSensor, c.points[1]);
        EXPECT_EQ(loaded.m_nDeviceCode, c.deviceCode);
    }
}

TEST_F(DataLoggerFileTest, TheTagIsStoredByteByByteAndEndsAtTheFirstZeroByte)
{
    struct Case {
        QString tag;
        std::vector<double> points;
        QString proposed;
    };
    const Case cases[] = {
        { QStringLiteral("AB"), { 65, 66 }, QStringLiteral("AB_2028_7_4_7h_5m.lgr") },
        { QStringLiteral("\u00C9"), { -55 }, QStringLiteral("\u00C9_2028_7_4_7h_5m.lgr") },
        { QStringLiteral("x\u00E9"), { 120, -23 }, QStringLiteral("x\u00E9_2028_7_4_7h_5m.lgr") },
        { QStringLiteral("AB\u0100CD"), { 65, 66 }, QStringLiteral("AB\u0100CD_2028_7_4_7h_5m.lgr") },
        { QString(), {}, QStringLiteral("_2028_7_4_7h_5m.lgr") },
        { QStringLiteral("A/B"), { 65, 47, 66 }, QStringLiteral("A_B_2028_7_4_7h_5m.lgr") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag.toStdString());
        prompts().clearRecords();
        record.m_strTag = AutoString(c.tag);
        save(tempPath("tag.lgr"));
        EXPECT_EQ(ysOf(page, "TagName"), c.points);
        EXPECT_EQ(prompts().records().at(0).dialog.initialName, c.proposed);
        EXPECT_EQ(record.m_strTag.toQString(), c.tag);
    }
}

TEST_F(DataLoggerFileTest, CancelWritesNothingAndLeavesThePlot)
{
    const Content before = contentOf(page);
    prompts().answerFile(std::nullopt);
    record.SaveDataLogger(IPlotPtr(&page));
    prompts().answerFile(std::nullopt);
    EXPECT_FALSE(record.LoadDataLogger(IPlotPtr(&page)));
    EXPECT_EQ(contentOf(page), before);
    EXPECT_TRUE(prompts().messages().empty());
}

TEST_F(DataLoggerFileTest, ASaveThatCannotWriteShowsTheSaveError)
{
    save(tempPath("no/such/folder/run.lgr"), QStringLiteral("File save error."));
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File save error."));
    EXPECT_EQ(prompts().messages()[0].caption, QString());
}

TEST_F(DataLoggerFileTest, LoadTakesTheRunAndSettingsBackIntoTheSameChannelObjects)
{
    const QString path = tempPath("run.lgr");
    record.m_nDeviceCode = 77;
    save(path);

    Plot other;
    layOut(other);
    const IPlotChannelPtr position = other.ChannelByName(QStringLiteral("Position"));
    position->AddXY(99, 99);
    CDataLoggerReport loaded;
    loaded.m_strTag = AutoString("KEPT");
    loaded.m_nPressureUnit = 7;
    loaded.m_nTemperatureUnit = 32;
    ASSERT_TRUE(load(path, loaded, other));

    EXPECT_EQ(prompts().records().back().dialog.title, QStringLiteral("Open DataLogger Results"));
    EXPECT_EQ(prompts().records().back().dialog.filter, QStringLiteral("*.lgr|*.lgr|"));
    EXPECT_EQ(other.ChannelByName(QStringLiteral("Position")).get(), position.get());
    EXPECT_EQ(contentOf(other), contentOf(page));
    EXPECT_EQ(loaded.m_strInterval.toQString(), QStringLiteral("2"));
    EXPECT_EQ(loaded.m_strDuration.toQString(), QStringLiteral("12"));
    EXPECT_EQ(loaded.m_strDurationUnit.toQString(), QStringLiteral("1"));
    EXPECT_EQ(loaded.m_bSingleActing, 1);
    EXPECT_EQ(loaded.m_bPressureSensor, 1);
    EXPECT_EQ(loaded.m_nDeviceCode, 77);
    // The tag and the record's units are not taken from the file; its units title the axes.
    EXPECT_EQ(loaded.m_strTag.toQString(), QStringLiteral("KEPT"));
    EXPECT_EQ(loaded.m_nPressureUnit, 7);
    EXPECT_EQ(loaded.m_nTemperatureUnit, 32);
    EXPECT_EQ(other.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [kPa]"));
    EXPECT_EQ(other.YAxisByName(QStringLiteral("Temperature"))->GetTitle(), QStringLiteral("Temperature [\u00BAF]"));
    EXPECT_TRUE(prompts().messages().empty());
}

TEST_F(DataLoggerFileTest, AFractionalSettingComesBackAsTheShortestTextOfItsSinglePrecisionValue)
{
    // A setting without a field of whole numbers (the duration is one).
    record.m_strInterval = AutoString("12.3");
    const QString path = tempPath("run.lgr");
    save(path);
    CDataLoggerReport loaded;
    ASSERT_TRUE(load(path, loaded, page));
    EXPECT_EQ(loaded.m_strInterval.toQString(), QStringLiteral("12.3"));
}

TEST(DataLoggerAxisTitles, FollowTheUnitCodes)
{
    // As the run that recorded the file titled its axis.
    const std::pair<int, const char*> pressure[]
        = { { 6, "Pressure [psi]" }, { 7, "Pressure [bar]" }, { 8, "Pressure [psi]" }, { 10, "Pressure [Kg/cm\u00B2]" },
              { 12, "Pressure [kPa]" }, { 57, "Pressure [Percent]" }, { 0, "Pressure [psi]" } };
    for (const auto& [code, title] : pressure)
        EXPECT_EQ(DataLoggerFile::PressureAxisTitle(uint8_t(code)), QString::fromUtf8(title)) << code;
    EXPECT_EQ(DataLoggerFile::TemperatureAxisTitle(32), QString::fromUtf8("Temperature [\u00BAC]"));
    EXPECT_EQ(DataLoggerFile::TemperatureAxisTitle(33), QString::fromUtf8("Temperature [\u00BAF]"));
    EXPECT_EQ(DataLoggerFile::TemperatureAxisTitle(0), QString::fromUtf8("Temperature [\u00BAF]"));
    // The masculine ordinal sign, not the degree sign.
    EXPECT_EQ(DataLoggerFile::TemperatureAxisTitle(32).toUtf8().mid(13, 2), QByteArray("\xC2\xBA"));
}

TEST_F(DataLoggerFileTest, FlagsAndCodesNoSaveWritesReadByTheirWholeNumber)
{
    // A file written by hand: flags and codes that no save writes, each inside
    // the integers; a code is a whole number (one with a fraction is no code
    // and refuses the file).
    const IPlotChannelPtr settings = page.ChannelByName(QStringLiteral("TestSettings"));
    for (double y : { 1.0, 5.0, 0.0, 7.0, 4.0, 2028.0, 2.0, -1.0, 12.0, 0.0, 255.0 })
        settings->AddXY(settings->Count(), y);
    page.ChannelByName(QStringLiteral("TagName"))->AddXY(0, 65);
    const QString path = tempPath("odd.lgr");
    page.SaveDataFile(path);

    Plot other;
    layOut(other);
    CDataLoggerReport loaded;
    loaded.m_bSingleActing = 1;
    loaded.m_bPressureSensor = 1;
    loaded.m_nDeviceCode = 9;
    ASSERT_TRUE(load(path, loaded, other));
    EXPECT_EQ(loaded.m_bSingleActing, 0);
    EXPECT_EQ(loaded.m_bPressureSensor, 0);
    EXPECT_EQ(loaded.m_nDeviceCode, 255);
    EXPECT_EQ(other.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure [kPa]"));
    EXPECT_EQ(other.YAxisByName(QStringLiteral("Temperature"))->GetTitle(), QStringLiteral("Temperature [\u00BAF]"));
}

TEST_F(DataLoggerFileTest, SettingsNoPageCanHoldRefuseTheFileAndChangeNothing)
{
    const QString good = tempPath("good.lgr");
    save(good);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        int point;
        double value;
    } cases[] = {
        { "a duration of 1e12", 1, 1e12 },
        // The duration field holds 1 to 60.
        { "a duration of -7", 1, -7 },
        { "a duration of 61", 1, 61 },
        { "a pressure unit code of 263", 8, 263 },
        { "a duration of 2^31", 1, 2147483648.0 },
        { "a duration not a number", 1, nan },
        { "an interval of inf", 0, inf },
        { "a unit of -inf", 2, -inf },
        { "a month of -5", 3, -5 },
        { "a year of 65536", 5, 65536 },
        { "a flag of 3e10", 6, 3e10 },
        { "a device code below -2^31", 10, -2147483649.0 },
    };
    const Content before = contentOf(page);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Plot spoilt;
        spoilt.LoadDataFile(good);
        spoilt.ChannelByName(QStringLiteral("TestSettings"))->SetY(c.point, c.value);
        const QString path = tempPath("spoilt.lgr");
        spoilt.SaveDataFile(path);
        prompts().clearRecords();
        CDataLoggerReport loaded = record;
        EXPECT_FALSE(load(path, loaded, page, QStringLiteral("File open error.")));
        EXPECT_EQ(prompts().messageTexts(), QStringList { QStringLiteral("File open error.") });
        EXPECT_EQ(contentOf(page), before);
        EXPECT_TRUE(sameRecord(loaded, record));
    }
}

TEST_F(DataLoggerFileTest, AFileThatIsNotAWholeRunIsRefusedAndChangesNothing)
{
    const QString good = tempPath("good.lgr");
    save(good);
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = goodFile.readAll();

    const auto writeBytes = [&](const char* name, const QByteArray& bytes) {
        const QString path = tempPath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    };
    // A plot saved with one channel changed: removed, or the settings cut short.
    const auto writeVariant = [&](const char* name, const std::function<void(Plot&)>& change) {
        Plot plot;
        plot.LoadDataFile(good);
        change(plot);
        const QString path = tempPath(QString::fromLatin1(name));
        plot.SaveDataFile(path);
        return path;
    };
    const auto without = [](const char* channel) {
        return [channel](Plot& plot) {
            std::vector<PlotChannelData> kept;
            for (const PlotChannel* c : plot.channels())
                if (c->GetName() != QString::fromLatin1(channel))
                    kept.push_back(c->data());
            plot.LoadDataFrom(std::move(kept));
        };
    };
    const auto stepTest = [](Plot& plot) {
        plot.RemoveAllChannels();
        for (const char* name : { "Position", "Command", "Pressure", "TestSettings", "TagName" }) {
            const IPlotChannelPtr c = plot.Channel(plot.AddChannel());
            c->SetName(QString::fromLatin1(name));
            for (int k = 0; k < 11; ++k)
                c->AddXY(k, k);
        }
    };
    const auto tenSettings = [](Plot& plot) {
        const IPlotChannelPtr settings = plot.ChannelByName(QStringLiteral("TestSettings"));
        std::vector<double> ys = settings->data().ys;
        settings->Clear();
        for (int k = 0; k < 10; ++k)
            settings->AddXY(k, ys[size_t(k)]);
    };
    const std::pair<const char*, QString> files[] = {
        { "a step test renamed", writeVariant("step.lgr", stepTest) },
        { "truncated", writeBytes("truncated.lgr", goodBytes.left(goodBytes.size() / 2)) },
        { "ten settings", writeVariant("ten.lgr", tenSettings) },
        { "no settings", writeVariant("nosettings.lgr", without("TestSettings")) },
        { "no tag", writeVariant("notag.lgr", without("TagName")) },
        { "no Port2", writeVariant("noport2.lgr", without("Port2")) },
        { "no Spool_Pos", writeVariant("nospool.lgr", without("Spool_Pos")) },
        { "empty", writeBytes("empty.lgr", QByteArray()) },
        { "text", writeBytes("text.lgr", QByteArray("Position,TestSettings\n1,2\n")) },
        { "missing", tempPath("missing.lgr") },
    };
    const Content before = contentOf(page);
    const IPlotChannelPtr position = page.ChannelByName(QStringLiteral("Position"));
    for (const auto& [what, path] : files) {
        SCOPED_TRACE(what);
        prompts().clearRecords();
        CDataLoggerReport loaded = record;
        EXPECT_FALSE(load(path, loaded, page, QStringLiteral("File open error.")));
        ASSERT_EQ(prompts().messages().size(), 1u);
        EXPECT_EQ(prompts().messages()[0].text, QStringLiteral("File open error."));
        EXPECT_EQ(prompts().messages()[0].caption, QString());
        EXPECT_EQ(contentOf(page), before);
        EXPECT_TRUE(sameRecord(loaded, record));
        EXPECT_EQ(page.YAxisByName(QStringLiteral("Pressure"))->GetTitle(), QStringLiteral("Pressure"));
    }
    // The page's channel objects are those it had: the next samples land in them.
    EXPECT_EQ(page.ChannelByName(QStringLiteral("Position")).get(), position.get());
}

TEST_F(DataLoggerFileTest, APlotWithoutTheUnitAxesCannotTakeARun)
{
    const QString path = tempPath("run.lgr");
    save(path);
    Plot bare;
    SetupDataLoggerPlotChannels(IPlotPtr(&bare));
    bare.SetYAxisCount(1);
    const Content before = contentOf(bare);
    CDataLoggerReport loaded;
    EXPECT_FALSE(load(path, loaded, bare, QStringLiteral("File open error.")));
    EXPECT_EQ(prompts().messageTexts(), QStringList { QStringLiteral("File open error.") });
    EXPECT_EQ(contentOf(bare), before);
}

} // namespace
