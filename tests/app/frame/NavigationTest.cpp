#include "AppFrameTest.h"
#include "CIdentificationArea.h"
#include <QApplication>
#include <QPushButton>
#include <set>

#include "CMainFrame.h"
#include "CMySplitterWnd.h"
#include "CNavigationView.h"
#include "PageRegistry.h"

#include "SimulatedPositioner.h"

#include "StripPage.h"

#include <QStringList>

#include <functional>

namespace
{
// A page that writes down what the tree asks of it, and whether the page
// being switched to is already in the pane when the others are stopped.
class RecordingPage : public StripPage
{
public:
    RecordingPage(PageContext& context, int index, QStringList& calls, QWidget* pane)
        : StripPage(context, QStringLiteral("RecordingPage"), 0, StripTimer::None, pane)
        , m_index(index)
        , m_calls(calls)
    {
        hide();
    }
    void ActivatePage() override
    {
        m_calls << QStringLiteral("activate %1").arg(m_index);
        if (onActivate)
            onActivate();
    }
    std::function<void()> onActivate;
    void StopTimers() override
    {
        m_calls << QStringLiteral("stop %1").arg(m_index);
        if (onStop)
            onStop();
    }
    std::function<void()> onStop;

private:
    int m_index;
    QStringList& m_calls;
};

// The stop calls of the pages in slots first to last, in slot order.
QStringList stops(int first, int last)
{
    QStringList calls;
    for (int index = first; index <= last; ++index) {
        if (PageRegistry::rowForSlot(index))
            calls << QStringLiteral("stop %1").arg(index);
    }
    return calls;
}
}

class NavigationTest : public AppFrameTest
{
protected:
    // Puts recording pages into slots 3 to 41.
    void record()
    {
        QWidget* pane = frame().innerSplitter()->pagePane();
        for (int index = 3; index < PageRegistry::SlotCount; ++index) {
            if (!app().pageTable()[index])
                continue;
            auto* page = new RecordingPage(app(), index, calls, pane);
            CMySplitterWnd::setChildId(page, index);
            pages[index] = page;
            app().pageTable()[index] = page;
        }
        calls.clear();
    }
    void select(int code) { tree().SelectItem(tree().itemForCode(code)); }
    int shownIndex() { return frame().innerSplitter()->currentPageIndex(); }
    // Whether page `index` was in the pane while the last page was being stopped.
    bool shownDuringStops(int index, int lastStopped = 40)
    {
        bool shown = false;
        pages[lastStopped]->onStop = [&] { shown = shownIndex() == index; };
        select(codeUnderTest);
        return shown;
    }

    QStringList calls;
    std::array<RecordingPage*, PageRegistry::SlotCount> pages {};
    int codeUnderTest = 0;
};

TEST_F(NavigationTest, StepCompareStopsEveryPageInOrderThenShowsAndActivatesItsPage)
{
    startK90();
    record();
    select(421);
    EXPECT_EQ(calls, stops(3, 40) << QStringLiteral("activate 22")) << "page 41 is not stopped on the larger model";
    EXPECT_EQ(shownIndex(), 22);
    EXPECT_TRUE(pages[22]->isVisible());
    EXPECT_TRUE(tree().hasFocus() || !frame().isActiveWindow());
}

TEST_F(NavigationTest, SomeCodesSwapThePageInBeforeTheOthersStop)
{
    startK90();
    record();
    struct Case {
        int code;
        int index;
        bool swapFirst;
    };
    for (const Case& c : { Case { 431, 24, true }, Case { 421, 22, false }, Case { 1, 3, true },
             Case { 311, 30, false }, Case { 461, 35, true }, Case { 61, 39, false } }) {
        codeUnderTest = c.code;
        EXPECT_EQ(shownDuringStops(c.index), c.swapFirst) << c.code;
        EXPECT_EQ(shownIndex(), c.index) << c.code;
        EXPECT_EQ(calls.back(), QStringLiteral("activate %1").arg(c.index)) << c.code;
        calls.clear();
    }
}

TEST_F(NavigationTest, EveryTreeItemSwapsAndFocusesInItsOwnOrder)
{
    startK90();
    frame().show();
    frame().activateWindow();
    QApplication::setActiveWindow(&frame());
    record();
    const std::set<int> swapFirst { 1, 21, 22, 31, 33, 41, 43, 44, 46, 411, 431, 461 };
    const std::set<int> focusFirst { 1, 43 };
    QWidget* elsewhere = frame().identityStrip()->findChild<QPushButton*>();
    ASSERT_NE(elsewhere, nullptr);
    for (QTreeWidgetItem* item : app().treeItemHandles()) {
        const int code = item->data(0, Qt::UserRole).toInt();
        if (code == 0)
            continue;
        const int index = CNavigationView::PageIndexForCode(code);
        select(code == 1 ? 44 : 1); // from another page
        elsewhere->setFocus();
        bool treeFocusedOnActivation = false;
        pages[index]->onActivate = [&] { treeFocusedOnActivation = tree().hasFocus(); };
        codeUnderTest = code;
        EXPECT_EQ(shownDuringStops(index), swapFirst.count(code) == 1) << "swap first, code " << code;
        EXPECT_EQ(treeFocusedOnActivation, focusFirst.count(code) == 1) << "focus first, code " << code;
        EXPECT_TRUE(tree().hasFocus()) << "the tree has the focus after the switch, code " << code;
        pages[index]->onActivate = nullptr;
        pages[40]->onStop = nullptr;
    }
}

TEST_F(NavigationTest, SelectingTheRootOrAForeignHandleDoesNothing)
{
    startK90();
    record();
    tree().SelectItem(app().treeItemHandles().front());
    QTreeWidgetItem foreign({ QStringLiteral("Health") });
    tree().SelectItem(&foreign);
    tree().SelectItem(nullptr);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(shownIndex(), 3);
}

