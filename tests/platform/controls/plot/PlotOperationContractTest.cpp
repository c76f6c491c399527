// Every plot operation the test families call, one row each, walked through
// the interface pointers they hold: the time plot through IPlotPtr and the XY
// plot through IXYPlotPtr, channels looked up by name through the dispatch
// road. `--gtest_list_tests` lists the rows.
#include "SwTest.h"

#include "automation/ComError.h"
#include "controls/Plot.h"
#include "controls/XYPlot.h"
#include "report/ReportControl.h"
#include "ui/ControlRegistry.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QMetaObject>

#include <bit>
#include <cctype>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

namespace
{

// What one row works on: a plot made by its ProgID on a page, as the factories
// make it, and a folder for the files the row writes.
template <class PlotT> struct PlotUnderTest {
    InterfacePtr<PlotT> plot;
    QWidget* page;
    QString folder;

    QString path(const char* name) const { return folder + QLatin1Char('/') + QString::fromLatin1(name); }
};

template <class PlotT> struct PlotOperation {
    const char* operation;
    void (*holds)(const PlotUnderTest<PlotT>&);
};

template <class PlotT> void PrintTo(const PlotOperation<PlotT>& row, std::ostream* out)
{
    *out << row.operation;
}

// The row's words as a test name: "AddChannel: Channel 1" -> "AddChannelChannel1".
template <class Row> std::string rowName(const ::testing::TestParamInfo<Row>& info)
{
    std::string name;
    bool startWord = true;
    for (const char* c = info.param.operation; *c; ++c) {
        const auto ch = static_cast<unsigned char>(*c);
        if (std::isalnum(ch)) {
            name += startWord ? static_cast<char>(std::toupper(ch)) : static_cast<char>(ch);
            startWord = false;
        } else {
            startWord = true;
        }
    }
    return name;
}

template <class PlotT> QString progIdOf()
{
    return std::is_same_v<PlotT, XYPlot> ? QStringLiteral("PlotLib.XYPlot") : QStringLiteral("PlotLib.Plot");
}

template <class PlotT> using ChannelPtrOf = decltype(std::declval<const PlotT&>().ChannelByName(QString()));

// The families' road to a channel: the method "GetChannelByName" invoked by
// name, its result queried for the channel interface of the plot's kind.
template <class PlotT> ChannelPtrOf<PlotT> channelNamed(const InterfacePtr<PlotT>& plot, const char* name)
{
    QObject* found = nullptr;
    const bool invoked = QMetaObject::invokeMethod(plot.checked(), "GetChannelByName", Qt::DirectConnection,
        Q_RETURN_ARG(QObject*, found), Q_ARG(QString, QString::fromLatin1(name)));
    EXPECT_TRUE(invoked);
    return ChannelPtrOf<PlotT>::fromObject(found);
}

template <class PlotT> ChannelPtrOf<PlotT> addNamed(const InterfacePtr<PlotT>& plot, const char* name)
{
    plot->Channel(plot->AddChannel())->SetName(QString::fromLatin1(name));
    return channelNamed(plot, name);
}

bool sameBits(double a, double b)
{
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

int countColour(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

// A report with one picture field, to show what the plot saved.
void writePictureDefinition(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<reportDefinition version="1">
  <report name="New Report">
    <section name="Detail" height="3000">
      <field key="RampGrph" kind="picture" left="0" top="0" width="5553" height="2943"/>
    </section>
  </report>
</reportDefinition>
)");
}

template <class PlotT> std::vector<PlotOperation<PlotT>> plotOperations()
{
    using Under = PlotUnderTest<PlotT>;
    return {
        { "RemoveAllChannels: no channel left",
            +[](const Under& t) {
                addNamed(t.plot, "Position");
                auto held = addNamed(t.plot, "Command");
                t.plot->RemoveAllChannels();
                EXPECT_EQ(t.plot->ChannelCount(), 0);
                EXPECT_FALSE(channelNamed(t.plot, "Position"));
                EXPECT_FALSE(held) << "a removed channel is not reachable through a pointer held before";
            } },
        { "AddChannel: new channels are named Channel 1, Channel 2, in order of adding, and give their index",
            +[](const Under& t) {
                EXPECT_EQ(t.plot->AddChannel(), 0);
                EXPECT_EQ(t.plot->AddChannel(), 1);
                EXPECT_EQ(t.plot->Channel(0)->GetName(), QStringLiteral("Channel 1"));
                EXPECT_EQ(t.plot->Channel(1)->GetName(), QStringLiteral("Channel 2"));
                t.plot->RemoveAllChannels();
                t.plot->AddChannel();
                EXPECT_TRUE(channelNamed(t.plot, "Channel 1"));
            } },
        { "GetChannelByName: the channel or none, case ignored",
            +[](const Under& t) {
                auto ilpos = addNamed(t.plot, "ILPOS");
                addNamed(t.plot, "2ndCycle-Decr");
                EXPECT_EQ(channelNamed(t.plot, "ILPos").get(), ilpos.get());
                EXPECT_TRUE(channelNamed(t.plot, "2ndcycle-decr"));
                auto none = channelNamed(t.plot, "ILPO");
                EXPECT_FALSE(none);
                // The caller's first use of a channel no name found raises the invalid-pointer error.
                try {
                    none->Count();
                    ADD_FAILURE() << "a call through no channel did not raise";
                } catch (const ComError& error) {
                    EXPECT_EQ(error.code(), ComError::InvalidPointer);
                }
            } },
        { "ClearAllData: every channel loses its points, channels and switches stay",
            +[](const Under& t) {
                auto shown = addNamed(t.plot, "Position");
                shown->SetMarkersVisible(true);
                shown->AddXY(1, 2);
                shown->AddXY(3, 4);
                shown->MarkPoint(1, true);
                auto hidden = addNamed(t.plot, "TestSettings");
                hidden->SetVisible(false);
                hidden->SetLegendVisible(false);
                hidden->SetYAxisName(QStringLiteral("None"));
                hidden->AddXY(0, 7.7);
                t.plot->ClearAllData();
                ASSERT_EQ(t.plot->ChannelCount(), 2);
                EXPECT_EQ(shown->Count(), 0);
                EXPECT_EQ(hidden->Count(), 0);
                EXPECT_TRUE(shown->GetVisible());
                EXPECT_TRUE(shown->GetMarkersVisible());
                EXPECT_FALSE(hidden->GetVisible());
                EXPECT_FALSE(hidden->GetLegendVisible());
                EXPECT_EQ(hidden->GetYAxisName(), QStringLiteral("None"));
                // Points added afterwards carry no mark of the cleared ones.
                shown->AddXY(5, 6);
                shown->AddXY(7, 8);
                EXPECT_FALSE(shown->GetPointMarked(1));
            } },
        { "SaveDataFile then ClearAllData and LoadDataFile: every channel back, hidden ones too, with its points as "
          "doubles",
            +[](const Under& t) {
                auto shown = addNamed(t.plot, "Position");
                shown->SetTitle(QStringLiteral("Position (%)"));
                shown->SetColor(0x0000FFu);
                shown->SetXAxisName(QStringLiteral("Time"));
                shown->SetYAxisName(QStringLiteral("Position"));
                shown->SetLineWidth(2);
                shown->SetMarkersVisible(true);
                const double xs[] = { 0.1, 1e-300, -0.0, 2.5e9, 5.0 };
                const double ys[] = { 1.0 / 3.0, -7.25, 655.35, std::numeric_limits<double>::max(),
                    std::numeric_limits<double>::quiet_NaN() };
                for (int i = 0; i < 5; ++i)
                    shown->AddXY(xs[i], ys[i]);
                shown->MarkPoint(2, true);
                auto hidden = addNamed(t.plot, "TestSettings");
                hidden->SetXAxisName(QStringLiteral("None"));
                hidden->SetYAxisName(QStringLiteral("None"));
                hidden->SetVisible(false);
                hidden->SetLegendVisible(false);
                hidden->AddXY(0, 7.699999809265137);
                hidden->AddXY(1, 50);
                hidden->AddXY(2, -std::numeric_limits<double>::infinity());
                const QString file = t.path("Result.pst");
                t.plot->SaveDataFile(file);

                // A loader: clear, load, look the channels up again.
                t.plot->ClearAllData();
                shown->SetVisible(false);
                shown->SetTitle(QStringLiteral("changed since the save"));
                t.plot->LoadDataFile(file);

                ASSERT_EQ(t.plot->ChannelCount(), 2);
                EXPECT_EQ(t.plot->Channel(0)->GetName(), QStringLiteral("Position"));
                EXPECT_EQ(t.plot->Channel(1)->GetName(), QStringLiteral("TestSettings"));
                auto position = channelNamed(t.plot, "position");
                EXPECT_EQ(position.get(), shown.get()) << "pointers held by the page stay valid";
                ASSERT_EQ(position->Count(), 5);
                for (int i = 0; i < 5; ++i) {
                    EXPECT_TRUE(sameBits(position->GetX(i), xs[i])) << i;
                    EXPECT_TRUE(sameBits(position->GetY(i), ys[i])) << i;
                }
                EXPECT_EQ(position->GetTitle(), QStringLiteral("Position (%)"));
                EXPECT_EQ(position->GetColor(), 0x0000FFu);
                EXPECT_EQ(position->GetXAxisName(), QStringLiteral("Time"));
                EXPECT_EQ(position->GetYAxisName(), QStringLiteral("Position"));
                EXPECT_EQ(position->GetLineWidth(), 2);
                EXPECT_TRUE(position->GetVisible()) << "the file shows again what was shown when saved";
                EXPECT_TRUE(position->GetLegendVisible());
                EXPECT_TRUE(position->GetMarkersVisible());
                EXPECT_TRUE(position->GetPointMarked(2));
                EXPECT_FALSE(position->GetPointMarked(1));
                auto settings = channelNamed(t.plot, "TestSettings");
                ASSERT_TRUE(settings);
                EXPECT_FALSE(settings->GetVisible());
                EXPECT_FALSE(settings->GetLegendVisible());
                EXPECT_EQ(settings->GetYAxisName(), QStringLiteral("None"));
                ASSERT_EQ(settings->Count(), 3);
                EXPECT_TRUE(sameBits(settings->GetY(0), 7.699999809265137));
                EXPECT_EQ(settings->GetY(1), 50.0);
                EXPECT_EQ(settings->GetY(2), -std::numeric_limits<double>::infinity());
            } },
        { "LoadDataFile and SaveDataFile that fail raise and leave the plot and the file as they were",
            +[](const Under& t) {
                auto kept = addNamed(t.plot, "Position");
                kept->AddXY(1, 2);
                QFile damaged(t.path("Damaged.pst"));
                ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
                damaged.write("not a data file of the plot");
                damaged.close();
                for (const char* name : { "Missing.pst", "Damaged.pst" }) {
                    SCOPED_TRACE(name);
                    EXPECT_THROW(t.plot->LoadDataFile(t.path(name)), ComError);
                    ASSERT_EQ(t.plot->ChannelCount(), 1);
                    EXPECT_EQ(kept->Count(), 1);
                }
                EXPECT_THROW(t.plot->SaveDataFile(t.path("Damaged.pst/Result.pst")), ComError);
                EXPECT_THROW(t.plot->SaveDataFile(t.path("No such folder/Result.pst")), ComError);
            } },
        { "SaveImage: a picture of the plot at the full path, one the report control shows",
            +[](const Under& t) {
                auto channel = addNamed(t.plot, "Position");
                channel->AddXY(0, 0);
                channel->AddXY(100, 100);
                const QString own = t.path("Own.bmp");
                t.plot->SaveImage(own);
                EXPECT_FALSE(QImage(own).isNull());
                const QString picture = t.path("PstComp.bmp");
                t.plot->SaveImage(picture, QSize(2000, 1060));
                EXPECT_EQ(QImage(picture).size(), QSize(2000, 1060));

                const QString definition = t.path("Picture.xml");
                writePictureDefinition(definition);
                ReportControl control;
                IReportPtr report(&control);
                report->LoadReport(definition, QStringLiteral("New Report"));
                report->Sections()
                    ->Section(QStringLiteral("Detail"))
                    ->Fields()
                    ->Field(QStringLiteral("RampGrph"))
                    ->SetPicture(picture);
                const ReportDocument laidOut = report->layoutDocument();
                const ReportPageItem* shown = laidOut.find(QStringLiteral("RampGrph"));
                ASSERT_NE(shown, nullptr);
                EXPECT_EQ(shown->picture.size(), QSize(2000, 1060));
            } },
        { "ScreenBar 0 SetVisible: off before a report's first picture, on after its last",
            +[](const Under& t) {
                auto bar = t.plot->ScreenBar(0);
                EXPECT_TRUE(bar->GetVisible());
                const QImage withBar = t.plot->renderImage(QSize(400, 300));
                bar->SetVisible(false);
                EXPECT_FALSE(t.plot->ScreenBar(0)->GetVisible());
                EXPECT_NE(t.plot->renderImage(QSize(400, 300)), withBar) << "the picture leaves the strip out";
                bar->SetVisible(true);
                EXPECT_TRUE(t.plot->ScreenBar(0)->GetVisible());
                EXPECT_EQ(t.plot->renderImage(QSize(400, 300)), withBar);
                EXPECT_THROW(t.plot->ScreenBar(1), ComError);
            } },
        { "SetTitle: shown as the plot's title",
            +[](const Under& t) {
                const QImage untitled = t.plot->renderImage(QSize(400, 300));
                t.plot->SetTitle(QStringLiteral("Step Test"));
                EXPECT_EQ(t.plot->GetTitle(), QStringLiteral("Step Test"));
                EXPECT_NE(t.plot->renderImage(QSize(400, 300)), untitled);
            } },
        { "Hiding the plot: a scratch plot is never shown and still saves its file and pictures",
            +[](const Under& t) {
                t.plot->setVisible(false);
                t.page->show();
                EXPECT_FALSE(t.plot->isVisible());
                addNamed(t.plot, "Position")->AddXY(1, 2);
                EXPECT_NO_THROW(t.plot->SaveDataFile(t.path("Scratch.stp")));
                EXPECT_NO_THROW(t.plot->SaveImage(t.path("Scratch.bmp")));
                EXPECT_FALSE(QImage(t.path("Scratch.bmp")).isNull());
                EXPECT_FALSE(t.plot->isVisible());
            } },
        { "XAxis and YAxis by index from 0, XAxisByName and YAxisByName with case ignored",
            +[](const Under& t) {
                t.plot->XAxis(0)->SetName(QStringLiteral("Time"));
                t.plot->YAxis(0)->SetName(QStringLiteral("Position"));
                t.plot->YAxis(1)->SetName(QStringLiteral("Pressure"));
                EXPECT_EQ(t.plot->XAxisByName(QStringLiteral("time")).get(), t.plot->XAxis(0).get());
                EXPECT_EQ(t.plot->YAxisByName(QStringLiteral("Pressure")).get(), t.plot->YAxis(1).get());
                EXPECT_EQ(t.plot->YAxisByName(QStringLiteral("POSITION")).get(), t.plot->YAxis(0).get());
                EXPECT_FALSE(t.plot->YAxisByName(QStringLiteral("Friction")));
                EXPECT_THROW(t.plot->YAxisByName(QStringLiteral("Friction"))->SetTitle(QString()), ComError);
                EXPECT_THROW(t.plot->XAxis(-1), ComError);
                EXPECT_THROW(t.plot->YAxis(t.plot->YAxisCount()), ComError);
            } },
        { "Axis SetName SetTitle SetMin SetSpan: the highest value shown is minimum plus span",
            +[](const Under& t) {
                auto axis = t.plot->YAxis(0);
                axis->SetName(QStringLiteral("Pressure"));
                axis->SetTitle(QStringLiteral("Pressure (psi)"));
                axis->SetMin(-10);
                axis->SetSpan(160);
                EXPECT_EQ(axis->GetName(), QStringLiteral("Pressure"));
                EXPECT_EQ(axis->GetTitle(), QStringLiteral("Pressure (psi)"));
                EXPECT_EQ(axis->GetMin(), -10.0);
                EXPECT_EQ(axis->GetSpan(), 160.0);
                EXPECT_EQ(axis->GetMax(), 150.0);
                const std::vector<double> ticks = axis->tickValues();
                ASSERT_FALSE(ticks.empty());
                EXPECT_GE(ticks.front(), -10.0);
                EXPECT_LE(ticks.back(), 150.0);
            } },
        { "Axis switches: visibility and the second switch set alike, visibility cleared alone",
            +[](const Under& t) {
                auto axis = t.plot->YAxis(0);
                axis->SetTitle(QStringLiteral("Position (%)"));
                const QImage shown = t.plot->renderImage(QSize(400, 300));
                axis->SetVisible(false);
                axis->SetTitleVisible(false);
                EXPECT_FALSE(axis->GetVisible());
                EXPECT_FALSE(axis->GetTitleVisible());
                EXPECT_NE(t.plot->renderImage(QSize(400, 300)), shown);
                axis->SetVisible(true);
                axis->SetTitleVisible(true);
                EXPECT_EQ(t.plot->renderImage(QSize(400, 300)), shown);
                axis->SetVisible(false);
                EXPECT_FALSE(axis->GetVisible());
                EXPECT_TRUE(axis->GetTitleVisible());
            } },
        { "Axis display option: one further on and off option",
            +[](const Under& t) {
                auto axis = t.plot->XAxis(0);
                axis->SetLabelsVisible(false);
                EXPECT_FALSE(axis->GetLabelsVisible());
                axis->SetLabelsVisible(true);
                EXPECT_TRUE(axis->GetLabelsVisible());
            } },
        { "Axis FitToData: the range covers the data now held",
            +[](const Under& t) {
                auto axis = t.plot->YAxis(0);
                axis->SetName(QStringLiteral("Position"));
                auto channel = addNamed(t.plot, "Position");
                channel->SetYAxisName(QStringLiteral("Position"));
                channel->AddXY(0, -12.5);
                channel->AddXY(1, 240);
                axis->FitToData();
                EXPECT_LE(axis->GetMin(), -12.5);
                EXPECT_GE(axis->GetMax(), 240.0);
                channel->Clear();
                channel->AddXY(0, 3);
                channel->AddXY(1, 4);
                axis->FitToData();
                EXPECT_LE(axis->GetMin(), 3.0);
                EXPECT_GE(axis->GetMax(), 4.0);
                EXPECT_LT(axis->GetSpan(), 10.0) << "the range follows the data held now, not earlier";
            } },
        { "SetGridAxes: the grid follows an x axis and a y axis",
            +[](const Under& t) {
                t.plot->XAxis(1)->SetName(QStringLiteral("Time"));
                t.plot->YAxis(1)->SetName(QStringLiteral("Pressure"));
                t.plot->SetGridAxes(QStringLiteral("Time"), QStringLiteral("Pressure"));
                EXPECT_EQ(t.plot->GetGridXAxis(), QStringLiteral("Time"));
                EXPECT_EQ(t.plot->GetGridYAxis(), QStringLiteral("Pressure"));
                EXPECT_EQ(
                    t.plot->resolveAxis(PlotAxis::Orientation::X, t.plot->GetGridXAxis()), t.plot->XAxis(1).get());
                EXPECT_EQ(
                    t.plot->resolveAxis(PlotAxis::Orientation::Y, t.plot->GetGridYAxis()), t.plot->YAxis(1).get());
            } },
        { "Channel Clear and AddXY: points stay in order of adding, AddXY gives the index",
            +[](const Under& t) {
                auto channel = addNamed(t.plot, "Position");
                channel->AddXY(9, 9);
                channel->Clear();
                EXPECT_EQ(channel->Count(), 0);
                for (int k = 0; k < 5; ++k)
                    EXPECT_EQ(channel->AddXY(10.0 - k, k * 1.5), k);
                for (int k = 0; k < 5; ++k) {
                    EXPECT_EQ(channel->GetX(k), 10.0 - k);
                    EXPECT_EQ(channel->GetY(k), k * 1.5);
                }
            } },
        { "Channel Count, GetX and GetY at an index from 0, reading past the last point raises",
            +[](const Under& t) {
                auto channel = addNamed(t.plot, "Position");
                EXPECT_EQ(channel->Count(), 0);
                channel->AddXY(0.5, 655.35);
                EXPECT_EQ(channel->Count(), 1);
                EXPECT_EQ(channel->GetX(0), 0.5);
                EXPECT_EQ(channel->GetY(0), 655.35);
                EXPECT_THROW(channel->GetY(1), ComError);
                EXPECT_THROW(channel->GetX(-1), ComError);
            } },
        { "Channel GetXMin GetXMax GetYMin GetYMax: over all its points, 0 without points",
            +[](const Under& t) {
                auto channel = addNamed(t.plot, "Position");
                EXPECT_EQ(channel->GetYMax(), 0.0);
                EXPECT_EQ(channel->GetYMin(), 0.0);
                EXPECT_EQ(channel->GetXMax(), 0.0);
                EXPECT_EQ(channel->GetXMin(), 0.0);
                channel->AddXY(3, -4);
                channel->AddXY(-1, 8);
                channel->AddXY(7, 2);
                EXPECT_EQ(channel->GetXMin(), -1.0);
                EXPECT_EQ(channel->GetXMax(), 7.0);
                EXPECT_EQ(channel->GetYMin(), -4.0);
                EXPECT_EQ(channel->GetYMax(), 8.0);
                channel->Clear();
                EXPECT_EQ(channel->GetYMax(), 0.0);
            } },
        { "Channel SetName SetTitle SetColor with red in the low byte, axis names and trace style",
            +[](const Under& t) {
                t.plot->XAxis(0)->SetMin(0);
                t.plot->XAxis(0)->SetSpan(10);
                t.plot->YAxis(0)->SetMin(0);
                t.plot->YAxis(0)->SetSpan(100);
                auto channel = addNamed(t.plot, "Channel");
                channel->SetName(QStringLiteral("Position"));
                channel->SetTitle(QStringLiteral("Position (%)"));
                channel->SetLineWidth(2);
                channel->AddXY(0, 0);
                channel->AddXY(10, 100);
                EXPECT_EQ(channelNamed(t.plot, "Position").get(), channel.get());
                EXPECT_EQ(channel->GetTitle(), QStringLiteral("Position (%)"));
                EXPECT_EQ(channel->GetLineWidth(), 2);

                channel->SetColor(0x0000FFu);
                QImage image = t.plot->renderImage(QSize(400, 300));
                EXPECT_GT(countColour(image, QColor(255, 0, 0)), 50);
                EXPECT_EQ(countColour(image, QColor(0, 0, 255)), 0);
                channel->SetColor(0xFF0000u);
                image = t.plot->renderImage(QSize(400, 300));
                EXPECT_GT(countColour(image, QColor(0, 0, 255)), 50);
                EXPECT_EQ(countColour(image, QColor(255, 0, 0)), 0);

                // Names no axis bears are kept: such a channel is carried, not drawn
                // (its legend entry is off here, so no blue is left at all).
                channel->SetLegendVisible(false);
                channel->SetXAxisName(QStringLiteral("PST Time[s]"));
                channel->SetYAxisName(QStringLiteral("None"));
                EXPECT_EQ(channel->GetXAxisName(), QStringLiteral("PST Time[s]"));
                EXPECT_EQ(channel->GetYAxisName(), QStringLiteral("None"));
                EXPECT_EQ(countColour(t.plot->renderImage(QSize(400, 300)), QColor(0, 0, 255)), 0);
            } },
        { "Channel SetVisible and SetLegendVisible: both off for hidden channels, GetVisible tells",
            +[](const Under& t) {
                auto channel = addNamed(t.plot, "Position");
                channel->SetColor(0x0000FFu);
                channel->AddXY(0, 0);
                channel->AddXY(100, 100);
                channel->SetVisible(false);
                channel->SetLegendVisible(false);
                EXPECT_FALSE(channel->GetVisible());
                EXPECT_FALSE(channel->GetLegendVisible());
                EXPECT_EQ(countColour(t.plot->renderImage(QSize(400, 300)), QColor(255, 0, 0)), 0);
                channel->SetVisible(true);
                channel->SetLegendVisible(true);
                EXPECT_TRUE(channel->GetVisible());
                EXPECT_TRUE(channel->GetLegendVisible());
                EXPECT_GT(countColour(t.plot->renderImage(QSize(400, 300)), QColor(255, 0, 0)), 0);
            } },
        { "Channel markers on and off, MarkPoint marks one point",
            +[](const Under& t) {
                auto channel = addNamed(t.plot, "Position");
                for (int k = 0; k < 7; ++k)
                    channel->AddXY(k, k);
                channel->SetMarkersVisible(false);
                for (int k = 0; k < 7; k += 3)
                    channel->MarkPoint(k, true);
                channel->SetMarkersVisible(true);
                EXPECT_TRUE(channel->GetMarkersVisible());
                for (int k = 0; k < 7; ++k)
                    EXPECT_EQ(channel->GetPointMarked(k), k % 3 == 0) << k;
                channel->MarkPoint(3, false);
                EXPECT_FALSE(channel->GetPointMarked(3));
                EXPECT_THROW(channel->MarkPoint(7, true), ComError);
            } },
    };
}

template <class PlotT>
class PlotOperationContract : public SwTest, public ::testing::WithParamInterface<PlotOperation<PlotT>>
{
protected:
    void walk()
    {
        QWidget* made = ControlRegistry::instance().create(progIdOf<PlotT>(), &m_page);
        const InterfacePtr<PlotT> plot = InterfacePtr<PlotT>::fromObject(made);
        ASSERT_TRUE(plot);
        m_page.resize(640, 400);
        plot->setGeometry(0, 0, 600, 360);
        this->GetParam().holds(PlotUnderTest<PlotT> { plot, &m_page, stateDir() });
    }

    QWidget m_page;
};

using TimePlotOperations = PlotOperationContract<Plot>;
using XYPlotOperations = PlotOperationContract<XYPlot>;

} // namespace

TEST_P(TimePlotOperations, HoldsThroughIPlotPtr)
{
    walk();
}

TEST_P(XYPlotOperations, HoldsThroughIXYPlotPtr)
{
    walk();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimePlotOperations, ::testing::ValuesIn(plotOperations<Plot>()), rowName<PlotOperation<Plot>>);
INSTANTIATE_TEST_SUITE_P(
    Rows, XYPlotOperations, ::testing::ValuesIn(plotOperations<XYPlot>()), rowName<PlotOperation<XYPlot>>);
