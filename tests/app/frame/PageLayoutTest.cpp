#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "PageLayoutCheck.h"
#include "PageRegistry.h"
#include "StripPage.h"

#include "health/CValveHealthToleranceSettings.h"
#include "tests/CPartialStrokeTest.h"

#include <QAbstractButton>

// Every page as a user sees it: no text cut by its control's rectangle, no
// two texts over one another. The pages of the registry on both models as
// they are first shown, then the states that show more.
class PageLayoutTest : public AppFrameTest
{
protected:
    void startModel(const char* path)
    {
        m_app.reset();
        SimTestHooks::reset();
        start({ QStringLiteral("/d") + QLatin1String(path) });
        // The smaller model offers its optional pages with this flag.
        device(path).setMiscByte(0x28, 0x20);
        tree().OnInitialUpdate();
        clock().advance(2000);
    }
    QString model() { return app().deviceData().DeviceType == 6 ? QStringLiteral("K40") : QStringLiteral("K90"); }

    FormPage* show(const PageRow& row)
    {
        if (row.flags & Pane)
            return app().pageTable()[row.slot];
        if (row.treeCode != 0)
            tree().SelectItem(tree().itemForCode(row.treeCode));
        else
            app().ReplaceView(row.pageClass);
        processEvents();
        return app().shownPage();
    }
    FormPage* show(int treeCode) { return show(*PageRegistry::rowForCode(treeCode)); }

    // The faults of a page as it stands, each line naming the model, the page
    // and the state.
    void check(const FormPage* page, const QString& state, unsigned kinds = PageLayoutCheck::AllKinds)
    {
        ASSERT_NE(page, nullptr) << state.toStdString();
        for (const QString& fault : PageLayoutCheck::faults(*page, kinds))
            m_faults << QStringLiteral("%1 %2 (%3): %4").arg(model(), page->className(), state, fault);
    }
    void expectNoFaults()
    {
        EXPECT_TRUE(m_faults.isEmpty()) << m_faults.join(QLatin1Char('\n')).toStdString();
        m_faults.clear();
    }

    QStringList m_faults;
};

TEST_F(PageLayoutTest, EveryPageOnBothModelsShowsItsTextsWholeAndApart)
{
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        for (const PageRow& row : PageRegistry::rows())
            check(show(row), QStringLiteral("shown"), PageLayoutCheck::Cut | PageLayoutCheck::Overlap);
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, EveryInstrumentOnEveryPageDrawsItsLabelsApart)
{
    // Scale labels of gauges, axis labels of plots: each must read as itself.
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        for (const PageRow& row : PageRegistry::rows())
            check(show(row), QStringLiteral("shown"), PageLayoutCheck::RunTogether);
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheContinuousStrokeQuestionShowsWhole)
{
    // The only confirmation before the configuration is written.
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        auto* pst = qobject_cast<CPartialStrokeTest*>(show(46));
        ASSERT_NE(pst, nullptr);
        for (int radio : { CPartialStrokeTest::EnableRadio, CPartialStrokeTest::DisableRadio }) {
            pst->OnContinuousRadio(radio);
            check(pst, pst->windowText(CPartialStrokeTest::QuestionText));
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheFrictionPresetsShowTheirScaleAndHelpApart)
{
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        auto* tolerance = qobject_cast<CValveHealthToleranceSettings*>(show(311));
        ASSERT_NE(tolerance, nullptr);
        for (int button : { CValveHealthToleranceSettings::TightButton, CValveHealthToleranceSettings::NormalButton,
                 CValveHealthToleranceSettings::LooseButton, CValveHealthToleranceSettings::NoLimitsButton }) {
            tolerance->controlAs<QAbstractButton>(button)->click();
            check(tolerance, tolerance->controlAs<QAbstractButton>(button)->text());
        }
    }
    expectNoFaults();
}

TEST_F(PageLayoutTest, TheStatusStripShowsEveryStatusTextWhole)
{
    for (const char* path : { K90Path, K40Path }) {
        startModel(path);
        auto* shown = qobject_cast<StripPage*>(show(21));
        ASSERT_NE(shown, nullptr);
        app().deviceData().Connected = 1;
        for (int status = 0; status < 80; ++status) {
            for (int controlMode : { 0, 64 }) {
                app().deviceData().ActiveStatus = uint8_t(status);
                app().deviceData().ControlMode = uint8_t(controlMode);
                shown->EvaluateStrip();
                check(shown, QStringLiteral("status %1, mode %2").arg(status).arg(controlMode));
            }
        }
    }
    expectNoFaults();
}
