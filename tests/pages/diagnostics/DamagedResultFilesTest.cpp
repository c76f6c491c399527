// A result file whose recorded signals hold no number is refused by every
// page that loads one, as any damaged file: "File open error." and the page
// exactly as it was, its plots, edits, lists and boxes.
#include "DiagnosticsHubPageTest.h"

#include "controls/PlotDataFile.h"
#include "controls/SpinEditBox.h"
#include "diagnostics/CDataLogger.h"
#include "diagnostics/CTrends.h"

#include <QComboBox>

#include <functional>
#include <limits>

namespace
{

struct LoadingPage {
    const char* name;
    int pageCode;
    const char* file; // a whole file of the family, as its page saved it
    const char* openTitle;
};

const LoadingPage Pages[] = {
    { "step", 42, "step_test.stp", "Open Step Test Results" },
    { "partial stroke", 46, "partial_stroke.pst", "Open Partial Stroke Test Results" },
    { "ramp", 41, "ramp_test.rmp", "Open Ramp Test Results" },
    { "HDRL", 43, "hdrl_test.hdrl", "Open HDRL Test Results" },
    { "data logger", 44, "datalogger_run.lgr", "Open DataLogger Results" },
    { "trends", 45, "trends_acquisition.trd", "Open Trends Results" },
};

class DamagedResultFilesTest : public DiagnosticsHubPageTest
{
protected:
    FormPage& loadingPage(int pageCode)
    {
        switch (pageCode) {
        case 44:
            return page<CDataLogger>();
        case 45:
            return page<CTrends>();
        default:
            return testPage(pageCode);
        }
    }
    void load(int pageCode)
    {
        switch (pageCode) {
        case RampTestCode:
            return ramp().LoadRampResults();
        case StepTestCode:
            return step().OnLoadResults();
        case HDRLCode:
            return hdrl().OnLoad();
        case PstCode:
            return pst().OnLoad();
        case 44:
            return page<CDataLogger>().LoadLoggerResults();
        default:
            return page<CTrends>().OnLoad();
        }
    }

    // Everything the page shows that a load could change.
    static QStringList shown(const FormPage& page)
    {
        QStringList out;
        for (const QLineEdit* edit : page.findChildren<QLineEdit*>())
            out << QStringLiteral("edit ") + edit->text();
        for (const QComboBox* combo : page.findChildren<QComboBox*>())
            out << QStringLiteral("combo ") + combo->currentText();
        for (const SpinEditBox* spin : page.findChildren<SpinEditBox*>())
            out << QStringLiteral("spin %1").arg(spin->value());
        for (const QAbstractButton* button : page.findChildren<QAbstractButton*>())
            out << QStringLiteral("button %1 %2").arg(button->text()).arg(button->isChecked());
        for (const Plot* plot : page.findChildren<Plot*>()) {
            out << QStringLiteral("plot ") + plot->GetTitle();
            for (int k = 0; k < plot->ChannelCount(); ++k) {
                const IPlotChannelPtr channel = plot->Channel(k);
                out << QStringLiteral("channel %1 %2 points, %3")
                           .arg(channel->data().name)
                           .arg(channel->Count())
                           .arg(channel->GetVisible());
            }
        }
        return out;
    }

    // The family's file with every recorded point (the hidden channels of
    // settings, results, tag and trend span aside) not a number.
    QString damaged(const LoadingPage& c)
    {
        std::vector<PlotChannelData> channels = PlotDataFile::load(corpus(c.file));
        for (PlotChannelData& channel : channels) {
            if (channel.name == QStringLiteral("TestSettings") || channel.name == QStringLiteral("Results")
                || channel.name == QStringLiteral("TagName") || channel.name == QStringLiteral("ButtonSetting"))
                continue;
            for (double& y : channel.ys)
                y = std::numeric_limits<double>::quiet_NaN();
        }
        const QString path = tempPath(QStringLiteral("damaged_") + QString::fromLatin1(c.file));
        std::vector<const PlotChannelData*> written;
        for (const PlotChannelData& channel : channels)
            written.push_back(&channel);
        PlotDataFile::save(
            path, c.pageCode == RampTestCode ? PlotDataFile::Kind::XYPlot : PlotDataFile::Kind::TimePlot, written);
        return path;
    }
    static QString corpus(const char* name)
    {
        return QStringLiteral(SW_TEST_SOURCE_DIR "/../../../fuzz/corpus/fuzz_plot_data_file/")
            + QString::fromLatin1(name);
    }
};

TEST_F(DamagedResultFilesTest, AFileWhoseSignalsHoldNoNumberIsRefusedAndThePageStaysAsItWas)
{
    for (const char* path : { K90Path, K40Path }) {
        showHub(path);
        for (const LoadingPage& c : Pages) {
            SCOPED_TRACE(std::string(path) + ", " + c.name);
            select(c.pageCode);
            FormPage& page = loadingPage(c.pageCode);
            const QStringList before = shown(page);
            prompts().clearRecords();
            prompts().answerFile(damaged(c), QString::fromLatin1(c.openTitle));
            prompts().answerMessage(Prompts::IdOk, QStringLiteral("File open error."));
            load(c.pageCode);
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            EXPECT_EQ(shown(page), before);

            // The same file undamaged loads: the page shows it.
            prompts().answerFile(corpus(c.file), QString::fromLatin1(c.openTitle));
            load(c.pageCode);
            EXPECT_EQ(prompts().pendingAnswers(), 0);
            EXPECT_NE(shown(page), before);
        }
        m_app.reset();
    }
}

} // namespace