TEST_F(NavigationTest, ReselectingTheShownItemStopsAllAndActivatesItAgain)
{
    startK90();
    select(43);
    record();
    select(43);
    EXPECT_EQ(calls, stops(3, 40) << QStringLiteral("activate 23"));
    EXPECT_EQ(shownIndex(), 23);
}

TEST_F(NavigationTest, SmallerModelStopsTheZeroSupplyPageToo)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    record();
    select(42);
    EXPECT_EQ(calls, stops(3, 41) << QStringLiteral("activate 21"));
}

TEST_F(NavigationTest, SmallerModelOffersHealthTrendsAndPartialStrokeOnlyWithItsConfigurationBit)
{
    start({ QStringLiteral("/dSim/K40/PV-102") });
    const int optionalCodes[] = { 3, 31, 311, 32, 33, 34, 45, 46, 461 };

    device(K40Path).setMiscByte(0x28, 0x00);
    tree().OnInitialUpdate();
    for (int code : optionalCodes)
        EXPECT_EQ(tree().itemForCode(code), nullptr) << code;
    EXPECT_EQ(app().treeItemHandles().size(), 1u + 28u - 9u);
    EXPECT_NE(tree().itemForCode(44), nullptr);

    device(K40Path).setMiscByte(0x28, 0x20);
    tree().OnInitialUpdate();
    for (int code : optionalCodes)
        EXPECT_NE(tree().itemForCode(code), nullptr) << code;
    EXPECT_EQ(app().treeItemHandles().size(), 29u);

    // The bit cleared later: each of those items shows the dashboard.
    record();
    app().deviceData().Config28Bit5 = 0;
    for (int code : optionalCodes) {
        select(44); // away from the dashboard first
        calls.clear();
        select(code);
        EXPECT_EQ(calls, stops(3, 41) << QStringLiteral("activate 3")) << code;
        EXPECT_EQ(shownIndex(), 3) << code;
    }
}

TEST_F(NavigationTest, LargerModelTreeIsWhollyOpenWithItsCodes)
{
    startK90();
    EXPECT_EQ(app().treeItemHandles().size(), 29u);
    QStringList expanded;
    for (QTreeWidgetItem* item : app().treeItemHandles()) {
        if (item->isExpanded())
            expanded << item->text(0);
    }
    EXPECT_EQ(expanded,
        QStringList({ "Serrat K90", "Dashboard", "Alarms", "Health", "Valve Health", "Diagnostic", "Ramp Test",
            "Step Test", "HDRL", "Partial Stroke Test", "Calibration", "Configuration" }));
    QTreeWidgetItem* compare = tree().itemForCode(431);
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->text(0), QStringLiteral("Compare"));
    EXPECT_EQ(compare->parent()->text(0), QStringLiteral("HDRL"));
    EXPECT_EQ(tree().itemForCode(51)->text(0), QStringLiteral("Actuator /Stroke /Friction"));
    EXPECT_EQ(tree().selectedPageCode(), 1) << "start-up selects the dashboard";
}

TEST_F(NavigationTest, SelectionAskedForDuringASwitchRunsAfterIt)
{
    startK90();
    record();
    // A test page that hands back to the diagnostics hub from its StopTimers.
    bool handedBack = false;
    pages[37]->onStop = [&] {
        if (!handedBack) {
            handedBack = true;
            select(4);
        }
    };
    select(42);
    EXPECT_EQ(calls.back(), QStringLiteral("activate 21")) << "the user's page comes first";
    EXPECT_EQ(shownIndex(), 21);
    EXPECT_EQ(calls.filter(QStringLiteral("activate")).size(), 1);

    calls.clear();
    processEvents();
    EXPECT_EQ(calls, stops(3, 40) << QStringLiteral("activate 20"));
    EXPECT_EQ(shownIndex(), 20);
    EXPECT_EQ(tree().selectedPageCode(), 4);
}

TEST_F(NavigationTest, SelectionAskedForDuringASwitchToThatSameItemIsNotRunAgain)
{
    startK90();
    record();
    // The user chooses the hub while a test page that hands back to it is shown.
    bool handedBack = false;
    pages[37]->onStop = [&] {
        if (!handedBack) {
            handedBack = true;
            select(4);
        }
    };
    select(4);
    EXPECT_EQ(calls.back(), QStringLiteral("activate 20"));
    calls.clear();
    processEvents();
    EXPECT_TRUE(calls.isEmpty()) << "the hub is shown once";
    EXPECT_EQ(shownIndex(), 20);
    // Reselecting the shown item outside a switch still activates it again.
    select(4);
    EXPECT_EQ(calls.back(), QStringLiteral("activate 20"));
}

TEST_F(NavigationTest, SelectionAskedForDuringASwitchWaitsOutTheTransactionsAfterIt)
{
    // At a real device's pace the window repaints inside each transaction; a
    // selection queued during a switch still waits for the event loop, not
    // for the first transaction after the switch.
    startAtHartPace({ QStringLiteral("/dSim/K90/PV-101") });
    record();
    bool handedBack = false;
    pages[37]->onStop = [&] {
        if (!handedBack) {
            handedBack = true;
            select(4);
        }
    };
    select(42);
    calls.clear();
    // The handler that switched goes on with the device.
    app().dispatch().DispatchRead(202);
    EXPECT_TRUE(calls.isEmpty()) << "no switch inside the transaction";

    processEvents();
    EXPECT_EQ(calls, stops(3, 40) << QStringLiteral("activate 20"));
    EXPECT_EQ(tree().selectedPageCode(), 4);
}
