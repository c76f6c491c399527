#include "SwTest.h"

#include "automation/ComError.h"
#include "controls/Plot.h"
#include "controls/PlotDataFile.h"
#include "controls/XYPlot.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>

#include <sys/resource.h>

#include <bit>
#include <cmath>
#include <csignal>
#include <limits>

namespace
{

struct ChannelSetup {
    const char* name;
    const char* title;
    uint32_t color;
    const char* xAxis;
    const char* yAxis;
    bool hidden;
    int style; // 12: no markers
};

// The channels of a saved partial stroke compare plot, hidden data channels included.
const ChannelSetup TwelveChannels[] = {
    { "Position", "Position", 0x0000FF, "Time", "Position", false, 12 },
    { "Port1", "Port1 Pressure", 0xFF0000, "Time", "Pressure", false, 12 },
    { "Port2", "Port2 Pressure", 0x008000, "Time", "Pressure", false, 12 },
    { "Command", "Pilot Relay Command", 0xFF00FF, "Time", "Position", false, 12 },
    { "Position2", "Position (2)", 0x0080FF, "Time", "Position", false, 0 },
    { "Port1_2", "Port1 Pressure (2)", 0x800000, "Time", "Pressure", false, 0 },
    { "PositionDiff", "Position Delta", 0x000000, "Time", "Position", false, 5 },
    { "Port1Diff", "Port1 Delta", 0x808080, "Time", "Pressure", false, 1 },
    { "TestSettings", "", 0, "None", "None", true, 12 },
    { "Results", "", 0, "None", "None", true, 12 },
    { "TagName", "", 0, "None", "None", true, 12 },
    { "Position", "Scratch position", 0x00FFFF, "PST Time[s]", "Position", false, 12 },
};

// Values whose bits a text format or a float would lose.
const double AwkwardValues[] = { 12.3000001907349, 1e-300, -0.0, 655.35, 0.1, -1e308, 5e-324,
    std::numeric_limits<double>::infinity(), 1.0 / 3.0 };

void layOut(PlotChannel& channel, const ChannelSetup& setup)
{
    channel.SetName(QString::fromLatin1(setup.name));
    channel.SetTitle(QString::fromLatin1(setup.title));
    channel.SetColor(setup.color);
    channel.SetVisible(!setup.hidden);
    channel.SetLegendVisible(!setup.hidden);
    channel.SetLineWidth(2);
    channel.SetXAxisName(QString::fromLatin1(setup.xAxis));
    channel.SetYAxisName(QString::fromLatin1(setup.yAxis));
    if (setup.style != 12) {
        channel.SetMarkersVisible(true);
        channel.SetMarkerSize(3);
        channel.SetMarkerStyle(setup.style);
        channel.SetIndividualMarking(true);
    }
}

void fillTwelveChannels(Plot& plot)
{
    int n = 0;
    for (const ChannelSetup& setup : TwelveChannels) {
        IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
        layOut(*channel, setup);
        for (int i = 0; i < 40 + n; ++i)
            channel->AddXY(i * 0.05, AwkwardValues[(i + n) % std::size(AwkwardValues)] * (n + 1));
        if (setup.style != 12)
            for (int i = 0; i < channel->Count(); i += 3)
                channel->MarkPoint(i, true);
        ++n;
    }
}

uint64_t bits(double value)
{
    return std::bit_cast<uint64_t>(value);
}

// Everything a channel holds, compared bit for bit.
void expectSameChannel(const PlotChannelData& a, const PlotChannelData& b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.color, b.color);
    EXPECT_EQ(a.xAxisName, b.xAxisName);
    EXPECT_EQ(a.yAxisName, b.yAxisName);
    EXPECT_EQ(a.lineWidth, b.lineWidth);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(a.legendVisible, b.legendVisible);
    EXPECT_EQ(a.markersVisible, b.markersVisible);
    EXPECT_EQ(a.individualMarking, b.individualMarking);
    EXPECT_EQ(a.markerStyle, b.markerStyle);
    EXPECT_EQ(a.markerSize, b.markerSize);
    EXPECT_EQ(a.marked, b.marked);
    ASSERT_EQ(a.xs.size(), b.xs.size());
    ASSERT_EQ(a.ys.size(), b.ys.size());
    for (size_t i = 0; i < a.xs.size(); ++i) {
        EXPECT_EQ(bits(a.xs[i]), bits(b.xs[i])) << a.name.toStdString() << " x " << i;
        EXPECT_EQ(bits(a.ys[i]), bits(b.ys[i])) << a.name.toStdString() << " y " << i;
    }
}

