// The trend report on its shipped definitions, rendered to PDF and read back.
#include "TrendsPlotsFixture.h"

#include "DrawnPlotTexts.h"
#include "ReportTestSupport.h"
#include "core/GuardedExport.h"
#include "core/ReportFrame.h"
#include "report/RecordingPrintBackend.h"
#include "trends/TrendsReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>

using namespace ReportTestSupport;

class TrendsReportTest : public TrendsPlotsFixture
{
protected:
    static constexpr QSize PageSize { 165, 305 };

    void SetUp() override
    {
        TrendsPlotsFixture::SetUp();
        PrintBackend::install(&m_printed);
        m_header.m_strTag = AutoString("PV-101");
        m_record.PressureUnitText = AutoString("kPa");
        m_record.TemperatureUnitText = AutoString("degF");
        for (int p = 0; p < 4; ++p) {
            // As narrow and tall as on the trends page.
            plot(p).resize(PageSize);
            for (int x = 1; x <= 12; ++x) {
                plot(p).ChannelByName(QStringLiteral("Position"))->AddXY(x, 40 + x);
                plot(p).ChannelByName(QStringLiteral("Friction"))->AddXY(x, 20 + x);
            }
        }
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        TrendsPlotsFixture::TearDown();
    }

    // The shipped definition copied into a folder of the test's own, where
    // the pictures go; `without` names a field key left out.
    QString definition(const QString& file, const QString& without = QString())
    {
        QDir().mkpath(tempPath(QStringLiteral("Dependencies")));
        const QString copy = tempPath(QStringLiteral("Dependencies/") + file);
        QFile source(shippedDefinition(file));
        EXPECT_TRUE(source.open(QIODevice::ReadOnly));
        QByteArray xml = source.readAll();
        if (!without.isEmpty())
            xml.replace(QByteArray("key=\"") + without.toLatin1() + "\"", "key=\"Other\"");
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(xml);
        return copy;
    }
    void generate(const QString& definitionPath)
    {
        GenerateTrendsReport(m_header, m_record, hours(), days(), months(), years(), IReportPtr(&m_report),
            IPrinterPtr(&m_printer), AutoString(definitionPath), &m_page);
    }
    QString fieldText(const QString& key) const
    {
        const auto document = m_report.layoutDocument();
        const ReportPageItem* item = document.find(key);
        return item ? item->text : QStringLiteral("<no such field>");
    }

    RecordingPrintBackend m_printed;
    ReportControl m_report;
    PrinterControl m_printer;
    QWidget m_page;
    CReportHeader m_header;
};

