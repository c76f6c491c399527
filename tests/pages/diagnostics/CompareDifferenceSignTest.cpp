// Every compare page states its differences in one sign, file 2 less file 1:
// the plotted difference traces, their legends on the screen and in the
// printed pictures, the difference fields beside the plot and the printed
// difference columns. Two saved files whose signals lie a known distance
// apart give a known difference in each.
#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "DrawnPlotTexts.h"
#include "ReportTestSupport.h"

#include "core/PlotConfiguration.h"
#include "diagnostics/CHDRLCompareView.h"
#include "diagnostics/CHDRLTest.h"
#include "diagnostics/CPSTCompare.h"
#include "diagnostics/CRampTestCompare.h"
#include "diagnostics/CStepCompareView.h"
#include "hdrl/CHDRLReport.h"
#include "hdrl/HDRLTestChannels.h"
#include "partial_stroke/CPSTReport.h"
#include "ramp/CRampReport.h"
#include "ramp/RampTestChannels.h"
#include "report/PrintBackend.h"
#include "report/RecordingPrintBackend.h"
#include "step/CStepTestReport.h"

#include <QFile>
#include <QLabel>
#include <QFileInfo>

#include <cmath>
#include <set>
#include <vector>

namespace
{

enum class Family { Step, Ramp, PartialStroke, Hdrl };

// A difference trace: every point of it, and its legend.
struct Plotted {
    const char* channel;
    double value;
    const char* legend;
};
// A difference field beside the plot.
struct Field {
    int id;
    const char* text;
};

struct Case {
    const char* what;
    const char* path;
    Family family;
    double offset1; // added to every signal of file 1 (HDRL: its second cycle)
    double offset2; // the same of file 2
    const char* breakAway2; // file 2's break-away time (partial stroke)
    std::vector<Plotted> plotted;
    std::vector<Field> fields;
    std::vector<const char*> printed; // runs of the printed report's text
};

// What one comparison showed and printed.
struct Outcome {
    std::vector<std::pair<std::string, std::vector<double>>> traces; // of the cases' difference channels
    std::vector<std::string> legends;
    std::vector<std::string> fields;
    QString printed;
    std::set<std::string> printedLegends; // legend entries of the report's pictures
    int signCaptions = 0; // the page's shown captions that name the sign of its difference columns
};

class CompareDifferenceSignTest : public AppFrameTest
{
protected:
    void SetUp() override
    {
        AppFrameTest::SetUp();
        PrintBackend::install(&m_printed);
    }
    void TearDown() override
    {
        PrintBackend::install(nullptr);
        AppFrameTest::TearDown();
    }

