#include "core/ResultFile.h"
#include "SwTest.h"
#include "controls/PlotDataFile.h"
#include "core/ModuleStateGuard.h"
#include "hdrl/HDRLTestFile.h"
#include "partial_stroke/PstFile.h"
#include "ramp/RampTestFile.h"
#include "step/StepTestFile.h"
#include "trends/TrendsFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

// A test family: three settings, one result, a unit code and a flag.
struct CFixtureReport {
    AutoString m_strFirst { "" };
    AutoString m_strSecond { "" };
    AutoString m_strThird { "" };
    AutoString m_strResult { "" };
    AutoString m_strTag { "TAG" };
    AutoString m_strFileTag { "" }; // filled by the loaders
    uint8_t m_nUnit = 6;
    uint8_t m_bFlag = 0;
};

ResultFileFamily<CFixtureReport> fixtureFamily()
{
    using Slot = ResultSlot<CFixtureReport>;
    ResultFileFamily<CFixtureReport> family;
    family.saveTitle = QStringLiteral("Save Fixture Test As");
    family.openTitle = QStringLiteral("Open Fixture Test");
    family.saveFilter = QStringLiteral("(*.fx)|*.fx|");
    family.openFilter = QStringLiteral("*.fx|*.fx|");
    family.extension = QStringLiteral("fx");
    family.settings = {
        Slot { ResultValueKind::Number, &CFixtureReport::m_strFirst },
        Slot { ResultValueKind::Number, &CFixtureReport::m_strSecond },
        Slot { ResultValueKind::Number, &CFixtureReport::m_strThird },
        Slot { ResultValueKind::UnitCode, nullptr, &CFixtureReport::m_nUnit },
        Slot { ResultValueKind::Flag, nullptr, &CFixtureReport::m_bFlag },
    };
    family.results = { Slot { ResultValueKind::Number, &CFixtureReport::m_strResult } };
    family.tag = &CFixtureReport::m_strTag;
    family.fileTag = &CFixtureReport::m_strFileTag;
    return family;
}

bool operator==(const CFixtureReport& a, const CFixtureReport& b)
{
    return a.m_strFirst == b.m_strFirst && a.m_strSecond == b.m_strSecond && a.m_strThird == b.m_strThird
        && a.m_strResult == b.m_strResult && a.m_strTag == b.m_strTag && a.m_strFileTag == b.m_strFileTag
        && a.m_nUnit == b.m_nUnit && a.m_bFlag == b.m_bFlag;
}

// What a plot holds, channel by channel, to see that nothing changed.
std::vector<std::pair<QString, std::vector<double>>> contentOf(const Plot& plot)
{
    std::vector<std::pair<QString, std::vector<double>>> content;
    for (const PlotChannel* channel : plot.channels()) {
        std::vector<double> values = channel->data().xs;
        values.insert(values.end(), channel->data().ys.begin(), channel->data().ys.end());
        content.emplace_back(channel->GetName(), values);
    }
    return content;
}

std::vector<double> pointsOf(const Plot& plot, const QString& name)
{
    const IPlotChannelPtr channel = plot.ChannelByName(name);
    return channel ? channel->data().ys : std::vector<double>();
}