TEST_F(TrendsReportTest, PrintsWhichSignalsTheHoursPlotShowsTheUnitsAndAPictureOfEachPlot)
{
    for (const char* hidden : { "Position", "Command", "Deviation", "Supply", "Temperature" })
        plot(0).ChannelByName(QString::fromLatin1(hidden))->SetVisible(false);
    // Only the hours plot counts.
    plot(2).ChannelByName(QStringLiteral("Friction"))->SetVisible(false);
    plot(3).ChannelByName(QStringLiteral("Command"))->SetVisible(true);
    const QString path = definition(QStringLiteral("TrendRept.xml"));
    const QString pdf = tempPath(QStringLiteral("Trend.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save Trend Report As"));
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

    generate(path);

    const std::pair<const char*, const char*> active[] = { { "lblPosActive", "No" }, { "lblCommActive", "No" },
        { "lblDevActive", "No" }, { "lblFricActive", "Yes" }, { "lblSupActive", "No" }, { "lblPTempActive", "No" } };
    for (const auto& [key, text] : active)
        EXPECT_EQ(fieldText(QString::fromLatin1(key)), QString::fromLatin1(text)) << key;
    const std::pair<const char*, const char*> units[] = { { "lblPosition", "Position(%)" },
        { "lblCommand", "Command(%)" }, { "lblDeviation", "Deviation(%)" }, { "lblFriction", "Friction(lbs)" },
        { "lblSupply", "Supply Pressure(kPa)" }, { "lblTemp", "Temperature(degF)" } };
    for (const auto& [key, text] : units)
        EXPECT_EQ(fieldText(QString::fromLatin1(key)), QString::fromLatin1(text)) << key;
    const ReportDocument document = m_report.layoutDocument();
    for (const char* key : { "RampGrph", "RampGrph2", "RampGrph3", "RampGrph4" }) {
        const ReportPageItem* picture = document.find(QString::fromLatin1(key));
        EXPECT_TRUE(picture && !picture->picture.isNull()) << key;
    }
    const QString text = pdfText(pdf).simplified();
    for (const char* expected :
        { "Trend Report", "DEVICE TAG ID: PV-101", "Supply Pressure(kPa)", "Temperature(degF)", "Friction(lbs)" })
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
    for (int p = 0; p < 4; ++p) {
        EXPECT_TRUE(plot(p).ScreenBar(0)->GetVisible()) << "plot " << p;
        EXPECT_EQ(plot(p).size(), PageSize) << "plot " << p;
    }
    // The pictures are laid out wide, as the report shows them: the hours
    // plot's twelve friction points reach well across its picture.
    const ReportPageItem* hoursField = document.find(QStringLiteral("RampGrph"));
    ASSERT_TRUE(hoursField);
    const QImage hoursPicture = hoursField->picture.convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(hoursPicture.isNull());
    int left = hoursPicture.width(), right = 0;
    for (int y = 0; y < hoursPicture.height(); y += 2)
        for (int x = 0; x < hoursPicture.width(); x += 2)
            if ((hoursPicture.pixel(x, y) & 0xFFFFFF) == 0x9900CC) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GT(right - left, hoursPicture.width() / 5);
}

TEST_F(TrendsReportTest, EachPictureCarriesAKeyOfItsSignalsAndRoomAboveTheLargestValue)
{
    // The largest value reaches the top of the page's value axis (0 to 100);
    // every signal holds points, so that each has its key.
    for (int p = 0; p < 4; ++p) {
        plot(p).ChannelByName(QStringLiteral("Supply"))->AddXY(5, 100);
        for (const char* name : { "Command", "Deviation", "Temperature" })
            plot(p).ChannelByName(QString::fromLatin1(name))->AddXY(5, 30);
    }
    plot(0).ChannelByName(QStringLiteral("Command"))->SetVisible(false);
    const QString pdf = tempPath(QStringLiteral("Trend.pdf"));
    prompts().answerFile(pdf, QStringLiteral("Save Trend Report As"));
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);
    DrawnPlotTexts drawn;

    generate(definition(QStringLiteral("TrendRept.xml")));

    const QStringList all { QStringLiteral("Position"), QStringLiteral("Command"), QStringLiteral("Deviation"),
        QStringLiteral("Friction"), QStringLiteral("Supply"), QStringLiteral("Temperature") };
    QStringList withoutCommand = all;
    withoutCommand.removeAll(QStringLiteral("Command"));
    const std::pair<const char*, QStringList> pictures[]
        = { { "24 Hours", withoutCommand }, { "30 Days", all }, { "12 Months", all }, { "25 Years", all } };
    for (const auto& [title, key] : pictures) {
        const std::vector<DrawnPlotTexts::Painting> paintings = drawn.titled(QString::fromLatin1(title));
        ASSERT_EQ(paintings.size(), 1u) << title;
        const PlotPainter::DrawnTexts& picture = paintings[0].texts;
        QStringList entries;
        for (const PlotPainter::DrawnText& entry : picture.legendEntries)
            entries << entry.text;
        EXPECT_EQ(entries, key) << title;
        EXPECT_EQ(DrawnPlotTexts::faultsOf(paintings[0]), QStringList()) << title;
        EXPECT_EQ(paintings[0].topOfFirstYAxis, 110.0) << title << ": one round step above the largest value";
    }
    // The page keeps its own key, and shows the axes its pictures show.
    for (int p = 0; p < 4; ++p) {
        EXPECT_FALSE(plot(p).GetLegendVisible()) << p;
        EXPECT_EQ(plot(p).YAxis(0)->GetMin(), 0.0) << p;
        EXPECT_EQ(plot(p).YAxis(0)->GetMax(), 110.0) << p;
    }
}

