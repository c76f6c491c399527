#include "AppFrameTest.h"

#include "CNavigationView.h"
#include "PageLayoutCheck.h"
#include "PageRegistry.h"
#include "StripPage.h"

#include "diagnostics/CPartialStrokeTest.h"
#include "health/CValveHealthToleranceSettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

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

TEST_F(PageLayoutTest, TheCheckFindsCutAndOverlappingTextsButNotAGroupAroundItsControls)
{
    QWidget page;
    page.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    page.resize(400, 300);
    const auto place = [&](QWidget* widget, int id, const QRect& rect) {
        widget->setObjectName(QString::number(id));
        widget->setProperty("controlId", id);
        widget->setGeometry(rect);
    };
    auto* group = new QGroupBox(QStringLiteral("Settings"), &page);
    place(group, 1, QRect(5, 5, 200, 100));
    auto* inside = new QPushButton(QStringLiteral("Apply"), &page);
    place(inside, 2, QRect(20, 30, 75, 23)); // framed by the group: no fault
    auto* question = new QLabel(QStringLiteral("Do you want to Disable?"), &page);
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(question, 3, QRect(20, 120, 80, 13)); // wraps to a second line it has no room for
    auto* wide = new QPushButton(QStringLiteral("Retrieve Signature"), &page);
    place(wide, 4, QRect(220, 10, 40, 23)); // text wider than the button
    auto* first = new QLabel(QStringLiteral("Stroke Length:"), &page);
    place(first, 5, QRect(220, 60, 120, 13));
    auto* second = new QLabel(QStringLiteral("1.50"), &page);
    place(second, 6, QRect(250, 62, 60, 13)); // over the first label's text
    auto* box = new QCheckBox(QStringLiteral("Pilot Relay Position"), &page);
    place(box, 7, QRect(220, 200, 150, 20)); // fits
    page.show();

    const QStringList found = PageLayoutCheck::faults(page);
    const auto names = [&](const char* what) {
        QStringList out;
        for (const QString& fault : found) {
            if (fault.contains(QLatin1String(what)))
                out << fault.section(QLatin1Char(' '), 0, 0);
        }
        return out;
    };
    EXPECT_EQ(names(" cut: "), (QStringList { "3", "4" })) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(names(" overlap"), (QStringList { "5" })) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(found.size(), 3) << found.join(QLatin1Char('\n')).toStdString();
}