class ResultFileTest : public SwTest
{
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        layOut(page);
        page.ChannelByName(QStringLiteral("Position"))->AddXY(0.0, 12.5);
        page.ChannelByName(QStringLiteral("Position"))->AddXY(1.0, 13.5);
        record.m_strFirst = AutoString("7.7");
        record.m_strSecond = AutoString("abc");
        record.m_strThird = AutoString("50");
        record.m_strResult = AutoString("12.3");
        record.m_strTag = AutoString("PV-101");
        record.m_nUnit = 10;
        record.m_bFlag = 1;
    }

    // The family's channel set-up: one signal channel and the hidden ones.
    static void layOut(Plot& plot)
    {
        plot.RemoveAllChannels();
        for (const QString& name : { QStringLiteral("Position"), ResultChannelName::TestSettings,
                 ResultChannelName::Results, ResultChannelName::TagName }) {
            IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
            channel->SetName(name);
            if (name != QStringLiteral("Position")) {
                channel->SetXAxisName(QStringLiteral("None"));
                channel->SetYAxisName(QStringLiteral("None"));
                channel->SetVisible(false);
                channel->SetLegendVisible(false);
            }
        }
    }

    void save(const QString& path)
    {
        prompts().answerFile(path);
        SaveResultFile(family, record, IPlotPtr(&page));
    }

    // Loads `path` into a freshly laid out plot and a default record.
    CFixtureReport loadFresh(const QString& path)
    {
        Plot other;
        layOut(other);
        CFixtureReport loaded;
        prompts().answerFile(path);
        EXPECT_TRUE(LoadResultFile(family, loaded, IPlotPtr(&other)));
        return loaded;
    }

    ResultFileFamily<CFixtureReport> family = fixtureFamily();
    CFixtureReport record;
    Plot page;
};

TEST(ResultFileDialogs, EachKindOfFileHasItsTitlesAndTheFiltersOfItsExtension)
{
    const struct {
        const ResultFileDialogs& dialogs;
        const char* saveTitle;
        const char* openTitle;
        const char* saveFilter;
        const char* openFilter;
        const char* extension;
    } cases[] = {
        { StepTestFile::family(), "Save Step Test Results As", "Open Step Test Results", "(*.stp)|*.stp|",
            "*.stp|*.stp|", "stp" },
        { PstFile::family(), "Save Partial Stroke Test Results As", "Open Partial Stroke Test Results",
            "(*.pst)|*.pst|", "*.pst|*.pst|", "pst" },
        { RampTestFile::family(), "Save Ramp Test Results As", "Open Ramp Test Results", "(*.rmp)|*.rmp|",
            "*.rmp|*.rmp|", "rmp" },
        { HDRLTestFile::family(), "Save HDRL Test Results As", "Open HDRL Test Results", "(*.hdrl)|*.hdrl|",
            "*.hdrl|*.hdrl|", "hdrl" },
        { TrendsFileDialogs, "Save Trends Results As", "Open Trends Results", "(*.trd)|*.trd|", "*.trd|*.trd|", "trd" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.dialogs.saveTitle, QString::fromLatin1(c.saveTitle));
        EXPECT_EQ(c.dialogs.openTitle, QString::fromLatin1(c.openTitle));
        EXPECT_EQ(c.dialogs.saveFilter, QString::fromLatin1(c.saveFilter));
        EXPECT_EQ(c.dialogs.openFilter, QString::fromLatin1(c.openFilter));
        EXPECT_EQ(c.dialogs.extension, QString::fromLatin1(c.extension));
    }
}

TEST(ResultFileName, ProposedNameIsTheTagAndTheUnpaddedLocalTime)
{
    struct Case {
        QString tag;
        QDateTime now;
        QString expected;
    };
    const Case cases[] = {
        { "LV-3/2", QDateTime(QDate(2031, 12, 1), QTime(7, 0)), "LV-3_2_2031_12_1_7h_0m.fx" },
        { "TAG", QDateTime(QDate(2024, 2, 3), QTime(9, 5)), "TAG_2024_2_3_9h_5m.fx" },
        { "A\\B", QDateTime(QDate(2024, 10, 13), QTime(23, 59)), "A_B_2024_10_13_23h_59m.fx" },
        { QString::fromUtf16(u"A\u0000B\tC\u007F", 6), QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
            "A_B_C__2024_1_1_0h_0m.fx" },
        // Dots alone cannot leave the folder once the separators are gone.
        { "../up", QDateTime(QDate(2024, 1, 1), QTime(0, 0)), ".._up_2024_1_1_0h_0m.fx" },
        { "", QDateTime(QDate(2024, 1, 1), QTime(10, 10)), "_2024_1_1_10h_10m.fx" },
        // The blanks a device pads its tag with are dropped; blanks inside stay.
        { "PV-101  ", QDateTime(QDate(2024, 1, 1), QTime(0, 0)), "PV-101_2024_1_1_0h_0m.fx" },
        { "A B     ", QDateTime(QDate(2024, 1, 1), QTime(0, 0)), "A B_2024_1_1_0h_0m.fx" },
        { "        ", QDateTime(QDate(2024, 1, 1), QTime(0, 0)), "_2024_1_1_0h_0m.fx" },
        { QString::fromUtf16(u"\u00C4B"), QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
            QString::fromUtf16(u"\u00C4B_2024_1_1_0h_0m.fx") },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProposedResultFileName(AutoString(c.tag), c.now, QStringLiteral("fx")), c.expected)
            << c.tag.toStdString();
}

