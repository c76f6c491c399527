// The data logger after a run and the trends page after a retrieval, when
// their plots carry what was read: every text whole and apart on both models,
// each trace on an axis shown and each legend entry told apart.
#include "DataLoggerPageTest.h"
#include "DrawnPlotTexts.h"
#include "PageLayoutCheck.h"
#include "TrendsPageTest.h"

namespace
{
std::string faultsOf(const char* path, const char* state, const QStringList& faults)
{
    return (QLatin1String(path) + QLatin1Char(' ') + QLatin1String(state) + QLatin1Char('\n')
        + faults.join(QLatin1Char('\n')))
        .toStdString();
}
} // namespace

class AcquiredDataLoggerLayoutTest : public DataLoggerPageTest
{
};

TEST_F(AcquiredDataLoggerLayoutTest, ARunThatStoppedItselfShowsItsPlotAndSettingsWholeAndApart)
{
    const struct {
        const char* interval;
        double duration;
        const char* unit;
        qint64 runMs;
    } runs[] = {
        { "3", 1, "Minute(s)", 70000 },
        { "60", 2, "Hour(s)", 2 * 3600000 + 70000 },
    };
    for (const char* path : { K90Path, K40Path }) {
        for (const auto& run : runs) {
            showPage(path);
            choose(run.interval, run.duration, run.unit);
            click(CDataLogger::StartButton);
            clock().advance(run.runMs);
            ASSERT_FALSE(logger().logging()) << path << " " << run.unit;
            DrawnPlotTexts drawn;
            const QStringList faults = PageLayoutCheck::faults(logger());
            EXPECT_TRUE(faults.isEmpty()) << faultsOf(path, run.unit, faults);
            EXPECT_FALSE(drawn.paintings().empty()) << path << " " << run.unit;
            EXPECT_EQ(drawn.faults(), QStringList()) << path << " " << run.unit;
            m_app.reset();
        }
    }
}

class AcquiredTrendsLayoutTest : public TrendsPageTest
{
};

TEST_F(AcquiredTrendsLayoutTest, AFullRetrievalShowsItsFourPlotsAndButtonsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        showPage(path);
        // The largest values the words carry widen the value axes.
        scriptRow(0, { 10000, 10000, 32000, 32000, 32000 });
        retrieve(92);
        ASSERT_EQ(text(CTrends::RowCounter), QStringLiteral("91")) << path;
        DrawnPlotTexts drawn;
        QStringList faults = PageLayoutCheck::faults(trends());
        EXPECT_TRUE(faults.isEmpty()) << faultsOf(path, "all six", faults);
        // One signal on its own.
        click(CTrends::FrictionButton);
        faults = PageLayoutCheck::faults(trends());
        EXPECT_TRUE(faults.isEmpty()) << faultsOf(path, "friction", faults);
        EXPECT_GE(drawn.paintings().size(), 4u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}