void expectSamePlot(const Plot& a, const Plot& b)
{
    ASSERT_EQ(a.ChannelCount(), b.ChannelCount());
    for (int i = 0; i < a.ChannelCount(); ++i)
        expectSameChannel(a.channels()[i]->data(), b.channels()[i]->data());
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Makes writes beyond a size fail as on a full disk (root ignores permissions,
// but not this limit).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

// A plot data file put together field by field, little-endian as the reader
// takes it, so a test can say exactly which bytes it hands over.
class FileBytes
{
public:
    template <class T> FileBytes& number(T value)
    {
        for (size_t i = 0; i < sizeof value; ++i)
            m_bytes.append(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
        return *this;
    }
    FileBytes& real(double value) { return number(std::bit_cast<uint64_t>(value)); }
    FileBytes& text(const QByteArray& utf8)
    {
        number<uint32_t>(static_cast<uint32_t>(utf8.size()));
        m_bytes.append(utf8);
        return *this;
    }
    FileBytes& raw(const QByteArray& bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }

    FileBytes& header(PlotDataFile::Kind kind, uint32_t channels)
    {
        return number(PlotDataFile::Magic)
            .number(PlotDataFile::Version)
            .number(static_cast<uint8_t>(kind))
            .number(channels);
    }
    // Everything of a channel up to and including its point count.
    FileBytes& channelUpToCount(const QByteArray& name, uint8_t switches, uint64_t count)
    {
        return text(name)
            .text("Title")
            .number<uint32_t>(0x0080FF)
            .text("Time")
            .text("Position")
            .number<int32_t>(2)
            .number(switches)
            .number<int32_t>(12)
            .number<int32_t>(3)
            .number(count);
    }
    FileBytes& trailer() { return number(PlotDataFile::TrailerMagic); }

    qsizetype size() const { return m_bytes.size(); }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// One channel with the given points (x values, then y values) and mark bytes
// (the marks flag first), in a file of one channel.
QByteArray oneChannelFile(const QByteArray& name, uint8_t switches, const std::vector<double>& xs,
    const std::vector<double>& ys, const QByteArray& marks)
{
    FileBytes file;
    file.header(PlotDataFile::Kind::TimePlot, 1).channelUpToCount(name, switches, xs.size());
    for (double x : xs)
        file.real(x);
    for (double y : ys)
        file.real(y);
    return file.raw(marks).trailer().bytes();
}

} // namespace

using PlotDataFiles = SwTest;

TEST_F(PlotDataFiles, EveryFileThatLoadsSavesBackToTheSameBytes)
{
    const double nanWithPayload = std::bit_cast<double>(uint64_t(0x7FF8000000C0FFEEu));
    const QByteArray noMarks = QByteArray(1, '\0');

    struct Case {
        const char* what;
        QByteArray content;
        bool loads;
    } cases[] = {
        { "no channel", FileBytes().header(PlotDataFile::Kind::TimePlot, 0).trailer().bytes(), true },
        { "no channel, XY plot", FileBytes().header(PlotDataFile::Kind::XYPlot, 0).trailer().bytes(), true },
        { "a channel without points", oneChannelFile("Empty", 0x03, {}, {}, noMarks), true },
        { "a channel without points but with point marks", oneChannelFile("Empty", 0x03, {}, {}, QByteArray(1, '\1')),
            false },
        { "one marked point", oneChannelFile("Position", 0x0F, { 0.5 }, { 50.0 }, QByteArray("\1\1", 2)), true },
        { "point marks present, none set", oneChannelFile("Position", 0x0F, { 0.5 }, { 50.0 }, QByteArray("\1\0", 2)),
            true },
        { "nine points, the last one marked",
            oneChannelFile(
                "Port1", 0x0D, { 0, 1, 2, 3, 4, 5, 6, 7, 8 }, { 8, 7, 6, 5, 4, 3, 2, 1, 0 }, QByteArray("\1\x81\1", 3)),
            true },
        { "values a text would lose", oneChannelFile("Port2", 0, { -0.0, nanWithPayload }, { 5e-324, -1e308 }, noMarks),
            true },
        { "a name that begins with a byte order mark", oneChannelFile("\xEF\xBB\xBFPosition", 0x03, {}, {}, noMarks),
            true },
        { "a name of a NUL, a noncharacter and the last code point",
            oneChannelFile(QByteArray("a\0\xEF\xBF\xBF\xF4\x8F\xBF\xBF", 9), 0x03, {}, {}, noMarks), true },
        { "a second channel without points after one with marks",
            FileBytes()
                .header(PlotDataFile::Kind::XYPlot, 2)
                .channelUpToCount("Position", 0x0F, 1)
                .real(1.0)
                .real(2.0)
                .raw(QByteArray("\1\1", 2))
                .channelUpToCount("Empty", 0x03, 0)
                .raw(noMarks)
                .trailer()
                .bytes(),
            true },
    };

    for (const Case& c : cases) {
        QByteArray input = c.content;
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        if (!c.loads) {
            EXPECT_THROW(PlotDataFile::read(in), ComError) << c.what;
            continue;
        }
        std::vector<PlotChannelData> channels;
        ASSERT_NO_THROW(channels = PlotDataFile::read(in)) << c.what;
        std::vector<const PlotChannelData*> pointers;
        for (const PlotChannelData& channel : channels)
            pointers.push_back(&channel);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        PlotDataFile::write(out, static_cast<PlotDataFile::Kind>(input.at(6)), pointers);
        EXPECT_EQ(out.data().toHex(' ').toStdString(), input.toHex(' ').toStdString()) << c.what;
    }
}

TEST_F(PlotDataFiles, MarksThatOutlivedTheirPointsAreNotWritten)
{
    PlotChannelData channel;
    channel.name = QStringLiteral("Cleared");
    channel.marked = { true, false };
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    PlotDataFile::write(buffer, PlotDataFile::Kind::TimePlot, { &channel });
    buffer.seek(0);
    const std::vector<PlotChannelData> loaded = PlotDataFile::read(buffer);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].name, QStringLiteral("Cleared"));
    EXPECT_TRUE(loaded[0].marked.empty());
}

TEST_F(PlotDataFiles, APointCountBeyondTheBytesLeftIsRefusedBeforeAnyPointIsRead)
{
    struct Case {
        const char* what;
        uint64_t count;
        qsizetype bytesAfterCount; // all of the file after the count, trailer included
    } cases[] = {
        { "fits the x values but not the y values", 4, 4 * 8 + 2 * 8 + 1 + 4 },
        { "one byte short of the y values", 4, 4 * 16 - 1 },
        { "beyond the largest channel", uint64_t(1) << 31, 64 },
        { "whose bytes wrap around to none", uint64_t(1) << 60, 64 },
        { "whose bytes wrap around to one point's", (uint64_t(1) << 63) + 1, 64 },
    };
    for (const Case& c : cases) {
        FileBytes file;
        file.header(PlotDataFile::Kind::TimePlot, 1).channelUpToCount("Position", 0x03, c.count);
        const qsizetype countEnd = file.size();
        QByteArray input = file.raw(QByteArray(c.bytesAfterCount - 4, '\0')).trailer().bytes();
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        try {
            PlotDataFile::read(in);
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const ComError& error) {
            EXPECT_TRUE(error.text().contains(QStringLiteral("point count"))) << c.what << ": " << error.what();
            // Nothing of the points was read, so nothing was made room for.
            EXPECT_EQ(in.pos(), countEnd) << c.what;
        } catch (const std::exception& error) {
            ADD_FAILURE() << c.what << ": " << error.what();
        }
    }
}

TEST_F(PlotDataFiles, LoadGivesBackEverySavedChannelBitForBit)
{
    Plot saved;
    fillTwelveChannels(saved);
    // The first setting of a saved test must survive exactly.
    saved.ChannelByName(QStringLiteral("TestSettings"))->SetY(0, 12.3000001907349);
    const QString path = tempPath(QStringLiteral("compare.pst"));
    saved.SaveDataFile(path);

    Plot loaded;
    loaded.LoadDataFile(path);
    expectSamePlot(saved, loaded);
    EXPECT_EQ(loaded.ChannelByName(QStringLiteral("TestSettings"))->GetY(0), 12.3000001907349);
    EXPECT_EQ(loaded.ChannelByName(QStringLiteral("TagName"))->GetXAxisName(), QStringLiteral("None"));
    EXPECT_EQ(loaded.Channel(11)->GetXAxisName(), QStringLiteral("PST Time[s]"));
    EXPECT_TRUE(loaded.ChannelByName(QStringLiteral("PositionDiff"))->GetPointMarked(3));
    EXPECT_FALSE(loaded.ChannelByName(QStringLiteral("PositionDiff"))->GetPointMarked(4));

    // Saving what was loaded writes the same bytes again.
    const QString again = tempPath(QStringLiteral("again.pst"));
    loaded.SaveDataFile(again);
    EXPECT_EQ(readAll(path), readAll(again));
}

TEST_F(PlotDataFiles, AnyTextThatWasSavedLoadsAgain)
{
    Plot saved;
    IPlotChannelPtr channel = saved.Channel(saved.AddChannel());
    channel->SetTitle(QString(1200000, QChar(0x00E9))); // two UTF-8 bytes each
    channel->SetXAxisName(QString());
    channel->SetYAxisName(QStringLiteral("Temp\u00e9rature \u00b0C"));
    const QString path = tempPath(QStringLiteral("long_title.lgr"));
    saved.SaveDataFile(path);

    Plot loaded;
    loaded.LoadDataFile(path);
    expectSamePlot(saved, loaded);
}

TEST_F(PlotDataFiles, LoadKeepsTheChannelObjectsWhoseNamesMatch)
{
    XYPlot source;
    fillTwelveChannels(source);
    const QString path = tempPath(QStringLiteral("ramp.rmp"));
    source.SaveDataFile(path);

    XYPlot page;
    for (const char* name : { "position", "Port1", "OnlyHere" })
        page.Channel(page.AddChannel())->SetName(QString::fromLatin1(name));
    IXYPlotChannelPtr position = page.ChannelByName(QStringLiteral("Position"));
    IXYPlotChannelPtr port1 = page.ChannelByName(QStringLiteral("Port1"));
    IXYPlotChannelPtr onlyHere = page.ChannelByName(QStringLiteral("OnlyHere"));
    page.ClearAllData();
    page.LoadDataFile(path);

    expectSamePlot(source, page);
    // The pointers a page looked up once stay valid and see the loaded points.
    EXPECT_EQ(page.ChannelByName(QStringLiteral("Port1")).get(), port1.get());
    EXPECT_EQ(page.Channel(0).get(), position.get());
    EXPECT_EQ(port1->Count(), source.ChannelByName(QStringLiteral("Port1"))->Count());
    // The channel set is the file's: a channel the file lacks is gone.
    EXPECT_FALSE(onlyHere);
    EXPECT_FALSE(page.ChannelByName(QStringLiteral("OnlyHere")));

    // A second load of the same file into the filled plot keeps every object.
    std::vector<PlotChannel*> before = page.channels();
    page.LoadDataFile(path);
    EXPECT_EQ(page.channels(), before);
    expectSamePlot(source, page);

    // Appending after a load goes on from the loaded points.
    port1->AddXY(99.0, 1.0);
    EXPECT_EQ(port1->GetX(port1->Count() - 1), 99.0);
    page.AddChannel();
    EXPECT_EQ(page.Channel(12)->GetName(), QStringLiteral("Channel 13"));
}

TEST_F(PlotDataFiles, ABadFileRaisesAndLeavesThePlotAsItWas)
{
    Plot good;
    fillTwelveChannels(good);
    const QString goodPath = tempPath(QStringLiteral("good.lgr"));
    good.SaveDataFile(goodPath);
    const QByteArray bytes = readAll(goodPath);

    QByteArray randomBytes(4096, '\0');
    QRandomGenerator generator(7);
    for (char& c : randomBytes)
        c = static_cast<char>(generator.bounded(256));
    QByteArray newerVersion = bytes;
    newerVersion[4] = 2;
    QByteArray hugeCount = bytes;
    hugeCount.replace(10, 4, QByteArray("\xff\xff\xff\x7f", 4));
    QByteArray trailingBytes = bytes + QByteArray("x");

    struct Case {
        const char* what;
        QByteArray content;
    } cases[] = {
        { "truncated", bytes.left(bytes.size() / 2) },
        { "random bytes", randomBytes },
        { "a picture", QByteArray("BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00", 14) + QByteArray(40, '\0') },
        { "text", QByteArray("Position,Pressure\n0,1\n") },
        { "empty", QByteArray() },
        { "a newer version", newerVersion },
        { "a channel count beyond the file", hugeCount },
        { "bytes after the end", trailingBytes },
    };

    Plot plot;
    plot.Channel(plot.AddChannel())->SetName(QStringLiteral("DataLogger"));
    plot.Channel(0)->AddXY(1.0, 2.0);
    IPlotChannelPtr held = plot.Channel(0);
    for (const Case& c : cases) {
        const QString path = tempPath(QStringLiteral("bad.lgr"));
        writeAll(path, c.content);
        EXPECT_THROW(plot.LoadDataFile(path), ComError) << c.what;
        ASSERT_EQ(plot.ChannelCount(), 1) << c.what;
        EXPECT_EQ(plot.Channel(0).get(), held.get()) << c.what;
        EXPECT_EQ(held->GetName(), QStringLiteral("DataLogger")) << c.what;
        EXPECT_EQ(held->Count(), 1) << c.what;
    }
    EXPECT_THROW(plot.LoadDataFile(tempPath(QStringLiteral("missing.lgr"))), ComError);
    EXPECT_EQ(plot.ChannelCount(), 1);
}

TEST_F(PlotDataFiles, EveryTruncationAndDamagedFieldIsRefused)
{
    Plot plot;
    IPlotChannelPtr channel = plot.Channel(plot.AddChannel());
    channel->SetName(QStringLiteral("CharCurve"));
    channel->SetTitle(QStringLiteral("Characterization"));
    for (int i = 0; i <= 20; ++i)
        channel->AddXY(i * 5.0, i * 5.0);
    channel->MarkPoint(4, true);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    PlotDataFile::write(buffer, PlotDataFile::Kind::TimePlot, { &channel->data() });
    const QByteArray whole = buffer.data();

    for (qsizetype length = 0; length < whole.size(); ++length) {
        QByteArray part = whole.left(length);
        QBuffer cut(&part);
        cut.open(QIODevice::ReadOnly);
        EXPECT_THROW(PlotDataFile::read(cut), ComError) << "cut at " << length;
    }
    QByteArray copy = whole;
    QBuffer complete(&copy);
    complete.open(QIODevice::ReadOnly);
    EXPECT_EQ(PlotDataFile::read(complete).size(), 1u);

    // Damage that keeps the length: both would load as something else than was saved.
    QByteArray badName = whole;
    badName[15] = '\xff'; // first byte of the name "CharCurve"
    QByteArray markPastTheEnd = whole;
    markPastTheEnd[whole.size() - 5] = '\x80'; // 21 points: bit 7 of the last mark byte is past them
    for (QByteArray* damaged : { &badName, &markPastTheEnd }) {
        QBuffer in(damaged);
        in.open(QIODevice::ReadOnly);
        EXPECT_THROW(PlotDataFile::read(in), ComError);
    }
}

TEST_F(PlotDataFiles, AFailedSaveLeavesTheOldFile)
{
    Plot plot;
    fillTwelveChannels(plot);
    const QString path = tempPath(QStringLiteral("kept.trd"));
    writeAll(path, QByteArray("the previous result"));

    // A folder in the path that is a regular file cannot be written, even by root.
    const QString blocker = tempPath(QStringLiteral("blocker"));
    writeAll(blocker, QByteArray("a file"));
    EXPECT_THROW(plot.SaveDataFile(blocker + QStringLiteral("/result.trd")), ComError);
    EXPECT_THROW(plot.SaveImage(blocker + QStringLiteral("/picture.bmp")), ComError);

    // Saving over a folder fails too, and leaves the folder's neighbour alone.
    EXPECT_THROW(plot.SaveDataFile(stateDir()), ComError);
    EXPECT_EQ(readAll(path), QByteArray("the previous result"));

    // A write that fails halfway (the disk is full) leaves the previous file.
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(plot.SaveDataFile(path), ComError);
        EXPECT_THROW(plot.SaveImage(tempPath(QStringLiteral("kept.bmp"))), ComError);
    }
    EXPECT_EQ(readAll(path), QByteArray("the previous result"));
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("kept.bmp"))));

    plot.SaveDataFile(path);
    Plot loaded;
    loaded.LoadDataFile(path);
    expectSamePlot(plot, loaded);
}