TEST(ResultFileDate, ASaveWritesTheResultsOwnDateAndTheClocksOnlyWhenItHasNone)
{
    const QDateTime now(QDate(2026, 12, 11), QTime(18, 0));
    struct Case {
        const char* date;
        int month, day, year;
    };
    const Case cases[] = {
        { "12/3/2024", 12, 3, 2024 },
        { "1/31/1999", 1, 31, 1999 },
        // Parts a file may keep that are no calendar day are kept as they are.
        { "0/0/0", 0, 0, 0 },
        { "13/40/65535", 13, 40, 65535 },
        // No date of its own: the clock's day.
        { "", 12, 11, 2026 },
        { "12/3", 12, 11, 2026 },
        { "12/3/2024/1", 12, 11, 2026 },
        { "12/3/65536", 12, 11, 2026 },
        { "-1/3/2024", 12, 11, 2026 },
        { "+1/3/2024", 12, 11, 2026 },
        { " 12/3/2024", 12, 11, 2026 },
        { "12//2024", 12, 11, 2026 },
        { "12/3/20x4", 12, 11, 2026 },
    };
    for (const Case& c : cases) {
        const ResultDate date = ResultDateToSave(AutoString(QString::fromLatin1(c.date)), now);
        EXPECT_EQ(date.month, c.month) << c.date;
        EXPECT_EQ(date.day, c.day) << c.date;
        EXPECT_EQ(date.year, c.year) << c.date;
    }
}