    QString stepFile(const QString& name, double offset)
    {
        Plot source;
        CStepTestReport record;
        ConfigureStepTestPlotControl(IPlotPtr(&source));
        record.SetupStepTestPlotChannels(IPlotPtr(&source));
        for (const char* channel :
            { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS", "PvPPort1", "PvPPort2" })
            for (int k = 0; k < 30; ++k)
                source.ChannelByName(QString::fromLatin1(channel))->AddXY(k * 0.5, 30.0 + k + offset);
        record.m_strTag = AutoString("FV-7");
        record.m_strStartPosition = AutoString("25");
        record.m_strStopPosition = AutoString("60");
        record.m_strHoldTime = AutoString("5");
        record.m_nPressureUnit = 7;
        record.m_bPressureSensor = 1;
        record.m_bSingleActing = 0;
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Step Test Results As"));
        record.SaveStepTest(IPlotPtr(&source));
        return path;
    }

    QString rampFile(const QString& name, double offset)
    {
        XYPlot source;
        CRampReport record;
        ConfigureRampPlotControl(IXYPlotPtr(&source));
        record.SetupRampPlotChannels(IXYPlotPtr(&source));
        for (const char* channel : RampTestChannels::SignalsInHidingOrder)
            for (int k = 0; k < 100; ++k)
                source.ChannelByName(QString::fromLatin1(channel))->AddXY(k * 0.5, k * 1.0 + offset);
        record.m_strTag = AutoString("FV-9");
        record.m_strStartPosition = AutoString("10");
        record.m_strStopPosition = AutoString("90");
        record.m_strHoldTime = AutoString("3");
        record.m_strTestDuration = AutoString("45");
        record.m_bBiDirectional = 1;
        record.m_bSingleActing = 0;
        record.m_bPressureSensor = 1;
        record.m_nPressureUnit = 7;
        record.m_nLengthUnit = 47;
        record.m_strActuatorSize = AutoString("50");
        record.m_strStrokeLength = AutoString("1.5");
        record.m_strSpringInitial = AutoString("3.25");
        record.m_strSpringFinal = AutoString("12.5");
        record.m_strSpringRate = AutoString("40");
        const QString path = tempPath(name);
        prompts().answerFile(path, QStringLiteral("Save Ramp Test Results As"));
        record.SaveRamp(IXYPlotPtr(&source));
        return path;
    }

    QString pstFile(const QString& name, double offset, const char* breakAway)
    {
        CPSTReport record;
        Plot source;
        ConfigurePSTPlotControl(IPlotPtr(&source));
        record.SetupPSTPlotChannels(IPlotPtr(&source));
        for (const char* channel : { "Position", "Command", "Port1", "Port2", "ILCmd", "ILPOS" })
            for (int k = 0; k < 60; ++k)
                source.ChannelByName(QString::fromLatin1(channel))->AddXY(k * 40.0, 85.0 - k * 0.2 + offset);
        record.m_strTag = AutoString("PV-101");
        record.m_strStartPosition = AutoString("85");
        record.m_strStopPosition = AutoString("70");
        record.m_strTimeToTarget = AutoString("5");
        record.m_strTestDuration = AutoString("7");
        record.m_strBreakAwayTime = AutoString(breakAway);
        record.m_strBreakAwayPressure = AutoString("30");
        record.m_strTimeToTargetResult = AutoString("3");
        record.m_bPressureSensor = 1;
        record.m_bSingleActing = 0;
        const QString path = tempPath(name);
        prompts().answerFile(path);
        record.SavePST(IPlotPtr(&source));
        return path;
    }

    // An HDRL run whose second cycle lies `offset` above its first: its
    // repeatability maximum and linearity error are that offset.
    QString hdrlFile(const QString& name, double offset)
    {
        CHDRLReport run;
        run.m_strPosSettlingTime = AutoString("6.5");
        run.m_strTag = AutoString("PV-7");
        Plot source;
        ConfigureHDRLPlotControl(IPlotPtr(&source));
        run.SetupHDRLPlotChannels(IPlotPtr(&source));
        for (int i = 0; i < 49; ++i) {
            const int k = (i + 1) / 2;
            const int step = i / 2;
            const double c = HDRLTestChannels::CommandPoints[size_t(step)];
            source.ChannelByName(QStringLiteral("Command"))->AddXY(6.5 * k, c);
            source.ChannelByName(QStringLiteral("Position"))->AddXY(6.5 * k, c + (step >= 13 ? offset : 0.0));
        }
        for (int c : { 10, 30, 50, 70, 90 }) {
            source.ChannelByName(QStringLiteral("AverageError"))->AddXY(c, 0.1);
            source.ChannelByName(QStringLiteral("LeastSquareLine"))->AddXY(c, 0.1 + offset);
        }
        const QString path = tempPath(name);
        prompts().answerFile(path);
        run.SaveHDRL(IPlotPtr(&source));
        return path;
    }

    // Both files opened on the compare page `V`, what it shows read, then the
    // comparison printed.
    template <class V>
    Outcome compare(const Case& c, int pageCode, const QString& first, const QString& second, const char* openTitle,
        const char* saveTitle, std::initializer_list<const char*> definitions)
    {
        start({ QStringLiteral("/d") + QString::fromLatin1(c.path) });
        clock().advance(2000);
        tree().SelectItem(tree().itemForCode(pageCode));
        clock().advance(1000);
        V& view = page<V>();
        prompts().answerFile(first, QString::fromLatin1(openTitle));
        view.OnOpenFile1();
        EXPECT_TRUE(view.file1Loaded());
        prompts().answerFile(second, QString::fromLatin1(openTitle));
        view.OnOpenFile2();
        EXPECT_TRUE(view.file2Loaded());

        Outcome seen;
        for (const Plotted& p : c.plotted) {
            const auto channel = view.plot()->ChannelByName(QString::fromLatin1(p.channel));
            seen.traces.emplace_back(p.channel, channel->data().ys);
            seen.legends.push_back(channel->GetTitle().toStdString());
        }
        for (const Field& f : c.fields)
            seen.fields.push_back(view.windowText(f.id).toStdString());
        for (const QLabel* label : view.template findChildren<QLabel*>())
            if (label->text() == QStringLiteral("(2 - 1)") && label->isVisibleTo(&view))
                ++seen.signCaptions;

        ownProgramFolder(definitions);
        const QString pdf = tempPath(QStringLiteral("compare.pdf"));
        QFile::remove(pdf);
        prompts().answerFile(pdf, QString::fromLatin1(saveTitle));
        prompts().answerMessage(Prompts::IdNo, QStringLiteral("Do you want to print the Report?"));
        DrawnPlotTexts drawn;
        view.OnPrintReport();
        EXPECT_TRUE(QFileInfo::exists(pdf));
        seen.printed = QFileInfo::exists(pdf) ? ReportTestSupport::pdfText(pdf).simplified() : QString();
        for (const DrawnPlotTexts::Painting& painting : drawn.paintings())
            if (painting.texts.picture)
                for (const PlotPainter::DrawnText& entry : painting.texts.legendEntries)
                    seen.printedLegends.insert(entry.text.toStdString());
        return seen;
    }

    Outcome compare(const Case& c)
    {
        switch (c.family) {
        case Family::Step:
            return compare<CStepCompareView>(c, CStepCompareView::StepTestCode * 10 + 1,
                stepFile(QStringLiteral("one.stp"), c.offset1), stepFile(QStringLiteral("two.stp"), c.offset2),
                "Open Step Test Results", "Save Step Test Compare Report As",
                { "StepTestCmpRept.xml", "StepTestCmpRept_K40.xml" });
        case Family::Ramp:
            return compare<CRampTestCompare>(c, CRampTestCompare::RampTestCode * 10 + 1,
                rampFile(QStringLiteral("one.rmp"), c.offset1), rampFile(QStringLiteral("two.rmp"), c.offset2),
                "Open Ramp Test Results", "Save Ramp Compare Report As",
                { "RampTestCmpRept.xml", "RampTestCmpRept_K40.xml" });
        case Family::PartialStroke:
            return compare<CPSTCompare>(c, 461, pstFile(QStringLiteral("one.pst"), c.offset1, "1.25"),
                pstFile(QStringLiteral("two.pst"), c.offset2, c.breakAway2), "Open PST Results",
                "Save PST Compare ReportAs", { "PSTTestCmpRept.xml", "PSTTestCmpRept_K40.xml" });
        case Family::Hdrl:
            return compare<CHDRLCompareView>(c, CHDRLTest::CompareCode, hdrlFile(QStringLiteral("one.hdrl"), c.offset1),
                hdrlFile(QStringLiteral("two.hdrl"), c.offset2), "Open HDRL Test Results", "Save HDRL Compare ReportAs",
                { "HDRLTestCmpRept.xml", "HDRLTestCmpRept_K40.xml" });
        }
        return {};
    }

    RecordingPrintBackend m_printed;
};

TEST_F(CompareDifferenceSignTest, EveryCompareShowsAndPrintsFileTwoLessFileOneAndSaysSo)
{
    using PST = CPSTCompare;
    using HDRL = CHDRLCompareView;
    const Case cases[] = {
        { "step, K90, file 2 above", K90Path, Family::Step, 0.0, 2.5, nullptr,
            { { "PositionDiff", 2.5, "Position Delta (2 - 1)" },
                { "ILPOSDiff", 2.5, "Pilot Relay Position Delta (2 - 1)" },
                { "PvPPort1Diff", 2.5, "Port1 Delta Pressure (2 - 1)" },
                { "PvPPort2Diff", 2.5, "Port2 Delta Pressure (2 - 1)" } },
            {}, {} },
        { "step, K40, file 2 below", K40Path, Family::Step, 0.0, -1.5, nullptr,
            { { "PositionDiff", -1.5, "Position Delta (2 - 1)" }, { "Port1Diff", -1.5, "Port1 Delta Pressure (2 - 1)" },
                { "PvPPort1Diff", -1.5, "Port1 Delta Pressure (2 - 1)" } },
            {}, {} },
        { "ramp, K90, file 2 below", K90Path, Family::Ramp, 0.0, -1.5, nullptr,
            { { "PositionDiff", -1.5, "Position Delta (2 - 1)" },
                { "PvPPort1_2Diff", -1.5, "Port 1 Delta Pressure(closing) (2 - 1)" },
                { "PosnvCmdOpenDiff", -1.5, "Position(opening) Delta (2 - 1)" },
                { "FrictionDiff", -1.5, "Friction Delta (2 - 1)" } },
            {}, {} },
        { "ramp, K40, file 2 above", K40Path, Family::Ramp, 0.0, 4.0, nullptr,
            { { "CommandDiff", 4.0, "Command Delta (2 - 1)" },
                { "Port1vCmdCloseDiff", 4.0, "Port 1 Delta Pressure(closing) (2 - 1)" },
                { "ThrustOpenDiff", 4.0, "Thrust (opening) Delta (2 - 1)" } },
            {}, {} },
        { "partial stroke, K90, file 2 earlier and below", K90Path, Family::PartialStroke, 0.0, -2.0, "0.75",
            { { "PositionDiff", -2.0, "Position Delta (2 - 1)" },
                { "ILCmdDiff", -2.0, "Pilot Relay Command Delta (2 - 1)" } },
            { { PST::TimeDiffEdit, "-0.50" } }, { "Difference (2 - 1)", "Time: 1.25 0.75 -0.50" } },
        { "partial stroke, K40, file 2 later and above", K40Path, Family::PartialStroke, 0.0, 3.0, "3.5",
            { { "PositionDiff", 3.0, "Position Delta (2 - 1)" } }, { { PST::TimeDiffEdit, " 2.25" } },
            { "Difference (2 - 1)", "Time: 1.25 3.50 2.25" } },
        { "HDRL, K90, file 2 with the smaller errors", K90Path, Family::Hdrl, 0.5, 0.3, nullptr, {},
            { { HDRL::RepeatMaximumDiffEdit, "-0.20" }, { HDRL::LinearityDiffEdit, "-0.2000" } },
            { "Difference (2 - 1)", "Maximum: 0.50 0.30 -0.20", "Linearity Error 0.5000 0.3000 -0.2000" } },
        { "HDRL, K40, file 2 with the larger errors", K40Path, Family::Hdrl, 0.3, 0.5, nullptr, {},
            { { HDRL::RepeatMaximumDiffEdit, "0.20" }, { HDRL::LinearityDiffEdit, "0.2000" } },
            { "Difference (2 - 1)", "Maximum: 0.30 0.50 0.20", "Linearity Error 0.3000 0.5000 0.2000" } },
        // Less than a hundredth apart: no difference in two decimals, not a
        // negative zero, while four decimals still show the sign.
        { "HDRL, K90, files a fifth of a hundredth apart", K90Path, Family::Hdrl, 0.302, 0.3, nullptr, {},
            { { HDRL::RepeatMaximumDiffEdit, "0.00" }, { HDRL::LinearityDiffEdit, "-0.0020" } },
            { "Maximum: 0.30 0.30 0.00", "Linearity Error 0.3020 0.3000 -0.0020" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome seen = compare(c);
        for (size_t k = 0; k < c.plotted.size(); ++k) {
            const Plotted& p = c.plotted[k];
            const std::vector<double>& ys = seen.traces[k].second;
            EXPECT_FALSE(ys.empty()) << p.channel;
            size_t off = 0;
            double firstOff = 0.0;
            for (double y : ys) {
                if (std::abs(y - p.value) > 1e-9 && off++ == 0)
                    firstOff = y;
            }
            EXPECT_EQ(off, 0u) << p.channel << ": the first off is " << firstOff;
            EXPECT_EQ(seen.legends[k], p.legend) << p.channel;
        }
        for (size_t k = 0; k < c.fields.size(); ++k)
            EXPECT_EQ(seen.fields[k], c.fields[k].text) << c.fields[k].id;
        // A column of differences says which way they are taken, on screen too.
        if (c.family == Family::PartialStroke || c.family == Family::Hdrl)
            EXPECT_GT(seen.signCaptions, 0);
        // The printed pictures carry the legends the screen shows: no
        // picture keeps a difference legend that does not say its sign.
        for (const Plotted& p : c.plotted)
            EXPECT_TRUE(seen.printedLegends.count(p.legend)) << p.legend;
        for (const std::string& legend : seen.printedLegends) {
            if (legend.find("Delta") != std::string::npos)
                EXPECT_NE(legend.find("(2 - 1)"), std::string::npos) << legend;
        }
        for (const char* run : c.printed)
            EXPECT_TRUE(seen.printed.contains(QString::fromLatin1(run))) << run << "\n" << seen.printed.toStdString();
        m_app.reset();
    }
}

} // namespace