// Answers the PDF dialog as the scripted prompts do, noting the hours plot's
// size the user sees meanwhile.
class PromptsThatLookAtThePlot : public ScriptedPrompts
{
public:
    explicit PromptsThatLookAtThePlot(const Plot& plot)
        : m_plot(plot)
    {
    }
    std::optional<QString> file(const FileDialog& dialog) override
    {
        m_sizeDuringDialog = m_plot.size();
        m_barDuringDialog = m_plot.ScreenBar(0)->GetVisible();
        return ScriptedPrompts::file(dialog);
    }
    int message(const Message& message) override
    {
        if (message.text == ReportFrameText::PrintQuestion)
            m_barDuringQuestion = m_plot.ScreenBar(0)->GetVisible();
        return ScriptedPrompts::message(message);
    }
    const Plot& m_plot;
    QSize m_sizeDuringDialog;
    bool m_barDuringDialog = false;
    bool m_barDuringQuestion = false;
};

TEST_F(TrendsReportTest, ThePlotsHaveTheirPageSizeAndScreenBarBackBeforeThePdfDialogShows)
{
    PromptsThatLookAtThePlot looking(plot(3));
    Prompts::install(&looking);
    looking.answerFile(std::nullopt);
    looking.answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

    generate(definition(QStringLiteral("TrendRept.xml")));
    Prompts::install(&prompts());

    EXPECT_EQ(looking.m_sizeDuringDialog, PageSize);
    EXPECT_TRUE(looking.m_barDuringDialog);
    EXPECT_TRUE(looking.m_barDuringQuestion);
    EXPECT_EQ(looking.pendingAnswers(), 0);
}

TEST_F(TrendsReportTest, EmptyUnitTextsPrintEmptyParenthesesOnTheSmallerModelsDefinition)
{
    m_record.PressureUnitText = AutoString("");
    m_record.TemperatureUnitText = AutoString("");
    prompts().answerFile(std::nullopt);
    prompts().answerMessage(Prompts::IdNo, ReportFrameText::PrintQuestion);

    generate(definition(QStringLiteral("TrendRept_K40.xml")));

    EXPECT_EQ(fieldText(QStringLiteral("lblSupply")), QStringLiteral("Supply Pressure()"));
    EXPECT_EQ(fieldText(QStringLiteral("lblTemp")), QStringLiteral("Temperature()"));
    EXPECT_EQ(fieldText(QStringLiteral("lblPosActive")), QStringLiteral("Yes"));
}

TEST_F(TrendsReportTest, ADefinitionOrPlotLackingAKeyGivesOnlyTheDefinitionMessageAndTheBarsComeBack)
{
    struct Case {
        const char* what;
        const char* missingField;
        const char* missingChannel;
    };
    const Case cases[] = {
        { "definition without lblSupActive", "lblSupActive", nullptr },
        { "definition without a picture field", "RampGrph3", nullptr },
        { "hours plot without Temperature", nullptr, "Temperature" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts().clearRecords();
        if (c.missingChannel)
            plot(0).ChannelByName(QString::fromLatin1(c.missingChannel))->SetName(QStringLiteral("Renamed"));
        prompts().answerMessage(Prompts::IdOk, ExportFailureText::ReportDefinition);

        generate(definition(
            QStringLiteral("TrendRept.xml"), c.missingField ? QString::fromLatin1(c.missingField) : QString()));

        ASSERT_EQ(prompts().records().size(), 1u);
        EXPECT_EQ(prompts().records()[0].kind, ScriptedPrompts::Kind::Message);
        EXPECT_EQ(prompts().messages()[0].caption, QString());
        for (int p = 0; p < 4; ++p) {
            EXPECT_TRUE(plot(p).ScreenBar(0)->GetVisible()) << "plot " << p;
            EXPECT_EQ(plot(p).size(), PageSize) << "plot " << p;
        }
        if (c.missingChannel)
            plot(0).ChannelByName(QStringLiteral("Renamed"))->SetName(QString::fromLatin1(c.missingChannel));
    }
}