TEST(HiddenChannelValues, OnlyValuesAnIntegerHoldsBecomeThatInteger)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int expected;
    } cases[] = {
        { 0.0, 0 },
        { 1.9, 1 },
        { -1.9, -1 },
        { 2147483647.0, 2147483647 },
        { 2147483647.9, 2147483647 },
        { 2147483648.0, 0 },
        { -2147483648.0, -2147483647 - 1 },
        { -2147483648.9, -2147483647 - 1 },
        { -2147483649.0, 0 },
        { 1e300, 0 },
        { -1e300, 0 },
        { inf, 0 },
        { -inf, 0 },
        { std::nan(""), 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(HiddenChannelInteger(c.value), c.expected) << c.value;
}

TEST(HiddenChannelValues, TagCharactersAreSignedLowBytesAndNoPointsReadAsNoTag)
{
    EXPECT_EQ(TagNamePoints(AutoString(QString::fromUtf16(u"\u00C4B"))), (std::vector<double> { -60, 66 }));
    // Characters beyond 8 bits keep their low byte only.
    EXPECT_EQ(TagNamePoints(AutoString(QString::fromUtf16(u"\u0141"))), (std::vector<double> { 65 }));
    EXPECT_TRUE(TagNamePoints(AutoString("")).empty());

    EXPECT_EQ(TagFromPoints({ -60, 66 }).toQString(), QString::fromUtf16(u"\u00C4B"));
    EXPECT_EQ(TagFromPoints({ 196, 66.9 }).toQString(), QString::fromUtf16(u"\u00C4B"));
    EXPECT_EQ(TagFromPoints({}).toQString(), QStringLiteral("NO TAG"));
    // Values no character can come from read as NUL, never as undefined conversions.
    EXPECT_EQ(TagFromPoints({ std::nan(""), 1e300, 65 }).toQString(), QString::fromUtf16(u"\u0000\u0000A", 3));
}

TEST_F(ResultFileTest, SaveOffersTheProposedNameAndSettingsReadBackAsSinglePrecision)
{
    clock().setLocalStart(QDateTime(QDate(2031, 12, 1), QTime(7, 0)));
    record.m_strTag = AutoString("LV-3/2");
    const QString path = tempPath("first.fx");
    save(path);

    ASSERT_EQ(prompts().records().size(), 1u);
    const Prompts::FileDialog& dialog = prompts().records()[0].dialog;
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.title, QStringLiteral("Save Fixture Test As"));
    EXPECT_EQ(dialog.filter, QStringLiteral("(*.fx)|*.fx|"));
    EXPECT_EQ(dialog.defaultExt, QStringLiteral("fx"));
    EXPECT_EQ(dialog.initialName, QStringLiteral("LV-3_2_2031_12_1_7h_0m.fx"));
    EXPECT_TRUE(dialog.confirmOverwrite);
    EXPECT_EQ(dialog.owner, nullptr);
    // The stored tag keeps its '/'.
    EXPECT_EQ(pointsOf(page, ResultChannelName::TagName), TagNamePoints(AutoString("LV-3/2")));

    const CFixtureReport loaded = loadFresh(path);
    const Prompts::FileDialog& open = prompts().records().back().dialog;
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.title, QStringLiteral("Open Fixture Test"));
    EXPECT_EQ(open.filter, QStringLiteral("*.fx|*.fx|"));
    EXPECT_EQ(open.defaultExt, QStringLiteral("fx"));
    EXPECT_TRUE(open.initialName.isEmpty());
    EXPECT_EQ(open.owner, nullptr);

    EXPECT_EQ(loaded.m_strFirst.toQString(), QStringLiteral("7.7"));
    EXPECT_EQ(loaded.m_strSecond.toQString(), QStringLiteral("0"));
    EXPECT_EQ(loaded.m_strThird.toQString(), QStringLiteral("50"));
    EXPECT_EQ(loaded.m_strResult.toQString(), QStringLiteral("12.3"));
    EXPECT_EQ(loaded.m_nUnit, 10);
    EXPECT_EQ(loaded.m_bFlag, 1);
    EXPECT_EQ(loaded.m_strFileTag.toQString(), QStringLiteral("LV-3/2"));
    // The single-file load leaves the record's own tag, which is the device's.
    EXPECT_EQ(loaded.m_strTag.toQString(), QStringLiteral("TAG"));
    EXPECT_TRUE(prompts().messages().empty());
}

TEST_F(ResultFileTest, TagIsStoredAsSignedLowBytesAndReadBack)
{
    record.m_strTag = AutoString(QString::fromUtf16(u"\u00C4B"));
    const QString path = tempPath("tag.fx");
    save(path);
    EXPECT_EQ(pointsOf(page, ResultChannelName::TagName), (std::vector<double> { -60, 66 }));
    EXPECT_EQ(loadFresh(path).m_strFileTag.toQString(), QString::fromUtf16(u"\u00C4B"));
}

