// The test pages after a run, and their compare pages with that run opened
// as both files, when they show the most: every text whole and apart on both
// models, and in every view each trace on an axis shown and each legend entry
// told apart from the others.
#include "DrawnPlotTexts.h"
#include "HDRLTestPageTest.h"
#include "PageLayoutCheck.h"
#include "PstPageTest.h"
#include "RampTestPageTest.h"

#include "diagnostics/CHDRLCompareView.h"
#include "diagnostics/CRampTestCompare.h"
#include "diagnostics/CStepCompareView.h"

namespace
{
std::string faultsOf(const char* path, const QWidget& page, unsigned kinds = PageLayoutCheck::AllKinds)
{
    return (QLatin1String(path) + QLatin1Char('\n') + PageLayoutCheck::faults(page, kinds).join(QLatin1Char('\n')))
        .toStdString();
}
} // namespace

// Saves the run shown twice and opens the files as file 1 and file 2 of the
// compare page shown by `compareCode`.
#define OPEN_RUN_TWICE_IN_COMPARE(save, compareCode, compareClass)                                                     \
    for (const char* name : { "first", "second" }) {                                                                   \
        prompts().answerFile(tempPath(QLatin1String(name)));                                                           \
        save;                                                                                                          \
    }                                                                                                                  \
    tree().SelectItem(tree().itemForCode(compareCode));                                                                \
    clock().advance(1000);                                                                                             \
    prompts().answerFile(tempPath(QStringLiteral("first")));                                                           \
    page<compareClass>().OnOpenFile1();                                                                                \
    prompts().answerFile(tempPath(QStringLiteral("second")));                                                          \
    page<compareClass>().OnOpenFile2();

class CompletedRampLayoutTest : public RampTestPageTest
{
};

TEST_F(CompletedRampLayoutTest, ABidirectionalRampRunShowsItsResultsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        showRampPage(path);
        typeRamp("5", "95", "3", "45", true);
        startRamp();
        runRampToCompletion();
        ASSERT_EQ(rampText(CRampTest::StatusEdit), QStringLiteral("Test completed")) << path;
        DrawnPlotTexts drawn;
        EXPECT_TRUE(PageLayoutCheck::faults(ramp()).isEmpty()) << faultsOf(path, ramp());
        // Each of the run's other views.
        for (int view : { CRampTest::PressureViewButton, CRampTest::SignalsViewButton, CRampTest::FrictionViewButton,
                 CRampTest::RampViewButton }) {
            ramp().controlAs<QAbstractButton>(view)->click();
            EXPECT_TRUE(PageLayoutCheck::faults(ramp()).isEmpty()) << view << " " << faultsOf(path, ramp());
        }
        OPEN_RUN_TWICE_IN_COMPARE(ramp().SaveRampResults(), 411, CRampTestCompare)
        ASSERT_TRUE(page<CRampTestCompare>().file2Loaded()) << path;
        EXPECT_TRUE(PageLayoutCheck::faults(page<CRampTestCompare>()).isEmpty())
            << faultsOf(path, page<CRampTestCompare>());
        EXPECT_FALSE(drawn.titled(QStringLiteral("Signals Vs Command")).empty()) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

class CompletedStepLayoutTest : public StepTestPageTest
{
};

TEST_F(CompletedStepLayoutTest, AStepRunShowsItsResultsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        showPage(path);
        typeSettings("40", "60", "5");
        startTest();
        runToCompletion();
        ASSERT_FALSE(step().testRunning()) << path;
        DrawnPlotTexts drawn;
        EXPECT_TRUE(PageLayoutCheck::faults(step()).isEmpty()) << faultsOf(path, step());
        OPEN_RUN_TWICE_IN_COMPARE(step().OnSaveResults(), 421, CStepCompareView)
        ASSERT_TRUE(page<CStepCompareView>().file2Loaded()) << path;
        EXPECT_TRUE(PageLayoutCheck::faults(page<CStepCompareView>()).isEmpty())
            << faultsOf(path, page<CStepCompareView>());
        EXPECT_GE(drawn.paintings().size(), 2u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

class CompletedHdrlLayoutTest : public HDRLTestPageTest
{
};

TEST_F(CompletedHdrlLayoutTest, AnHdrlRunShowsItsResultsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        showPage(path);
        startTest();
        runToCompletion();
        ASSERT_FALSE(hdrl().running()) << path;
        DrawnPlotTexts drawn;
        EXPECT_TRUE(PageLayoutCheck::faults(hdrl()).isEmpty()) << faultsOf(path, hdrl());
        OPEN_RUN_TWICE_IN_COMPARE(hdrl().OnSave(), 431, CHDRLCompareView)
        ASSERT_TRUE(page<CHDRLCompareView>().file2Loaded()) << path;
        EXPECT_TRUE(PageLayoutCheck::faults(page<CHDRLCompareView>()).isEmpty())
            << faultsOf(path, page<CHDRLCompareView>());
        EXPECT_GE(drawn.paintings().size(), 2u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

class CompletedPstLayoutTest : public PstPageTest
{
};

TEST_F(CompletedPstLayoutTest, APartialStrokeRunWithItsSignatureShowsItsResultsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        runAndRetrieve(path);
        ASSERT_FALSE(pst().retrieving()) << path;
        DrawnPlotTexts drawn;
        EXPECT_TRUE(PageLayoutCheck::faults(pst()).isEmpty()) << faultsOf(path, pst());
        OPEN_RUN_TWICE_IN_COMPARE(pst().SavePstFile(), 461, CPSTCompare)
        const unsigned kinds = PageLayoutCheck::Cut | PageLayoutCheck::Overlap;
        EXPECT_TRUE(PageLayoutCheck::faults(page<CPSTCompare>(), kinds).isEmpty())
            << faultsOf(path, page<CPSTCompare>(), kinds);
        EXPECT_GE(drawn.paintings().size(), 2u) << path;
        EXPECT_EQ(drawn.faults(), QStringList()) << path;
        m_app.reset();
    }
}

TEST_F(CompletedPstLayoutTest, ThePartialStrokeComparePlotLabelsItsTimeAxisApart)
{
    for (const char* path : { K90Path, K40Path }) {
        runAndRetrieve(path);
        OPEN_RUN_TWICE_IN_COMPARE(pst().SavePstFile(), 461, CPSTCompare)
        EXPECT_TRUE(PageLayoutCheck::faults(page<CPSTCompare>(), PageLayoutCheck::RunTogether).isEmpty())
            << faultsOf(path, page<CPSTCompare>(), PageLayoutCheck::RunTogether);
        m_app.reset();
    }
}
