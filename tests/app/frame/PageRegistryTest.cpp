#include "AppFrameTest.h"

#include "CMySplitterWnd.h"
#include "CNavigationView.h"
#include "PageRegistry.h"

#include <set>
#include <string>

// The registry is the one table of pages: every row's tree item shows a page
// of the row's class in the row's slot on each model that offers it.
class PageRegistryTest : public AppFrameTest
{
protected:
    void walkTheTree(const char* path)
    {
        for (const PageRow& row : PageRegistry::rows()) {
            if (row.treeCode == 0)
                continue;
            QTreeWidgetItem* item = tree().itemForCode(row.treeCode);
            ASSERT_NE(item, nullptr) << path << " " << row.treeCode;
            EXPECT_EQ(item->text(0), QLatin1String(row.treeText)) << row.treeCode;
            tree().SelectItem(item);
            processEvents();
            FormPage* shown = app().shownPage();
            ASSERT_NE(shown, nullptr) << row.treeCode;
            EXPECT_EQ(shown, app().pageTable()[row.slot]) << path << " code " << row.treeCode;
            EXPECT_EQ(shown->className(), QLatin1String(row.pageClass)) << path << " code " << row.treeCode;
            EXPECT_EQ(frame().innerSplitter()->currentPageIndex(), row.slot) << row.treeCode;
        }
    }
};

TEST_F(PageRegistryTest, EveryTreeItemShowsAPageOfItsClassInItsSlotOnBothModels)
{
    startK90();
    walkTheTree(K90Path);
    m_app.reset();
    SimTestHooks::reset();
    start({ QStringLiteral("/dSim/K40/PV-102") });
    device(K40Path).setMiscByte(0x28, 0x20);
    tree().OnInitialUpdate();
    walkTheTree(K40Path);
}

TEST_F(PageRegistryTest, NoSlotCodeOrClassIsNamedTwiceAndEverySlotHoldsItsRowsClass)
{
    std::set<int> usedSlots;
    std::set<int> codes;
    std::set<std::string> classes;
    for (const PageRow& row : PageRegistry::rows()) {
        EXPECT_TRUE(row.slot > 0 && row.slot < PageRegistry::SlotCount) << row.pageClass;
        EXPECT_TRUE(usedSlots.insert(row.slot).second) << "slot " << row.slot;
        EXPECT_TRUE(classes.insert(row.pageClass).second) << row.pageClass;
        if (row.treeCode != 0) {
            EXPECT_TRUE(codes.insert(row.treeCode).second) << "code " << row.treeCode;
            EXPECT_TRUE(row.treeDepth >= 1 && row.treeDepth <= 3) << row.treeCode;
        }
        EXPECT_EQ(row.make == nullptr, false) << row.pageClass;
    }
    EXPECT_EQ(PageRegistry::homeSlot(), PageRegistry::rowForCode(1)->slot) << "the dashboard is the home page";

    startK90();
    for (int slot = 0; slot < PageRegistry::SlotCount; ++slot) {
        const PageRow* row = PageRegistry::rowForSlot(slot);
        FormPage* page = app().pageTable()[slot];
        if (!row) {
            EXPECT_EQ(page, nullptr) << slot;
            continue;
        }
        ASSERT_NE(page, nullptr) << slot;
        EXPECT_EQ(page->className(), QLatin1String(row->pageClass)) << slot;
        if (row->shell.dialogId != 0) {
            EXPECT_EQ(page->templateId(), row->shell.dialogId) << slot;
        }
    }
}

TEST_F(PageRegistryTest, WizardStepIsSwappedInByItsClassWithoutTheTree)
{
    startK90();
    FormPage* step = app().ReplaceView("CCalibrationAnalogIn2");
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->className(), QStringLiteral("CCalibrationAnalogIn2"));
    EXPECT_EQ(app().shownPage(), step);
    EXPECT_TRUE(step->isVisible());
    EXPECT_EQ(tree().selectedPageCode(), 1) << "the tree keeps its selection";

    EXPECT_EQ(app().ReplaceView("CNoSuchPage"), nullptr);
    EXPECT_EQ(app().ReplaceView(nullptr), nullptr);
    EXPECT_EQ(app().shownPage(), step) << "nothing was swapped";
}