TEST_F(ResultFileTest, FlagsAndUnitCodesStoreWhatTheRecordHolds)
{
    const struct {
        uint8_t flag;
        uint8_t unit;
        double storedFlag;
    } cases[] = { { 0, 6, 0.0 }, { 1, 7, 1.0 }, { 2, 255, 0.0 }, { 255, 0, 0.0 } };
    for (const auto& c : cases) {
        record.m_bFlag = c.flag;
        record.m_nUnit = c.unit;
        const QString path = tempPath(QStringLiteral("flag%1.fx").arg(c.flag));
        save(path);
        const std::vector<double> settings = pointsOf(page, ResultChannelName::TestSettings);
        ASSERT_EQ(settings.size(), 5u);
        EXPECT_EQ(settings[3], c.unit);
        EXPECT_EQ(settings[4], c.storedFlag) << int(c.flag);
        const CFixtureReport loaded = loadFresh(path);
        EXPECT_EQ(loaded.m_nUnit, c.unit);
        EXPECT_EQ(loaded.m_bFlag, c.storedFlag == 1.0 ? 1 : 0);
    }
}

TEST_F(ResultFileTest, SavingTwiceKeepsOneSetOfSettings)
{
    const QString path = tempPath("twice.fx");
    save(path);
    record.m_strFirst = AutoString("8");
    save(path);

    EXPECT_EQ(pointsOf(page, ResultChannelName::TestSettings).size(), 5u);
    EXPECT_EQ(pointsOf(page, ResultChannelName::Results).size(), 1u);
    EXPECT_EQ(loadFresh(path).m_strFirst.toQString(), QStringLiteral("8"));
}

TEST_F(ResultFileTest, SaveAfterALoadWritesTheRecordNotTheLoadedSettings)
{
    const QString first = tempPath("first.fx");
    save(first);
    record.m_strFirst = AutoString("1");
    prompts().answerFile(first);
    CFixtureReport other = record;
    ASSERT_TRUE(LoadResultFile(family, other, IPlotPtr(&page)));
    const QString second = tempPath("second.fx");
    save(second);
    EXPECT_EQ(loadFresh(second).m_strFirst.toQString(), QStringLiteral("1"));
}

TEST_F(ResultFileTest, CancelInEitherDialogChangesNothing)
{
    const QString existing = tempPath("existing.fx");
    save(existing);
    const QByteArray bytesBefore = [&] {
        QFile file(existing);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    const auto plotBefore = contentOf(page);
    const CFixtureReport recordBefore = record;
    prompts().clearRecords();

    prompts().answerFile(std::nullopt);
    record.m_strFirst = AutoString("99");
    SaveResultFile(family, record, IPlotPtr(&page));
    record = recordBefore;

    prompts().answerFile(std::nullopt);
    EXPECT_FALSE(LoadResultFile(family, record, IPlotPtr(&page)));

    Plot scratch;
    layOut(scratch);
    prompts().answerFile(std::nullopt);
    EXPECT_FALSE(LoadCompareResultFile(family, record, IPlotPtr(&scratch)));

    EXPECT_EQ(QDir(stateDir()).entryList(QStringList { "*.fx" }), QStringList { "existing.fx" });
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytesBefore);
    EXPECT_EQ(contentOf(page), plotBefore);
    EXPECT_TRUE(record == recordBefore);
    EXPECT_TRUE(prompts().messages().empty());
    EXPECT_EQ(prompts().records().size(), 3u);
}

// Files a loader must refuse, each written beside a good one.
struct BadFile {
    const char* name;
    std::function<QByteArray(const QByteArray& good, const QString& folder)> bytes;
};

QByteArray plotFileWith(const std::vector<std::pair<QString, std::vector<double>>>& channels)
{
    std::vector<PlotChannelData> data;
    for (const auto& [name, ys] : channels) {
        PlotChannelData channel;
        channel.name = name;
        channel.ys = ys;
        for (size_t k = 0; k < ys.size(); ++k)
            channel.xs.push_back(static_cast<double>(k));
        data.push_back(channel);
    }
    std::vector<const PlotChannelData*> pointers;
    for (const PlotChannelData& channel : data)
        pointers.push_back(&channel);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    PlotDataFile::write(out, PlotDataFile::Kind::TimePlot, pointers);
    return out.data();
}

const BadFile badFiles[] = {
    { "a truncated good file", [](const QByteArray& good, const QString&) { return good.left(good.size() - 9); } },
    { "random bytes",
        [](const QByteArray& good, const QString&) {
            QByteArray bytes(good.size(), '\0');
            quint32 state = 2463534242u;
            for (char& b : bytes) {
                state ^= state << 13;
                state ^= state >> 17;
                state ^= state << 5;
                b = static_cast<char>(state);
            }
            return bytes;
        } },
    { "no TagName",
        [](const QByteArray&, const QString&) {
            return plotFileWith(
                { { "Position", { 1, 2 } }, { "TestSettings", { 1, 2, 3, 6, 0 } }, { "Results", { 4 } } });
        } },
    { "two TestSettings points",
        [](const QByteArray&, const QString&) {
            return plotFileWith({ { "Position", { 1, 2 } }, { "TestSettings", { 1, 2 } }, { "Results", { 4 } },
                { "TagName", { 65 } } });
        } },
    { "no Results",
        [](const QByteArray&, const QString&) {
            return plotFileWith(
                { { "Position", { 1, 2 } }, { "TestSettings", { 1, 2, 3, 6, 0 } }, { "TagName", { 65 } } });
        } },
    { "an empty file", [](const QByteArray&, const QString&) { return QByteArray(); } },
    // Settings no page can hold, in an otherwise whole file.
    { "a setting that is not a number",
        [](const QByteArray&, const QString&) {
            return plotFileWith({ { "Position", { 1, 2 } }, { "TestSettings", { 1, std::nan(""), 3, 6, 0 } },
                { "Results", { 4 } }, { "TagName", { 65 } } });
        } },
    { "a setting of 1e12",
        [](const QByteArray&, const QString&) {
            return plotFileWith({ { "Position", { 1, 2 } }, { "TestSettings", { 1, 2, 1e12, 6, 0 } },
                { "Results", { 4 } }, { "TagName", { 65 } } });
        } },
    { "a unit code below -2^31",
        [](const QByteArray&, const QString&) {
            return plotFileWith({ { "Position", { 1, 2 } }, { "TestSettings", { 1, 2, 3, -2147483649.0, 0 } },
                { "Results", { 4 } }, { "TagName", { 65 } } });
        } },
    { "an infinite flag",
        [](const QByteArray&, const QString&) {
            return plotFileWith(
                { { "Position", { 1, 2 } }, { "TestSettings", { 1, 2, 3, 6, std::numeric_limits<double>::infinity() } },
                    { "Results", { 4 } }, { "TagName", { 65 } } });
        } },
};

TEST_F(ResultFileTest, RefusedFileShowsFileOpenErrorAndChangesNothing)
{
    const QString good = tempPath("good.fx");
    save(good);
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = goodFile.readAll();
    // The page shows another test, not saved, when the user loads.
    page.ChannelByName(QStringLiteral("Position"))->AddXY(2.0, 14.5);
    const auto plotBefore = contentOf(page);
    const CFixtureReport recordBefore = record;

    for (const BadFile& bad : badFiles) {
        SCOPED_TRACE(bad.name);
        const QString path = tempPath(QStringLiteral("bad.fx"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bad.bytes(goodBytes, stateDir()));
        file.close();

        for (const bool compare : { false, true }) {
            prompts().clearRecords();
            prompts().answerFile(path);
            prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
            Plot scratch;
            layOut(scratch);
            const bool loaded = compare ? LoadCompareResultFile(family, record, IPlotPtr(&scratch))
                                        : LoadResultFile(family, record, IPlotPtr(&page));
            EXPECT_FALSE(loaded);
            const std::vector<Prompts::Message> boxes = prompts().messages();
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].caption, std::optional<QString>(QString()));
            EXPECT_EQ(Prompts::captionOf(boxes[0]), QString());
            EXPECT_EQ(boxes[0].buttons, Prompts::Buttons::Ok);
            EXPECT_EQ(boxes[0].owner, nullptr);
            EXPECT_EQ(contentOf(page), plotBefore);
            EXPECT_TRUE(record == recordBefore);
            EXPECT_EQ(ModuleStateGuard::current(), ModuleStateGuard::Module::Program);
        }
    }
}

TEST_F(ResultFileTest, AFamilyCaptionNamesTheOpenErrorBox)
{
    family.openFailureCaption = QStringLiteral("Fixture Test");
    const QString path = tempPath("nothing.fx");
    prompts().answerFile(path);
    prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
    EXPECT_FALSE(LoadResultFile(family, record, IPlotPtr(&page)));
    ASSERT_EQ(prompts().messages().size(), 1u);
    EXPECT_EQ(prompts().messages()[0].caption, std::optional<QString>(QStringLiteral("Fixture Test")));
}

TEST_F(ResultFileTest, SaveThatCannotWriteShowsFileSaveError)
{
    QFile blocker(tempPath("plain.txt"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();

    const struct {
        const char* name;
        QString path;
        bool layOutHiddenChannels;
    } cases[] = {
        { "a path below a regular file", tempPath("plain.txt/result.fx"), true },
        { "a plot without the hidden channels", tempPath("fine.fx"), false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Plot plot;
        if (c.layOutHiddenChannels)
            layOut(plot);
        prompts().clearRecords();
        prompts().answerFile(c.path);
        prompts().answerMessage(Prompts::IdOk, QStringLiteral("File save error."));
        SaveResultFile(family, record, IPlotPtr(&plot));
        const std::vector<Prompts::Message> boxes = prompts().messages();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, std::optional<QString>(QString()));
        EXPECT_EQ(boxes[0].buttons, Prompts::Buttons::Ok);
        EXPECT_EQ(boxes[0].owner, nullptr);
        EXPECT_FALSE(QFile::exists(c.path));
    }
}

TEST_F(ResultFileTest, CompareFileReadsItsTagAndNoTagWhenItHasNone)
{
    const struct {
        QString tag;
        QString readBack;
    } cases[] = { { "FV-101", "FV-101" }, { "", "NO TAG" } };
    for (const auto& c : cases) {
        record.m_strTag = AutoString(c.tag);
        const QString path = tempPath("compare.fx");
        save(path);
        Plot scratch;
        layOut(scratch);
        CFixtureReport fields;
        QString chosen;
        prompts().answerFile(path);
        ASSERT_TRUE(LoadCompareResultFile(family, fields, IPlotPtr(&scratch), &chosen));
        EXPECT_EQ(fields.m_strFileTag.toQString(), c.readBack);
        EXPECT_EQ(fields.m_strFirst.toQString(), QStringLiteral("7.7"));
        EXPECT_EQ(chosen, path);
        EXPECT_EQ(pointsOf(scratch, QStringLiteral("Position")), (std::vector<double> { 12.5, 13.5 }));
    }
}

TEST_F(ResultFileTest, OtherSettingsAskThePageBeforeComparing)
{
    QWidget owner;
    const struct {
        int answer;
        bool goesOn;
    } cases[] = { { Prompts::IdOk, true }, { Prompts::IdCancel, false } };
    for (const auto& c : cases) {
        prompts().clearRecords();
        prompts().answerMessage(
            c.answer, QStringLiteral("Settings do not Match. Comparision may be Invalid. Do you wish to continue"));
        EXPECT_EQ(ContinueDespiteOtherSettings(&owner), c.goesOn);
        ASSERT_EQ(prompts().messages().size(), 1u);
        const Prompts::Message box = prompts().messages()[0];
        EXPECT_EQ(box.caption, std::optional<QString>(QStringLiteral("Compare")));
        EXPECT_EQ(box.buttons, Prompts::Buttons::OkCancel);
        EXPECT_EQ(box.owner, &owner);
    }
}

} // namespace
